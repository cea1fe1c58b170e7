#include "print/comparesheet.h"
#include "print/sheets.h"

#include "print/gearcolours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace trovanta;
using namespace trovanta::print;
using namespace trovanta::test;

namespace {

// The design defaults against 16/40, with one track point.
CompareSheetData sample(bool withPlot = true)
{
    gearing::GearSet a, b;
    b.front = 16;
    b.rear = 40;
    const gearing::Marks marks{6000, 12000};
    CompareSheetData d;
    d.subtitle = QStringLiteral("Comparaison TL 1000");
    d.setsCaption = QStringLiteral("Pignon/couronne");
    d.setA = QStringLiteral("A  Actuel : 17/38");
    d.setB = QStringLiteral("B  Variante : 16/40");
    if (withPlot)
        d.plot = gearing::plotOf(gearing::valuesOf(gearing::partialOf(a), marks),
                                 gearing::valuesOf(gearing::partialOf(b), marks), {{"Kurve", 130, 6}}, false);
    d.rpmCaption = QStringLiteral("Régime x 1000");
    d.kmhCaption = QStringLiteral("km/h");
    d.legendA = QStringLiteral("A  Actuel 17/38");
    d.legendB = QStringLiteral("B  Variante 16/40");
    d.legendShift = QStringLiteral("Passage à 6000 tr/min");
    d.legendRedZone = QStringLiteral("Zone rouge dès 12000 tr/min");
    d.gearCaption = QStringLiteral("Rapport");
    d.comparisonHeads = {"Démulti. A", "Démulti. B", "Écart %", "Vmax A", "Vmax B",
                         "Passage A", "Passage B", "Régime après A", "Régime après B"};
    for (int i = 0; i < 6; ++i)
        d.comparisonRows[std::size_t(i)] = {"10,982", "12,282", "+11,84", "128", "114", "64", "57", "4337", "4330"};
    d.results = {"Secondaire : A 2,235 · B 2,500 · écart +11,86 %"};
    d.pointHeads = {"Point", "km/h", "Rapport", "Régime A", "Régime B"};
    d.points = {{"Kurve", "130", "6", "4704", "5260"}};
    return d;
}

RecordingCanvas printed(const CompareSheetData &d)
{
    RecordingCanvas c;
    printCompareSheet(c, d, PrintMoment, German);
    return c;
}

bool has(const std::vector<PlacedText> &texts, const PlacedText &t)
{
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

// The lines drawn in a colour, in order.
std::vector<CanvasCall> linesIn(const RecordingCanvas &canvas, const QColor &colour)
{
    std::vector<CanvasCall> out;
    QColor pen;
    for (const CanvasCall &c : canvas.calls()) {
        if (c.kind == CanvasCall::PenColor)
            pen = c.color;
        else if (c.kind == CanvasCall::Line && pen == colour)
            out.push_back(c);
    }
    return out;
}

} // namespace

TEST(CompareSheet, LetterheadSetsTablesAndPointsStandInTheirPlaces)
{
    const auto texts = jobTexts(printed(sample()));
    for (const PlacedText &t : letterheadTexts("Comparaison TL 1000"))
        EXPECT_TRUE(has(texts, t)) << t.text.toStdString();
    const std::vector<PlacedText> body = {
        {200, 495, "A  Actuel : 17/38"},
        {200, 540, "B  Variante : 16/40"},
        // Heads in two lines, so that nine columns fit across.
        {400, 1750, "Démulti."},
        {400, 1785, "A"},
        {1940, 1750, "Régime après"},
        {1940, 1785, "A"},
        {200, 1840, "1"},
        {400, 1840, "10,982"},
        {2160, 2065, "4330"},
        {200, 2140, "Secondaire : A 2,235 · B 2,500 · écart +11,86 %"},
        {200, 2300, "Point"},
        {200, 2345, "Kurve"},
        {1450, 2345, "5260"},
    };
    for (const PlacedText &t : body)
        EXPECT_TRUE(has(texts, t)) << t.x << "," << t.y << " " << t.text.toStdString();
    // Nothing runs into the letterhead's foot.
    for (const PlacedText &t : texts)
        EXPECT_TRUE(t.y < 2950 || t.y >= 3000) << t.text.toStdString();
}

// The canvas draws only solid lines: B's come as dashes along its line.
TEST(CompareSheet, VariantLinesAreDashesAlongTheirLine)
{
    const RecordingCanvas canvas = printed(sample());
    const auto aqua = linesIn(canvas, GearColours[0]);
    // A's gear 1, B's dashes, the legend's sample.
    ASSERT_GT(aqua.size(), 10u);
    const CanvasCall &a = aqua.front();
    EXPECT_EQ(std::make_tuple(a.x1, a.y1), std::make_tuple(SheetPlotLeft, SheetPlotBottom));
    const std::vector<CanvasCall> dashes(aqua.begin() + 1, aqua.end() - 1);
    const CanvasCall &first = dashes.front(), &last = dashes.back();
    EXPECT_EQ(std::make_tuple(first.x1, first.y1), std::make_tuple(SheetPlotLeft, SheetPlotBottom));
    // B's gear 1 ends at its Vmax, 114 km/h of 350, at 12000 of 13000 rpm.
    EXPECT_NEAR(last.x2, SheetPlotLeft + 1600.0 * 12000 / 13000, 1);
    EXPECT_NEAR(last.y2, SheetPlotBottom - 970.0 * 114 / 350, 1.5);
    for (const CanvasCall &d : dashes) {
        const double length = std::hypot(d.x2 - d.x1, d.y2 - d.y1);
        EXPECT_LE(length, SheetDash + SheetGap + 1.5);
        // On the line from the origin to the end.
        const double cross = double(d.x2 - SheetPlotLeft) * (last.y2 - SheetPlotBottom) -
                             double(d.y2 - SheetPlotBottom) * (last.x2 - SheetPlotLeft);
        EXPECT_LE(std::abs(cross) / std::hypot(last.x2 - SheetPlotLeft, last.y2 - SheetPlotBottom), 1.5);
    }
}

TEST(CompareSheet, WithoutAPlotTheTablesStillPrint)
{
    const RecordingCanvas with = printed(sample());
    const auto zones = callsOfKind(with, CanvasCall::Rectangle);
    // The red zone from 12000 rpm, the track point's two markers, the
    // legend's box and swatch.
    ASSERT_EQ(zones.size(), 5u);
    EXPECT_EQ(zones[0].x1, SheetPlotLeft + int(std::lround(1600.0 * 12000 / 13000)));

    CompareSheetData d = sample(false);
    d.points.clear();
    const RecordingCanvas canvas = printed(d);
    const auto texts = jobTexts(canvas);
    EXPECT_TRUE(has(texts, {400, 1840, "10,982"}));
    EXPECT_FALSE(has(texts, {200, 2300, "Point"}));
    EXPECT_TRUE(callsOfKind(canvas, CanvasCall::Line).empty()) << "no diagram, no legend";
}
