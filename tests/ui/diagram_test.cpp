#include "window_driver.h"

#include "ui/converters.h"
#include "ui/diagram.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;
using trovanta::ui::ZeroSpeedY;

namespace {

const QColor Aqua(0, 255, 255), Maroon(128, 0, 0), Black(0, 0, 0), Green(0, 128, 0), Yellow(255, 255, 0),
    Lime(0, 255, 0), Red(255, 0, 0), White(255, 255, 255);

int count(const QImage &im, const QColor &c, QRect area = QRect())
{
    if (area.isNull())
        area = im.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += im.pixelColor(x, y) == c;
    return n;
}

struct Pixel {
    int x, y;
    QColor colour; // invalid: the background
};

} // namespace

class Diagram : public MainWindowTest {
protected:
    QColor background() const { return w->PaintBox1->palette().color(QPalette::Window); }

    void expectPixels(const QImage &im, const std::vector<Pixel> &pixels)
    {
        for (const Pixel &p : pixels) {
            const QColor want = p.colour.isValid() ? p.colour : background();
            EXPECT_EQ(im.pixelColor(p.x, p.y), want) << "at (" << p.x << ", " << p.y << ")";
        }
    }
};

TEST_F(Diagram, DefaultGearSetAtTheReferencePixels)
{
    // Without the red zone, whose outline covers the right-hand column.
    mouseClick(w->CBRotBereich);
    const QImage im = diagram();
    ASSERT_EQ(im.size(), QSize(571, 351));
    expectPixels(im, {
                         // gear lines 1 to 3 end at x = 570
                         {570, 180, Aqua},
                         {569, 180, Aqua},
                         {570, 114, Maroon},
                         {570, 47, Black},
                         // marker: bounding box (158, 246) .. (164, 252), right and bottom outside
                         {161, 249, Yellow},
                         {158, 249, Black},
                         {163, 249, Black},
                         {157, 249, {}},
                         {164, 249, {}},
                         {161, 246, Black},
                         {161, 251, Black},
                         {161, 245, {}},
                         {161, 252, {}},
                         // shift band x = 212 .. 216 (6000 rpm), outline on its outer pixels
                         {212, 101, Black},
                         {215, 101, Black},
                         {211, 101, {}},
                         {216, 101, {}},
                         {213, 0, Black},
                         {213, 350, Black},
                         // no red zone
                         {429, 101, {}},
                     });
    // Gears 4 to 6 (359, 405, 441 km/h) leave through the top edge.
    EXPECT_GT(count(im, Green, QRect(0, 0, 571, 1)), 0);
    EXPECT_EQ(count(im, Green, QRect(570, 0, 1, 351)), 0);
    // The hatch is transparent: lime lines with the picture below between them.
    const QRect inside(213, 1, 2, 349);
    EXPECT_GT(count(im, Lime, inside), 100);
    EXPECT_GT(count(im, background(), inside), 100);
}

TEST_F(Diagram, RedZoneFrom12000Rpm)
{
    mouseClick(w->Button_Berechnen);
    const QImage im = diagram();
    expectPixels(im, {{428, 101, {}}, {429, 101, Black}, {570, 101, Black}, {500, 0, Black}, {500, 350, Black},
                      {570, 180, Black}});
    const QRect inside(430, 1, 140, 349);
    EXPECT_GT(count(im, Red, inside), 1000);
    EXPECT_GT(count(im, background(), inside), 1000);
    EXPECT_GT(count(im, Aqua, inside), 50) << "gear line 1 shows between the hatch lines";
}

TEST_F(Diagram, GridStepsAccumulate17point8)
{
    trovanta::ui::Diagram d; // no gear, no marker, no marks
    QImage im(571, 351, QImage::Format_RGB32);
    im.fill(Qt::gray);
    QPainter p(&im);
    trovanta::ui::paintDiagram(p, 571, 351, d);
    p.end();

    const std::vector<int> columns = {0,   18,  36,  53,  71,  89,  107, 125, 142, 160, 178,
                                      196, 214, 231, 249, 267, 285, 303, 320, 338, 356, 374,
                                      392, 409, 427, 445, 463, 481, 498, 516, 534, 552, 570};
    std::vector<int> white;
    for (int x = 0; x < 571; ++x)
        if (im.pixelColor(x, 10) == White)
            white.push_back(x);
    EXPECT_EQ(white, columns);
    std::vector<int> rows;
    for (int y = 0; y < 351; ++y)
        if (im.pixelColor(5, y) == White)
            rows.push_back(y);
    EXPECT_EQ(rows, (std::vector<int>{0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300, 325, 350}));
}

