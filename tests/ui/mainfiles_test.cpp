// The main window's files: the settings file across program runs and the
// gear data file through its two commands.

#include "window_driver.h"
#include "support/profile_oracle.h"

#include "files/fileerror.h"
#include "files/geardata.h"
#include "support/files.h"

#include <QAction>
#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

class MainFiles : public MainWindowTest {
protected:
    MainFiles() : MainFiles(QLocale(QLocale::German, QLocale::Germany)) {}
    explicit MainFiles(QLocale locale) : MainWindowTest(std::move(locale)) {}
    ~MainFiles() override
    {
        w.reset();
        QDir::setCurrent(startDir);
    }

    QString ini() const { return files::mainSettingsPath(); }

    // Ends the program and starts it again on the given settings file text;
    // none removes the file.
    void startOn(const std::optional<QByteArray> &settings)
    {
        w.reset();
        QFile::remove(ini());
        if (settings)
            writeBytes(ini(), *settings);
        platform.clear();
        startWindow();
    }

    QString gearFile(const char *name) const { return work.filePath(QString::fromLatin1(name)); }

    const QString startDir = QDir::currentPath();
    QTemporaryDir work;
};

TEST_F(MainFiles, FirstStartShowsTheFileDefaultsAndTheEndWritesThemInOrder)
{
    startOn(std::nullopt);
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    const std::vector<std::pair<QLineEdit *, QString>> fields = {
        {w->Edit1, "17"},     {w->Edit2, "190"},       {w->Edit3, "50"},          {w->E_Umfang, "1953"},
        {w->Edit4, "17"},     {w->Edit5, "38"},        {w->Edit6, "1,84"},        {w->Edit7, "2,67"},
        {w->Edit12, "1,00"},  {w->EditMarke, "7000"},  {w->EditRotBereich, "11000"},
        {w->Edit15, "-Kein Kommentar gefunden-"}};
    for (const auto &[e, text] : fields)
        EXPECT_EQ(e->text(), text) << e->objectName().toStdString();
    EXPECT_TRUE(w->CheckBox3->isChecked());
    EXPECT_FALSE(w->CB_Umfangedit->isChecked());

    w.reset();
    EXPECT_EQ(profileLines(ini()),
              QStringList({"[Program]", "Inifile=Trovanta", "[Hinterrad]", "Felge=17", "Breite=190", "Hoehe=50",
                           "CB_Edit=0", "Umfang=1953", "[Uebersetzung]", "Ritzel=17", "Kettenrad=38", "Primaer=1,84",
                           "[Uebersetzung Gaenge]", "Gang1=2,67", "Gang2=1,93", "Gang3=1,50", "Gang4=1,23",
                           "Gang5=1,09", "Gang6=1,00", "[Gang]", "CB_Gang1=1", "CB_Gang2=1", "CB_Gang3=1",
                           "CB_Gang4=1", "CB_Gang5=1", "CB_Gang6=1", "[Marke]", "Schaltpunkt=7000",
                           "RoterBereich=11000", "[Bezeichnung]", "Name=-Kein Kommentar gefunden-"}));
}

TEST_F(MainFiles, SettingsComeBackAfterQuitting)
{
    retype(w->Edit1, "18");
    retype(w->Edit6, "1,9");
    retype(w->Edit11, "1,11");
    mouseClick(w->CheckBox3);
    mouseClick(w->CB_Umfangedit);
    retype(w->E_Umfang, "2011");
    retype(w->EditMarke, "8500");
    w->Edit15->setText(utf8("Gixxer 1000 – Rennstrecke €"));
    // Not kept: they start at the form's values again.
    retype(w->E_Schlupf, "5");
    retype(w->Edit14, "6000");
    mouseClick(w->CBMarke);

    w->Beenden1->trigger();
    EXPECT_FALSE(w->isVisible());
    platform.clear();
    w.reset(); // the destruction writes the same values again
    startWindow();

    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    const std::vector<std::pair<QLineEdit *, QString>> fields = {
        {w->Edit1, "18"},         {w->Edit6, "1,9"},       {w->Edit11, "1,11"},       {w->E_Umfang, "2011"},
        {w->EditMarke, "8500"},   {w->EditRotBereich, "12000"}, {w->Edit15, utf8("Gixxer 1000 – Rennstrecke €")},
        {w->E_Schlupf, "3"},      {w->Edit14, "4500"}};
    for (const auto &[e, text] : fields)
        EXPECT_EQ(e->text(), text) << e->objectName().toStdString();
    EXPECT_FALSE(w->CheckBox3->isChecked());
    EXPECT_TRUE(w->CheckBox4->isChecked());
    EXPECT_TRUE(w->CB_Umfangedit->isChecked());
    EXPECT_TRUE(w->E_Umfang->isEnabled());
    EXPECT_TRUE(w->CBMarke->isChecked());
}

