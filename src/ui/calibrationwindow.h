#pragma once
// Étalonnage: the rolling circumference measured rather than taken from the
// tyre's size. Four ways in, one tab each: a roll-out, a GPS speed in a
// gear, a data logger's recording, and the speedometer's error before and
// after a change of sprockets or tyre. The first three can hand their
// circumference to the main window's override.
//
// The window stands on the main window's last good run: the tyre's nominal
// circumference C_nom, the circumference C it used, the overall ratios as
// shown and the slip. It never reaches into the main window; what it needs
// comes in through mainRunChanged/mainRunFailed, and "Appliquer" goes out as
// circumferenceApplied.

#include "calc/calibration.h"
#include "calc/gearset.h"
#include "ui/analysiswindow.h"
#include "ui/loggerreading.h"
#include "ui/mainrun.h"
#include "ui/tpanel.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QTimer;
class TForm1;

namespace trovanta::ui {

class CalibrationWindow : public AnalysisWindow {
    Q_OBJECT
public:
    explicit CalibrationWindow(QWidget *parent = nullptr);
    ~CalibrationWindow() override;

    // The main window's runs. A good one brings the values every tab stands
    // on; after a failed one they stay as they were and the notes say why.
    void mainRunChanged(const MainRun &run) override;
    void mainRunFailed(const QString &message) override;
    // Centred on the main window, at the size its contents ask for.
    void place(const QRect &mainFrame) override;

    // A logger file being read: blocks until it is read and fitted (or has
    // failed) and shows the outcome before returning.
    void waitForFile();
    // Tests: another file reader, and the wait before the progress shows.
    void setLoggerReader(LoggerReader reader);
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

    // The main window's values as this window uses them.
    TPanel *P_Umfang_Nenn;  // C_nom
    TPanel *P_Umfang_Haupt; // C

    QTabWidget *C_Tabs;

    // Déroulé
    QLineEdit *C_Strecke, *C_Umdrehungen;
    TPanel *P_Umfang_Abroll, *P_Abweichung_Abroll;
    QPushButton *C_Anwenden_Abroll;
    QLabel *C_Hinweis_Abroll;

    // Point GPS
    QComboBox *C_Gang;
    QLineEdit *C_Drehzahl, *C_GPS;
    TPanel *P_Umfang_GPS, *P_Abweichung_GPS;
    QPushButton *C_Anwenden_GPS;
    QLabel *C_Hinweis_GPS;

    // Enregistreur
    QPushButton *C_Datei;
    QProgressBar *C_Fortschritt;
    QPushButton *C_Abbrechen;
    QLabel *P_Datei, *P_Spalten; // the file fitted and what was read of it
    TPanel *P_Umfang_Datei, *P_Schlupf_Datei, *P_Abweichung_Datei, *P_Punkte;
    QTableWidget *C_Gaenge;
    QPushButton *C_Anwenden_Datei;
    QCheckBox *C_Trotzdem; // "Appliquer quand même": ratios to be checked
    QLabel *C_Hinweis_Datei;

    // Compteur
    QLineEdit *C_Tacho, *C_Wahr;
    TPanel *P_Fehler_alt;
    QComboBox *C_Sensor;
    QLineEdit *C_RitzelNeu, *C_KettenradNeu, *C_UmfangNeu;
    TPanel *P_Fehler_neu, *P_Anzeige_100;
    QLabel *C_Hinweis_Tacho;

    void C_Anwenden_AbrollClick();
    void C_Anwenden_GPSClick();
    void C_Anwenden_DateiClick();
    void C_DateiClick();
    void C_AbbrechenClick();

signals:
    // "Appliquer": this circumference, whole mm, into the main window's
    // override.
    void circumferenceApplied(std::int32_t millimetres);
    // The logger file's "Appliquer" when the file measured the slip too.
    void circumferenceAndSlipApplied(std::int32_t millimetres, std::int32_t slipPercent);
    // A logger file reading came to its end, whatever the outcome.
    void fileRead();

protected:
    void readSettings(const files::SettingsReader &ini) override;
    void writeSettings(files::SettingsWriter &ini) const override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void buildWindow();
    QWidget *buildRollOutTab();
    QWidget *buildGpsTab();
    QWidget *buildFileTab();
    QWidget *buildSpeedometerTab();

    void updateAll();
    void updateMainValues();
    void updateRollOut();
    void updateGps();
    void updateFile();
    void updateSpeedometer();
    void fillGearTable();
    // What was read of the file fitted: its columns, unit and lines.
    void showFileColumns();
    // What the rider should know of a fit: ratios to check, the slip not
    // measured.
    QString fitNotes(const calibration::FitResult &fit) const;
    void refitFile();

    // The deviation from C_nom as text; a failure goes to `problem` when it
    // holds none yet.
    QString nominalDeviation(calibration::real value, QString &problem) const;
    void setNote(QLabel *note, const QString &problem) const;

    void fileProgress(qint64 done, qint64 total);
    void fileFinished(const LoggerOutcome &outcome);
    void showProgress();
    void hideProgress();

    // A field of the planned set that shows the main window's value until
    // the rider types into it; emptied, it follows again.
    struct Following {
        QLineEdit *edit = nullptr;
        bool follows = true;
    };
    void follow(Following &f, const QString &mainText);
    // The planned value: the main window's while the field is empty, else
    // the field's (red frame and note when it does not convert).
    std::optional<std::int32_t> plannedInteger(FieldReader &in, const Following &f,
                                               std::optional<std::int32_t> mainValue) const;
    std::optional<double> plannedDecimal(FieldReader &in, const Following &f, std::optional<double> mainValue) const;

    // From the main window's last good run.
    std::optional<MainRun> run_;
    gearing::Derived gears_;
    std::optional<std::int32_t> nominal_; // C_nom
    QString nominalProblem_;              // why there is no C_nom
    QString mainProblem_;                 // the last run failed: its message

    // What "Appliquer" hands over, when there is something sound to hand.
    std::optional<std::int32_t> rollOutMm_, gpsMm_, fileMm_, fileSlip_;

    // The logger file last fitted, and what the last reading said.
    std::optional<LoggerOutcome> fitted_;
    // The samples of the file last read and the gear set last tried on
    // them, whatever that fit gave: a run that changes the gear set fits
    // them again.
    std::optional<LoggerOutcome> source_;
    QString fileProblem_;
    // What P_Spalten says of the file named in P_Datei.
    std::optional<files::LoggerData> fileColumns_;

    Following ritzelNeu_, kettenradNeu_, umfangNeu_;

    LoggerReading *reading_;
    QTimer *progressTimer_;
    int progressDelay_ = 500;
};

// The registry's factory: "Appliquer" goes to the main window's override.
AnalysisWindow *createCalibrationWindow(TForm1 *main);

} // namespace trovanta::ui
