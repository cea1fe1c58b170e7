#include "languages.h"
#include "window_driver.h"

#include "ui/converters.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;
using trovanta::ui::ConverterWindow;

namespace {

struct Design {
    const char *form;
    std::function<std::unique_ptr<ConverterWindow>()> make;
    const char *editA, *panelA, *editB, *panelB;
    const char *arrowA, *unitA, *arrowB, *unitB; // captions beside edit and panel
    const char *valueA, *valueB;                 // edits at start
    const char *firstA, *firstB;                 // panels on first show, comma locale
};

template <class T> std::unique_ptr<ConverterWindow> make() { return std::make_unique<T>(); }

const std::vector<Design> designs = {
    {"Form3", make<TForm3>, "Edit_PS", "Panel_kW", "Edit_kW", "Panel_PS", "Cv -->", "kW", "kW -->", "Cv", "50",
     "50", "36,76", "68,00"},
    {"Form4", make<TForm4>, "Edit_kmh", "Panel_mph", "Edit_mph", "Panel_kmh", "km/h -->", "Mph", "Mph -->", "km/h",
     "50", "50", "31,08", "80,45"},
    {"Form10", make<TForm10>, "Edit_cm", "Panel_zoll", "Edit_zoll", "Panel_cm", "cm -->", "Pouce", "Pouce -->",
     "cm", "10", "17", "3,94", "43,18"},
};

// One converter window with its controls found by their names.
struct Converter {
    explicit Converter(const Design &d) : w(d.make())
    {
        editA = w->findChild<QLineEdit *>(QString::fromLatin1(d.editA));
        editB = w->findChild<QLineEdit *>(QString::fromLatin1(d.editB));
        panelA = w->findChild<QLabel *>(QString::fromLatin1(d.panelA));
        panelB = w->findChild<QLabel *>(QString::fromLatin1(d.panelB));
    }
    std::unique_ptr<ConverterWindow> w;
    QLineEdit *editA, *editB;
    QLabel *panelA, *panelB;

    QStringList panels() const { return {panelA->text(), panelB->text()}; }
};

class Converters : public RegisteredMainWindowTest {};

} // namespace

TEST_F(Converters, ShowingConvertsTheRowsAsTheyStand)
{
    for (const Design &d : designs) {
        SCOPED_TRACE(d.form);
        Converter c(d);
        ASSERT_TRUE(c.editA && c.editB && c.panelA && c.panelB);
        EXPECT_EQ(c.editA->text(), d.valueA);
        EXPECT_EQ(c.editB->text(), d.valueB);
        const QString captions[4][2] = {{d.editA, d.arrowA}, {d.panelA, d.unitA},
                                        {d.editB, d.arrowB}, {d.panelB, d.unitB}};
        for (const auto &[field, caption] : captions) {
            const auto *l = c.w->findChild<QLabel *>(QStringLiteral("Label_") + field);
            ASSERT_NE(l, nullptr) << field.toStdString();
            EXPECT_EQ(l->text(), caption);
        }
        EXPECT_EQ(c.panels(), QStringList({"", ""})) << "nothing converted before the window is shown";

        c.w->show();
        EXPECT_EQ(c.panels(), QStringList({d.firstA, d.firstB}));

        // Shown again, the panels follow the edits, whatever they held.
        c.w->hide();
        c.panelA->setText(QStringLiteral("?"));
        c.panelB->setText(QStringLiteral("?"));
        c.w->show();
        EXPECT_EQ(c.panels(), QStringList({d.firstA, d.firstB}));
        EXPECT_TRUE(platform.errors.isEmpty());
    }
}

TEST_F(Converters, DotLocaleReadsAndWritesDots)
{
    platform.locale_ = QLocale(QLocale::English, QLocale::UnitedStates);
    Converter c(designs[2]);
    c.w->show();
    EXPECT_EQ(c.panels(), QStringList({"3.94", "43.18"}));
    retype(c.editA, QStringLiteral("2.54"));
    EXPECT_EQ(c.panelA->text(), "1.00");
}

