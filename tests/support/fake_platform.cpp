#include "support/fake_platform.h"

#include "calc/error.h"

namespace trovanta::test {

namespace {
ui::Platform *installed = nullptr;
}

FakePlatform::FakePlatform(QLocale locale) : locale_(std::move(locale))
{
    previous_ = installed;
    installed = this;
    ui::setPlatform(this);
}

FakePlatform::~FakePlatform()
{
    installed = previous_;
    ui::setPlatform(previous_);
}

void FakePlatform::messageBox(QWidget *, const QString &text)
{
    messages << text;
    if (onBox)
        onBox(text);
}

void FakePlatform::errorBox(QWidget *, const QString &shown)
{
    errors << shown;
    if (onBox)
        onBox(shown);
}

bool FakePlatform::ask(QWidget *, const QString &question)
{
    questions << question;
    if (onBox)
        onBox(question);
    if (answers.empty())
        return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

QString FakePlatform::getOpenFileName(QWidget *, const QString &caption, const QString &filter)
{
    return fileDialog(caption, filter, QString());
}

QString FakePlatform::getSaveFileName(QWidget *, const QString &caption, const QString &filter,
                                      const QString &defaultSuffix)
{
    return fileDialog(caption, filter, defaultSuffix);
}

QString FakePlatform::getExportFileName(QWidget *, const QString &caption, const QString &filter,
                                        const QString &initialName)
{
    dialogNames << initialName;
    return fileDialog(caption, filter, QString());
}

bool FakePlatform::askYesNo(QWidget *, const QString &question)
{
    questions << question;
    if (onBox)
        onBox(question);
    if (yesAnswers.empty())
        return true;
    const bool yes = yesAnswers.front();
    yesAnswers.pop_front();
    return yes;
}

QString FakePlatform::fileDialog(const QString &caption, const QString &filter, const QString &defaultSuffix)
{
    dialogCaptions << caption;
    dialogFilters << filter;
    dialogSuffixes << defaultSuffix;
    if (fileAnswers.empty())
        return QString();
    QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

bool FakePlatform::execPrintDialog(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    printer.setResolution(300);
    return true;
}

void FakePlatform::openUrl(const QUrl &url) { urls << url; }

void FakePlatform::clear()
{
    messages.clear();
    errors.clear();
    dialogCaptions.clear();
    dialogFilters.clear();
    dialogSuffixes.clear();
    urls.clear();
    dialogNames.clear();
    questions.clear();
}

} // namespace trovanta::test
