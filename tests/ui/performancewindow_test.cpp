// The Performances window driven as a rider drives it: opened from the
// menu, fed by the main window's runs, typed into, reading dyno exports on
// its worker thread, keeping its fields and handing the best final drive to
// Pignons et chaîne. The model's arithmetic has its own tests.

#include "languages.h"
#include "window_driver.h"

#include "files/settingsfile.h"
#include "support/files.h"
#include "support/pdf_words.h"
#include "ui/performancediagrams.h"
#include "ui/performancewindow.h"
#include "ui/sprocketwindow.h"
#include "ui/units.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::test;
using ui::PerformanceWindow;

namespace {

const QString Dash = utf8("–");

class Performance : public RegisteredMainWindowTest {
protected:
    PerformanceWindow &open()
    {
        if (!w->lastGoodRun())
            w->Button_BerechnenClick();
        menuAction(*w, "Performances1")->trigger();
        PerformanceWindow *p = ui::analysisWindow<PerformanceWindow>();
        EXPECT_NE(p, nullptr);
        return *p;
    }

    static QStringList column(const QTableWidget *t, int c)
    {
        QStringList out;
        for (int r = 0; r < t->rowCount(); ++r)
            out << t->item(r, c)->text();
        return out;
    }
    static QStringList curveColumn(const PerformanceWindow &p, int c)
    {
        QStringList out;
        for (int r = 0; r < int(p.curveModel()->rows().size()); ++r)
            out << p.curveModel()->index(r, c).data().toString();
        return out;
    }

    void openFile(PerformanceWindow &p, const QString &name, const QByteArray &text)
    {
        const QString path = programDir.file(name);
        writeBytes(path, text);
        platform.fileAnswers.push_back(path);
        mouseClick(p.P_Oeffnen);
        p.waitForFile();
    }
};

} // namespace

