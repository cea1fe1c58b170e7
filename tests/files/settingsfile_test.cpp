#include "files/fileio.h"
#include "files/profiletext.h"
#include "support/profile_oracle.h"
#include "files/settingsfile.h"
#include "support/error_of.h"
#include "support/files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

struct Entry {
    QString section, key, value;
};

// Files a rider may have touched by hand: comments, other sections, every
// line end, an unterminated last line, the empty key, names in other case.
const std::vector<QByteArray> Starts = {
    "",
    "; meine Notizen\r\n[Hinterrad]\r\nFelge=18\r\n\r\n[Eigenes]\r\nx=1",
    "[hinterrad]\nfelge = 16\n[Program]\r=alt\r",
    "[Marke]\r\nSchaltpunkt=1\r\n[Marke]\r\nRoterBereich=2\r\n",
};

const std::vector<Entry> Entries = {
    {"Program", "Inifile", "Trovanta"},    {"Hinterrad", "Felge", "17,5"},
    {"Hinterrad", "CB_Edit", "1"},         {"Program", "", QString::fromUtf8("Notiz äöü°")},
    {"Marke", "RoterBereich", "12000"},    {"Neu", "Leer", ""},
    {"Hinterrad", "Felge", "17"},
};

} // namespace

// A save applies its entries as the entry-by-entry writes did, byte for
// byte, but reaches the disk once.
TEST(SettingsWriter, OneReplaceGivesTheBytesOfEntryByEntryWrites)
{
    QTemporaryDir dir;
    for (const QByteArray &start : Starts) {
        const QString one = dir.filePath("one.ini"), each = dir.filePath("each.ini");
        writeBytes(one, start);
        writeBytes(each, start);
        for (const Entry &e : Entries)
            trovanta::test::ProfileFile(each).writeString(e.section, e.key, e.value);

        const quint64 before = files::io::replaceCount();
        files::SettingsWriter w(one);
        for (const Entry &e : Entries)
            w.writeString(e.section, e.key, e.value);
        EXPECT_EQ(readBytes(one), start) << "nothing on disk before the commit";
        w.commit();
        EXPECT_EQ(files::io::replaceCount() - before, 1u);
        EXPECT_EQ(readBytes(one), readBytes(each)) << start.toStdString();

        const files::SettingsReader r(one);
        EXPECT_EQ(r.readString("Program", "", "-"), QString::fromUtf8("Notiz äöü°"));
        EXPECT_EQ(r.readString("neu", "leer", "-"), "");
        EXPECT_TRUE(r.readBool("Hinterrad", "CB_Edit", false));
    }
}

// An entry that cannot be stored stops the save before anything is
// written: the file stays the whole earlier version.
TEST(SettingsWriter, AFailedSaveLeavesThePreviousFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Trovanta.ini");
    writeBytes(path, Starts[1]);
    files::SettingsWriter w(path);
    w.writeString("Hinterrad", "Felge", "19");
    EXPECT_EQ(errorOf([&] { w.writeString("Strecke", "Piste=C", "x"); }),
              "nach " + path.toStdString() + " kann nicht geschrieben werden");
    EXPECT_EQ(readBytes(path), Starts[1]);
}

// The analysis windows' own files, edited by hand in UTF-8, read as UTF-8;
// what the program writes (Windows-1252), and the design's files always,
// as Windows-1252.
TEST(SettingsReader, Utf8WhenTheWholeFileIsValidUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("comparaison.ini");
    const struct {
        QByteArray bytes;
        files::SettingsEncoding encoding;
        const char *value;
    } cases[] = {
        {"[Punkte]\r\nName1=\xC3\x89pingle\r\n", files::SettingsEncoding::Utf8WhenValid, "Épingle"},
        {"[Punkte]\r\nName1=\xC9pingle\r\n", files::SettingsEncoding::Utf8WhenValid, "Épingle"},
        {"[Punkte]\r\nName1=Epingle\r\n", files::SettingsEncoding::Utf8WhenValid, "Epingle"},
        {"[Punkte]\r\nName1=\xC3\x89pingle\r\n", files::SettingsEncoding::Windows1252, "Ã‰pingle"},
        // One byte that is no UTF-8 makes the whole file Windows-1252.
        {"[Punkte]\r\nName1=\xC3\x89pingle\r\nName2=\xE9\r\n", files::SettingsEncoding::Utf8WhenValid, "Ã‰pingle"},
    };
    for (const auto &c : cases) {
        writeBytes(path, c.bytes);
        EXPECT_EQ(files::SettingsReader(path, c.encoding).readString("Punkte", "Name1", "-"), QString::fromUtf8(c.value))
            << c.bytes.toStdString();
    }
    writeBytes(path, "[P]\r\nK=\xC3\x89\xC3\x89\xC3\x89\r\n");
    EXPECT_EQ(files::SettingsReader(path, files::SettingsEncoding::Utf8WhenValid, 2).readString("P", "K", "-"),
              QString::fromUtf8("ÉÉ")) << "cut in characters";
}
