#include "languages.h"
#include "window_driver.h"

#include "calc/product.h"
#include "ui/labels.h"
#include "ui/converters.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

QStringList visiblePages(const TForm5 &f)
{
    QStringList out;
    for (const QTextEdit *e : f.findChildren<QTextEdit *>())
        if (e->isVisible())
            out << e->objectName();
    return out;
}

QStringList lines(const QTextEdit *e) { return e->toPlainText().split(QLatin1Char('\n')); }

class HelpWindows : public RegisteredMainWindowTest {};

// A window built and wired as the program does it.
template <class Form> std::unique_ptr<QDialog> enrolled()
{
    auto f = std::make_unique<Form>();
    ui::enrol(f.get());
    return f;
}

// The converters, the FAQ and the info window, with their close buttons.
struct Window {
    std::function<std::unique_ptr<QDialog>()> make;
    const char *button, *caption;
};
const std::vector<Window> Windows = {
    {enrolled<TForm3>, "Button_Schliessen", "Fermer"},
    {enrolled<TForm4>, "Button_Schliessen", "Fermer"},
    {enrolled<TForm10>, "Button_Schliessen", "Fermer"},
    {enrolled<TForm5>, "Button1", "Hab's gelesen"},
    {enrolled<TForm2>, "Button1", "Fermer"},
};

} // namespace

