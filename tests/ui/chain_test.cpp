#include "languages.h"
#include "window_driver.h"

#include "files/programdir.h"
#include "print/recordingcanvas.h"
#include "support/files.h"
#include "support/placed_text.h"
#include "ui/tform6.h"
#include "ui/tform8.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

// Readable failures.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class ChainWindow : public RegisteredMainWindowTest {
protected:
    QString iniPath() const { return programDir.file("catenolix.ini"); }
    QStringList iniLines() const { return profileLines(iniPath()); }

    // Worked example: 110 links of 1,56 cm, sag 2, 15/45 to 14/50.
    static void enterExample(TForm6 &f, const char *front = "14", const char *rear = "50")
    {
        f.E_Glieder_alt->setText("110");
        f.E_Ritzel_alt->setText("15");
        f.E_Kettenrad_alt->setText("45");
        f.E_Ritzel_neu->setText(front);
        f.E_Kettenrad_neu->setText(rear);
    }
    // The fields the settings file holds, in the order it holds them.
    static QStringList fields(const TForm6 &f)
    {
        return {f.E_Solldurchhang->text(), f.E_Glieder_alt->text(), f.E_Gliedlaenge->text(),
                f.E_Ritzel_alt->text(),    f.E_Kettenrad_alt->text(), f.E_Ritzel_neu->text(),
                f.E_Kettenrad_neu->text(), f.E_Glieder_neu->text(),  f.E_Mopped->text()};
    }
    static QStringList panels(const TForm6 &f)
    {
        return {f.P_Kettenlaenge_alt->text(), f.P_Achsabstand_alt->text(), f.P_Kettenlaenge_ist->text(),
                f.P_Kettenlaenge_soll->text(), f.P_Achsabstand_neu->text()};
    }
};

const QStringList FirstExampleLines = {
    utf8("Es ist entweder eine Verlängerung der Kette um 2 Glied(er) nötig, oder eine "),
    utf8("Verschiebung des Kettenrades um 18 mm nach vorne. "),
    "",
    utf8("Bei einer Verlängerung der Kette um 2 Glieder ist eine Verschiebung des "),
    utf8("Kettenrades um 2 mm nach vorne nötig."),
};

} // namespace

