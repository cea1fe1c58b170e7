#include "ui/diagram.h"

#include "calc/fparith.h"

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

void paintDiagram(QPainter &p, int w, int h, const Diagram &d)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setClipRect(0, 0, w, h);
    // Hatch patterns are anchored at the corner of the diagram's panel (two
    // pixels left, three up), not at the area's own corner.
    p.setBrushOrigin(-2, -3);

    // Grid: the vertical step is 17.8 pixels accumulated, not 500 rpm.
    p.setPen(QPen(Qt::white, 0));
    for (double x = 0.0; x < w; x += 17.8) {
        const int xi = fp::roundToInt(x);
        p.drawLine(xi, 0, xi, h);
    }
    for (int y = 0; y <= h; y += 25)
        p.drawLine(0, y, w, y);

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

    if (d.shiftX)
        outlinedRect(p, *d.shiftX - 2, h, *d.shiftX + 2, 0, hatch(QColor(0, 255, 0)));
    if (d.redZoneX)
        outlinedRect(p, *d.redZoneX, h, w, 0, hatch(QColor(255, 0, 0)));
    p.restore();
}

TPaintBox::TPaintBox(QWidget *parent) : QWidget(parent) {}

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

void TPaintBox::paintEvent(QPaintEvent *)
{
    if (!diagram_)
        return;
    QPainter p(this);
    paintDiagram(p, width(), height(), *diagram_);
}

} // namespace trovanta::ui
