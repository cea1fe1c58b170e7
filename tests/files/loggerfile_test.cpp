// The logger export reader; the fit on rides in three header styles is
// driven through the calibration window.
#include "files/fileerror.h"
#include "files/loggerfile.h"

#include "support/error_of.h"
#include "utf16.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace trovanta;
using namespace trovanta::files;
using calibration::Sample;
using test::errorOf;

namespace {

// Byte by byte through the parser: any split of the text reads the same.
LoggerData fedByteByByte(const QByteArray &bytes)
{
    LoggerParser p;
    for (char c : bytes)
        p.feed(QByteArrayView(&c, 1));
    return p.finish();
}

void expectSame(const LoggerData &a, const LoggerData &b, const char *name)
{
    ASSERT_EQ(a.samples.size(), b.samples.size()) << name;
    for (std::size_t i = 0; i < a.samples.size(); ++i) {
        EXPECT_EQ(a.samples[i].rpm, b.samples[i].rpm) << name << i;
        EXPECT_EQ(a.samples[i].kmh, b.samples[i].kmh) << name << i;
    }
    EXPECT_EQ(a.dataLines, b.dataLines) << name;
    EXPECT_EQ(a.skippedLines, b.skippedLines) << name;
    EXPECT_EQ(a.headerLine, b.headerLine) << name;
}

QByteArray lines(int n, const char *text)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

} // namespace

TEST(LoggerFile, ReadsTheTwoColumnsOfEveryStyle)
{
    const QByteArray overlong = QByteArray("6000,100") + QByteArray(LoggerMaxLine - 7, ' ') + '\n';
    const QByteArray longest = QByteArray("6000,101") + QByteArray(LoggerMaxLine - 8, ' ') + '\n';
    const struct {
        const char *name;
        QByteArray bytes;
        char delimiter;
        UnitSource source;
        std::vector<Sample> samples;
        std::int64_t dataLines, skipped, headerLine;
    } cases[] = {
        {"comma, unit in the name", "Time (s),RPM,Speed (km/h)\n0.1,5000,50.5\n", ',', UnitSource::Name,
         {{5000, 50.5}}, 1, 0, 1},
        {"semicolon, decimal commas, mph on the units line",
         "Zeit;Drehzahl;Geschwindigkeit\ns;1/min;mph\n0,1;5000,5;50\n", ';', UnitSource::UnitsLine,
         {{5000.5, 50 * 1.609344}}, 1, 0, 1},
        {"tab, point or comma", "t\trpm\tspeed\n0\t5000\t50.5\n0\t5000\t50,25\n", '\t', UnitSource::Default,
         {{5000, 50.5}, {5000, 50.25}}, 2, 0, 1},
        {"comma: a decimal comma is no number", "rpm,speed\n5000,\"50,5\"\n5000,50\n", ',', UnitSource::Default,
         {{5000, 50}}, 2, 1, 1},
        {"m/s in the name", "RPM;Speed [m/s]\n6000;10\n", ';', UnitSource::Name, {{6000, 36}}, 1, 0, 1},
        {"kmph is km/h", "RPM;Speed kmph\n6000;10\n", ';', UnitSource::Name, {{6000, 10}}, 1, 0, 1},
        {"the name's unit before the units line", "RPM,GPS Speed (mph)\nrpm,km/h\n6000,100\n", ',',
         UnitSource::Name, {{6000, 160.9344}}, 1, 0, 1},
        {"GPS first; an engine speed is never the road speed",
         "RPM,Engine Speed,Wheel Speed,GPS Speed,Speed\n6000,6100,90,100,95\n", ',', UnitSource::Default,
         {{6000, 100}}, 1, 0, 1},
        {"engine speed, then speed", "Engine Speed,Speed\n6000,100\n", ',', UnitSource::Default, {{6000, 100}},
         1, 0, 1},
        {"quotes, a quoted delimiter", "\"Time\",\"RPM\",\"Note, text\",\"GPS Speed\"\n\"0.0\",\"6000\",\"a, b\",\"100.0\"\n",
         ',', UnitSource::Default, {{6000, 100}}, 1, 0, 1},
        {"BOM, CRLF, blank lines", "\xEF\xBB\xBFRPM,Speed\r\n6000,100\r\n\r\n  \r\n6000,101\r\n", ',',
         UnitSource::Default, {{6000, 100}, {6000, 101}}, 2, 0, 1},
        {"CR, no last line end", "RPM,Speed\r6000,100\r6000,101", ',', UnitSource::Default,
         {{6000, 100}, {6000, 101}}, 2, 0, 1},
        {"Windows-1252 régime", "Temps;R\xE9gime;Vitesse\n1;6000;100\n", ';', UnitSource::Default,
         {{6000, 100}}, 1, 0, 1},
        {"skipped lines counted", "RPM,Speed\n6000,100\nx,y\n,\n6000,\n6000,1e999\nnan,100\n6000,-inf\n6000,100,\n",
         ',', UnitSource::Default, {{6000, 100}, {6000, 100}}, 8, 6, 1},
        {"header on line 200", lines(199, "Session,Test\n") + "RPM,Speed\n6000,100\n", ',', UnitSource::Default,
         {{6000, 100}}, 1, 0, 200},
        {"over 64 KiB skipped, 64 KiB read", "RPM,Speed\n" + overlong + longest, ',', UnitSource::Default,
         {{6000, 101}}, 2, 1, 1},
        {"an overlong line before the header", overlong + "RPM,Speed\n6000,100\n", ',', UnitSource::Default,
         {{6000, 100}}, 1, 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto d = readLoggerBytes(c.bytes);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->delimiter, c.delimiter);
        EXPECT_EQ(d->unitSource, c.source);
        ASSERT_EQ(d->samples.size(), c.samples.size());
        for (std::size_t i = 0; i < c.samples.size(); ++i) {
            EXPECT_DOUBLE_EQ(d->samples[i].rpm, c.samples[i].rpm) << i;
            EXPECT_DOUBLE_EQ(d->samples[i].kmh, c.samples[i].kmh) << i;
        }
        EXPECT_EQ(d->dataLines, c.dataLines);
        EXPECT_EQ(d->skippedLines, c.skipped);
        EXPECT_EQ(d->headerLine, c.headerLine);
        expectSame(*d, fedByteByByte(c.bytes), c.name);
    }
    EXPECT_EQ(readLoggerBytes(cases[12].bytes)->engineColumn, QString::fromUtf8("Régime"));
}

