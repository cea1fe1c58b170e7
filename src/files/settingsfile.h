#pragma once
// The one way the settings files and the race log exports are read and
// written. A reader loads the file once and answers every entry from that;
// a writer loads it once, applies the entries in the order they are written
// as the profile file would one by one, and puts the file on disk once, at
// commit, with a single crash-safe replace: a save that fails or is killed
// halfway leaves the previous file whole, never a mixture of two saves.

#include "files/profiletext.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace trovanta::files {

// Only absolute paths are settings files: a relative one (no program
// directory) reads as empty and cannot be written.
// Whether a settings file is there to be read: an absolute path to a file.
bool settingsFileExists(const QString &path);

// How a settings file's bytes are read: the program's own files of old as
// Windows-1252; the files added since as UTF-8 when the whole file is valid
// UTF-8 holding something beyond ASCII (a file edited by hand), else as
// Windows-1252, which is what they are written in.
enum class SettingsEncoding { Utf8WhenValid, Windows1252 };

class SettingsReader {
public:
    // A missing or unreadable file reads as empty. Values come back cut to
    // `maxValueLength` characters (no cut when negative).
    explicit SettingsReader(const QString &path, SettingsEncoding encoding = SettingsEncoding::Utf8WhenValid,
                            qsizetype maxValueLength = profiletext::MaxValueLength);

    QString readString(const QString &section, const QString &key, const QString &def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;

private:
    profiletext::Document doc_;
    qsizetype maxValueLength_;
    bool utf8_ = false;
};

class SettingsWriter {
public:
    explicit SettingsWriter(QString path);

    // Throw "nach <path> kann nicht geschrieben werden" when the existing
    // file cannot be read (its other lines would be lost) or a name cannot
    // be stored so that it reads back as the same entry. Nothing reaches the
    // disk before commit.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeBool(const QString &section, const QString &key, bool value);

    // One replace of the whole file; throws as above when it fails.
    void commit();

    const QString &path() const { return path_; }

private:
    QString path_;
    std::optional<profiletext::Document> doc_; // none: the file cannot be read
};

} // namespace trovanta::files
