#include "calc/sprockets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

using namespace trovanta;
using namespace trovanta::sprockets;

// The worked examples and the agreement with the chain calculator are in
// worked_examples_test; here the failing geometry, refusals and orders.

namespace {

using Strings = std::vector<std::string>;

// The chain calculator's first worked example as the present drive.
Input example(Range fronts, Range rears)
{
    Input in;
    in.front = 15;
    in.rear = 45;
    in.links = 110;
    in.linkLength = 1.56;
    in.sag = 2;
    in.travelForward = in.travelBackward = 20;
    in.fronts = fronts;
    in.rears = rears;
    return in;
}

Strings texts(const Row &r, Column from, Column to)
{
    Strings out;
    for (int c = from; c <= to; ++c) {
        const Cell &cell = r.cells[static_cast<std::size_t>(c)];
        // The fit is a key only; the window writes the word.
        out.push_back(c == Fits ? (cell.key == 1.0 ? "fits" : "no") : cell.text);
    }
    return out;
}

Strings pairs(const Listing &l)
{
    Strings out;
    for (const Row &r : l.rows)
        out.push_back(std::to_string(r.front) + "/" + std::to_string(r.rear));
    return out;
}

} // namespace

TEST(SprocketPairs, FailingGeometry)
{
    struct Case {
        std::int32_t presentFront; // on 45 rear teeth
        int front, rear;
        Strings cells; // FinalDrive to RearWear, Vmax left out
    } const cases[] = {
        {15, 14, 50, {"3,571", "+19,03", "-18", "fits", "112", "-2", "7/14", "5/50"}},
        // Too short for the present chain, but not for its own.
        {15, 60, 120, {"2,000", "-33,33", "–", "no", "172", "+2", "15/60", "30/120"}},
        {15, 45, 45, {"1,000", "-66,67", "–", "no", "–", "–", "–", "–"}},
        // No present axle distance at all.
        {45, 15, 45, {"3,000", "+200,00", "–", "no", "–", "–", "–", "–"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.front) + "/" + std::to_string(c.rear));
        Input in = example({c.front, c.front}, {c.rear, c.rear});
        in.front = c.presentFront;
        const Row r = list(in, ',').rows.at(0);
        Strings cells = texts(r, FinalDrive, RearWear);
        cells.erase(cells.begin() + 2);
        EXPECT_EQ(cells, c.cells);
        EXPECT_EQ(r.cells[Links].key.has_value(), c.cells[4] != "–");
        EXPECT_FALSE(r.present || r.huntingTooth);
    }
    const Row dot = list(example({14, 14}, {50, 50}), '.').rows.at(0);
    EXPECT_EQ(texts(dot, FinalDrive, Change), (Strings{"3.571", "+19.03"}));
}

TEST(SprocketPairs, BadInputListsNothing)
{
    struct Case {
        const char *what;
        void (*change)(Input &);
        std::optional<Refusal> error; // none: listed
    } const cases[] = {
        {"zero links", [](Input &in) { in.links = 0; }, Refusal::ZeroValue},
        {"range through zero", [](Input &in) { in.rears = {-5, 40}; }, Refusal::ZeroValue},
        {"negative teeth", [](Input &in) { in.rears = {-40, -5}; }, Refusal::NegativeValue},
        {"3201 pairs before the target",
         [](Input &in) { in.fronts = {1, 33}, in.rears = {1, 97}, in.target = Target{0, 1}; }, Refusal::TooManyPairs},
        {"the whole range", [](Input &in) { in.rears = {1, INT_MAX}; }, Refusal::TooManyPairs},
        {"3200 pairs, read the other way round", [](Input &in) { in.fronts = {40, 1}, in.rears = {80, 1}; }, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Input in = example({14, 17}, {42, 50});
        c.change(in);
        const Listing l = list(in, ',');
        EXPECT_EQ(l.error, c.error);
        EXPECT_EQ(l.rows.size(), c.error ? 0u : 3200u);
    }
}

TEST(SprocketPairs, TargetAndDefaultOrder)
{
    // Five pairs of 3,000: those that fit first, then the least move, then front.
    Strings order = pairs(list(example({13, 17}, {39, 51}), ','));
    order.resize(6);
    EXPECT_EQ(order, (Strings{"15/45", "14/42", "16/48", "13/39", "17/51", "17/50"}));

    Input in = example({13, 17}, {40, 52});
    in.target = Target{10, -3}; // the tolerance's sign plays no part
    EXPECT_EQ(pairs(list(in, ',')),
              (Strings{"13/43", "14/46", "15/49", "15/50", "16/52", "14/47", "13/42", "13/44", "14/45"}));

    // A change on the edge in decimal stays, though binary puts it a hair
    // outside: from 2,500 to 2,600 and 2,400 is 4,0000000000000036 % up and down.
    in = example({15, 15}, {36, 40});
    in.front = 12, in.rear = 30;
    in.target = Target{0, 4};
    EXPECT_EQ(pairs(list(in, ',')), (Strings{"15/38", "15/37", "15/39", "15/36"}));
}

TEST(SprocketPairs, SortByAColumnWithDashesLast)
{
    // 45/45 cannot carry the chain: its "–" stays last, descending too.
    Listing l = list(example({14, 17}, {42, 50}), ',');
    l.rows.push_back(list(example({45, 45}, {45, 45}), ',').rows.at(0));
    sortBy(l.rows, PresentMove, Order::Descending);
    EXPECT_EQ(l.rows.back().cells[PresentMove].text, "–");
    EXPECT_TRUE(std::is_sorted(l.rows.begin(), l.rows.end() - 1, [](const Row &a, const Row &b) {
        return *a.cells[PresentMove].key > *b.cells[PresentMove].key;
    }));
    sortBy(l.rows, RearWear, Order::Descending); // "43/43" is 1, "21/42" 0,5
    EXPECT_EQ(l.rows.front().cells[RearWear].key, 1.0);

    sortDefault(l.rows);
    EXPECT_TRUE(std::is_sorted(l.rows.begin(), l.rows.end(), [](const Row &a, const Row &b) { return a.rank < b.rank; }));
}
