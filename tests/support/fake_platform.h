#pragma once
// A platform for tests: records every message box, answers file and print
// dialogs from queues, pins the locale and the clock.

#include "ui/platform.h"

#include <QDateTime>
#include <QLocale>
#include <QPrinter>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>

namespace trovanta::test {

class FakePlatform : public ui::Platform {
public:
    // Installs itself for its lifetime.
    explicit FakePlatform(QLocale locale = QLocale(QLocale::German, QLocale::Germany));
    ~FakePlatform() override;
    void messageBox(QWidget *parent, const QString &text) override;
    void errorBox(QWidget *parent, const QString &text) override;

    bool ask(QWidget *parent, const QString &question) override;
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                            const QString &defaultSuffix) override;
    QString getExportFileName(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &initialName) override;
    bool askYesNo(QWidget *parent, const QString &question) override;
    bool execPrintDialog(QWidget *parent, QPrinter &printer) override;
    void openUrl(const QUrl &url) override;
    QLocale locale() const override { return locale_; }
    QDateTime now() const override { return now_; }

    QLocale locale_;
    QDateTime now_{QDate(2026, 12, 8), QTime(14, 5, 9)};

    // What was shown: plain messages and error box texts (as shown, with the
    // full stop), in order.
    QStringList messages;
    QStringList errors;
    QStringList dialogCaptions; // captions of file dialogs, in order
    QStringList dialogFilters;
    QStringList dialogSuffixes; // empty for an open dialog
    QList<QUrl> urls;
    QStringList dialogNames; // the name an export dialog starts on
    QStringList questions;   // asked, in order, by ask and askYesNo
    // Answers to askYesNo, in order; an empty queue answers Yes.
    std::deque<bool> yesAnswers;
    // Answers to ask; an empty queue says "Non".
    std::deque<bool> answers;

    // Answers: file names for the next file dialogs ("" cancels); an empty
    // queue cancels.
    std::deque<QString> fileAnswers;
    // Print dialog: when set, the printer is pointed at this PDF file and the
    // dialog is accepted; when empty, the dialog is cancelled.
    QString printToPdf;
    int printDialogs = 0;
    // Called when a message or error box is shown (after recording it).
    std::function<void(const QString &)> onBox;

    void clear();

private:
    // Records a file dialog and gives the next answer.
    QString fileDialog(const QString &caption, const QString &filter, const QString &defaultSuffix);

    ui::Platform *previous_ = nullptr;
};

} // namespace trovanta::test
