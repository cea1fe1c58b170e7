#pragma once
// A line chart as plain values: two or three axes from zero, coloured
// lines, dots, a hatched band and a legend. The Performances window draws
// it on the screen and its printout on paper, from the same values.

#include "print/canvas.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace trovanta::print {

struct ChartAxis {
    double max = 1;  // the axis runs from 0 to here
    double step = 1; // between grid lines
    QString caption;
};

// An axis from 0 to at least `top` in round steps (1, 2 or 5 times a power
// of ten), with at most about `lines` grid lines.
ChartAxis roundAxis(double top, const QString &caption, int lines = 8);

struct ChartLine {
    std::vector<QPointF> points; // in axis values
    QColor colour;
    bool dashed = false;
    bool right = false; // on the right-hand axis
};

struct ChartDot {
    QPointF at;
    QColor colour;
    bool right = false;
    QString label; // beside the dot, may be empty
};

struct ChartKey {
    // Gears: the six gear colours in one row, numbered (no text).
    enum class Style { Line, Dashed, Dot, Hatch, Gears };
    QString text;
    QColor colour;
    Style style = Style::Line;
};

struct Chart {
    ChartAxis x, y;
    std::optional<ChartAxis> y2; // the right-hand axis
    std::vector<ChartLine> lines;
    std::vector<ChartDot> dots;
    std::optional<double> hatchFrom; // x from which the band to the right is hatched
    std::vector<ChartKey> legend;
    enum class Corner { TopRight, TopLeft, BottomRight };
    Corner legendAt = Corner::TopRight; // where the lines leave room
    QString waiting; // shown instead of the chart while there is none to draw
    bool drawn() const { return !lines.empty(); }
};

// The chart in the frame (device units), axis numbers and captions around
// it, the legend in the corner the chart names.
void drawChart(Canvas &canvas, const Chart &chart, const QRect &frame, char separator);

// Cuts the segment a-b to the rectangle; false when nothing of it is left.
// Lines far outside a frame are cut before they are drawn: a painter handed
// coordinates of 1E300 strokes them for ever.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &frame);

// How many steps of the axis its grid has (at most 100).
int gridLines(const ChartAxis &axis);

// An axis number: whole, or with the decimals the step needs.
QString axisNumber(double v, double step, char separator);

} // namespace trovanta::print
