// The race log window driven like a rider does, with the program directory
// in a scratch folder: the file it writes at closing and for the export,
// what it reads at start, its notice, the maker mirroring and the printout.

#include "languages.h"
#include "window_driver.h"

#include "files/programdir.h"
#include "files/racelogfile.h"
#include "print/recordingcanvas.h"
#include "support/files.h"
#include "support/placed_text.h"
#include "ui/tform7.h"
#include "ui/tform9.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

class RaceLog : public RegisteredMainWindowTest {
protected:
    QString path(const QString &name) const { return programDir.file(name); }

    RaceLog() { ui::enrol(&info); }

    std::unique_ptr<TForm7> openLog()
    {
        auto log = std::make_unique<TForm7>();
        ui::enrol(log.get());
        log->show();
        QApplication::processEvents();
        return log;
    }

    // Every one-line field gets "v" and its number; the six fields that
    // opening fills get theirs too, after opening.
    static void fill(TForm7 &log)
    {
        for (QLineEdit *e : log.findChildren<QLineEdit *>(QRegularExpression("^Edit\\d+$")))
            e->setText("v" + e->objectName().mid(4));
        log.Edit9->setText(utf8("weich °"));
        log.CBox_Witterung->setCurrentIndex(0);
        log.Memo1->setPlainText("a\nb\nc");
    }

    TForm9 info;
};

// The window in each language, switched at run time as the menu does.
using RaceLogLanguage = InLanguage<RaceLog>;
class RaceLogTranslation : public RaceLogLanguage {};

// The file as the first write lays it out, in Windows-1252.
const QByteArray FilledFile = "[Programm]\r\n=Pistorel\r\n"
                              "[Motorrad]\r\nTyp=v5\r\n"
                              "[Reifen vorn]\r\nGroesse=v6\r\nHersteller=v7\r\nTyp=v8\r\nMischung=weich \xB0\r\n"
                              "Druck=v10\r\n"
                              "[Reifen hinten]\r\nGroesse=v11\r\nHersteller=v12\r\nTyp=v13\r\nMischung=v14\r\n"
                              "Druck=v15\r\n"
                              "[Motor]\r\nFiltre \xE0 air=v26\r\nCornets=v27\r\nCollecteur=v28\r\nSilencieux=v29\r\n"
                              "Mapping=v30\r\nEeprom =v31\r\nInjecteurs=v32\r\n"
                              "[Fahrwerk vorn]\r\nPr\xE9" "charge=v16\r\nD\xE9tente=v17\r\nCompression=v18\r\n"
                              "Hauteur=v19\r\nRessort=v20\r\n"
                              "[Fahrwerk hinten]\r\nPr\xE9" "charge=v22\r\nD\xE9tente=v21\r\nCompression=v23\r\n"
                              "Hauteur=v24\r\nRessort=v25\r\n"
                              "[Uebersetzung]\r\nPignon =v35\r\nCouronne=v36\r\nPrimaire =v37\r\n"
                              "[Bremsen vorn]\r\nDisques=v38\r\nPlaquettes=v39\r\n"
                              "[Bremsen hinten]\r\nDisques=v40\r\nPlaquettes=v41\r\n"
                              "[Strecke]\r\nNom: =v1\r\nTemp\xE9rature d air (\xB0" "C)=v2\r\n"
                              "Temp\xE9rature de piste(\xB0" "C)=v3\r\nSensations=sonnig\r\nDate=v4\r\n"
                              "Temps au tour=v34\r\n"
                              "[Sonstiges]\r\nFichier=tl1000.tva\r\n=a b c \r\n";

const char *const LongNote =
    "Vorderrad: nach dem dritten Turn eine Raste weicher in der Zugstufe, hinten zwei Klicks mehr Druckstufe, "
    "der Reifen hat danach bis zum Ende gleichmäßig gehalten und in der Schikane kaum noch gestempelt.";

} // namespace

