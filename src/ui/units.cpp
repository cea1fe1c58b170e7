#include "ui/units.h"

#include "calc/fparith.h"
#include "calc/numtext.h"
#include "ui/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QRegularExpression>
#include <QTableWidgetItem>

#include <cmath>

namespace trovanta::ui {

UnitsHub &unitsHub()
{
    static UnitsHub hub;
    return hub;
}

namespace {
units::Choice &current()
{
    static units::Choice c;
    return c;
}

// The unit words as the windows show them, in the present language.
constexpr Source UnitWords[] = {
    tx("Units", "km/h"), tx("Units", "mph"), tx("Units", "Nm"), tx("Units", "lb-ft"), tx("Units", "kW"),
    tx("Units", "ch"),   tx("Units", "hp"),  tx("Units", "kg"), tx("Units", "lb"),
};

QString word(const std::string &s)
{
    for (const Source &w : UnitWords)
        if (s == w.text)
            return translated(w);
    return QString::fromStdString(s);
}

// Replaces whole words only: "km/h" in "Vitesse (km/h)", not "Nm" inside a
// longer word.
QString replaceWord(QString text, const QString &from, const QString &to)
{
    if (from == to)
        return text;
    const QRegularExpression re(QStringLiteral("(?<![\\w/-])") + QRegularExpression::escape(from) +
                                QStringLiteral("(?![\\w/-])"));
    return text.replace(re, to);
}

// Rounded to `decimals` and written as briefly as it goes.
QString brief(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return QString::fromStdString(num::formatShortest(std::round(v * scale) / scale, decimalSeparator()));
}
} // namespace

const units::Choice &currentUnits() { return current(); }

void setCurrentUnits(const units::Choice &choice)
{
    if (choice == current())
        return;
    current() = choice;
    emit unitsHub().changed();
}

units::Choice defaultUnits(const QLocale &system)
{
    units::Choice c;
    const bool imperial = system.measurementSystem() == QLocale::ImperialUSSystem ||
                          system.measurementSystem() == QLocale::ImperialUKSystem;
    if (system.language() == QLocale::English && imperial) {
        c.speed = units::Speed::Mph;
        c.torque = units::Torque::LbFt;
        c.power = units::Power::Hp;
        c.mass = units::Mass::Lb;
    }
    return c;
}

// A caption is written with the metric words of its language.
QString inSpeedUnit(const QString &kmhText)
{
    return replaceWord(kmhText, unitText(units::Speed::Kmh), unitText(current().speed));
}

QString inUnits(const QString &metricText)
{
    QString t = inSpeedUnit(metricText);
    t = replaceWord(t, unitText(units::Torque::Nm), unitText(current().torque));
    t = replaceWord(t, unitText(units::Power::KW), unitText(current().power));
    return replaceWord(t, unitText(units::Mass::Kg), unitText(current().mass));
}

QString unitText(units::Speed u) { return word(units::name(u)); }
QString unitText(units::Torque u) { return word(units::name(u)); }
QString unitText(units::Power u) { return word(units::name(u)); }
QString unitText(units::Mass u) { return word(units::name(u)); }

QString speedUnitText() { return unitText(current().speed); }
QString speedWithUnit(double kmh) { return wholeSpeedText(kmh) + QLatin1Char(' ') + speedUnitText(); }

namespace {
QString converted(const QString &metric, bool all) { return all ? inUnits(metric) : inSpeedUnit(metric); }
} // namespace

QLabel *unitLabel(const Source &metricText, bool all)
{
    auto *l = new QLabel;
    followUnits(l, metricText, all);
    return l;
}

void followUnits(QLabel *label, const Source &metricText, bool all)
{
    followUnits(label, [metricText, all] { return converted(translated(metricText), all); });
}

void followUnits(QTableWidget *table, const std::vector<Source> &metricHeads, bool all)
{
    auto show = [table, metricHeads, all] {
        QStringList heads;
        for (const Source &h : metricHeads)
            heads << converted(translated(h), all);
        table->setHorizontalHeaderLabels(heads);
    };
    show();
    QObject::connect(&unitsHub(), &UnitsHub::changed, table, show);
    QObject::connect(&languageHub(), &LanguageHub::changed, table, show);
}

double shownSpeed(double kmh) { return units::fromKmh(kmh, current().speed); }
double storedSpeed(double shown) { return units::toKmh(shown, current().speed); }

QString wholeSpeedText(double kmh)
{
    // Absurd inputs reach here too: a value beyond whole numbers is no value.
    const double v = shownSpeed(kmh);
    if (!std::isfinite(v) || std::abs(v) >= 2e9)
        return QString::fromUtf8(num::NoValue);
    return QString::fromStdString(num::formatInt(std::llround(v)));
}

QString shownTextOfWholeKmh(const QString &kmh)
{
    double v = 0;
    if (current().speed == units::Speed::Kmh || !num::tryParseDecimal(kmh.toStdString(), decimalSeparator(), v))
        return kmh;
    return wholeSpeedText(v);
}

double shownValue(Quantity q, double stored)
{
    const units::Choice &c = current();
    switch (q) {
    case Quantity::Torque:
        return units::fromNm(stored, c.torque);
    case Quantity::Power:
        return units::fromKw(stored, c.power);
    case Quantity::Mass:
        return units::fromKg(stored, c.mass);
    case Quantity::Speed:
        break;
    }
    return units::fromKmh(stored, c.speed);
}

double storedValue(Quantity q, double shown)
{
    const units::Choice &c = current();
    switch (q) {
    case Quantity::Torque:
        return units::toNm(shown, c.torque);
    case Quantity::Power:
        return units::toKw(shown, c.power);
    case Quantity::Mass:
        return units::toKg(shown, c.mass);
    case Quantity::Speed:
        break;
    }
    return units::toKmh(shown, c.speed);
}

namespace {
bool metric(Quantity q)
{
    const units::Choice &c = current();
    switch (q) {
    case Quantity::Torque:
        return c.torque == units::Torque::Nm;
    case Quantity::Power:
        return c.power == units::Power::KW;
    case Quantity::Mass:
        return c.mass == units::Mass::Kg;
    case Quantity::Speed:
        break;
    }
    return c.speed == units::Speed::Kmh;
}
} // namespace

// Shown to a tenth, kept to a hundredth: what the rider leaves alone comes
// back exactly, what he types is kept closer than he can read it.
QString storedText(Quantity q, const QString &shown)
{
    double v = 0;
    if (metric(q) || !num::tryParseDecimal(shown.toStdString(), decimalSeparator(), v))
        return shown;
    return brief(storedValue(q, v), 2);
}

QString shownText(Quantity q, const QString &stored)
{
    double v = 0;
    if (metric(q) || !num::tryParseDecimal(stored.toStdString(), decimalSeparator(), v))
        return stored;
    return brief(shownValue(q, v), 1);
}

QString kmhTextFromShown(const QString &shown) { return storedText(Quantity::Speed, shown); }
QString shownTextFromKmh(const QString &kmh) { return shownText(Quantity::Speed, kmh); }

SpeedField::SpeedField(QLineEdit *edit, Quantity q) : QObject(edit), edit_(edit), q_(q), kmh_(edit->text())
{
    // The field's default is a metric value like any stored one.
    show();
    setObjectName(QStringLiteral("SpeedField"));
    // Typed, or set by the window: the text is the chosen unit's. The field's
    // own showing of the kept value changes nothing.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t != shownText(q_, kmh_))
            kmh_ = storedText(q_, t);
    });
    connect(&unitsHub(), &UnitsHub::changed, this, &SpeedField::show);
}

