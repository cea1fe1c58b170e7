// The comparison window driven offscreen beside the real main window.

#include "languages.h"
#include "window_driver.h"

#include "files/fileerror.h"
#include "files/geardata.h"
#include "print/recordingcanvas.h"
#include "support/files.h"
#include "support/placed_text.h"
#include "ui/comparediagram.h"
#include "ui/comparewindow.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;
using ui::CompareWindow;

// Readable failures.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class Compare : public RegisteredMainWindowTest {
protected:
    ~Compare() override { QDir::setCurrent(startDir); }

    CompareWindow *open()
    {
        menuAction(*w, "Comparaison1")->trigger();
        QApplication::processEvents();
        return ui::analysisWindow<ui::CompareWindow>();
    }
    // The main window calculated, then the window opened.
    CompareWindow *openAfterRun()
    {
        w->Button_BerechnenClick();
        return open();
    }

    static QStringList column(const QTableWidget *t, int c, int rows = 6)
    {
        QStringList out;
        for (int r = 0; r < rows; ++r)
            out << t->item(r, c)->text();
        return out;
    }
    static QStringList row(const QTableWidget *t, int r)
    {
        QStringList out;
        for (int c = 0; c < t->columnCount(); ++c)
            out << t->item(r, c)->text();
        return out;
    }
    static void point(CompareWindow *c, int r, const QString &name, const QString &kmh, const QString &gear)
    {
        c->T_Punkte->item(r, 0)->setText(name);
        c->T_Punkte->item(r, 1)->setText(kmh);
        c->T_Punkte->item(r, 2)->setText(gear);
    }
    QString ini() const { return programDir.file("comparaison.ini"); }

    const QString startDir = QDir::currentPath();
    QTemporaryDir work;
};

const QString Dash = QString::fromUtf8("\u2013");

} // namespace

