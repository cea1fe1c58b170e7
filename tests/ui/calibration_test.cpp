// The calibration window driven as a rider drives it: opened from the menu,
// typed into, fed by the main window's runs, handing circumferences back,
// reading logger files on its worker thread, and keeping its fields.

#include "languages.h"
#include "window_driver.h"

#include "files/profiletext.h"
#include "support/profile_oracle.h"
#include "files/programdir.h"
#include "support/files.h"
#include "support/logger_ride.h"
#include "ui/calibrationwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <iterator>
#include <thread>
#include <tuple>

#include <sys/stat.h>

using namespace trovanta;
using namespace trovanta::test;
using ui::CalibrationWindow;

namespace {

const QString Dash = utf8("–");

auto allButCircumference(const gearing::Input &i)
{
    return std::tie(i.set.slip, i.redZone, i.set.rim, i.set.width, i.set.height, i.set.front, i.set.rear,
                    i.set.primary, i.set.gears, i.chosenGear, i.engineSpeed, i.shiftMark, i.title);
}

class Calibration : public RegisteredMainWindowTest {
protected:
    // The window on a main window that has calculated.
    CalibrationWindow &open()
    {
        if (!w->lastGoodRun())
            w->Button_BerechnenClick();
        return openAsIs();
    }
    CalibrationWindow &openAsIs()
    {
        menuAction(*w, "Etalonnage1")->trigger();
        CalibrationWindow *c = ui::analysisWindow<ui::CalibrationWindow>();
        EXPECT_NE(c, nullptr);
        return *c;
    }

    // A ride recorded at `truth`, in one of the three header styles.
    QString writeRide(test::LoggerStyle style, const gearing::GearSet &truth, int lines = 8 * 420)
    {
        test::RideLog ride(style, gearing::derive(truth), 20260516);
        std::string text = ride.head();
        for (int i = 0; i < lines; ++i)
            text += ride.nextLine();
        const QString path = programDir.file(QStringLiteral("ride.csv"));
        writeBytes(path, QByteArray::fromStdString(text));
        return path;
    }

    void openFile(CalibrationWindow &c, const QString &path)
    {
        c.C_Tabs->setCurrentIndex(2);
        platform.fileAnswers.push_back(path);
        mouseClick(c.C_Datei);
        c.waitForFile();
    }

    QStringList gearColumn(const CalibrationWindow &c, int column) const
    {
        QStringList out;
        for (int k = 0; k < 6; ++k)
            out << c.C_Gaenge->item(k, column)->text();
        return out;
    }
};

} // namespace