TEST(LoggerFile, Failures)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        std::function<void()> read;
        const char *message;
    } cases[] = {
        {[] { readLoggerBytes(lines(200, "Session,Test\n") + "RPM,Speed\n6000,100\n"); }, files::msg::NoLoggerColumns},
        {[] { readLoggerBytes("Time,RPM,Throttle\n1,6000,50\n"); }, files::msg::NoLoggerColumns},
        {[] { readLoggerBytes("RPM,Engine Speed\n6000,6000\n"); }, files::msg::NoLoggerColumns},
        {[] { readLoggerBytes(""); }, files::msg::NoLoggerColumns},
        {[&] { readLoggerFile(dir.filePath("missing.csv")); }, files::msg::FileNotFound},
        {[&] { readLoggerFile(dir.path()); }, files::msg::InvalidFileName},
        {[&] { readLoggerFile(fifo); }, files::msg::NotOrdinaryFile},
        {[&] { readLoggerFile("/dev/null"); }, files::msg::NotOrdinaryFile},
    };
    for (const auto &c : cases)
        EXPECT_EQ(errorOf(c.read), c.message);
}

TEST(LoggerFile, ReadsUtf16WithOrWithoutItsBom)
{
    const char *text = "Temps;Régime;Vitesse (km/h)\n1;6000;100,5\n2;6100;101\n";
    for (const bool le : {true, false})
        for (const bool bom : {true, false}) {
            SCOPED_TRACE(std::string(le ? "LE" : "BE") + (bom ? " BOM" : ""));
            const QByteArray bytes = test::utf16(text, le, bom);
            const auto d = readLoggerBytes(bytes);
            ASSERT_TRUE(d);
            EXPECT_EQ(d->engineColumn, QString::fromUtf8("Régime"));
            ASSERT_EQ(d->samples.size(), 2u);
            EXPECT_EQ(d->samples[0].kmh, 100.5);
            expectSame(*d, fedByteByByte(bytes), "byte by byte");
        }
}

TEST(LoggerFile, ReportsProgressAndCancels)
{
    const QByteArray bytes = "RPM,Speed\n" + lines(300000, "6000,100\n");
    std::vector<std::int64_t> done;
    const auto all = readLoggerBytes(bytes, [&](std::int64_t d, std::int64_t total) {
        EXPECT_EQ(total, bytes.size());
        done.push_back(d);
        return true;
    });
    ASSERT_TRUE(all);
    EXPECT_EQ(all->samples.size(), 300000u);
    EXPECT_EQ(done, (std::vector<std::int64_t>{LoggerChunk, 2 * LoggerChunk, bytes.size()}));

    int calls = 0;
    EXPECT_FALSE(readLoggerBytes(bytes, [&](std::int64_t, std::int64_t) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
}