// The worked example on the design's gear set, the example curve and the
// default bike, as the window shows it.
TEST_F(Performance, OpensFromTheMenuAndShowsTheWorkedExample)
{
    EXPECT_EQ(ui::analysisWindow<PerformanceWindow>(), nullptr) << "not at start";
    PerformanceWindow &p = open();
    EXPECT_EQ(p.objectName(), "PerformanceWindow");
    EXPECT_EQ(p.windowTitle(), "Performances");
    EXPECT_EQ(menuAction(*w, "Performances1")->text(), utf8("P&erformances…"));
    EXPECT_TRUE(p.isVisible());
    EXPECT_FALSE(p.isModal());
    ASSERT_EQ(p.P_Tabs->count(), 4);
    EXPECT_EQ(p.P_Tabs->tabText(0), utf8("Force à la roue"));
    EXPECT_EQ(p.P_Tabs->tabText(1), "Couple et puissance");
    EXPECT_EQ(p.P_Tabs->tabText(2), utf8("Départ arrêté"));
    EXPECT_EQ(p.P_Tabs->tabText(3), "Circuit");
    EXPECT_EQ(p.P_Tabs->widget(3), p.findChild<QWidget *>("P_CircuitTab"));

    EXPECT_EQ(column(p.P_Schalt, 1), QStringList({"12000", "12000", "12000", "11882", "11640", Dash}));
    EXPECT_EQ(column(p.P_Schalt, 2), QStringList({"128", "177", "228", "267", "295", Dash}));
    EXPECT_EQ(column(p.P_Schalt, 3), QStringList({"8674", "9326", "10145", "10529", "10680", Dash}));
    EXPECT_EQ(column(p.P_Schalt, 4),
              QStringList({"0,00", "4,01", "6,06", "9,66", "16,62", utf8("ne tire pas à 295 km/h")}));
    EXPECT_EQ(column(p.P_Schalt, 5).mid(0, 5), QStringList({"0", "128", "177", "228", "267"}));
    EXPECT_EQ(p.P_Repere->text(), utf8("Repère de la fenêtre principale : 6000 tr/min"));
    const std::pair<TPanel *, const char *> shown[] = {
        {p.P_0_100, "3,08"},   {p.P_0_200, "7,56"},   {p.P_400m, "10,24"},
        {p.P_V400, "231"},     {p.P_Vmax, "285"},     {p.P_VmaxGang, "5"},
        {p.P_VmaxRegime, "11244"}, {p.P_VmaxGrenze, "limitée par la résistance de l'air"},
        {p.P_Vmax6e, "279 km/h à 10105 tr/min"},     {p.P_SekVmax, "2,377"},
        {p.P_SekEcart, "+6,35 %"}, {p.P_VmaxBest, "286"}};
    for (const auto &[panel, text] : shown)
        EXPECT_EQ(panel->text(), utf8(text)) << panel->objectName().toStdString();
    EXPECT_EQ(p.P_Hinweis->text(), "");
    EXPECT_EQ(p.P_Kurvenhinweis->text(),
              utf8("Courbe d'exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur."));
    EXPECT_EQ(curveColumn(p, 2).first(), "19,5") << "the power of the first point";
    for (ui::PerformanceDiagram *d : {p.P_Kraft, p.P_Motor, p.P_Lauf})
        EXPECT_TRUE(d->chart().drawn()) << d->objectName().toStdString();
    EXPECT_EQ(p.P_Kraft->chart().lines.size(), 8u) << "six gears, the resistance, the tyre's limit";
    p.P_Kurvenhinweis->clear(); // a note wraps; every other text fits on its line
    expectTextsFit(&p);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(Performance, FollowsTheMainRunAndKeepsItsResultsWhenARunFails)
{
    PerformanceWindow &p = open();
    int changes = 0;
    QObject::connect(&p, &PerformanceWindow::inputChanged, [&] { ++changes; });
    retype(w->Edit4, "16");
    EXPECT_EQ(p.P_SekVmax->text(), "2,377") << "nothing before the run";
    w->Button_BerechnenClick();
    EXPECT_EQ(p.modelInput().gearSet.front, 16);
    EXPECT_NE(p.P_Vmax->text(), "285") << "a shorter final drive";
    EXPECT_GE(changes, 1);
    const QString top = p.P_Vmax->text();

    retype(w->Edit4, "x");
    w->Button_BerechnenClick();
    platform.errors.clear();
    EXPECT_TRUE(p.P_Hinweis->text().startsWith(utf8("La fenêtre principale ne calcule pas : "))) << p.P_Hinweis->text().toStdString();
    EXPECT_EQ(p.P_Vmax->text(), top) << "the last good results stay";
    retype(w->Edit4, "17");
    w->Button_BerechnenClick();
    EXPECT_EQ(p.P_Hinweis->text(), "");
    EXPECT_EQ(p.P_Vmax->text(), "285");
}

// What the rider typed comes back, and the example's note only while the
// example stands.
TEST_F(Performance, SettingsComeBackAsTyped)
{
    {
        PerformanceWindow p;
        ASSERT_EQ(p.curveModel()->rows().size(), 11u) << "a first start: the example curve";
        EXPECT_FALSE(p.P_Kurvenhinweis->text().isEmpty());
        p.curveModel()->setData(p.curveModel()->index(10, 1), "85", Qt::EditRole);
        retype(p.P_Masse, "255,5");
        retype(p.P_Druck, "950");
        p.P_AmRad->setChecked(true);
        EXPECT_EQ(p.P_Kurvenhinweis->text(), "") << "the curve changed";
        EXPECT_FALSE(p.P_Rendement->isEnabled());
        p.saveSettings();
    }
    const files::SettingsReader ini(programDir.file("performances.ini"));
    EXPECT_EQ(ini.readString("Kurve", "Punkte", ""), "11");
    EXPECT_EQ(ini.readString("Kurve", "T11", ""), "85");
    EXPECT_EQ(ini.readString("Fahrzeug", "Masse", ""), "255,5");
    PerformanceWindow q;
    EXPECT_EQ(curveColumn(q, 1).last(), "85");
    EXPECT_EQ(q.P_Masse->text(), "255,5");
    EXPECT_EQ(q.P_Druck->text(), "950");
    EXPECT_TRUE(q.P_AmRad->isChecked());
    EXPECT_FALSE(q.P_Rendement->isEnabled());
    EXPECT_EQ(q.P_Kurvenhinweis->text(), "");
    EXPECT_EQ(q.P_Rendement->text(), "90");

    mouseClick(q.P_Beispiel);
    EXPECT_FALSE(q.P_Kurvenhinweis->text().isEmpty()) << "the example again, with its note";
    q.saveSettings();
    PerformanceWindow r;
    EXPECT_FALSE(r.P_Kurvenhinweis->text().isEmpty());
    EXPECT_EQ(curveColumn(r, 1).last(), "82");
}

TEST_F(Performance, ChercherLesPignonsHandsTheChangeToPignonsEtChaine)
{
    PerformanceWindow &p = open();
    ASSERT_TRUE(p.P_Pignons->isEnabled());
    mouseClick(p.P_Pignons);
    auto *s = ui::analysisWindow<ui::SprocketWindow>();
    ASSERT_NE(s, nullptr) << "opened";
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->S_Ziel->text(), "6,35");
    EXPECT_EQ(s->S_Toleranz->text(), "2") << "its tolerance stays";
}

