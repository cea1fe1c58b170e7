#include "ui/fielddefault.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <functional>
#include <memory>

namespace trovanta::ui {

namespace {

QStringList translations(const std::vector<Source> &defaults)
{
    QStringList out;
    for (const Source &s : defaults)
        out << translated(s);
    return out;
}

void keep(QWidget *field, std::vector<Source> defaults, std::function<QString()> get,
          std::function<void(const QString &)> set)
{
    // The defaults as they were last shown: the field is compared with the
    // texts of the language it was filled in.
    auto shown = std::make_shared<QStringList>(translations(defaults));
    QObject::connect(&languageHub(), &LanguageHub::changed, field, [=] {
        const QStringList now = translations(defaults);
        const qsizetype i = shown->indexOf(get());
        if (i >= 0 && now[i] != (*shown)[i]) {
            // A change of language is no edit: nothing that watches the
            // field's edits hears of it.
            const QSignalBlocker quiet(field);
            set(now[i]);
        }
        *shown = now;
    });
}

} // namespace

void keepDefaults(QLineEdit *field, std::vector<Source> defaults)
{
    keep(field, std::move(defaults), [field] { return field->text(); },
         [field](const QString &t) { field->setText(t); });
}

void keepDefaults(QPlainTextEdit *field, std::vector<Source> defaults)
{
    keep(field, std::move(defaults), [field] { return field->toPlainText(); },
         [field](const QString &t) { field->setPlainText(t); });
}

} // namespace trovanta::ui