TEST_F(RaceLog, FirstStartThenOpeningTakesTheSixValuesFromTheMainWindow)
{
    ASSERT_FALSE(QFile::exists(path("pistorel.ini")));
    TForm7 log;
    ui::enrol(&log);
    for (QLineEdit *e : log.findChildren<QLineEdit *>(QRegularExpression("^Edit\\d+$")))
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_EQ(log.Memo1->toPlainText(), "Weitere Notizen");

    w->P_Datei->setText("tl1000.tva");
    log.Edit6->setText("120/70-17");
    log.Edit35->setText("15");
    log.show();
    EXPECT_EQ(log.Edit5->text(), w->Edit15->text());
    EXPECT_EQ(log.Edit11->text(), "190/50-17");
    EXPECT_EQ(log.Edit35->text(), "17");
    EXPECT_EQ(log.Edit36->text(), "38");
    EXPECT_EQ(log.Edit37->text(), "1,84");
    EXPECT_EQ(log.Panel1->text(), "tl1000.tva");
    EXPECT_EQ(log.Edit6->text(), "120/70-17") << "the front size is never taken";

    // Every opening takes them again, also when the main window's field is empty.
    log.close();
    w->Edit15->clear();
    w->Edit2->setText("180");
    w->Edit1->clear();
    log.show();
    EXPECT_EQ(log.Edit5->text(), "");
    EXPECT_EQ(log.Edit11->text(), "180/50-");
}

TEST_F(RaceLog, ClosingWritesTheWholeLayoutUnderItsFixedKeys)
{
    w->P_Datei->setText("tl1000.tva");
    auto log = openLog();
    fill(*log);
    mouseClick(log->B_Close);
    EXPECT_FALSE(log->isVisible());
    EXPECT_EQ(readBytes(path("pistorel.ini")), FilledFile);
    EXPECT_TRUE(platform.messages.isEmpty());

    // Closing without a change writes the same file again; the keys are the
    // file's own, whatever a caption says.
    log->show();
    fill(*log);
    log->findChild<QLabel *>("Label_Edit36")->setText("Crown");
    log->close();
    EXPECT_EQ(readBytes(path("pistorel.ini")), FilledFile);
}

TEST_F(RaceLog, StartReadsTheFileBackAndNotesStayAsTheyWere)
{
    {
        w->P_Datei->setText("tl1000.tva");
        auto log = openLog();
        fill(*log);
        log->Memo1->setPlainText(QString(utf8(LongNote)).repeated(12) + "\n\nZweiter Absatz\n");
        log->close();
    }
    const QByteArray written = readBytes(path("pistorel.ini"));
    ASSERT_GT(written.size(), 2047 + 1000) << "notes beyond the profile layer's 2047 characters";

    TForm7 back;
    ui::enrol(&back);
    for (QLineEdit *e : back.findChildren<QLineEdit *>(QRegularExpression("^Edit\\d+$")))
        EXPECT_EQ(e->text(), e->objectName() == "Edit9" ? utf8("weich °") : "v" + e->objectName().mid(4));
    EXPECT_EQ(back.CBox_Witterung->currentText(), "sonnig");
    EXPECT_EQ(back.Panel1->text(), "tl1000.tva");
    // The lines the rider ended come back as one line, each followed by a
    // blank; the long paragraph the field wrapped comes back as typed.
    EXPECT_EQ(back.Memo1->toPlainText(), QString(utf8(LongNote)).repeated(12) + "  Zweiter Absatz");

    // Closing and starting again keeps the notes as they are: no blank is
    // added at the end or at a wrap.
    const QByteArray notesEntry = written.mid(written.lastIndexOf("\r\n=") + 2);
    for (int round = 0; round < 3; ++round) {
        TForm7 again;
        ui::enrol(&again);
        again.show();
        again.close();
        const QByteArray now = readBytes(path("pistorel.ini"));
        EXPECT_EQ(now.mid(now.lastIndexOf("\r\n=") + 2), notesEntry) << "round " << round;
    }
}

