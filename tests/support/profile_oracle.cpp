#include "support/profile_oracle.h"

#include "files/cp1252.h"
#include "files/profiletext.h"
#include "files/settingsfile.h"

#include <vector>

namespace trovanta::test {

namespace profile {

using files::profiletext::oneLine;
namespace cp1252 = files::cp1252;

namespace {

// One line of the file as the first profile file saw it.
struct Line {
    qsizetype start = 0, contentEnd = 0, next = 0; // content, then its line end
    enum Kind { Blank, Other, Section, Entry } kind = Blank;
    QByteArray name;  // section or key, blanks trimmed
    QByteArray value; // entries: all after the first "="
};

QByteArray trimmed(QByteArray s)
{
    while (!s.isEmpty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove(0, 1);
    while (!s.isEmpty() && (s.back() == ' ' || s.back() == '\t'))
        s.chop(1);
    return s;
}

Line classify(const QByteArray &content)
{
    Line l;
    const QByteArray t = trimmed(content);
    if (t.isEmpty())
        return l;
    l.kind = Line::Other;
    if (t[0] == ';')
        return l;
    if (t[0] == '[') {
        const qsizetype close = t.lastIndexOf(']');
        if (close > 0) {
            l.kind = Line::Section;
            l.name = trimmed(t.mid(1, close - 1));
        }
        return l;
    }
    if (const qsizetype eq = content.indexOf('='); eq >= 0) {
        l.kind = Line::Entry;
        l.name = trimmed(content.left(eq));
        l.value = content.mid(eq + 1);
    }
    return l;
}

// Every line, ended by CR LF, LF or CR, one at a time.
std::vector<Line> linesOf(QByteArrayView file)
{
    std::vector<Line> out;
    for (qsizetype at = 0; at < file.size();) {
        qsizetype end = at;
        while (end < file.size() && file[end] != '\n' && file[end] != '\r')
            ++end;
        Line l = classify(file.sliced(at, end - at).toByteArray());
        l.start = at;
        l.contentEnd = end;
        if (end < file.size())
            end += (file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n') ? 2 : 1;
        l.next = at = end;
        out.push_back(std::move(l));
    }
    return out;
}

// Names match without regard to case, letter by letter of the code page.
bool sameName(const QByteArray &a, const QByteArray &b)
{
    const QString x = cp1252::decode(a), y = cp1252::decode(b);
    if (x.size() != y.size())
        return false;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (x[i].toCaseFolded() != y[i].toCaseFolded())
            return false;
    return true;
}

QByteArray stored(const QString &text) { return cp1252::encode(oneLine(text)); }

} // namespace

std::optional<QByteArray> findValue(QByteArrayView file, const QString &section, const QString &key)
{
    const QByteArray s = trimmed(stored(section)), k = trimmed(stored(key));
    bool inSection = false;
    for (const Line &l : linesOf(file)) {
        if (l.kind == Line::Section)
            inSection = sameName(l.name, s);
        else if (l.kind == Line::Entry && inSection && sameName(l.name, k))
            return l.value;
    }
    return std::nullopt;
}

std::optional<QByteArray> withEntry(QByteArrayView file, const QString &section, const QString &key,
                                    const QString &value)
{
    const QByteArray header = '[' + stored(section) + ']', entry = stored(key) + '=' + stored(value);
    // Only what reads back as the same section and entry is written.
    const Line h = classify(header), e = classify(entry);
    if (h.kind != Line::Section || h.name != trimmed(stored(section)) || e.kind != Line::Entry ||
        e.name != trimmed(stored(key)) || e.value != stored(value))
        return std::nullopt;

    const QByteArray bytes = file.toByteArray();
    const std::vector<Line> lines = linesOf(file);
    // The entry where it stands in any section of that name; else after the
    // last line that is not blank in the first such section; else a new
    // section at the end.
    const Line *firstSectionEnd = nullptr;
    bool inSection = false, inFirst = false;
    for (const Line &l : lines) {
        if (l.kind == Line::Section) {
            inSection = sameName(l.name, h.name);
            inFirst = inSection && !firstSectionEnd;
            if (inFirst)
                firstSectionEnd = &l;
        } else if (inSection && l.kind == Line::Entry && sameName(l.name, e.name)) {
            return bytes.left(l.start) + entry + bytes.mid(l.contentEnd);
        } else if (inFirst && l.kind != Line::Blank) {
            firstSectionEnd = &l;
        }
    }
    if (firstSectionEnd) {
        const Line &l = *firstSectionEnd;
        const QByteArray ending = l.next == l.contentEnd ? QByteArray("\r\n") : QByteArray();
        return bytes.left(l.next) + ending + entry + "\r\n" + bytes.mid(l.next);
    }
    QByteArray out = bytes;
    if (!out.isEmpty() && out.back() != '\n' && out.back() != '\r')
        out += "\r\n";
    return out + header + "\r\n" + entry + "\r\n";
}

} // namespace profile

QString ProfileFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return files::SettingsReader(m_path, files::SettingsEncoding::Windows1252).readString(section, key, def);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool def) const
{
    return files::SettingsReader(m_path, files::SettingsEncoding::Windows1252).readBool(section, key, def);
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
