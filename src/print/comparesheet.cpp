#include "print/comparesheet.h"

#include "print/gearcolours.h"
#include "print/letterhead.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace trovanta::print {

namespace {

using gearing::real;

const QColor Grey(128, 128, 128);
const QColor Lime(0, 255, 0);
const QColor RedZone(255, 0, 0);

constexpr int Left = SheetPlotLeft, Right = SheetPlotRight, Top = SheetPlotTop, Bottom = SheetPlotBottom;
constexpr int LineStep = 45;

// Values on the plot's axes to device units; the plot keeps every value
// inside its axes.
struct Frame {
    const gearing::Plot &plot;
    int x(real v) const { return Left + int(std::lround(double(v / plot.x.max * (Right - Left)))); }
    int y(real v) const { return Bottom - int(std::lround(double(v / plot.y.max * (Bottom - Top)))); }
};

// The canvas knows only solid pens: a dashed line is drawn as its dashes.
void dashedLine(Canvas &c, int x1, int y1, int x2, int y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    if (length < 1) {
        c.line(x1, y1, x2, y2);
        return;
    }
    for (double t = 0; t < length; t += SheetDash + SheetGap) {
        double e = std::min(t + SheetDash, length);
        // The line's end is always drawn, never lost in a gap.
        if (length - e < SheetGap)
            e = length;
        c.line(x1 + int(std::lround(dx * t / length)), y1 + int(std::lround(dy * t / length)),
               x1 + int(std::lround(dx * e / length)), y1 + int(std::lround(dy * e / length)));
    }
}

// The shift mark, as on the screen a lime line edged dark, here from
// unit-wide lines: `at(offset)` draws one beside the mark.
template <class At> void shiftBand(Canvas &c, At at)
{
    c.setPenColor(Grey);
    at(-4);
    at(4);
    c.setPenColor(Lime);
    for (int o = -3; o <= 3; ++o)
        at(o);
}

// The number under a grid line: thousands of rpm, or km/h.
QString axisNumber(real v, bool rpm, units::Speed unit)
{
    return QString::number(std::llround(rpm ? double(v) / 1000 : units::fromKmh(double(v), unit)));
}

void drawPlot(Canvas &c, const CompareSheetData &d, const gearing::Plot &p)
{
    const Frame f{p};
    const bool rpmOnX = !p.sawtooth;

    c.setPenColor(Grey);
    const long long xLines = std::llround(std::floor(double(p.x.max / p.x.step)));
    const long long yLines = std::llround(std::floor(double(p.y.max / p.y.step)));
    for (long long i = 0; i <= xLines; ++i)
        c.line(f.x(p.x.step * i), Top, f.x(p.x.step * i), Bottom);
    for (long long i = 0; i <= yLines; ++i)
        c.line(Left, f.y(p.y.step * i), Right, f.y(p.y.step * i));

    for (const gearing::PlotLine &l : p.lines) {
        c.setPenColor(GearColours[std::size_t(l.gear - 1)]);
        if (l.set == gearing::Which::A)
            c.line(f.x(l.x1), f.y(l.y1), f.x(l.x2), f.y(l.y2));
        else
            dashedLine(c, f.x(l.x1), f.y(l.y1), f.x(l.x2), f.y(l.y2));
    }

    // The shift mark as a line, the red zone hatched up to the axis's end.
    const real rpmMax = rpmOnX ? p.x.max : p.y.max;
    if (p.shiftMark >= 0 && p.shiftMark <= rpmMax) {
        if (rpmOnX)
            shiftBand(c, [&](int o) { c.line(f.x(p.shiftMark) + o, Top, f.x(p.shiftMark) + o, Bottom); });
        else
            shiftBand(c, [&](int o) { c.line(Left, f.y(p.shiftMark) + o, Right, f.y(p.shiftMark) + o); });
    }
    if (p.redZone < rpmMax) {
        const real from = std::max<real>(0, p.redZone);
        c.setPenColor(Grey);
        c.setBrush(RedZone, BrushStyle::DiagCross);
        if (rpmOnX)
            c.rectangle(f.x(from), Top, Right, Bottom);
        else
            c.rectangle(Left, f.y(from), Right, Top);
    }

    for (const gearing::PlotMarker &m : p.markers) {
        const QColor &colour = GearColours[std::size_t(m.gear - 1)];
        const int x = f.x(m.x), y = f.y(m.y);
        c.setPenColor(colour);
        c.setBrush(m.set == gearing::Which::A ? colour : QColor(Qt::white), BrushStyle::Solid);
        c.rectangle(x - 8, y - 8, x + 9, y + 9);
        if (m.set == gearing::Which::A)
            c.textOut(x + 14, y - 40, QString::fromStdString(m.name));
    }

    for (long long i = 0; i <= xLines; ++i)
        c.textOut(f.x(p.x.step * i) - 8, Bottom + 20, axisNumber(p.x.step * i, rpmOnX, d.speedUnit));
    for (long long i = 0; i <= yLines; ++i)
        c.textOut(Left - 75, f.y(p.y.step * i) - 20, axisNumber(p.y.step * i, !rpmOnX, d.speedUnit));
    c.textOut(Right + 70, Bottom + 20, rpmOnX ? d.rpmCaption : d.kmhCaption);
    c.textOut(Left - 75, Top - 60, rpmOnX ? d.kmhCaption : d.rpmCaption);
}

// Inside the frame, where the lines leave room: the upper left in the
// normal view, the lower right in the sawtooth.
void drawLegend(Canvas &c, const CompareSheetData &d, bool lowerRight)
{
    constexpr int Width = 640, Height = 10 * LineStep + 20;
    const int left = lowerRight ? Right - 20 - Width : Left + 20;
    const int top = lowerRight ? Bottom - 20 - Height : Top + 20;
    c.setPenColor(Grey);
    c.setBrush(Qt::white, BrushStyle::Solid);
    c.rectangle(left, top, left + Width, top + Height);
    const int x = left + 20, textX = left + 140;
    int y = top + 12;
    c.setPenColor(Qt::black);
    c.line(x, y + 17, x + 100, y + 17);
    c.textOut(textX, y, d.legendA);
    y += LineStep;
    dashedLine(c, x, y + 17, x + 100, y + 17);
    c.textOut(textX, y, d.legendB);
    y += LineStep;
    for (int g = 0; g < 6; ++g, y += LineStep) {
        c.setPenColor(GearColours[std::size_t(g)]);
        c.line(x, y + 17, x + 100, y + 17);
        c.textOut(textX, y, QString::number(g + 1));
    }
    shiftBand(c, [&](int o) { c.line(x, y + 17 + o, x + 100, y + 17 + o); });
    c.textOut(textX, y, d.legendShift);
    y += LineStep;
    c.setPenColor(Grey);
    c.setBrush(RedZone, BrushStyle::DiagCross);
    c.rectangle(x, y, x + 100, y + 34);
    c.textOut(textX, y, d.legendRedZone);
}

// A head of two lines: everything up to the last word, then that word
// ("Régime après" over "A"), so that nine columns fit across the page.
void twoLineHead(Canvas &c, int x, int y, const QString &head)
{
    const qsizetype cut = head.lastIndexOf(QLatin1Char(' '));
    if (cut < 0) {
        c.textOut(x, y + 35, head);
        return;
    }
    c.textOut(x, y, head.left(cut));
    c.textOut(x, y + 35, head.mid(cut + 1));
}

} // namespace