struct Restore {
    const char *name;
    const char *file;
    std::vector<std::pair<const char *, const char *>> texts; // objectName, text
    std::vector<std::pair<const char *, bool>> checks;        // objectName, checked
    bool ran;                                                  // a restored switch started a run
};

TEST_F(MainFiles, RestoreOfHandEditedFiles)
{
    // The form's marks, so that only the entries under test can start a run.
    const QByteArray marks = "[Marke]\nSchaltpunkt=6000\nRoterBereich=12000\n";
    const std::vector<Restore> cases = {
        {"zero hides a gear line and clicks", "[Gang]\nCB_Gang3=0\n", {}, {{"CheckBox3", false}, {"CheckBox2", true}},
         true},
        {"override on before the circumference is put in", "[Hinterrad]\nCB_Edit=1\nUmfang=2000\n",
         {{"E_Umfang", "2000"}}, {{"CB_Umfangedit", true}}, false},
        {"empty name is an empty title", "[Bezeichnung]\nName=\n", {{"Edit15", ""}}, {}, false},
        {"stored texts stay as stored", "[Uebersetzung]\nRitzel= 16 \nPrimaer=1.6\n",
         {{"Edit4", " 16 "}, {"Edit6", "1.6"}}, {}, false},
    };
    for (const Restore &c : cases) {
        SCOPED_TRACE(c.name);
        startOn(marks + c.file);
        for (const auto &[name, text] : c.texts)
            EXPECT_EQ(w->findChild<QLineEdit *>(name)->text(), utf8(text)) << name;
        for (const auto &[name, checked] : c.checks)
            EXPECT_EQ(w->findChild<QCheckBox *>(name)->isChecked(), checked) << name;
        EXPECT_EQ(!w->Panel2->text().isEmpty(), c.ran);
        EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    }
}

TEST_F(MainFiles, ATitleLongerThanTheTypingLimitIsNeitherCutOnLoadingNorOnSaving)
{
    const QString title(120, QLatin1Char('T'));
    startOn("[Bezeichnung]\nName=" + title.toLatin1() + "\n");
    EXPECT_EQ(w->Edit15->text(), title);
    w.reset(); // the end of the program writes the file again
    EXPECT_EQ(trovanta::test::ProfileFile(ini()).readString("Bezeichnung", "Name", QString()), title);
}

TEST_F(MainFiles, AFailingRunDuringTheRestoreIsShownOnceAndTheRestoreGoesOn)
{
    startOn(QByteArray("[Uebersetzung]\nPrimaer=1.84\n[Gang]\nCB_Gang2=0\n[Bezeichnung]\nName=Nach dem Fehler\n"));
    EXPECT_EQ(platform.errors, QStringList{utf8("'1.84' ist kein gültiger Gleitkommawert.")});
    EXPECT_FALSE(w->CheckBox2->isChecked());
    EXPECT_EQ(w->EditMarke->text(), "7000");
    EXPECT_EQ(w->Edit15->text(), "Nach dem Fehler");

    // A zero byte from a damaged file stays in the message, which goes on
    // after it.
    static const char damaged[] = "[Uebersetzung]\nPrimaer=1\0x\n";
    startOn(QByteArray(damaged, sizeof damaged - 1));
    EXPECT_EQ(platform.errors, QStringList{"'1" + QString(QChar(0)) + utf8("x' ist kein gültiger Gleitkommawert.")});
}

