// The dyno export reader.
#include "files/dynofile.h"
#include "files/fileerror.h"

#include "support/error_of.h"
#include "utf16.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace trovanta;
using namespace trovanta::files;
using test::errorOf;
using test::utf16;

namespace {

DynoData fedByteByByte(const QByteArray &bytes)
{
    DynoParser p;
    for (char c : bytes)
        p.feed(QByteArrayView(&c, 1));
    return p.finish();
}

DynoFault faultOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const DynoError &e) {
        return e.fault();
    }
    ADD_FAILURE() << "no DynoError";
    return DynoFault::NoColumns;
}

constexpr double LbFt = 1.355818, PsKw = 0.73549875, HpKw = 0.745699872, K = 9549.2966;

} // namespace

TEST(DynoFile, ReadsTheCurveOfEveryStyle)
{
    using P = std::vector<DynoPoint>;
    const struct {
        const char *name;
        QByteArray bytes;
        DynoQuantity quantity;
        DynoUnit unit;
        bool named, atWheel;
        const char *engine, *curve;
        P points;
        std::int64_t dataLines, skipped;
    } cases[] = {
        {"Nm, semicolons, decimal commas", "Drehzahl [1/min];Drehmoment [Nm];Leistung [kW]\n3000;62,5;19\n6000;86;54\n",
         DynoQuantity::Torque, DynoUnit::Nm, true, false, "Drehzahl [1/min]", "Drehmoment [Nm]",
         P{{3000, 62.5}, {6000, 86}}, 2, 0},
        {"lb-ft wins over hp", "RPM,Power (hp),Torque (lb-ft)\n3000,30,50\n6000,70,60\n", DynoQuantity::Torque,
         DynoUnit::LbFt, true, false, "RPM", "Torque (lb-ft)", P{{3000, 50 * LbFt}, {6000, 60 * LbFt}}, 2, 0},
        {"PS alone, no brackets", "Drehzahl;PS\n3000;20\n6000;60\n", DynoQuantity::Power, DynoUnit::Ps, true, false,
         "Drehzahl", "PS", P{{3000, 20 * PsKw * K / 3000}, {6000, 60 * PsKw * K / 6000}}, 2, 0},
        {"whp at the wheel", "Engine Speed,Power whp\n3000,20\n6000,60\n", DynoQuantity::Power, DynoUnit::Hp, true,
         true, "Engine Speed", "Power whp", P{{3000, 20 * HpKw * K / 3000}, {6000, 60 * HpKw * K / 6000}}, 2, 0},
        {"power, no unit: kW", "tr/min\tPuissance\n3000\t20\n6000\t60\n", DynoQuantity::Power, DynoUnit::Kw, false,
         false, "tr/min", "Puissance", P{{3000, 20 * K / 3000}, {6000, 60 * K / 6000}}, 2, 0},
        {"kgm, roue", "Régime;Couple roue (m.kg)\n3000;6;\n6000;8\n", DynoQuantity::Torque, DynoUnit::Kgm, true, true,
         "Régime", "Couple roue (m.kg)", P{{3000, 6 * 9.80665}, {6000, 8 * 9.80665}}, 2, 0},
        {"wheel and roller speeds are not the engine's",
         "Wheel RPM,Roller rpm,Drum rpm,Engine RPM,Torque Rad\n1,2,3,3000,60\n1,2,3,6000,80\n", DynoQuantity::Torque,
         DynoUnit::Nm, false, true, "Engine RPM", "Torque Rad", P{{3000, 60}, {6000, 80}}, 2, 0},
        {"whole words: psi, tach, Radiator name nothing",
         "Time,Boost psi,Tach,rpm,Radiator tq\n0,1,2,3000,60\n0,1,2,6000,80\n", DynoQuantity::Torque, DynoUnit::Nm,
         false, false, "rpm", "Radiator tq", P{{3000, 60}, {6000, 80}}, 2, 0},
        {"bins of 250, halves to even, merged neighbours",
         "rpm,tq\n3000,10\n3100,20\n3248,30\n4000,1\n4001,2\n4501,1\n4502,2\n5999.6,10\n6000.4,20\n", DynoQuantity::Torque,
         DynoUnit::Nm, false, false, "rpm", "tq", P{{3116, 20}, {4000, 1.5}, {4502, 1.5}, {6000, 15}}, 9, 0},
        {"skipped lines counted, blank ones not", "rpm,tq\n3000,60\n\nx,1\n0,5\n-100,5\n3000,-1\n6000\n6000,80\n",
         DynoQuantity::Torque, DynoUnit::Nm, false, false, "rpm", "tq", P{{3000, 60}, {6000, 80}}, 7, 5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto d = readDynoBytes(c.bytes);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->quantity, c.quantity);
        EXPECT_EQ(d->unit, c.unit);
        EXPECT_EQ(d->unitNamed, c.named);
        EXPECT_EQ(d->atWheel, c.atWheel);
        EXPECT_EQ(d->engineColumn, QString::fromUtf8(c.engine));
        EXPECT_EQ(d->curveColumn, QString::fromUtf8(c.curve));
        ASSERT_EQ(d->points.size(), c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(d->points[i].rpm, c.points[i].rpm) << i;
            EXPECT_DOUBLE_EQ(d->points[i].nm, c.points[i].nm) << i;
        }
        EXPECT_EQ(d->dataLines, c.dataLines);
        EXPECT_EQ(d->skippedLines, c.skipped);
        EXPECT_EQ(fedByteByByte(c.bytes).points.size(), c.points.size());
    }
}

