#include "print/racelogsheet.h"

#include "print/letterhead.h"

#include <QCoreApplication>

namespace trovanta::print {

namespace {

constexpr int Heading = 200, Entry = 250, Step = 50;

QString joined(const CaptionedValue &v) { return v.caption + v.value; }

QString frontRear(const FrontRearGroup &g, const FrontRearGroup::Column &c)
{
    return c.caption + QStringLiteral(" ") + g.frontCaption + c.front + QStringLiteral("; ") + g.rearCaption + c.rear;
}

template <std::size_t N>
int drawColumns(Canvas &canvas, int y, const FrontRearGroup &g, const std::array<FrontRearGroup::Column, N> &cols)
{
    canvas.textOut(Heading, y, g.caption);
    for (const auto &c : cols)
        canvas.textOut(Entry, y += Step, frontRear(g, c));
    return y + Step;
}

} // namespace

void printRaceLogSheet(Canvas &canvas, const RaceLogSheetData &d, const QDateTime &now, const QLocale &locale)
{
    canvas.beginJob();
    drawLetterhead(canvas, QStringLiteral("Pistorel ") + d.type, now, locale);

    int y = drawColumns(canvas, 500, d.tyres, d.tyreColumns); // 500 .. 750

    canvas.textOut(Heading, y, d.gearingGroup); // 800
    for (const auto &v : d.gearing)
        canvas.textOut(Entry, y += Step, joined(v));
    y += Step;

    y = drawColumns(canvas, y, d.brakes, d.brakeColumns); // 1000 .. 1100

    // The first field of each engine column stands at the heading position.
    for (int i = 0; i < int(d.engine.size()); ++i, y += Step) // 1150 .. 1450
        canvas.textOut(i == 0 || i == 4 ? Heading : Entry, y, joined(d.engine[i]));
    y += Step;

    y = drawColumns(canvas, y, d.suspension, d.suspensionColumns); // 1550 .. 1800

    canvas.textOut(Heading, y, d.trackGroup); // 1850
    for (const auto &v : d.track)
        canvas.textOut(Entry, y += Step, joined(v));
    y += Step;

    canvas.textOut(Heading, y, QCoreApplication::translate("RaceLogSheet", "Sonstiges")); // 2200
    canvas.textOut(Entry, y += Step, joined(d.file));        // 2250

    for (int i = 0; i < d.notes.size(); ++i) {
        if (!d.notes[i].isEmpty())
            canvas.textOut(Entry, 2300 + Step * i, d.notes[i]);
    }
    canvas.endJob();
}

} // namespace trovanta::print