TEST_F(Calibration, CreatedOnFirstUseFromTheMenu)
{
    EXPECT_EQ(ui::analysisWindow<ui::CalibrationWindow>(), nullptr) << "not at start";
    CalibrationWindow &c = open();
    EXPECT_EQ(c.objectName(), "CalibrationWindow");
    EXPECT_EQ(c.windowTitle(), utf8("Étalonnage"));
    EXPECT_TRUE(c.isVisible());
    EXPECT_FALSE(c.isModal());
    EXPECT_EQ(c.parentWidget(), w.get());
    const QStringList tabs = {utf8("Déroulé"), "Point GPS", "Enregistreur", "Compteur"};
    ASSERT_EQ(c.C_Tabs->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(c.C_Tabs->tabText(i), tabs[i]);
    EXPECT_EQ(c.P_Umfang_Nenn->text(), "1953");
    EXPECT_EQ(&open(), &c) << "one window, raised again";
}

// Before the main window's first run there is nothing to stand on.
TEST_F(Calibration, BeforeTheMainWindowsFirstRun)
{
    ASSERT_FALSE(w->lastGoodRun()) << "the main window starts without a run";
    CalibrationWindow &c = openAsIs();
    retype(c.C_Strecke, "5890");
    retype(c.C_Drehzahl, "9000");
    retype(c.C_GPS, "200");
    const QString waiting = utf8("La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer ».");
    for (QLabel *note : {c.C_Hinweis_Abroll, c.C_Hinweis_GPS, c.C_Hinweis_Datei, c.C_Hinweis_Tacho})
        EXPECT_EQ(note->text(), waiting);
    for (TPanel *p : {c.P_Umfang_Nenn, c.P_Abweichung_Abroll, c.P_Umfang_GPS})
        EXPECT_EQ(p->text(), Dash) << p->objectName().toStdString();
    EXPECT_EQ(c.P_Umfang_Abroll->text(), "5890") << "the roll-out needs no gear set";
    EXPECT_FALSE(c.C_Datei->isEnabled());
    EXPECT_EQ(c.C_RitzelNeu->text(), "");

    mouseClick(w->Button_Berechnen);
    EXPECT_EQ(c.C_Hinweis_GPS->text(), "");
    EXPECT_EQ(c.P_Umfang_GPS->text(), "1932");
    EXPECT_EQ(c.P_Abweichung_Abroll->text(), utf8("+201,59 %"));
    EXPECT_TRUE(c.C_Datei->isEnabled());
    EXPECT_EQ(c.C_RitzelNeu->text(), "17");
}

// Each tab shows its results as the rider types, on the main window's run
// (the values themselves: worked_examples_test).
TEST_F(Calibration, EveryTabFollowsItsFields)
{
    CalibrationWindow &c = open();
    retype(c.C_Strecke, "5890");
    retype(c.C_Umdrehungen, "3");
    EXPECT_EQ(c.P_Umfang_Abroll->text() + " " + c.P_Abweichung_Abroll->text(), "1963 +0,53 %");
    c.C_Gang->setCurrentIndex(3);
    retype(c.C_Drehzahl, "9000");
    retype(c.C_GPS, "200");
    EXPECT_EQ(c.P_Umfang_GPS->text() + " " + c.P_Abweichung_GPS->text(), "1932 -1,09 %");
    retype(c.C_Tacho, "105");
    retype(c.C_Wahr, "100");
    EXPECT_EQ(c.P_Fehler_alt->text(), "+5,00 %");
    EXPECT_EQ(c.C_RitzelNeu->text() + "/" + c.C_KettenradNeu->text() + " " + c.C_UmfangNeu->text(), "17/38 1953")
        << "the main window's sprockets and circumference";
    retype(c.C_RitzelNeu, "16");
    EXPECT_EQ(c.P_Fehler_neu->text() + " " + c.P_Anzeige_100->text(), "+11,56 % 112");
    c.C_Sensor->setCurrentIndex(1);
    EXPECT_EQ(c.P_Fehler_neu->text() + " " + c.P_Anzeige_100->text(), "+5,00 % 105");
    for (QLabel *note : {c.C_Hinweis_Abroll, c.C_Hinweis_GPS, c.C_Hinweis_Tacho})
        EXPECT_EQ(note->text(), "");
}

// A field that does not convert, or a divisor of zero: "–", the note, a red
// frame for the field; the text put right clears all three.
TEST_F(Calibration, BadFieldsAndZeroDivisors)
{
    CalibrationWindow &c = open();
    retype(c.C_Strecke, "5890");
    retype(c.C_Drehzahl, "9000");
    retype(c.C_GPS, "200");
    retype(c.C_Tacho, "105");
    retype(c.C_Wahr, "100");
    const struct {
        QLineEdit *field;
        const char *bad, *good;
        TPanel *result;
        QLabel *note;
        const char *message;
        bool framed;
    } cases[] = {
        {c.C_Strecke, "1,8x", "5890", c.P_Umfang_Abroll, c.C_Hinweis_Abroll,
         "Distance parcourue : '1,8x' ist kein gültiger Gleitkommawert.", true},
        {c.C_Umdrehungen, "0", "3", c.P_Umfang_Abroll, c.C_Hinweis_Abroll, "Gleitkommadivision durch Null.", false},
        {c.C_Drehzahl, "9000,5", "9000", c.P_Umfang_GPS, c.C_Hinweis_GPS, "Régime : '9000,5' ist kein gültiger Integerwert.",
         true},
        {c.C_Drehzahl, "0", "9000", c.P_Abweichung_GPS, c.C_Hinweis_GPS, "Gleitkommadivision durch Null.", false},
        {c.C_GPS, "200.5", "200", c.P_Umfang_GPS, c.C_Hinweis_GPS, "Vitesse GPS : '200.5' ist kein gültiger Gleitkommawert.", true},
        {c.C_Wahr, "0", "100", c.P_Fehler_alt, c.C_Hinweis_Tacho, "Gleitkommadivision durch Null.", false},
        {c.C_RitzelNeu, "0", "16", c.P_Fehler_neu, c.C_Hinweis_Tacho, "Pignon : la valeur doit être supérieure à 0.", true},
        {c.C_UmfangNeu, "0", "1953", c.P_Anzeige_100, c.C_Hinweis_Tacho,
         "Développement : la valeur doit être supérieure à 0.", true},
        {c.C_KettenradNeu, "x", "38", c.P_Fehler_neu, c.C_Hinweis_Tacho, "Couronne : 'x' ist kein gültiger Integerwert.", true},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.bad);
        retype(k.field, k.bad);
        EXPECT_EQ(k.result->text(), Dash);
        EXPECT_EQ(k.note->text(), utf8(k.message));
        EXPECT_EQ(k.field->property("invalid").toBool(), k.framed);
        retype(k.field, k.good);
        EXPECT_NE(k.result->text(), Dash);
        EXPECT_EQ(k.note->text(), "");
        EXPECT_FALSE(k.field->property("invalid").toBool());
    }
    EXPECT_TRUE(platform.errors.isEmpty() && platform.messages.isEmpty()) << "no box while typing";

    // Empty fields are not measured yet: "–" without a note.
    c.C_Strecke->clear();
    EXPECT_EQ(c.P_Umfang_Abroll->text(), Dash);
    EXPECT_EQ(c.C_Hinweis_Abroll->text(), "");
    EXPECT_FALSE(c.C_Anwenden_Abroll->isEnabled());
    // A circumference of zero or less is shown but never handed over.
    retype(c.C_Strecke, "-5890");
    EXPECT_EQ(c.P_Umfang_Abroll->text(), "-1963");
    EXPECT_FALSE(c.C_Anwenden_Abroll->isEnabled());
}

