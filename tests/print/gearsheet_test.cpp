#include "print/gearsheet.h"
#include "print/sheets.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <tuple>

using namespace trovanta;
using namespace trovanta::print;
using namespace trovanta::test;

namespace {

const QColor Grey(128, 128, 128);

// The calls between the first two pen changes are the grid.
std::vector<CanvasCall> gridLines(const RecordingCanvas &canvas)
{
    const auto &calls = canvas.calls();
    std::vector<CanvasCall> out;
    bool inGrid = false;
    for (const CanvasCall &c : calls) {
        if (c.kind == CanvasCall::PenColor) {
            if (inGrid)
                break;
            inGrid = c.color == Grey;
            continue;
        }
        if (inGrid && c.kind == CanvasCall::Line)
            out.push_back(c);
    }
    return out;
}

// The lines drawn from the diagram's origin: the gear lines, with the pen
// colour each was drawn in.
std::vector<std::pair<QColor, CanvasCall>> gearLines(const RecordingCanvas &canvas)
{
    std::vector<std::pair<QColor, CanvasCall>> out;
    QColor pen;
    for (const CanvasCall &c : canvas.calls()) {
        if (c.kind == CanvasCall::PenColor)
            pen = c.color;
        else if (c.kind == CanvasCall::Line && c.x1 == 300 && c.y1 == 1970 && c.y2 != 1970)
            out.emplace_back(pen, c);
    }
    return out;
}

struct Filled {
    QColor pen, brush;
    BrushStyle style;
    CanvasCall rect;
};

std::vector<Filled> rectangles(const RecordingCanvas &canvas)
{
    std::vector<Filled> out;
    QColor pen, brush;
    BrushStyle style = BrushStyle::Solid;
    for (const CanvasCall &c : canvas.calls()) {
        if (c.kind == CanvasCall::PenColor)
            pen = c.color;
        else if (c.kind == CanvasCall::Brush)
            brush = c.color, style = c.style;
        else if (c.kind == CanvasCall::Rectangle)
            out.push_back({pen, brush, style, c});
    }
    return out;
}

} // namespace

TEST(GearSheet, GridHas33VerticalsThen29HorizontalsInGrey)
{
    const RecordingCanvas canvas = printed(defaultGearSheet());
    ASSERT_GE(canvas.calls().size(), 2u);
    EXPECT_EQ(canvas.calls()[0].kind, CanvasCall::BeginJob);
    EXPECT_EQ(canvas.calls()[1].kind, CanvasCall::PenColor);
    EXPECT_EQ(canvas.calls()[1].color, Grey);

    const auto grid = gridLines(canvas);
    ASSERT_EQ(grid.size(), 33u + 29u);
    for (int i = 0; i < 33; ++i) {
        const CanvasCall &l = grid[i];
        EXPECT_EQ(std::tie(l.x1, l.y1, l.x2, l.y2), std::make_tuple(300 + 50 * i, 570, 300 + 50 * i, 1970)) << i;
    }
    for (int i = 0; i < 29; ++i) {
        const CanvasCall &l = grid[33 + i];
        EXPECT_EQ(std::tie(l.x1, l.y1, l.x2, l.y2), std::make_tuple(300, 570 + 50 * i, 1900, 570 + 50 * i)) << i;
    }
}

TEST(GearSheet, GearLinesEndAtTheFullScaleSpeedOnlyForCheckedGears)
{
    const std::array<QColor, 6> colors{{QColor(0, 255, 255), QColor(128, 0, 0), QColor(0, 0, 0), QColor(0, 128, 0),
                                        QColor(255, 0, 255), QColor(255, 0, 0)}};
    const std::array<bool, 6> cases[] = {
        {true, true, true, true, true, true},
        {false, true, false, false, true, false},
        {false, false, false, false, false, true},
        {false, false, false, false, false, false},
    };
    for (const auto &shown : cases) {
        GearSheetData d = defaultGearSheet();
        d.gearShown = shown;
        const auto lines = gearLines(printed(d));
        std::vector<int> expectedGears;
        for (int i = 0; i < 6; ++i)
            if (shown[i])
                expectedGears.push_back(i);
        ASSERT_EQ(lines.size(), expectedGears.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const int gear = expectedGears[k];
            EXPECT_EQ(lines[k].first, colors[gear]) << "gear " << gear + 1;
            EXPECT_EQ(lines[k].second.y2, std::max(570, 1970 - 4 * d.fullScaleSpeed[gear])) << "gear " << gear + 1;
        }
    }
    // 170 km/h full scale ends 680 units above the origin.
    EXPECT_EQ(gearLines(printed(defaultGearSheet())).front().second.y2, 1290);
}

