#pragma once
// The small pictures on the windows' picture buttons, drawn here so that the
// program carries no image files. Each is a square of `size` pixels on a
// transparent ground.

#include <QPixmap>

namespace trovanta::ui {

QPixmap printerPicture(int size);  // a printer with a sheet coming out
QPixmap savePicture(int size);     // a floppy disk
QPixmap questionPicture(int size); // a yellow question mark

} // namespace trovanta::ui
