// Under a dark theme (Fusion, dark palette) the program's colours keep their
// light face: the diagrams, the gear colour fields and the coloured tables;
// notes take a red that reads on the dark face.

#include "window_driver.h"

#include "support/dark_palette.h"
#include "ui/comparewindow.h"
#include "ui/labels.h"
#include "ui/theme.h"

#include <QTableWidget>

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::test;

namespace {

struct DarkThemeOn {
    DarkThemeOn() { useDarkTheme(true); }
    ~DarkThemeOn() { useDarkTheme(false); }
};

// The theme is switched on before the windows are built.
class DarkTheme : private DarkThemeOn, public RegisteredMainWindowTest {};

bool light(const QColor &c) { return c.lightness() > 200; }

int lightShare(const QImage &im)
{
    int n = 0;
    for (int y = 0; y < im.height(); y += 3)
        for (int x = 0; x < im.width(); x += 3)
            n += light(im.pixelColor(x, y));
    return 100 * n / (((im.height() + 2) / 3) * ((im.width() + 2) / 3));
}

TEST_F(DarkTheme, TheGearColoursKeepTheirLightFace)
{
    ASSERT_FALSE(light(w->palette().color(QPalette::Window)));
    mouseClick(w->CBRotBereich); // the red zone would hatch a quarter of it
    EXPECT_GT(lightShare(diagram()), 90) << "the main diagram";

    TPanel *const fields[] = {w->Panel3, w->Panel4, w->Panel5, w->Panel6, w->Panel7, w->Panel8,
                              w->P_Vmax1, w->P_Vmax2, w->P_Vmax3, w->P_Vmax4, w->P_Vmax5, w->P_Vmax6};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        SCOPED_TRACE(fields[k]->objectName().toStdString());
        const QImage im = fields[k]->grab().toImage();
        EXPECT_TRUE(light(im.pixelColor(im.width() / 2, 3))) << "its face";
        EXPECT_EQ(fields[k]->palette().color(QPalette::WindowText), ui::GearColours[k % 6]);
    }

    auto *compare = qobject_cast<ui::CompareWindow *>(ui::openAnalysis("CompareWindow"));
    ASSERT_NE(compare, nullptr);
    QApplication::processEvents();
    EXPECT_GT(lightShare(compare->Diagramm->grab().toImage()), 60) << "the comparison's diagram and legend";
    for (const QTableWidget *t : compare->findChildren<QTableWidget *>()) {
        SCOPED_TRACE(t->objectName().toStdString());
        EXPECT_TRUE(light(t->palette().color(QPalette::Base)));
        EXPECT_FALSE(light(t->palette().color(QPalette::Text)));
    }
    // A note stands on the window's dark face.
    const QColor note = compare->L_Hinweis->palette().color(QPalette::WindowText);
    EXPECT_GT(note.lightness() - compare->palette().color(QPalette::Window).lightness(), 60);
    compare->close();
}

// The theme changes while the windows are open: the diagrams, the colour
// fields, the notes, the links and the red button texts follow at once, and
// follow back.
class LiveTheme : public RegisteredMainWindowTest {
protected:
    ~LiveTheme() override { useDarkTheme(false); }
};

TEST_F(LiveTheme, OpenWindowsFollowASwitchBothWays)
{
    mouseClick(w->CBRotBereich);
    auto *compare = qobject_cast<ui::CompareWindow *>(ui::openAnalysis("CompareWindow"));
    ASSERT_NE(compare, nullptr);
    ui::TLinkLabel link(QStringLiteral("https://trovanta.example.org/"));
    QApplication::processEvents();
    const QImage lightDiagram = diagram();

    useDarkTheme(true);
    QApplication::processEvents();
    const int face = w->palette().color(QPalette::Window).lightness();
    ASSERT_LT(face, 100);
    EXPECT_GT(lightShare(diagram()), 90) << "the main diagram";
    const QImage vmax = w->P_Vmax1->grab().toImage();
    EXPECT_TRUE(light(vmax.pixelColor(vmax.width() / 2, 3)));
    EXPECT_EQ(w->P_Vmax1->palette().color(QPalette::WindowText), ui::GearColours[0]);
    EXPECT_GT(lightShare(compare->Diagramm->grab().toImage()), 60) << "the comparison's diagram";
    EXPECT_GT(compare->L_Hinweis->palette().color(QPalette::WindowText).lightness() - face, 60) << "a note";
    EXPECT_GT(link.palette().color(QPalette::WindowText).lightness() - face, 60) << "a link";
    EXPECT_GT(w->Button_Berechnen->palette().color(QPalette::ButtonText).lightness() -
                  w->Button_Berechnen->palette().color(QPalette::Button).lightness(),
              60)
        << "Calculer";

    useDarkTheme(false);
    QApplication::processEvents();
    EXPECT_EQ(compare->L_Hinweis->palette().color(QPalette::WindowText), QColor(176, 0, 0));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(w->Button_Berechnen->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(w->P_Vmax1->palette().color(QPalette::WindowText), ui::GearColours[0]);
    EXPECT_EQ(diagram(), lightDiagram);
    compare->close();
}

} // namespace
