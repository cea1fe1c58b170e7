// The language the program speaks: what "Système" picks, the choice kept in
// options.ini, and the messages of the calculation and file layers shown
// in the chosen language with their arguments.

#include "window_driver.h"

#include "support/files.h"
#include "ui/language.h"
#include "ui/options.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::test;
using ui::Language;
using ui::Texts;

namespace {

TEST(LanguageChoice, SystemKeepsTheOriginalTextsForFrenchAndGermanOnlyAndTheRestIsAsChosen)
{
    const struct {
        Language choice;
        QStringList system;
        Texts texts;
    } cases[] = {
        {Language::System, {"fr-FR", "en-US"}, Texts::Original},
        {Language::System, {"de_AT"}, Texts::Original},
        {Language::System, {"fr-CA"}, Texts::Original},
        {Language::System, {"en-GB", "de-DE"}, Texts::English},
        {Language::System, {"es-ES"}, Texts::English},
        {Language::System, {}, Texts::English},
        {Language::Original, {"en-US"}, Texts::Original},
        {Language::French, {"de-DE"}, Texts::French},
        {Language::German, {"fr-FR"}, Texts::German},
        {Language::English, {"fr-FR"}, Texts::English},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::textsFor(c.choice, c.system), c.texts) << c.system.join(',').toStdString();
}

class LanguageMessages : public ::testing::Test {
protected:
    ~LanguageMessages() override { ui::setLanguage(Language::Original, {"de-DE"}); }
    FakePlatform platform;
};

// A finished message goes back to its pattern, and its argument into the
// translation; a text made from no pattern stays as it is.
TEST_F(LanguageMessages, FinishedMessagesShowTranslatedWithTheirArguments)
{
    const struct {
        Language language;
        const char *message, *shown;
    } cases[] = {
        {Language::English, "'1,2x' ist kein gültiger Gleitkommawert", "'1,2x' is not a valid decimal number"},
        {Language::English, "nach /tmp/a b kann nicht geschrieben werden", "cannot write to /tmp/a b"},
        {Language::English, "E/A-Fehler 28", "I/O error 28"},
        {Language::English, "Division durch 0.", "Division by 0."},
        // A full stop given to a pattern that has none stays after the translation.
        {Language::English, "E/A-Fehler 28.", "I/O error 28."},
        {Language::German, "Unité inconnue dans ce fichier : « rpm ».", "Unbekannte Einheit in dieser Datei: „rpm“."},
        {Language::English, "Kein Muster", "Kein Muster"},
        {Language::French, "Datei nicht gefunden", "Fichier introuvable"},
        {Language::French, "Ce n'est pas un fichier ordinaire.", "Ce n'est pas un fichier ordinaire."},
        {Language::German, "Ce n'est pas un fichier ordinaire.", "Das ist keine gewöhnliche Datei."},
        {Language::German, "Datei nicht gefunden", "Datei nicht gefunden"},
        {Language::Original, "Datei nicht gefunden", "Datei nicht gefunden"},
    };
    for (const auto &c : cases) {
        ui::setLanguage(c.language, {"de-DE"});
        EXPECT_EQ(ui::shownMessage(std::string(c.message)), QString::fromUtf8(c.shown)) << c.message;
    }
    // The error box appends its full stop to the translation.
    ui::setLanguage(Language::English, {"de-DE"});
    ui::platform().showError(nullptr, QStringLiteral("Datei nicht gefunden"));
    ui::platform().showMessage(nullptr, QString::fromUtf8("Fehler bei Ini-Erstellung."));
    EXPECT_EQ(platform.errors, QStringList{QStringLiteral("File not found.")});
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("Error while writing the ini file.")});
}

// The original texts leave Qt's dialogs to the system's language, from the
// very first choice on.
TEST_F(LanguageMessages, QtsDialogsSpeakTheSystemsLanguageWithTheOriginalTexts)
{
    const struct {
        Language language;
        const char *system, *cancel;
    } cases[] = {
        {Language::System, "fr-FR", "Annuler"},
        {Language::Original, "de-DE", "Abbrechen"},
        {Language::System, "en-US", "Cancel"},
    };
    for (const auto &c : cases) {
        ui::setLanguage(c.language, {QString::fromLatin1(c.system)});
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QString::fromLatin1(c.cancel)) << c.system;
    }
}

class LanguageMenu : public MainWindowTest {
protected:
    ~LanguageMenu() override { ui::setLanguage(Language::Original); }
};

// The entries are exclusive, keep their own names in every language, and
// the choice is written to options.ini and read at the next start.
TEST_F(LanguageMenu, TheChoiceIsExclusiveNamedInItsOwnLanguageAndKept)
{
    const char *const names[] = {"LangueSysteme", "LangueOriginal", "LangueFrancais", "LangueDeutsch",
                                 "LangueEnglish"};
    QStringList before;
    for (const char *n : names)
        before << menuAction(*w, n)->text();
    EXPECT_EQ(before.join('|'), QString::fromUtf8("Système / System|Original|Français|Deutsch|English"));
    EXPECT_TRUE(menuAction(*w, "LangueSysteme")->isChecked());

    menuAction(*w, "LangueEnglish")->trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ui::currentLanguage(), Language::English);
    QStringList after;
    for (const char *n : names) {
        after << menuAction(*w, n)->text();
        EXPECT_EQ(menuAction(*w, n)->isChecked(), QByteArray(n) == "LangueEnglish") << n;
    }
    EXPECT_EQ(after, before);

    w->Beenden1Click();
    EXPECT_TRUE(profileLines(ui::optionsPath()).contains("Choix=English"));
    ui::setLanguage(Language::Original);
    w.reset();
    startWindow();
    EXPECT_EQ(ui::currentLanguage(), Language::English);
    EXPECT_TRUE(menuAction(*w, "LangueEnglish")->isChecked());
}

} // namespace
