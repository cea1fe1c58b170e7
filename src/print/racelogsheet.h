#pragma once
// The race log printout: the letterhead with the motorcycle type, the groups
// of the race log as headed lists of caption and value, then the notes line
// by line. Captions come from the window's labels at print time and are
// joined to their values as they stand: "Couronne" runs straight into its
// value, "Pignon " keeps its blank.

#include "print/canvas.h"
#include "print/messages.h"
#include "print/captionedvalue.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace trovanta::print {

// A group of rows with a front and a rear field under column heads.
struct FrontRearGroup {
    struct Column {
        QString caption; // the column head
        QString front;
        QString rear;
    };
    QString caption;      // the group's caption
    QString frontCaption; // the row labels, e.g. "Avant: " and "Arrière: "
    QString rearCaption;
};

struct RaceLogSheetData {
    QString type; // the motorcycle type, printed in the subtitle

    FrontRearGroup tyres;
    std::array<FrontRearGroup::Column, 5> tyreColumns; // Dimension, Marque, Modèle, Type, Press.

    QString gearingGroup;
    std::array<CaptionedValue, 3> gearing; // front sprocket, rear sprocket, primary

    FrontRearGroup brakes;
    std::array<FrontRearGroup::Column, 2> brakeColumns; // discs, pads

    // Left column (air filter, trumpets, manifold, silencer), then right
    // column (mapping, EEPROM, injectors); the engine group has no heading.
    std::array<CaptionedValue, 7> engine;

    FrontRearGroup suspension;
    std::array<FrontRearGroup::Column, 5> suspensionColumns; // preload, rebound, compression, height, spring

    QString trackGroup;
    // name, air temperature, track temperature, weather, date, lap time
    std::array<CaptionedValue, 6> track;

    CaptionedValue file; // "Fichier" and the gear data file name shown
    QStringList notes;   // the notes as the field shows them, wrapped lines counted
};

// No page break: the 15th notes line falls on the distribution notice at
// y = 3000 and further lines go on below it.
void printRaceLogSheet(Canvas &canvas, const RaceLogSheetData &data, const QDateTime &now, const QLocale &locale);

} // namespace trovanta::print