void SpeedField::setKmhText(const QString &kmh)
{
    kmh_ = kmh;
    show();
}

void SpeedField::show()
{
    const QString t = shownText(q_, kmh_);
    if (edit_->text() != t)
        edit_->setText(t);
}

const SpeedField *unitFieldOf(const QLineEdit *edit)
{
    return edit->findChild<SpeedField *>(QString(), Qt::FindDirectChildrenOnly);
}

QString kmhTextOf(const QLineEdit *edit)
{
    if (const SpeedField *f = unitFieldOf(edit))
        return f->kmhText();
    return edit->text();
}

void followUnits(QLabel *label, std::function<QString()> text)
{
    label->setText(text());
    QObject::connect(&unitsHub(), &UnitsHub::changed, label, [label, text] { label->setText(text()); });
    QObject::connect(&languageHub(), &LanguageHub::changed, label, [label, text] { label->setText(text()); });
}

namespace {
constexpr int KmhRole = Qt::UserRole + 40;
}

void setKmhCell(QTableWidgetItem *item, const QString &kmh)
{
    item->setData(KmhRole, kmh);
    item->setText(shownTextFromKmh(kmh));
}

QString kmhCellText(const QTableWidgetItem *item)
{
    const QVariant v = item->data(KmhRole);
    return v.isValid() ? v.toString() : kmhTextFromShown(item->text());
}

void kmhCellTyped(QTableWidgetItem *item)
{
    const QVariant v = item->data(KmhRole);
    if (!v.isValid() || item->text() != shownTextFromKmh(v.toString()))
        item->setData(KmhRole, kmhTextFromShown(item->text()));
}

void showKmhCell(QTableWidgetItem *item) { setKmhCell(item, kmhCellText(item)); }

QString wholeSpeedOrDash(const std::optional<std::int32_t> &kmh)
{
    return kmh ? wholeSpeedText(*kmh) : QString::fromUtf8(num::NoValue);
}


} // namespace trovanta::ui
