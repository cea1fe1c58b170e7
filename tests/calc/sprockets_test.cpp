#include "calc/chain.h"
#include "calc/error.h"
#include "calc/gearset.h"
#include "calc/numtext.h"
#include "calc/sprockets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace trovanta;
using namespace trovanta::sprockets;

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

const Row &rowOf(const Listing &l, int front, int rear)
{
    for (const Row &r : l.rows)
        if (r.front == front && r.rear == rear)
            return r;
    throw std::runtime_error("no row " + std::to_string(front) + "/" + std::to_string(rear));
}

Strings texts(const Row &r, Column from, Column to)
{
    Strings out;
    for (int c = from; c <= to; ++c)
        out.push_back(r.cells[static_cast<std::size_t>(c)].text);
    return out;
}

Strings pairs(const Listing &l)
{
    Strings out;
    for (const Row &r : l.rows)
        out.push_back(std::to_string(r.front) + "/" + std::to_string(r.rear));
    return out;
}

template <class F> auto attempt(F f) -> std::optional<decltype(f())>
{
    try {
        return f();
    } catch (const Error &) {
        return std::nullopt;
    }
}

} // namespace

TEST(SprocketPairs, WorkedExamplesAndFailingGeometry)
{
    struct Case {
        std::int32_t presentFront; // on 45 rear teeth
        int front, rear;
        Strings cells; // Secondaire to Usure couronne, Vmax left out
        bool present, hunting;
    } const cases[] = {
        {15, 14, 50, {"3,571", "+19,03", "-18", "oui", "112", "-2", "7/14", "5/50"}, false, false},
        // L = 109,3: 108 links need 10 mm forward, 110 links 5 mm back.
        {15, 17, 42, {"2,471", "-17,63", "+5", "oui", "110", "+5", "17/17", "21/42"}, false, false},
        {15, 17, 43, {"2,529", "-15,70", "+1", "oui", "110", "+1", "17/17", "43/43"}, false, true}, // hunting tooth
        {15, 15, 45, {"3,000", "0,00", "0", "oui", "110", "0", "3/15", "9/45"}, true, false},
        // Too short for the present chain, but not for its own.
        {15, 60, 120, {"2,000", "-33,33", "–", "non", "172", "+2", "15/60", "30/120"}, false, false},
        {15, 45, 45, {"1,000", "-66,67", "–", "non", "–", "–", "–", "–"}, false, false},
        // No present axle distance at all.
        {45, 15, 45, {"3,000", "+200,00", "–", "non", "–", "–", "–", "–"}, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.front) + "/" + std::to_string(c.rear));
        Input in = example({c.front, c.front}, {c.rear, c.rear});
        in.front = c.presentFront;
        const Row r = list(in, ',').rows.at(0);
        Strings cells = texts(r, Secondaire, UsureCouronne);
        cells.erase(cells.begin() + 2);
        EXPECT_EQ(cells, c.cells);
        EXPECT_EQ(r.cells[Maillons].key.has_value(), c.cells[4] != "–");
        EXPECT_EQ(r.present, c.present);
        EXPECT_EQ(r.huntingTooth, c.hunting);
    }
    const Row dot = list(example({14, 14}, {50, 50}), '.').rows.at(0);
    EXPECT_EQ(texts(dot, Secondaire, Ecart), (Strings{"3.571", "+19.03"}));
}

TEST(SprocketPairs, AgreeWithTheChainCalculator)
{
    // Line 2 of the calculator is the move with the present chain, line 5
    // that with the chain two links longer (14/50) or shorter (17/42).
    const Listing l = list(example({14, 17}, {42, 50}), ',');
    for (const auto &[front, rear, lines] : {std::tuple{14, 50, Strings{"18 mm nach vorne", "2 mm nach vorne"}},
                                             std::tuple{17, 42, Strings{"5 mm nach hinten", "10 mm nach vorne"}}}) {
        SCOPED_TRACE(front);
        chain::State st;
        const auto res = chain::calculate({"110", "110", "1,56", "15", "45", std::to_string(front), std::to_string(rear), "2"}, st, ',');
        ASSERT_EQ(res.lines.size(), 5u);
        EXPECT_NE(res.lines[1].find(lines[0]), std::string::npos) << res.lines[1];
        EXPECT_NE(res.lines[4].find(lines[1]), std::string::npos) << res.lines[4];
        const std::string shown = rowOf(l, front, rear).cells[ChaineActuelle].text;
        EXPECT_EQ(shown.substr(1) + " mm nach " + (shown[0] == '+' ? "hinten" : "vorne"), lines[0]);
    }
    EXPECT_EQ(texts(rowOf(l, 14, 50), Maillons, Deplacement), (Strings{"112", "-2"}));
}

