// Starts the program offscreen, lets it calculate and saves pictures of its
// windows: trovanta_screenshots [--language fr|de|en|original] <folder> [window objectName ...]
// --language takes the pictures in that language (chosen once the program
// stands, as from its menu); without it, in the language the program starts
// in.
// "Form6.B_Berechnen" clicks that button of the shown window first (and
// brings its tab to the front; another control's name only brings its tab);
// "GearSheet" prints the gear sheet through the main window's print command
// into <folder>/GearSheet.pdf. A window created on first use is opened from
// the main window's menu; the calibration window's open dialog is answered
// with a generated logger export. "CompareWindow" opens the comparison with
// a variant and a few track points filled in; "CompareSheet" prints it into
// <folder>/CompareSheet.pdf. "SprocketWindow" lists the pairs for the chain
// calculator's worked example (15/45, 110 links of 1,56 cm, sag 2).
// "CircuitTab" is the Performances window with its Circuit tab forward and
// the circuit "Essai" typed in, on the example curve and the design's gear
// set; "SprocketCircuit" the sprocket pairs of the default ranges with that
// circuit's columns, "CompareCircuit" the comparison with that circuit.
//
// TROVANTA_DARK=1 takes them under the Fusion style with a dark palette (2:
// switched to it once the windows stand);
// TROVANTA_UNITS=imperial in mph, lb-ft, hp and lb.
//
// The pictures are the same on every machine and at every run: a German
// locale (decimal comma, as the gear set's defaults are written), a fixed
// clock, and a first start from an empty program directory.
#include "files/programdir.h"
#include "support/dark_palette.h"
#include "support/logger_ride.h"
#include "ui/calibrationwindow.h"
#include "ui/circuitrunner.h"
#include "ui/circuittab.h"
#include "ui/performancewindow.h"
#include "ui/compareperformance.h"
#include "ui/sprocketwindow.h"
#include "ui/comparewindow.h"
#include "ui/tform6.h"
#include "ui/language.h"
#include "ui/registry.h"
#include "ui/platform.h"
#include "ui/startup.h"
#include "ui/tform1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

class PicturePlatform : public trovanta::ui::Platform {
public:
    QString pdf;  // where the print dialog sends the sheet
    QString open; // what the open dialog answers

    void messageBox(QWidget *, const QString &text) override { report(text); }
    void errorBox(QWidget *, const QString &text) override { report(text); }
    bool execPrintDialog(QWidget *, QPrinter &printer) override
    {
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(300);
        return true;
    }
    QString getOpenFileName(QWidget *, const QString &, const QString &) override { return open; }
    void openUrl(const QUrl &) override {}
    QLocale locale() const override { return QLocale(QLocale::German, QLocale::Germany); }
    QDateTime now() const override { return QDateTime(QDate(2026, 5, 16), QTime(9, 41, 0)); }