TEST_F(Diagram, GearSwitchesHideOnlyTheirLine)
{
    mouseClick(w->CheckBox2);
    mouseClick(w->CheckBox4); // the marker's own gear
    const QImage im = diagram();
    EXPECT_EQ(count(im, Maroon), 0);
    EXPECT_EQ(count(im, Green), 0);
    EXPECT_GT(count(im, Aqua), 300);
    EXPECT_EQ(im.pixelColor(161, 249), Yellow) << "the marker stays";
}

TEST_F(Diagram, MarksAtTheirLimits)
{
    struct Case {
        const char *name;
        const char *shift, *red;
        std::vector<Pixel> pixels;
        int lime;
    };
    const std::vector<Case> cases = {
        {"red zone 0 hatches everything", "6000", "0", {{0, 101, Black}, {570, 101, Black}}, -1},
        {"red zone 16000 lies beyond the last column", "6000", "16000", {{570, 180, Aqua}, {570, 110, White}}, -1},
        {"shift mark beyond the area", "17000", "12000", {{429, 101, Black}}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        w->EditMarke->setText(QString::fromLatin1(c.shift));
        w->EditRotBereich->setText(QString::fromLatin1(c.red));
        const QImage im = diagram();
        expectPixels(im, c.pixels);
        if (c.lime >= 0) {
            EXPECT_EQ(count(im, Lime), c.lime);
        }
    }
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(Diagram, SwitchedOffMarksAreNotDrawn)
{
    mouseClick(w->CBMarke);
    mouseClick(w->CBRotBereich);
    const QImage im = diagram();
    EXPECT_EQ(count(im, Lime), 0);
    EXPECT_EQ(count(im, Red, QRect(430, 50, 140, 300)), 0) << "below the line of gear 6";
}

// The picture is the run's result: a clear request from another window and
// a repaint by the window system show it again. Only a run clears it, and
// one that stops on a conversion error leaves it blank.
TEST_F(Diagram, StaysThroughClearRequestsAndExposesUntilARunFails)
{
    TForm4 converter(w.get());
    ui::enrol(&converter);
    mouseClick(w->Button_Berechnen);
    const QImage first = diagram();
    const QRect gear1End(560, 170, 11, 20); // gear 1 ends at (570, 180)
    ASSERT_GT(count(first, Aqua, gear1End), 5);

    const std::vector<std::pair<const char *, std::function<void()>>> events = {
        {"converter closed", [&] {
             converter.show();
             mouseClick(converter.Button_Schliessen);
         }},
        {"expose", [&] {
             w->hide();
             w->show();
             w->PaintBox1->repaint();
         }},
    };
    for (const auto &[what, event] : events) {
        SCOPED_TRACE(what);
        event();
        QApplication::processEvents();
        EXPECT_GT(count(diagram(), Aqua, gear1End), 5);
        EXPECT_EQ(diagram(), first);
    }
    ui::forgetWindows();

    w->Edit4->setText("x"); // front sprocket: the run stops before drawing
    w->Button_BerechnenClick();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(count(diagram(), background()), 571 * 351);
    w->PaintBox1->repaint();
    EXPECT_EQ(count(diagram(), background()), 571 * 351) << "a repaint does not bring back an old picture";
    w->Edit4->setText("17");
    w->Button_BerechnenClick();
    EXPECT_EQ(diagram(), first);
}

TEST_F(Diagram, SpeedsNearTheEndOfTheIntegerRangeStayOffTheArea)
{
    // A circumference typed in by hand, negative: the gear lines of gears 1
    // to 3 end some 2147483400 km/h below zero, far under the area, and so
    // does the operating point. Counted from the top edge they lie beyond the
    // integer range; wrapped round, they would rise across the area.
    mouseClick(w->CBMarke);
    mouseClick(w->CBRotBereich);
    mouseClick(w->CB_Umfangedit);
    for (auto [edit, text] : {std::pair{w->E_Umfang, "-2018311534"}, {w->Edit4, "1"}, {w->Edit5, "1"},
                              {w->Edit6, "1"}, {w->Edit7, "0,9"}, {w->Edit8, "0,9"}, {w->Edit9, "0,9"}})
        edit->setText(QString::fromLatin1(text));
    w->Edit13->setText("1");
    w->Edit14->setText("15960"); // the operating point at the end of gear 1
    mouseClick(w->Button_Berechnen);
    ASSERT_EQ(platform.errors, QStringList());
    ASSERT_LT(w->Panel9->text().toLongLong(), -2147483647LL + ZeroSpeedY);
    const QImage im = diagram();
    EXPECT_EQ(count(im, Aqua) + count(im, Maroon) + count(im, Black) + count(im, Yellow), 0);
}