TEST_F(Converters, EveryKeystrokeConverts)
{
    struct Step {
        int design;
        bool rowA;
        const char *typed;
        const char *panel; // the row's panel afterwards
    };
    const Step steps[] = {
        {0, true, "100", "73,53"},     {0, false, "0", "0,00"},      {1, false, "100", "160,90"},
        {1, true, "-16,09", "-10,00"}, {2, true, "2,54", "1,00"},    {2, false, "1000000", "2,54E06"},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.typed);
        Converter c(designs[static_cast<size_t>(s.design)]);
        c.w->show();
        QLineEdit *edit = s.rowA ? c.editA : c.editB;
        QLabel *panel = s.rowA ? c.panelA : c.panelB;
        QLabel *other = s.rowA ? c.panelB : c.panelA;
        const QString otherBefore = other->text();
        // Halfway texts such as a lone minus sign go to the error box; the
        // last keystroke makes the number.
        const QString typed = utf8(s.typed);
        if (typed.size() > 1)
            retype(edit, typed.chopped(1));
        platform.clear();
        if (typed.size() > 1)
            type(edit, typed.right(1));
        else
            retype(edit, typed);
        EXPECT_EQ(panel->text(), s.panel);
        EXPECT_EQ(other->text(), otherBefore);
        EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    }
}

TEST_F(Converters, AnEmptyEditStopsBothRows)
{
    for (const Design &d : designs) {
        SCOPED_TRACE(d.form);
        Converter c(d);
        c.w->show();
        c.editB->clear();
        EXPECT_EQ(c.panels(), QStringList({d.firstA, d.firstB}));
        // Row A has a value, but row B's empty edit stops the conversion.
        type(c.editA, QStringLiteral("7"));
        EXPECT_EQ(c.panels(), QStringList({d.firstA, d.firstB}));
        c.editA->clear();
        type(c.editB, QStringLiteral("7"));
        EXPECT_EQ(c.panels(), QStringList({d.firstA, d.firstB}));
        EXPECT_TRUE(platform.errors.isEmpty());
    }
}

TEST_F(Converters, ABadTextGoesToTheErrorBoxAndKeepsThePanelsItDidNotReach)
{
    for (const Design &d : designs) {
        SCOPED_TRACE(d.form);
        Converter c(d);
        c.w->show();
        platform.clear();

        // A bad first row stops before either panel.
        c.editA->setText(QStringLiteral("-"));
        EXPECT_EQ(platform.errors, QStringList({utf8("'-' ist kein gültiger Gleitkommawert.")}));
        EXPECT_EQ(c.panels(), QStringList({d.firstA, d.firstB}));

        // A bad second row still converts the first.
        c.editA->setText(QStringLiteral("1"));
        platform.clear();
        c.editB->setText(QStringLiteral("5a"));
        c.editA->setText(QStringLiteral("0"));
        EXPECT_EQ(platform.errors, QStringList({utf8("'5a' ist kein gültiger Gleitkommawert."),
                                               utf8("'5a' ist kein gültiger Gleitkommawert.")}));
        EXPECT_EQ(c.panels(), QStringList({"0,00", d.firstB}));

        // Closed and shown again with the bad text, the box comes again.
        c.w->close();
        platform.clear();
        c.w->show();
        EXPECT_EQ(platform.errors.size(), 1);
        EXPECT_TRUE(c.w->isVisible()) << "the window stays usable";
    }
}

TEST_F(Converters, EnterInAnEditDoesNotCloseTheWindow)
{
    Converter c(designs[0]);
    c.w->show();
    w->Button_BerechnenClick();
    key(c.editA, Qt::Key_Return);
    EXPECT_TRUE(c.w->isVisible());
    EXPECT_TRUE(w->PaintBox1->diagram());
}

// Switched while a converter stands: its title and units speak the chosen
// language, and so does the box for a text that is no number.
TEST_F(Converters, CaptionsAndMessagesFollowTheLanguage)
{
    const struct {
        ui::Language language;
        const char *title, *unit, *error;
    } cases[] = {
        {ui::Language::French, "Métrique Pouce", "Pouce", "'x' n'est pas un nombre décimal valide."},
        {ui::Language::German, "Metrisch Zoll", "Zoll", "'x' ist kein gültiger Gleitkommawert."},
        {ui::Language::English, "Metric inch", "inch", "'x' is not a valid decimal number."},
    };
    Converter c(designs[2]);
    c.w->show();
    BackToOriginal back;
    for (const auto &k : cases) {
        SCOPED_TRACE(k.title);
        switchTo(k.language);
        EXPECT_EQ(c.w->windowTitle(), utf8(k.title));
        EXPECT_EQ(c.w->findChild<QLabel *>("Label_Panel_zoll")->text(), utf8(k.unit));
        platform.clear();
        retype(c.editA, QStringLiteral("x"));
        EXPECT_EQ(platform.errors, QStringList{utf8(k.error)});
        retype(c.editA, QStringLiteral("10"));
    }
}
