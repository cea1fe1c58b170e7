#pragma once
// The language the program speaks. Its own texts are the original ones, a
// mix of French and German; the translations in translations/*.ts put them
// wholly into French, German or English, and Qt's own dialogs follow with
// Qt's translation of the same language. A change takes effect at once:
// texts kept with keepTranslated() are set again right away, and every
// window receives QEvent::LanguageChange for what it writes itself.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QWidget;

namespace trovanta::ui {

// What the rider chose in "&Langue / Language".
enum class Language { System, Original, French, German, English };
// What the program then shows.
enum class Texts { Original, French, German, English };

// System: a system whose first UI language is French or German keeps the
// original texts, any other gets English.
Texts textsFor(Language choice, const QStringList &systemUiLanguages);

Language currentLanguage();
Texts currentTexts();
// Installs the translations of `choice` (for a system speaking
// `systemUiLanguages`, the platform's when left out) and retranslates.
void setLanguage(Language choice);
void setLanguage(Language choice, const QStringList &systemUiLanguages);

class LanguageHub : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    // After the translators changed, before the windows' LanguageChange.
    void changed();
};
LanguageHub &languageHub();

// A text of the program in its source language and the context it is
// translated in. lupdate reads tx("Context", "text") as a translatable
// text, so a table of them is found like tr() calls.
struct Source {
    const char *context = nullptr;
    const char *text = nullptr;
    bool isNull() const { return text == nullptr; }
};
constexpr Source tx(const char *context, const char *text) { return Source{context, text}; }

// The text in the present language (UTF-8 source).
QString translated(const Source &s);
QString translated(const char *context, const char *text);

// Calls `apply` with the text now and after every change of language, as
// long as `owner` lives.
void keepTranslated(QObject *owner, const Source &s, std::function<void(const QString &)> apply);
// Calls `fn` now and after every change of language, as long as `owner` lives.
void keepTranslated(QObject *owner, std::function<void()> fn);
void keepText(QLabel *label, const Source &s, bool autoSize = false);
void keepText(QAbstractButton *button, const Source &s);
void keepText(QAction *action, const Source &s);
void keepTitle(QGroupBox *box, const Source &s);
void keepTitle(QMenu *menu, const Source &s);
void keepWindowTitle(QWidget *window, const Source &s);
void keepToolTip(QWidget *widget, const Source &s);

// The context of the messages of calc/, files/ and print/.
inline constexpr const char *MessagesContext = "Messages";
// A message of calc/, files/ or print/ (a pattern of a messages.h) in the
// present language.
QString message(const char *pattern);
// A whole message the program made from one of those patterns (an Error's
// text, perhaps with a full stop added), in the present language; a text
// made from none stays as it is.
QString shownMessage(const std::string &utf8Message);
QString shownMessage(const QString &message);

} // namespace trovanta::ui