TEST_F(RaceLog, AnExistingFileIsUpdatedInPlace)
{
    const QByteArray handMade = "; Saison 2026\r\n"
                                "[Strecke]\r\nName=Spa\r\nTemps au tour=2:21\r\nWind=stark\r\n\r\n"
                                "[Eigenes]\r\nReifenwaermer=80\r\n"
                                "[Sonstiges]\r\n=alt \r\n";
    writeBytes(path("pistorel.ini"), handMade);
    auto log = openLog();
    EXPECT_EQ(log->Edit34->text(), "2:21");
    EXPECT_EQ(log->Edit1->text(), "") << "a key of other captions is not read";
    EXPECT_EQ(log->Memo1->toPlainText(), "alt");
    log->Edit34->setText("2:19");
    log->close();

    const QByteArray after = readBytes(path("pistorel.ini"));
    EXPECT_TRUE(after.startsWith("; Saison 2026\r\n[Strecke]\r\nName=Spa\r\nTemps au tour=2:19\r\nWind=stark\r\n"
                                 "Nom: =\r\n"))
        << after.toStdString();
    EXPECT_TRUE(after.contains("\r\n\r\n[Eigenes]\r\nReifenwaermer=80\r\n[Sonstiges]\r\n=alt \r\nFichier=\r\n"));
    // The sections the file lacked follow at its end.
    EXPECT_GT(after.indexOf("[Programm]\r\n=Pistorel\r\n"), after.indexOf("=alt "));
    EXPECT_TRUE(after.endsWith("[Bremsen hinten]\r\nDisques=\r\nPlaquettes=\r\n"));
    EXPECT_EQ(after.count("[Strecke]"), 1);

    // An empty file empties every field and asks for the type.
    writeBytes(path("pistorel.ini"), "");
    TForm7 empty;
    ui::enrol(&empty);
    EXPECT_EQ(empty.Edit5->text(), "Typ angeben");
    EXPECT_EQ(empty.Edit34->text(), "");
    EXPECT_EQ(empty.Memo1->toPlainText(), "");
}

TEST_F(RaceLog, AFailedSettingsWriteIsReportedAndTheWindowStillCloses)
{
    ASSERT_TRUE(QDir().mkpath(path("pistorel.ini"))); // a folder in its place cannot be written
    w->Button_BerechnenClick();
    auto log = openLog();
    log->B_InfoClick();
    ASSERT_TRUE(info.isVisible());
    mouseClick(log->B_Close);
    EXPECT_EQ(platform.messages, QStringList({"Fehler bei Ini-Erstellung."}));
    EXPECT_FALSE(log->isVisible());
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(w->PaintBox1->diagram()) << "the picture stays";
}

TEST_F(RaceLog, ExportNamesTheFileAfterTheTrack)
{
    QTemporaryDir outside;
    ASSERT_TRUE(QDir().mkpath(path("Strecken")));
    struct Case {
        QString track;
        const char *message; // nullptr: saved
        QString file;        // the file that is written, relative to the program directory
    };
    const std::vector<Case> cases = {
        {"", "Bitte Streckenname angeben.", ""},
        {"   ", nullptr, "   .txt"},
        {utf8("Nürburgring GP"), nullptr, utf8("Nürburgring GP.txt")},
        {"Strecken/Spa", nullptr, "Strecken/Spa.txt"},
        {"..Assen", nullptr, "..Assen.txt"},
        {"Fehlt/Spa", "Fehler beim Speichern.", ""},
        {"../Spa", "Fehler beim Speichern.", ""},
        {"Strecken/../../Spa", "Fehler beim Speichern.", ""},
        {"Strecken\\..\\Spa", "Fehler beim Speichern.", ""},
        {outside.path() + "/Spa", "Fehler beim Speichern.", ""},
        // From a damaged settings file: the name must not end at the zero.
        {"pistorel.ini" + QString(QChar(0)), "Fehler beim Speichern.", ""},
    };
    auto log = openLog();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.track.toStdString());
        platform.clear();
        log->Edit1->setText(c.track);
        log->B_SpeichernClick();
        EXPECT_EQ(platform.messages, c.message ? QStringList({utf8(c.message)}) : QStringList());
        EXPECT_EQ(log->Label_Gespeichert->isVisible(), c.message == nullptr);
        if (!c.file.isEmpty()) {
            EXPECT_TRUE(readBytes(path(c.file)).startsWith("[Programm]\r\n=Pistorel\r\n"));
        }
    }
    EXPECT_FALSE(QFile::exists(programDir.path() + "/../Spa.txt"));
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files), QStringList());
    EXPECT_FALSE(QFile::exists(path("pistorel.ini"))) << "the export writes only its own file";
}