// Every row against the operations it rests on, done the plain way: both
// even link counts through Abstand, the program's number text, the kernel's
// Vmax. Wide ranges and odd present drives reach the rounding edges of the
// number text and short, steep chains.
TEST(SprocketPairs, EveryRowAsThePlainCalculationGivesIt)
{
    struct Case {
        std::int32_t front, rear, links;
        double sag, linkLength;
    } const cases[] = {{15, 45, 110, 2, 1.56}, {45, 15, 110, 0, 1.56}, {17, 38, 70, 25, 1.905}, {10, 60, 70, 0.3, 1.27}};
    const double twoPi = 2 * 3.14159265358979323846;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.front) + "/" + std::to_string(c.rear) + " sag " + std::to_string(c.sag));
        Input in = example({1, 40}, {45, 1});
        in.front = c.front, in.rear = c.rear, in.links = c.links, in.sag = c.sag, in.linkLength = c.linkLength;
        const Listing l = list(in, ',');
        ASSERT_EQ(l.rows.size(), 40u * 45u);
        const double d0 = chain::Abstand(c.front / twoPi, c.rear / twoPi, c.links, c.sag);
        int failures = 0;
        for (const Row &row : l.rows) {
            const double r = row.front / twoPi, R = row.rear / twoPi;
            auto moveWith = [&](double n) {
                return attempt([&] { return 10 * ((chain::Abstand(r, R, n, c.sag) - d0) * c.linkLength); });
            };
            std::optional<double> move;
            std::optional<std::int64_t> links;
            if (const auto L = attempt([&] { return chain::Laenge(r, R, d0, c.sag); })) {
                const auto base = static_cast<std::int64_t>(std::trunc(*L / 2) * 2);
                for (const std::int64_t n : {base, base + 2})
                    if (const auto m = moveWith(static_cast<double>(n)); m && (!move || std::fabs(*m) < std::fabs(*move)))
                        move = m, links = n;
            }
            gearing::GearSet g;
            g.front = row.front, g.rear = row.rear;
            const auto vmax = attempt([&] { return gearing::vmax(g, 6); });
            const double finalDrive = gearing::finalDrive(row.front, row.rear);
            auto signedF0 = [](std::optional<double> v) { return v ? num::formatSignedF0(*v, ',') : num::NoValue; };

            const bool same = row.presentMove == moveWith(c.links) && row.move == move && row.links == links &&
                              row.cells[ChaineActuelle].text == signedF0(row.presentMove) &&
                              row.cells[Deplacement].text == signedF0(move) &&
                              row.cells[Ecart].text == num::formatSignedF2(*row.change, ',') &&
                              row.cells[Ecart].key == num::parseDecimal(row.cells[Ecart].text, ',') &&
                              row.cells[Secondaire].text == num::formatRatio(finalDrive, ',') &&
                              row.cells[Vmax6].text == (vmax ? num::formatInt(*vmax) : num::NoValue);
            if (!same && ++failures <= 5)
                ADD_FAILURE() << row.front << "/" << row.rear;
        }
    }
}

TEST(SprocketPairs, BadInputListsNothing)
{
    struct Case {
        const char *what;
        void (*change)(Input &);
        const char *error; // nullptr: listed
    } const cases[] = {
        {"zero front", [](Input &in) { in.front = 0; }, ZeroValue},
        {"zero links", [](Input &in) { in.links = 0; }, ZeroValue},
        {"zero link length", [](Input &in) { in.linkLength = 0; }, ZeroValue},
        {"range through zero", [](Input &in) { in.rears = {-5, 40}; }, ZeroValue},
        {"negative teeth", [](Input &in) { in.rears = {-40, -5}; }, NegativeValue},
        {"negative links", [](Input &in) { in.links = -110; }, NegativeValue},
        {"3201 pairs before the target",
         [](Input &in) { in.fronts = {1, 33}, in.rears = {1, 97}, in.target = Target{0, 1}; }, TooManyPairs},
        {"the whole range", [](Input &in) { in.rears = {1, INT_MAX}; }, TooManyPairs},
        {"3200 pairs, read the other way round", [](Input &in) { in.fronts = {40, 1}, in.rears = {80, 1}; }, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Input in = example({14, 17}, {42, 50});
        c.change(in);
        const Listing l = list(in, ',');
        EXPECT_EQ(l.error, c.error ? std::optional<std::string>(c.error) : std::nullopt);
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
    // 45/45 cannot carry the chain; 14/50 moves it 18 mm forward, 17/42 5 mm back.
    Listing l = list(example({14, 17}, {42, 50}), ',');
    l.rows.push_back(list(example({45, 45}, {45, 45}), ',').rows.at(0));
    for (Order order : {Order::Ascending, Order::Descending}) {
        sortBy(l.rows, ChaineActuelle, order);
        EXPECT_EQ(l.rows.back().cells[ChaineActuelle].text, "–");
        EXPECT_TRUE(std::is_sorted(l.rows.begin(), l.rows.end() - 1, [&](const Row &a, const Row &b) {
            const double ka = *a.cells[ChaineActuelle].key, kb = *b.cells[ChaineActuelle].key;
            return order == Order::Ascending ? ka < kb : ka > kb;
        }));
    }
    sortBy(l.rows, UsureCouronne, Order::Descending); // "43/43" is 1, "21/42" 0,5
    EXPECT_EQ(l.rows.front().cells[UsureCouronne].key, 1.0);

    sortDefault(l.rows);
    EXPECT_TRUE(std::is_sorted(l.rows.begin(), l.rows.end(), [](const Row &a, const Row &b) { return a.rank < b.rank; }));
}
