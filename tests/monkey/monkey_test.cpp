// A seeded monkey: the whole program, every window in turn, thousands of
// random user actions with every box and dialog answered. Afterwards the
// three settings files must hold the last values.
//
//   TROVANTA_MONKEY_SEED=<n>     replays a run (the seed is printed)
//   TROVANTA_MONKEY_ACTIONS=<n>  another number of actions
//   TROVANTA_MONKEY_TRACE=1      prints every action

#include "ui/window_driver.h"
#include "calc/numtext.h"

#include "files/chainsettings.h"
#include "files/cp1252.h"
#include "files/mainsettings.h"
#include "files/profiletext.h"
#include "support/profile_oracle.h"
#include "files/racelogfile.h"
#include "support/files.h"
#include "support/logger_ride.h"
#include "ui/labels.h"
#include "ui/settingfields.h"
#include "ui/startup.h"
#include "ui/converters.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/sprocketwindow.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>

#include <cstdio>
#include <functional>
#include <random>
#include <tuple>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;
using trovanta::ui::startTrovanta;
using trovanta::ui::stopTrovanta;

namespace {

constexpr quint32 DefaultSeed = 20261208;
constexpr int DefaultActions = 20000;

quint32 envNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

class Rng {
public:
    explicit Rng(quint32 seed) : gen_(seed) {}
    // Not std::uniform_int_distribution: a seed must replay the same run
    // with every standard library.
    int below(int n) { return static_cast<int>(gen_() % static_cast<quint32>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> const T &pick(const std::vector<T> &v)
    {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }

private:
    std::mt19937 gen_;
};

// What a rider might type: numbers in both notations, signs, letters,
// blanks, characters the code page lacks, the empty text, very long texts.
QString randomText(Rng &r)
{
    static const std::vector<QString> pieces = {
        "0", "1", "5", "9", "17", "190", "4500", "16000", "-", "+", ",", ".", "e", "x", "$", " ", "  ",
        "a", "Z", utf8("é"), utf8("°"), utf8("€"), utf8("ß"), "/", "?", "*", "\\", "'", "\"", "=", "[", "]",
        ";", utf8("😀"), utf8("ő"), "\t", "NAN", "INF", "0x1F", "2147483648", "-2147483649", "1e308",
        "99999999999999999999", "0,000001", ".."};
    const int kind = r.below(12);
    if (kind == 0)
        return {};
    // Often a sound value, so that commands get past the calculation run.
    if (kind < 5)
        return r.chance(50) ? QString::number(r.below(kind * 5000))
                            : QString("%1,%2").arg(r.below(4)).arg(r.below(100), 2, 10, QChar('0'));
    const int count = kind == 1 ? 300 + r.below(3000) : 1 + r.below(6);
    QString t;
    for (int i = 0; i < count; ++i)
        t += r.pick(pieces);
    return t;
}

int keyFor(QChar c) { return c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A; }

// Typing into a field: over a selection, at the end, pasted in one go, or
// erasing.
void typeInto(QWidget *w, Rng &r)
{
    const QString text = randomText(r);
    switch (r.below(5)) {
    case 0:
        QMetaObject::invokeMethod(w, "selectAll"); // line edits and memos alike
        [[fallthrough]];
    case 1:
        if (text.size() <= 12) {
            for (QChar c : text)
                key(w, keyFor(c), QString(c));
            break;
        }
        [[fallthrough]];
    case 2: // pasted
        key(w, Qt::Key_unknown, text);
        break;
    case 3:
        for (int i = r.below(8); i >= 0; --i)
            key(w, r.chance(50) ? Qt::Key_Backspace : Qt::Key_Delete);
        break;
    default:
        key(w, r.chance(50) ? Qt::Key_Return : Qt::Key_Up);
        key(w, Qt::Key_Down);
        break;
    }
}

// Every message box the program may show a rider; anything else is a fault.
bool knownMessage(const QString &m)
{
    static const QStringList fixed = {utf8("Fehler beim Speichern."), utf8("Bitte Streckenname angeben."),
                                      utf8("Division durch 0."), utf8("Druckerinstallation kontrollieren."),
                                      utf8("Überprüfen Sie die Druckerinstallation."),
                                      utf8("In dieser Datei sind keine Werte für die Schaltmarke und dem roten "
                                           "Bereich abgespeichert.")};
    return fixed.contains(m) || m.endsWith(QStringLiteral(".bmp wurde gespeichert."));
}

bool knownError(const QString &e)
{
    // The program directory is writable: "nach ... kann nicht geschrieben
    // werden" would be a fault here.
    static const QRegularExpression patterns(
        utf8("^('.*' ist kein gültiger (Integer|Gleitkomma)wert|Gleitkommadivision durch Null|"
             "Ungültige Gleitkommaoperation|Gleitkommaüberlauf|"
             "Der Achsabstand dieser Kette lässt sich nicht bestimmen|Datei .* kann nicht erstellt werden|"
             "Datei .* ist keine Trovanta-Datei|"
             "Datei nicht gefunden|Dateizugriff verweigert|Ungültiger Dateiname|Zu viele geöffnete Dateien|"
             "E/A-Fehler \\d+)\\.$"),
        QRegularExpression::DotMatchesEverythingOption);
    return patterns.match(e).hasMatch();
}

// The entries a settings file must hold after its window wrote it.
using Entries = std::vector<std::tuple<QString, QString, QString>>; // section, key, value

Entries mainEntries(const TForm1 &w)
{
    Entries out;
    for (std::size_t i = 0; i < files::MainSettings.size(); ++i) {
        const files::MainSetting &s = files::MainSettings[i];
        const char *field = ui::MainSettingFields[i].field;
        QString v = utf8(s.defaultText);
        if (s.kind == files::SettingKind::Text)
            v = w.findChild<QLineEdit *>(utf8(field))->text();
        else if (s.kind == files::SettingKind::Switch)
            v = w.findChild<QCheckBox *>(utf8(field))->isChecked() ? "1" : "0";
        out.emplace_back(utf8(s.section), utf8(s.key), v);
    }
    return out;
}

Entries chainEntries(const TForm6 &w)
{
    Entries out{{files::ChainMarkerSection, files::ChainMarkerKey, files::ChainMarkerValue}};
    for (const ui::SettingField &s : ui::ChainSettingFields)
        out.emplace_back(utf8(s.section), utf8(s.key), w.findChild<QLineEdit *>(utf8(s.field))->text());
    out.emplace_back(files::ChainResultSection, files::ChainResultKey,
                     w.Ergebnismemo->toPlainText().remove(QLatin1Char('\n')));
    return out;
}

Entries raceLogEntries(TForm7 &w)
{
    Entries out;
    for (const ui::SettingField &e : ui::RaceLogFields)
        out.emplace_back(utf8(e.section), utf8(e.key),
                         e.field ? w.fieldText(e.field) : utf8(files::RaceLogMarker));
    return out;
}

// The analysis windows' files, as their fields stand. The calibration's
// planned sprockets and tyre follow the main window until typed, so what
// they hold is not the rider's alone: they are left out.
// What an analysis window's file holds, for the windows whose fields the
// monkey knows; for any other, that its file is written is checked.
Entries analysisEntries(QWidget *w)
{
    auto text = [w](const char *name) { return w->findChild<QLineEdit *>(utf8(name))->text(); };
    Entries out;
    if (auto *c = qobject_cast<ui::CompareWindow *>(w)) {
        out.emplace_back("Program", "Inifile", "comparaison");
        const char *const keys[] = {"Felge", "Breite", "Hoehe", "Schlupf", "Umfang", "Ritzel", "Kettenrad", "Primaer",
                                    "Gang1", "Gang2", "Gang3", "Gang4", "Gang5", "Gang6"};
        const char *const fields[] = {"B_Edit1", "B_Edit2", "B_Edit3", "B_Schlupf", "B_Umfang", "B_Edit4", "B_Edit5",
                                      "B_Edit6", "B_Edit7", "B_Edit8", "B_Edit9", "B_Edit10", "B_Edit11", "B_Edit12"};
        for (int i = 0; i < 14; ++i)
            out.emplace_back("Variante", keys[i], text(fields[i]));
        out.emplace_back("Reise", "Tempo", text("E_Reise"));
        for (int r = 0; r < 12; ++r)
            for (const auto &[key, column] : {std::pair{"Name", 0}, {"Tempo", 1}, {"Gang", 2}})
                out.emplace_back("Punkte", key + QString::number(r + 1), c->T_Punkte->item(r, column)->text());
    } else if (qobject_cast<ui::SprocketWindow *>(w)) {
        out.emplace_back("Program", "Inifile", "pignons");
        for (const auto &[section, key, field] :
             {std::tuple{"Achse", "Vorne", "S_Vorne"}, {"Achse", "Hinten", "S_Hinten"}, {"Ziel", "Prozent", "S_Ziel"},
              {"Ziel", "Toleranz", "S_Toleranz"}})
            out.emplace_back(section, key, text(field));
        // A range still at the present pair's defaults (present ± 2 front,
        // ± 6 rear) is stored empty, to follow the pair of the next start.
        for (const auto &[present, spread, from, to, fromKey, toKey] :
             {std::tuple{"S_Ritzel", 2, "S_RitzelVon", "S_RitzelBis", "RitzelVon", "RitzelBis"},
              {"S_Kettenrad", 6, "S_KettenradVon", "S_KettenradBis", "KettenradVon", "KettenradBis"}}) {
            std::int32_t teeth = 0;
            const bool whole = num::tryParseInteger(text(present).toStdString(), teeth);
            const bool follows = whole ? text(from) == QString::number(std::int64_t(teeth) - spread) &&
                                             text(to) == QString::number(std::int64_t(teeth) + spread)
                                       : text(from).isEmpty() && text(to).isEmpty();
            out.emplace_back("Bereich", fromKey, follows ? QString() : text(from));
            out.emplace_back("Bereich", toKey, follows ? QString() : text(to));
        }
    } else if (auto *e = qobject_cast<ui::CalibrationWindow *>(w)) {
        out.emplace_back("Program", "Inifile", "etalonnage");
        for (const auto &[section, key, field] :
             {std::tuple{"Abroll", "Strecke", "C_Strecke"}, {"Abroll", "Umdrehungen", "C_Umdrehungen"},
              {"GPS", "Drehzahl", "C_Drehzahl"}, {"GPS", "Tempo", "C_GPS"}, {"Tacho", "Anzeige", "C_Tacho"},
              {"Tacho", "Wahr", "C_Wahr"}})
            out.emplace_back(section, key, text(field));
        out.emplace_back("GPS", "Gang", e->C_Gang->currentText());
        out.emplace_back("Tacho", "Sensor", QString::number(e->C_Sensor->currentIndex()));
    }
    return out;
}

// A value as the file stores it: one line, in the code page.
QByteArray stored(const QString &v) { return files::cp1252::encode(files::profiletext::oneLine(v)); }

void expectFileHolds(const QString &path, const Entries &entries)
{
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    const QByteArray bytes = readBytes(path);
    for (const auto &[section, key, value] : entries) {
        const auto found = trovanta::test::profile::findValue(bytes, section, key);
        ASSERT_TRUE(found) << path.toStdString() << ": [" << section.toStdString() << "] " << key.toStdString();
        EXPECT_EQ(*found, stored(value)) << path.toStdString() << ": [" << section.toStdString() << "] "
                                         << key.toStdString();
    }
}

class Monkey : public ::testing::Test {
protected:
    Monkey()
        : seed_(envNumber("TROVANTA_MONKEY_SEED", DefaultSeed)),
          actions_(static_cast<int>(envNumber("TROVANTA_MONKEY_ACTIONS", DefaultActions))),
          trace_(qEnvironmentVariableIntValue("TROVANTA_MONKEY_TRACE") != 0), rng_(seed_),
          oldCwd_(QDir::currentPath())
    {
        std::printf("[monkey] seed %u, %d actions (TROVANTA_MONKEY_SEED=%u replays)\n", seed_, actions_, seed_);
        std::fflush(stdout);
        // The dialogs move the working directory to the chosen file's folder
        // and the bitmap goes there: keep both in the scratch folder.
        QDir(programDir.path()).mkpath("files");
        files_ = programDir.file("files");
        QDir::setCurrent(files_);
        writeBytes(files_ + "/regular", "x");
        writeBytes(files_ + "/empty.tva", {});
        writeBytes(files_ + "/short.tva", QByteArray(100, '\x11'));
        // A logger export for the calibration window: a short ride.
        test::RideLog ride(test::LoggerStyle::CommaUnitsInNames, gearing::derive(gearing::GearSet{}), seed_);
        std::string csv = ride.head();
        for (int i = 0; i < 2000; ++i)
            csv += ride.nextLine();
        writeBytes(files_ + "/ride.csv", QByteArray::fromStdString(csv));
        startTrovanta();
    }
    ~Monkey() override
    {
        if (forms().Form1)
            stopTrovanta();
        QDir::setCurrent(oldCwd_);
    }

    void trace(const QString &what)
    {
        last_ = what;
        if (trace_)
            std::fprintf(stderr, "[monkey] %d: %s\n", step_, what.toLocal8Bit().constData());
    }

    // A file dialog's answer: cancelled, a file in the scratch folder, or a
    // path that cannot be used.
    QString fileAnswer()
    {
        static const std::vector<QString> names = {"", "a.tva", "b.tva", "random.tva", "empty.tva", "short.tva",
                                                   "missing/x.tva", "regular/x.tva", "", "noext"};
        const QString n = rng_.pick(names);
        if (n == "random.tva") {
            QByteArray b(rng_.below(300), '\0');
            for (char &c : b)
                c = static_cast<char>(rng_.below(256));
            writeBytes(files_ + "/random.tva", b);
        }
        return n.isEmpty() ? (rng_.chance(20) ? files_ : QString()) : files_ + "/" + n;
    }

    void printAnswer()
    {
        static const std::vector<QString> answers = {"", "", "out.pdf", "missing/out.pdf", "regular/out.pdf"};
        const QString a = rng_.pick(answers);
        platform.printToPdf = a.isEmpty() ? QString() : files_ + "/" + a;
    }

    // The menu commands of the main window, apart from the windows it opens.
    void menuCommand(TForm1 &w)
    {
        platform.fileAnswers.clear();
        switch (rng_.below(9)) {
        case 0:
        case 1:
            platform.fileAnswers.push_back(fileAnswer());
            trace("open " + platform.fileAnswers.front());
            w.Oeffnen->trigger();
            break;
        case 2:
        case 3:
            platform.fileAnswers.push_back(fileAnswer());
            trace("save " + platform.fileAnswers.front());
            w.Wertespeichern1->trigger();
            break;
        case 4:
        case 5:
            trace("bitmap");
            w.DiagrammalsBitmapspeichern1->trigger();
            break;
        case 6:
        case 7:
            printAnswer();
            trace("print " + platform.printToPdf);
            w.Drucken2->trigger();
            break;
        default:
            if (restarts_ < 3)
                quitAndRestart(w);
            break;
        }
        platform.fileAnswers.clear();
    }

    // "Quitter" writes the settings and ends the program; the next start
    // must bring the values back.
    void quitAndRestart(TForm1 &w)
    {
        trace("quit and restart");
        const Entries before = mainEntries(w);
        std::vector<std::tuple<QString, QString, Entries>> analysis; // name, file, entries
        for (const auto &[which, window] : analysisWindows())
            if (window)
                analysis.emplace_back(which, static_cast<ui::AnalysisWindow *>(window)->settingsPath(),
                                      analysisEntries(window));
        w.Beenden1->trigger();
        ASSERT_FALSE(w.isVisible()) << "quit with a writable program directory";
        expectFileHolds(files::mainSettingsPath(), before);
        for (const auto &[which, path, entries] : analysis)
            expectFileHolds(path, entries);
        stopTrovanta();
        startTrovanta();
        ++restarts_;
        // Each analysis window comes back with what it held.
        for (const auto &[which, path, entries] : analysis) {
            const Entries now = analysisEntries(ui::openAnalysis(which));
            for (std::size_t i = 0; i < entries.size(); ++i)
                EXPECT_EQ(std::get<2>(now[i]), files::cp1252::decode(stored(std::get<2>(entries[i]))
                                                                         .left(files::profiletext::MaxValueLength)))
                    << std::get<0>(entries[i]).toStdString() << " " << std::get<1>(entries[i]).toStdString();
        }
        const TForm1 &again = *forms().Form1;
        for (std::size_t i = 0; i < files::MainSettings.size(); ++i) {
            const files::MainSetting &s = files::MainSettings[i];
            const char *field = ui::MainSettingFields[i].field;
            const QString &value = std::get<2>(before[i]);
            if (s.kind == files::SettingKind::Switch) {
                EXPECT_EQ(again.findChild<QCheckBox *>(utf8(field))->isChecked(), value == "1") << field;
            }
            // The circumference follows the restored tyre in computed mode.
            if (s.kind != files::SettingKind::Text || QByteArray(field) == "E_Umfang")
                continue;
            const QString restored =
                files::cp1252::decode(stored(value).left(files::profiletext::MaxValueLength));
            EXPECT_EQ(again.findChild<QLineEdit *>(utf8(field))->text(), restored) << field;
        }
    }

    // The analysis windows made so far (none right after a start), by name.
    static std::vector<std::pair<QString, QWidget *>> analysisWindows()
    {
        std::vector<std::pair<QString, QWidget *>> out;
        for (const ui::AnalysisKind &k : ui::analysisKinds())
            out.emplace_back(utf8(k.name), ui::analysisWindow(utf8(k.name)));
        return out;
    }

    // A turn with the analysis windows, which stay open beside the main
    // window, several at once: one is opened from the menu, closed, or used.
    void analysisTurn(TForm1 &main)
    {
        std::vector<QWidget *> open;
        for (const auto &[name, window] : analysisWindows())
            if (window && window->isVisible())
                open.push_back(window);
        if (open.empty() || rng_.chance(15)) {
            const ui::AnalysisKind &kind = rng_.pick(ui::analysisKinds());
            trace(QString("open %1 from the Analyse menu").arg(kind.action));
            menuAction(main, kind.action)->trigger();
            return;
        }
        QWidget *window = rng_.pick(open);
        if (rng_.chance(8)) {
            trace("close " + window->objectName());
            window->close();
            return;
        }
        if (rng_.chance(5)) {
            repair(window);
            return;
        }
        // Its file dialogs: a gear data file for the comparison, a logger
        // export for the calibration.
        platform.fileAnswers = {qobject_cast<ui::CalibrationWindow *>(window) && rng_.chance(60)
                                    ? files_ + "/ride.csv"
                                    : fileAnswer()};
        act(window);
        if (auto *c = qobject_cast<ui::CalibrationWindow *>(window))
            c->waitForFile();
        platform.fileAnswers.clear();
    }

    // One random action on a control of `window`; its close button is left
    // to the end of the window's turn.
    void act(QWidget *window, const QWidget *closeButton = nullptr)
    {
        // The rider's click brings the window to the front, after an info
        // window or a closed one had it.
        if (!window->isActiveWindow()) {
            window->activateWindow();
            QApplication::processEvents();
        }
        std::vector<QWidget *> edits, buttons, spins, choices;
        for (QWidget *c : window->findChildren<QWidget *>()) {
            if (!c->isVisible() || !c->isEnabled() || c->window() != window || c == closeButton)
                continue;
            const auto *line = qobject_cast<QLineEdit *>(c);
            const auto *memo = qobject_cast<QPlainTextEdit *>(c);
            if ((line && !line->isReadOnly()) || (memo && !memo->isReadOnly()))
                edits.push_back(c);
            else if (qobject_cast<QComboBox *>(c) || qobject_cast<QAbstractItemView *>(c))
                choices.push_back(c);
            else if (qobject_cast<TUpDown *>(c->parentWidget()))
                spins.push_back(c);
            else if (qobject_cast<QAbstractButton *>(c) || qobject_cast<TLinkLabel *>(c))
                buttons.push_back(c);
        }
        const int roll = rng_.below(100);
        const std::vector<QWidget *> &group = roll < 55 ? edits : roll < 80 ? buttons : roll < 92 ? spins : choices;
        if (group.empty())
            return;
        QWidget *c = rng_.pick(group);
        const QString name = c->objectName().isEmpty() ? c->parentWidget()->objectName() : c->objectName();
        if (&group == &buttons || &group == &spins) {
            printAnswer(); // for the print buttons
            trace("click " + name);
            mouseClick(c);
        } else if (&group == &choices) {
            trace("choose in " + name);
            static const std::vector<int> keys = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                                  Qt::Key_PageDown};
            key(c, rng_.pick(keys));
        } else if (rng_.chance(15)) {
            trace("focus " + name); // leaving the field that had it
            c->setFocus(Qt::TabFocusReason);
        } else {
            trace("type into " + name);
            c->setFocus(Qt::TabFocusReason);
            typeInto(c, rng_);
        }
    }

    // The rider puts sound values back, so that commands get past the
    // calculation again: the design values of the main window, the worked
    // example of the chain calculator.
    void repair(QWidget *window)
    {
        static const std::vector<std::pair<const char *, const char *>> values = {
            {"Edit1", "17"}, {"Edit2", "190"}, {"Edit3", "50"}, {"E_Schlupf", "3"}, {"E_Umfang", "1953"},
            {"Edit4", "17"}, {"Edit5", "38"}, {"Edit6", "1,84"}, {"Edit7", "2,67"}, {"Edit8", "1,93"},
            {"Edit9", "1,50"}, {"Edit10", "1,23"}, {"Edit11", "1,09"}, {"Edit12", "1,00"}, {"Edit13", "4"},
            {"Edit14", "4500"}, {"EditMarke", "6000"}, {"EditRotBereich", "12000"}, {"E_Solldurchhang", "2"},
            {"E_Glieder_alt", "110"}, {"E_Gliedlaenge", "1,56"}, {"E_Ritzel_alt", "15"}, {"E_Kettenrad_alt", "45"},
            {"E_Ritzel_neu", "14"}, {"E_Kettenrad_neu", "50"}, {"E_Glieder_neu", "110"}, {"S_Ritzel", "15"},
            {"S_Kettenrad", "45"}, {"S_Glieder", "110"}, {"S_Gliedlaenge", "1,56"}, {"S_Durchhang", "2"},
            {"S_Vorne", "20"}, {"S_Hinten", "20"}, {"S_RitzelVon", "13"}, {"S_RitzelBis", "17"},
            {"S_KettenradVon", "39"}, {"S_KettenradBis", "51"}, {"S_Toleranz", "2"}, {"B_Edit1", "17"},
            {"B_Edit2", "190"}, {"B_Edit3", "50"}, {"B_Schlupf", "3"}, {"B_Edit4", "16"}, {"B_Edit5", "40"},
            {"B_Edit6", "1,84"}, {"B_Edit7", "2,67"}, {"B_Edit8", "1,93"}, {"B_Edit9", "1,50"}, {"B_Edit10", "1,23"},
            {"B_Edit11", "1,09"}, {"B_Edit12", "1,00"}, {"E_Reise", "130"}, {"C_Strecke", "5890"},
            {"C_Umdrehungen", "3"}, {"C_Drehzahl", "9000"}, {"C_GPS", "200"}, {"C_Tacho", "105"}, {"C_Wahr", "100"}};
        trace("type sound values");
        for (const auto &[name, text] : values)
            if (auto *e = window->findChild<QLineEdit *>(name); e && e->isEnabled() && e->window() == window) {
                e->setFocus(Qt::TabFocusReason);
                retype(e, text);
            }
    }

    // Boxes shown since the last look must be ones the program knows.
    void checkBoxes()
    {
        messages_ += int(platform.messages.size());
        errors_ += int(platform.errors.size());
        for (const QString &m : platform.messages)
            if (!knownMessage(m))
                ADD_FAILURE() << "seed " << seed_ << ", action " << step_ << " (" << last_.left(200).toStdString()
                              << "): unexpected message " << m.left(300).toStdString();
        for (const QString &e : platform.errors)
            if (!knownError(e))
                ADD_FAILURE() << "seed " << seed_ << ", action " << step_ << " (" << last_.left(200).toStdString()
                              << "): unexpected error " << e.left(300).toStdString();
        platform.clear();
    }

    FakePlatform platform;
    ScratchProgramDirectory programDir;
    const quint32 seed_;
    const int actions_;
    const bool trace_;
    Rng rng_;
    QString oldCwd_, files_, last_;
    int step_ = 0, restarts_ = 0, messages_ = 0, errors_ = 0;
};

// A secondary window as the menu opens it (but not modally: the monkey
// drives it from here) and the ways a rider closes it.
struct Secondary {
    const char *name;
    std::function<QWidget *()> form;
    std::function<void()> beforeShow;
    std::function<QAbstractButton *()> closeButton;
};

} // namespace

TEST_F(Monkey, SurvivesRandomUseOfEveryWindowAndKeepsTheLastValues)
{
    const std::vector<Secondary> windows = {
        {"Form3", [] { return forms().Form3; }, [] {}, [] { return forms().Form3->Button_Schliessen; }},
        {"Form6", [] { return forms().Form6; }, [] {}, [] { return forms().Form6->B_Close; }},
        {"Form4", [] { return forms().Form4; }, [] {}, [] { return forms().Form4->Button_Schliessen; }},
        {"Form7", [] { return forms().Form7; }, [] {}, [] { return forms().Form7->B_Close; }},
        {"Form10", [] { return forms().Form10; }, [] {}, [] { return forms().Form10->Button_Schliessen; }},
        {"Form5", [] { return forms().Form5; }, [] { forms().Form5->ComboBox1->setCurrentIndex(0); },
         [] { return forms().Form5->Button1; }},
        {"Form2", [] { return forms().Form2; }, [] { forms().Form2->Button1->setVisible(true); },
         [] { return forms().Form2->Button1; }},
    };
    Entries chainSaved, raceLogSaved;
    // What a closing window wrote, taken just before it closes.
    auto noteClosing = [&](QWidget *form) {
        if (form == forms().Form6 && forms().Form6->CB_ini->isChecked())
            chainSaved = chainEntries(*forms().Form6);
        else if (form == forms().Form7)
            raceLogSaved = raceLogEntries(*forms().Form7);
    };

    QWidget *open = nullptr; // the secondary window shown, if any
    std::size_t next = 0;
    int left = 0;            // actions until the shown window changes
    for (step_ = 0; step_ < actions_ && !HasFatalFailure(); ++step_) {
        TForm1 &main = *forms().Form1;
        if (open && !open->isVisible()) {
            open = nullptr; // closed by a key or the info window's button
            left = 10 + rng_.below(120);
        }
        if (left-- <= 0) {
            left = 10 + rng_.below(120);
            if (open) {
                const Secondary &s = windows[(next + windows.size() - 1) % windows.size()];
                noteClosing(open);
                switch (rng_.below(3)) {
                case 0:
                    trace(QString("close %1 with its button").arg(s.name));
                    mouseClick(s.closeButton());
                    break;
                case 1:
                    trace(QString("close %1 with the close box").arg(s.name));
                    open->close();
                    break;
                default:
                    // Escape leaves the window open; the close box then closes it.
                    trace(QString("Escape, then close %1 with the close box").arg(s.name));
                    key(open->focusWidget() ? open->focusWidget() : open, Qt::Key_Escape);
                    EXPECT_TRUE(open->isVisible()) << "seed " << seed_ << ", action " << step_;
                    open->close();
                    break;
                }
                EXPECT_FALSE(open->isVisible()) << "seed " << seed_ << ", action " << step_;
                open = nullptr;
            } else {
                const Secondary &s = windows[next++ % windows.size()];
                trace(QString("open %1").arg(s.name));
                s.beforeShow();
                open = s.form();
                open->show();
                open->activateWindow();
                QApplication::processEvents();
            }
        } else if (open) {
            // The chain calculator and the race log show their info window
            // beside them; the rider may close it.
            QDialog *info = open == forms().Form6 ? static_cast<QDialog *>(forms().Form8)
                            : open == forms().Form7 ? static_cast<QDialog *>(forms().Form9)
                                                    : nullptr;
            if (info && info->isVisible() && rng_.chance(5)) {
                trace("close the info window");
                info->close();
            } else {
                // A click on a close button writes the file too: keep what
                // it will write, in case the window closes.
                const Entries chainBefore = chainSaved, raceLogBefore = raceLogSaved;
                noteClosing(open);
                if (open == forms().Form6 && rng_.chance(3))
                    repair(open);
                else
                    act(open, windows[(next + windows.size() - 1) % windows.size()].closeButton());
                if (open->isVisible()) {
                    chainSaved = chainBefore;
                    raceLogSaved = raceLogBefore;
                }
            }
        } else if (rng_.chance(12)) {
            analysisTurn(main);
        } else if (rng_.chance(8)) {
            menuCommand(main);
        } else if (rng_.chance(2)) {
            repair(&main);
        } else {
            act(&main);
        }
        QApplication::processEvents();
        checkBoxes();
    }
    if (open) {
        noteClosing(open);
        open->close();
    }
    // The rider quits: every window saves.
    const Entries mainSaved = mainEntries(*forms().Form1);
    std::vector<std::pair<QString, Entries>> analysisSaved; // file, entries
    for (const auto &[which, window] : analysisWindows())
        if (window)
            analysisSaved.emplace_back(static_cast<ui::AnalysisWindow *>(window)->settingsPath(),
                                       analysisEntries(window));
    forms().Form1->Beenden1->trigger();
    stopTrovanta();
    checkBoxes();
    for (const auto &[path, entries] : analysisSaved)
        expectFileHolds(path, entries);
    EXPECT_EQ(analysisSaved.size(), ui::analysisKinds().size()) << "every analysis window was opened";
    std::printf("[monkey] %d actions: %d messages, %d error boxes, %d restarts\n", step_, messages_, errors_,
                restarts_);

    expectFileHolds(files::mainSettingsPath(), mainSaved);
    if (!chainSaved.empty())
        expectFileHolds(programDir.file(files::ChainSettingsFileName), chainSaved);
    if (!raceLogSaved.empty())
        expectFileHolds(programDir.file(files::RaceLogSettingsFileName), raceLogSaved);
    EXPECT_FALSE(chainSaved.empty() || raceLogSaved.empty()) << "both windows were closed at least once";
}
