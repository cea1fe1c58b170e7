#include "files/settingsfile.h"

#include "files/cp1252.h"
#include "files/fileerror.h"
#include "files/fileio.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <optional>
#include <utility>

namespace trovanta::files {

namespace {

// The file as it stands, a missing one as empty; nothing when it cannot be
// read.
std::optional<QByteArray> load(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return std::nullopt;
    const auto r = io::readFile(path, profiletext::MaxFileSize + 1);
    if (r.openError == ENOENT || r.openError == ENOTDIR)
        return QByteArray();
    if (r.openError || r.readError || r.data.size() > profiletext::MaxFileSize)
        return std::nullopt;
    return r.data;
}

} // namespace

bool settingsFileExists(const QString &path) { return QDir::isAbsolutePath(path) && QFileInfo(path).isFile(); }

namespace {

bool utf8Beyond7Bit(const QByteArray &bytes)
{
    bool beyond = false;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            beyond = true;
            break;
        }
    return beyond && QUtf8StringView(bytes).isValidUtf8();
}

} // namespace

SettingsReader::SettingsReader(const QString &path, SettingsEncoding encoding, qsizetype maxValueLength)
    : doc_(load(path).value_or(QByteArray())), maxValueLength_(maxValueLength),
      utf8_(encoding == SettingsEncoding::Utf8WhenValid && utf8Beyond7Bit(doc_.bytes()))
{
}

QString SettingsReader::readString(const QString &section, const QString &key, const QString &def) const
{
    const auto value = doc_.find(section, key);
    if (!value)
        return def;
    if (utf8_) {
        const QString text = QString::fromUtf8(*value);
        return maxValueLength_ >= 0 ? text.left(maxValueLength_) : text;
    }
    if (maxValueLength_ >= 0 && value->size() > maxValueLength_)
        return cp1252::decode(QByteArrayView(*value).first(maxValueLength_));
    return cp1252::decode(*value);
}

bool SettingsReader::readBool(const QString &section, const QString &key, bool def) const
{
    const auto n = profiletext::parseSwitch(readString(section, key, QString()));
    return n ? *n != 0 : def;
}

SettingsWriter::SettingsWriter(QString path) : path_(std::move(path))
{
    if (auto bytes = load(path_))
        doc_.emplace(std::move(*bytes));
}

void SettingsWriter::writeString(const QString &section, const QString &key, const QString &value)
{
    if (!doc_ || !doc_->set(section, key, value))
        throw cannotWriteTo(path_);
}

void SettingsWriter::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsWriter::commit()
{
    if (!doc_ || io::replaceFile(path_, doc_->bytes()) != 0)
        throw cannotWriteTo(path_);
}

} // namespace trovanta::files
