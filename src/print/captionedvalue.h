#pragma once

#include <QString>

namespace trovanta::print {

// A label's caption and the text of the field beside it, both read from the
// window at print time and printed as they stand.
struct CaptionedValue {
    QString caption;
    QString value;
};

} // namespace trovanta::print
