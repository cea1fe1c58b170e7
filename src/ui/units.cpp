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

QString word(const std::string &s) { return QString::fromStdString(s); }

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

QString inSpeedUnit(const QString &kmhText)
{
    return replaceWord(kmhText, QStringLiteral("km/h"), word(units::name(current().speed)));
}

QString inUnits(const QString &metricText)
{
    QString t = inSpeedUnit(metricText);
    t = replaceWord(t, QStringLiteral("Nm"), word(units::name(current().torque)));
    t = replaceWord(t, QStringLiteral("kW"), word(units::name(current().power)));
    return replaceWord(t, QStringLiteral("kg"), word(units::name(current().mass)));
}

QString speedUnitText() { return word(units::name(current().speed)); }
QString speedWithUnit(double kmh) { return wholeSpeedText(kmh) + QLatin1Char(' ') + speedUnitText(); }

namespace {
QString converted(const QString &metric, bool all) { return all ? inUnits(metric) : inSpeedUnit(metric); }
} // namespace

QLabel *unitLabel(const QString &metricText, bool all)
{
    auto *l = new QLabel;
    followUnits(l, metricText, all);
    return l;
}

void followUnits(QLabel *label, const QString &metricText, bool all)
{
    label->setText(converted(metricText, all));
    QObject::connect(&unitsHub(), &UnitsHub::changed, label,
                     [label, metricText, all] { label->setText(converted(metricText, all)); });
}

void followUnits(QTableWidget *table, const QStringList &metricHeads, bool all)
{
    auto show = [table, metricHeads, all] {
        QStringList heads;
        for (const QString &h : metricHeads)
            heads << converted(h, all);
        table->setHorizontalHeaderLabels(heads);
    };
    show();
    QObject::connect(&unitsHub(), &UnitsHub::changed, table, show);
}

double shownSpeed(double kmh) { return units::fromKmh(kmh, current().speed); }
double storedSpeed(double shown) { return units::toKmh(shown, current().speed); }

QString wholeSpeedText(double kmh)
{
    return QString::fromStdString(num::formatInt(fp::roundToInt(shownSpeed(kmh))));
}

QString shownTextOfWholeKmh(const QString &kmh)
{
    double v = 0;
    if (current().speed == units::Speed::Kmh || !num::tryParseDecimal(kmh.toStdString(), decimalSeparator(), v))
        return kmh;
    return wholeSpeedText(v);
}

QString kmhTextFromShown(const QString &shown)
{
    double v = 0;
    if (current().speed == units::Speed::Kmh || !num::tryParseDecimal(shown.toStdString(), decimalSeparator(), v))
        return shown;
    return brief(storedSpeed(v), 2);
}

QString shownTextFromKmh(const QString &kmh)
{
    double v = 0;
    if (current().speed == units::Speed::Kmh || !num::tryParseDecimal(kmh.toStdString(), decimalSeparator(), v))
        return kmh;
    return brief(shownSpeed(v), 1);
}

SpeedField::SpeedField(QLineEdit *edit) : QObject(edit), edit_(edit), kmh_(kmhTextFromShown(edit->text()))
{
    setObjectName(QStringLiteral("SpeedField"));
    // Typed, or set by the window: the text is the chosen unit's. The field's
    // own showing of the kept value changes nothing.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t != shownTextFromKmh(kmh_))
            kmh_ = kmhTextFromShown(t);
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
    const QString t = shownTextFromKmh(kmh_);
    if (edit_->text() != t)
        edit_->setText(t);
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

QString kmhTextOf(const QLineEdit *edit)
{
    if (auto *f = edit->findChild<SpeedField *>(QString(), Qt::FindDirectChildrenOnly))
        return f->kmhText();
    return edit->text();
}

} // namespace trovanta::ui
