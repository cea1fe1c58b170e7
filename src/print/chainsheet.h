#pragma once
// The chain calculator printout: the letterhead, every input and result of
// the chain calculator with its label, and the result text line by line.
// It prints the texts as they stand; it calculates nothing.

#include "print/canvas.h"
#include "print/messages.h"
#include "print/captionedvalue.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace trovanta::print {

struct ChainSheetData {
    QString designation; // the motorcycle, printed in the subtitle

    QString presentGroup; // caption of the present drive's group
    // sag, present links, link length, present front and rear sprocket,
    // present chain length, present axle distance
    std::array<CaptionedValue, 7> present;

    QString newGroup; // caption of the new drive's group
    // new front and rear sprocket, new links, actual and set chain length,
    // set axle distance
    std::array<CaptionedValue, 6> next;

    QStringList resultLines; // the result text as its field shows it
};

void printChainSheet(Canvas &canvas, const ChainSheetData &data, const QDateTime &now, const QLocale &locale);

} // namespace trovanta::print
