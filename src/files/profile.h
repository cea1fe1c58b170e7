#pragma once
// Profile (INI) files: the settings files and the race log export.
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

class ProfileFile {
public:
    // No file access until an entry is read or written; a missing file
    // counts as empty.
    explicit ProfileFile(QString path);

    const QString &path() const { return m_path; }

    // The stored value cut to its first 2047 characters; `def` when the
    // file, the section or the key is missing or the file cannot be read.
    QString readString(const QString &section, const QString &key, const QString &def) const;

    // A switch is stored as an integer (see parseSwitch); any non-zero
    // number is true; a missing key or a value that is no number gives `def`.
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Replaces the entry where it stands, adds a missing key at the end of
    // its section and a missing section at the end of the file. Line breaks
    // in the value (or names) become blanks, since an entry is one line.
    // Throws "nach <path> kann nicht geschrieben werden" when the file cannot
    // be written, when an existing file cannot be read (its other lines
    // would be lost), or when a name could not be read back as written (a
    // key holding "=" or starting with "[" or ";", a section name that reads
    // differently).
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeBool(const QString &section, const QString &key, bool value);

    static bool exists(const QString &path);

private:
    QString m_path;
};

// The text layer on the file's bytes, without any file access.
namespace profiletext {

inline constexpr qsizetype MaxValueLength = 2047;
// The race log keeps long notes whole up to this; more would only make the
// window slow to lay out.
inline constexpr qsizetype MaxLongValueLength = 64 * 1024;
// Larger files are treated as unreadable rather than loaded whole.
inline constexpr qsizetype MaxFileSize = 64 * 1024 * 1024;

// The raw bytes of the entry's whole value, or nothing when it is missing.
std::optional<QByteArray> findValue(QByteArrayView file, const QString &section,
                                    const QString &key);

// The file with the entry written, or nothing when the names cannot be
// stored so that they read back as the same entry.
std::optional<QByteArray> withEntry(QByteArrayView file, const QString &section,
                                    const QString &key, const QString &value);

// CR LF, CR and LF each become one blank.
QString oneLine(const QString &text);

// A whole file read once, for many entries: lookups and writes with exactly
// the results of findValue and withEntry in turn, without going through the
// file for each entry. A large file hand-grown by a rider is read and
// written in one pass.
class Document {
public:
    explicit Document(QByteArray file);
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    // As findValue on the file with every entry set so far.
    std::optional<QByteArray> find(const QString &section, const QString &key) const;
    // As withEntry; false (and nothing changed) when the names cannot be
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