TEST_F(RaceLog, ExportingAgainUpdatesTheSameFile)
{
    w->P_Datei->setText("tl1000.tva");
    auto log = openLog();
    fill(*log);
    log->Edit1->setText("Spa");
    log->B_SpeichernClick();
    QByteArray expected = FilledFile;
    expected.replace("Nom: =v1", "Nom: =Spa");
    EXPECT_EQ(readBytes(path("Spa.txt")), expected);

    log->Edit2->clear();
    log->B_SpeichernClick();
    expected.replace("(\xB0" "C)=v2\r\n", "(\xB0" "C)=\r\n");
    EXPECT_EQ(readBytes(path("Spa.txt")), expected);
    EXPECT_TRUE(log->Label_Gespeichert->isVisible());
}

TEST_F(RaceLog, EveryChangeHidesTheSavedNotice)
{
    auto log = openLog();
    log->Edit1->setText("Spa");
    log->Edit7->setText("Metzeler");
    log->Edit12->clear();
    const std::vector<std::pair<const char *, std::function<void()>>> changes = {
        {"typing into a field", [&] { type(log->Edit27, "x"); }},
        {"typing into the type", [&] { type(log->Edit5, "x"); }},
        {"picking a weather", [&] { log->CBox_Witterung->setCurrentIndex(2); }},
        {"typing a weather", [&] { type(log->CBox_Witterung->lineEdit(), "x"); }},
        {"editing the notes", [&] { log->Memo1->appendPlainText("x"); }},
        {"the maker mirroring", [&] { log->Edit7Change(); }},
        {"opening again", [&] { log->close(); log->show(); }},
    };
    for (const auto &[what, change] : changes) {
        SCOPED_TRACE(what);
        log->B_SpeichernClick();
        ASSERT_TRUE(log->Label_Gespeichert->isVisible());
        log->B_SpeichernClick(); // exporting again leaves it shown
        ASSERT_TRUE(log->Label_Gespeichert->isVisible());
        change();
        EXPECT_FALSE(log->Label_Gespeichert->isVisible());
    }
}

TEST_F(RaceLog, LeavingAMakerFieldFillsAnEmptyOther)
{
    struct Case {
        const char *front, *rear;
        bool leaveFront;
        Qt::FocusReason reason;
        const char *frontAfter, *rearAfter;
    };
    const Case cases[] = {
        {"Dunlop", "", true, Qt::TabFocusReason, "Dunlop", "Dunlop"},
        {"", "Pirelli", false, Qt::MouseFocusReason, "Pirelli", "Pirelli"},
        {"Dunlop", "Pirelli", true, Qt::TabFocusReason, "Dunlop", "Pirelli"},
        {"Dunlop", " ", true, Qt::TabFocusReason, "Dunlop", " "}, // blanks are not empty
        {"", "", true, Qt::TabFocusReason, "", ""},
        {"Dunlop", "", false, Qt::TabFocusReason, "Dunlop", ""}, // leaving the other field
        {"Dunlop", "", true, Qt::ActiveWindowFocusReason, "Dunlop", ""}, // switching programs
    };
    auto log = openLog();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.front) + "|" + c.rear);
        log->Edit7->setText(c.front);
        log->Edit12->setText(c.rear);
        QFocusEvent out(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(c.leaveFront ? log->Edit7 : log->Edit12, &out);
        EXPECT_EQ(log->Edit7->text(), c.frontAfter);
        EXPECT_EQ(log->Edit12->text(), c.rearAfter);
    }
    // Typing alone does not mirror.
    log->Edit7->clear();
    log->Edit12->clear();
    type(log->Edit7, "Bridgestone");
    EXPECT_EQ(log->Edit12->text(), "");
}