// Every good run of the main window counts at once; after a failed one the
// last good values stay and the notes say why.
TEST_F(Calibration, FollowsTheMainWindow)
{
    CalibrationWindow &c = open();
    retype(c.C_Strecke, "5890");
    retype(c.C_Umdrehungen, "3");
    retype(c.C_Drehzahl, "9000");
    retype(c.C_GPS, "200");
    retype(c.C_Tacho, "105");
    retype(c.C_Wahr, "100");
    retype(c.C_KettenradNeu, "40"); // typed: stays

    // Width 180: C_nom = round(pi * (431.8 + 180)) = 1922; slip 0 takes f_4 to 1.
    w->Edit2->setText("180");
    w->Edit4->setText("16");
    retype(w->E_Schlupf, "0");
    EXPECT_EQ(c.P_Umfang_Nenn->text(), "1922");
    EXPECT_EQ(c.P_Umfang_Haupt->text(), "1922");
    EXPECT_EQ(c.P_Abweichung_Abroll->text(), "+2,15 %"); // 1963,33 / 1922
    EXPECT_EQ(c.P_Umfang_GPS->text(), "1991");           // 200 * 5,375 / (9000 * 60e-6)
    EXPECT_EQ(c.C_RitzelNeu->text(), "16");
    EXPECT_EQ(c.C_KettenradNeu->text(), "40");
    EXPECT_EQ(c.C_UmfangNeu->text(), "1922");

    const QString gps = c.P_Umfang_GPS->text();
    retype(w->E_Schlupf, "x");
    const QString failure = utf8("La fenêtre principale ne calcule pas : 'x' ist kein gültiger Integerwert.");
    for (QLabel *note : {c.C_Hinweis_Abroll, c.C_Hinweis_GPS, c.C_Hinweis_Datei, c.C_Hinweis_Tacho})
        EXPECT_EQ(note->text(), failure);
    EXPECT_EQ(c.P_Umfang_GPS->text(), gps);
    EXPECT_EQ(c.P_Umfang_Nenn->text(), "1922");

    retype(w->E_Schlupf, "3");
    EXPECT_EQ(c.C_Hinweis_GPS->text(), "");
    // Emptied, a planned field follows the main window again.
    c.C_KettenradNeu->selectAll();
    key(c.C_KettenradNeu, Qt::Key_Backspace);
    w->Edit5->setText("41");
    w->Button_BerechnenClick();
    EXPECT_EQ(c.C_KettenradNeu->text(), "41");
}

