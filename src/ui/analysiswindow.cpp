#include "ui/analysiswindow.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"
#include "files/programdir.h"
#include "files/settingsfile.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/placement.h"
#include "ui/platform.h"
#include "ui/units.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>

#include <cmath>

namespace trovanta::ui {

AnalysisWindow::AnalysisWindow(QWidget *parent, const char *objectName, const char *settingsName)
    : QWidget(parent, Qt::Window), settingsName_(QString::fromLatin1(settingsName))
{
    setObjectName(QString::fromLatin1(objectName));
    setFont(formFont(8));
    // The desktop's keys for closing a window; closing saves as the close
    // box does.
    for (const QKeySequence &k : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *s = new QShortcut(k, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, &QWidget::close);
    }
}

QString AnalysisWindow::settingsPath() const { return files::programFile(settingsName_ + QStringLiteral(".ini")); }

void AnalysisWindow::place(const QRect &mainFrame) { centreOn(this, mainFrame); }

void AnalysisWindow::restoreSettings()
{
    if (!files::settingsFileExists(settingsPath()))
        return;
    readSettings(files::SettingsReader(settingsPath()));
}

void AnalysisWindow::saveSettings()
{
    files::SettingsWriter ini(settingsPath());
    ini.writeString(QStringLiteral("Program"), QStringLiteral("Inifile"), settingsName_);
    writeSettings(ini);
    ini.commit();
    saveOtherFiles();
}

void AnalysisWindow::saveAtEnd(bool terminating)
{
    try {
        saveSettings();
        failureShown_ = false;
    } catch (const Error &) {
        // A window closed earlier whose save failed then has said so once;
        // the same failure at the program's end is not shown again.
        if (open_ || !failureShown_)
            reportSaveFailure(this, QString::fromUtf8(IniFailure), terminating);
        failureShown_ = !open_;
    }
}

void AnalysisWindow::showEvent(QShowEvent *e)
{
    if (!e->spontaneous()) {
        open_ = true;
        // Placed before its layout gave it its size: the grown frame is
        // kept on the main window's screen too.
        if (!keptOnScreen_ && parentWidget()) {
            keptOnScreen_ = true;
            placeOnScreenOf(this, frameGeometry(), parentWidget()->frameGeometry());
        }
    }
    QWidget::showEvent(e);
}

void AnalysisWindow::closeEvent(QCloseEvent *e)
{
    if (open_) {
        open_ = false;
        failureShown_ = false;
        saveAtEnd(false);
    }
    QWidget::closeEvent(e);
}

FieldReader::FieldReader(char separator) : separator_(separator) {}

namespace {

// A message of calc/ with its one argument, in the present language.
QString messageWith(const char *pattern, const QString &arg)
{
    QString out = message(pattern);
    for (const char *ph : {"%s", "%d"})
        if (const int at = int(out.indexOf(QLatin1String(ph))); at >= 0) {
            out.replace(at, 2, arg);
            break;
        }
    return QString::fromStdString(withFullStop(out.toStdString()));
}

} // namespace

QString shortenedForNote(const QString &line)
{
    constexpr int Longest = 200;
    return line.size() <= Longest ? line : line.left(Longest - 60) + QChar(0x2026) + line.right(59);
}

QString fieldCaption(const QWidget *field)
{
    QString caption = field->accessibleName();
    if (caption.isEmpty())
        for (const QLabel *l : field->window()->findChildren<QLabel *>())
            if (l->buddy() == field) {
                caption = l->text();
                break;
            }
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

QString FieldReader::signProblem(double v, Need need)
{
    if (need == Need::Positive && !(v > 0))
        return tr("la valeur doit être supérieure à 0.");
    if (need == Need::NotNegative && v < 0)
        return tr("la valeur ne peut pas être négative.");
    return QString();
}

QString FieldReader::decimalProblem(const QString &text, Need need, double &out) const
{
    double v = 0;
    if (!num::tryParseDecimal(text.toStdString(), separator_, v))
        return messageWith(msg::NotFloat, shortenedForNote(text));
    if (QString sign = signProblem(v, need); !sign.isEmpty())
        return sign;
    if (std::fabs(v) > LargestValue)
        return tr("%1 est trop grand.").arg(shortenedForNote(text.trimmed()));
    out = v;
    return QString();
}

QString FieldReader::integerProblem(const QString &text, Need need, std::int32_t largest, std::int32_t &out)
{
    std::int32_t v = 0;
    if (!num::tryParseInteger(text.toStdString(), v))
        return messageWith(msg::NotInteger, shortenedForNote(text));
    if (QString sign = signProblem(v, need); !sign.isEmpty())
        return sign;
    if (v > largest)
        return tr("%1 est trop grand.").arg(text);
    out = v;
    return QString();
}

void FieldReader::keep(const QString &caption, const QString &problem)
{
    if (problem.isEmpty() || !message_.isEmpty())
        return;
    if (caption.isEmpty()) {
        message_ = problem;
        message_[0] = message_[0].toUpper();
    } else {
        message_ = tr("%1 : %2").arg(caption, problem);
    }
}

void FieldReader::mark(QLineEdit *e, const QString &problem)
{
    markField(e, !problem.isEmpty());
    // The caption is looked up only for the problem that is shown.
    if (!problem.isEmpty() && message_.isEmpty())
        keep(fieldCaption(e), problem);
}

void FieldReader::refuse(const QString &caption, const QString &problem) { keep(caption, problem); }

std::optional<double> FieldReader::decimal(QLineEdit *e, Need need)
{
    double v = 0;
    const QString problem = decimalProblem(e->text(), need, v);
    mark(e, problem);
    return problem.isEmpty() ? std::optional(v) : std::nullopt;
}

std::optional<std::int32_t> FieldReader::integer(QLineEdit *e, Need need, std::int32_t largest)
{
    std::int32_t v = 0;
    const QString problem = integerProblem(e->text(), need, largest, v);
    mark(e, problem);
    return problem.isEmpty() ? std::optional(v) : std::nullopt;
}

std::optional<double> FieldReader::optionalDecimal(QLineEdit *e, Need need)
{
    if (e->text().isEmpty()) {
        mark(e, QString());
        return std::nullopt;
    }
    return decimal(e, need);
}

std::optional<std::int32_t> FieldReader::optionalInteger(QLineEdit *e, Need need, std::int32_t largest)
{
    if (e->text().isEmpty()) {
        mark(e, QString());
        return std::nullopt;
    }
    return integer(e, need, largest);
}

void markField(QLineEdit *e, bool invalid)
{
    if (e->property("invalid").toBool() == invalid)
        return;
    e->setProperty("invalid", invalid);
    // A style sheet set or taken away gives the field the application's
    // font; it keeps the window's.
    const QFont font = e->font();
    e->setStyleSheet(invalid ? QStringLiteral("QLineEdit { border: 2px solid #d00000; border-radius: 2px; }")
                             : QString());
    e->setFont(font);
}

QString ratioText(double value) { return QString::fromStdString(num::formatRatio(value, decimalSeparator())); }

std::optional<double> FieldReader::speed(QLineEdit *e, Need need)
{
    const std::optional<double> shown = decimal(e, need);
    if (!shown)
        return shown;
    double stored = 0;
    if (num::tryParseDecimal(kmhTextOf(e).toStdString(), separator_, stored))
        return stored;
    const SpeedField *f = unitFieldOf(e);
    return storedValue(f ? f->quantity() : Quantity::Speed, *shown);
}

std::optional<double> FieldReader::optionalSpeed(QLineEdit *e, Need need)
{
    if (e->text().isEmpty()) {
        mark(e, QString());
        return std::nullopt;
    }
    return speed(e, need);
}

QString wholeText(gearing::real value) { return QString::fromStdString(num::formatInt(fp::roundToInt(value))); }

QString signedF2Text(gearing::real value)
{
    return QString::fromStdString(num::formatSignedF2(value, decimalSeparator()));
}

QString signedPercentText(gearing::real value) { return signedF2Text(value) + QStringLiteral(" %"); }

QString signedWholeText(gearing::real value)
{
    return QString::fromStdString(num::formatSignedF0(value, decimalSeparator()));
}

QString noValueText() { return QString::fromUtf8(num::NoValue); }

} // namespace trovanta::ui
