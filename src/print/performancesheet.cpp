#include "print/performancesheet.h"

#include "print/letterhead.h"

#include <algorithm>

namespace trovanta::print {

namespace {

constexpr int Step = 42;

} // namespace

void printPerformanceSheet(Canvas &c, const PerformanceSheetData &d, const QDateTime &now, const QLocale &locale)
{
    c.beginJob();
    drawLetterhead(c, d.subtitle, now, locale);
    c.textOut(200, 470, d.setLine);
    drawChart(c, d.force, QRect(QPoint(PerfPlotLeft, PerfPlotTop), QPoint(PerfPlotRight, PerfPlotBottom)), d.separator);

    // The curve in blocks of three columns side by side.
    constexpr int CurveY = 1500, BlockWidth = 400;
    static constexpr int Column[] = {0, 140, 270};
    c.textOut(200, CurveY, d.curveCaption);
    const int shown = std::min<int>(int(d.curveRows.size()), PerfCurveRowsPerBlock * PerfCurveBlocks);
    const int blocks = std::max(1, (shown + PerfCurveRowsPerBlock - 1) / PerfCurveRowsPerBlock);
    for (int b = 0; b < blocks; ++b)
        for (int j = 0; j < d.curveHeads.size() && j < 3; ++j)
            c.textOut(200 + b * BlockWidth + Column[j], CurveY + Step + 10, d.curveHeads[j]);
    for (int i = 0; i < shown; ++i) {
        const int b = i / PerfCurveRowsPerBlock, r = i % PerfCurveRowsPerBlock;
        const QStringList &row = d.curveRows[std::size_t(i)];
        for (int j = 0; j < row.size() && j < 3; ++j)
            c.textOut(200 + b * BlockWidth + Column[j], CurveY + 2 * Step + 20 + r * Step, row[j]);
    }
    const int curveEnd = CurveY + 2 * Step + 20 + PerfCurveRowsPerBlock * Step;
    if (shown < int(d.curveRows.size()))
        c.textOut(200, curveEnd, d.moreRows.arg(int(d.curveRows.size()) - shown));

    // The bike on the left, the shifts on the right.
    const int lowerY = curveEnd + Step + 20;
    c.textOut(200, lowerY, d.bikeCaption);
    for (std::size_t i = 0; i < d.bikeRows.size(); ++i) {
        const QStringList &row = d.bikeRows[i];
        const int y = lowerY + Step + 10 + int(i) * Step;
        if (row.size() > 0)
            c.textOut(200, y, row[0]);
        if (row.size() > 1)
            c.textOut(820, y, row[1]);
    }
    constexpr int ShiftX = 1100;
    static constexpr int ShiftColumn[] = {0, 140, 300, 460, 690, 870};
    c.textOut(ShiftX, lowerY, d.shiftCaption);
    // Heads of two lines: the name, then its unit.
    for (int j = 0; j < d.shiftHeads.size() && j < 6; ++j) {
        const QString &head = d.shiftHeads[j];
        const qsizetype cut = head.lastIndexOf(QLatin1Char(' '));
        const int x = ShiftX + ShiftColumn[j], y = lowerY + Step + 10;
        if (cut < 0) {
            c.textOut(x, y + Step - 10, head);
        } else {
            c.textOut(x, y, head.left(cut));
            c.textOut(x, y + Step - 10, head.mid(cut + 1));
        }
    }
    for (int k = 0; k < 6; ++k) {
        const QStringList &row = d.shiftRows[std::size_t(k)];
        for (int j = 0; j < row.size() && j < 6; ++j)
            c.textOut(ShiftX + ShiftColumn[j], lowerY + 3 * Step + 20 + k * Step, row[j]);
    }

    const int resultsY = lowerY + Step + 10 + std::max<int>(int(d.bikeRows.size()), 8) * Step + 30;
    for (int i = 0; i < d.results.size(); ++i)
        c.textOut(200, resultsY + i * Step, d.results[i]);
    c.endJob();
}

} // namespace trovanta::print