// Each "Appliquer" sets the main window's override and runs it once;
// nothing else there changes.
TEST_F(Calibration, ApplyHandsTheCircumferenceToTheMainWindow)
{
    CalibrationWindow &c = open();
    retype(c.C_Strecke, "5890");
    retype(c.C_Umdrehungen, "3");
    retype(c.C_Drehzahl, "9000");
    retype(c.C_GPS, "200");
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    openFile(c, writeRide(test::LoggerStyle::CommaUnitsInNames, truth));
    const QString fromFile = c.P_Umfang_Datei->text();

    const struct {
        QPushButton *button;
        QString mm;
    } cases[] = {{c.C_Anwenden_Abroll, "1963"}, {c.C_Anwenden_GPS, "1932"}, {c.C_Anwenden_Datei, fromFile}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.mm.toStdString());
        const ui::MainFields before = w->currentFields();
        runs = 0;
        mouseClick(k.button);
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(w->E_Umfang->text(), k.mm);
        EXPECT_TRUE(w->CB_Umfangedit->isChecked() && w->E_Umfang->isEnabled());
        EXPECT_EQ(w->lastGoodRun()->circumference, k.mm.toInt());
        EXPECT_EQ(c.P_Umfang_Haupt->text(), k.mm);
        EXPECT_EQ(c.P_Umfang_Nenn->text(), "1953") << "the tyre's stays";
        EXPECT_TRUE(allButCircumference(w->currentFields().texts) == allButCircumference(before.texts))
            << "nothing else";
    }
    EXPECT_TRUE(platform.errors.isEmpty());
}

// A ride at 1987 mm in each header style, the main window's third gear typed
// 3 % short: the file gives 1987 within 2 mm and flags gear 3 alone.
TEST_F(Calibration, LoggerFileInThreeHeaderStyles)
{
    const QString third = w->Edit9->text();
    w->Edit9->setText("1,545");
    w->Button_BerechnenClick();
    CalibrationWindow &c = open();
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    for (auto style : {test::LoggerStyle::CommaUnitsInNames, test::LoggerStyle::SemicolonUnitsLine,
                       test::LoggerStyle::TabMph}) {
        SCOPED_TRACE(static_cast<int>(style));
        const QString path = writeRide(style, truth);
        const QByteArray bytes = readBytes(path);
        c.P_Umfang_Datei->clear();
        openFile(c, path);
        EXPECT_EQ(readBytes(path), bytes) << "the file is only read";
        EXPECT_NEAR(c.P_Umfang_Datei->text().toInt(), 1987, 2);
        EXPECT_TRUE(c.P_Abweichung_Datei->text().startsWith('+'));
        EXPECT_TRUE(c.P_Punkte->text().endsWith(" / 3360")) << c.P_Punkte->text().toStdString();
        EXPECT_EQ(gearColumn(c, 3), QStringList({"", "", utf8("à vérifier"), "", "", ""}));
        EXPECT_EQ(c.C_Hinweis_Datei->text(), "");
        EXPECT_EQ(c.P_Datei->text(), "ride.csv");
        EXPECT_TRUE(c.C_Datei->isEnabled());
    }
    EXPECT_EQ(platform.dialogFilters.last(), "Enregistrements (*.csv *.txt)");

    // The third gear typed right, the file's samples are sorted again.
    const QString gear3Before = c.C_Gaenge->item(2, 0)->text();
    w->Edit9->setText(third);
    w->Button_BerechnenClick();
    c.waitForFile();
    EXPECT_EQ(gearColumn(c, 3), QStringList({"", "", "", "", "", ""}));
    EXPECT_GT(c.C_Gaenge->item(2, 0)->text().toInt(), gear3Before.toInt());
    EXPECT_NEAR(c.P_Umfang_Datei->text().toInt(), 1987, 2);
    EXPECT_EQ(c.P_Datei->text(), "ride.csv");
}

