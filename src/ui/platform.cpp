#include "ui/platform.h"

#include "calc/error.h"
#include "calc/product.h"
#include "ui/language.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>

namespace trovanta::ui {

Platform::~Platform() = default;

void reportSaveFailure(QWidget *parent, const QString &message, bool terminating)
{
    if (terminating)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    else
        platform().showMessage(parent, message);
}

void Platform::showMessage(QWidget *parent, const QString &text) { messageBox(parent, shownMessage(text)); }

void Platform::showError(QWidget *parent, const QString &message)
{
    errorBox(parent, QString::fromStdString(withFullStop(shownMessage(message).toStdString())));
}

void Platform::messageBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(product::ApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

void Platform::errorBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(product::ApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool Platform::ask(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(product::ApplicationTitle), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(translated(tx("Platform", "Oui")));
    box.button(QMessageBox::No)->setText(translated(tx("Platform", "Non")));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString Platform::getOpenFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    QFileDialog dlg(parent, caption, QString(), filter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setOption(QFileDialog::HideNameFilterDetails); // the filter reads as its name alone
    dlg.setFileMode(QFileDialog::AnyFile); // the typed name need not exist
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString Platform::getSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                  const QString &defaultSuffix)
{
    QFileDialog dlg(parent, caption, QString(), filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    dlg.setDefaultSuffix(defaultSuffix);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString Platform::getExportFileName(QWidget *parent, const QString &caption, const QString &filter,
                                    const QString &initialName)
{
    QFileDialog dlg(parent, caption, QString(), filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    // The suffix follows the chosen format: "(*.svg)" gives "svg".
    auto suffixOf = [](const QString &f) {
        const qsizetype star = f.indexOf(QLatin1String("*."));
        return star < 0 ? QString() : f.mid(star + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0);
    };
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg,
                     [&dlg, suffixOf](const QString &f) { dlg.setDefaultSuffix(suffixOf(f)); });
    dlg.setDefaultSuffix(suffixOf(filter.section(QLatin1String(";;"), 0, 0)));
    dlg.selectFile(initialName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

bool Platform::askYesNo(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(product::ApplicationTitle), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool Platform::execPrintDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dlg(&printer, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(300);
    return true;
}

void Platform::openUrl(const QUrl &url) { QDesktopServices::openUrl(url); }

QLocale Platform::locale() const { return QLocale::system(); }

QDateTime Platform::now() const { return QDateTime::currentDateTime(); }

namespace {
Platform realPlatform;
Platform *current = nullptr;
} // namespace

Platform &platform() { return current ? *current : realPlatform; }

void setPlatform(Platform *p) { current = p; }

char decimalSeparator()
{
    const QString dp = platform().locale().decimalPoint();
    // The number text works in single bytes; a separator outside ASCII falls
    // back to the dot.
    if (dp.size() == 1 && dp.at(0).unicode() < 0x80)
        return static_cast<char>(dp.at(0).unicode());
    return '.';
}

QString localDecimal(const char *commaText)
{
    QString t = QString::fromLatin1(commaText);
    t.replace(QLatin1Char(','), QLatin1Char(decimalSeparator()));
    return t;
}

} // namespace trovanta::ui