TEST_F(RaceLog, PrintoutReadsFieldsCaptionsAndTheShownNoteLines)
{
    w->P_Datei->setText("tl1000.tva");
    auto log = openLog();
    fill(*log);
    log->Memo1->setPlainText(utf8(LongNote) + "\nkurz");
    log->findChild<QLabel *>("Label_Edit36")->setText("Crown ");

    print::RecordingCanvas canvas;
    print::printRaceLogSheet(canvas, log->sheetData(), platform.now(), platform.locale());
    std::map<std::pair<int, int>, QString> at;
    for (const PlacedText &t : textsOf(canvas))
        at[{t.x, t.y}] = t.text;
    const std::vector<PlacedText> expected = {
        {200, 400, "Pistorel v5"},
        {200, 500, "Pneumatiques"},
        {250, 550, utf8("Dimension Avant: v6; Arrière: v11")},
        {250, 700, utf8("Type Avant: weich °; Arrière: v14")},
        {250, 850, "Pignon v35"},
        {250, 900, "Crown v36"},
        {250, 1050, utf8("Disques Avantv38; Arrièrev40")},
        {250, 1100, utf8("Plaquettes Avantv39; Arrièrev41")},
        {200, 1150, utf8("Filtre à airv26")},
        {200, 1350, "Mappingv30"},
        {250, 1400, "Eeprom v31"},
        {250, 1600, utf8("Précharge Avant: v16; Arrière: v22")},
        {250, 1650, utf8("Détente Avant: v17; Arrière: v21")},
        {250, 1900, "Nom: v1"},
        {250, 2050, "Sensationssonnig"},
        {250, 2150, "Temps au tourv34"},
        {250, 2250, "Fichiertl1000.tva"},
    };
    for (const PlacedText &t : expected)
        EXPECT_EQ(at[std::make_pair(t.x, t.y)], t.text) << t.x << ", " << t.y;

    // The notes as the field shows them: the long note wrapped into several
    // printed lines, one every 50 units, then the short line.
    const QStringList lines = log->notesLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(0, lines.size() - 1).join(""), utf8(LongNote));
    EXPECT_EQ(lines.last(), "kurz");
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(at[std::make_pair(250, 2300 + 50 * i)], lines[i]);
    EXPECT_EQ(at.count(std::make_pair(250, 2300 + 50 * int(lines.size()))), 0u);

    // A window that was never shown knows the same lines; an empty last
    // line does not count.
    TForm7 hidden;
    ui::enrol(&hidden);
    hidden.Memo1->setPlainText(utf8(LongNote) + "\nkurz\n");
    EXPECT_EQ(hidden.notesLines(), lines);
    hidden.Memo1->clear();
    EXPECT_EQ(hidden.notesLines(), QStringList());
}

TEST_F(RaceLog, PrintButtonGoesThroughThePrintDialog)
{
    auto log = openLog();
    log->B_DruckenClick(); // cancelled
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(platform.messages.isEmpty());

    platform.printToPdf = path("pistorel.pdf");
    mouseClick(log->B_Drucken);
    EXPECT_TRUE(readBytes(platform.printToPdf).startsWith("%PDF"));
    EXPECT_TRUE(platform.messages.isEmpty());

    platform.printToPdf = path("Fehlt/pistorel.pdf");
    log->B_DruckenClick();
    EXPECT_EQ(platform.messages, QStringList({"Druckerinstallation kontrollieren."}));
    EXPECT_TRUE(log->isVisible());
}

