// Windows on the screen: a window centred on the main window lies wholly on
// the screen that holds most of the main window, and the analysis windows'
// captions and row heads fit (also run at a scale factor of 2).

#include "languages.h"
#include "window_driver.h"

#include "ui/converters.h"
#include "ui/placement.h"
#include "ui/registry.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"

#include <QHeaderView>
#include <QIcon>
#include <QStyle>
#include <QScreen>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

TEST(Placement, TheScreenOfMostOfTheMainWindowAndAFrameKeptOnIt)
{
    const QRect left(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
    struct Case {
        const char *what;
        QRect main, frame, expected;
    };
    const std::vector<Case> cases = {
        {"inside stays", {100, 100, 800, 600}, {300, 300, 400, 300}, {300, 300, 400, 300}},
        {"off the right edge", {1400, 100, 800, 600}, {1600, 300, 600, 300}, {1320, 300, 600, 300}},
        {"off the top and left", {-50, -40, 400, 300}, {-100, -80, 300, 200}, {0, 0, 300, 200}},
        {"most on the right screen", {1800, 500, 800, 600}, {1700, 700, 500, 400}, {1920, 624, 500, 400}},
        {"larger than the screen: top left on it", {2000, 0, 800, 600}, {1900, -10, 1500, 1200},
         {1920, 0, 1500, 1200}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ui::keptWithin(c.frame, ui::screenHolding(c.main, {left, right})), c.expected);
    }
    EXPECT_EQ(ui::screenHolding({5000, 5000, 10, 10}, {left, right}), left) << "on none: the first";
}

class OnScreen : public RegisteredMainWindowTest {};

TEST_F(OnScreen, AnalysisWindowsOfAMainWindowAtTheScreensEdgeOpenOnTheScreen)
{
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    for (const ui::AnalysisKind &k : ui::analysisKinds()) {
        SCOPED_TRACE(k.name);
        // The main window hangs off the bottom right corner.
        w->move(avail.right() - w->frameGeometry().width() / 3, avail.bottom() - w->frameGeometry().height() / 3);
        QWidget *a = ui::openAnalysis(QString::fromLatin1(k.name));
        QApplication::processEvents();
        const QRect f = a->frameGeometry();
        if (f.width() <= avail.width()) {
            EXPECT_GE(f.left(), avail.left());
        }
        EXPECT_LE(f.right(), std::max(avail.right(), avail.left() + f.width() - 1));
        EXPECT_LE(f.bottom(), std::max(avail.bottom(), avail.top() + f.height() - 1));
        EXPECT_GE(f.top(), avail.top());
        a->close();
    }
}

// The windows of the main menu, opened from a main window that hangs off
// the screen's bottom right corner, lie wholly on the screen: the
// converters and the chain calculator centred on the main window as near
// as the screen allows, the info window in the screen's middle.
TEST_F(OnScreen, MenuWindowsOfAMainWindowAtTheScreensEdgeOpenOnTheScreen)
{
    TForm2 info;
    TForm3 power;
    TForm4 speed;
    TForm10 length;
    TForm5 faq;
    TForm6 chain;
    ui::enrol(&info);
    ui::enrol(&power);
    ui::enrol(&speed);
    ui::enrol(&length);
    ui::enrol(&faq);
    ui::enrol(&chain);
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        ui::Window which;
        QDialog *d;
        bool centredOnMain;
    } cases[] = {{ui::Window::PsKw, &power, true},  {ui::Window::KmhMph, &speed, true},
                 {ui::Window::MetricInch, &length, true}, {ui::Window::Chain, &chain, true},
                 {ui::Window::Faq, &faq, false},   {ui::Window::Info, &info, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.d->metaObject()->className());
        w->move(avail.right() - w->frameGeometry().width() / 3, avail.bottom() - w->frameGeometry().height() / 3);
        c.d->move(avail.right() - 20, avail.bottom() - 20);
        QRect f;
        QTimer::singleShot(0, [&] {
            f = c.d->frameGeometry();
            c.d->reject();
        });
        ui::openWindow(c.which);
        ASSERT_TRUE(f.isValid());
        const bool fits = f.width() <= avail.width() && f.height() <= avail.height();
        if (fits) {
            EXPECT_TRUE(avail.contains(f)) << f.x() << ',' << f.y() << ' ' << f.width() << 'x' << f.height();
        } else {
            EXPECT_TRUE(avail.contains(f.topLeft())) << "too large: its top left corner on the screen";
        }
        if (c.centredOnMain && fits) {
            // Pressed against the screen's right and bottom edges, towards
            // the main window's centre.
            EXPECT_EQ(f.right(), avail.right());
            EXPECT_EQ(f.bottom(), avail.bottom());
        }
    }
    const QRect infoFrame = info.frameGeometry();
    if (infoFrame.width() <= avail.width()) {
        EXPECT_LE(std::abs(infoFrame.center().x() - avail.center().x()), 1);
    }
}

// In each language, switched to while the window is open.
using OnScreenInLanguage = InLanguage<RegisteredMainWindowTest>;

TEST_P(OnScreenInLanguage, AnalysisWindowTextsAndRowHeadsFit)
{
    for (const ui::AnalysisKind &k : ui::analysisKinds()) {
        SCOPED_TRACE(k.name);
        QWidget *a = ui::openAnalysis(QString::fromLatin1(k.name));
        QApplication::processEvents();
        switchTo(GetParam());
        QApplication::processEvents();
        expectTextsFit(a);
        for (const QTableView *t : a->findChildren<QTableView *>()) {
            const QHeaderView *rows = t->verticalHeader();
            if (rows->isVisible()) {
                // A row head's picture stays within the room the head keeps
                // for it, at the screen's density too.
                const int room = rows->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, rows);
                for (int r = 0; r < t->model()->rowCount(); ++r) {
                    const QIcon icon = t->model()->headerData(r, Qt::Vertical, Qt::DecorationRole).value<QIcon>();
                    if (icon.isNull())
                        continue;
                    const QSizeF drawn = icon.pixmap(QSize(room, room), rows->devicePixelRatioF()).deviceIndependentSize();
                    EXPECT_LE(drawn.width(), room) << t->objectName().toStdString() << " row " << r;
                    EXPECT_LE(drawn.height(), room) << t->objectName().toStdString() << " row " << r;
                }
                EXPECT_GE(rows->width(), rows->sizeHint().width()) << t->objectName().toStdString();
            }
        }
        a->close();
        switchTo(ui::Language::Original);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, OnScreenInLanguage, EveryLanguage, languageName);

} // namespace
