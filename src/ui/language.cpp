#include "ui/language.h"

#include "calc/messages.h"
#include "files/dynofile.h"
#include "files/fileerror.h"
#include "files/loggerfile.h"
#include "print/messages.h"
#include "ui/backgroundjob.h"
#include "ui/platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include <memory>
#include <optional>

namespace trovanta::ui {

namespace {

Language chosen = Language::System;
Texts shown = Texts::Original;

// The program's translation and Qt's, installed while a language other than
// the original texts is chosen; owned here so that a switch replaces them.
std::unique_ptr<QTranslator> &programTranslator()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}
std::unique_ptr<QTranslator> &qtTranslator()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

// "fr-FR" and "fr_FR" alike.
QString languageCode(const QString &uiLanguage) { return uiLanguage.left(2).toLower(); }

const char *codeOf(Texts t)
{
    switch (t) {
    case Texts::French:
        return "fr";
    case Texts::German:
        return "de";
    case Texts::English:
        return "en";
    case Texts::Original:
        break;
    }
    return nullptr;
}

void replace(std::unique_ptr<QTranslator> &slot, std::unique_ptr<QTranslator> next)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

// Every pattern of the messages the windows show from calc/, files/ and
// print/, so that a finished message can be taken back to its pattern.
const char *const Patterns[] = {
    msg::DivisionByZero,
    msg::InvalidOperation,
    msg::Overflow,
    msg::NotInteger,
    msg::NotFloat,
    chain::msg::GuardedFailure,
    chain::msg::NoAxleDistance,
    calibration::msg::NotEnoughPoints,
    files::msg::FileNotFound,
    files::msg::AccessDenied,
    files::msg::InvalidFileName,
    files::msg::TooManyOpenFiles,
    files::msg::IoError,
    files::msg::CannotWriteTo,
    files::msg::CannotCreate,
    files::msg::NotGearFile,
    files::msg::MissingMarks,
    files::msg::NotOrdinaryFile,
    files::msg::NoLoggerColumns,
    files::msg::NoDynoColumns,
    files::msg::UnknownDynoUnit,
    files::msg::NoTorqueCurve,
    print::msg::GearSheetFailure,
    print::msg::PrinterCheck,
    IniFailure,
    OutOfMemory,
};

// The text a finished message holds in place of a pattern's "%s" or "%d";
// nothing when it was not made from `pattern`.
std::optional<QString> argumentOf(const QString &message, const QString &pattern)
{
    for (const char *ph : {"%s", "%d"}) {
        const int at = pattern.indexOf(QLatin1String(ph));
        if (at < 0)
            continue;
        const QString before = pattern.left(at), after = pattern.mid(at + 2);
        if (message.size() >= before.size() + after.size() && message.startsWith(before) && message.endsWith(after))
            return message.mid(before.size(), message.size() - before.size() - after.size());
        return std::nullopt;
    }
    if (message == pattern)
        return QString();
    return std::nullopt;
}

} // namespace

Texts textsFor(Language choice, const QStringList &systemUiLanguages)
{
    switch (choice) {
    case Language::Original:
        return Texts::Original;
    case Language::French:
        return Texts::French;
    case Language::German:
        return Texts::German;
    case Language::English:
        return Texts::English;
    case Language::System:
        break;
    }
    const QString first = systemUiLanguages.isEmpty() ? QString() : languageCode(systemUiLanguages.first());
    return first == QLatin1String("fr") || first == QLatin1String("de") ? Texts::Original : Texts::English;
}

Language currentLanguage() { return chosen; }
Texts currentTexts() { return shown; }

LanguageHub &languageHub()
{
    static auto *hub = new LanguageHub(QCoreApplication::instance());
    return *hub;
}

void setLanguage(Language choice) { setLanguage(choice, platform().locale().uiLanguages()); }

