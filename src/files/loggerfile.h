#pragma once
// Data logger and lap-timer exports: CSV text of any brand, read for two
// columns, engine speed and road speed, to fit the rolling circumference
// (calc/calibration.h).
//
// - Text, lines, header search and cells: the shared CSV reading
//   (files/csvtext.h): UTF-8, Windows-1252 or UTF-16; LF, CRLF or CR; a
//   line over 64 KiB skipped; the header among the first 200 lines, split at
//   ",", ";" or tab (tried in that order).
// - Header: a line with an engine-speed cell (its name contains "rpm",
//   "engine speed", "régime", "regime", "drehzahl" or "tr/min") and another
//   road-speed cell ("speed", "vitesse", "geschwindigkeit", "km/h", "kmh",
//   "kph" or "mph"; a cell naming an engine speed is never the road speed).
//   Among several road-speed cells the first with "gps" wins, else the
//   first. Names are compared in lower case.
// - Unit of the road speed: from its name ("mph", "m/s", "km/h"/"kmh"/
//   "kph"), else from a units line below the header (the next non-blank line
//   when it has no number in the two cells), else km/h. Samples are stored
//   in km/h.
// - Data lines: every non-blank line after the header and units line. The
//   two cells are numbers with a decimal point; with ";" or tab as the
//   delimiter a decimal comma too. A line whose two cells are not both
//   numbers (or that is over 64 KiB) is skipped and counted. Other columns
//   are ignored.
//
// Reading runs on any thread: no GUI, no shared state. The file is streamed
// in chunks; only the two numbers of each readable line are kept.

#include "files/csvtext.h"
#include "calc/messages.h"

#include "calc/calibration.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace trovanta::files {

namespace msg {
inline constexpr const char *NoLoggerColumns = TROVANTA_MESSAGE("Messages", "Aucune colonne de régime et de vitesse dans ce fichier.");
}

enum class SpeedUnit { Kmh, Mph, MetresPerSecond };
enum class UnitSource { Name, UnitsLine, Default };

struct LoggerData {
    std::vector<calibration::Sample> samples; // rpm, km/h; one per readable data line
    std::int64_t dataLines = 0;               // non-blank lines after header and units line
    std::int64_t skippedLines = 0;            // of those, the ones not read as a sample

    // The header as found, for the window to show what was read.
    std::int64_t headerLine = 0; // counted from 1
    char delimiter = ',';
    QString engineColumn; // the cell names, trimmed and unquoted
    QString speedColumn;
    SpeedUnit unit = SpeedUnit::Kmh;
    UnitSource unitSource = UnitSource::Default;
};

// Called on the reading thread after each chunk (1 MiB) with the bytes read
// so far and the file's size; returning false cancels the reading. A window
// passes the numbers on to its own thread (a queued signal) and answers
// from an atomic flag set by its cancel button.
using LoggerProgress = csv::Progress;

inline constexpr qsizetype LoggerMaxLine = csv::MaxLine;
inline constexpr qsizetype LoggerChunk = csv::Chunk;
inline constexpr int LoggerHeaderLines = csv::HeaderLines;

// Reads a logger file; std::nullopt when the progress callback cancelled.
// Throws trovanta::Error: the file error message (fileError) when the file
// cannot be opened or read (a directory is refused as an invalid name, a
// FIFO or a device with msg::NotOrdinaryFile), msg::NoLoggerColumns when no
// header is found.
// The file is only read.
std::optional<LoggerData> readLoggerFile(const QString &path, const LoggerProgress &progress = {});

// The same over bytes in memory, fed in chunks like a file.
std::optional<LoggerData> readLoggerBytes(QByteArrayView bytes, const LoggerProgress &progress = {});

// The reading itself, for callers that bring the bytes piece by piece:
// feed() any split of the text, then finish() once. Reading stops early (and
// finish() throws msg::NoLoggerColumns) once 200 lines passed without a
// header; headerMissing() tells a feeder it may stop.
class LoggerParser : private csv::Table {
public:
    LoggerParser() = default;
    LoggerParser(const LoggerParser &) = delete;
    LoggerParser &operator=(const LoggerParser &) = delete;

    void feed(QByteArrayView bytes) { reader_.feed(bytes); }
    bool headerMissing() const { return reader_.stopped(); }
    LoggerData finish();

    // The expected size in bytes, so that the samples are allocated about
    // once instead of doubling.
    void expectBytes(std::int64_t total) { reader_.expectBytes(total); }

private:
    friend std::optional<LoggerData> readLoggerFile(const QString &, const LoggerProgress &);
    friend std::optional<LoggerData> readLoggerBytes(QByteArrayView, const LoggerProgress &);

    bool header(const csv::Header &h) override;
    void line(QByteArrayView text, bool overlong) override;
    bool unitsLine(QByteArrayView text);
    void data(QByteArrayView text);
    void makeRoom();

    csv::Reader reader_{*this};
    LoggerData out_;
    bool unitsChecked_ = false;
    int engineCell_ = -1;
    int speedCell_ = -1;
    double factor_ = 1;
    bool decimalComma_ = false;
};

} // namespace trovanta::files
