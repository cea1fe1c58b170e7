#pragma once
// The units the rider chose in "&Options" → "&Unités", for the whole
// program: one current choice, and one signal when it changes, which every
// window that shows a speed (or, in the Performances window, a torque, a
// power or a mass) hears. Values are converted only at the edge: fields and
// panels show and take the chosen unit, while everything computed and
// stored stays km/h, Nm, kW and kg.

#include "calc/units.h"
#include "ui/language.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace trovanta::ui {

class UnitsHub : public QObject {
    Q_OBJECT
signals:
    void changed();
};
UnitsHub &unitsHub();

const units::Choice &currentUnits();
// Emits UnitsHub::changed when the choice differs from the current one.
void setCurrentUnits(const units::Choice &choice);

// Without a stored choice: mph (and the imperial torque, power and mass)
// where the system speaks English and measures in imperial units, else km/h
// and the metric units.
units::Choice defaultUnits(const QLocale &system);

// A caption written with the metric units ("Vitesse (km/h)") in the chosen
// ones ("Vitesse (mph)"). Only whole unit words change.
QString inSpeedUnit(const QString &kmhText);
QString inUnits(const QString &metricText);

// A unit's word in the present language ("ch" is "PS" in German).
QString unitText(units::Speed u);
QString unitText(units::Torque u);
QString unitText(units::Power u);
QString unitText(units::Mass u);
QString speedUnitText();
// A whole km/h value with the chosen unit: "62 mph" for 100 km/h.
QString speedWithUnit(double kmh);

// A label written with the metric units that shows the chosen ones, now
// and after every switch; `all`: torque, power and mass too (the
// Performances window), else the speed only.
// The texts are the program's and follow the language too.
QLabel *unitLabel(const Source &metricText, bool all = false);
void followUnits(QLabel *label, const Source &metricText, bool all = false);
// A table's column heads the same way.
void followUnits(QTableWidget *table, const std::vector<Source> &metricHeads, bool all = false);
// A stored speed as the rider reads it now, and a typed one as stored.
double shownSpeed(double kmh);
double storedSpeed(double shown);
// A whole km/h value as a whole number in the chosen unit.
QString wholeSpeedText(double kmh);
// A panel's whole km/h text the same way; a text that is no number stays.
QString shownTextOfWholeKmh(const QString &kmh);

// What a value measures; each is stored in its metric unit.
enum class Quantity { Speed, Torque, Power, Mass };
double shownValue(Quantity q, double stored);
double storedValue(Quantity q, double shown);
// Texts the same way; a text that does not convert stays as it is.
QString shownText(Quantity q, const QString &stored);
QString storedText(Quantity q, const QString &shown);

// A field in which a speed (or another quantity) is typed. The field shows
// the chosen unit; the value kept (and saved) is the metric text, which a
// switch of units leaves as it is: switching away and back shows the same
// text again.
class SpeedField : public QObject {
    Q_OBJECT
public:
    // The field's text as it stands is the metric default.
    explicit SpeedField(QLineEdit *edit, Quantity q = Quantity::Speed);
    // The metric text (as read from a file or typed in the metric unit);
    // the field shows it in the chosen unit.
    void setKmhText(const QString &kmh);
    QString kmhText() const { return kmh_; }
    QLineEdit *edit() const { return edit_; }
    Quantity quantity() const { return q_; }

private:
    void show();
    QLineEdit *edit_;
    Quantity q_;
    QString kmh_;
};

// The metric text kept in a SpeedField attached to `edit`, or the field's
// text when it has none.
QString kmhTextOf(const QLineEdit *edit);
const SpeedField *unitFieldOf(const QLineEdit *edit);
// A label whose text is made anew at every switch of units.
void followUnits(QLabel *label, std::function<QString()> text);
// A typed speed text, in the chosen unit, as km/h text (a text that does
// not convert stays as typed), and back.
QString kmhTextFromShown(const QString &shown);
QString shownTextFromKmh(const QString &kmh);

// Table cells in which a speed is typed keep their km/h text beside the
// shown one, the same way.
void setKmhCell(QTableWidgetItem *item, const QString &kmh);
QString kmhCellText(const QTableWidgetItem *item);
// The rider edited the cell: its text is the chosen unit's.
void kmhCellTyped(QTableWidgetItem *item);
// The units changed: the cell shows its kept km/h text anew.
void showKmhCell(QTableWidgetItem *item);
// An optional whole km/h value in the chosen unit, "–" for none.
QString wholeSpeedOrDash(const std::optional<std::int32_t> &kmh);

} // namespace trovanta::ui
