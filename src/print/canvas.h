#pragma once
// The drawing surface of a printout: exactly the operations the three
// printouts use, in the printer's device units (x to the right, y down from
// the top left of the printable area), used as they stand.
//
// A job is beginJob, the drawing of one page, endJob. Any failure (no
// printer, the printer refusing the job) is raised as trovanta::Error.

#include <QColor>
#include <QString>

namespace trovanta::print {

enum class BrushStyle {
    Solid,
    DiagCross, // diagonal cross-hatch, drawn transparently: only the hatch lines
};

class Canvas {
public:
    virtual ~Canvas();

    virtual void beginJob() = 0;
    // The page goes to the printer here and not before.
    virtual void endJob() = 0;

    // Pens are solid and 1 device unit wide; a job starts with a black pen
    // and a solid white brush.
    virtual void setPenColor(const QColor &color) = 0;
    virtual void setBrush(const QColor &color, BrushStyle style) = 0;

    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // Outline with the pen, inside filled with the brush; the corners may
    // come in any order. Like the classic printer canvas the right and
    // bottom edge lie one unit inside (x2, y2).
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // (x, y) is the top left corner of the text. Text is always black in the
    // default printout font, whatever the pen.
    virtual void textOut(int x, int y, const QString &text) = 0;
};

} // namespace trovanta::print