TEST_F(Compare, IsCreatedOnFirstUseAndFollowsTheMainWindowsRuns)
{
    EXPECT_EQ(ui::analysisWindow<ui::CompareWindow>(), nullptr);
    EXPECT_EQ(w->findChild<CompareWindow *>(), nullptr);
    CompareWindow *c = openAfterRun();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(c->isWindow());
    EXPECT_FALSE(c->isModal());
    EXPECT_EQ(c->objectName(), "CompareWindow");
    EXPECT_EQ(c->windowTitle(), "Comparaison");
    EXPECT_EQ(w->Analyse1->title(), "&Analyse");
    EXPECT_EQ(menuAction(*w, "Comparaison1")->text(), utf8("&Comparaison…"));
    EXPECT_EQ(open(), c) << "one window, raised again";

    // A changed sprocket counts from the main window's next run.
    retype(w->Edit4, "16");
    EXPECT_EQ(c->A_Edit4->text(), "17");
    w->Button_BerechnenClick();
    EXPECT_EQ(c->A_Edit4->text(), "16");
    EXPECT_EQ(c->P_Secondaire_A->text(), "2,375");
    EXPECT_EQ(column(c->T_Vergleich, 0).first(), w->Panel3->text());
    EXPECT_TRUE(c->L_Hinweis->text().isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(Compare, WorkedExample)
{
    CompareWindow *c = openAfterRun();
    EXPECT_EQ(c->B_Edit4->text(), "17") << "B starts as a copy of A";
    EXPECT_EQ(c->B_Umfang->text(), "") << "the tyre gives A's circumference";
    retype(c->B_Edit4, "16");
    retype(c->B_Edit5, "40");

    // The values themselves are the arithmetic's (worked_examples_test);
    // here, that each result reaches its place.
    EXPECT_EQ(c->P_Secondaire_A->text(), "2,235");
    EXPECT_EQ(c->P_Secondaire_B->text(), "2,500");
    EXPECT_EQ(c->P_Ecart_Secondaire->text(), "+11,86 %");
    EXPECT_EQ(c->P_Umfang_B->text(), "1953");
    EXPECT_EQ(c->P_Reise_A->text(), "4704");
    const QTableWidget *t = c->T_Vergleich;
    EXPECT_EQ(row(t, 0), QStringList({"10,982", "12,282", "+11,84", "128", "114", "64", "57", "4337", "4337"}));
    EXPECT_EQ(column(t, 3).last(), w->P_Vmax6->text());
    EXPECT_TRUE(c->L_Hinweis->text().isEmpty());
    EXPECT_TRUE(c->B_Uebernehmen->isEnabled());

    // The diagram shows both sets, the sawtooth when asked; what it shows
    // follows every change and comes back with the values.
    const QImage before = c->Diagramm->grab().toImage();
    c->B_Edit5->setText("41");
    EXPECT_NE(c->Diagramm->grab().toImage(), before);
    c->B_Edit5->setText("40");
    EXPECT_EQ(c->Diagramm->grab().toImage(), before);
    // Pictures are kept for the last two plots: a third one and back, and a
    // change of A and back, draw the same again; a new palette draws anew.
    for (const char *rear : {"41", "42", "40"})
        c->B_Edit5->setText(rear), c->Diagramm->grab();
    EXPECT_EQ(c->Diagramm->grab().toImage(), before);
    w->Edit4->setText("16");
    w->Button_BerechnenClick();
    const QImage otherA = c->Diagramm->grab().toImage();
    EXPECT_NE(otherA, before);
    c->B_Edit5->setText("42"), c->Diagramm->grab();
    w->Edit4->setText("17");
    w->Button_BerechnenClick();
    c->B_Edit5->setText("40");
    EXPECT_EQ(c->Diagramm->grab().toImage(), before);
    QPalette other = c->Diagramm->palette();
    other.setColor(QPalette::Base, Qt::yellow);
    c->Diagramm->setPalette(other);
    EXPECT_NE(c->Diagramm->grab().toImage(), before) << "the legend's face follows the palette";
    c->Diagramm->setPalette(QPalette());
    ASSERT_TRUE(c->Diagramm->plot());
    EXPECT_FALSE(c->Diagramm->plot()->sawtooth);
    c->CB_Saegezahn->click();
    EXPECT_TRUE(c->Diagramm->plot()->sawtooth);
    EXPECT_EQ(c->Diagramm->plot()->lines.size(), 22u);
}

TEST_F(Compare, FailingMainRunKeepsAAndSaysWhy)
{
    // Before any good run A has nothing to show; B is the main window's fields.
    ASSERT_FALSE(w->lastGoodRun());
    CompareWindow *c = open();
    EXPECT_EQ(c->A_Edit4->text(), Dash);
    EXPECT_EQ(c->P_Secondaire_A->text(), Dash);
    EXPECT_EQ(column(c->T_Vergleich, 3).first(), Dash);
    EXPECT_EQ(c->B_Edit4->text(), "17");
    EXPECT_EQ(c->P_Secondaire_B->text(), "2,235");
    EXPECT_FALSE(c->Diagramm->plot());
    EXPECT_FALSE(c->B_VonA->isEnabled());
    w->Button_BerechnenClick();
    EXPECT_EQ(c->A_Edit4->text(), "17");
    retype(w->Edit4, "17,5");
    w->Button_BerechnenClick();
    EXPECT_EQ(c->L_Hinweis->text(),
              utf8("La fenêtre principale ne calcule pas : '17,5' ist kein gültiger Integerwert."));
    EXPECT_EQ(c->A_Edit4->text(), "17");
    EXPECT_EQ(c->P_Secondaire_A->text(), "2,235");
    retype(w->Edit4, "17");
    w->Button_BerechnenClick();
    EXPECT_TRUE(c->L_Hinweis->text().isEmpty());
}

// A field that does not convert is framed red, named in the note, and takes
// away only what depends on it.
TEST_F(Compare, BadFieldOfBTakesAwayItsDependents)
{
    struct Case {
        const char *field, *text, *message;
        QStringList vmaxB;      // column "Vmax B"
        QStringList afterB;     // column "Régime après B"
        QString secondary;      // P_Secondaire_B
        QString cruise;         // P_Reise_B
    };
    const QString d = Dash;
    const std::vector<Case> cases = {
        {"B_Edit9", "1,5x", "Rapport 3 : '1,5x' ist kein gültiger Gleitkommawert.", {"128", "177", d, "270", "304", "332"},
         {"4337", d, d, "5317", "5505", ""}, "2,235", "4704"},
        {"B_Schlupf", "2,5", "Glissement(%) : '2,5' ist kein gültiger Integerwert.", {"128", "177", "228", d, d, d},
         {"4337", "4663", d, d, d, ""}, "2,235", d},
        {"B_Edit4", "", "Pignon : '' ist kein gültiger Integerwert.", {d, d, d, d, d, d}, {d, d, d, d, d, ""}, d, d},
        {"B_Umfang", "20O0", "Développement (mm) : '20O0' ist kein gültiger Integerwert.", {d, d, d, d, d, d}, {d, d, d, d, d, ""},
         "2,235", d},
        {"B_Edit4", "0", "Pignon : la valeur doit être supérieure à 0.", {d, d, d, d, d, d}, {d, d, d, d, d, ""}, d, d},
        {"E_Reise", "1OO", "Régime à … km/h en 6e : '1OO' ist kein gültiger Gleitkommawert.", {"128", "177", "228", "270", "304", "332"},
         {"4337", "4663", "5073", "5317", "5505", ""}, "2,235", d},
    };
    CompareWindow *c = openAfterRun();
    for (const Case &k : cases) {
        SCOPED_TRACE(k.field);
        c->B_VonAClick();
        auto *e = c->findChild<QLineEdit *>(k.field);
        ASSERT_NE(e, nullptr);
        const QString good = e->text();
        e->setText(utf8(k.text));
        EXPECT_EQ(e->property("invalid").toBool(), !QString(k.message).startsWith("Gleitkomma"));
        EXPECT_EQ(c->L_Hinweis->text(), utf8(k.message));
        EXPECT_EQ(column(c->T_Vergleich, 4), k.vmaxB);
        EXPECT_EQ(column(c->T_Vergleich, 8), k.afterB);
        EXPECT_EQ(c->P_Secondaire_B->text(), k.secondary);
        EXPECT_EQ(c->P_Reise_B->text(), k.cruise);
        EXPECT_EQ(column(c->T_Vergleich, 3).first(), "128") << "A stays whole";
        EXPECT_EQ(c->B_Uebernehmen->isEnabled(), std::string(k.field) == "E_Reise");
        e->setText(good);
        EXPECT_FALSE(e->property("invalid").toBool());
        EXPECT_TRUE(c->L_Hinweis->text().isEmpty());
    }
    EXPECT_TRUE(platform.errors.isEmpty() && platform.messages.isEmpty());
}

TEST_F(Compare, ApplyingBRunsTheMainWindowOnceAndBecomesA)
{
    CompareWindow *c = openAfterRun();
    struct Case {
        const char *umfang;
        bool override;
        const char *shown;
    } cases[] = {{"2000", true, "2000"}, {"", false, "1953"}};
    for (const Case &k : cases) {
        c->B_Edit4->setText("16");
        c->B_Edit5->setText("40");
        c->B_Umfang->setText(k.umfang);
        runs = 0;
        mouseClick(c->B_Uebernehmen);
        EXPECT_EQ(runs, 1) << k.umfang;
        EXPECT_EQ(w->Edit4->text(), "16");
        EXPECT_EQ(w->Edit5->text(), "40");
        EXPECT_EQ(w->CB_Umfangedit->isChecked(), k.override) << k.umfang;
        EXPECT_EQ(w->E_Umfang->isEnabled(), k.override) << k.umfang;
        EXPECT_EQ(w->E_Umfang->text(), k.shown) << k.umfang;
        EXPECT_EQ(c->A_Edit4->text(), "16");
        EXPECT_EQ(c->P_Ecart_Secondaire->text(), "0,00 %");
        EXPECT_EQ(c->T_Vergleich->item(3, 2)->text(), "0,00");
    }
    // Copying A back takes the circumference only under the override.
    c->B_Umfang->setText("1999");
    c->B_VonAClick();
    EXPECT_EQ(c->B_Umfang->text(), "");
    w->setCircumferenceOverride(1990);
    c->B_VonAClick();
    EXPECT_EQ(c->B_Umfang->text(), "1990");
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(Compare, SprocketFinderSetsBsSprocketsOnly)
{
    CompareWindow *c = openAfterRun();
    c->B_Schlupf->setText("4");
    c->setVariantSprockets("15", "45");
    EXPECT_EQ(c->B_Edit4->text(), "15");
    EXPECT_EQ(c->B_Edit5->text(), "45");
    EXPECT_EQ(c->B_Schlupf->text(), "4");
    EXPECT_EQ(c->P_Secondaire_B->text(), "3,000");
    EXPECT_EQ(w->Edit4->text(), "17") << "the main window is not touched";
}

TEST_F(Compare, GearDataFileIntoBAndOut)
{
    CompareWindow *c = openAfterRun();
    const QString path = work.filePath("variante.tva");
    c->B_Edit4->setText("16");
    c->B_Edit5->setText("40");
    c->B_Edit9->setText("1,55");
    const int before = runs;
    platform.fileAnswers = {path};
    mouseClick(c->B_Speichern);
    EXPECT_EQ(platform.dialogCaptions.last(), "Werte speichern ...");
    EXPECT_EQ(platform.dialogFilters.last(), "Trovanta [*.tva] (*.tva)");
    EXPECT_EQ(platform.dialogSuffixes.last(), "tva");
    const files::GearRecord saved = files::readGearFile(path).record;
    EXPECT_EQ(saved.front, 16);
    EXPECT_EQ(saved.rear, 40);
    EXPECT_DOUBLE_EQ(saved.gears[2], 1.55);
    EXPECT_EQ(saved.title, w->Edit15->text()) << "A's title";
    EXPECT_EQ(saved.shiftMark, 6000);
    EXPECT_EQ(saved.redZone, 12000);

    c->B_VonAClick();
    c->B_Schlupf->setText("5");
    platform.fileAnswers = {path};
    mouseClick(c->B_Oeffnen);
    EXPECT_EQ(platform.dialogCaptions.last(), utf8("Werte für Trovanta öffnen ..."));
    EXPECT_EQ(c->B_Edit4->text(), "16");
    EXPECT_EQ(c->B_Edit9->text(), "1,55");
    EXPECT_EQ(c->B_Schlupf->text(), "5") << "slip is not in the file";
    EXPECT_EQ(runs, before) << "no run of the main window";
    EXPECT_EQ(w->P_Datei->text(), "");
    EXPECT_TRUE(c->L_Hinweis->text().isEmpty());

    // Short and missing files, and a save that cannot convert, are told in the note.
    writeBytes(work.filePath("alt.tva"), readBytes(path).left(files::gear::OldRecordSize));
    struct Case {
        std::function<void()> command;
        QString answer;
        const char *note;
    } cases[] = {
        {[&] { c->B_OeffnenClick(); }, work.filePath("alt.tva"), files::msg::MissingMarks},
        {[&] { c->B_OeffnenClick(); }, work.filePath("fehlt.tva"), "Datei nicht gefunden."},
        {[&] {
             c->B_Edit1->setText("17,5");
             c->B_SpeichernClick();
         },
         work.filePath("neu.tva"), "'17,5' ist kein gültiger Integerwert."},
    };
    for (const Case &k : cases) {
        platform.fileAnswers = {k.answer};
        k.command();
        EXPECT_TRUE(c->L_Hinweis->text().endsWith(utf8(k.note))) << c->L_Hinweis->text().toStdString();
    }
    EXPECT_FALSE(QFile::exists(work.filePath("neu.tva")));
    EXPECT_TRUE(platform.messages.isEmpty() && platform.errors.isEmpty());
}

TEST_F(Compare, TrackPointsGiveEngineSpeedsAndMarkTheRedZone)
{
    CompareWindow *c = openAfterRun();
    c->B_Edit4->setText("16");
    point(c, 0, "Kurve", "130", "6");
    point(c, 1, "Start", "100", "1");
    point(c, 2, "Gerade", "abc", "6");
    point(c, 3, "Schikane", "80", "07");
    point(c, 5, "", "90", "2");
    auto rpm = [&](int r) { return QStringList{c->T_Punkte->item(r, 3)->text(), c->T_Punkte->item(r, 4)->text()}; };
    EXPECT_EQ(rpm(0), QStringList({"4704", "4998"}));
    EXPECT_EQ(rpm(1), QStringList({"9372", "9957"}));
    EXPECT_EQ(rpm(2), QStringList({Dash, Dash}));
    EXPECT_EQ(rpm(3), QStringList({Dash, Dash}));
    EXPECT_EQ(rpm(4), QStringList({"", ""}));
    EXPECT_FALSE(rpm(5)[0].isEmpty());
    EXPECT_EQ(c->Diagramm->plot()->markers.size(), 6u);

    point(c, 1, "Start", "130", "1");
    EXPECT_EQ(rpm(1), QStringList({"12183", "12945"}));
    for (int col : {3, 4})
        EXPECT_EQ(c->T_Punkte->item(1, col)->background().color(), QColor(255, 0, 0));
    EXPECT_EQ(c->T_Punkte->item(0, 3)->background().style(), Qt::NoBrush);
}

TEST_F(Compare, SettingsFileRoundTrip)
{
    CompareWindow *c = openAfterRun();
    c->B_Edit4->setText("16");
    c->B_Umfang->setText("1990");
    c->E_Reise->setText("142,5");
    point(c, 0, "Kurve", "130", "6");
    c->close();
    QStringList lines = profileLines(ini());
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"[Program]", "Inifile=comparaison", "[Variante]", "Felge=17"}));
    for (const char *entry : {"Umfang=1990", "Ritzel=16", "Kettenrad=38", "Primaer=1,84", "Gang6=1,00",
                              "[Reise]", "Tempo=142,5", "[Punkte]", "Name1=Kurve", "Tempo1=130", "Gang1=6",
                              "Name12="})
        EXPECT_TRUE(lines.contains(entry)) << entry;

    // A hand-added line survives, and everything comes back in a new session.
    writeBytes(ini(), readBytes(ini()) + "[Notiz]\r\nText=von Hand\r\n");
    restart();
    ui::enrol(w.get());
    c = openAfterRun();
    EXPECT_EQ(c->B_Edit4->text(), "16");
    EXPECT_EQ(c->B_Umfang->text(), "1990");
    EXPECT_EQ(c->E_Reise->text(), "142,5");
    EXPECT_EQ(c->T_Punkte->item(0, 0)->text(), "Kurve");
    EXPECT_EQ(c->T_Punkte->item(0, 3)->text(), "4704");
    // The program ends with the window open: it saves too.
    c->B_Edit4->setText("15");
    w->Beenden1Click();
    lines = profileLines(ini());
    EXPECT_TRUE(lines.contains("Ritzel=15"));
    EXPECT_TRUE(lines.contains("Text=von Hand"));
    EXPECT_TRUE(platform.messages.isEmpty());

    // A settings file that cannot be written is told once, at close.
    restart();
    ui::enrol(w.get());
    c = openAfterRun();
    QFile::remove(ini());
    ASSERT_TRUE(QDir().mkdir(ini()));
    c->close();
    EXPECT_EQ(platform.messages, QStringList({"Fehler bei Ini-Erstellung."}));
    QDir().rmdir(ini());
}