// A reading that fails says why and leaves the results of the file before.
TEST_F(Calibration, LoggerFileFailuresKeepTheResultsBefore)
{
    CalibrationWindow &c = open();
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    openFile(c, writeRide(test::LoggerStyle::SemicolonUnitsLine, truth));
    const QStringList before = {c.P_Umfang_Datei->text(), c.P_Punkte->text(), c.P_Datei->text()};
    const QStringList counts = gearColumn(c, 0);

    const QString noHeader = programDir.file("noheader.csv");
    writeBytes(noHeader, "Time,Throttle\n1,50\n");
    const QString fewPoints = programDir.file("few.csv");
    writeBytes(fewPoints, "RPM,Speed\n6000,100\n6000,100\n");
    // A FIFO would block the reading for ever: it is refused by what it is.
    const QString fifo = programDir.file("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString answer;
        const char *note;
    } cases[] = {
        {programDir.file("missing.csv"), "Datei nicht gefunden."},
        {programDir.path(), "Ungültiger Dateiname."},
        {fifo, "Ce n'est pas un fichier ordinaire."},
        {noHeader, "Aucune colonne de régime et de vitesse dans ce fichier."},
        {fewPoints, "Pas assez de points en prise : 10 au moins dans un rapport."},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.note);
        openFile(c, k.answer);
        EXPECT_EQ(c.C_Hinweis_Datei->text(), utf8(k.note));
        EXPECT_EQ(QStringList({c.P_Umfang_Datei->text(), c.P_Punkte->text(), c.P_Datei->text()}), before);
        EXPECT_EQ(gearColumn(c, 0), counts);
        EXPECT_TRUE(c.C_Datei->isEnabled());
    }
    // A cancelled dialog reads nothing and leaves the note as it was.
    const int filesAsked = int(platform.dialogFilters.size());
    mouseClick(c.C_Datei);
    EXPECT_EQ(platform.dialogFilters.size(), filesAsked + 1);
    EXPECT_EQ(c.C_Hinweis_Datei->text(), utf8(std::end(cases)[-1].note));
    EXPECT_TRUE(platform.errors.isEmpty());
}

// The progress shows only once the wait is over, and cancelling leaves
// everything as it was. The stand-in reader holds until the test lets it go.
TEST_F(Calibration, ProgressAndCancel)
{
    CalibrationWindow &c = open();
    EXPECT_TRUE(c.C_Fortschritt->isHidden());
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    const QString ride = writeRide(test::LoggerStyle::TabMph, truth);
    openFile(c, ride); // quick: the progress never shows
    QCoreApplication::processEvents();
    EXPECT_TRUE(c.C_Fortschritt->isHidden());
    const QString fitted = c.P_Umfang_Datei->text();

    std::promise<void> released;
    std::shared_future<void> go = released.get_future().share();
    c.setLoggerReader([go](const QString &, const files::LoggerProgress &progress) {
        progress(1, 4);
        go.wait();
        if (!progress(2, 4))
            return std::optional<files::LoggerData>();
        return std::optional<files::LoggerData>(files::LoggerData{});
    });
    c.setProgressDelay(0);
    platform.fileAnswers.push_back(ride);
    mouseClick(c.C_Datei);
    EXPECT_TRUE(c.C_Fortschritt->isHidden()) << "not before the delay";
    EXPECT_FALSE(c.C_Datei->isEnabled()) << "one file at a time";
    while (c.C_Fortschritt->isHidden() || c.C_Fortschritt->value() != 250)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(c.C_Abbrechen->isHidden());
    mouseClick(c.C_Abbrechen);
    EXPECT_TRUE(c.C_Fortschritt->isHidden()) << "at once, not when the worker is done";
    EXPECT_FALSE(c.C_Datei->isEnabled());
    released.set_value();
    c.waitForFile();
    EXPECT_TRUE(c.C_Fortschritt->isHidden());
    EXPECT_TRUE(c.C_Abbrechen->isHidden());
    EXPECT_TRUE(c.C_Datei->isEnabled());
    EXPECT_EQ(c.P_Umfang_Datei->text(), fitted);
    EXPECT_EQ(c.C_Hinweis_Datei->text(), "");
}

// The program may end while a file is read: the reading stops and nothing
// is delivered to a window that is gone.
TEST_F(Calibration, DestroyedWhileReading)
{
    CalibrationWindow &c = open();
    std::atomic<int> calls{0};
    c.setLoggerReader([&calls](const QString &, const files::LoggerProgress &progress) {
        while (progress(++calls, 1000000))
            std::this_thread::sleep_for(std::chrono::milliseconds(1)); // a slow disk
        return std::optional<files::LoggerData>();
    });
    platform.fileAnswers.push_back("any.csv");
    mouseClick(c.C_Datei);
    while (calls < 3)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    delete &c;
    EXPECT_EQ(ui::analysisWindow<ui::CalibrationWindow>(), nullptr);
    QCoreApplication::processEvents();
}

