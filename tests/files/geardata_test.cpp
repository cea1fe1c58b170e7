// The gear data record: byte layout, short and foreign files, field texts
// and the file errors of opening and saving.
#include "files/geardata.h"

#include "support/error_of.h"
#include "support/files.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

using namespace trovanta;
using namespace trovanta::files;
using namespace trovanta::test;

namespace {

GearRecord defaultSet()
{
    GearRecord r;
    r.title = QString::fromUtf8("Übersetzungsdiagramm Suzuki TL 1000 S '97 original");
    r.front = 17;
    r.rear = 38;
    r.rim = 17;
    r.width = 190;
    r.height = 50;
    r.primary = 1.84;
    r.gears = {2.67, 1.93, 1.50, 1.23, 1.09, 1.00};
    r.shiftMark = 7000;
    r.redZone = 11000;
    return r;
}

// The record laid out by hand from the offset table.
void putLe(QByteArray &b, int at, const void *value, int size)
{
    quint64 v = 0;
    std::memcpy(&v, value, static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void putI32(QByteArray &b, int at, qint32 v) { putLe(b, at, &v, 4); }
void putF64(QByteArray &b, int at, double v) { putLe(b, at, &v, 8); }

QByteArray golden(const QByteArray &title1252, const GearRecord &r)
{
    QByteArray b(192, '\0');
    b[0] = static_cast<char>(title1252.size());
    b.replace(1, title1252.size(), title1252);
    putI32(b, 104, r.front);
    putI32(b, 108, r.rear);
    putI32(b, 112, r.rim);
    putI32(b, 116, r.width);
    putI32(b, 120, r.height);
    putF64(b, 128, r.primary);
    for (int i = 0; i < 6; ++i)
        putF64(b, 136 + 8 * i, r.gears[static_cast<std::size_t>(i)]);
    putI32(b, 184, r.shiftMark);
    putI32(b, 188, r.redZone);
    return b;
}

std::string hexDiff(const QByteArray &a, const QByteArray &b)
{
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return "first difference at offset " + std::to_string(i);
    return a.size() == b.size() ? "" : "sizes differ";
}

} // namespace

TEST(GearRecord, DefaultSetIsLaidOutByteForByte)
{
    const GearRecord r = defaultSet();
    const QByteArray expected =
        golden("\xDC" "bersetzungsdiagramm Suzuki TL 1000 S '97 original", r);
    const QByteArray enc = encodeGearRecord(r);
    EXPECT_EQ(enc.size(), 192);
    EXPECT_EQ(enc, expected) << hexDiff(enc, expected);
    EXPECT_EQ(static_cast<unsigned char>(enc[0]), 50);

    const DecodedGear d = decodeGearRecord(expected);
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.record, r);
}

TEST(GearRecord, TitleCutAndCodePage)
{
    GearRecord r = defaultSet();
    struct Case {
        QString title;
        QByteArray stored;
    };
    const std::vector<Case> cases = {
        {QString(), QByteArray()},
        {QString(120, u'a'), QByteArray(100, 'a')},
        {QString(100, u'b'), QByteArray(100, 'b')},
        {QString::fromUtf8("Łódź € °"), "?\xF3" "d? \x80 \xB0"},
        // A character beyond the BMP is one "?" and counts as one of the 100.
        {QString::fromUtf8("😀") + QString(120, u'c'), "?" + QByteArray(99, 'c')},
    };
    for (const auto &c : cases) {
        r.title = c.title;
        EXPECT_EQ(encodeGearRecord(r), golden(c.stored, r)) << c.title.toStdString();
    }
}

TEST(GearRecord, ShortAndForeignFiles)
{
    const GearRecord r = defaultSet();
    const QByteArray full = encodeGearRecord(r);

    // An older 184-byte file: everything but the marks, which fall back.
    DecodedGear d = decodeGearRecord(full.left(184));
    EXPECT_FALSE(d.complete);
    GearRecord expected = r;
    expected.shiftMark = 10000;
    expected.redZone = 10500;
    EXPECT_EQ(d.record, expected);

    // A file cut inside the red zone keeps nothing of it either.
    d = decodeGearRecord(full.left(190));
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(d.record.shiftMark, 10000);
    EXPECT_EQ(d.record.redZone, 10500);

    // An empty file: empty title, zero numbers, the fallback marks.
    d = decodeGearRecord(QByteArray());
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(d.record.title, QString());
    EXPECT_EQ(d.record.front, 0);
    EXPECT_EQ(d.record.primary, 0.0);
    EXPECT_EQ(d.record.gears[5], 0.0);
    EXPECT_EQ(d.record.shiftMark, 10000);
    EXPECT_EQ(d.record.redZone, 10500);

    // Longer than a record: the rest is ignored.
    d = decodeGearRecord(full + QByteArray(50, '\xFF'));
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.record, r);