TEST_F(HelpWindows, TheTopicListChoosesOnePageAtATime)
{
    TForm5 f;
    ui::enrol(&f);
    f.show();
    ASSERT_EQ(f.ComboBox1->count(), 9);
    EXPECT_FALSE(f.ComboBox1->isEditable());
    EXPECT_EQ(f.ComboBox1->maxVisibleItems(), 10);
    EXPECT_EQ(visiblePages(f), QStringList({"RichEdit0"}));
    EXPECT_EQ(f.RichEdit0->toPlainText(), "");

    struct Topic {
        const char *topic, *page, *firstLine;
        bool blankSecondLine;
    };
    const Topic topics[] = {
        {"---Thema wählen---", "RichEdit0", "", false},
        {"Dateneingabe", "RichEdit1", "Dateneingabe:", true},
        {"Öffnen / Speichern", "RichEdit2", "Öffnen:", false},
        {"Drucken", "RichEdit3", "Drucken:", true},
        {"Fehler in der Darstellung", "RichEdit4", "Fehler bei der Darstellung:", true},
        {"Fehler beim Öffnen", "RichEdit5", "Fehler beim Öffnen eines Datensatz:", true},
        {"Fehler beim Drucken", "RichEdit6", "Fehler beim Drucken:", true},
        {"Fehler bei Programmstart", "RichEdit8", "Fehler bei Programmstart:", true},
        {"Hinweise", "RichEdit7", "Allgemeine Hinweise:", true},
    };
    EXPECT_EQ(f.ComboBox1->itemText(0), utf8(topics[0].topic));
    // Down the list with the keyboard, as a rider does.
    for (int i = 1; i < 9; ++i) {
        const Topic &t = topics[i];
        SCOPED_TRACE(t.topic);
        key(f.ComboBox1, Qt::Key_Down);
        ASSERT_EQ(f.ComboBox1->currentIndex(), i);
        EXPECT_EQ(f.ComboBox1->currentText(), utf8(t.topic));
        ASSERT_EQ(visiblePages(f), QStringList({t.page}));
        const QTextEdit *page = f.pageOfTopic(i);
        EXPECT_EQ(page->objectName(), t.page);
        EXPECT_EQ(page->geometry(), QRect(56, 88, 465, 209));
        EXPECT_TRUE(page->isReadOnly());
        const QStringList l = lines(page);
        ASSERT_GE(l.size(), 3);
        EXPECT_EQ(l[0], utf8(t.firstLine));
        EXPECT_EQ(l[1].isEmpty(), t.blankSecondLine) << l[1].toStdString();
        EXPECT_GT(page->toPlainText().count(QLatin1Char('.')), 2) << "a few sentences of help";
    }
    EXPECT_TRUE(f.RichEdit8->toPlainText().contains(utf8("\"1,84 ist kein gültiger Gleitkommawert\"")));
    EXPECT_TRUE(f.RichEdit7->toPlainText().contains(utf8("theoretische")));

    // Back to the first entry: the page area stays empty.
    key(f.ComboBox1, Qt::Key_Home);
    EXPECT_EQ(f.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(visiblePages(f), QStringList());
}

TEST_F(HelpWindows, FaqOpensOnTheFirstTopicWithTheNews)
{
    TForm5 faq;
    ui::enrol(&faq);
    faq.show();
    key(faq.ComboBox1, Qt::Key_Down);
    key(faq.ComboBox1, Qt::Key_Down);
    faq.close();

    QStringList seen;
    int index = -1;
    QTimer::singleShot(0, [&] {
        seen = visiblePages(faq);
        index = faq.ComboBox1->currentIndex();
        faq.reject();
    });
    w->HilfeHinweise1->trigger();
    EXPECT_EQ(index, 0);
    EXPECT_EQ(seen, QStringList({"RichEdit0"}));
    EXPECT_EQ(faq.RichEdit0->geometry(), QRect(56, 88, 465, 209));

    EXPECT_TRUE(faq.Memo1->isReadOnly());
    EXPECT_EQ(faq.Memo1->toPlainText().split('\n'),
              QStringList({utf8("Neu in dieser Version:"),
                           utf8(" - mit Catenolix kann die erforderliche Kettenlänge ermittelt werden;"),
                           utf8(" - mit Pistorel können zusätzliche Informationen gespeichert werden;"), "   ",
                           utf8(" - paar Kleinigkeiten;")}));
}

TEST_F(HelpWindows, LinksOpenTheHomePageAndAMail)
{
    TForm5 faq;
    ui::enrol(&faq);
    TForm2 info;
    ui::enrol(&info);
    faq.show();
    info.show();
    mouseClick(faq.Label47);
    mouseClick(info.Label8);
    mouseClick(info.Label47);
    const QUrl home(utf8(product::HomePage));
    const QUrl mail(utf8("mailto:") + utf8(product::MailAddress) + utf8("?subject=Trovanta"));
    EXPECT_EQ(platform.urls, QList<QUrl>({home, mail, home}));

    EXPECT_EQ(faq.Label47->text(), home.toString());
    EXPECT_EQ(info.Label8->toolTip(), "Email senden");
    EXPECT_TRUE(info.Label47->toolTip().contains(home.toString()));
    EXPECT_TRUE(info.Label2->text().startsWith(utf8("Créé par ")));
    EXPECT_TRUE(info.Label2->font().bold());
    EXPECT_TRUE(info.Label3->text().startsWith(utf8("Traduit en Français par ")));
}

TEST_F(HelpWindows, InfoFromTheMenuOffersItsCloseButton)
{
    TForm2 info;
    ui::enrol(&info);
    EXPECT_TRUE(info.Button1->isHidden());
    w->Button_BerechnenClick();

    bool buttonShown = false;
    QTimer::singleShot(0, [&] {
        buttonShown = info.Button1->isVisible();
        mouseClick(info.Button1);
    });
    w->Info2->trigger(); // returns once the button closed the window
    EXPECT_TRUE(buttonShown);
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(w->PaintBox1->diagram()) << "the picture stays";
}

// The close button and the close box of each window hide it; the main
// window's diagram keeps its picture (the pixels: the diagram test).
TEST_F(HelpWindows, CloseButtonsAndTheCloseBoxHideTheWindowAndLeaveTheDiagram)
{
    for (const Window &win : Windows) {
        std::unique_ptr<QDialog> d = win.make();
        SCOPED_TRACE(d->objectName().toStdString());
        auto *button = d->findChild<QPushButton *>(QString::fromLatin1(win.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), win.caption);
        button->show();
        w->Button_BerechnenClick();
        ASSERT_TRUE(w->PaintBox1->diagram());

        d->show();
        d->close();
        EXPECT_FALSE(d->isVisible());
        EXPECT_TRUE(w->PaintBox1->diagram()) << "the close box leaves the diagram";

        d->show();
        mouseClick(button);
        EXPECT_FALSE(d->isVisible());
        EXPECT_TRUE(w->PaintBox1->diagram());
        EXPECT_TRUE(platform.errors.isEmpty());
    }
}

// The windows in each choice of "&Langue / Language", switched while they stand.
using HelpWindowsInLanguage = InLanguage<HelpWindows>;
INSTANTIATE_TEST_SUITE_P(Languages, HelpWindowsInLanguage, EveryLanguage, languageName);

// Every window carries the logo, and no text is cut off or runs into
// another control.
TEST_P(HelpWindowsInLanguage, TextsFitAndNothingOverlaps)
{
    for (const Window &win : Windows) {
        std::unique_ptr<QDialog> d = win.make();
        SCOPED_TRACE(d->objectName().toStdString());
        switchTo(GetParam());
        d->show();
        auto *logo = d->findChild<QLabel *>(QStringLiteral("Label48"));
        ASSERT_NE(logo, nullptr);
        EXPECT_EQ(logo->text(), "TROVANTA");
        EXPECT_LT(logo->x(), 16);
        EXPECT_LT(logo->y(), 16);
        EXPECT_TRUE(logo->font().bold() && logo->font().italic());
        EXPECT_EQ(logo->palette().color(QPalette::WindowText), QColor(Qt::yellow));

        expectTextsFit(d.get());
        // The frames around the pages and the pages themselves stack by design.
        expectSideBySide(d.get(), d->rect(), {"Bevel1"});
        switchTo(ui::Language::Original);
    }
}

// The help memos keep their hard line breaks: every line fits the memo's
// width and all of them its height, so that nothing wraps or scrolls.
TEST_P(HelpWindowsInLanguage, HelpMemoLinesFitTheirMemo)
{
    TForm8 chainInfo;
    TForm9 raceLogInfo;
    switchTo(GetParam());
    for (QPlainTextEdit *memo : {chainInfo.Memo1, raceLogInfo.Memo1}) {
        SCOPED_TRACE(memo->window()->objectName().toStdString());
        memo->window()->show();
        const QFontMetrics fm(memo->font());
        const int margin = static_cast<int>(memo->document()->documentMargin());
        const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
        EXPECT_GE(lines.size(), 10);
        for (const QString &l : lines)
            EXPECT_LE(fm.horizontalAdvance(l.trimmed()) + 2 * margin, memo->viewport()->width()) << l.toStdString();
        EXPECT_LE(lines.size() * fm.lineSpacing() + 2 * margin, memo->viewport()->height());
    }
}

// Switched with the FAQ open on a topic: the list keeps the topic and
// speaks the language, and so do the page and the button.
TEST_F(HelpWindows, TheFaqFollowsALanguageSwitchOnTheTopicShown)
{
    const struct {
        ui::Language language;
        const char *topic, *heading, *button;
    } cases[] = {
        {ui::Language::French, "Erreur au démarrage", "Erreur au démarrage :", "J'ai lu"},
        {ui::Language::German, "Fehler bei Programmstart", "Fehler bei Programmstart:", "Hab's gelesen"},
        {ui::Language::English, "Errors at start-up", "Errors at start-up:", "Got it"},
    };
    TForm5 faq;
    ui::enrol(&faq);
    faq.show();
    faq.ComboBox1->setCurrentIndex(7);
    faq.ComboBox1Change();
    BackToOriginal back;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.topic);
        switchTo(c.language);
        EXPECT_EQ(faq.ComboBox1->currentText(), utf8(c.topic));
        EXPECT_EQ(visiblePages(faq), QStringList({"RichEdit8"}));
        EXPECT_EQ(lines(faq.RichEdit8).value(0), utf8(c.heading));
        EXPECT_EQ(faq.Button1->text(), utf8(c.button));
    }
}
