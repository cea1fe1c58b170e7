#pragma once
// The letterhead every printout carries: date and time of printing, the
// program line, the printout's own subtitle, and at the foot the
// distribution notice with the download and contact lines.

#include "print/canvas.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace trovanta::print {

void drawLetterhead(Canvas &canvas, const QString &subtitle, const QDateTime &now, const QLocale &locale);

// The date in the locale's short format and the time in its long format
// without a time-zone name.
QString letterheadDate(const QDate &date, const QLocale &locale);
QString letterheadTime(const QTime &time, const QLocale &locale);

} // namespace trovanta::print