TEST_F(RaceLog, OpensModallyFromTheMenuWithItsInfoWindowBeside)
{
    TForm7 log;
    ui::enrol(&log);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        EXPECT_TRUE(log.isModal());
        mouseClick(log.B_Info);
        EXPECT_TRUE(info.isVisible());
        EXPECT_FALSE(info.isModal());
        EXPECT_EQ(info.pos(), QPoint(238, 17));
        // Belonging to the race log, it is not blocked by the modal log.
        ASSERT_NE(info.windowHandle(), nullptr);
        EXPECT_EQ(info.windowHandle()->transientParent(), log.windowHandle());
        const QStringList text = info.Memo1->toPlainText().split('\n');
        EXPECT_EQ(text.size(), 11);
        EXPECT_EQ(text[0], "Die eingebenen Werte bleiben erhalten.");
        EXPECT_FALSE(info.Memo1->isEnabled());
        mouseClick(log.B_Close);
    });
    w->Pistorel1->trigger(); // returns once "Fermer" closed the log
    EXPECT_TRUE(ran);
    EXPECT_FALSE(log.isVisible());
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(QFile::exists(path("pistorel.ini")));
}

TEST_P(RaceLogLanguage, LayoutKeepsEveryControlInItsGroupAndTextsFit)
{
    auto log = openLog();
    switchTo(GetParam());
    const std::vector<std::pair<QGroupBox *, QRect>> groups = {
        {log->GB_Moto, {4, 40, 781, 257}},          {log->GB_Pneumatiques, {8, 48, 369, 89}},
        {log->GB_Demultiplication, {8, 144, 129, 97}}, {log->GB_Suspensions, {144, 144, 401, 97}},
        {log->GB_Moteur, {384, 8, 385, 129}},       {log->GB_Freins, {552, 144, 217, 97}},
        {log->GB_Circuit, {4, 304, 377, 169}},      {log->GB_Commentaires, {390, 304, 395, 169}},
    };
    for (const auto &[g, rect] : groups) {
        SCOPED_TRACE(g->objectName().toStdString());
        EXPECT_EQ(g->geometry(), rect);
        // Below the caption, inside the edge, side by side; the engine
        // group stands beside the caption of the group around it.
        const bool holdsGroup = !g->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly).isEmpty();
        expectSideBySide(g, g->rect().adjusted(2, holdsGroup ? 2 : g->fontMetrics().height(), -2, -2));
        // The caption stands in the top edge, inside the corners.
        EXPECT_LE(6 + g->fontMetrics().horizontalAdvance(g->title()) + 4, g->width() - 6) << g->title().toStdString();
    }
    expectTextsFit(log.get());
    // The notice reads on from the track name and fits in its group.
    log->Label_Gespeichert->show();
    EXPECT_EQ(log->Label_Gespeichert->pos(), QPoint(266, 20));
    EXPECT_EQ(log->Edit1->x() + log->Edit1->width(), 265);
    EXPECT_LE(log->Label_Gespeichert->geometry().right(), log->GB_Circuit->width() - 3);
    EXPECT_EQ(log->Label_Gespeichert->palette().color(QPalette::WindowText), QColor(Qt::red));

    if (GetParam() == ui::Language::Original) {
        EXPECT_EQ(QStringList({log->B_Drucken->toolTip(), log->B_Speichern->toolTip(), log->B_Info->toolTip()}),
                  QStringList({"Werte ausdrucken", "Werte in txt-Datei speichern", "Info"}));
    }
    for (QPushButton *b : {log->B_Drucken, log->B_Speichern, log->B_Info})
        EXPECT_EQ(b->size(), QSize(33, 25));
    EXPECT_EQ(log->B_Close->geometry(), QRect(352, 488, 75, 25));
    // "Fermer" comes first in the tab order and has the focus on opening.
    QWidget *first = log->nextInFocusChain();
    while (!(first->focusPolicy() & Qt::TabFocus))
        first = first->nextInFocusChain();
    EXPECT_EQ(first, log->B_Close);
    EXPECT_EQ(log->focusWidget(), log->B_Close);
    EXPECT_EQ(log->CBox_Witterung->count(), 4);
    EXPECT_TRUE(log->CBox_Witterung->isEditable());
}

