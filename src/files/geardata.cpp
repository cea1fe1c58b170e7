#include "files/geardata.h"

#include "calc/numtext.h"
#include "files/cp1252.h"
#include "files/fileerror.h"
#include "files/fileio.h"

#include <QFileInfo>
#include <QtEndian>

#include <array>
#include <cmath>
#include <cstring>

namespace trovanta::files {

namespace {

namespace off {
constexpr int Length = 0;
constexpr int Title = 1;
constexpr int Front = 104;
constexpr int Rear = 108;
constexpr int Rim = 112;
constexpr int Width = 116;
constexpr int Height = 120;
constexpr int Padding = 124;
constexpr int Primary = 128;
constexpr int Gear1 = 136;
constexpr int ShiftMark = 184;
constexpr int RedZone = 188;
} // namespace off

// The record being read, always whole: a short file leaves the rest zero.
using Record = std::array<char, gear::RecordSize>;

void putInt(QByteArray &b, int at, qint32 v) { qToLittleEndian(v, b.data() + at); }
qint32 getInt(const Record &b, int at) { return qFromLittleEndian<qint32>(b.data() + at); }

void putDouble(QByteArray &b, int at, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian(bits, b.data() + at);
}

double getDouble(const char *at)
{
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
double getDouble(const Record &b, int at) { return getDouble(b.data() + at); }

// The open command shows a ratio as its shortest text; one that text does
// not read back from would be lost at the next run or save.
bool showsAsNumber(double v)
{
    double back;
    return std::isfinite(v) && num::tryParseDecimal(num::formatShortest(v, '.'), '.', back);
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

QByteArray encodeTitle(const QString &title)
{
    return cp1252::encode(title).left(gear::MaxTitle);
}

// A surrogate pair is one character, as it is one byte ("?") in the file.
QString firstCharacters(const QString &text, int count)
{
    qsizetype i = 0;
    for (int n = 0; n < count && i < text.size(); ++n)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return text.left(i);
}

} // namespace

bool GearRecord::operator==(const GearRecord &o) const
{
    if (!sameBits(primary, o.primary))
        return false;
    for (std::size_t i = 0; i < gears.size(); ++i)
        if (!sameBits(gears[i], o.gears[i]))
            return false;
    return title == o.title && front == o.front && rear == o.rear && rim == o.rim &&
           width == o.width && height == o.height && shiftMark == o.shiftMark &&
           redZone == o.redZone;
}

QByteArray encodeGearRecord(const GearRecord &r)
{
    QByteArray b(gear::RecordSize, '\0');
    const QByteArray title = encodeTitle(r.title);
    b[off::Length] = static_cast<char>(title.size());
    std::memcpy(b.data() + off::Title, title.constData(), static_cast<std::size_t>(title.size()));
    putInt(b, off::Front, r.front);
    putInt(b, off::Rear, r.rear);
    putInt(b, off::Rim, r.rim);
    putInt(b, off::Width, r.width);
    putInt(b, off::Height, r.height);
    putDouble(b, off::Primary, r.primary);
    for (int i = 0; i < 6; ++i)
        putDouble(b, off::Gear1 + 8 * i, r.gears[static_cast<std::size_t>(i)]);
    putInt(b, off::ShiftMark, r.shiftMark);
    putInt(b, off::RedZone, r.redZone);
    return b;
}

DecodedGear decodeGearRecord(const QByteArray &bytes)
{
    Record b{};
    std::memcpy(b.data(), bytes.constData(),
                static_cast<std::size_t>(std::min(bytes.size(), gear::RecordSize)));
    DecodedGear d;
    GearRecord &r = d.record;
    const int n = std::min<int>(static_cast<unsigned char>(b[off::Length]), gear::MaxTitle);
    r.title = cp1252::decode(QByteArrayView(b.data() + off::Title, n));
    r.front = getInt(b, off::Front);
    r.rear = getInt(b, off::Rear);
    r.rim = getInt(b, off::Rim);
    r.width = getInt(b, off::Width);
    r.height = getInt(b, off::Height);
    r.primary = getDouble(b, off::Primary);
    for (int i = 0; i < 6; ++i)
        r.gears[static_cast<std::size_t>(i)] = getDouble(b, off::Gear1 + 8 * i);
    d.complete = bytes.size() >= gear::RecordSize;
    if (d.complete) {
        r.shiftMark = getInt(b, off::ShiftMark);
        r.redZone = getInt(b, off::RedZone);
    } else {
        r.shiftMark = gear::FallbackShiftMark;
        r.redZone = gear::FallbackRedZone;
    }
    return d;
}

bool isGearRecord(QByteArrayView bytes)
{
    if (bytes.size() < gear::RecordSize)
        return true;
    const auto zeroFrom = [&](int from, int to) {
        for (int at = from; at < to; ++at)
            if (bytes[at] != 0)
                return false;
        return true;
    };
    const int n = static_cast<unsigned char>(bytes[off::Length]);
    if (n > gear::MaxTitle || !zeroFrom(off::Title + n, off::Front) || !zeroFrom(off::Padding, off::Primary))
        return false;
    for (int at = off::Primary; at < off::ShiftMark; at += 8)
        if (!showsAsNumber(getDouble(bytes.data() + at)))
            return false;
    return true;
}

DecodedGear readGearFile(const QString &path)
{
    const auto r = io::readFile(path, gear::RecordSize);
    if (r.openError)
        throw fileError(r.openError);
    // Anything else opened by mistake would fill the fields with garbage
    // that the exit save then keeps.
    if (!isGearRecord(r.data))
        throw notGearFile(QFileInfo(path).fileName());
    // A read that breaks off leaves a short record, handled like a short file.
    return decodeGearRecord(r.data);
}

void writeGearFile(const QString &path, const GearRecord &record)
{
    // A file the user may write in a folder that takes no new files is
    // overwritten in place, as the user expects.
    if (const int err = io::replaceFile(path, encodeGearRecord(record), true))
        throw fileError(err);
}

GearFileTexts gearTexts(const GearRecord &r, char sep)
{
    auto d = [sep](double v) { return num::formatShortest(v, sep); };
    GearFileTexts t;
    gearing::SetTexts &s = t.set;
    t.title = r.title;
    s.front = num::formatInt(r.front);
    s.rear = num::formatInt(r.rear);
    s.rim = num::formatInt(r.rim);
    s.width = num::formatInt(r.width);
    s.height = num::formatInt(r.height);
    s.primary = d(r.primary);
    for (std::size_t g = 0; g < 6; ++g)
        s.gears[g] = d(r.gears[g]);
    t.shiftMark = num::formatInt(r.shiftMark);
    t.redZone = num::formatInt(r.redZone);
    return t;
}

GearRecord gearRecordFromTexts(const GearFileTexts &t, char sep)
{
    auto i = [](const std::string &s) { return num::parseInteger(s); };
    auto d = [sep](const std::string &s) { return num::parseDecimal(s, sep); };
    const gearing::SetTexts &s = t.set;
    GearRecord r;
    r.title = firstCharacters(t.title, gear::MaxTitle);
    r.front = i(s.front);
    r.rear = i(s.rear);
    r.rim = i(s.rim);
    r.width = i(s.width);
    r.height = i(s.height);
    r.primary = d(s.primary);
    for (std::size_t g = 0; g < 6; ++g)
        r.gears[g] = d(s.gears[g]);
    r.shiftMark = i(t.shiftMark);
    r.redZone = i(t.redZone);
    return r;
}

} // namespace trovanta::files