TEST_F(ChainWindow, CalculerFillsPanelsAndResultText)
{
    // The worked example, then the same sprockets: the shorter result
    // replaces the longer one. Other figures are the calculation's test.
    struct Case {
        const char *front, *rear;
        QStringList panels;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {"14", "50", {"171,60", "61,91", "171,60", "174,72", "60,13"}, FirstExampleLines},
        {"15", "45", {"171,60", "61,91", "171,60", "171,60", "61,91"},
         {utf8("Es ist entweder eine  der Kette um 0 Glied(er) nötig, oder eine "),
          utf8("Verschiebung des Kettenrades um 0 mm nach . ")}},
    };
    TForm6 f;
    ui::enrol(&f);
    f.show();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.front + std::string("/") + c.rear);
        enterExample(f, c.front, c.rear);
        ASSERT_EQ(f.E_Glieder_neu->text(), "110") << "the new chain follows the present one";
        mouseClick(f.B_Berechnen);
        EXPECT_EQ(panels(f), c.panels);
        EXPECT_EQ(f.resultLines(), c.lines);
    }
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(ChainWindow, FailuresAndTheSilentZeroStop)
{
    struct Case {
        const char *what;
        QLineEdit *TForm6::*field;
        const char *text;
        QStringList messages, errors, panels;
        int lineCount; // -1: the result of the example is left as it was
    };
    const std::vector<Case> cases = {
        {"zero sag", &TForm6::E_Solldurchhang, "0", {}, {},
         {"171,60", "61,91", "171,60", "174,72", "60,13"}, -1},
        // The new axle distance fails, and so does step 11 on the same sprockets.
        {"equal new tooth counts", &TForm6::E_Kettenrad_neu, "14", {"Division durch 0."},
         {utf8("Ungültige Gleitkommaoperation.")}, {"171,60", "61,91", "171,60", "0,00", "0,00"}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TForm6 f;
        ui::enrol(&f);
        f.show();
        enterExample(f);
        mouseClick(f.B_Berechnen);
        ASSERT_EQ(f.resultLines(), FirstExampleLines);
        platform.clear();

        (f.*c.field)->setText(c.text);
        mouseClick(f.B_Berechnen);
        EXPECT_EQ(platform.messages, c.messages);
        EXPECT_EQ(platform.errors, c.errors);
        EXPECT_EQ(panels(f), c.panels);
        if (c.lineCount < 0) {
            EXPECT_EQ(f.resultLines(), FirstExampleLines);
        } else {
            EXPECT_EQ(f.resultLines().size(), c.lineCount);
        }
    }
}

TEST_F(ChainWindow, PresentLinksOverwriteTheNewOnEveryKeystroke)
{
    TForm6 f;
    ui::enrol(&f);
    f.show();
    EXPECT_EQ(f.focusWidget(), f.E_Glieder_alt);
    retype(f.E_Glieder_alt, "1");
    EXPECT_EQ(f.E_Glieder_neu->text(), "1");
    type(f.E_Glieder_alt, "08");
    EXPECT_EQ(f.E_Glieder_neu->text(), "108");
    retype(f.E_Glieder_neu, "110");
    EXPECT_EQ(f.E_Glieder_alt->text(), "108");
}

TEST_F(ChainWindow, ShowingTakesTheDiagramTitleAndEmptiesTheResult)
{
    TForm6 f;
    ui::enrol(&f);
    EXPECT_EQ(f.E_Mopped->text(), "Bezeichnung eingeben");
    f.show();
    EXPECT_EQ(f.E_Mopped->text(), w->Edit15->text());
    enterExample(f);
    mouseClick(f.B_Berechnen);
    f.hide();

    w->Edit15->setText("GSX-R 750");
    f.show();
    EXPECT_EQ(f.E_Mopped->text(), "GSX-R 750");
    EXPECT_TRUE(f.resultLines().isEmpty());
    EXPECT_EQ(panels(f)[0], "171,60") << "panels keep their texts";
}

TEST_F(ChainWindow, SettingsAreWrittenAtCloseAndReadAtCreation)
{
    {
        TForm6 f;
        ui::enrol(&f);
        EXPECT_EQ(fields(f), QStringList({"2", "0", "1,56", "0", "0", "0", "0", "0", "Bezeichnung eingeben"}));
        EXPECT_TRUE(f.CB_ini->isChecked());
        w->Edit15->setText("TL 1000 S");
        f.show();
        enterExample(f);
        mouseClick(f.B_Berechnen);
        f.E_Glieder_neu->setText("112");
        mouseClick(f.B_Close);
        EXPECT_FALSE(f.isVisible());
    }
    const QString result = FirstExampleLines.join(QString());
    EXPECT_EQ(iniLines(), QStringList({"[Program]", "Inifile=Catenolix", "[Antrieb alt]", "Solldurchhang=2",
                                       "aktuelle Kettenlaenge=110", "Gliedlaenge=1,56", "Ritzel alt=15",
                                       "Kettenrad alt=45", "[Antrieb neu]", "Ritzel neu=14", "Kettenrad neu=50",
                                       "Kettenlaenge neu=112", "[Motorrad]", "Typ=TL 1000 S", "[Ergebnis]",
                                       "=" + result}));

    TForm6 again;
    ui::enrol(&again);
    EXPECT_EQ(fields(again), QStringList({"2", "110", "1,56", "15", "45", "14", "50", "112", "TL 1000 S"}));

    // Unchecked, closing writes nothing.
    const QStringList before = iniLines();
    again.show();
    again.E_Ritzel_neu->setText("16");
    again.CB_ini->setChecked(false);
    again.close();
    EXPECT_EQ(iniLines(), before);
}

TEST_F(ChainWindow, NotesAddedByHandSurviveAndMissingNewLinksFollowThePresent)
{
    writeBytes(iniPath(), "; meine Kette\r\n[Antrieb alt]\r\naktuelle Kettenlaenge=114\r\n"
             "[Notizen]\r\nKette=DID 525 ZVM-X\r\n");
    TForm6 f;
    ui::enrol(&f);
    EXPECT_EQ(f.E_Glieder_alt->text(), "114");
    EXPECT_EQ(f.E_Glieder_neu->text(), "114");
    EXPECT_EQ(f.E_Gliedlaenge->text(), "1,56");
    EXPECT_EQ(f.E_Mopped->text(), "Modell eingeben");
    f.show();
    f.close();
    const QStringList lines = iniLines();
    EXPECT_EQ(lines.mid(0, 3), QStringList({"; meine Kette", "[Antrieb alt]", "aktuelle Kettenlaenge=114"}));
    EXPECT_TRUE(lines.contains("[Notizen]"));
    EXPECT_TRUE(lines.contains("Kette=DID 525 ZVM-X"));
    EXPECT_TRUE(lines.contains("Kettenlaenge neu=114"));
    EXPECT_TRUE(lines.contains("=")) << "an empty result is an empty value";
}

TEST_F(ChainWindow, ClosingWhenTheFileCannotBeWrittenStillClosesEverything)
{
    files::setProgramDirectoryForTesting(programDir.file("missing"));
    TForm6 f;
    ui::enrol(&f);
    TForm8 info; // after f: it becomes f's child when shown
    ui::enrol(&info);
    f.show();
    mouseClick(f.B_Info);
    EXPECT_TRUE(info.isVisible());
    EXPECT_FALSE(info.isModal());
    const QStringList text = info.Memo1->toPlainText().split('\n');
    ASSERT_EQ(text.size(), 13);
    EXPECT_EQ(text[0], "Die eingebenen Werte bleiben erhalten, so lange ");
    EXPECT_EQ(text[1], "Trovanta nicht beendet wird.");
    EXPECT_FALSE(info.Memo1->isEnabled());

    w->Button_BerechnenClick();
    ASSERT_TRUE(w->PaintBox1->diagram());
    f.close(); // as the close box does
    EXPECT_EQ(platform.messages, QStringList({"Fehler bei Ini-Erstellung."}));
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(w->PaintBox1->diagram()) << "the picture stays";
}

// The calculator runs modally from the menu; the info window it shows must
// not be blocked by it, or it could not even be closed.
TEST_F(ChainWindow, InfoWindowTakesInputWhileTheCalculatorIsModal)
{
    struct BlockSpy : QObject {
        bool blocked = false;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::WindowBlocked || e->type() == QEvent::WindowUnblocked)
                blocked = e->type() == QEvent::WindowBlocked;
            return false;
        }
    } spy;
    TForm6 f;
    ui::enrol(&f);
    TForm8 info(w.get());
    ui::enrol(&f);
    ui::enrol(&info);
    info.installEventFilter(&spy);
    bool modal = false, shown = false, blocked = true;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget() == &f;
        mouseClick(f.B_Info);
        QApplication::processEvents();
        shown = info.isVisible();
        blocked = spy.blocked;
        mouseClick(f.B_Close);
    });
    w->KettenlaengeRechner->trigger(); // returns when the calculator is closed
    EXPECT_TRUE(modal);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(blocked);
    EXPECT_FALSE(info.isVisible());
}