void setLanguage(Language choice, const QStringList &systemUiLanguages)
{
    const Texts texts = textsFor(choice, systemUiLanguages);
    // Qt's dialogs speak the language of the texts; with the original ones,
    // the system's (the original texts are French and German).
    const QString qtCode = codeOf(texts) ? QString::fromLatin1(codeOf(texts))
                                         : (systemUiLanguages.isEmpty() ? QString()
                                                                        : languageCode(systemUiLanguages.first()));
    chosen = choice;
    static std::optional<QString> qtShown; // none until the first choice
    if (texts == shown && qtShown == qtCode)
        return;
    shown = texts;
    qtShown = qtCode;

    std::unique_ptr<QTranslator> program;
    if (const char *code = codeOf(texts)) {
        program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/i18n/trovanta_%1.qm").arg(QLatin1String(code))))
            program.reset();
    }
    std::unique_ptr<QTranslator> qt;
    if (!qtCode.isEmpty()) {
        qt = std::make_unique<QTranslator>();
        if (!qt->load(QStringLiteral("qtbase_") + qtCode, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
    }
    replace(qtTranslator(), std::move(qt));
    replace(programTranslator(), std::move(program));
    emit languageHub().changed();
}

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

QString translated(const Source &s) { return s.isNull() ? QString() : translated(s.context, s.text); }

void keepTranslated(QObject *owner, const Source &s, std::function<void(const QString &)> apply)
{
    apply(translated(s));
    QObject::connect(&languageHub(), &LanguageHub::changed, owner, [s, apply] { apply(translated(s)); });
}

void keepTranslated(QObject *owner, std::function<void()> fn)
{
    fn();
    QObject::connect(&languageHub(), &LanguageHub::changed, owner, fn);
}

void keepText(QLabel *label, const Source &s, bool autoSize)
{
    keepTranslated(label, s, [label, autoSize](const QString &t) {
        label->setText(t);
        if (autoSize)
            label->adjustSize();
    });
}

void keepText(QAbstractButton *button, const Source &s)
{
    keepTranslated(button, s, [button](const QString &t) { button->setText(t); });
}

void keepText(QAction *action, const Source &s)
{
    keepTranslated(action, s, [action](const QString &t) { action->setText(t); });
}

void keepTitle(QGroupBox *box, const Source &s)
{
    keepTranslated(box, s, [box](const QString &t) { box->setTitle(t); });
}

void keepTitle(QMenu *menu, const Source &s)
{
    keepTranslated(menu, s, [menu](const QString &t) { menu->setTitle(t); });
}

void keepWindowTitle(QWidget *window, const Source &s)
{
    keepTranslated(window, s, [window](const QString &t) { window->setWindowTitle(t); });
}

void keepToolTip(QWidget *widget, const Source &s)
{
    keepTranslated(widget, s, [widget](const QString &t) { widget->setToolTip(t); });
}

QString message(const char *pattern) { return translated(MessagesContext, pattern); }

QString shownMessage(const QString &text)
{
    if (shown == Texts::Original)
        return text;
    // A note or box may have given a pattern without one its full stop.
    const bool stop = text.endsWith(QLatin1Char('.'));
    for (const QString &candidate : {text, stop ? text.chopped(1) : QString()}) {
        for (const char *p : Patterns) {
            const auto arg = candidate.isEmpty() ? std::nullopt : argumentOf(candidate, QString::fromUtf8(p));
            if (!arg)
                continue;
            QString out = message(p);
            for (const char *ph : {"%s", "%d"})
                if (const int at = out.indexOf(QLatin1String(ph)); at >= 0) {
                    out.replace(at, 2, *arg);
                    break;
                }
            return candidate.size() == text.size() || out.endsWith(QLatin1Char('.')) ? out : out + QLatin1Char('.');
        }
    }
    return text;
}

QString shownMessage(const std::string &utf8Message) { return shownMessage(QString::fromStdString(utf8Message)); }

} // namespace trovanta::ui
