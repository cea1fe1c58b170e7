#pragma once
// Windows-1252, the 8-bit code page of every text file the program writes
// and of the gear data title. Every byte decodes (the five unassigned bytes
// to the C1 control of the same number, as Windows does), so bytes survive a
// decode and encode unchanged.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace trovanta::files::cp1252 {

QString decode(QByteArrayView bytes);

// A character that the code page lacks becomes "?", one per character
// (a surrogate pair counts as one).
QByteArray encode(QStringView text);

} // namespace trovanta::files::cp1252
