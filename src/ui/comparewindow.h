#pragma once
// "Comparaison": the main window's gear set (A, as of its last run that got
// through, following every later one) beside a variant the rider types (B),
// with the final drive, the circumference, the engine speed at a cruising
// speed, a table of the six gears (ratios, Vmax, shift speeds, engine speed
// after each upshift), the rider's own track points and one diagram of
// both sets. Everything recomputes at every change of B and at every good
// run of the main window. The window talks to the main window only through
// the registry: it is handed the runs and asks for its gear set to be
// applied.

#include "calc/compare.h"
#include "print/comparesheet.h"
#include "ui/analysiswindow.h"
#include "ui/comparediagram.h"
#include "ui/mainrun.h"
#include "ui/performancecontext.h"
#include "ui/tpanel.h"
#include "ui/updown.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TForm1;

namespace trovanta::print {
class Canvas;
}

namespace trovanta::ui {

class ComparePerformance;
class GearSetBinder;

class CompareWindow : public AnalysisWindow {
    Q_OBJECT
public:
    // `lastGoodRun`: A as it stands now. `mainFields`: the main window's
    // fields as they stand, which stand in for A before its first good run
    // (B's first values, the title and marks a saved file gets).
    CompareWindow(QWidget *parent, const std::optional<MainRun> &lastGoodRun,
                  std::function<MainFields()> mainFields);
    ~CompareWindow() override;

    // Where the window first appears: beside the main window when the
    // screen has room, centred on it otherwise.
    void place(const QRect &mainFrame) override;

    // B, the variant
    QLineEdit *B_Edit1, *B_Edit2, *B_Edit3; // rim inch, width mm, height percent
    QLineEdit *B_Schlupf;                   // slip percent
    QLineEdit *B_Umfang;                    // circumference mm; empty: from the tyre
    QLineEdit *B_Edit4, *B_Edit5;           // front, rear sprocket
    TUpDown *B_UpDown4, *B_UpDown5;
    QLineEdit *B_Edit6;                     // primary
    QLineEdit *B_Edit7, *B_Edit8, *B_Edit9, *B_Edit10, *B_Edit11, *B_Edit12; // gears 1..6
    // A, read only, on the same rows
    TPanel *A_Edit1, *A_Edit2, *A_Edit3, *A_Schlupf, *A_Umfang, *A_Edit4, *A_Edit5, *A_Edit6;
    TPanel *A_Edit7, *A_Edit8, *A_Edit9, *A_Edit10, *A_Edit11, *A_Edit12;

    QPushButton *B_VonA, *B_Oeffnen, *B_Speichern, *B_Uebernehmen;

    // Results
    TPanel *P_Secondaire_A, *P_Secondaire_B, *P_Ecart_Secondaire;
    TPanel *P_Umfang_A, *P_Umfang_B;
    QLineEdit *E_Reise; // cruising speed, in the chosen unit
    QLabel *L_ReiseUnit;
    TPanel *P_Reise_A, *P_Reise_B;
    QTableWidget *T_Vergleich; // six gears
    QTableWidget *T_Punkte;    // twelve track points
    CompareDiagram *Diagramm;
    QCheckBox *CB_Saegezahn;
    QLabel *L_Hinweis;
    QPushButton *B_Drucken, *B_Close;
    ComparePerformance *GB_Leistung; // A and B with the Performances window's model

    // The main window's runs: a good one becomes A; a failed one is told in
    // the note while A keeps its values.
    void mainRunChanged(const MainRun &run) override;
    void mainRunFailed(const QString &message) override;
    // The Performances window's model and present circuit: the group
    // "Performances" shows A and B with it.
    void setPerformanceContext(const PerformanceContext &context);

    // Fills B's front and rear sprocket; B's other fields stay.
    void setVariantSprockets(const QString &front, const QString &rear);

    void B_VonAClick();
    void B_OeffnenClick();
    void B_SpeichernClick();
    void B_UebernehmenClick();
    void B_DruckenClick();

    // The printout as it would go to the printer now.
    print::CompareSheetData sheetData() const;

signals:
    // B_Uebernehmen: the main window is to take these texts and run once.
    void applyRequested(const trovanta::gearing::SetTexts &texts);

protected:
    void readSettings(const files::SettingsReader &ini) override;
    void writeSettings(files::SettingsWriter &ini) const override;
    void changeEvent(QEvent *e) override;

private:
    void buildWindow();
    QWidget *buildSets();
    QWidget *buildResults();
    void buildTables();
    // The tables' columns and heights, from their heads in the present language.
    void sizeTables();
    std::array<QLineEdit *, 14> bFields() const;
    std::array<TPanel *, 14> aPanels() const;

    // Every text change of B lands here; held while the window fills
    // several fields at once.
    void changed();
    void recompute();
    template <class Fill> void withRecomputeHeld(Fill fill);
    void copyIntoB(const gearing::SetTexts &texts);
    void showA();
    // The group "Performances": A's set and B's when it converts whole.
    void showPerformance(const gearing::PartialSet &b, bool bComputes);
    // What the window shows, worked out once per recompute from the two
    // sets' values: the window writes the texts that changed into its
    // widgets, and the printout is made from it.
    struct Shown {
        QString finalA, finalB, finalChange, circumferenceA, circumferenceB;
        QString cruise, cruiseA, cruiseB; // the cruising speed as typed, the engine speeds
        std::array<QStringList, 6> gears;  // the gear table's rows
        struct Point {
            QString name, kmh, gear; // as typed
            QString rpmA, rpmB;
            QString kmhProblem, gearProblem; // why a cell is refused, for its tip
            bool redA = false, redB = false;
            bool filled() const { return !name.isEmpty() || !kmh.isEmpty() || !gear.isEmpty(); }
        };
        std::vector<Point> points;
    };
    // Track points that are refused are named in the reader's note.
    Shown shownOf(const gearing::SetValues &a, const gearing::SetValues &b, std::optional<double> cruise,
                  FieldReader &read, std::vector<gearing::TrackPoint> &plotted) const;
    void show(const Shown &s);
    QStringList gearHeads() const;
    QStringList pointHeads() const;
    void showNote();
    void showUnits();
    CompareLegend legend() const;
    // A's gear set texts, title and marks (for a saved file): its run's, or
    // the main window's fields before its first good run.
    gearing::SetTexts aSet() const;
    QString aTitle() const;

    std::optional<MainRun> a_;
    std::unique_ptr<GearSetBinder> b_;
    std::function<MainFields()> mainFields_;
    QString mainFailure_; // the main window's last run failed with this
    QString bNote_;       // B's first failure, or the cruising speed's
    QString fileNote_;    // the last file command's failure, until B changes
    int held_ = 0;
    Shown shown_;
};

// The registry's factory: B's "Appliquer" goes to the main window's setter.
AnalysisWindow *createCompareWindow(TForm1 *main);

} // namespace trovanta::ui
