#include "ui/analysiswindow.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"
#include "files/programdir.h"
#include "files/settingsfile.h"
#include "ui/fonts.h"
#include "ui/placement.h"
#include "ui/platform.h"
#include "ui/units.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>


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

void FieldReader::mark(QLineEdit *e, const std::optional<std::string> &error)
{
    markField(e, error.has_value());
    if (error && message_.isEmpty())
        message_ = QString::fromStdString(withFullStop(*error));
}

std::optional<double> FieldReader::decimal(QLineEdit *e)
{
    const std::string text = e->text().toStdString();
    double v = 0;
    if (num::tryParseDecimal(text, separator_, v)) {
        mark(e, std::nullopt);
        return v;
    }
    mark(e, formatMessage(msg::NotFloat, text));
    return std::nullopt;
}

std::optional<std::int32_t> FieldReader::integer(QLineEdit *e)
{
    const std::string text = e->text().toStdString();
    std::int32_t v = 0;
    if (num::tryParseInteger(text, v)) {
        mark(e, std::nullopt);
        return v;
    }
    mark(e, formatMessage(msg::NotInteger, text));
    return std::nullopt;
}

std::optional<double> FieldReader::optionalDecimal(QLineEdit *e)
{
    if (e->text().isEmpty()) {
        mark(e, std::nullopt);
        return std::nullopt;
    }
    return decimal(e);
}

std::optional<std::int32_t> FieldReader::optionalInteger(QLineEdit *e)
{
    if (e->text().isEmpty()) {
        mark(e, std::nullopt);
        return std::nullopt;
    }
    return integer(e);
}

void markField(QLineEdit *e, bool invalid)
{
    if (e->property("invalid").toBool() == invalid)
        return;
    e->setProperty("invalid", invalid);
    e->setStyleSheet(invalid ? QStringLiteral("QLineEdit { border: 2px solid #d00000; border-radius: 2px; }")
                             : QString());
}

QString ratioText(double value) { return QString::fromStdString(num::formatRatio(value, decimalSeparator())); }

std::optional<double> FieldReader::speed(QLineEdit *e)
{
    const std::optional<double> shown = decimal(e);
    if (!shown)
        return shown;
    double stored = 0;
    if (num::tryParseDecimal(kmhTextOf(e).toStdString(), separator_, stored))
        return stored;
    const SpeedField *f = unitFieldOf(e);
    return storedValue(f ? f->quantity() : Quantity::Speed, *shown);
}

std::optional<double> FieldReader::optionalSpeed(QLineEdit *e)
{
    if (e->text().isEmpty()) {
        markField(e, false);
        return std::nullopt;
    }
    return speed(e);
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
