#include "ui/comparediagram.h"

#include "print/gearcolours.h"
#include "ui/fonts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trovanta::ui {

namespace {

using gearing::real;

// The face colour the main diagram is drawn on, so that its white grid and
// aqua first gear show up the same here.
const QColor Face(212, 208, 200);
const QColor Lime(0, 255, 0);

constexpr int MarginLeft = 40, MarginRight = 14, MarginTop = 22, MarginBottom = 34;
constexpr int LegendSample = 26;

QPen gearPen(const QColor &colour, gearing::Which set)
{
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    if (set == gearing::Which::B)
        pen.setDashPattern({4, 3}); // in pen widths: 8 pixels drawn, 6 left out
    return pen;
}

QString axisNumber(real v, bool rpm) { return QString::number(std::llround(double(rpm ? v / 1000 : v))); }

// Plot values to widget pixels.
struct Scale {
    QRectF area;
    const gearing::Plot &plot;
    double x(real v) const { return area.left() + double(v / plot.x.max) * area.width(); }
    double y(real v) const { return area.bottom() - double(v / plot.y.max) * area.height(); }
};

} // namespace

bool CompareLegend::operator==(const CompareLegend &o) const
{
    return a == o.a && b == o.b && shift == o.shift && redZone == o.redZone && rpmAxis == o.rpmAxis &&
           kmhAxis == o.kmhAxis && waiting == o.waiting;
}

bool CompareDiagram::BackdropKey::operator==(const BackdropKey &o) const
{
    return size == o.size && ratio == o.ratio && sawtooth == o.sawtooth && xMax == o.xMax && xStep == o.xStep &&
           yMax == o.yMax && yStep == o.yStep && shiftMark == o.shiftMark && redZone == o.redZone &&
           rpmAxis == o.rpmAxis && kmhAxis == o.kmhAxis;
}

