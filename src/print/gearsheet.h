#pragma once
// The printed gear sheet: the letterhead, a diagram of road speed over engine
// speed with the gear lines, the shift mark and the red zone, and the gear
// set's values as lines of text. Everything comes from the main window as it
// stands at print time.

#include "print/canvas.h"
#include "print/messages.h"
#include "print/captionedvalue.h"
#include "calc/units.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>

namespace trovanta::print {

struct GearSheetData {
    QString title;    // the diagram title, the sheet's subtitle
    QString fileName; // the file-name panel, empty before any open or save

    CaptionedValue rim, tyreWidth, tyreHeight, circumference;
    CaptionedValue frontSprocket, rearSprocket, primary, finalDrive;

    std::array<QString, 6> gearRatios;    // gears 1 to 6
    std::array<QString, 6> overallRatios; // as the panels show them
    std::array<QString, 6> vmax;          // as the panels show them
    QString slip;

    QString shiftMark; // converted only when shiftMarkOn
    QString redZone;   // printed in the Vmax line; converted only when redZoneOn
    bool shiftMarkOn = true;
    bool redZoneOn = true;

    std::array<bool, 6> gearShown{{true, true, true, true, true, true}};
    // km/h at the diagram's full-scale engine speed, from the last calculation run.
    std::array<int, 6> fullScaleSpeed{};
    // The unit the Vmax values are in; the speed axis keeps its lines and
    // names them in this unit.
    units::Speed speedUnit = units::Speed::Kmh;
};

// Begins the job, draws the sheet, ends the job. A shift mark or red zone
// that is switched on but no integer raises the integer error halfway; the
// job is then never ended.
void printGearSheet(Canvas &canvas, const GearSheetData &data, const QDateTime &now, const QLocale &locale);

} // namespace trovanta::print