// A value longer than 64 KiB is read cut to that length; the rest of the
// file stays as it was; a notes "word" longer than any line breaks anywhere
// so that it lays out at once.
TEST_F(RaceLog, HugeNotesAreReadUpToSixtyFourKiB)
{
    const QByteArray rest = "; von Hand\r\n[Eigenes]\r\nReifen=alt\r\n";
    writeBytes(path("pistorel.ini"), rest + "[Sonstiges]\r\n=" + QByteArray(1 << 20, 'x') + "\r\n");
    TForm7 log;
    ui::enrol(&log);
    EXPECT_EQ(log.Memo1->toPlainText().size(), 64 * 1024);
    EXPECT_EQ(log.Memo1->wordWrapMode(), QTextOption::WrapAnywhere);
    log.show();
    log.close();
    const QByteArray now = readBytes(path("pistorel.ini"));
    EXPECT_TRUE(now.startsWith(rest)) << "the rider's own lines stay";
    EXPECT_TRUE(now.contains("\r\n=" + QByteArray(64 * 1024, 'x') + " \r\n"));

    log.Memo1->setPlainText("Reifen warm, Druck 2,1 bar");
    EXPECT_EQ(log.Memo1->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

// A caption, the weather list and the box in the language chosen while the
// window is open; the weather chosen stays, and a saved log stays saved.
TEST_P(RaceLogTranslation, SwitchingTheLanguageRetranslatesTheOpenWindow)
{
    const struct {
        ui::Language language;
        const char *tyres, *sunny, *noTrack;
    } cases[] = {
        {ui::Language::French, "Pneumatiques", "ensoleillé", "Veuillez indiquer le nom du circuit."},
        {ui::Language::German, "Reifen", "sonnig", "Bitte Streckenname angeben."},
        {ui::Language::English, "Tyres", "sunny", "Please enter the name of the track."},
    };
    const auto &c = rowFor(cases, GetParam());

    writeBytes(path("pistorel.ini"), "[Strecke]\r\nSensations=regnerisch\r\n");
    TForm7 log;
    ui::enrol(&log);
    TForm7 own;
    ui::enrol(&own);
    own.Edit1->setText("Spa");
    own.B_SpeichernClick();
    ASSERT_TRUE(own.Label_Gespeichert->isVisibleTo(&own));

    switchTo(c.language);
    EXPECT_EQ(log.GB_Pneumatiques->title(), utf8(c.tyres));
    EXPECT_EQ(log.CBox_Witterung->itemText(0), utf8(c.sunny));
    EXPECT_EQ(log.CBox_Witterung->currentText(), "regnerisch") << "the weather read is the rider's";
    EXPECT_TRUE(own.Label_Gespeichert->isVisibleTo(&own)) << "a change of language is no edit";

    log.B_SpeichernClick();
    EXPECT_EQ(platform.messages, QStringList({utf8(c.noTrack)}));
}

// The settings file and the export keep their keys and layout in every
// language: the values are the rider's, the keys the file's own.
TEST_P(RaceLogTranslation, FilesKeepTheirKeysInEveryLanguage)
{
    w->P_Datei->setText("tl1000.tva");
    auto log = openLog();
    fill(*log);
    log->CBox_Witterung->setEditText("sonnig");
    switchTo(GetParam());
    log->Edit1->setText("Spa");
    log->B_SpeichernClick();
    mouseClick(log->B_Close);
    QByteArray expected = FilledFile;
    EXPECT_EQ(readBytes(path("pistorel.ini")), expected.replace("Nom: =v1", "Nom: =Spa"));
    EXPECT_EQ(readBytes(path("Spa.txt")), expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, RaceLogLanguage, EveryLanguage, languageName);
INSTANTIATE_TEST_SUITE_P(Languages, RaceLogTranslation, EveryTranslation, languageName);
