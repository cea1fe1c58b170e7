#pragma once
// The texts of a recorded printout with the places they stand at.

#include "print/recordingcanvas.h"

#include <QString>

#include <iosfwd>
#include <vector>

namespace trovanta::test {

struct PlacedText {
    int x, y;
    QString text;
    bool operator==(const PlacedText &o) const { return x == o.x && y == o.y && text == o.text; }
};

std::vector<PlacedText> textsOf(const print::RecordingCanvas &canvas);

// Readable test failures.
void PrintTo(const PlacedText &t, std::ostream *os);

} // namespace trovanta::test