TEST_F(Compare, PrintsThroughTheDialog)
{
    CompareWindow *c = openAfterRun();
    c->B_Edit4->setText("16");
    const QString pdf = work.filePath("vergleich.pdf");
    platform.printToPdf = pdf;
    mouseClick(c->B_Drucken);
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(platform.messages.isEmpty());

    const print::CompareSheetData d = c->sheetData();
    EXPECT_EQ(d.comparisonRows[0].at(1), "11,668");
    EXPECT_EQ(d.results.at(0), utf8("Secondaire : A 2,235 · B 2,375 · écart +6,26 %"));
    EXPECT_TRUE(d.setB.startsWith(utf8("B  Variante : 16/38 · 190/50-17 · 3 % · 1953 mm · 1,84 · 2,67")));
}

// Values a rider can type but no bike has: every result either shows or is
// a dash, and the window paints.
TEST_F(Compare, AbsurdValuesGiveDashesNotFailures)
{
    CompareWindow *c = openAfterRun();
    const std::vector<std::pair<const char *, const char *>> cases = {
        {"B_Schlupf", "100"},        {"B_Schlupf", "-300"},    {"B_Edit7", "1E300"},
        {"B_Edit12", "1E-300"},      {"B_Edit5", "2147483647"}, {"B_Umfang", "-1953"},
        {"B_Edit4", "-17"},          {"E_Reise", "1E308"},     {"B_Edit6", "0"},
    };
    point(c, 0, "weit", "1E308", "1");
    for (const auto &[field, text] : cases) {
        SCOPED_TRACE(std::string(field) + " " + text);
        c->B_VonAClick();
        c->findChild<QLineEdit *>(field)->setText(text);
        for (QString t : column(c->T_Vergleich, 4) + column(c->T_Vergleich, 8) + QStringList{c->P_Reise_B->text()})
            EXPECT_TRUE(t.isEmpty() || t == Dash || t.toLongLong() || t == "0") << t.toStdString();
        c->CB_Saegezahn->setChecked(!c->CB_Saegezahn->isChecked());
        EXPECT_FALSE(c->grab().isNull());
    }
    // A red zone far beyond any engine keeps the grid to a few lines.
    retype(w->EditRotBereich, "2000000000");
    ASSERT_TRUE(c->Diagramm->plot());
    EXPECT_LE(c->Diagramm->plot()->x.max / c->Diagramm->plot()->x.step, gearing::MaxGridLines);
    EXPECT_FALSE(c->grab().isNull());
    EXPECT_TRUE(platform.errors.isEmpty());
}