TEST_F(MainFiles, HandAddedLinesSurvive)
{
    const QByteArray own = "; Notizen des Fahrers\r\n[Hinterrad]\r\nLuftdruck=2,5 bar\r\nFelge=16\r\n"
                           "[Eigene]\r\nStrecke=Hockenheim\r\n";
    startOn(own);
    EXPECT_EQ(w->Edit1->text(), "16");
    w.reset();
    const QStringList lines = profileLines(ini());
    EXPECT_EQ(lines.mid(0, 4), QStringList({"; Notizen des Fahrers", "[Hinterrad]", "Luftdruck=2,5 bar", "Felge=16"}));
    for (const char *kept : {"[Eigene]", "Strecke=Hockenheim", "Ritzel=17", "Name=-Kein Kommentar gefunden-"})
        EXPECT_TRUE(lines.contains(kept)) << kept;
    EXPECT_EQ(lines.count("[Hinterrad]"), 1);
}

// --- Gear data file -------------------------------------------------------

namespace {

// The texts of the fields a gear data file holds, in the order the open
// command fills them: title, tyre, sprockets, primary, gears 1 to 6, marks.
QStringList gearFields(const TForm1 &w)
{
    QStringList out;
    for (const QLineEdit *e : {w.Edit15, w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6, w.Edit7, w.Edit8,
                               w.Edit9, w.Edit10, w.Edit11, w.Edit12, w.EditMarke, w.EditRotBereich})
        out << e->text();
    return out;
}

} // namespace

TEST_F(MainFiles, GearSetSavedQuitAndOpenedAgainGivesBackEveryValue)
{
    const QString path = gearFile("ducati.tva");
    w->Edit15->setText(utf8("Ducati 916 – Übersetzung kurz"));
    retype(w->Edit4, "15");
    retype(w->Edit5, "39");
    retype(w->Edit6, "1,84");
    retype(w->Edit8, "1,95");
    retype(w->EditMarke, "9000");
    retype(w->EditRotBereich, "10500");
    QStringList saved = gearFields(*w);

    platform.fileAnswers = {path};
    runs = 0;
    w->Wertespeichern1->trigger();
    EXPECT_EQ(platform.dialogCaptions, QStringList{"Werte speichern ..."});
    EXPECT_EQ(platform.dialogFilters, QStringList{"Trovanta [*.tva] (*.tva)"});
    EXPECT_EQ(platform.dialogSuffixes, QStringList{"tva"});
    EXPECT_EQ(w->P_Datei->text(), "ducati.tva");
    EXPECT_EQ(QFileInfo(path).size(), 192);
    EXPECT_EQ(QDir::currentPath(), QDir(work.path()).canonicalPath());
    EXPECT_EQ(runs, 1);

    // Quit, start again, change everything the file holds, open it.
    w->Beenden1->trigger();
    w.reset();
    QDir::setCurrent(startDir);
    platform.clear();
    startWindow();
    EXPECT_EQ(w->P_Datei->text(), "");
    for (QLineEdit *e : {w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit5, w->Edit6, w->Edit7, w->Edit8, w->Edit9,
                         w->Edit10, w->Edit11, w->Edit12, w->EditMarke, w->EditRotBereich, w->Edit15})
        e->setText("1");
    platform.clear();
    platform.fileAnswers = {path};
    runs = 0;
    w->Oeffnen->trigger();
    EXPECT_EQ(platform.dialogCaptions, QStringList{utf8("Werte für Trovanta öffnen ...")});
    EXPECT_EQ(platform.dialogFilters, QStringList{"Trovanta [*.tva] (*.tva)"});
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    EXPECT_EQ(w->P_Datei->text(), "ducati.tva");
    EXPECT_EQ(QDir::currentPath(), QDir(work.path()).canonicalPath());
    saved.replace(9, "1,5"); // ratios come back as numbers
    saved.replace(12, "1");
    EXPECT_EQ(gearFields(*w), saved);
    EXPECT_EQ(runs, 3) << "shift mark, red zone, then the command's own run";
    EXPECT_EQ(w->Panel2->text(), "2,600");
}

