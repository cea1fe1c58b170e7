#pragma once
// Draws canvas calls straight onto an open QPainter: aliased 1-unit pens,
// transparent hatches, text by its top left corner in the printout font.
// The printer canvas uses it to put the finished page onto the printer;
// it works on any paint device (an image in tests).

#include "print/canvas.h"

#include <QBrush>
#include <QFont>
#include <QPen>

class QPaintDevice;
class QPainter;

namespace trovanta::print {

// The printout font: a sans serif at 8 points, its pixel size converted with
// the device's vertical resolution, so the text keeps its physical size while
// the layout in device units does not. "MS Sans Serif" where installed.
QFont printoutFont(const QPaintDevice &device);

class PainterCanvas : public Canvas {
public:
    // The painter must be active on its device for the canvas's lifetime.
    explicit PainterCanvas(QPainter &painter);

    // Job control belongs to whoever opened the painter.
    void beginJob() override {}
    void endJob() override {}

    void setPenColor(const QColor &color) override;
    void setBrush(const QColor &color, BrushStyle style) override;
    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString &text) override;

private:
    QPainter &painter_;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    int ascent_ = 0;
};

} // namespace trovanta::print