void printCompareSheet(Canvas &canvas, const CompareSheetData &d, const QDateTime &now, const QLocale &locale)
{
    canvas.beginJob();
    if (d.plot) {
        drawPlot(canvas, d, *d.plot);
        drawLegend(canvas, d, d.plot->sawtooth);
    }
    drawLetterhead(canvas, d.subtitle, now, locale);

    canvas.textOut(200, 450, d.setsCaption);
    canvas.textOut(200, 495, d.setA);
    canvas.textOut(200, 540, d.setB);

    // The gear table: the gear, then nine columns.
    constexpr int HeadY = 1750, RowsY = 1840, GearX = 200, FirstX = 400, ColumnStep = 220;
    canvas.textOut(GearX, HeadY + 35, d.gearCaption);
    for (int j = 0; j < d.comparisonHeads.size(); ++j)
        twoLineHead(canvas, FirstX + ColumnStep * j, HeadY, d.comparisonHeads[j]);
    for (int i = 0; i < 6; ++i) {
        const int y = RowsY + LineStep * i;
        canvas.textOut(GearX, y, QString::number(i + 1));
        const QStringList &row = d.comparisonRows[std::size_t(i)];
        for (int j = 0; j < row.size(); ++j)
            canvas.textOut(FirstX + ColumnStep * j, y, row[j]);
    }

    for (int i = 0; i < d.results.size(); ++i)
        canvas.textOut(200, 2140 + LineStep * i, d.results[i]);

    // Track points: only the rows the rider filled in, none without any.
    if (!d.points.empty()) {
        static constexpr int PointX[] = {200, 800, 1000, 1200, 1450};
        constexpr int PointsY = 2300;
        for (int j = 0; j < d.pointHeads.size() && j < 5; ++j)
            canvas.textOut(PointX[j], PointsY, d.pointHeads[j]);
        for (std::size_t i = 0; i < d.points.size(); ++i)
            for (int j = 0; j < d.points[i].size() && j < 5; ++j)
                canvas.textOut(PointX[j], PointsY + LineStep * int(i + 1), d.points[i][j]);
    }
    canvas.endJob();
}

} // namespace trovanta::print
