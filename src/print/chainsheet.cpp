#include "print/chainsheet.h"

#include "print/letterhead.h"

#include <QCoreApplication>

namespace trovanta::print {

namespace {

QString valueLine(const CaptionedValue &v) { return v.caption + QStringLiteral(" ") + v.value; }

} // namespace

void printChainSheet(Canvas &canvas, const ChainSheetData &d, const QDateTime &now, const QLocale &locale)
{
    canvas.beginJob();
    drawLetterhead(canvas, QStringLiteral("Catenolix ") + d.designation, now, locale);

    canvas.textOut(200, 500, d.presentGroup);
    for (int i = 0; i < int(d.present.size()); ++i)
        canvas.textOut(250, 550 + 50 * i, valueLine(d.present[i]));

    canvas.textOut(200, 1000, d.newGroup);
    for (int i = 0; i < int(d.next.size()); ++i)
        canvas.textOut(250, 1050 + 50 * i, valueLine(d.next[i]));

    canvas.textOut(200, 1450, QCoreApplication::translate("ChainSheet", "Ergebnis:"));
    // No page break: a long result runs on past the foot of the letterhead.
    for (int i = 0; i < d.resultLines.size(); ++i) {
        if (!d.resultLines[i].isEmpty())
            canvas.textOut(250, 1500 + 50 * i, d.resultLines[i]);
    }
    canvas.endJob();
}

} // namespace trovanta::print
