#pragma once
// Dyno exports: CSV text of any brand, read for the engine's torque curve
// (engine speed, torque in Nm), from a torque column or else a power column.
//
// - Text, lines, header search and cells: the shared CSV reading
//   (files/csvtext.h), as the logger reader has them.
// - Names are matched as whole words: a cell's name is split into words at
//   every character that is not a letter and compared in lower case, so
//   "psi", "tach" or "Radiator" name nothing.
// - Header: a line with an engine-speed cell ("rpm", "engine speed",
//   "régime", "regime", "drehzahl", "tr min"; not when the cell also has
//   "wheel", "roller", "drum", "roue", "rouleau", "rad" or "rolle"; the
//   first of several) and another cell with torque ("torque", "couple",
//   "drehmoment", "tq") or power ("power", "puissance", "leistung", "hp",
//   "bhp", "whp", "ps", "cv", "ch", "kw"). The first torque cell wins over
//   any power cell.
// - Unit: the first unit word of the chosen cell; torque "nm" (or "n m"),
//   "lb ft", "ft lb", "lbf ft", "ft lbf", "kgm", "mkg" (or "kg m", "m kg",
//   "kgf m"); power "kw", "ps", "cv", "ch", "hp", "bhp", "whp". None: Nm or
//   kW; but text in brackets that is no such unit refuses the file.
// - At the wheel: "wheel", "whp", "roue" or "rad" in the chosen cell.
// - Data lines: every non-blank line after the header. A line whose two
//   cells are not numbers, with an engine speed not above 0, a negative
//   torque or power, or a torque beyond a double's range is skipped and
//   counted. With power alone, T = P (kW) × 9549,2966 / n per line.
// - Points: the lines grouped in bins of 250 rpm (floor(n / 250)); each bin
//   gives its mean engine speed rounded to the nearest whole (halves to
//   even) and its mean torque; neighbouring bins whose engine speeds round
//   alike are one point of all their lines.
//
// Reading runs on any thread: no GUI, no shared state.

#include "files/csvtext.h"

#include "calc/error.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace trovanta::files {

namespace msg {
inline constexpr const char *NoDynoColumns = TROVANTA_MESSAGE("Messages", "Aucune colonne de régime et de couple ou de puissance dans ce fichier.");
inline constexpr const char *UnknownDynoUnit = TROVANTA_MESSAGE("Messages", "Unité inconnue dans ce fichier : « %s ».");
inline constexpr const char *NoTorqueCurve = TROVANTA_MESSAGE("Messages", "Aucune courbe de couple dans ce fichier.");
} // namespace msg

enum class DynoQuantity { Torque, Power };
enum class DynoUnit { Nm, LbFt, Kgm, Kw, Ps, Hp };

// Bin width in rpm.
inline constexpr double DynoBin = 250;
// A unit named in a refusal is cut to this many characters.
inline constexpr int DynoUnitQuoted = 40;

struct DynoPoint {
    double rpm; // whole, ascending from point to point
    double nm;
};

struct DynoData {
    std::vector<DynoPoint> points; // at least two
    std::int64_t dataLines = 0;    // non-blank lines after the header
    std::int64_t skippedLines = 0; // of those, the ones not read

    // The header as found, for the window to show what was read.
    std::int64_t headerLine = 0; // counted from 1
    char delimiter = ',';
    QString engineColumn; // the cell names, trimmed and unquoted
    QString curveColumn;  // the torque or power cell
    DynoQuantity quantity = DynoQuantity::Torque;
    DynoUnit unit = DynoUnit::Nm;
    bool unitNamed = false; // false: no unit in the name, Nm or kW taken
    bool atWheel = false;   // measured at the wheel, losses already in it
};

enum class DynoFault {
    NoColumns,   // msg::NoDynoColumns
    UnknownUnit, // msg::UnknownDynoUnit, with the unit as written
    NoCurve,     // msg::NoTorqueCurve: fewer than two points
};

// A file that is readable but gives no curve. message() is the French text;
// fault() and unit() let a window say it in words of its own.
class DynoError : public Error {
public:
    DynoError(DynoFault fault, const QString &unit = {});
    DynoFault fault() const { return fault_; }
    const QString &unit() const { return unit_; } // UnknownUnit: at most 40 characters and "…"

private:
    DynoFault fault_;
    QString unit_;
};

// Reads a dyno export; std::nullopt when the progress callback cancelled.
// Throws DynoError when the file gives no curve, and trovanta::Error with
// the file error message when it cannot be opened or read (a directory as
// an invalid name, a FIFO or a device: msg::NotOrdinaryFile).
std::optional<DynoData> readDynoFile(const QString &path, const csv::Progress &progress = {});
std::optional<DynoData> readDynoBytes(QByteArrayView bytes, const csv::Progress &progress = {});

// The reading itself for bytes brought piece by piece: feed() any split of
// the text, then finish() once (which throws DynoError).
class DynoParser : private csv::Table {
public:
    DynoParser() = default;
    DynoParser(const DynoParser &) = delete;
    DynoParser &operator=(const DynoParser &) = delete;

    void feed(QByteArrayView bytes) { reader_.feed(bytes); }
    // The header is missing or refused: the rest need not be fed.
    bool stopped() const { return reader_.stopped(); }
    DynoData finish();

private:
    friend std::optional<DynoData> readDynoFile(const QString &, const csv::Progress &);
    friend std::optional<DynoData> readDynoBytes(QByteArrayView, const csv::Progress &);

    struct Bin {
        long double rpm = 0; // sums; long double holds the sum of any doubles
        long double nm = 0;
        std::int64_t lines = 0;
    };

    bool header(const csv::Header &h) override;
    void line(QByteArrayView text, bool overlong) override;

    csv::Reader reader_{*this};
    DynoData out_;
    std::optional<QString> refused_; // the unknown unit of the header
    std::map<double, Bin> bins_;     // by floor(n / 250)
    int engineCell_ = -1;
    int curveCell_ = -1;
    double factor_ = 1; // to Nm, or to kW
    bool decimalComma_ = false;
};

} // namespace trovanta::files
