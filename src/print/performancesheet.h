#pragma once
// The Performances printout, one page: the letterhead, the gear set, the
// force at the wheel as the window draws it, the engine's curve, the bike's
// values and every result. It prints the window's texts as they stand.

#include "print/canvas.h"
#include "print/chart.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace trovanta::print {

struct PerformanceSheetData {
    QString subtitle;
    QString setLine; // the main window's gear set, one line
    Chart force;

    QString curveCaption;
    QStringList curveHeads;              // tr/min, Nm, kW
    std::vector<QStringList> curveRows;  // as the table shows them
    QString moreRows;                    // "… and n more", when they do not all fit; %1 the count

    QString bikeCaption;
    std::vector<QStringList> bikeRows; // caption with its unit, value

    QString shiftCaption;
    QStringList shiftHeads;
    std::array<QStringList, 6> shiftRows;

    QStringList results; // one line each
    char separator = ',';
};

// Page layout, device units.
inline constexpr int PerfPlotLeft = 330, PerfPlotRight = 2150, PerfPlotTop = 620, PerfPlotBottom = 1380;
inline constexpr int PerfCurveRowsPerBlock = 10, PerfCurveBlocks = 5;

void printPerformanceSheet(Canvas &canvas, const PerformanceSheetData &data, const QDateTime &now,
                           const QLocale &locale);

} // namespace trovanta::print