    // A length byte above 100 reads the 100 characters there are.
    QByteArray foreign = full;
    foreign[0] = static_cast<char>(250);
    foreign.replace(1, 100, QByteArray(100, 'z'));
    foreign[101] = 'X'; // padding, never part of the title
    d = decodeGearRecord(foreign);
    EXPECT_EQ(d.record.title, QString(100, u'z'));

    // A title shorter than its length byte says only reads its length.
    foreign = full;
    foreign[0] = 3;
    EXPECT_EQ(decodeGearRecord(foreign).record.title, QString::fromUtf8("Übe"));
}

TEST(GearRecord, FieldTexts)
{
    GearRecord r = defaultSet();
    r.gears[2] = 1.5;
    const GearFileTexts t = gearTexts(r, ',');
    EXPECT_EQ(t.set.rim, "17");
    EXPECT_EQ(t.set.width, "190");
    EXPECT_EQ(t.set.primary, "1,84");
    EXPECT_EQ(t.set.gears[2], "1,5");
    EXPECT_EQ(t.set.gears[5], "1");
    EXPECT_EQ(t.shiftMark, "7000");
    EXPECT_EQ(t.set.slip, "") << "not in the file";
    EXPECT_FALSE(t.set.circumference) << "not in the file";
    EXPECT_EQ(gearTexts(r, '.').set.primary, "1.84");
    r.front = -5;
    EXPECT_EQ(gearTexts(r, ',').set.front, "-5");

    // Typed texts, converted and shown again.
    GearFileTexts typed = gearTexts(defaultSet(), ',');
    typed.set.gears[5] = "1,00";
    typed.set.gears[2] = "1,50";
    typed.set.slip = "kein Schlupf"; // never read
    typed.title = QString(120, u't');
    const GearRecord back = gearRecordFromTexts(typed, ',');
    EXPECT_EQ(back.gears[5], 1.0);
    EXPECT_EQ(back.title, QString(100, u't'));
    const GearFileTexts shown = gearTexts(decodeGearRecord(encodeGearRecord(back)).record, ',');
    EXPECT_EQ(shown.set.gears[5], "1");
    EXPECT_EQ(shown.set.gears[2], "1,5");
}

TEST(GearRecord, FirstBadFieldInSaveOrderIsReported)
{
    using gearing::SetField;
    struct Case {
        std::optional<SetField> field; // none: the red zone
        const char *text;
        const char *message;
    };
    const std::vector<Case> cases = {
        {SetField::Front, "x", "'x' ist kein gültiger Integerwert"},
        {SetField::Height, "50,5", "'50,5' ist kein gültiger Integerwert"},
        {SetField::Primary, "1.84", "'1.84' ist kein gültiger Gleitkommawert"},
        {SetField::Gear4, "", "'' ist kein gültiger Gleitkommawert"},
        {std::nullopt, "rot", "'rot' ist kein gültiger Integerwert"},
    };
    for (const auto &c : cases) {
        GearFileTexts t = gearTexts(defaultSet(), ',');
        // A later bad field must not be the one reported.
        t.redZone = c.field ? "spaeter" : c.text;
        if (c.field)
            t.set[*c.field] = c.text;
        EXPECT_EQ(errorOf([&] { gearRecordFromTexts(t, ','); }), c.message) << c.text;
    }
}