    int boxes = 0;

private:
    // A box would wait for a click nobody gives; a picture taken behind it
    // would not show what the README says.
    void report(const QString &text)
    {
        ++boxes;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

QWidget *topLevel(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

// The comparison as the README shows it: the design's bike against one
// tooth less in front and two more at the back, with three corners of a
// track day.
trovanta::ui::CompareWindow *comparison()
{
    if (!trovanta::ui::analysisWindow<trovanta::ui::CompareWindow>()) {
        trovanta::ui::openAnalysis(QStringLiteral("CompareWindow"));
        trovanta::ui::CompareWindow *c = trovanta::ui::analysisWindow<trovanta::ui::CompareWindow>();
        c->B_Edit4->setText(QStringLiteral("16"));
        c->B_Edit5->setText(QStringLiteral("40"));
        const char *const points[][3] = {{"Épingle", "62", "2"}, {"Chicane", "95", "3"},
                                         {"Fin de la ligne droite", "262", "6"}};
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k)
                c->T_Punkte->item(r, k)->setText(QString::fromUtf8(points[r][k]));
    }
    return trovanta::ui::analysisWindow<trovanta::ui::CompareWindow>();
}

// The worked example: the design's set with its red zone of 12000, the
// example curve (the Performances window's first start) and "Essai" typed
// into the window's Circuit tab, which hands it to the other windows.
trovanta::ui::PerformanceWindow *performancesWithEssai(TForm1 *main)
{
    if (auto *p = trovanta::ui::analysisWindow<trovanta::ui::PerformanceWindow>())
        return p;
    // The design's pair again: the sprocket pairs' picture applies another.
    main->setSprockets(QStringLiteral("17"), QStringLiteral("38"));
    main->EditRotBereich->setText(QStringLiteral("12000"));
    main->Button_BerechnenClick();
    main->findChild<QAction *>(QStringLiteral("Performances1"))->trigger();
    auto *p = trovanta::ui::analysisWindow<trovanta::ui::PerformanceWindow>();
    trovanta::ui::CircuitTab *tab = p->P_CircuitTab;
    p->P_Tabs->setCurrentWidget(tab);
    tab->P_Circuit->setEditText(QStringLiteral("Essai"));
    emit tab->P_Circuit->lineEdit()->returnPressed();
    const char *const corners[][4] = {{"Épingle", "62", "2", "350"},
                                      {"Chicane", "95", "3", "600"},
                                      {"Courbe rapide", "150", "4", "1000"},
                                      {"Virage 4", "110", "3", "400"}};
    for (const auto &corner : corners) {
        const int row = tab->P_Strecke->rowCount() - 1;
        for (int c = 0; c < 4; ++c)
            tab->P_Strecke->item(row, c)->setText(QString::fromUtf8(corner[c]));
    }
    QApplication::processEvents();
    return p;
}

// A ride recorded at 1987 mm on a bike whose third gear is 3 % longer than
// the main window's default gear set says.
bool writeRide(const QString &path)
{
    trovanta::gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    truth.gears[2] *= 1.03;
    trovanta::test::RideLog ride(trovanta::test::LoggerStyle::CommaUnitsInNames, trovanta::gearing::derive(truth),
                                 20260516);
    std::string text = ride.head();
    for (int i = 0; i < 8 * 420; ++i)
        text += ride.nextLine();
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.data(), static_cast<qint64>(text.size())) ==
                                               static_cast<qint64>(text.size());
}

// The tab page a widget stands on comes to the front.
void bringTabForward(QWidget *w)
{
    for (QWidget *p = w; p && p->parentWidget(); p = p->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(p->parentWidget()->parentWidget()))
            if (tabs->indexOf(p) >= 0)
                tabs->setCurrentWidget(p);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    std::optional<trovanta::ui::Language> language;
    if (const qsizetype at = args.indexOf(QStringLiteral("--language")); at >= 0) {
        const QString code = args.value(at + 1);
        const std::pair<const char *, trovanta::ui::Language> codes[] = {
            {"fr", trovanta::ui::Language::French},
            {"de", trovanta::ui::Language::German},
            {"en", trovanta::ui::Language::English},
            {"original", trovanta::ui::Language::Original},
        };
        for (const auto &[name, l] : codes)
            if (code == QLatin1String(name))
                language = l;
        if (!language) {
            std::fprintf(stderr, "--language takes fr, de, en or original\n");
            return 2;
        }
        args.remove(at, 2);
    }
    // TROVANTA_DARK=1: under the Fusion style with a dark palette.
    if (qEnvironmentVariableIntValue("TROVANTA_DARK") == 1)
        trovanta::test::useDarkTheme(true);
    const QString folder = !args.isEmpty() ? args.first() : QStringLiteral(".");
    QDir().mkpath(folder);
    PicturePlatform platform;
    trovanta::ui::setPlatform(&platform);
    // No settings file from an earlier run is read, and none is left behind.
    QTemporaryDir programDir;
    trovanta::files::setProgramDirectoryForTesting(programDir.path());
    trovanta::ui::startTrovanta();
    if (language) {
        trovanta::ui::setLanguage(*language);
        QCoreApplication::sendPostedEvents();
    }
    // TROVANTA_DARK=2: switched to the dark theme once the windows stand,
    // as a desktop switches its theme while the program runs.
    if (qEnvironmentVariableIntValue("TROVANTA_DARK") == 2)
        trovanta::test::useDarkTheme(true);
    TForm1 *main = trovanta::ui::forms().Form1;
    main->Button_BerechnenClick();
    main->Timer1Timer();
    platform.open = programDir.filePath(QStringLiteral("ride.csv"));
    if (!writeRide(platform.open)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(platform.open));
        return 1;
    }
    const std::vector<std::pair<QString, QAction *>> menuWindows = {
        {QStringLiteral("CalibrationWindow"), main->findChild<QAction *>(QStringLiteral("Etalonnage1"))},
        {QStringLiteral("SprocketWindow"), main->findChild<QAction *>(QStringLiteral("PignonsChaine1"))},
        {QStringLiteral("PerformanceWindow"), main->findChild<QAction *>(QStringLiteral("Performances1"))},
    };
    QStringList names = args.mid(1);
    if (names.isEmpty())
        names << QStringLiteral("Form1");
    int failures = 0;
    for (const QString &shot : names) {
        if (shot == QLatin1String("GearSheet")) {
            if (qEnvironmentVariable("TROVANTA_UNITS") == QLatin1String("imperial"))
                main->findChild<QAction *>(QStringLiteral("UniteMph"))->trigger();
            platform.pdf = QDir(folder).absoluteFilePath(shot + QStringLiteral(".pdf"));
            QFile::remove(platform.pdf);
            main->Drucken2Click();
            if (!QFile::exists(platform.pdf)) {
                std::fprintf(stderr, "no gear sheet printed\n");
                ++failures;
                continue;
            }
            std::printf("%s\n", qPrintable(platform.pdf));
            continue;
        }
        if (shot == QLatin1String("CompareSheet")) {
            platform.pdf = QDir(folder).absoluteFilePath(shot + QStringLiteral(".pdf"));
            QFile::remove(platform.pdf);
            comparison()->B_DruckenClick();
            if (!QFile::exists(platform.pdf)) {
                std::fprintf(stderr, "no comparison printed\n");
                ++failures;
                continue;
            }
            std::printf("%s\n", qPrintable(platform.pdf));
            continue;
        }
        const QString name = shot.section(QLatin1Char('.'), 0, 0);
        if (name == QLatin1String("CompareWindow"))
            comparison();
        if (name == QLatin1String("CircuitTab"))
            performancesWithEssai(main)->setObjectName(name);
        if (name == QLatin1String("SprocketCircuit") || name == QLatin1String("CompareCircuit")) {
            performancesWithEssai(main);
            trovanta::ui::forms().Form6->E_Glieder_alt->setText(QStringLiteral("110"));
        }
        if (name == QLatin1String("CompareCircuit")) {
            trovanta::ui::CompareWindow *c = comparison();
            c->GB_Leistung->wait();
            c->setObjectName(name);
        }
        if (name == QLatin1String("SprocketCircuit")) {
            main->findChild<QAction *>(QStringLiteral("PignonsChaine1"))->trigger();
            auto *sprockets = trovanta::ui::analysisWindow<trovanta::ui::SprocketWindow>();
            QApplication::processEvents();
            sprockets->circuitRunner()->wait();
            sprockets->setObjectName(QStringLiteral("SprocketCircuit"));
        }
        // The chain calculator on a worked example: 110 links, 17/38 to 15/45.
        if (name == QLatin1String("Form6")) {
            TForm6 *chain = trovanta::ui::forms().Form6;
            chain->E_Glieder_alt->setText(QStringLiteral("110"));
            chain->E_Ritzel_alt->setText(QStringLiteral("17"));
            chain->E_Kettenrad_alt->setText(QStringLiteral("38"));
            chain->E_Ritzel_neu->setText(QStringLiteral("15"));
            chain->E_Kettenrad_neu->setText(QStringLiteral("45"));
            chain->E_Glieder_neu->setText(QStringLiteral("110"));
        }
        const QString button = shot.section(QLatin1Char('.'), 1);
        QWidget *w = topLevel(name);
        for (const auto &[windowName, action] : menuWindows)
            if (!w && windowName == name) {
                if (name == QLatin1String("SprocketWindow")) {
                    TForm6 *chain = trovanta::ui::forms().Form6;
                    chain->E_Glieder_alt->setText(QStringLiteral("110"));
                    chain->E_Gliedlaenge->setText(QStringLiteral("1,56"));
                    chain->E_Solldurchhang->setText(QStringLiteral("2"));
                    main->setSprockets(QStringLiteral("15"), QStringLiteral("45"));
                }
                action->trigger();
                w = topLevel(name);
            }
        if (!w) {
            std::fprintf(stderr, "no window %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        w->show();
        if (!button.isEmpty()) {
            if (auto *c = w->findChild<QWidget *>(button)) {
                bringTabForward(c);
                if (auto *b = qobject_cast<QAbstractButton *>(c))
                    b->click();
                if (auto *calibration = qobject_cast<trovanta::ui::CalibrationWindow *>(w))
                    calibration->waitForFile();
            } else {
                std::fprintf(stderr, "no control %s\n", qPrintable(button));
                ++failures;
            }
        }
        // The windows are filled as in km/h, then switched, as a rider
        // switches with the windows open.
        if (qEnvironmentVariable("TROVANTA_UNITS") == QLatin1String("imperial"))
            for (const char *unit : {"UniteMph", "UniteLbft", "UniteHp", "UniteLb"})
                main->findChild<QAction *>(QString::fromLatin1(unit))->trigger();
        QApplication::processEvents();
        const QString path = folder + QLatin1Char('/') + shot + QStringLiteral(".png");
        if (!w->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    trovanta::ui::stopTrovanta();
    trovanta::ui::setPlatform(nullptr);
    return failures + platform.boxes > 0 ? 1 : 0;
}