TEST(GearSheet, ShiftMarkBandAndRedZoneAreHatchedOverTheGearLines)
{
    const RecordingCanvas canvas = printed(defaultGearSheet());
    const auto rects = rectangles(canvas);
    ASSERT_EQ(rects.size(), 2u);

    EXPECT_EQ(std::tie(rects[0].rect.x1, rects[0].rect.y1, rects[0].rect.x2, rects[0].rect.y2),
              std::make_tuple(890, 570, 910, 1970));
    EXPECT_EQ(rects[0].pen, Grey);
    EXPECT_EQ(rects[0].brush, QColor(0, 128, 0));
    EXPECT_EQ(rects[0].style, BrushStyle::DiagCross);

    EXPECT_EQ(std::tie(rects[1].rect.x1, rects[1].rect.y1, rects[1].rect.x2, rects[1].rect.y2),
              std::make_tuple(1500, 570, 1900, 1970));
    EXPECT_EQ(rects[1].pen, Grey);
    EXPECT_EQ(rects[1].brush, QColor(255, 0, 0));
    EXPECT_EQ(rects[1].style, BrushStyle::DiagCross);

    // Both come after the last line and before the first text.
    const auto &calls = canvas.calls();
    std::size_t lastLine = 0, firstRect = calls.size(), firstText = calls.size();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == CanvasCall::Line)
            lastLine = i;
        if (calls[i].kind == CanvasCall::Rectangle)
            firstRect = std::min(firstRect, i);
        if (calls[i].kind == CanvasCall::Text)
            firstText = std::min(firstText, i);
    }
    EXPECT_LT(lastLine, firstRect);
    EXPECT_LT(firstRect, firstText);
}

TEST(GearSheet, MarkPositionsRoundHalvesToEven)
{
    struct Case {
        const char *mark;
        int left;
    } cases[] = {
        {"6000", 890}, {"6005", 890}, {"6015", 892}, {"6025", 892}, {"6026", 893}, {"0", 290}, {"16000", 1890},
        {"-500", 240},
    };
    for (const Case &c : cases) {
        GearSheetData d = defaultGearSheet();
        d.shiftMark = c.mark;
        d.redZoneOn = false;
        const auto rects = rectangles(printed(d));
        ASSERT_EQ(rects.size(), 1u) << c.mark;
        EXPECT_EQ(rects[0].rect.x1, c.left) << c.mark;
        EXPECT_EQ(rects[0].rect.x2, c.left + 20) << c.mark;
    }
    GearSheetData d = defaultGearSheet();
    d.shiftMarkOn = false;
    d.redZone = "15005"; // 1500.5 rounds to 1500
    const auto rects = rectangles(printed(d));
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect.x1, 1800);
    EXPECT_EQ(rects[0].rect.x2, 1900);
}

TEST(GearSheet, MarksFollowTheirSwitchesAndAreConvertedOnlyWhenOn)
{
    struct Case {
        bool markOn, zoneOn;
        const char *mark, *zone;
        int rects;         // rectangles drawn
        const char *error; // nullptr: prints
    } cases[] = {
        {false, false, "abc", "", 0, nullptr},
        {false, true, "abc", "12000", 1, nullptr},
        {true, false, "6000", "x", 1, nullptr},
        {true, true, "abc", "12000", 0, "'abc' ist kein gültiger Integerwert"},
        {true, true, "6000", "", 1, "'' ist kein gültiger Integerwert"},
        {true, true, "6000", "12000,5", 1, "'12000,5' ist kein gültiger Integerwert"},
        {true, false, "6 000", "12000", 0, "'6 000' ist kein gültiger Integerwert"},
    };
    for (const Case &c : cases) {
        GearSheetData d = defaultGearSheet();
        d.shiftMarkOn = c.markOn;
        d.redZoneOn = c.zoneOn;
        d.shiftMark = c.mark;
        d.redZone = c.zone;
        RecordingCanvas canvas;
        const std::string label = std::string(c.mark) + " / " + c.zone;
        if (c.error) {
            EXPECT_EQ(errorOf([&] { printGearSheet(canvas, d, PrintMoment, German); }), c.error) << label;
            // Drawing stopped there: no text, and the job was never ended.
            EXPECT_TRUE(textsOf(canvas).empty()) << label;
            EXPECT_TRUE(callsOfKind(canvas, CanvasCall::EndJob).empty()) << label;
            EXPECT_EQ(gearLines(canvas).size(), 6u) << label;
        } else {
            EXPECT_NO_THROW(printGearSheet(canvas, d, PrintMoment, German)) << label;
            EXPECT_EQ(canvas.calls().back().kind, CanvasCall::EndJob) << label;
        }
        EXPECT_EQ(rectangles(canvas).size(), std::size_t(c.rects)) << label;
    }
}

