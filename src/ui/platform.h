#pragma once
// The one seam between the windows and the platform's dialogs: message
// boxes, file dialogs, the print dialog, the shell and the clock/locale.
// The program uses the real ones; tests install their own to answer them.

#include "calc/messages.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace trovanta::ui {

class Platform {
public:
    virtual ~Platform();

    // Plain message box with an OK button, captioned with the application
    // title. A message of calc/, files/ or print/ shows in the present
    // language.
    void showMessage(QWidget *parent, const QString &text);
    // Application error box: application title, error icon, the message with
    // a full stop appended when it has none, OK.
    void showError(QWidget *parent, const QString &message);
    // A question with "Oui" and "Non", captioned with the application
    // title; true for "Oui". "Non" is the default.
    virtual bool ask(QWidget *parent, const QString &question);

    // File dialogs; an empty result means cancelled.
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &filter);
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                    const QString &defaultSuffix);

    // A save dialog that starts on `initialName` and leaves the question
    // about replacing an existing file to the caller (askYesNo). The name
    // comes back with the chosen filter's suffix when none was typed.
    virtual QString getExportFileName(QWidget *parent, const QString &caption, const QString &filter,
                                      const QString &initialName);
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &question);

    // Print dialog on `printer`; false when cancelled. A PDF file chosen in
    // the dialog is printed at 300 dots per inch.
    virtual bool execPrintDialog(QWidget *parent, QPrinter &printer);

    // Hands a URL (web page, mailto) to the desktop; the result is not looked at.
    virtual void openUrl(const QUrl &url);

    virtual QLocale locale() const;
    virtual QDateTime now() const;

protected:
    // The boxes themselves, with the text as shown.
    virtual void messageBox(QWidget *parent, const QString &text);
    virtual void errorBox(QWidget *parent, const QString &text);
};

Platform &platform();
// Installs another platform (tests); nullptr goes back to the real one.
void setPlatform(Platform *p);

// A message of a save that failed: in a plain message box, or on standard
// error when the program was asked to end (a signal, the session ending)
// and no one may be there to answer a box.
void reportSaveFailure(QWidget *parent, const QString &message, bool terminating);
inline constexpr const char *IniFailure = TROVANTA_MESSAGE("Messages", "Fehler bei Ini-Erstellung.");

// The decimal separator of the user's locale as the number text uses it.
char decimalSeparator();

// A default written with a comma ("1,84"), with the locale's
// separator instead, so that a first start converts in any locale.
QString localDecimal(const char *commaText);

} // namespace trovanta::ui