// Typing into the empty last row adds a point in its place by engine
// speed; "Supprimer le point" removes the selected ones.
TEST_F(Performance, CurvePointsAreTypedSortedAndRemoved)
{
    PerformanceWindow &p = open();
    ui::CurveModel *m = p.curveModel();
    const int last = int(m->rows().size());
    ASSERT_EQ(m->rowCount(), last + 1) << "an empty row to type into";
    m->setData(m->index(last, 0), "2500", Qt::EditRole);
    EXPECT_EQ(curveColumn(p, 0).first(), "2500") << "sorted in";
    EXPECT_TRUE(p.P_Hinweis->text().contains("point 1")) << "no torque yet: " << p.P_Hinweis->text().toStdString();
    EXPECT_EQ(p.P_SekVmax->text(), Dash);
    m->setData(m->index(0, 1), "55", Qt::EditRole);
    EXPECT_EQ(p.P_Hinweis->text(), "");
    EXPECT_EQ(curveColumn(p, 2).first(), "14,4");
    p.P_Kurve->selectRow(0);
    mouseClick(p.P_PunktLoeschen);
    EXPECT_EQ(curveColumn(p, 0).first(), "3000");
    EXPECT_EQ(p.P_Vmax->text(), "285");

    // At most 200 points: no empty row any more.
    std::vector<ui::CurveModel::Row> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back({QString::number(1000 + 50 * i), "80"});
    m->setRows(rows);
    EXPECT_EQ(m->rowCount(), 200);
    EXPECT_FALSE(m->setData(m->index(200, 0), "99999", Qt::EditRole));
}