TEST(GearSheet, TextsStandAtTheirPlacesInOrder)
{
    GearSheetData d = defaultGearSheet();
    d.fileName = "tl1000.tva";
    std::vector<PlacedText> expected = letterheadTexts(d.title, {
        {200, 450, "Datei: tl1000.tva"},
        {200, 2200, "Hinterrad:"},
        {350, 2250, "Diamètre de jante (\"): 17"},
        {350, 2300, "Largeur pneu(mm): 190"},
        {350, 2350, "Hauteur pneu (%): 50"},
        {350, 2400, "Développement (mm): 1953"},
        {200, 2500, "Übersetzungen:"},
        {350, 2550, "Pignon: 17"},
        {350, 2600, "Couronne: 38"},
        {350, 2650, "Primaire: 1,84"},
        {350, 2700, "Secondaire: 2,235"},
        {1200, 2200, "Gangübersetzungen:"},
        {1350, 2250, "1: 2,67"},
        {1350, 2300, "2: 1,93"},
        {1350, 2350, "3: 1,50"},
        {1350, 2400, "4: 1,23"},
        {1350, 2450, "5: 1,09"},
        {1350, 2500, "6: 1,00"},
        {1200, 2600, "Gesamtübersetzung:"},
        {1350, 2650, "1: 10,982"},
        {1350, 2700, "2: 7,938"},
        {1350, 2750, "3: 6,169"},
        {1350, 2800, "4: 5,059"},
        {1350, 2850, "5: 4,483"},
        {1350, 2900, "6: 4,113"},
        {1550, 2600, "Vmax bei: 12000 U/min (roter Bereich)"},
        {1550, 2650, "128 km/h"},
        {1550, 2700, "177 km/h"},
        {1550, 2750, "228 km/h"},
        {1550, 2800, "270 km/h bei 3% Schlupf"},
        {1550, 2850, "304 km/h bei 3% Schlupf"},
        {1550, 2900, "332 km/h bei 3% Schlupf"},
    });
    for (int k = 0; k <= 16; ++k)
        expected.push_back({292 + 100 * k, 1990, QString::number(k)});
    expected.push_back({1992, 1990, "Drehzahl x 1000"});
    const char *speeds[] = {"350", "325", "300", "275", "250", "225", "200", "175",
                            "150", "125", "100", "75",  "50",  "25",  "0"};
    for (int j = 0; j < 15; ++j)
        expected.push_back({225, 550 + 100 * j, speeds[j]});
    expected.push_back({225, 500, "km/h"});

    EXPECT_EQ(textsOf(printed(d)), expected);
}

TEST(GearSheet, ValuesPrintAsTheFieldsShowThem)
{
    // Without a gear data file the file line is the bare prefix; text that is
    // no number prints unchanged, and every gear's values print whether or
    // not its line is shown.
    GearSheetData d = defaultGearSheet();
    d.fileName.clear();
    d.gearShown = {false, false, false, false, false, false};
    d.shiftMarkOn = d.redZoneOn = false;
    d.redZone = "zwölftausend";
    d.vmax[5] = "";
    d.slip = "drei";
    d.rim.value = "17,5 Zoll";
    const auto texts = textsOf(printed(d));
    const auto has = [&](const PlacedText &t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has({200, 450, "Datei: "}));
    EXPECT_TRUE(has({350, 2250, "Diamètre de jante (\"): 17,5 Zoll"}));
    EXPECT_TRUE(has({1550, 2600, "Vmax bei: zwölftausend U/min (roter Bereich)"}));
    EXPECT_TRUE(has({1550, 2900, " km/h bei drei% Schlupf"}));
    EXPECT_TRUE(has({1350, 2650, "1: 10,982"}));
}

// In mph the grid and the gear lines stay where km/h puts them; the axis
// numbers name the same lines in mph and the Vmax lines carry "mph".
TEST(GearSheet, InMphTheLinesStayAndTheNumbersChange)
{
    GearSheetData d = defaultGearSheet();
    const RecordingCanvas kmh = printed(d);
    d.speedUnit = units::Speed::Mph;
    d.vmax = {"80", "110", "142", "168", "189", "206"};
    const RecordingCanvas mph = printed(d);
    EXPECT_EQ(callsOfKind(mph, CanvasCall::Line), callsOfKind(kmh, CanvasCall::Line));

    const auto texts = textsOf(mph);
    const auto has = [&](const PlacedText &t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has({225, 500, "mph"}));
    EXPECT_TRUE(has({225, 550, "217"}));  // 350 km/h
    EXPECT_TRUE(has({225, 1150, "124"})); // 200 km/h
    EXPECT_TRUE(has({225, 1950, "0"}));
    EXPECT_TRUE(has({1550, 2650, "80 mph"}));
    EXPECT_TRUE(has({1550, 2900, "206 mph bei 3% Schlupf"}));
    for (const PlacedText &t : texts)
        EXPECT_FALSE(t.text.contains("km/h")) << t.text.toStdString();
}

// Every gear line stays within the diagram's frame (300..1900, 570..1970):
// above 350 km/h it ends on the top edge, below zero it is not drawn.
TEST(GearSheet, GearLinesAreClippedToTheFrame)
{
    GearSheetData d = defaultGearSheet();
    d.fullScaleSpeed = {700, -10, 2147483647, -2147483647 - 1, 350, 1};
    const auto lines = gearLines(printed(d));
    const std::pair<int, int> ends[] = {{1100, 570}, {300, 570}, {1900, 570}, {1900, 1966}};
    ASSERT_EQ(lines.size(), std::size(ends));
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(std::pair(lines[k].second.x2, lines[k].second.y2), ends[k]) << k;
}