TEST_F(Calibration, SettingsKeptBetweenSessions)
{
    CalibrationWindow *c = &open();
    const QString ini = programDir.file("etalonnage.ini");
    const struct {
        QLineEdit *CalibrationWindow::*field;
        const char *section, *key, *text;
    } fields[] = {
        {&CalibrationWindow::C_Strecke, "Abroll", "Strecke", "5890"},
        {&CalibrationWindow::C_Umdrehungen, "Abroll", "Umdrehungen", "3"},
        {&CalibrationWindow::C_Drehzahl, "GPS", "Drehzahl", "9000"},
        {&CalibrationWindow::C_GPS, "GPS", "Tempo", "200,5"},
        {&CalibrationWindow::C_Tacho, "Tacho", "Anzeige", "105"},
        {&CalibrationWindow::C_Wahr, "Tacho", "Wahr", "x"},
        {&CalibrationWindow::C_RitzelNeu, "Tacho", "RitzelNeu", "16"},
        {&CalibrationWindow::C_UmfangNeu, "Tacho", "UmfangNeu", "1987,5"},
    };
    for (const auto &f : fields)
        retype(c->*f.field, utf8(f.text));
    c->C_Gang->setCurrentIndex(5);
    c->C_Sensor->setCurrentIndex(1);
    c->close();
    EXPECT_TRUE(readBytes(ini).startsWith("[Program]\r\nInifile=etalonnage\r\n")) << readBytes(ini).left(40).data();
    trovanta::test::ProfileFile stored(ini);
    for (const auto &f : fields)
        EXPECT_EQ(stored.readString(f.section, f.key, "?"), utf8(f.text)) << f.key;
    EXPECT_EQ(stored.readString("Tacho", "KettenradNeu", "?"), "") << "follows the main window: not typed";
    EXPECT_EQ(stored.readString("GPS", "Gang", "?"), "6");
    EXPECT_EQ(stored.readString("Tacho", "Sensor", "?"), "1");

    // A new session reads them back; the rear sprocket follows the main
    // window as before.
    delete c;
    w->Edit5->setText("41");
    w->Button_BerechnenClick();
    c = &open();
    for (const auto &f : fields)
        EXPECT_EQ((c->*f.field)->text(), utf8(f.text)) << f.key;
    EXPECT_EQ(c->C_KettenradNeu->text(), "41");
    EXPECT_EQ(c->C_Gang->currentText(), "6");
    EXPECT_EQ(c->C_Sensor->currentIndex(), 1);
    EXPECT_EQ(c->P_Umfang_Datei->text(), Dash) << "file results are not kept";

    // Values the window cannot show keep its defaults.
    delete c;
    stored.writeString("GPS", "Gang", "7");
    stored.writeString("Tacho", "Sensor", "2");
    c = &open();
    EXPECT_EQ(c->C_Gang->currentText(), "4");
    EXPECT_EQ(c->C_Sensor->currentIndex(), 0);

    // Ending the program saves an open window too.
    retype(c->C_Strecke, "6000");
    w->Beenden1->trigger();
    EXPECT_EQ(trovanta::test::ProfileFile(ini).readString("Abroll", "Strecke", "?"), "6000");
}

// A clean export at 1987 mm, made at a slip of 0 % and of 2 %, read with the
// main window's slip of 3 %: gears 1 to 3 give the circumference, gears 4 to
// 6 the slip; "Appliquer" sets both.
TEST_F(Calibration, TheFileMeasuresTheSlip)
{
    CalibrationWindow &c = open();
    ASSERT_EQ(w->E_Schlupf->text(), "3");
    const struct {
        int slip;
        double shown;
    } rides[] = {{0, 0}, {2, 2}};
    for (const auto &r : rides) {
        SCOPED_TRACE(r.slip);
        gearing::GearSet truth;
        truth.circumferenceOverride = 1987;
        truth.slip = r.slip;
        openFile(c, writeRide(test::LoggerStyle::CommaUnitsInNames, truth));
        EXPECT_NEAR(c.P_Umfang_Datei->text().toInt(), 1987, 2);
        QString slip = c.P_Schlupf_Datei->text();
        ASSERT_TRUE(slip.endsWith(" %")) << slip.toStdString();
        slip.chop(2);
        EXPECT_NEAR(slip.replace(',', '.').toDouble(), r.shown, 0.2);
        EXPECT_EQ(gearColumn(c, 3), QStringList({"", "", "", "", "", ""}));
        EXPECT_EQ(c.C_Hinweis_Datei->text(), "");
        std::printf("[fit] made at slip %d, read at 3: %s mm, slip %s\n", r.slip,
                    c.P_Umfang_Datei->text().toUtf8().constData(), c.P_Schlupf_Datei->text().toUtf8().constData());
    }
    const QString mm = c.P_Umfang_Datei->text();
    mouseClick(c.C_Anwenden_Datei);
    c.waitForFile();
    EXPECT_EQ(w->E_Umfang->text(), mm);
    EXPECT_EQ(w->E_Schlupf->text(), "2");
    EXPECT_EQ(w->lastGoodRun()->set.slip, 2);
}