TEST_F(MainFiles, CancelledDialogs)
{
    const QStringList before = gearFields(*w);
    runs = 0;
    w->Wertespeichern1->trigger(); // no answer queued: cancelled
    EXPECT_EQ(runs, 1) << "the save command runs anyway";
    w->Oeffnen->trigger();
    EXPECT_EQ(runs, 1) << "the open command does not";
    EXPECT_EQ(gearFields(*w), before);
    EXPECT_EQ(w->P_Datei->text(), "");
    EXPECT_EQ(QDir::currentPath(), startDir);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(MainFiles, SavingAFieldThatDoesNotConvertChangesNothing)
{
    const QString path = gearFile("bad.tva");
    struct Case {
        QLineEdit *field;
        const char *text, *message;
    };
    for (const Case &c : {Case{w->Edit4, "17,5", "'17,5' ist kein gültiger Integerwert."},
                          Case{w->Edit1, "17,5", "'17,5' ist kein gültiger Integerwert."},
                          Case{w->Edit12, "eins", "'eins' ist kein gültiger Gleitkommawert."}}) {
        const QString before = c.field->text();
        c.field->setText(utf8(c.text));
        platform.clear();
        platform.fileAnswers = {path};
        runs = 0;
        w->Wertespeichern1->trigger();
        EXPECT_EQ(platform.errors, QStringList{utf8(c.message)});
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_EQ(w->P_Datei->text(), "");
        EXPECT_EQ(runs, 0);
        c.field->setText(before);
    }
}

TEST_F(MainFiles, ShortFilesGetTheFallbackMarks)
{
    files::GearRecord r;
    r.title = "Alt";
    r.front = 16;
    r.rear = 40;
    r.rim = 17;
    r.width = 180;
    r.height = 55;
    r.primary = 1.6;
    r.gears = {2.5, 1.9, 1.5, 1.25, 1.1, 1.0};
    r.shiftMark = 7777;
    r.redZone = 8888;
    writeBytes(gearFile("alt.tva"), files::encodeGearRecord(r).left(files::gear::OldRecordSize));
    writeBytes(gearFile("leer.tva"), QByteArray());
    const QString missing = utf8(files::msg::MissingMarks);

    platform.fileAnswers = {gearFile("alt.tva")};
    w->Oeffnen->trigger();
    EXPECT_EQ(platform.messages, QStringList{missing});
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    EXPECT_EQ(gearFields(*w), QStringList({"Alt", "17", "180", "55", "16", "40", "1,6", "2,5", "1,9", "1,5", "1,25",
                                           "1,1", "1", "10000", "10500"}));
    EXPECT_EQ(w->Panel2->text(), "2,500");

    // An empty file: zeros everywhere, and the run stops on them, once.
    platform.clear();
    platform.fileAnswers = {gearFile("leer.tva")};
    runs = 0;
    w->Oeffnen->trigger();
    EXPECT_EQ(platform.messages, QStringList{missing});
    EXPECT_EQ(gearFields(*w), QStringList({"", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "10000",
                                           "10500"}));
    EXPECT_EQ(platform.errors, QStringList{utf8("Ungültige Gleitkommaoperation.")});
    EXPECT_EQ(w->P_Datei->text(), "leer.tva");
    EXPECT_GE(runs, 1);
}

TEST_F(MainFiles, FileErrorsAreShownAndNoRunFollows)
{
    // Which file errors there are is the files layer's test.
    struct Case {
        const char *name;
        QAction *command;
        QString path;
        const char *message;
    };
    const std::vector<Case> cases = {
        {"open a missing file", w->Oeffnen, gearFile("fehlt.tva"), "Datei nicht gefunden."},
        {"save into a missing folder", w->Wertespeichern1, gearFile("nirgends/neu.tva"), "Datei nicht gefunden."},
    };
    const QStringList before = gearFields(*w);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        platform.clear();
        platform.fileAnswers = {c.path};
        runs = 0;
        c.command->trigger();
        EXPECT_EQ(platform.errors, QStringList{utf8(c.message)});
        EXPECT_EQ(w->P_Datei->text(), QFileInfo(c.path).fileName()) << "the name is shown before the access";
        EXPECT_EQ(runs, 0);
        EXPECT_EQ(gearFields(*w), before);
    }
}

TEST_F(MainFiles, AFileThatHoldsNoGearDataIsRefusedAndChangesNothing)
{
    const QString notes = gearFile("notizen.tva");
    writeBytes(notes, QByteArray("Kette gespannt, Luftdruck hinten 2,9 bar.\r\n").repeated(80).left(3100));
    const QStringList before = gearFields(*w);
    platform.fileAnswers = {notes};
    runs = 0;
    w->Oeffnen->trigger();
    EXPECT_EQ(platform.errors, QStringList{"Datei notizen.tva ist keine Trovanta-Datei."});
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(w->P_Datei->text(), "notizen.tva") << "the name is shown before the file is read";
    EXPECT_EQ(gearFields(*w), before);
    EXPECT_EQ(runs, 0);
}
