#include "ui/comparediagram.h"

#include "print/gearcolours.h"
#include "ui/fonts.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace trovanta::ui {

namespace {

using gearing::real;

// The face colour the main diagram is drawn on, so that its white grid and
// aqua first gear show up the same here.
const QColor Face(212, 208, 200);
const QColor Lime(0, 255, 0);

constexpr int MarginLeft = 40, MarginRight = 14, MarginTop = 22, MarginBottom = 34;

QPen gearPen(const QColor &colour, gearing::Which set)
{
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    if (set == gearing::Which::B)
        pen.setDashPattern({4, 3}); // in pen widths: 8 pixels drawn, 6 left out
    return pen;
}

QString axisNumber(real v, bool rpm) { return QString::number(std::llround(double(rpm ? v / 1000 : v))); }

} // namespace

CompareDiagram::CompareDiagram(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CompareDiagram"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CompareDiagram::sizeHint() const { return {500, 340}; }
QSize CompareDiagram::minimumSizeHint() const { return {360, 230}; }

void CompareDiagram::setPlot(const std::optional<gearing::Plot> &plot, const CompareLegend &legend)
{
    plot_ = plot;
    legend_ = legend;
    update();
}

QRect CompareDiagram::plotArea() const
{
    return QRect(MarginLeft, MarginTop, width() - MarginLeft - MarginRight, height() - MarginTop - MarginBottom);
}

void CompareDiagram::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect area = plotArea();
    if (area.width() < 10 || area.height() < 10)
        return;
    p.fillRect(area, Face);
    p.setFont(pixelFont(11));
    if (!plot_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area.adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap, legend_.waiting);
        return;
    }
    paintPlot(p, *plot_);
}

