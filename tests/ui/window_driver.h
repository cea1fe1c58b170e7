#pragma once
// Drives the real main window the way a rider does: typing, arrow clicks,
// check box clicks. Everything goes through Qt's event delivery.

#include "support/fake_platform.h"
#include "support/program_dir.h"
#include "ui/registry.h"
#include "ui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace trovanta::test {

using ui::forms;

inline QString utf8(const char *s) { return QString::fromUtf8(s); }

inline void mouseClick(QWidget *w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

inline void key(QWidget *w, int k, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// Types the characters one by one at the end of the field.
inline void type(QLineEdit *e, const QString &text)
{
    e->setCursorPosition(static_cast<int>(e->text().size()));
    for (QChar c : text)
        key(e, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
}

// Selects everything and types the new text over it (the first keystroke
// replaces the selection, so the field is never empty on the way).
inline void retype(QLineEdit *e, const QString &text)
{
    e->selectAll();
    for (QChar c : text)
        key(e, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
}

// An entry of the main window's menu, by its objectName.
inline QAction *menuAction(const QWidget &main, const char *name)
{
    QAction *a = main.findChild<QAction *>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

// Every caption of `w` shown now fits the label it stands in, every button
// text its button.
inline void expectShownTextsFit(const QWidget *w)
{
    for (const QLabel *l : w->findChildren<QLabel *>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(w))
            continue;
        if (l->wordWrap()) {
            // Its lines, at its width, fit its height.
            EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->objectName().toStdString();
        } else {
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
                << l->objectName().toStdString() << " [" << l->text().toStdString() << "]";
        }
    }
    for (const QPushButton *b : w->findChildren<QPushButton *>()) {
        if (b->isVisibleTo(w)) {
            EXPECT_LT(b->fontMetrics().horizontalAdvance(b->text()) + 12, b->width()) << b->objectName().toStdString();
        }
    }
}

// The same for every caption of `w`: a tab's page is looked at with the tab
// brought forward, as the rider sees it (a page never shown is not laid out).
inline void expectTextsFit(const QWidget *w)
{
    expectShownTextsFit(w);
    for (QTabWidget *tabs : w->findChildren<QTabWidget *>()) {
        if (!tabs->isVisibleTo(w))
            continue;
        const int front = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == front)
                continue;
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            SCOPED_TRACE(tabs->tabText(i).toStdString());
            expectShownTextsFit(tabs->widget(i));
        }
        tabs->setCurrentIndex(front);
    }
}

// The visible direct children of `parent` (but those named in `stacked`)
// lie inside `inner` and side by side, none over another.
inline void expectSideBySide(const QWidget *parent, const QRect &inner, const QStringList &stacked = {})
{
    std::vector<const QWidget *> placed;
    for (const QWidget *c : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!c->isHidden() && !stacked.contains(c->objectName()))
            placed.push_back(c);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_TRUE(inner.contains(placed[i]->geometry())) << placed[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i]->geometry().intersects(placed[j]->geometry()))
                << placed[i]->objectName().toStdString() << " / " << placed[j]->objectName().toStdString();
    }
}

inline void stepUp(TUpDown *u) { mouseClick(u->upButton()); }
inline void stepDown(TUpDown *u) { mouseClick(u->downButton()); }

// The main window on a pinned platform, shown offscreen, with a count of
// the calculation runs it started. It starts with the form's own values
// from a scratch program directory.
class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(QLocale locale = QLocale(QLocale::German, QLocale::Germany))
        : platform(std::move(locale))
    {
        restart();
    }

    // A new window with the form's values; the old one saves its settings
    // as it goes, and they are thrown away.
    void restart()
    {
        w.reset();
        programDir.holdFormValues();
        startWindow();
    }

    // A new window on whatever the scratch program directory holds.
    void startWindow()
    {
        w = std::make_unique<TForm1>();
        QObject::connect(w.get(), &TForm1::calculated, [this] { ++runs; });
        w->show();
        QApplication::processEvents();
    }

    QImage diagram() const { return w->PaintBox1->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    FakePlatform platform;
    ScratchProgramDirectory programDir;
    std::unique_ptr<TForm1> w;
    int runs = 0;
};

// The main window registered as the program's main window, so that the
// secondary windows under test reach it; left out of the registry again
// at the end.
class RegisteredMainWindowTest : public MainWindowTest {
protected:
    RegisteredMainWindowTest() { ui::enrol(w.get()); }
    ~RegisteredMainWindowTest() override { ui::forgetWindows(); }
};

} // namespace trovanta::test