// A failed fit again keeps the file's samples: the next good run fits them.
TEST_F(Calibration, AFailedRefitKeepsTheSamples)
{
    CalibrationWindow &c = open();
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    openFile(c, writeRide(test::LoggerStyle::SemicolonUnitsLine, truth));
    const QString fitted = c.P_Umfang_Datei->text();
    const QString primary = w->Edit6->text();
    w->Edit6->setText("50");
    w->Button_BerechnenClick();
    c.waitForFile();
    EXPECT_EQ(c.C_Hinweis_Datei->text(), utf8("Pas assez de points en prise : 10 au moins dans un rapport."));
    EXPECT_EQ(c.P_Umfang_Datei->text(), Dash);
    w->Edit6->setText(primary);
    w->Button_BerechnenClick();
    c.waitForFile();
    EXPECT_EQ(c.P_Umfang_Datei->text(), fitted);
    EXPECT_EQ(c.C_Hinweis_Datei->text(), "");
}

// Ratios typed wrong: the note says which to check, and "Appliquer" waits
// for "Appliquer quand même".
TEST_F(Calibration, WrongRatiosHoldTheApply)
{
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    const struct {
        QLineEdit *TForm1::*field;
        const char *text, *note;
    } cases[] = {
        {&TForm1::Edit6, "5,00", "vérifiez le primaire, le pignon, la couronne et les rapports"},
        {&TForm1::Edit9, "1,695", "Trop peu de points en 3 alors que"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.text);
        QLineEdit *e = w.get()->*k.field;
        const QString before = e->text();
        e->setText(utf8(k.text));
        w->Button_BerechnenClick();
        CalibrationWindow &c = open();
        openFile(c, writeRide(test::LoggerStyle::CommaUnitsInNames, truth));
        EXPECT_TRUE(c.C_Hinweis_Datei->text().contains(utf8(k.note))) << c.C_Hinweis_Datei->text().toStdString();
        EXPECT_FALSE(c.C_Anwenden_Datei->isEnabled());
        EXPECT_TRUE(c.C_Trotzdem->isVisibleTo(&c));
        c.C_Trotzdem->setChecked(true);
        EXPECT_TRUE(c.C_Anwenden_Datei->isEnabled());
        e->setText(before);
        w->Button_BerechnenClick();
        c.waitForFile();
        EXPECT_FALSE(c.C_Trotzdem->isVisibleTo(&c));
        EXPECT_TRUE(c.C_Anwenden_Datei->isEnabled());
        c.C_Trotzdem->setChecked(false);
    }
}

// The language chosen at run time: the title, the gear table's heads and a
// file's failure show it at once; what was typed stays.
TEST_F(Calibration, SpeaksTheLanguageChosenAtOnce)
{
    CalibrationWindow &c = open();
    retype(c.C_Strecke, "1e308");
    const QString noHeader = programDir.file("noheader.csv");
    writeBytes(noHeader, "Time,Throttle\n1,50\n");
    openFile(c, noHeader);
    const struct {
        ui::Language language;
        const char *title, *circumferenceHead, *fileNote;
    } cases[] = {
        {ui::Language::French, "Étalonnage", "Dévelop. mm", "Aucune colonne de régime et de vitesse dans ce fichier."},
        {ui::Language::German, "Kalibrierung", "Umfang mm",
         "Keine Spalten für Drehzahl und Geschwindigkeit in dieser Datei."},
        {ui::Language::English, "Calibration", "Circ. mm", "No engine speed and speed columns in this file."},
    };
    BackToOriginal back;
    for (const auto &k : cases) {
        SCOPED_TRACE(k.title);
        switchTo(k.language);
        EXPECT_EQ(c.windowTitle(), utf8(k.title));
        EXPECT_EQ(c.C_Gaenge->horizontalHeaderItem(1)->text(), utf8(k.circumferenceHead));
        EXPECT_EQ(c.C_Hinweis_Datei->text(), utf8(k.fileNote)) << "the message kept, shown anew";
        EXPECT_EQ(c.C_Strecke->text(), "1e308");
    }
}