// Three exports of different brands, and one with more points than the
// curve holds.
TEST_F(Performance, ReadsDynoExportsOffTheWindowsThread)
{
    PerformanceWindow &p = open();
    const struct {
        const char *file, *text;
        QStringList rpm, torque;
        bool atWheel;
        const char *note;
    } cases[] = {
        {"nm.csv", "Drehzahl;Drehmoment (Nm)\n3000;60,5\n6000;80,25\n9000;100\n", {"3000", "6000", "9000"},
         {"60,50", "80,25", "100,00"}, false,
         "« nm.csv » : régime « Drehzahl », couple « Drehmoment (Nm) » en Nm ; 3 points, 0 lignes ignorées."},
        {"hp.csv", "RPM,Power (hp),Torque (lb-ft)\n3000,30,50\n6000,70,60\nx,1,1\n", {"3000", "6000"},
         {"67,79", "81,35"}, false,
         "« hp.csv » : régime « RPM », couple « Torque (lb-ft) » en lb·ft ; 2 points, 1 lignes ignorées."},
        {"ps.csv", "Drehzahl;PS\n3000;20\n6000;60\n", {"3000", "6000"}, {"46,82", "70,23"}, false,
         "« ps.csv » : régime « Drehzahl », puissance « PS » en ch ; 2 points, 0 lignes ignorées."},
        {"whp.csv", "Engine Speed,Power whp\n3000,20\n6000,60\n", {"3000", "6000"}, {"47,47", "71,21"}, true,
         "« whp.csv » : régime « Engine Speed », puissance « Power whp » en hp ; 2 points, 0 lignes ignorées. "
         "Mesurée à la roue."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        openFile(p, c.file, c.text);
        EXPECT_EQ(curveColumn(p, 0), c.rpm);
        EXPECT_EQ(curveColumn(p, 1), c.torque);
        EXPECT_EQ(p.P_AmRad->isChecked(), c.atWheel);
        EXPECT_EQ(p.P_Kurvenhinweis->text(), utf8(c.note));
        EXPECT_TRUE(p.P_Oeffnen->isEnabled());
    }

    QByteArray many = "rpm,torque\n";
    for (int n = 1000; n < 1000 + 250 * 201; n += 250)
        many += QByteArray::number(n) + ",50\n";
    openFile(p, "many.csv", many);
    EXPECT_EQ(curveColumn(p, 0), cases[3].rpm) << "the curve stays";
    EXPECT_TRUE(p.P_Kurvenhinweis->text().contains("201 points")) << p.P_Kurvenhinweis->text().toStdString();

    openFile(p, "none.csv", "rpm,torque\n3000,50\n");
    EXPECT_EQ(p.P_Kurvenhinweis->text(), utf8("« none.csv » : Aucune courbe de couple dans ce fichier."));
    EXPECT_EQ(curveColumn(p, 0), cases[3].rpm);
    EXPECT_TRUE(platform.messages.isEmpty() && platform.errors.isEmpty()) << "no box";
}

// A bad field: its red frame, the note, and "–" only where it matters.
TEST_F(Performance, BadFieldsAreMarkedAndOnlyWhatDependsOnThemIsLost)
{
    PerformanceWindow &p = open();
    const struct {
        QLineEdit *PerformanceWindow::*field;
        const char *text, *note;
        TPanel *PerformanceWindow::*lost, *PerformanceWindow::*kept;
    } cases[] = {
        {&PerformanceWindow::P_Masse, "0", "« Masse avec pilote (kg) » : la valeur doit être supérieure à 0.",
         &PerformanceWindow::P_0_100, nullptr},
        {&PerformanceWindow::P_Rendement, "abc", "Rendement de la transmission (%) : 'abc' ist kein gültiger Gleitkommawert.",
         &PerformanceWindow::P_Vmax, nullptr},
        {&PerformanceWindow::P_Rendement, "101", "Le rendement doit être supérieur à 0 et au plus 100 %.",
         &PerformanceWindow::P_Vmax, nullptr},
        {&PerformanceWindow::P_Schaltzeit, "-0,1", "« Durée d'un passage (s) » : la valeur ne peut pas être négative.",
         &PerformanceWindow::P_0_200, &PerformanceWindow::P_Vmax},
        {&PerformanceWindow::P_Temperatur, "-300", "La température est sous le zéro absolu.",
         &PerformanceWindow::P_Vmax, nullptr},
        {&PerformanceWindow::P_Masse, "1E300", "Masse avec pilote (kg) : 1E300 est trop grand.",
         &PerformanceWindow::P_0_100, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        QLineEdit *e = p.*c.field;
        const QString before = e->text();
        retype(e, utf8(c.text));
        EXPECT_TRUE(e->property("invalid").toBool());
        EXPECT_EQ(p.P_Hinweis->text(), utf8(c.note));
        EXPECT_EQ((p.*c.lost)->text(), Dash);
        EXPECT_EQ(p.P_Schalt->item(0, 1)->text(), "12000") << "the upshifts need neither";
        if (c.kept) {
            EXPECT_NE((p.*c.kept)->text(), Dash);
        }
        retype(e, before);
        EXPECT_FALSE(e->property("invalid").toBool());
        EXPECT_EQ(p.P_Hinweis->text(), "");
    }

    // A second point at the same engine speed: its row is marked.
    ui::CurveModel *m = p.curveModel();
    m->setData(m->index(int(m->rows().size()), 0), "5000", Qt::EditRole);
    m->setData(m->index(3, 1), "81", Qt::EditRole);
    EXPECT_EQ(p.P_Hinweis->text(), utf8("Courbe, point 4 : ce régime est déjà dans la courbe."));
    EXPECT_TRUE(m->index(3, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(p.P_Vmax->text(), Dash);
    EXPECT_TRUE(platform.messages.isEmpty() && platform.errors.isEmpty()) << "no box while typing";
}

TEST_F(Performance, PrintsOnePageWithTheDiagramAndEveryResult)
{
    PerformanceWindow &p = open();
    const QString pdf = printsFolder(programDir.path()) + "/performances.pdf";
    platform.printToPdf = pdf;
    mouseClick(p.P_Drucken);
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(platform.messages.isEmpty());
    const print::PerformanceSheetData d = p.sheetData();
    EXPECT_EQ(d.force.lines.size(), p.P_Kraft->chart().lines.size()) << "the force diagram as shown";
    EXPECT_EQ(d.curveRows.size(), 11u);
    EXPECT_EQ(d.bikeRows.at(1), QStringList({utf8("Traînée S·Cx (m²)"), "0,35"}));
    EXPECT_EQ(d.shiftRows[5].at(4), utf8("ne tire pas à 295 km/h"));
    EXPECT_EQ(d.results.at(1),
              utf8("Vitesse maxi : 285 km/h en 5 à 11244 tr/min, limitée par la résistance de l'air"));
    if (!havePdfToText())
        GTEST_SKIP() << "no pdftotext";
    const PdfPage page = pdfPage(pdf);
    QStringList words;
    for (const PdfWord &w : page.words) {
        words << w.text;
        EXPECT_TRUE(w.xMin >= 0 && w.xMax <= page.width && w.yMax <= page.height) << w.text.toStdString();
    }
    for (const char *w : {"Performances", "2,377", "(+6,35", "10,24", "11244", "8674", "119,4", "1013"})
        EXPECT_TRUE(words.contains(utf8(w))) << w;
}

// Values a rider can type but no bike has: every result shows or is a dash,
// the diagrams paint, and nothing fails.
TEST_F(Performance, AbsurdValuesGiveDashesNotFailures)
{
    PerformanceWindow &p = open();
    const std::vector<std::pair<QLineEdit *, const char *>> cases = {
        {p.P_Masse, "1E-300"}, {p.P_Masse, "1E300"},     {p.P_CdA, "1E-9"},   {p.P_CdA, "1E9"},
        {p.P_Crr, "5"},        {p.P_Traction, "1E-12"},  {p.P_Schaltzeit, "1E9"}, {p.P_Anfahr, "1E12"},
        {p.P_Druck, "1E-300"}, {p.P_Rotation, "1E300"},  {p.P_Rendement, "1E-300"},
    };
    for (const auto &[field, text] : cases) {
        SCOPED_TRACE(field->objectName().toStdString() + " " + text);
        const QString before = field->text();
        field->setText(utf8(text));
        for (int i = 0; i < 3; ++i) {
            p.P_Tabs->setCurrentIndex(i);
            EXPECT_FALSE(p.grab().isNull());
        }
        field->setText(before);
    }
    std::vector<ui::CurveModel::Row> rows = {{"1", "1E300"}, {"2147483647", "0"}};
    p.curveModel()->setRows(rows);
    for (int i = 0; i < 3; ++i) {
        p.P_Tabs->setCurrentIndex(i);
        EXPECT_FALSE(p.grab().isNull());
    }
    EXPECT_TRUE(platform.errors.isEmpty() && platform.messages.isEmpty());
}

using PerformanceLanguage = InLanguage<Performance>;
class PerformanceTranslation : public PerformanceLanguage {
protected:
    void TearDown() override
    {
        ui::setCurrentUnits({});
        PerformanceLanguage::TearDown();
    }
};

// Switched while open: a tab, a result, the heads with the units chosen
// before and after the switch, the chart and a file's failure note in the
// new language at once, what was typed and the curve as they were.
TEST_P(PerformanceTranslation, SwitchesWhileOpenAndKeepsWhatWasTyped)
{
    const struct {
        ui::Language language;
        const char *tab, *limit, *rpmHead, *speedHead, *powerHead, *failed, *legend;
    } cases[] = {
        {ui::Language::French, "Force à la roue", "limitée par la résistance de l'air", "tr/min", "Vitesse (mph)",
         "Puissance (ch)", "« none.csv » : Aucune courbe de couple dans ce fichier.", "Résistance (air et roulement)"},
        {ui::Language::German, "Zugkraft am Rad", "begrenzt durch den Luftwiderstand", "U/min", "Tempo (mph)",
         "Leistung (PS)", "„none.csv“: Keine Drehmomentkurve in dieser Datei.", "Widerstand (Luft und Rollen)"},
        {ui::Language::English, "Force at the wheel", "limited by air resistance", "rpm", "Speed (mph)",
         "Power (PS)", "“none.csv”: No torque curve in this file.", "Resistance (air and rolling)"},
    };
    const auto &l = rowFor(cases, GetParam());
    PerformanceWindow &p = open();
    const QString torque = p.curveModel()->rows().front().torque;
    menuAction(*w, "UniteMph")->trigger();
    QApplication::processEvents();
    switchTo(l.language);
    menuAction(*w, "UniteCh")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(p.P_Tabs->tabText(0), utf8(l.tab));
    EXPECT_EQ(p.P_VmaxGrenze->text(), utf8(l.limit));
    EXPECT_EQ(p.curveModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), utf8(l.rpmHead));
    EXPECT_EQ(p.curveModel()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), utf8(l.powerHead));
    EXPECT_EQ(p.P_Schalt->horizontalHeaderItem(2)->text(), utf8(l.speedHead));
    ASSERT_GE(p.P_Kraft->chart().legend.size(), 2u);
    EXPECT_EQ(p.P_Kraft->chart().legend[1].text, utf8(l.legend));
    EXPECT_EQ(p.curveModel()->rows().front().torque, torque);

    // A value typed and a note made before a switch: the value stays, the
    // note is said again in the language of the moment.
    retype(p.P_Temperatur, "25");
    switchTo(ui::Language::Original);
    EXPECT_EQ(p.P_Temperatur->text(), "25");
    openFile(p, "none.csv", "rpm,torque\n3000,50\n");
    switchTo(l.language);
    EXPECT_EQ(p.P_Kurvenhinweis->text(), utf8(l.failed));
}

// Every caption, button and result on its line in each language, the
// window grown where a language needs it.
TEST_P(PerformanceLanguage, TextsFitInEveryLanguage)
{
    PerformanceWindow &p = open();
    switchTo(GetParam());
    QApplication::processEvents();
    p.P_Kurvenhinweis->clear(); // a note wraps; every other text fits on its line
    QApplication::processEvents();
    expectTextsFit(&p);
}

INSTANTIATE_TEST_SUITE_P(Languages, PerformanceLanguage, EveryLanguage, languageName);
INSTANTIATE_TEST_SUITE_P(Languages, PerformanceTranslation, EveryTranslation, languageName);
