#pragma once
// The profile file as it was first built, kept as an oracle: every entry
// read or written straight on the file's bytes, one at a time, with its own
// line walking. The fuzz targets and the tests hold the program's one INI
// engine (files::profiletext::Document behind the settings readers and
// writers) against it, and the tests write settings files with it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace trovanta::test {

namespace profile {

// The raw bytes of the entry's whole value, or nothing when it is missing.
std::optional<QByteArray> findValue(QByteArrayView file, const QString &section,
                                    const QString &key);

// The file with the entry written, or nothing when the names cannot be
// stored so that they read back as the same entry.
std::optional<QByteArray> withEntry(QByteArrayView file, const QString &section,
                                    const QString &key, const QString &value);

} // namespace profile

// One entry at a time through the settings reader and writer: each call
// reads the file, a write puts it back at once.
class ProfileFile {
public:
    explicit ProfileFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    // Throws as files::SettingsWriter does.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    QString m_path;
};

} // namespace trovanta::test
