#pragma once
// Sample printouts as the windows would fill them with their default values,
// and small views onto a recorded page.

#include "print/chainsheet.h"
#include "print/gearsheet.h"
#include "print/racelogsheet.h"
#include "print/recordingcanvas.h"
#include "support/placed_text.h"

#include <QDateTime>
#include <QLocale>

#include <vector>

namespace trovanta::test {

inline const QDateTime PrintMoment{QDate(2026, 12, 8), QTime(14, 5, 9)};
inline const QLocale German{QLocale::German, QLocale::Germany};

print::GearSheetData defaultGearSheet();
print::ChainSheetData calculatedChainSheet();
print::RaceLogSheetData filledRaceLog();

// A printout at the sample moment, on a recording canvas.
print::RecordingCanvas printed(const print::GearSheetData &d);
print::RecordingCanvas printed(const print::ChainSheetData &d);
print::RecordingCanvas printed(const print::RaceLogSheetData &d);

std::vector<print::CanvasCall> callsOfKind(const print::RecordingCanvas &canvas, print::CanvasCall::Kind kind);

// The texts of a whole job: one that was begun first and ended last.
std::vector<PlacedText> jobTexts(const print::RecordingCanvas &canvas);

// The letterhead texts of the sample moment, with its subtitle, followed
// by the body of the sheet.
std::vector<PlacedText> letterheadTexts(const QString &subtitle, const std::vector<PlacedText> &body = {});

} // namespace trovanta::test
