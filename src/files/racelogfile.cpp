#include "files/racelogfile.h"

#include "calc/error.h"
#include "files/cp1252.h"
#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/profile.h"
#include "files/programdir.h"

#include <QDir>
#include <QRegularExpression>

#include <cerrno>
#include <optional>
#include <utility>

namespace trovanta::files {

QString raceLogPath(const QString &baseName, const QString &extension)
{
    const QString name = baseName + extension;
    // Both separators count, so a name typed for Windows is judged the same.
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    bool absolute = QDir::isAbsolutePath(name) || name.startsWith(u'/') || name.startsWith(u'\\');
#ifdef Q_OS_WIN
    absolute = absolute || (name.size() > 1 && name.at(1) == u':'); // "C:name" is relative to drive C
#endif
    if (absolute || name.split(separators).contains(QStringLiteral("..")))
        throw Error(msg::InvalidFileName);
    return programFile(name);
}

QString notesValue(const QString &plainText)
{
    QStringList lines = plainText.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    QString value;
    for (const QString &l : lines)
        value += l + u' ';
    return value;
}

QString notesFromValue(const QString &value)
{
    return value.endsWith(u' ') ? value.chopped(1) : value;
}

namespace {

// The file as it stands, a missing one as empty; nothing when it cannot be
// read (writing it would lose its other lines).
std::optional<QByteArray> load(const QString &path)
{
    const auto r = io::readFile(path, profiletext::MaxFileSize + 1);
    if (r.openError == ENOENT || r.openError == ENOTDIR)
        return QByteArray();
    if (r.openError || r.readError || r.data.size() > profiletext::MaxFileSize)
        return std::nullopt;
    return r.data;
}

} // namespace

RaceLogWriter::RaceLogWriter(QString path) : path_(std::move(path))
{
    const auto bytes = load(path_);
    readable_ = bytes.has_value();
    if (bytes)
        bytes_ = *bytes;
}

void RaceLogWriter::writeString(const QString &section, const QString &key, const QString &value)
{
    if (!readable_)
        throw cannotWriteTo(path_);
    auto out = profiletext::withEntry(bytes_, section, key, value);
    if (!out)
        throw cannotWriteTo(path_);
    bytes_ = std::move(*out);
}

void RaceLogWriter::commit()
{
    if (!readable_ || io::replaceFile(path_, bytes_) != 0)
        throw cannotWriteTo(path_);
}

RaceLogReader::RaceLogReader(const QString &path) : bytes_(load(path).value_or(QByteArray())) {}

QString RaceLogReader::value(const QString &section, const QString &key, const QString &def) const
{
    const auto v = profiletext::findValue(bytes_, section, key);
    return v ? cp1252::decode(*v) : def;
}

} // namespace trovanta::files
