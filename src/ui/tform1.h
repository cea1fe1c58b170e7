#pragma once
// The main window: the gear set lives as text in its fields, a calculation
// run turns it into the display fields and the diagram, and its menu leads
// to every other window and file command.

#include "calc/gearing.h"
#include "print/gearsheet.h"
#include "ui/diagram.h"
#include "ui/mainrun.h"
#include "ui/options.h"
#include "ui/tpanel.h"
#include "ui/updown.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace trovanta::ui {
class GearSetBinder;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window with its form values and runs FormCreate.
    explicit TForm1(QWidget *parent = nullptr);
    // Writes the main settings file (SaveIni).
    ~TForm1() override;

    // Rear wheel
    QLineEdit *Edit1, *Edit2, *Edit3; // rim inch, width mm, height percent
    QLineEdit *E_Schlupf;             // slip percent
    TUpDown *UpDown5;
    QLineEdit *E_Umfang;              // rolling circumference mm
    QCheckBox *CB_Umfangedit;         // circumference override
    // Gearing
    QLineEdit *Edit4, *Edit5, *Edit6; // front, rear sprocket, primary
    TPanel *Panel2;                   // final drive
    QLineEdit *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12; // gears 1..6
    TPanel *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8;  // overall ratios
    TPanel *P_Vmax1, *P_Vmax2, *P_Vmax3, *P_Vmax4, *P_Vmax5, *P_Vmax6;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6;
    // Operating point
    QLineEdit *Edit13; // chosen gear
    TUpDown *UpDown1;
    QLineEdit *Edit14; // engine speed
    TUpDown *UpDown2;
    TPanel *Panel9;    // speed km/h
    // Calculate
    QPushButton *Button_Berechnen;
    // Marks
    QCheckBox *CBMarke, *CBRotBereich;
    QLabel *Label47, *Label48;
    QLineEdit *EditMarke, *EditRotBereich;
    TUpDown *UpDown3, *UpDown4;
    // Title and clock
    QLineEdit *Edit15; // diagram title, at most 70 characters
    TPanel *Panel11, *Panel12; // time, date
    // Diagram
    QFrame *Panel10;
    TPaintBox *PaintBox1;
    // File name of the gear data file last opened or saved
    TPanel *P_Datei;
    QTimer *Timer1;

    // Captions, named after the field they stand beside (printouts read them).
    QLabel *Label_Edit1, *Label_Edit2, *Label_Edit3, *Label_E_Schlupf, *Label_E_Umfang;
    QLabel *Label_Edit4, *Label_Edit5, *Label_Edit6, *Label_Panel2;
    QLabel *Label_Rapport, *Label_Demulti, *Label_Vmax; // table column headings
    std::array<QLabel *, 6> Label_Gang;                 // row captions "1".."6"
    QLabel *Label_Edit13, *Label_Edit14, *Label_Panel9, *Label_Panel9Unit;
    QLabel *Label_Edit15, *Label_Edit15Max, *Label_P_Datei;
    QLabel *Label_RoueAr, *Label_Demultiplication; // group headings
    // Diagram heading and axis captions
    QLabel *Label_Diagramm, *Label_kmh, *Label_Regime;
    std::array<QLabel *, 8> Label_Speed; // "350" .. "0"
    std::array<QLabel *, 17> Label_Rpm;  // "0" .. "16"

    // Menu
    QMenu *Datei1, *Recents1, *Tools1, *Analyse1, *Options1, *Info1;
    QAction *Oeffnen, *Wertespeichern1, *ExporterDiagramme1, *DiagrammalsBitmapspeichern1, *Drucken2, *Beenden1;
    QAction *PSkWRechner1, *kmhmphRechner1, *metrischZollRechner1, *KettenlaengeRechner, *Pistorel1;
    QAction *HilfeHinweise1, *Info2;

    // The calculation run.
    void Button_BerechnenClick();
    void CB_UmfangeditClick();
    void Timer1Timer();

    void OeffnenClick();
    // Opens a gear data file as "&Ouvrir" does once a file is chosen, with
    // the same messages (the command line, a drop, the recent files, a
    // second start). False when it could not be read.
    bool openGearFile(const QString &path);
    void ExporterDiagramme1Click();
    void Wertespeichern1Click();
    void DiagrammalsBitmapspeichern1Click();
    void Drucken2Click();
    void Beenden1Click();
    void PSkWRechner1Click();
    void kmhmphRechner1Click();
    void metrischZollRechner1Click();
    void KettenlaengeRechnerClick();
    void Pistorel1Click();
    void HilfeHinweise1Click();
    void Info1Click();

    // Main settings file. SaveIni raises trovanta::Error when an entry
    // cannot be written. Runs that LoadIni starts (by setting fields) and
    // that fail do not stop the restore: FormCreate shows the first message
    // once, after LoadIni has put every value in place.
    void LoadIni();
    void SaveIni();
    // The program was asked to end (a signal, the session ending): the save
    // at destruction reports a failure on standard error instead of a box
    // that would keep the program from ending.
    void endQuietly() { quietEnd_ = true; }
    // The save at destruction done now, before the program waits for any
    // worker thread; the destructor then saves no more.
    void saveAtEnd();

    // Another window asks for the diagram area to be repainted: it shows
    // the last picture again (a run that failed left it blank).
    void clearDiagram();

    // The options as they stand; written with the main settings file when
    // they changed.
    const trovanta::ui::Options &options() const { return options_; }

    // What other windows may ask and tell. The last run that got through,
    // none before the first; the fields as they stand.
    const std::optional<trovanta::ui::MainRun> &lastGoodRun() const { return lastGoodRun_; }
    // The message of the last run when it failed, none when it got through.
    const std::optional<QString> &lastRunFailure() const { return lastRunFailure_; }
    trovanta::ui::MainFields currentFields() const;
    // Each sets its fields with the runs they would start held back, then
    // starts exactly one calculation run, whose errors show as any run's.
    void setSprockets(const QString &front, const QString &rear);
    void setGearSet(const trovanta::gearing::SetTexts &texts);
    void setCircumferenceOverride(std::int32_t millimetres);
    void setCircumferenceAndSlip(std::int32_t millimetres, std::int32_t slipPercent);

