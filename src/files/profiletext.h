#pragma once
// The text of profile (INI) files: the settings files and the race log
// export, read and written through files::SettingsReader/SettingsWriter.
//
// The file is Windows-1252 text. "[name]" opens a section, "key=value" is an
// entry, "=value" the entry of the empty key. Section and key names are
// matched without regard to case and with the blanks around them trimmed, so
// hand-edited files read as expected; values come back exactly as written.
// Lines starting with ";" are comments. Every write rewrites the file
// crash-safely; the lines it does not change stay byte for byte, line ends
// included, and the lines it writes end with CR LF. CR LF, LF and CR all end
// a line when reading.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace trovanta::files {

// The text layer on the file's bytes, without any file access.
namespace profiletext {

inline constexpr qsizetype MaxValueLength = 2047;
// The race log keeps long notes whole up to this; more would only make the
// window slow to lay out.
inline constexpr qsizetype MaxLongValueLength = 64 * 1024;
// Larger files are treated as unreadable rather than loaded whole.
inline constexpr qsizetype MaxFileSize = 64 * 1024 * 1024;

// CR LF, CR and LF each become one blank.
QString oneLine(const QString &text);

// A whole file read once, for many entries: lookups, and writes that change
// only the entry's line (or add the entry at the end of its section, or the
// section at the end of the file), without going through the file for each
// entry. A large file hand-grown by a rider is read and written in one
// pass.
class Document {
public:
    explicit Document(QByteArray file);
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    // The raw bytes of the entry's whole value on the file with every entry
    // set so far, or nothing when it is missing.
    std::optional<QByteArray> find(const QString &section, const QString &key) const;
    // Writes the entry; false (and nothing changed) when the names cannot be
    // stored so that they read back as the same entry.
    bool set(const QString &section, const QString &key, const QString &value);
    QByteArray bytes() const;

private:
    struct Impl;
    Impl *d_;
};

// A switch value: decimal with an optional sign, or hexadecimal after "0x"
// or "0X" (when more than two characters) or after "$"; blanks around it are
// allowed. Nothing for a value that is no 32-bit number.
std::optional<qint64> parseSwitch(QStringView value);

} // namespace profiletext

} // namespace trovanta::files