// Nonsense a rider can type is refused like a text that does not convert:
// a red frame, a note naming the field and quoting what was typed, and the
// results that depend on it "–".
TEST_F(Compare, NonsenseIsRefusedByName)
{
    CompareWindow *c = openAfterRun();
    const struct {
        const char *field, *text, *note;
    } cases[] = {
        {"B_Edit4", "-17", "Pignon : la valeur doit être supérieure à 0."},
        {"B_Edit5", "2147483647", "Couronne : 2147483647 est trop grand."},
        {"B_Umfang", "-1953", "Développement (mm) : la valeur doit être supérieure à 0."},
        {"B_Edit6", "1,5x", "Primaire : '1,5x' ist kein gültiger Gleitkommawert."},
        {"B_Edit6", "1e308", "Primaire : 1e308 est trop grand."},
        {"B_Edit12", "-1E300", "Rapport 6 : -1E300 est trop grand."},
        {"E_Reise", "1e308", "Régime à … km/h en 6e : 1e308 est trop grand."},
        {"E_Reise", "-130", "Régime à … km/h en 6e : la valeur ne peut pas être négative."},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(std::string(k.field) + " " + k.text);
        c->B_VonAClick();
        c->E_Reise->setText("130");
        auto *e = c->findChild<QLineEdit *>(k.field);
        e->setText(utf8(k.text));
        EXPECT_TRUE(e->property("invalid").toBool());
        EXPECT_EQ(c->L_Hinweis->text(), utf8(k.note));
        EXPECT_EQ(c->P_Reise_B->text(), Dash);
        EXPECT_FALSE(c->B_Uebernehmen->isEnabled() && std::string(k.field) != "E_Reise");
    }
    c->E_Reise->setText("130");
    EXPECT_TRUE(c->L_Hinweis->text().isEmpty());

    const struct {
        const char *kmh, *gear, *note;
    } points[] = {
        {"1e308", "6", "Point 2 (km/h) : 1e308 est trop grand."},
        {"-80", "2", "Point 2 (km/h) : la valeur ne peut pas être négative."},
        {"80", "0", "Point 2 (Rapport) : 0 n'est pas un rapport de 1 à 6."},
        {"80", "7", "Point 2 (Rapport) : 7 n'est pas un rapport de 1 à 6."},
    };
    point(c, 0, "Kurve", "130", "6");
    for (const auto &k : points) {
        SCOPED_TRACE(std::string(k.kmh) + " " + k.gear);
        point(c, 1, "weit", k.kmh, k.gear);
        EXPECT_EQ(c->L_Hinweis->text(), utf8(k.note));
        EXPECT_EQ(c->T_Punkte->item(1, 3)->text(), Dash);
        EXPECT_EQ(c->T_Punkte->item(1, 4)->text(), Dash);
        EXPECT_EQ(c->T_Punkte->item(0, 4)->text(), "4704") << "the other points stay";
    }
    point(c, 1, "", "", "");
    EXPECT_TRUE(c->L_Hinweis->text().isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty() && platform.messages.isEmpty());
}