signals:
    // After every calculation run, whether it got through or not.
    void calculated();
    // After a run that got through; after one that failed, with the message
    // as the error box shows it.
    void runSucceeded(const trovanta::ui::MainRun &run);
    void runFailed(const QString &message);
    // A menu entry asks for a window; an entry of the "&Analyse" menu names
    // itself (its objectName), the registry knows its window.
    void windowRequested(trovanta::ui::Window which);
    void analysisRequested(const QString &action);
    // The rider ends the program (Quit, the close box): open windows save
    // now, before the main window's own save.
    void ending();

protected:
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    // Values the last calculation run kept for the next run and for the
    // diagram, the printout and the circumference switch.
    trovanta::gearing::State kept;

    void buildWindow();
    void buildMenu();
    void FormCreate();
    // The calculation run; false when it stopped on an error (already reported).
    bool calculate();
    // Draws what the run computed; the shift mark's integer, or nothing
    // when a mark does not convert (reported).
    std::optional<std::int32_t> drawDiagram();
    void publish(const trovanta::gearing::Input &in, const trovanta::gearing::Result &r,
                 std::optional<std::int32_t> shiftMark);
    template <class Fill> void withRunsHeld(Fill fill);
    void reportError(const QString &message);
    trovanta::print::GearSheetData gearSheetData() const;
    void saveDiagramBitmap();
    void exportDiagram(const QString &path);
    void rememberRecent(const QString &path);
    // The speed panels and the diagram's speed captions in the chosen unit.
    void showUnits();
    void fillRecentMenu();

    // How a failing run's message reaches the rider.
    enum class RunErrors {
        Show,      // at once
        HoldFirst, // FormCreate: the first one, once the restore is done
        Drop,      // filling fields from a file: the command's own last run reports
    };
    RunErrors runErrors_ = RunErrors::Show;
    std::optional<QString> heldError_;
    // Panel9, then P_Vmax1 .. P_Vmax6, as the last run wrote them in km/h.
    std::array<QString, 7> speedsKmh_;
    int runsHeld_ = 0;
    bool endingAnnounced_ = false;
    bool quietEnd_ = false;
    bool savedAtEnd_ = false;
    std::string lastDiagramError_;
    std::optional<trovanta::ui::MainRun> lastGoodRun_;
    std::optional<QString> lastRunFailure_;
    // Edit1 .. Edit12, E_Schlupf and the circumference under the override.
    std::unique_ptr<trovanta::ui::GearSetBinder> gearSet_;
    trovanta::ui::Options options_;
    // As on disk: the file is written only when they differ.
    trovanta::ui::Options storedOptions_;
};
