#pragma once
// The gear diagram of the main window: road speed (1 km/h per pixel, 0 at
// y = 350) over engine speed (28 rpm per pixel). A calculation run hands the
// diagram area the values it drew with; the area paints them whenever the
// windowing system or another window asks, so nothing but a run wipes the
// picture.

#include "calc/gearing.h"
#include "print/gearcolours.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QPainter;

namespace trovanta::ui {

inline constexpr int RpmPerPixel = 28;
inline constexpr int LineEndX = 570; // the full-scale engine speed
inline constexpr int ZeroSpeedY = 350;
static_assert(LineEndX * RpmPerPixel == gearing::FullScaleRpm, "the gear lines end at the diagram's right edge");

// Line and text colour of gears 1 to 6.
using print::GearColours;

// What one run drew, in diagram pixels. Elements a run did not reach are
// missing (the shift mark's text can fail to convert after the marker).
struct Diagram {
    std::array<std::int32_t, 6> fullScale{}; // km/h at 15960 rpm
    std::array<bool, 6> gearShown{};
    std::optional<std::int32_t> markerX;    // engine speed / 28
    std::int32_t operatingSpeed = 0;         // km/h
    std::optional<std::int32_t> shiftX;      // shift mark / 28, when switched on
    std::optional<std::int32_t> redZoneX;    // red zone / 28, when switched on
};

// Paints the diagram onto an area of w x h pixels whose top left is the
// painter's origin. The area's background is left as it is.
void paintDiagram(QPainter &p, int w, int h, const Diagram &d);

// The diagram area `PaintBox1`.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget *parent = nullptr);

    void setDiagram(const Diagram &d);
    // Blank until the next setDiagram (a run's first step).
    void clear();
    const std::optional<Diagram> &diagram() const { return diagram_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // A new theme: the kept layers are drawn again on the new face.
    void changeEvent(QEvent *event) override;

private:
    QImage picture(QSize size, bool opaque) const;

    std::optional<Diagram> diagram_;
    // The face with the grid (by size) and the shift mark with the red zone
    // (by size and place), kept between paints.
    struct LayerKey {
        QSize size;
        qreal ratio = 0;
        bool shown = false;
        std::optional<std::int32_t> shiftX, redZoneX;
        bool operator==(const LayerKey &o) const
        {
            return size == o.size && ratio == o.ratio && shown == o.shown && shiftX == o.shiftX &&
                   redZoneX == o.redZoneX;
        }
    };
    QImage face_, marks_;
    QPoint marksAt_;
    LayerKey faceKey_, marksKey_;
};

} // namespace trovanta::ui

using trovanta::ui::TPaintBox;
