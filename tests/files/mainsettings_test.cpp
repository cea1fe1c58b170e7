// The main settings table driven through the profile layer the way the main
// window will: load with defaults, save every entry in table order.
#include "files/mainsettings.h"
#include "files/profile.h"

#include "support/files.h"

#include <set>

using namespace trovanta::files;
using namespace trovanta::test;

namespace {

QString q(const char *s) { return QString::fromUtf8(s); }

// Saves the table's defaults as the window would on a first run.
void saveDefaults(ProfileFile &f)
{
    for (const MainSetting &e : MainSettings) {
        if (e.kind == SettingKind::Switch)
            f.writeBool(q(e.section), q(e.key), e.defaultChecked);
        else
            f.writeString(q(e.section), q(e.key), q(e.defaultText));
    }
}

} // namespace

TEST(MainSettings, TableShape)
{
    std::set<std::string> fields, sectionsSeen;
    std::string current;
    for (const MainSetting &e : MainSettings) {
        if (e.kind == SettingKind::Marker)
            continue;
        EXPECT_TRUE(fields.insert(e.field).second) << e.field;
        // Each section's keys stand together, so a first write keeps table order.
        if (current != e.section) {
            EXPECT_TRUE(sectionsSeen.insert(e.section).second) << e.section;
            current = e.section;
        }
    }
}

TEST(MainSettings, FirstSaveWritesTheTableInOrderAndLaterSavesKeepHandEdits)
{
    QTemporaryDir dir;
    const QString p = dir.filePath("Trovanta.ini");
    ProfileFile f(p);
    saveDefaults(f);
    const QByteArray expected =
        "[Program]\r\nInifile=Trovanta\r\n"
        "[Hinterrad]\r\nFelge=17\r\nBreite=190\r\nHoehe=50\r\nCB_Edit=0\r\nUmfang=1953\r\n"
        "[Uebersetzung]\r\nRitzel=17\r\nKettenrad=38\r\nPrimaer=1,84\r\n"
        "[Uebersetzung Gaenge]\r\nGang1=2,67\r\nGang2=1,93\r\nGang3=1,50\r\nGang4=1,23\r\n"
        "Gang5=1,09\r\nGang6=1,00\r\n"
        "[Gang]\r\nCB_Gang1=1\r\nCB_Gang2=1\r\nCB_Gang3=1\r\nCB_Gang4=1\r\nCB_Gang5=1\r\n"
        "CB_Gang6=1\r\n"
        "[Marke]\r\nSchaltpunkt=7000\r\nRoterBereich=11000\r\n"
        "[Bezeichnung]\r\nName=-Kein Kommentar gefunden-\r\n";
    EXPECT_EQ(readBytes(p).toStdString(), expected.toStdString());

    // Hand edits: a note, a foreign key, a foreign section; then a save.
    QByteArray edited = expected;
    edited.replace("[Marke]\r\n", "; Drehzahlen\r\n[Marke]\r\nNotiz=rot ab 11000\r\n");
    edited += "[Meine Sachen]\r\nReifen=neu\r\n";
    writeBytes(p, edited);
    saveDefaults(f);
    EXPECT_EQ(readBytes(p).toStdString(), edited.toStdString());
}

TEST(MainSettings, LoadGivesTableDefaultsForMissingKeysOnly)
{
    QTemporaryDir dir;
    const QString p = dir.filePath("Trovanta.ini");
    writeBytes(p, "[Bezeichnung]\r\nName=\r\n[Gang]\r\nCB_Gang3=0\r\n");
    const ProfileFile f(p);
    for (const MainSetting &e : MainSettings) {
        if (e.kind == SettingKind::Text) {
            const QString v = f.readString(q(e.section), q(e.key), q(e.defaultText));
            EXPECT_EQ(v, std::string(e.key) == "Name" ? QString() : q(e.defaultText)) << e.key;
        } else if (e.kind == SettingKind::Switch) {
            const bool on = f.readBool(q(e.section), q(e.key), e.defaultChecked);
            EXPECT_EQ(on, std::string(e.key) == "CB_Gang3" ? false : e.defaultChecked) << e.key;
        }
    }
}
