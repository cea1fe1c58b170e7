#include "ui/diagram.h"

#include "calc/fparith.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace trovanta::ui {

namespace {

// Rectangles follow the drawing rules the diagram's coordinates are meant
// for: the corners may come in any order, the right and bottom edges lie
// outside, and the 1-pixel outline runs on the outermost pixels inside. The
// hatch is drawn transparently, only its lines.
void outlinedRect(QPainter &p, int x1, int y1, int x2, int y2, const QBrush &hatch)
{
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    if (r - l < 1 || b - t < 1)
        return;
    if (r - l > 2 && b - t > 2)
        p.fillRect(QRect(QPoint(l + 1, t + 1), QPoint(r - 2, b - 2)), hatch);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    // A 1-pixel outline of QRect(x, y, w, h) covers x .. x + w.
    p.drawRect(QRect(l, t, r - 1 - l, b - 1 - t));
}

QBrush hatch(const QColor &c) { return QBrush(c, Qt::DiagCrossPattern); }

// The y of a speed. Speeds run to the ends of the integer range, where the
// distance from the top edge no longer fits; that far off the area every y
// draws the same, so it is held to a range that leaves room to compute in.
int speedY(std::int32_t speed)
{
    constexpr std::int64_t Far = std::int64_t(1) << 22;
    return static_cast<int>(std::clamp<std::int64_t>(ZeroSpeedY - std::int64_t(speed), -Far, Far));
}

} // namespace

namespace {

// The painter as every part of the diagram is drawn with.
void prepare(QPainter &p, int w, int h)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setClipRect(0, 0, w, h);
    // Hatch patterns are anchored at the corner of the diagram's panel (two
    // pixels left, three up), not at the area's own corner.
    p.setBrushOrigin(-2, -3);
}

// Grid: the vertical step is 17.8 pixels accumulated, not 500 rpm.
void paintGrid(QPainter &p, int w, int h)
{
    p.setPen(QPen(Qt::white, 0));
    for (double x = 0.0; x < w; x += 17.8) {
        const int xi = fp::roundToInt(x);
        p.drawLine(xi, 0, xi, h);
    }
    for (int y = 0; y <= h; y += 25)
        p.drawLine(0, y, w, y);
}

void paintLines(QPainter &p, int h, const Diagram &d)
{
    for (std::size_t g = 0; g < 6; ++g) {
        if (!d.gearShown[g])
            continue;
        p.setPen(QPen(GearColours[g], 0));
        p.drawLine(0, h, LineEndX, speedY(d.fullScale[g]));
    }

    if (d.markerX) {
        const int x = *d.markerX;
        const int y = speedY(d.operatingSpeed);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(QColor(255, 255, 0));
        // Bounding box (x - 3, y - 3) .. (x + 3, y + 3), right and bottom
        // edges outside: 6 pixels across.
        p.drawEllipse(QRect(x - 3, y - 3, 5, 5));
    }
}

// The shift mark and the red zone lie over the lines.
void paintMarks(QPainter &p, int w, int h, const std::optional<std::int32_t> &shiftX,
                const std::optional<std::int32_t> &redZoneX)
{
    if (shiftX)
        outlinedRect(p, *shiftX - 2, h, *shiftX + 2, 0, hatch(QColor(0, 255, 0)));
    if (redZoneX)
        outlinedRect(p, *redZoneX, h, w, 0, hatch(QColor(255, 0, 0)));
}

} // namespace

void paintDiagram(QPainter &p, int w, int h, const Diagram &d)
{
    p.save();
    prepare(p, w, h);
    paintGrid(p, w, h);
    paintLines(p, h, d);
    paintMarks(p, w, h, d.shiftX, d.redZoneX);
    p.restore();
}

TPaintBox::TPaintBox(QWidget *parent) : QWidget(parent)
{
    // It paints the panel's face behind the diagram itself: the panel needs
    // no repainting when only the diagram changed.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::setDiagram(const Diagram &d)
{
    diagram_ = d;
    update();
}

void TPaintBox::clear()
{
    diagram_.reset();
    update();
}

void TPaintBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        face_ = QImage();
        marks_ = QImage();
        update();
    }
    QWidget::changeEvent(event);
}

QImage TPaintBox::picture(QSize size, bool opaque) const
{
    const qreal ratio = devicePixelRatioF();
    QImage im(size * ratio, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    im.setDevicePixelRatio(ratio);
    im.fill(opaque ? palette().color(QPalette::Window) : QColor(Qt::transparent));
    return im;
}

void TPaintBox::paintEvent(QPaintEvent *)
{
    const int w = width(), h = height();
    // The face with the grid, and the marks over the lines, change far less
    // often than the lines: each is drawn once and laid on from there, the
    // face copied, the marks (transparent but where they are) blended.
    const LayerKey key{size(), devicePixelRatioF(), diagram_.has_value(),
                       diagram_ ? diagram_->shiftX : std::nullopt, diagram_ ? diagram_->redZoneX : std::nullopt};
    if (!(faceKey_.size == key.size && faceKey_.ratio == key.ratio && faceKey_.shown == key.shown) ||
        face_.isNull()) {
        face_ = picture(size(), true);
        if (key.shown) {
            QPainter g(&face_);
            prepare(g, w, h);
            paintGrid(g, w, h);
        }
        faceKey_ = key;
    }
    QPainter p(this);
    p.drawImage(0, 0, face_);
    if (!diagram_)
        return;
    if (!(marksKey_ == key) || marks_.isNull()) {
        // Only the part the marks cover: the rest would be blended for nothing.
        const int left = std::clamp(std::min(key.shiftX ? *key.shiftX - 2 : w, key.redZoneX ? *key.redZoneX : w), 0, w);
        const int right = std::clamp(key.redZoneX && *key.redZoneX < w ? w : key.shiftX ? *key.shiftX + 3 : 0, 0, w);
        marksAt_ = QPoint(left, 0);
        marks_ = picture(QSize(std::max(1, right - left), h), false);
        QPainter m(&marks_);
        m.translate(-left, 0);
        prepare(m, w, h);
        paintMarks(m, w, h, key.shiftX, key.redZoneX);
        marksKey_ = key;
    }
    prepare(p, w, h);
    paintLines(p, h, *diagram_);
    p.drawImage(marksAt_, marks_);
}

} // namespace trovanta::ui
