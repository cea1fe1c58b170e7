#include "print/recordingcanvas.h"

#include "calc/error.h"

#include <string>
#include <utility>

namespace trovanta::print {

bool CanvasCall::operator==(const CanvasCall &o) const
{
    return kind == o.kind && x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 && color == o.color
        && style == o.style && text == o.text;
}

namespace {
CanvasCall make(CanvasCall::Kind kind)
{
    CanvasCall c;
    c.kind = kind;
    return c;
}
} // namespace

void RecordingCanvas::record(CanvasCall call)
{
    ++count_;
    if (count_ == failAt_)
        throw Error("Druckauftrag abgelehnt (Aufruf " + std::to_string(count_) + ")");
    calls_.push_back(std::move(call));
}

void RecordingCanvas::beginJob() { record(make(CanvasCall::BeginJob)); }

void RecordingCanvas::endJob() { record(make(CanvasCall::EndJob)); }

void RecordingCanvas::setPenColor(const QColor &color)
{
    CanvasCall c = make(CanvasCall::PenColor);
    c.color = color;
    record(std::move(c));
}

void RecordingCanvas::setBrush(const QColor &color, BrushStyle style)
{
    CanvasCall c = make(CanvasCall::Brush);
    c.color = color;
    c.style = style;
    record(std::move(c));
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2)
{
    CanvasCall c = make(CanvasCall::Line);
    c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
    record(std::move(c));
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    CanvasCall c = make(CanvasCall::Rectangle);
    c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
    record(std::move(c));
}

void RecordingCanvas::textOut(int x, int y, const QString &text)
{
    CanvasCall c = make(CanvasCall::Text);
    c.x1 = x, c.y1 = y;
    c.text = text;
    record(std::move(c));
}

void RecordingCanvas::clear()
{
    calls_.clear();
    count_ = 0;
}

void RecordingCanvas::replayPage(Canvas &target) const
{
    for (const CanvasCall &c : calls_) {
        switch (c.kind) {
        case CanvasCall::BeginJob:
        case CanvasCall::EndJob:
            break;
        case CanvasCall::PenColor:
            target.setPenColor(c.color);
            break;
        case CanvasCall::Brush:
            target.setBrush(c.color, c.style);
            break;
        case CanvasCall::Line:
            target.line(c.x1, c.y1, c.x2, c.y2);
            break;
        case CanvasCall::Rectangle:
            target.rectangle(c.x1, c.y1, c.x2, c.y2);
            break;
        case CanvasCall::Text:
            target.textOut(c.x1, c.y1, c.text);
            break;
        }
    }
}

} // namespace trovanta::print
