#include "print/canvas.h"

namespace trovanta::print {

Canvas::~Canvas() = default;

} // namespace trovanta::print