void CompareDiagram::paintPlot(QPainter &p, const gearing::Plot &plot)
{
    const QRectF area = plotArea();
    auto px = [&](real x) { return area.left() + double(x / plot.x.max) * area.width(); };
    auto py = [&](real y) { return area.bottom() - double(y / plot.y.max) * area.height(); };
    const bool rpmOnX = !plot.sawtooth;
    const real rpmMax = rpmOnX ? plot.x.max : plot.y.max;
    const QColor text = palette().color(QPalette::WindowText);

    // Grid with the numbers beside it.
    const long long xLines = std::llround(std::floor(double(plot.x.max / plot.x.step)));
    const long long yLines = std::llround(std::floor(double(plot.y.max / plot.y.step)));
    const QFontMetrics fm(p.font());
    for (long long i = 0; i <= xLines; ++i) {
        const real v = plot.x.step * i;
        const double x = std::round(px(v));
        p.setPen(QPen(Qt::white, 0));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setPen(text);
        const QString n = axisNumber(v, rpmOnX);
        p.drawText(QPointF(x - fm.horizontalAdvance(n) / 2.0, area.bottom() + 4 + fm.ascent()), n);
    }
    for (long long i = 0; i <= yLines; ++i) {
        const real v = plot.y.step * i;
        const double y = std::round(py(v));
        p.setPen(QPen(Qt::white, 0));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(text);
        const QString n = axisNumber(v, !rpmOnX);
        p.drawText(QPointF(area.left() - 5 - fm.horizontalAdvance(n), y + fm.ascent() / 2.0 - 1), n);
    }
    QFont caption = formFont(8, true);
    caption.setUnderline(true);
    p.setFont(caption);
    const QFontMetrics cm(caption);
    const QString xCaption = rpmOnX ? legend_.rpmAxis : legend_.kmhAxis;
    const QString yCaption = rpmOnX ? legend_.kmhAxis : legend_.rpmAxis;
    p.drawText(QPointF(area.right() - cm.horizontalAdvance(xCaption), height() - 3 - cm.descent()), xCaption);
    p.drawText(QPointF(4, MarginTop - 6), yCaption);
    p.setFont(pixelFont(11));

    p.save();
    p.setClipRect(area.adjusted(0, 0, 1, 1));
    // The red zone, hatched transparently with a black outline, as in the
    // main diagram.
    if (plot.redZone < rpmMax) {
        const real from = std::max<real>(0, plot.redZone);
        const QRectF zone = rpmOnX ? QRectF(QPointF(px(from), area.top()), area.bottomRight())
                                   : QRectF(area.topLeft(), QPointF(area.right(), py(from)));
        p.setBackgroundMode(Qt::TransparentMode);
        p.fillRect(zone, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(zone);
    }
    // The shift mark: a lime line edged in black.
    if (plot.shiftMark >= 0 && plot.shiftMark <= rpmMax) {
        const QLineF mark = rpmOnX ? QLineF(px(plot.shiftMark), area.top(), px(plot.shiftMark), area.bottom())
                                   : QLineF(area.left(), py(plot.shiftMark), area.right(), py(plot.shiftMark));
        p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mark);
        p.setPen(QPen(Lime, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mark);
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    for (const gearing::PlotLine &l : plot.lines) {
        p.setPen(gearPen(print::GearColours[std::size_t(l.gear - 1)], l.set));
        p.drawLine(QPointF(px(l.x1), py(l.y1)), QPointF(px(l.x2), py(l.y2)));
    }
    for (const gearing::PlotMarker &m : plot.markers) {
        const QColor &colour = print::GearColours[std::size_t(m.gear - 1)];
        const QPointF at(px(m.x), py(m.y));
        if (m.set == gearing::Which::A) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(colour);
            p.drawEllipse(at, 4, 4);
            // The name right of the point, or left of it near the right edge.
            const QString name = QString::fromStdString(m.name);
            const int w = fm.horizontalAdvance(name);
            const double x = at.x() + 7 + w > area.right() ? at.x() - 7 - w : at.x() + 7;
            p.setPen(text);
            p.drawText(QPointF(x, at.y() - 5), name);
        } else {
            p.setPen(QPen(colour, 2));
            p.setBrush(Qt::white);
            p.drawEllipse(at, 4, 4);
        }
    }
    p.restore();
    // In the sawtooth the upper left holds the red zone; the lower right is free.
    paintLegend(p, area.toRect(), plot.sawtooth);
}

void CompareDiagram::paintLegend(QPainter &p, const QRect &area, bool bottomRight)
{
    const QFontMetrics fm(p.font());
    const int row = fm.height() + 3;
    const int sample = 26;
    const int textWidth = std::max({fm.horizontalAdvance(legend_.a), fm.horizontalAdvance(legend_.b),
                                    fm.horizontalAdvance(legend_.shift), fm.horizontalAdvance(legend_.redZone),
                                    6 * (sample / 2 + fm.horizontalAdvance(QStringLiteral("6 ")))});
    const QSize size(sample + 6 + textWidth + 12, 5 * row + 8);
    QRect box(QPoint(area.left() + 8, area.top() + 8), size);
    if (bottomRight)
        box.moveBottomRight(area.bottomRight() - QPoint(8, 8));

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(box);
    const QColor text = palette().color(QPalette::WindowText);
    int y = box.top() + 4;
    auto lineRow = [&](const QPen &pen, const QString &caption) {
        const double mid = y + row / 2.0;
        p.setPen(pen);
        p.drawLine(QPointF(box.left() + 6, mid), QPointF(box.left() + 6 + sample, mid));
        p.setPen(text);
        p.drawText(QPointF(box.left() + 12 + sample, y + (row + fm.ascent() - fm.descent()) / 2.0), caption);
        y += row;
    };
    lineRow(gearPen(Qt::black, gearing::Which::A), legend_.a);
    lineRow(gearPen(Qt::black, gearing::Which::B), legend_.b);
    // The gears' colours in a row.
    {
        double x = box.left() + 6;
        const double mid = y + row / 2.0;
        for (int g = 0; g < 6; ++g) {
            p.setPen(QPen(print::GearColours[std::size_t(g)], 3));
            p.drawLine(QPointF(x, mid), QPointF(x + sample / 2.0, mid));
            x += sample / 2.0 + 3;
            p.setPen(text);
            const QString n = QString::number(g + 1);
            p.drawText(QPointF(x, y + (row + fm.ascent() - fm.descent()) / 2.0), n);
            x += fm.horizontalAdvance(n) + 7;
        }
        y += row;
    }
    lineRow(QPen(Lime, 3), legend_.shift);
    {
        const QRectF swatch(box.left() + 6, y + 3, sample, row - 6);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(swatch, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(swatch);
        p.setPen(text);
        p.drawText(QPointF(box.left() + 12 + sample, y + (row + fm.ascent() - fm.descent()) / 2.0),
                   legend_.redZone);
    }
    p.restore();
}

} // namespace trovanta::ui