CompareDiagram::CompareDiagram(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CompareDiagram"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The picture covers the whole widget: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CompareDiagram::sizeHint() const { return {500, 340}; }
QSize CompareDiagram::minimumSizeHint() const { return {360, 230}; }

void CompareDiagram::setPlot(const std::optional<gearing::Plot> &plot, const CompareLegend &legend)
{
    const bool samePlot = plot_ == plot;
    const bool sameLegend = legend == legend_;
    if (samePlot && sameLegend && pictureValid_)
        return; // nothing on the screen would change
    plot_ = plot;
    if (!sameLegend) {
        legend_ = legend;
        legendValid_ = false;
    }
    pictureValid_ = false;
    update();
}

QRect CompareDiagram::plotArea() const
{
    return QRect(MarginLeft, MarginTop, width() - MarginLeft - MarginRight, height() - MarginTop - MarginBottom);
}

void CompareDiagram::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const bool sameSize = picture_.size() == size() * ratio && picture_.devicePixelRatio() == ratio;
    if (!pictureValid_ || !sameSize) {
        // The picture's memory is kept for the next change of the same size.
        if (!sameSize) {
            picture_ = QPixmap(size() * ratio);
            picture_.setDevicePixelRatio(ratio);
        }
        picture_.fill(palette().color(QPalette::Window));
        QPainter p(&picture_);
        paintPicture(p);
        pictureValid_ = true;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

void CompareDiagram::paintPicture(QPainter &p)
{
    const QRect area = plotArea();
    if (area.width() < 10 || area.height() < 10)
        return;
    if (!plot_) {
        p.fillRect(area, Face);
        p.setFont(pixelFont(11));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area.adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap, legend_.waiting);
        return;
    }
    const gearing::Plot &plot = *plot_;
    p.drawPixmap(0, 0, backdrop(plot));

    const Scale s{area, plot};
    p.save();
    p.setClipRect(area.adjusted(0, 0, 1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const gearing::PlotLine &l : plot.lines) {
        p.setPen(gearPen(print::GearColours[std::size_t(l.gear - 1)], l.set));
        p.drawLine(QPointF(s.x(l.x1), s.y(l.y1)), QPointF(s.x(l.x2), s.y(l.y2)));
    }
    if (!plot.markers.empty()) {
        p.setFont(pixelFont(11));
        const QFontMetrics fm(p.font());
        const QColor text = palette().color(QPalette::WindowText);
        for (const gearing::PlotMarker &m : plot.markers) {
            const QColor &colour = print::GearColours[std::size_t(m.gear - 1)];
            const QPointF at(s.x(m.x), s.y(m.y));
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
    }
    p.restore();

    // In the sawtooth the upper left holds the red zone; the lower right is free.
    QRect box(area.topLeft() + QPoint(8, 8), legendSize());
    if (plot.sawtooth)
        box.moveBottomRight(area.bottomRight() - QPoint(8, 8));
    p.drawPixmap(box.topLeft(), legendPicture());
}

const QPixmap &CompareDiagram::backdrop(const gearing::Plot &plot)
{
    BackdropKey key{size(),      devicePixelRatioF(), plot.sawtooth, plot.x.max,     plot.x.step,     plot.y.max,
                    plot.y.step, plot.shiftMark,      plot.redZone,  legend_.rpmAxis, legend_.kmhAxis};
    if (!backdropKey_ || !(*backdropKey_ == key)) {
        backdrop_ = QPixmap(size() * key.ratio);
        backdrop_.setDevicePixelRatio(key.ratio);
        backdrop_.fill(palette().color(QPalette::Window));
        QPainter p(&backdrop_);
        paintBackdrop(p, plot);
        backdropKey_ = key;
    }
    return backdrop_;
}

void CompareDiagram::paintBackdrop(QPainter &p, const gearing::Plot &plot) const
{
    const QRectF area = plotArea();
    const Scale s{area, plot};
    const bool rpmOnX = !plot.sawtooth;
    const real rpmMax = rpmOnX ? plot.x.max : plot.y.max;
    const QColor text = palette().color(QPalette::WindowText);
    p.fillRect(area, Face);
    p.setFont(pixelFont(11));

    // Grid with the numbers beside it.
    const long long xLines = std::llround(std::floor(double(plot.x.max / plot.x.step)));
    const long long yLines = std::llround(std::floor(double(plot.y.max / plot.y.step)));
    const QFontMetrics fm(p.font());
    for (long long i = 0; i <= xLines; ++i) {
        const real v = plot.x.step * i;
        const double x = std::round(s.x(v));
        p.setPen(QPen(Qt::white, 0));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setPen(text);
        const QString n = axisNumber(v, rpmOnX);
        p.drawText(QPointF(x - fm.horizontalAdvance(n) / 2.0, area.bottom() + 4 + fm.ascent()), n);
    }
    for (long long i = 0; i <= yLines; ++i) {
        const real v = plot.y.step * i;
        const double y = std::round(s.y(v));
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

    p.setClipRect(area.adjusted(0, 0, 1, 1));
    // The red zone, hatched transparently with a black outline, as in the
    // main diagram.
    if (plot.redZone < rpmMax) {
        const real from = std::max<real>(0, plot.redZone);
        const QRectF zone = rpmOnX ? QRectF(QPointF(s.x(from), area.top()), area.bottomRight())
                                   : QRectF(area.topLeft(), QPointF(area.right(), s.y(from)));
        p.setBackgroundMode(Qt::TransparentMode);
        p.fillRect(zone, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(zone);
    }
    // The shift mark: a lime line edged in black.
    if (plot.shiftMark >= 0 && plot.shiftMark <= rpmMax) {
        const QLineF mark = rpmOnX ? QLineF(s.x(plot.shiftMark), area.top(), s.x(plot.shiftMark), area.bottom())
                                   : QLineF(area.left(), s.y(plot.shiftMark), area.right(), s.y(plot.shiftMark));
        p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mark);
        p.setPen(QPen(Lime, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mark);
    }
}

QSize CompareDiagram::legendSize() const
{
    const QFontMetrics fm(pixelFont(11));
    const int row = fm.height() + 3;
    const int textWidth = std::max({fm.horizontalAdvance(legend_.a), fm.horizontalAdvance(legend_.b),
                                    fm.horizontalAdvance(legend_.shift), fm.horizontalAdvance(legend_.redZone),
                                    6 * (LegendSample / 2 + fm.horizontalAdvance(QStringLiteral("6 ")))});
    return {LegendSample + 6 + textWidth + 12, 5 * row + 8};
}

const QPixmap &CompareDiagram::legendPicture()
{
    const qreal ratio = devicePixelRatioF();
    if (!legendValid_ || legendPicture_.devicePixelRatio() != ratio) {
        const QSize size = legendSize();
        legendPicture_ = QPixmap(size * ratio);
        legendPicture_.setDevicePixelRatio(ratio);
        legendPicture_.fill(Qt::transparent);
        QPainter p(&legendPicture_);
        paintLegend(p, size);
        legendValid_ = true;
    }
    return legendPicture_;
}

void CompareDiagram::paintLegend(QPainter &p, QSize size) const
{
    p.setFont(pixelFont(11));
    const QFontMetrics fm(p.font());
    const int row = fm.height() + 3;
    const QRect box(QPoint(0, 0), size - QSize(1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, 0, 0));
    const QColor text = palette().color(QPalette::WindowText);
    int y = box.top() + 4;
    const double baseline = (row + fm.ascent() - fm.descent()) / 2.0;
    auto lineRow = [&](const QPen &pen, const QString &caption) {
        const double mid = y + row / 2.0;
        p.setPen(pen);
        p.drawLine(QPointF(box.left() + 6, mid), QPointF(box.left() + 6 + LegendSample, mid));
        p.setPen(text);
        p.drawText(QPointF(box.left() + 12 + LegendSample, y + baseline), caption);
        y += row;
    };
    lineRow(gearPen(Qt::black, gearing::Which::A), legend_.a);
    lineRow(gearPen(Qt::black, gearing::Which::B), legend_.b);
    // The gears' colours in a row.
    double x = box.left() + 6;
    for (int g = 0; g < 6; ++g) {
        const double mid = y + row / 2.0;
        p.setPen(QPen(print::GearColours[std::size_t(g)], 3));
        p.drawLine(QPointF(x, mid), QPointF(x + LegendSample / 2.0, mid));
        x += LegendSample / 2.0 + 3;
        p.setPen(text);
        const QString n = QString::number(g + 1);
        p.drawText(QPointF(x, y + baseline), n);
        x += fm.horizontalAdvance(n) + 7;
    }
    y += row;
    lineRow(QPen(Lime, 3), legend_.shift);
    const QRectF swatch(box.left() + 6, y + 3, LegendSample, row - 6);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(swatch, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(swatch);
    p.setPen(text);
    p.drawText(QPointF(box.left() + 12 + LegendSample, y + baseline), legend_.redZone);
}

} // namespace trovanta::ui
