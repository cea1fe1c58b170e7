#include "support/placed_text.h"

#include <ostream>

namespace trovanta::test {

std::vector<PlacedText> textsOf(const print::RecordingCanvas &canvas)
{
    std::vector<PlacedText> out;
    for (const print::CanvasCall &c : canvas.calls())
        if (c.kind == print::CanvasCall::Text)
            out.push_back({c.x1, c.y1, c.text});
    return out;
}

void PrintTo(const PlacedText &t, std::ostream *os)
{
    *os << "(" << t.x << ", " << t.y << ") \"" << t.text.toStdString() << "\"";
}

} // namespace trovanta::test