TEST(GearRecord, WholeRecordsThatAreNoGearDataAreRefused)
{
    auto f64 = [](double v) {
        QByteArray b(8, '\0');
        putF64(b, 0, v);
        return b;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double max = std::numeric_limits<double>::max();
    struct Case {
        const char *name;
        int at;
        QByteArray put;
        bool accepted;
    };
    // The default record has a title of 50 bytes.
    const std::vector<Case> cases = {
        {"length byte 101", 0, "\x65", false},
        {"title of 100 bytes", 0, "\x64" + QByteArray(100, 't'), true},
        {"byte right after the title", 51, "x", false},
        {"last unused title byte", 100, "x", false},
        {"padding after the title", 101, "\x01", false},
        {"end of that padding", 103, "\x80", false},
        {"padding before the ratios", 124, "\x01", false},
        {"end of that padding", 127, "\xFF", false},
        {"primary NaN", 128, f64(std::numeric_limits<double>::quiet_NaN()), false},
        {"gear 1 minus infinity", 136, f64(-inf), false},
        {"gear 6 infinity", 176, f64(inf), false},
        // Its text, 1,79769313486232E308, rounds past the largest double.
        {"gear 3 largest double", 152, f64(max), false},
        {"gear 3 largest that reads back", 152, f64(1.79769313486231e308), true},
        {"gear 2 tiniest double", 144, f64(std::numeric_limits<double>::denorm_min()), true},
        {"bytes past the record", 192, "\xFF\xFF", true},
    };
    const QByteArray good = encodeGearRecord(defaultSet());
    ASSERT_TRUE(isGearRecord(good));
    for (const Case &c : cases) {
        QByteArray b = good;
        b.replace(c.at, c.put.size(), c.put);
        EXPECT_EQ(isGearRecord(b), c.accepted) << c.name;
        // Short files keep being read as far as they go.
        EXPECT_TRUE(isGearRecord(b.left(184))) << c.name;
    }
    EXPECT_TRUE(isGearRecord(QByteArray()));
}

TEST(GearFile, SaveAndOpen)
{
    QTemporaryDir dir;
    const QString p = dir.filePath("tl1000.tva");
    writeBytes(p, QByteArray(300, 'o')); // an older, longer file is emptied first
    writeGearFile(p, defaultSet());
    EXPECT_EQ(readBytes(p), encodeGearRecord(defaultSet()));
    const DecodedGear d = readGearFile(p);
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.record, defaultSet());
    EXPECT_EQ(strayFiles(dir.path(), {"tl1000.tva"}), QStringList());

    // Odd numbers survive as bits.
    GearRecord odd = defaultSet();
    odd.gears[0] = -0.0;
    odd.gears[1] = std::numeric_limits<double>::denorm_min();
    odd.front = std::numeric_limits<qint32>::min();
    writeGearFile(p, odd);
    EXPECT_EQ(readGearFile(p).record, odd);

    writeBytes(p, encodeGearRecord(defaultSet()).left(184));
    EXPECT_FALSE(readGearFile(p).complete);

    // A text file opened by mistake names the file, not its folder.
    const QString notes = dir.filePath("notizen.tva");
    writeBytes(notes, QByteArray("Luftdruck vorne 2,5 bar, hinten 2,9 bar.\r\n").repeated(75));
    EXPECT_EQ(errorOf([&] { readGearFile(notes); }), "Datei notizen.tva ist keine Trovanta-Datei");
}

TEST(GearFile, FileErrors)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("plain"), "x");
    auto openError = [](const QString &p) { return errorOf([&] { readGearFile(p); }); };
    auto saveError = [](const QString &p) { return errorOf([&] { writeGearFile(p, defaultSet()); }); };
    EXPECT_EQ(openError(dir.filePath("missing.tva")), "Datei nicht gefunden");
    EXPECT_EQ(openError(dir.path()), "Ungültiger Dateiname");
    EXPECT_EQ(saveError(dir.filePath("no/such.tva")), "Datei nicht gefunden");
    EXPECT_EQ(saveError(dir.path()), "Ungültiger Dateiname");
    EXPECT_EQ(saveError(dir.filePath(QString(300, u'n') + ".tva")), "Ungültiger Dateiname");

    if (!permissionsEnforced())
        GTEST_SKIP() << "file permissions are not enforced for this user";
    const QString locked = dir.filePath("locked.tva");
    writeBytes(locked, "old");
    setMode(locked, 0200);
    EXPECT_EQ(openError(locked), "Dateizugriff verweigert");
    setMode(locked, 0444);
    EXPECT_EQ(saveError(locked), "Dateizugriff verweigert");
    EXPECT_EQ(readBytes(locked), QByteArray("old"));
}
