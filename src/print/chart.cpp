#include "print/chart.h"

#include "calc/clip.h"
#include "calc/numtext.h"
#include "print/gearcolours.h"

#include <algorithm>
#include <cmath>

namespace trovanta::print {

namespace {

const QColor Grey(128, 128, 128);
const QColor RedZone(255, 0, 0);
constexpr int Row = 45;

} // namespace

bool clipSegment(QPointF &a, QPointF &b, const QRectF &r)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return false;
    double x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
    if (!geom::clipLine(x1, y1, x2, y2, r.left(), r.top(), r.right(), r.bottom()))
        return false;
    a = QPointF(x1, y1);
    b = QPointF(x2, y2);
    return true;
}

int gridLines(const ChartAxis &a)
{
    if (!(a.step > 0) || !std::isfinite(a.max / a.step))
        return 0;
    return int(std::min(100.0, std::floor(a.max / a.step + 1e-9)));
}

ChartAxis roundAxis(double top, const QString &caption, int lines)
{
    ChartAxis a;
    a.caption = caption;
    // Beyond what a bike gives, an axis of no use but of few lines.
    if (!(top > 1e-6) || !std::isfinite(top))
        top = 1;
    top = std::min(top, 1e15);
    const double raw = top / std::max(1, lines);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        step = m * power;
        if (step >= raw)
            break;
    }
    a.step = step;
    a.max = std::ceil(top / step - 1e-9) * step;
    return a;
}