TEST_F(ChainWindow, PrintoutCarriesEveryLabelledValueAndTheResult)
{
    TForm6 f;
    ui::enrol(&f);
    f.show();
    enterExample(f);
    mouseClick(f.B_Berechnen);

    print::RecordingCanvas canvas;
    f.Drucken(canvas);
    const std::vector<PlacedText> texts = textsOf(canvas);
    ASSERT_GT(texts.size(), 7u);
    EXPECT_EQ(texts[3], (PlacedText{200, 400, "Catenolix " + w->Edit15->text()})) << "the letterhead's subtitle";
    const std::vector<PlacedText> sheet = {
        {200, 500, "Transmission actuelle"},
        {250, 550, "Soll-Durchhang der Kette (cm): 2"},
        {250, 600, "Longueur de chaine actuelle: 110"},
        {250, 650, utf8("Länge eines Kettengliedes (cm): 1,56")},
        {250, 700, "Pignon 15"},
        {250, 750, "Couronne 45"},
        {250, 800, utf8("aktuelle Kettenlänge (cm): 171,60")},
        {250, 850, "aktueller Achsabstand (cm): 61,91"},
        {200, 1000, "Nouvelle transmission"},
        {250, 1050, "Pignon 14"},
        {250, 1100, "couronne 50"},
        {250, 1150, "Longueur de chaine (maillon) 110"},
        {250, 1200, utf8("IST - Kettenlänge (cm): 171,60")},
        {250, 1250, utf8("SOLL - Kettenlänge (cm): 174,72")},
        {250, 1300, "SOLL - Achsabstand (cm): 60,13"},
        {200, 1450, "Ergebnis:"},
        {250, 1500, FirstExampleLines[0]},
        {250, 1550, FirstExampleLines[1]},
        {250, 1650, FirstExampleLines[3]}, // the empty line keeps its step
        {250, 1700, FirstExampleLines[4]},
    };
    EXPECT_EQ(std::vector(texts.begin() + 7, texts.end()), sheet) << "after the seven letterhead lines";

    // Through the print dialog: cancelled, to a file, and failing.
    mouseClick(f.B_Drucken);
    EXPECT_EQ(platform.printDialogs, 1);
    platform.printToPdf = programDir.file("catenolix.pdf");
    mouseClick(f.B_Drucken);
    EXPECT_GT(QFile(platform.printToPdf).size(), 0);
    EXPECT_TRUE(platform.messages.isEmpty());
    platform.printToPdf = programDir.file("missing/catenolix.pdf");
    mouseClick(f.B_Drucken);
    EXPECT_EQ(platform.messages, QStringList({"Druckerinstallation kontrollieren."}));
}

