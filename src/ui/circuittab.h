#pragma once
// The "Circuit" tab of the Performances window: the rider's circuits by
// name, the corners of the chosen one in lap order (speed, gear, the
// straight after it), the braking, and what each straight takes with the
// present gearing. The chosen circuit is the present circuit of the
// windows that follow the Performances window. The circuits live in
// circuits.ini, one section each; the window keeps the present name.

#include "calc/circuit.h"
#include "calc/performance.h"
#include "ui/performancecontext.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace trovanta::ui {

class TPanel;

class CircuitTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxCorners = 40;
    enum CornerColumn { CornerName, CornerKmh, CornerGear, CornerMetres };
    enum ResultColumn { Straight, Time, BrakingKmh, Gear, Rpm, Margin, Note };

    // Reads circuits.ini from the program directory when there is one.
    explicit CircuitTab(QWidget *parent = nullptr);

    // The engine model the straights are run with (the Performances
    // window's, on the main window's gear set); none: no results.
    void setModel(std::shared_ptr<const perf::Model> model);
    void setInput(const perf::Input &in) { setModel(std::make_shared<const perf::Model>(in)); }

    // The chosen circuit's name (empty without one); a name that is not
    // there changes nothing.
    QString presentCircuitName() const;
    void setPresentCircuitName(const QString &name);
    // The chosen circuit as typed; none without one.
    std::optional<PresentCircuit> presentCircuit() const;
    QStringList circuitNames() const;

    // circuits.ini: every circuit in its own section, the rows as typed.
    // Throws trovanta::Error when it cannot be written.
    static QString settingsPath();
    void saveCircuits() const;
    // A circuit added, removed or edited since the file was read or written.
    bool circuitsEdited() const { return edited_; }

    QComboBox *P_Circuit;
    QPushButton *P_CircuitSuppr;
    QTableWidget *P_Strecke;
    QPushButton *P_VirageSuppr;
    QLineEdit *P_Freinage;
    QLabel *P_CircuitHinweis;
    QTableWidget *P_CircuitErgebnis;
    QLabel *P_CircuitZeitCaption;
    TPanel *P_CircuitZeit;

signals:
    // After every change of the chosen circuit or of its rows.
    void presentCircuitChanged(const std::optional<trovanta::ui::PresentCircuit> &circuit);

protected:
    void changeEvent(QEvent *e) override;

private:
    using RowTexts = std::array<QString, 4>;
    struct Stored {
        QString name;
        std::vector<RowTexts> rows;
        QString braking;
    };

    void sizeColumns();
    void loadCircuits();
    void nameEntered();
    void choose(int index);
    void removeCircuit();
    void removeCorners();
    void cornerEdited(int row, int column);
    void brakingEdited(const QString &text);
    // The chosen circuit into the table and field.
    void fill();
    void changed();
    void recompute();
    void showResults(const circuit::Track &track, const circuit::Lap &lap);
    void markProblems(const std::vector<circuit::Problem> &problems);
    QString problemText(const circuit::Problem &p) const;
    QString straightName(int corner) const;
    std::optional<QString> refusedName(const QString &name) const;
    circuit::Track trackOf(const Stored &s) const;

    std::vector<Stored> circuits_;
    int current_ = -1;
    std::vector<QString> removed_; // their sections are emptied at the next save
    std::shared_ptr<const perf::Model> model_;
    int filling_ = 0;
    std::optional<QString> refused_; // the name the note says was refused
    mutable bool edited_ = false;
};

} // namespace trovanta::ui
