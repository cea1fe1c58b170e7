#pragma once
// A canvas that only writes down what it is asked to draw, so that a
// printout can be checked call by call. It can be told to fail at a given
// call to walk the failure paths; the printer canvas also uses it to keep
// the page in memory until the job ends.

#include "print/canvas.h"

#include <QColor>
#include <QString>

#include <vector>

namespace trovanta::print {

struct CanvasCall {
    enum Kind { BeginJob, EndJob, PenColor, Brush, Line, Rectangle, Text };

    Kind kind = BeginJob;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Text uses x1, y1
    QColor color;                       // PenColor, Brush
    BrushStyle style = BrushStyle::Solid;
    QString text;

    bool operator==(const CanvasCall &o) const;
};

class RecordingCanvas : public Canvas {
public:
    void beginJob() override;
    void endJob() override;
    void setPenColor(const QColor &color) override;
    void setBrush(const QColor &color, BrushStyle style) override;
    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString &text) override;

    // The call with this number (1 for the first) raises an Error instead of
    // being recorded; 0 never fails.
    void failAtCall(int n) { failAt_ = n; }

    const std::vector<CanvasCall> &calls() const { return calls_; }
    void clear();

    // Draws the recorded page (everything between the job calls) onto
    // another canvas.
    void replayPage(Canvas &target) const;

private:
    void record(CanvasCall call);

    std::vector<CanvasCall> calls_;
    int count_ = 0;
    int failAt_ = 0;
};

} // namespace trovanta::print
