#include "support/profile_oracle.h"

#include "files/cp1252.h"
#include "files/profiletext.h"
#include "files/settingsfile.h"

#include <array>
#include <cstring>

namespace trovanta::test {

namespace profile {

using files::profiletext::oneLine;
namespace cp1252 = files::cp1252;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView s)
{
    const char *b = s.data(), *e = b + s.size();
    while (b < e && isBlank(*b))
        ++b;
    while (e > b && isBlank(e[-1]))
        --e;
    return QByteArrayView(b, e - b);
}

enum class Kind { Blank, Other, Section, Entry };

struct Line {
    qsizetype start = 0;
    qsizetype contentEnd = 0; // before the line end
    qsizetype next = 0;       // after the line end
    Kind kind = Kind::Blank;
    QByteArrayView name;      // section name or key, trimmed
    QByteArrayView value;     // entries: everything after the first "="
};

void classify(QByteArrayView content, Line &line)
{
    const QByteArrayView t = trimmed(content);
    line.name = {};
    line.value = {};
    if (t.isEmpty()) {
        line.kind = Kind::Blank;
    } else if (t[0] == ';') {
        line.kind = Kind::Other;
    } else if (t[0] == '[') {
        // The last "]" closes the name, so names may hold "]" themselves.
        const auto close = t.lastIndexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = trimmed(t.sliced(1, close - 1));
        } else {
            line.kind = Kind::Other;
        }
    } else {
        const auto eq = content.indexOf('=');
        if (eq >= 0) {
            line.kind = Kind::Entry;
            line.name = trimmed(content.first(eq));
            line.value = content.sliced(eq + 1);
        } else {
            line.kind = Kind::Other;
        }
    }
}

// Walks the lines of a file; CR LF, LF and CR end a line.
class Lines {
public:
    explicit Lines(QByteArrayView file) : m_file(file) {}

    bool next(Line &line)
    {
        if (m_pos >= m_file.size())
            return false;
        line.start = m_pos;
        // The line end found with memchr: settings files of many megabytes
        // are walked on every save.
        const char *data = m_file.data();
        const qsizetype size = m_file.size();
        qsizetype i = size;
        if (const void *lf = std::memchr(data + m_pos, '\n', static_cast<std::size_t>(size - m_pos)))
            i = static_cast<const char *>(lf) - data;
        if (const void *cr = std::memchr(data + m_pos, '\r', static_cast<std::size_t>(i - m_pos)))
            i = static_cast<const char *>(cr) - data;
        line.contentEnd = i;
        if (i < size)
            i += (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ? 2 : 1;
        line.next = m_pos = i;
        classify(m_file.sliced(line.start, line.contentEnd - line.start), line);
        return true;
    }

private:
    QByteArrayView m_file;
    qsizetype m_pos = 0;
};

// The form in which a wanted name meets the names in the file: as it would
// be stored, trimmed.
QByteArray wantedName(const QString &name)
{
    return trimmed(cp1252::encode(oneLine(name))).toByteArray();
}

// Case folding of every byte of the code page, so that names compare without
// decoding them.
const std::array<char16_t, 256> &foldTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            t[static_cast<std::size_t>(b)] =
                static_cast<char16_t>(QChar::toCaseFolded(
                    char32_t(cp1252::decode(QByteArrayView(&byte, 1)).at(0).unicode())));
        }
        return t;
    }();
    return table;
}

bool sameName(QByteArrayView inFile, QByteArrayView wanted)
{
    if (inFile.size() != wanted.size())
        return false;
    const auto &fold = foldTable();
    for (qsizetype i = 0; i < inFile.size(); ++i)
        if (fold[static_cast<unsigned char>(inFile[i])] != fold[static_cast<unsigned char>(wanted[i])])
            return false;
    return true;
}

const QByteArray Crlf = "\r\n";

} // namespace

std::optional<QByteArray> findValue(QByteArrayView file, const QString &section,
                                    const QString &key)
{
    const QByteArray s = wantedName(section);
    const QByteArray k = wantedName(key);
    bool inSection = false;
    Lines lines(file);
    Line line;
    while (lines.next(line)) {
        if (line.kind == Kind::Section)
            inSection = sameName(line.name, s);
        else if (line.kind == Kind::Entry && inSection && sameName(line.name, k))
            return line.value.toByteArray();
    }
    return std::nullopt;
}

std::optional<QByteArray> withEntry(QByteArrayView file, const QString &section,
                                    const QString &key, const QString &value)
{
    const QByteArray sectionBytes = cp1252::encode(oneLine(section));
    const QByteArray keyBytes = cp1252::encode(oneLine(key));
    const QByteArray valueBytes = cp1252::encode(oneLine(value));
    const QByteArray header = '[' + sectionBytes + ']';
    const QByteArray entry = keyBytes + '=' + valueBytes;

    // Write only what reads back as the same section and entry.
    Line probe;
    classify(header, probe);
    if (probe.kind != Kind::Section || probe.name != trimmed(sectionBytes))
        return std::nullopt;
    classify(entry, probe);
    if (probe.kind != Kind::Entry || probe.name != trimmed(keyBytes) || probe.value != valueBytes)
        return std::nullopt;

    const QByteArrayView s = trimmed(sectionBytes);
    const QByteArrayView k = trimmed(keyBytes);
    bool inSection = false;
    bool sectionSeen = false;
    bool inFirstSection = false;
    Line insertAfter; // the last non-blank line of the first matching section
    Lines lines(file);
    Line line;
    while (lines.next(line)) {
        if (line.kind == Kind::Section) {
            inSection = sameName(line.name, s);
            inFirstSection = inSection && !sectionSeen;
            if (inFirstSection) {
                sectionSeen = true;
                insertAfter = line;
            }
            continue;
        }
        if (inSection && line.kind == Kind::Entry && sameName(line.name, k)) {
            QByteArray out = file.first(line.start).toByteArray();
            out += entry;
            out += file.sliced(line.contentEnd);
            return out;
        }
        if (inFirstSection && line.kind != Kind::Blank)
            insertAfter = line;
    }

    QByteArray out;
    if (sectionSeen) {
        out.reserve(file.size() + entry.size() + 4);
        out += file.first(insertAfter.next);
        if (insertAfter.next == insertAfter.contentEnd) // last line, unterminated
            out += Crlf;
        out += entry + Crlf;
        out += file.sliced(insertAfter.next);
        return out;
    }
    out.reserve(file.size() + header.size() + entry.size() + 6);
    out += file;
    if (!file.isEmpty() && file.back() != '\n' && file.back() != '\r')
        out += Crlf;
    out += header + Crlf + entry + Crlf;
    return out;
}

} // namespace profile

QString ProfileFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return files::SettingsReader(m_path).readString(section, key, def);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool def) const
{
    return files::SettingsReader(m_path).readBool(section, key, def);
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    files::SettingsWriter w(m_path);
    w.writeString(section, key, value);
    w.commit();
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace trovanta::test