// Thousands of digits in a field, typed or from the settings file: the
// window keeps its width and the note quotes a short piece.
TEST_F(Compare, LongTextsKeepTheWindowAndTheNoteSmall)
{
    CompareWindow *c = openAfterRun();
    const int width = c->width();
    const QString digits(3000, '1');
    for (QLineEdit *e : {c->B_Edit6, c->B_Edit4, c->E_Reise}) {
        SCOPED_TRACE(e->objectName().toStdString());
        c->B_VonAClick();
        c->E_Reise->setText("130");
        e->setText(digits);
        c->layout()->activate();
        QApplication::processEvents();
        EXPECT_LE(c->width(), width);
        EXPECT_LE(c->L_Hinweis->text().size(), 200);
        EXPECT_TRUE(c->L_Hinweis->text().contains("'111")) << c->L_Hinweis->text().toStdString();
        EXPECT_FALSE(c->grab().isNull());
    }
    c->close();

    writeBytes(ini(), "[Program]\r\nInifile=comparaison\r\n[Variante]\r\nPrimaer=" + digits.toLatin1() + "\r\n");
    restart();
    ui::enrol(w.get());
    c = openAfterRun();
    c->layout()->activate();
    QApplication::processEvents();
    EXPECT_GT(c->B_Edit6->text().size(), 2000);
    EXPECT_LE(c->width(), width);
    EXPECT_LE(c->L_Hinweis->text().size(), 200);
}

