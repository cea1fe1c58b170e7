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

#include <QCoreApplication>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <limits>
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
    // Files of the window's own beside its settings file, written after it:
    // a failure there leaves the settings file saved. Throws trovanta::Error.
    virtual void saveOtherFiles() {}
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

// What a field's value must be beyond converting.
enum class Need { Any, Positive, NotNegative };

// No field of these windows means anything near 10^15; refusing more keeps
// every product of a few fields far inside the range the number texts write
// and read back, so that no message quotes a number the rider never typed.
inline constexpr double LargestValue = 1e15;

// No sprocket has a thousand teeth; more only round a final drive to
// nothing and the engine speeds with it.
inline constexpr std::int32_t MostTeeth = 999;

// Reads fields the way every analysis window does: a text that does not
// convert, or a value the field cannot take, gets a red frame, and the
// first such problem is kept for the note label, named by the field's
// caption and quoting what the rider typed. A field that converts loses its
// red frame.
class FieldReader {
    Q_DECLARE_TR_FUNCTIONS(FieldReader)
public:
    explicit FieldReader(char separator);

    static constexpr std::int32_t AnyInteger = std::numeric_limits<std::int32_t>::max();

    std::optional<double> decimal(QLineEdit *e, Need need = Need::Any);
    std::optional<std::int32_t> integer(QLineEdit *e, Need need = Need::Any, std::int32_t largest = AnyInteger);
    // Empty text: no value and no error.
    std::optional<double> optionalDecimal(QLineEdit *e, Need need = Need::Any);
    std::optional<std::int32_t> optionalInteger(QLineEdit *e, Need need = Need::Any,
                                                std::int32_t largest = AnyInteger);
    // A problem of a value typed where no line edit holds it (a table
    // cell), for the same note; the window marks the cell its own way.
    void refuse(const QString &caption, const QString &problem);
    // A speed (or a field's other quantity) typed in the chosen unit, in
    // its metric unit (a SpeedField's kept value when it has one).
    std::optional<double> speed(QLineEdit *e, Need need = Need::Any);
    std::optional<double> optionalSpeed(QLineEdit *e, Need need = Need::Any);

    bool ok() const { return message_.isEmpty(); }
    // The first problem, "caption : message", with its full stop.
    const QString &message() const { return message_; }

    // The problem of a decimal or integer text, empty when it is a value
    // the field takes.
    QString decimalProblem(const QString &text, Need need, double &out) const;
    static QString integerProblem(const QString &text, Need need, std::int32_t largest, std::int32_t &out);

private:
    void mark(QLineEdit *e, const QString &problem);
    void keep(const QString &caption, const QString &problem);
    static QString signProblem(double v, Need need);

    char separator_;
    QString message_;
};

// A line for a note: at most 200 characters, a longer one shortened in its
// middle, so that a field of thousands of characters keeps the note small.
QString shortenedForNote(const QString &line);
// A field's caption: its accessible name, else its label's text.
QString fieldCaption(const QWidget *field);

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