QString axisNumber(double v, double step, char separator)
{
    int decimals = 0;
    while (decimals < 3 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return QString::fromStdString(num::formatFixed(v, decimals, separator, 15));
}

void drawChart(Canvas &c, const Chart &chart, const QRect &frame, char sep)
{
    const QRectF f(frame);
    auto x = [&](double v) { return f.left() + v / chart.x.max * f.width(); };
    auto y = [&](double v, bool right) {
        const double max = right && chart.y2 ? chart.y2->max : chart.y.max;
        return f.bottom() - v / max * f.height();
    };
    auto px = [](double v) { return int(std::lround(v)); };

    c.setPenColor(Qt::black);
    c.setBrush(Qt::white, BrushStyle::Solid);
    c.rectangle(frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1);
    if (!chart.drawn()) {
        c.textOut(frame.left() + 40, frame.center().y(), chart.waiting);
        return;
    }
    c.setPenColor(Grey);
    for (int i = 1; i < gridLines(chart.x); ++i)
        c.line(px(x(i * chart.x.step)), frame.top(), px(x(i * chart.x.step)), frame.bottom());
    for (int i = 1; i < gridLines(chart.y); ++i)
        c.line(frame.left(), px(y(i * chart.y.step, false)), frame.right(), px(y(i * chart.y.step, false)));
    if (chart.hatchFrom && *chart.hatchFrom < chart.x.max) {
        c.setBrush(RedZone, BrushStyle::DiagCross);
        c.rectangle(px(x(std::max(0.0, *chart.hatchFrom))), frame.top(), frame.right(), frame.bottom());
    }
    for (const ChartLine &l : chart.lines) {
        c.setPenColor(l.colour);
        for (std::size_t i = 1; i < l.points.size(); ++i) {
            QPointF a(x(l.points[i - 1].x()), y(l.points[i - 1].y(), l.right));
            QPointF b(x(l.points[i].x()), y(l.points[i].y(), l.right));
            if (!clipSegment(a, b, f))
                continue;
            if (!l.dashed) {
                // Three unit lines side by side: the screen's lines are 2 pixels.
                for (int o = -1; o <= 1; ++o)
                    c.line(px(a.x()), px(a.y()) + o, px(b.x()), px(b.y()) + o);
                continue;
            }
            const QPointF d = b - a;
            const double length = std::hypot(d.x(), d.y());
            for (double t = 0; t < length; t += 40) {
                const double e = std::min(t + 24, length);
                c.line(px(a.x() + d.x() * t / length), px(a.y() + d.y() * t / length),
                       px(a.x() + d.x() * e / length), px(a.y() + d.y() * e / length));
            }
        }
    }
    for (const ChartDot &d : chart.dots) {
        const int cx = px(x(d.at.x())), cy = px(y(d.at.y(), d.right));
        if (!f.adjusted(-1, -1, 1, 1).contains(QPointF(cx, cy)))
            continue;
        c.setPenColor(Qt::black);
        c.setBrush(d.colour, BrushStyle::Solid);
        c.rectangle(cx - 9, cy - 9, cx + 10, cy + 10);
        if (!d.label.isEmpty())
            c.textOut(cx + 16, cy - 44, d.label);
    }

    c.setPenColor(Qt::black);
    for (int i = 0; i <= gridLines(chart.x); ++i)
        c.textOut(px(x(i * chart.x.step)) - 12, frame.bottom() + 16, axisNumber(i * chart.x.step, chart.x.step, sep));
    for (int i = 0; i <= gridLines(chart.y); ++i)
        c.textOut(frame.left() - 110, px(y(i * chart.y.step, false)) - 20,
                  axisNumber(i * chart.y.step, chart.y.step, sep));
    if (chart.y2)
        for (int i = 0; i <= gridLines(*chart.y2); ++i)
            c.textOut(frame.right() + 16, px(y(i * chart.y2->step, true)) - 20,
                      axisNumber(i * chart.y2->step, chart.y2->step, sep));
    c.textOut(frame.right() - 300, frame.bottom() + 62, chart.x.caption);
    c.textOut(frame.left() - 110, frame.top() - 60, chart.y.caption);
    if (chart.y2)
        c.textOut(frame.right() - 300, frame.top() - 60, chart.y2->caption);

    // The legend, a row a key, in the upper right corner.
    if (chart.legend.empty())
        return;
    constexpr int Width = 620;
    const int height = int(chart.legend.size()) * Row + 20;
    const int left = chart.legendAt == Chart::Corner::TopLeft ? frame.left() + 20 : frame.right() - 20 - Width;
    const int top = chart.legendAt == Chart::Corner::BottomRight ? frame.bottom() - 20 - height : frame.top() + 20;
    c.setPenColor(Grey);
    c.setBrush(Qt::white, BrushStyle::Solid);
    c.rectangle(left, top, left + Width, top + height);
    int ry = top + 12;
    for (const ChartKey &k : chart.legend) {
        const int sx = left + 20, mid = ry + 20;
        c.setPenColor(k.colour);
        switch (k.style) {
        case ChartKey::Style::Line:
            for (int o = -1; o <= 1; ++o)
                c.line(sx, mid + o, sx + 90, mid + o);
            break;
        case ChartKey::Style::Dashed:
            c.line(sx, mid, sx + 30, mid);
            c.line(sx + 50, mid, sx + 80, mid);
            break;
        case ChartKey::Style::Dot:
            c.setPenColor(Qt::black);
            c.setBrush(k.colour, BrushStyle::Solid);
            c.rectangle(sx + 36, mid - 9, sx + 55, mid + 10);
            break;
        case ChartKey::Style::Hatch:
            c.setPenColor(Grey);
            c.setBrush(RedZone, BrushStyle::DiagCross);
            c.rectangle(sx, ry + 4, sx + 90, ry + 38);
            break;
        case ChartKey::Style::Gears:
            for (int g = 0; g < 6; ++g) {
                c.setPenColor(GearColours[std::size_t(g)]);
                for (int o = -1; o <= 1; ++o)
                    c.line(sx + g * 95, mid + o, sx + g * 95 + 50, mid + o);
                c.textOut(sx + g * 95 + 58, ry, QString::number(g + 1));
            }
            ry += Row;
            continue;
        }
        c.textOut(sx + 110, ry, k.text);
        ry += Row;
    }
}

} // namespace trovanta::print
