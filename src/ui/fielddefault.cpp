#include "ui/fielddefault.h"

#include "ui/typedlimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTranslator>

#include <array>
#include <functional>
#include <memory>

namespace trovanta::ui {

namespace {

// A text as written and in each of the program's translations, so that a
// default filled in under another language is still known as the default.
bool isInSomeLanguage(const QString &text, const Source &s)
{
    static std::array<std::unique_ptr<QTranslator>, 3> translators;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        const char *const codes[] = {"fr", "de", "en"};
        for (std::size_t i = 0; i < translators.size(); ++i) {
            auto t = std::make_unique<QTranslator>();
            if (t->load(QStringLiteral(":/i18n/trovanta_%1.qm").arg(QLatin1String(codes[i]))))
                translators[i] = std::move(t);
        }
    }
    if (text == QString::fromUtf8(s.text))
        return true;
    for (const auto &t : translators)
        if (t && t->translate(s.context, s.text) == text)
            return true;
    return false;
}

void show(QWidget *field, const std::vector<Source> &defaults, const QString &now,
          const std::function<void(const QString &)> &set)
{
    for (const Source &d : defaults)
        if (isInSomeLanguage(now, d)) {
            if (const QString shown = translated(d); shown != now) {
                // A change of language is no edit: nothing that watches the
                // field's edits hears of it.
                const QSignalBlocker quiet(field);
                set(shown);
            }
            return;
        }
}

} // namespace

void showDefault(QLineEdit *field, const std::vector<Source> &defaults)
{
    show(field, defaults, field->text(), [field](const QString &t) { setFieldText(field, t); });
}

void keepDefaults(QLineEdit *field, std::vector<Source> defaults)
{
    QObject::connect(&languageHub(), &LanguageHub::changed, field,
                     [field, defaults = std::move(defaults)] { showDefault(field, defaults); });
}

void keepDefaults(QPlainTextEdit *field, std::vector<Source> defaults)
{
    QObject::connect(&languageHub(), &LanguageHub::changed, field, [field, defaults = std::move(defaults)] {
        show(field, defaults, field->toPlainText(), [field](const QString &t) { field->setPlainText(t); });
    });
}

} // namespace trovanta::ui
