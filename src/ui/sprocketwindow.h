#pragma once
// "Pignons et chaîne": every sprocket pair of two ranges with its final
// drive, Vmax in sixth and what it means for the chain on the bike: whether
// the present chain still fits within the axle adjusters, the even link
// count that keeps the wheel nearest its place, and how evenly the pair
// wears the chain. The present pair follows the main window's good runs,
// the present chain the chain calculator; the list follows every change.

#include "calc/gearset.h"
#include "ui/analysiswindow.h"
#include "ui/mainrun.h"
#include "ui/performancecontext.h"

#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class TForm1;

namespace trovanta::sprockets {
struct Input;
}

namespace trovanta::ui {

class CircuitRunner;
class SprocketModel;
struct PairLap;

class SprocketWindow : public AnalysisWindow {
    Q_OBJECT
public:
    explicit SprocketWindow(QWidget *parent = nullptr);

    // The chain calculator's present chain, asked for each time the window
    // is shown; nothing when there is no chain calculator.
    void setChainSource(std::function<std::optional<PresentChain>()> source) { chainSource_ = std::move(source); }
    // A good run of the main window: its sprockets become the present pair
    // (now when the window is open, else when it is next shown) and its gear
    // set gives Vmax. A failed one changes nothing: the last good set stays.
    void mainRunChanged(const MainRun &run) override;
    void mainRunFailed(const QString &) override {}
    // The chain calculator's present chain changed: followed while open.
    void setPresentChain(const PresentChain &chain);
    // A target change of the final drive, in %, from another window; the
    // tolerance stays as it is.
    void setTargetChange(double percent);

    // The Performances window's model and present circuit: with a circuit
    // of at least one corner and a complete model, every pair is run on it
    // (three more columns); without, the list is as before.
    void setPerformanceContext(const PerformanceContext &context);
    CircuitRunner *circuitRunner() const { return runner_; }

    SprocketModel *model() const { return model_; }

    QLabel *Label48; // logo
    // Present drive
    QLineEdit *S_Ritzel, *S_Kettenrad, *S_Glieder, *S_Gliedlaenge, *S_Durchhang;
    // How far the rear axle can still move, mm
    QLineEdit *S_Vorne, *S_Hinten;
    // Ranges
    QLineEdit *S_RitzelVon, *S_RitzelBis, *S_KettenradVon, *S_KettenradBis;
    // Target change of the final drive and its tolerance, %
    QLineEdit *S_Ziel, *S_Toleranz;
    QLabel *S_Hinweis; // note: a field that does not convert, a range refused
    QTableView *S_Tabelle;
    QLabel *S_Anzahl;  // how many pairs are listed
    QLabel *S_Legende;
    QPushButton *S_Uebernehmen, *S_Vergleich, *S_Schliessen;

signals:
    // The selected pair, as texts for the main window's fields.
    void applyRequested(const QString &front, const QString &rear);
    void compareRequested(const QString &front, const QString &rear);

protected:
    void readSettings(const files::SettingsReader &ini) override;
    void writeSettings(files::SettingsWriter &ini) const override;
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    // The list's columns as wide as their heads and widest cells in the
    // present language; the whole table's width.
    int columnWidth(int column) const;
    int sizeColumns();
    // Lists again from the fields; changes ask for it through the event
    // loop, so that a burst of keystrokes lists once.
    void relist();
    void scheduleRelist();
    void presentFrontChanged(const QString &text);
    void presentRearChanged(const QString &text);
    void takePresentValues();
    void selectionChanged();
    // The selected pair, or the one double-clicked.
    std::optional<int> selectedRow() const;
    void requestApply(int row);
    void requestCompare();

    // The circuit's columns: started after each listing, filled as pairs finish.
    void startCircuit(const sprockets::Input &in);
    void circuitLapsReady(const std::vector<PairLap> &laps, int done, int total);
    void circuitFinished();

    SprocketModel *model_;
    QTimer *relistTimer_;
    CircuitRunner *runner_;
    PerformanceContext context_;
    struct CircuitRun {
        std::int32_t front = 0, rear = 0; // the present pair
        std::optional<double> presentSum;
        std::int32_t frontMin = 0, frontMax = 0, rearMin = 0, rearMax = 0;
        std::optional<std::pair<double, std::pair<std::int32_t, std::int32_t>>> fastest;
        double nTop = 0;
    } run_;
    QString pairsText_; // S_Anzahl without the circuit's progress
    std::function<std::optional<PresentChain>()> chainSource_;
    // The main window's last good run: its pair as texts and its gear set.
    std::optional<gearing::GearSet> gearSet_;
    QString runFront_, runRear_;
    // The present pair's texts before their last change: a range that still
    // holds their defaults follows them.
    QString front_, rear_;
    bool placed_ = false;
};

// The registry's factory: the chain calculator's present chain comes in,
// the chosen pair goes to the main window or to the comparison's variant.
AnalysisWindow *createSprocketWindow(TForm1 *main);

} // namespace trovanta::ui
