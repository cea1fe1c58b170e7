#pragma once
// The gear data file (".tva"): one 192-byte little-endian record holding a
// gear set as typed. Older files are 184 bytes, without shift mark and red
// zone; they are recognised only by being short.

#include "calc/settexts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <string>

namespace trovanta::files {

struct GearRecord {
    QString title;
    qint32 front = 0;  // sprocket teeth
    qint32 rear = 0;
    qint32 rim = 0;    // inches
    qint32 width = 0;  // mm
    qint32 height = 0; // percent of the width
    double primary = 0;
    std::array<double, 6> gears{};
    qint32 shiftMark = 0; // rpm
    qint32 redZone = 0;

    bool operator==(const GearRecord &o) const;
    bool operator!=(const GearRecord &o) const { return !(*this == o); }
};

namespace gear {
inline constexpr qsizetype RecordSize = 192;
inline constexpr qsizetype OldRecordSize = 184;
inline constexpr int MaxTitle = 100;
// What a short record gets for the values it lacks.
inline constexpr qint32 FallbackShiftMark = 10000;
inline constexpr qint32 FallbackRedZone = 10500;
} // namespace gear

// Exactly 192 bytes: the title in Windows-1252 ("?" for what it lacks), cut
// to 100 characters, behind its length byte; every unused byte zero.
QByteArray encodeGearRecord(const GearRecord &record);

struct DecodedGear {
    GearRecord record;
    bool complete = false; // false: short file; shift mark and red zone are the fallbacks
};

// Reads what there is over a record of zero bytes; bytes past the 192nd are
// ignored; a length byte above 100 reads the 100 characters there are.
DecodedGear decodeGearRecord(const QByteArray &bytes);

// Whether the bytes can be a gear data record. A whole one (its first 192
// bytes) needs a title length of at most 100, zero bytes after the title
// and in the padding, and ratios whose field texts read back as numbers:
// finite, and not so near the largest double that the 15-digit text rounds
// past it. A short file is taken as an older record, read as far as it goes.
bool isGearRecord(QByteArrayView bytes);

// Throw the file error messages ("Datei nicht gefunden", ...) when the file
// cannot be opened, created or written, and "Datei <name> ist keine
// Trovanta-Datei" when a whole record is no gear data. A read that breaks
// off after the open counts as a short file, not as an error.
DecodedGear readGearFile(const QString &path);
void writeGearFile(const QString &path, const GearRecord &record);

// The field texts of a record, as the main window shows them: integers as
// plain digits, ratios as the shortest text with the decimal separator. The
// file holds no slip and no circumference: the set leaves them empty and
// none, and opening a file keeps the window's own.
struct GearFileTexts {
    gearing::SetTexts set;
    QString title;
    std::string shiftMark, redZone;
};

GearFileTexts gearTexts(const GearRecord &record, char separator);

// The record from field texts, converted in the order the save command
// reads them (title, sprockets, tyre, primary, gears, shift mark, red
// zone), so the first bad field is the one reported; the title is cut to
// 100 characters. The slip and circumference are not read. Throws the
// conversion errors of the number text.
GearRecord gearRecordFromTexts(const GearFileTexts &texts, char separator);

} // namespace trovanta::files
