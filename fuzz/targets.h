#pragma once
// The checks behind the fuzz targets, shared by the libFuzzer programs and
// the bounded replay in the tests. Each returns an empty text when the input
// behaved, otherwise what went wrong.

#include "files/cp1252.h"
#include "files/geardata.h"
#include "files/profiletext.h"
#include "support/profile_oracle.h"

#include "calc/error.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trovanta::fuzz {

namespace detail {

// A second, plainly written reading of the INI text to compare against.
struct RefEntry {
    QString section;
    QString key;
    QByteArray value;
};

struct RefLine {
    QByteArray content;
    QByteArray end;
};

inline std::vector<RefLine> splitLines(const QByteArray &file)
{
    std::vector<RefLine> lines;
    qsizetype i = 0;
    while (i < file.size()) {
        RefLine l;
        const qsizetype from = i;
        while (i < file.size() && file[i] != '\r' && file[i] != '\n')
            ++i;
        l.content = file.mid(from, i - from);
        if (i + 1 < file.size() && file[i] == '\r' && file[i + 1] == '\n') {
            l.end = "\r\n";
            i += 2;
        } else if (i < file.size()) {
            l.end = QByteArray(1, file[i++]);
        }
        lines.push_back(l);
    }
    return lines;
}

inline QByteArray trimBlanks(QByteArray s)
{
    while (!s.isEmpty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove(0, 1);
    while (!s.isEmpty() && (s.back() == ' ' || s.back() == '\t'))
        s.chop(1);
    return s;
}

inline std::vector<RefEntry> referenceEntries(const QByteArray &file)
{
    std::vector<RefEntry> out;
    QString section;
    bool inSection = false;
    for (const RefLine &l : splitLines(file)) {
        const QByteArray t = trimBlanks(l.content);
        if (t.isEmpty() || t.startsWith(';'))
            continue;
        if (t.startsWith('[')) {
            const auto close = t.lastIndexOf(']');
            if (close > 0) {
                section = files::cp1252::decode(trimBlanks(t.mid(1, close - 1)));
                inSection = true;
            }
            continue;
        }
        const auto eq = l.content.indexOf('=');
        if (eq >= 0 && inSection)
            out.push_back({section, files::cp1252::decode(trimBlanks(l.content.left(eq))),
                           l.content.mid(eq + 1)});
    }
    return out;
}

inline bool sameNames(const RefEntry &e, const QString &s, const QString &k)
{
    return e.section.compare(s, Qt::CaseInsensitive) == 0 &&
           e.key.compare(k, Qt::CaseInsensitive) == 0;
}

inline std::optional<QByteArray> referenceLookup(const std::vector<RefEntry> &entries,
                                                 const QString &s, const QString &k)
{
    for (const auto &e : entries)
        if (sameNames(e, s, k))
            return e.value;
    return std::nullopt;
}

// The stored form of a name: one line, Windows-1252, trimmed.
inline QString storedName(const QString &name)
{
    return files::cp1252::decode(
        trimBlanks(files::cp1252::encode(files::profiletext::oneLine(name))));
}

// Only the changed entry differs: one line replaced, or one or two lines
// (the entry, or a section and its entry) inserted, perhaps after giving the
// unterminated last line its line end.
inline std::string checkOneChange(const QByteArray &before, const QByteArray &after)
{
    const auto o = splitLines(before);
    const auto n = splitLines(after);
    auto same = [](const RefLine &a, const RefLine &b) {
        return a.content == b.content && a.end == b.end;
    };
    std::size_t p = 0;
    while (p < o.size() && p < n.size() && same(o[p], n[p]))
        ++p;
    std::size_t q = 0;
    while (q < o.size() - p && q < n.size() - p && same(o[o.size() - 1 - q], n[n.size() - 1 - q]))
        ++q;
    const std::size_t midO = o.size() - p - q, midN = n.size() - p - q;
    if (midO == 0 && midN == 0)
        return {};
    if (midO == 1 && midN == 1 && o[p].end == n[p].end)
        return {};
    std::size_t first = p;
    std::size_t added = midN;
    if (midO == 1) {
        // The old last line, now with a line end.
        if (!o[p].end.isEmpty() || midN < 2 || n[p].content != o[p].content || n[p].end != "\r\n")
            return "lines other than the entry changed";
        first = p + 1;
        added = midN - 1;
    } else if (midO != 0) {
        return "more than one line replaced";
    }
    if (added < 1 || added > 2)
        return "wrong number of lines inserted";
    for (std::size_t i = first; i < first + added; ++i)
        if (n[i].end != "\r\n")
            return "inserted line without CR LF";
    if (added == 2 && !n[first].content.startsWith('['))
        return "two lines inserted without a section head";
    return {};
}

// Small deterministic generator for choices derived from the input.
struct Rng {
    std::uint64_t s;
    std::uint64_t next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    std::size_t below(std::size_t n) { return n ? static_cast<std::size_t>(next() % n) : 0; }
};

inline std::uint64_t hashBytes(const std::uint8_t *data, std::size_t size)
{
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 1099511628211ull;
    return h | 1;
}

inline QString sliceText(const QByteArray &file, Rng &rng, std::size_t maxLen)
{
    if (file.isEmpty())
        return {};
    const auto from = static_cast<qsizetype>(rng.below(static_cast<std::size_t>(file.size())));
    const auto len = static_cast<qsizetype>(rng.below(maxLen + 1));
    return files::cp1252::decode(file.mid(from, len));
}

} // namespace detail

inline std::string checkProfile(const std::uint8_t *data, std::size_t size)
{
    // Entries compared after each step; enough to see a neighbour disturbed.
    constexpr std::size_t MaxChecked = 12;
    using namespace files;
    using namespace detail;
    QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Rng rng{hashBytes(data, size)};

    for (int step = 0; step < 4; ++step) {
        const auto entries = referenceEntries(file);
        for (std::size_t i = 0; i < entries.size() && i < MaxChecked; ++i) {
            const auto &e = entries[i];
            if (trovanta::test::profile::findValue(file, e.section, e.key) !=
                referenceLookup(entries, e.section, e.key))
                return "lookup differs from the reference reading";
        }
        for (const auto &e : entries)
            (void)profiletext::parseSwitch(cp1252::decode(e.value));
        if (step == 3)
            break;

        // What to write: an existing entry, a new key in an existing
        // section, or names and values cut from the input itself.
        QString s, k;
        const std::size_t pick = rng.below(4);
        if (pick == 0 && !entries.empty()) {
            const auto &e = entries[rng.below(entries.size())];
            s = rng.below(2) ? e.section.toUpper() : e.section;
            k = e.key;
        } else if (pick == 1 && !entries.empty()) {
            s = entries[rng.below(entries.size())].section;
            k = sliceText(file, rng, 12);
        } else if (pick == 2) {
            s = QStringLiteral("Strecke");
            k = QString::fromUtf8("Température d air (°C)");
        } else {
            s = sliceText(file, rng, 12);
            k = sliceText(file, rng, 12);
        }
        QString v = sliceText(file, rng, 40);
        if (rng.below(32) == 0)
            v = v.repeated(3000 / (v.size() + 1) + 1);

        const auto out = trovanta::test::profile::withEntry(file, s, k, v);
        const QByteArray keyBytes = trimBlanks(cp1252::encode(profiletext::oneLine(k)));
        const bool storable = !keyBytes.contains('=') && !keyBytes.startsWith('[') &&
                              !keyBytes.startsWith(';');
        if (!out) {
            if (storable)
                return "a storable entry was refused";
            continue;
        }
        if (!storable)
            return "an entry that cannot be read back was written";
        if (trovanta::test::profile::findValue(*out, s, k) != cp1252::encode(profiletext::oneLine(v)))
            return "the written value does not read back";
        const QString ss = storedName(s), sk = storedName(k);
        for (std::size_t i = 0; i < entries.size() && i < MaxChecked; ++i) {
            const auto &e = entries[i];
            if (sameNames(e, ss, sk))
                continue;
            if (trovanta::test::profile::findValue(*out, e.section, e.key) !=
                referenceLookup(entries, e.section, e.key))
                return "another entry changed";
        }
        if (auto err = checkOneChange(file, *out); !err.empty())
            return err;
        file = *out;
    }
    return {};
}

// The INI reader on a whole file read once: what it finds is what the plain
// reading finds, and the entries it writes give the bytes that writing them
// one by one gives. Light enough for millions of inputs.
inline std::string checkIniReader(const std::uint8_t *data, std::size_t size)
{
    using namespace files;
    using namespace detail;
    const QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Rng rng{hashBytes(data, size)};
    const auto entries = referenceEntries(file);
    profiletext::Document doc(file);
    for (std::size_t i = 0; i < entries.size() && i < 8; ++i) {
        const auto &e = entries[rng.below(entries.size())];
        if (doc.find(e.section, e.key) != referenceLookup(entries, e.section, e.key))
            return "the reader differs from the reference reading";
    }
    QByteArray expected = file;
    for (int i = 0; i < 3; ++i) {
        const QString s = i == 0 && !entries.empty() ? entries[rng.below(entries.size())].section
                                                     : sliceText(file, rng, 10);
        const QString k = sliceText(file, rng, 10), v = sliceText(file, rng, 20);
        if (doc.find(s, k) != trovanta::test::profile::findValue(expected, s, k))
            return "the reader differs from the lookup";
        const auto next = trovanta::test::profile::withEntry(expected, s, k, v);
        if (doc.set(s, k, v) != next.has_value())
            return "the reader takes an entry the writer refuses, or the other way round";
        if (next)
            expected = *next;
    }
    if (doc.bytes() != expected)
        return "the written file differs from entry-by-entry writes";
    return {};
}

inline std::string checkGear(const std::uint8_t *data, std::size_t size)
{
    using namespace files;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DecodedGear d = decodeGearRecord(bytes);
    if (d.complete != (bytes.size() >= gear::RecordSize))
        return "completeness does not follow the length";
    if (!d.complete && (d.record.shiftMark != gear::FallbackShiftMark ||
                        d.record.redZone != gear::FallbackRedZone))
        return "short record without the fallback marks";
    if (d.record.title.size() > gear::MaxTitle)
        return "title longer than 100 characters";

    const QByteArray enc = encodeGearRecord(d.record);
    if (enc.size() != gear::RecordSize)
        return "record not 192 bytes";
    const DecodedGear again = decodeGearRecord(enc);
    if (!again.complete || again.record != d.record)
        return "record does not survive encode and decode";

    // A whole record is gear data when its layout is the one the program
    // writes and its ratio texts read back; a short one always is.
    bool canonical = true;
    if (d.complete) {
        const int n = static_cast<unsigned char>(bytes[0]);
        canonical = n <= gear::MaxTitle;
        for (int i = 1 + std::min(n, gear::MaxTitle); canonical && i < 104; ++i)
            canonical = bytes[i] == 0;
        for (int i = 124; canonical && i < 128; ++i)
            canonical = bytes[i] == 0;
        if (canonical && enc != bytes.left(gear::RecordSize))
            return "canonical record not written back byte for byte";
    }
    const bool accepted = isGearRecord(bytes);
    if (!d.complete && !accepted)
        return "short record refused";
    if (!canonical && accepted)
        return "record of another layout accepted";

    const GearFileTexts texts = gearTexts(d.record, ',');
    bool readsBack = true;
    try {
        const GearRecord back = gearRecordFromTexts(texts, ',');
        auto close = [](double a, double b) {
            return a == b || std::fabs(a - b) <= 1e-14 * std::fabs(a) || std::fabs(a) < 1e-300;
        };
        if (back.title != d.record.title || back.front != d.record.front ||
            back.rear != d.record.rear || back.rim != d.record.rim ||
            back.width != d.record.width || back.height != d.record.height ||
            back.shiftMark != d.record.shiftMark || back.redZone != d.record.redZone)
            return "field texts do not convert back";
        if (!close(d.record.primary, back.primary))
            return "primary ratio text does not convert back";
        for (std::size_t i = 0; i < 6; ++i)
            if (!close(d.record.gears[i], back.gears[i]))
                return "gear ratio text does not convert back";
    } catch (const Error &) {
        readsBack = false;
    }
    if (d.complete && accepted && !readsBack)
        return "accepted record shows texts that do not read back";
    if (d.complete && canonical && !accepted && readsBack)
        return "record refused whose texts read back";
    // Short records are not checked; their finite numbers must come back,
    // except at the very top of the range, where the 15-digit text rounds
    // beyond the largest double.
    auto ordinary = [](double v) { return std::isfinite(v) && std::fabs(v) < 1.7e308; };
    bool finite = ordinary(d.record.primary);
    for (double g : d.record.gears)
        finite = finite && ordinary(g);
    if (!d.complete && finite && !readsBack)
        return "field texts of finite numbers are refused";
    return {};
}

} // namespace trovanta::fuzz
