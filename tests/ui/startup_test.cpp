#include "files/programdir.h"
#include "support/fake_platform.h"
#include "support/program_dir.h"
#include "ui/registry.h"
#include "ui/startup.h"
#include "ui/tform1.h"
#include "ui/converters.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTemporaryDir>

using trovanta::ui::forms;
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using trovanta::test::FakePlatform;
using trovanta::test::ScratchProgramDirectory;
using trovanta::ui::startTrovanta;
using trovanta::ui::stopTrovanta;

namespace {

// The settings files that the windows read and write go to a scratch folder.
class Program : public ::testing::Test {
protected:
    Program() { startTrovanta(); }
    ~Program() override { stopTrovanta(); }
    ScratchProgramDirectory programDir;
    FakePlatform platform;
};

} // namespace

TEST_F(Program, StartsTheMainWindowThenNineHiddenWindowsInOrder)
{
    TForm1 *main = forms().Form1;
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(QApplication::applicationName(), "Trovanta 2.11");

    struct Secondary {
        QDialog *form;
        const char *name;
        QString caption;
        QSize size;
    };
    const std::vector<Secondary> expected = {
        {forms().Form2, "Form2", "TROVANTA  Info", {446, 380}},
        {forms().Form3, "Form3", "Cv - kW", {289, 170}},
        {forms().Form4, "Form4", "km/h - Mph", {289, 170}},
        {forms().Form5, "Form5", "Hilfe und Hinweise", {584, 552}},
        {forms().Form6, "Form6", "Catenolix", {465, 520}},
        {forms().Form7, "Form7", "Pistorel", {799, 550}},
        {forms().Form8, "Form8", "Catenolix Info", {322, 270}},
        {forms().Form9, "Form9", "Pistorel Info", {306, 238}},
        {forms().Form10, "Form10", QString::fromUtf8("Métrique Pouce"), {289, 170}},
    };
    QStringList order;
    for (QObject *o : main->children())
        if (qobject_cast<QDialog *>(o))
            order << o->objectName();
    QStringList names;
    for (const Secondary &s : expected) {
        ASSERT_NE(s.form, nullptr) << s.name;
        names << s.name;
        EXPECT_EQ(s.form->objectName(), s.name);
        EXPECT_EQ(s.form->windowTitle(), s.caption);
        EXPECT_EQ(s.form->size(), s.size);
        EXPECT_FALSE(s.form->isVisible());
    }
    EXPECT_EQ(order, names) << "created in the fixed order";
}

TEST_F(Program, MenuItemsShowTheirWindowModally)
{
    TForm1 *main = forms().Form1;
    const std::vector<std::pair<QAction *, QDialog *>> items = {
        {main->PSkWRechner1, forms().Form3},    {main->kmhmphRechner1, forms().Form4},
        {main->metrischZollRechner1, forms().Form10}, {main->KettenlaengeRechner, forms().Form6},
        {main->Pistorel1, forms().Form7},       {main->HilfeHinweise1, forms().Form5},
        {main->Info2, forms().Form2}};
    for (const auto &[action, form] : items) {
        QWidget *shown = nullptr;
        QTimer::singleShot(0, [&shown, form = form] {
            shown = QApplication::activeModalWidget();
            form->reject();
        });
        action->trigger(); // returns when the window is closed again
        EXPECT_EQ(shown, form) << action->objectName().toStdString();
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(Program, EscapeClosesNoWindow)
{
    for (QDialog *form : std::vector<QDialog *>{forms().Form2, forms().Form3, forms().Form4, forms().Form5,
                                                forms().Form6, forms().Form7, forms().Form8, forms().Form9,
                                                forms().Form10}) {
        form->show();
        QApplication::processEvents();
        QWidget *target = form->focusWidget() ? form->focusWidget() : form;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        EXPECT_TRUE(form->isVisible()) << form->objectName().toStdString();
        form->hide();
    }
}

TEST(ProgramEnd, TeardownEmptiesTheRegistry)
{
    ScratchProgramDirectory programDir;
    FakePlatform platform;
    startTrovanta();
    stopTrovanta();
    EXPECT_EQ(forms().Form1, nullptr);
    EXPECT_EQ(forms().Form10, nullptr);
}

// Every window carries the program's icon; Esc and Ctrl+W close an
// analysis window; F1 brings the FAQ from the main window and from an
// analysis window.
TEST_F(Program, WindowIconAndKeyboardHabits)
{
    TForm1 *main = forms().Form1;
    std::vector<QWidget *> windows = {main};
    for (QDialog *d : std::vector<QDialog *>{forms().Form2, forms().Form3, forms().Form4, forms().Form5,
                                             forms().Form6, forms().Form7, forms().Form8, forms().Form9,
                                             forms().Form10})
        windows.push_back(d);

    for (const trovanta::ui::AnalysisKind &k : trovanta::ui::analysisKinds()) {
        SCOPED_TRACE(k.name);
        QWidget *a = trovanta::ui::openAnalysis(QString::fromLatin1(k.name));
        windows.push_back(a);
        for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            a->show();
            QApplication::setActiveWindow(a);
            ASSERT_TRUE(QTest::qWaitForWindowActive(a));
            QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : a, key);
            EXPECT_FALSE(a->isVisible()) << key.toString().toStdString();
        }
    }
    for (QWidget *win : windows) {
        const QImage im = win->windowIcon().pixmap(32, 32).toImage();
        EXPECT_FALSE(im.isNull()) << win->objectName().toStdString();
        EXPECT_GT(im.pixelColor(16, 16).alpha(), 0) << win->objectName().toStdString();
    }

    for (QWidget *from : {static_cast<QWidget *>(main), windows.back()}) {
        SCOPED_TRACE(from->objectName().toStdString());
        from->show();
        QApplication::setActiveWindow(from);
        ASSERT_TRUE(QTest::qWaitForWindowActive(from));
        QWidget *shown = nullptr;
        QTimer::singleShot(0, [&shown] {
            shown = QApplication::activeModalWidget();
            forms().Form5->reject();
        });
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : from, Qt::Key_F1);
        EXPECT_EQ(shown, forms().Form5);
    }
}