TEST(DynoFile, Failures)
{
    const struct {
        QByteArray bytes;
        DynoFault fault;
        const char *message;
    } cases[] = {
        {"RPM,Torque (N)\n3000,60\n6000,80\n", DynoFault::UnknownUnit, "Unité inconnue dans ce fichier : « N »."},
        {"RPM;Puissance [Nm]\n3000;60\n", DynoFault::UnknownUnit, "Unité inconnue dans ce fichier : « Nm »."},
        {"RPM,Boost psi,Tach\n3000,1,2\n", DynoFault::NoColumns, files::msg::NoDynoColumns},
        {"Wheel RPM,Torque\n3000,60\n6000,80\n", DynoFault::NoColumns, files::msg::NoDynoColumns},
        {"RPM,Torque\n3000,60\n", DynoFault::NoCurve, files::msg::NoTorqueCurve},
        {"RPM,Torque\n3000,60\n3200,61\nx,y\n", DynoFault::NoCurve, files::msg::NoTorqueCurve},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(faultOf([&] { readDynoBytes(c.bytes); }), c.fault) << c.message;
        EXPECT_EQ(errorOf([&] { readDynoBytes(c.bytes); }), c.message);
    }
    try {
        readDynoBytes("rpm,tq (" + QByteArray(60, 'x') + ")\n");
        ADD_FAILURE();
    } catch (const DynoError &e) {
        EXPECT_EQ(e.unit(), QString(40, u'x') + QChar(0x2026));
    }
}

TEST(DynoFile, Utf16AndNoOrdinaryFile)
{
    const char *text = "Régime;Couple (Nm)\r\n3000;62,5\r\n6000;86\r\n";
    for (const bool le : {true, false})
        for (const bool bom : {true, false}) {
            SCOPED_TRACE(std::string(le ? "LE" : "BE") + (bom ? " BOM" : ""));
            const auto d = readDynoBytes(utf16(text, le, bom));
            ASSERT_TRUE(d);
            EXPECT_EQ(d->engineColumn, QString::fromUtf8("Régime"));
            ASSERT_EQ(d->points.size(), 2u);
            EXPECT_EQ(d->points[0].nm, 62.5);
            EXPECT_EQ(fedByteByByte(utf16(text, le, bom)).points.size(), 2u);
        }
    // A lone surrogate and a cut-off unit are a U+FFFD each, the lines
    // around them kept.
    const QByteArray broken =
        utf16("rpm,tq\n3000,60\n", true, true) + QByteArray("\0\xD8", 2) + utf16("\n6000,80\n", true, false) + "x";
    const auto b = readDynoBytes(broken);
    EXPECT_EQ(b->points.size(), 2u);
    EXPECT_EQ(b->skippedLines, 2);

    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(errorOf([&] { readDynoFile(fifo); }), files::msg::NotOrdinaryFile);
    EXPECT_EQ(errorOf([&] { readDynoFile(dir.path()); }), files::msg::InvalidFileName);
}
