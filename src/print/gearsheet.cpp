#include "print/gearsheet.h"

#include "calc/fparith.h"
#include "calc/numtext.h"
#include "print/gearcolours.h"
#include "print/letterhead.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace trovanta::print {

namespace {

// Diagram in device units: 100 units per 1000 rpm from x = 300, 4 units per
// km/h up from y = 1970.
constexpr int Left = 300, Right = 1900, Top = 570, Bottom = 1970;

const QColor Grey(128, 128, 128);

int clampToInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// x of an engine speed typed in a field: 300 plus the speed / 10, rounded.
int engineSpeedX(const QString &text)
{
    const std::int32_t rpm = num::parseInteger(text.toStdString());
    return Left + fp::roundToInt(static_cast<fp::real>(rpm) / 10);
}

void drawDiagram(Canvas &canvas, const GearSheetData &d)
{
    canvas.setPenColor(Grey);
    for (int x = Left; x <= Right; x += 50)
        canvas.line(x, Top, x, Bottom);
    for (int y = Top; y <= Bottom; y += 50)
        canvas.line(Left, y, Right, y);

    for (int i = 0; i < 6; ++i) {
        if (!d.gearShown[i])
            continue;
        // Cut to the diagram's frame as on screen: a line above the speed
        // range ends at the top edge, one below zero has nothing inside.
        const std::int64_t v = d.fullScaleSpeed[i];
        if (v < 0)
            continue;
        canvas.setPenColor(GearColours[static_cast<std::size_t>(i)]);
        const std::int64_t top = (Bottom - Top) / 4;
        if (v <= top)
            canvas.line(Left, Bottom, Right, clampToInt(Bottom - 4 * v));
        else
            canvas.line(Left, Bottom, Left + static_cast<int>(std::lround(double(Right - Left) * double(top) / double(v))),
                        Top);
    }

    if (d.shiftMarkOn) {
        const int xm = engineSpeedX(d.shiftMark);
        canvas.setPenColor(Grey);
        canvas.setBrush(QColor(0, 128, 0), BrushStyle::DiagCross);
        canvas.rectangle(xm - 10, Top, xm + 10, Bottom);
    }
    if (d.redZoneOn) {
        const int xr = engineSpeedX(d.redZone);
        canvas.setPenColor(Grey);
        canvas.setBrush(QColor(255, 0, 0), BrushStyle::DiagCross);
        canvas.rectangle(xr, Top, Right, Bottom);
    }
}

QString valueLine(const CaptionedValue &v) { return v.caption + QStringLiteral(": ") + v.value; }

void drawValues(Canvas &canvas, const GearSheetData &d)
{
    canvas.textOut(200, 450, QCoreApplication::translate("GearSheet", "Datei: ") + d.fileName);

    canvas.textOut(200, 2200, QCoreApplication::translate("GearSheet", "Hinterrad:"));
    canvas.textOut(350, 2250, valueLine(d.rim));
    canvas.textOut(350, 2300, valueLine(d.tyreWidth));
    canvas.textOut(350, 2350, valueLine(d.tyreHeight));
    canvas.textOut(350, 2400, valueLine(d.circumference));

    canvas.textOut(200, 2500, QCoreApplication::translate("GearSheet", "Übersetzungen:"));
    canvas.textOut(350, 2550, valueLine(d.frontSprocket));
    canvas.textOut(350, 2600, valueLine(d.rearSprocket));
    canvas.textOut(350, 2650, valueLine(d.primary));
    canvas.textOut(350, 2700, valueLine(d.finalDrive));

    canvas.textOut(1200, 2200, QCoreApplication::translate("GearSheet", "Gangübersetzungen:"));
    for (int i = 0; i < 6; ++i)
        canvas.textOut(1350, 2250 + 50 * i, QString::number(i + 1) + QStringLiteral(": ") + d.gearRatios[i]);

    canvas.textOut(1200, 2600, QCoreApplication::translate("GearSheet", "Gesamtübersetzung:"));
    for (int i = 0; i < 6; ++i)
        canvas.textOut(1350, 2650 + 50 * i, QString::number(i + 1) + QStringLiteral(": ") + d.overallRatios[i]);

    const QString unit = QStringLiteral(" ") + QString::fromStdString(units::name(d.speedUnit));
    canvas.textOut(1550, 2600,
                   QCoreApplication::translate("GearSheet", "Vmax bei: %1 U/min (roter Bereich)").arg(d.redZone));
    for (int i = 0; i < 3; ++i)
        canvas.textOut(1550, 2650 + 50 * i, d.vmax[i] + unit);
    // Only the upper gears carry the slip allowance.
    for (int i = 3; i < 6; ++i)
        canvas.textOut(1550, 2650 + 50 * i,
                       QCoreApplication::translate("GearSheet", "%1 bei %2% Schlupf").arg(d.vmax[i] + unit, d.slip));
}

void drawAxisLabels(Canvas &canvas, units::Speed unit)
{
    for (int k = 0; k <= 16; ++k)
        canvas.textOut(292 + 100 * k, 1990, QString::number(k));
    canvas.textOut(1992, 1990, QCoreApplication::translate("GearSheet", "Drehzahl x 1000"));
    for (int j = 0; j <= 14; ++j)
        canvas.textOut(225, 550 + 100 * j,
                       QString::number(fp::roundToInt(units::fromKmh(350 - 25 * j, unit))));
    canvas.textOut(225, 500, QString::fromStdString(units::name(unit)));
}

} // namespace

void printGearSheet(Canvas &canvas, const GearSheetData &data, const QDateTime &now, const QLocale &locale)
{
    canvas.beginJob();
    drawDiagram(canvas, data);
    drawLetterhead(canvas, data.title, now, locale);
    drawValues(canvas, data);
    drawAxisLabels(canvas, data.speedUnit);
    canvas.endJob();
}

} // namespace trovanta::print
