#pragma once
// "Performances": what the engine does in each gear. The engine's torque
// curve (typed, or read from a dyno export) and the rider's bike, with the
// main window's last good gear set, give the force at the wheel, the best
// upshifts, the standing start, the real top speed and the final drive for
// the highest top speed (calc/performance.h). Everything is worked out
// again on every change of a field, a curve point or the main window's run.

#include "calc/performance.h"
#include "print/performancesheet.h"
#include "ui/analysiswindow.h"
#include "ui/mainrun.h"
#include "ui/performancecontext.h"
#include "ui/tpanel.h"

#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;
class TForm1;

namespace trovanta::ui {

class CircuitTab;
class DynoReading;
struct DynoOutcome;
class PerformanceDiagram;

// The curve table: engine speed and torque as typed, the power worked out,
// and an empty last row to type a new point into. Rows stand sorted by
// engine speed; a row whose engine speed does not convert goes last.
class CurveModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int MaxPoints = 200;
    struct Row {
        QString rpm, torque;
    };

    explicit CurveModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    const std::vector<Row> &rows() const { return rows_; }
    // A new curve altogether (at most MaxPoints rows are kept).
    void setRows(std::vector<Row> rows);
    void removeRowsAt(std::vector<int> rows);
    // The rows as the model reads them.
    std::vector<perf::CurveRow> curve() const;
    // The rows the window marks as bad (-1: none).
    void setBadRow(int row);

signals:
    // A point typed, removed or a new curve: the rider changed the curve.
    void curveEdited();

private:
    void sort();

    std::vector<Row> rows_;
    int bad_ = -1;
};

class PerformanceWindow : public AnalysisWindow {
    Q_OBJECT
public:
    explicit PerformanceWindow(QWidget *parent = nullptr);
    ~PerformanceWindow() override;

    void mainRunChanged(const MainRun &run) override;
    void mainRunFailed(const QString &message) override;
    void place(const QRect &mainFrame) override;

    // The model's input as the fields and the curve stand, on the main
    // window's last good gear set: also what the circuit works from.
    perf::Input modelInput() const;
    // What the windows that follow this one work from: the model's input
    // and the present circuit of the Circuit tab.
    PerformanceContext performanceContext() const;
    const perf::Results &results() const { return results_; }
    CurveModel *curveModel() const { return curve_; }
    // A dyno export being read: blocks until it is read and shown.
    void waitForFile();
    // What the printout prints, from what the window shows.
    print::PerformanceSheetData sheetData() const;

    QLabel *Label_Logo;
    QTableView *P_Kurve;
    QPushButton *P_PunktLoeschen, *P_Oeffnen, *P_Beispiel;
    QCheckBox *P_AmRad;
    QLabel *P_Kurvenhinweis;

    QLineEdit *P_Masse, *P_CdA, *P_Crr, *P_Rendement, *P_Rotation, *P_Traction, *P_Schaltzeit, *P_Anfahr,
        *P_Temperatur, *P_Druck;

    QGroupBox *P_SchaltGruppe;
    QLabel *P_Repere; // the main window's shift mark, for comparison
    QTableWidget *P_Schalt;
    TPanel *P_0_100, *P_0_200, *P_400m, *P_V400;
    TPanel *P_Vmax, *P_VmaxGang, *P_VmaxRegime, *P_VmaxGrenze, *P_Vmax6e, *P_SekVmax, *P_SekEcart, *P_VmaxBest;

    QTabWidget *P_Tabs;
    PerformanceDiagram *P_Kraft, *P_Motor, *P_Lauf;
    CircuitTab *P_CircuitTab;
    QLabel *P_Hinweis;
    QPushButton *P_Pignons, *P_Drucken;

    void P_OeffnenClick();
    void P_BeispielClick();
    void P_PunktLoeschenClick();
    void P_PignonsClick();
    void P_DruckenClick();

signals:
    // The model's input changed: a field, the curve, the at-wheel box or
    // the main window's run.
    void inputChanged();
    // "Chercher les pignons": the change of the final drive, in %, for the
    // highest top speed.
    void targetChangeRequested(double percent);
    // A dyno export reading came to its end, whatever the outcome.
    void fileRead();

protected:
    void readSettings(const files::SettingsReader &ini) override;
    void writeSettings(files::SettingsWriter &ini) const override;
    void saveOtherFiles() override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void buildWindow();
    void fitButtons();
    QWidget *buildCurve();
    QWidget *buildBike();
    QWidget *buildResults();
    void recompute();
    void curveChanged();
    void showResults(const perf::Model &m);
    QString problemText(const perf::Model &m, const perf::Problem &p) const;
    void markProblems(const perf::Model &m);
    void setNote();
    void fileFinished(const DynoOutcome &outcome);
    void setExampleNote(bool shown);
    // The note under the curve, made anew in each language; none: empty.
    void setCurveNote(std::function<QString()> note);
    void showShiftMark();

    // Reads the bike's fields, marking those that do not convert.
    perf::Bike readBike(QString &problem) const;

    CurveModel *curve_;
    DynoReading *reading_;
    std::optional<MainRun> run_;
    QString mainProblem_;
    QString inputProblem_; // the first bad field or point
    bool exampleShown_ = false;
    bool quiet_ = false; // building or restoring: one recompute at the end
    std::shared_ptr<const perf::Model> model_;
    perf::Results results_;
    std::function<QString()> curveNote_;
    std::function<QString()> lastFile_; // the note of the export last read
};

// The registry's factory: "Chercher les pignons" opens Pignons et chaîne
// with the change as its target.
AnalysisWindow *createPerformanceWindow(TForm1 *main);

} // namespace trovanta::ui
