#pragma once
// The comparison printout: the letterhead, one line per gear set, the
// diagram of both sets (the variant's lines dashed), the table of the six
// gears, the results and the track points. It prints the window's texts as
// they stand; the diagram comes as the window's plot.

#include "calc/units.h"
#include "calc/compare.h"
#include "print/canvas.h"
#include "print/messages.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace trovanta::print {

struct CompareSheetData {
    QString subtitle;
    QString setsCaption;        // what the two set lines list
    QString setA, setB;         // one line each
    std::optional<gearing::Plot> plot; // none: the diagram stays empty
    QString rpmCaption, kmhCaption;    // axis captions
    units::Speed speedUnit = units::Speed::Kmh; // of the speed axis's numbers
    QString legendA, legendB, legendShift, legendRedZone;

    QString gearCaption;             // head of the gear column
    QStringList comparisonHeads;     // the gear table's column heads
    std::array<QStringList, 6> comparisonRows;
    QStringList results;             // one line each

    QStringList pointHeads;
    std::vector<QStringList> points; // rows the rider filled in
};

// Page layout, device units: the diagram's frame.
inline constexpr int SheetPlotLeft = 300, SheetPlotRight = 1900, SheetPlotTop = 680, SheetPlotBottom = 1650;
// Dashes of the variant's lines: drawn, then left out.
inline constexpr int SheetDash = 24, SheetGap = 16;

void printCompareSheet(Canvas &canvas, const CompareSheetData &data, const QDateTime &now, const QLocale &locale);

} // namespace trovanta::print