// The window in each language, switched at run time as the menu does.
using ChainLanguage = InLanguage<ChainWindow>;
class ChainTranslation : public ChainLanguage {};

// Every caption fits its place and nothing runs into a field, the result
// text included: its lines each fit the memo's width, as the printout
// prints them line by line.
TEST_P(ChainLanguage, TextsFitAndNothingOverlaps)
{
    TForm6 f;
    ui::enrol(&f);
    f.show();
    switchTo(GetParam());
    enterExample(f);
    mouseClick(f.B_Berechnen);
    ASSERT_EQ(f.resultLines().size(), 5);

    expectTextsFit(&f);
    for (const QGroupBox *g : {f.GroupBox2, f.GroupBox3}) {
        SCOPED_TRACE(g->objectName().toStdString());
        expectSideBySide(g, g->rect().adjusted(2, g->fontMetrics().height(), -2, -2));
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width());
    }
    expectSideBySide(&f, f.rect());
    EXPECT_LE(f.CB_ini->sizeHint().width(), f.CB_ini->width()) << f.CB_ini->text().toStdString();
    const int room = f.Ergebnismemo->viewport()->width() - 2 * int(f.Ergebnismemo->document()->documentMargin());
    for (const QString &line : f.resultLines())
        EXPECT_LE(f.Ergebnismemo->fontMetrics().horizontalAdvance(line), room) << line.toStdString();
}

// A caption, the result text, the box and the default designation in the
// language chosen while the window is open; a designation the rider typed
// and text written over the result are the rider's.
TEST_P(ChainTranslation, SwitchingTheLanguageRetranslatesTheOpenWindow)
{
    const struct {
        ui::Language language;
        const char *caption, *firstLine, *box, *designation;
    } cases[] = {
        {ui::Language::French, "Pignon", "Il faut soit un rallongement de la chaîne de 2 maillon(s), soit un ",
         "Division par 0.", "Saisir la désignation"},
        {ui::Language::German, "Ritzel", "Es ist entweder eine Verlängerung der Kette um 2 Glied(er) nötig, oder eine ",
         "Division durch 0.", "Bezeichnung eingeben"},
        {ui::Language::English, "Front sprocket", "Either a lengthening of the chain by 2 link(s) is needed, or a ",
         "Division by 0.", "Enter the designation"},
    };
    const auto &c = rowFor(cases, GetParam());

    TForm6 f;
    ui::enrol(&f);
    TForm6 typed; // a designation of the rider's own
    ui::enrol(&typed);
    typed.E_Mopped->setText("Bezeichnung eingeben ");
    f.show();
    enterExample(f);
    mouseClick(f.B_Berechnen);
    f.E_Mopped->setText(utf8("Bezeichnung eingeben"));

    switchTo(c.language);
    EXPECT_EQ(f.Label4->text(), utf8(c.caption));
    ASSERT_EQ(f.resultLines().size(), 5);
    EXPECT_EQ(f.resultLines()[0], utf8(c.firstLine)) << "the result text is worded again";
    EXPECT_EQ(f.E_Mopped->text(), utf8(c.designation));
    EXPECT_EQ(typed.E_Mopped->text(), "Bezeichnung eingeben ");

    f.E_Kettenrad_neu->setText("14");
    mouseClick(f.B_Berechnen);
    EXPECT_EQ(platform.messages, QStringList({utf8(c.box)}));

    // Text the rider wrote over the result stays in any language.
    f.Ergebnismemo->setPlainText("eigene Notiz");
    switchTo(ui::Language::Original);
    EXPECT_EQ(f.resultLines(), QStringList({"eigene Notiz"}));
    EXPECT_EQ(f.E_Mopped->text(), "Bezeichnung eingeben");
}

INSTANTIATE_TEST_SUITE_P(Languages, ChainLanguage, EveryLanguage, languageName);
INSTANTIATE_TEST_SUITE_P(Languages, ChainTranslation, EveryTranslation, languageName);
