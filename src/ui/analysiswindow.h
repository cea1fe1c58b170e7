#pragma once
// What the analysis windows have in common: a top-level window beside the
// main window, not modal, laid out with Qt layouts; its own settings file in
// the program directory, read when the window is first created and written
// when it closes and when the program ends; and the way its fields report a
// text that does not convert: a red frame and the message in a note label,
// never a box while the rider types. It follows the main window through one
// interface: the registry hands it every run, good or failed, from the
// window's creation on.

#include "calc/gearset.h"
#include "ui/mainrun.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;

namespace trovanta::files {
class SettingsReader;
class SettingsWriter;
} // namespace trovanta::files

namespace trovanta::ui {

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    QString settingsPath() const;

    // A run of the main window that got through; the first comes at once
    // when there was one before the window was made.
    virtual void mainRunChanged(const MainRun &run) = 0;
    // A run that failed, with the message as the error box shows it; the
    // window keeps what it had and may say why.
    virtual void mainRunFailed(const QString &message) = 0;
    // Where the window first appears; centred on the main window unless
    // the window knows better.
    virtual void place(const QRect &mainFrame);

    // Writes the settings file: the marker entry, then the window's own
    // entries, in one replace. Throws trovanta::Error when it cannot.
    void saveSettings();
    // The program ends while the window is open: it saves as closing does.
    // A failure goes to a message box, or to standard error when the program
    // was asked to end (a signal, the session ending).
    void saveAtEnd(bool terminating);

protected:
    AnalysisWindow(QWidget *parent, const char *objectName, const char *settingsName);

    virtual void readSettings(const files::SettingsReader &ini) = 0;
    virtual void writeSettings(files::SettingsWriter &ini) const = 0;
    // Reads the settings file when there is one; the window calls it once it
    // is built, so stored values win over its defaults.
    void restoreSettings();

    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QString settingsName_; // the file's name without ".ini", also its [Program] Inifile=
    bool open_ = false;    // shown and not closed since
    bool failureShown_ = false; // closed, its save failed and said so
    bool keptOnScreen_ = false;
};

// Reads fields the way every analysis window does: a text that does not
// convert gets a red frame, and the first such message is kept for the
// note label. A field that converts loses its red frame.
class FieldReader {
public:
    explicit FieldReader(char separator);

    std::optional<double> decimal(QLineEdit *e);
    std::optional<std::int32_t> integer(QLineEdit *e);
    // Empty text: no value and no error.
    std::optional<double> optionalDecimal(QLineEdit *e);
    std::optional<std::int32_t> optionalInteger(QLineEdit *e);
    // A speed (or a field's other quantity) typed in the chosen unit, in
    // its metric unit (a SpeedField's kept value when it has one).
    std::optional<double> speed(QLineEdit *e);
    std::optional<double> optionalSpeed(QLineEdit *e);

    bool ok() const { return message_.isEmpty(); }
    // The program's message for the first bad field, with its full stop.
    const QString &message() const { return message_; }

private:
    void mark(QLineEdit *e, const std::optional<std::string> &error);

    char separator_;
    QString message_;
};

// Sets or clears a field's red frame (tests read the "invalid" property).
void markField(QLineEdit *e, bool invalid);

// The number texts of the analysis windows, with the locale's separator.
QString ratioText(double value);                         // ratio format
QString wholeText(gearing::real value);                  // nearest, halves to even
QString signedPercentText(gearing::real value);          // F2, "+" above zero, " %"
QString signedF2Text(gearing::real value);               // a table cell: no " %"
QString signedWholeText(gearing::real value);            // F0 signed
QString noValueText();                                   // "–"

} // namespace trovanta::ui