// The language chosen at run time: the title, a head and the refusal of a
// track point show it at once; what was typed stays.
TEST_F(Compare, SpeaksTheLanguageChosenAtOnce)
{
    CompareWindow *c = openAfterRun();
    point(c, 1, "weit", "80", "7");
    const struct {
        ui::Language language;
        const char *title, *gearHead, *note;
    } cases[] = {
        {ui::Language::French, "Comparaison", "Démulti. A", "Point 2 (Rapport) : 7 n'est pas un rapport de 1 à 6."},
        {ui::Language::German, "Vergleich", "Übers. A", "Punkt 2 (Gang): 7 ist kein Gang von 1 bis 6."},
        {ui::Language::English, "Comparison", "Ratio A", "Point 2 (Gear): 7 is not a gear from 1 to 6."},
    };
    BackToOriginal back;
    for (const auto &k : cases) {
        SCOPED_TRACE(k.title);
        switchTo(k.language);
        EXPECT_EQ(c->windowTitle(), utf8(k.title));
        EXPECT_EQ(c->T_Vergleich->horizontalHeaderItem(0)->text(), utf8(k.gearHead));
        EXPECT_EQ(c->L_Hinweis->text(), utf8(k.note));
        EXPECT_EQ(c->T_Punkte->item(1, 2)->text(), "7");
    }
}
