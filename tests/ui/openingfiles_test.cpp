// Gear data files opened the usual ways: the command line, a drop, the
// recent files, a second start; and the options file that keeps the list.

#include "window_driver.h"

#include "support/files.h"
#include "ui/instance.h"
#include "ui/options.h"
#include "ui/startup.h"

#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

class OpeningFiles : public RegisteredMainWindowTest {
protected:
    ~OpeningFiles() override
    {
        w.reset();
        QDir::setCurrent(startDir);
    }

    // A gear data file titled `title`, saved through the save command.
    QString saved(const QString &name, const QString &title)
    {
        const QString path = work.filePath(name);
        const QString before = w->Edit15->text();
        w->Edit15->setText(title);
        platform.fileAnswers = {path};
        w->Wertespeichern1->trigger();
        w->Edit15->setText(before);
        platform.clear();
        return path;
    }

    QStringList recentEntries() const
    {
        QStringList out;
        for (const QAction *a : w->Recents1->actions())
            out << a->text();
        return out;
    }

    static void drop(QWidget *target, const QList<QUrl> &urls, bool *accepted = nullptr)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (accepted)
            *accepted = enter.isAccepted();
        if (!enter.isAccepted())
            return;
        QDropEvent dropped(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QApplication::processEvents();
    }

    const QString startDir = QDir::currentPath();
    QTemporaryDir work;
};

TEST_F(OpeningFiles, EveryWayOpensTheFileAsTheOpenCommandDoes)
{
    const QString channel = QStringLiteral("trovanta-test-%1").arg(QCoreApplication::applicationPid());
    ui::InstanceServer server(channel);
    ASSERT_TRUE(server.listening());
    ui::openFromLaterStarts(server);

    struct Case {
        const char *way;
        std::function<void(const QString &)> open;
    };
    const std::vector<Case> cases = {
        {"command line", [](const QString &p) { ui::openAtStart({p}); QApplication::processEvents(); }},
        {"drop", [this](const QString &p) { drop(w.get(), {QUrl::fromLocalFile(p)}); }},
        {"second start",
         [&](const QString &p) {
             ASSERT_TRUE(ui::handToRunning(channel, {p}));
             for (int i = 0; i < 50 && w->P_Datei->text().isEmpty(); ++i)
                 QApplication::processEvents(QEventLoop::AllEvents, 20);
         }},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.way);
        const QString title = QStringLiteral("Satz %1").arg(++n);
        const QString path = saved(QStringLiteral("set%1.tva").arg(n), title);
        w->P_Datei->setText(QString());
        runs = 0;
        c.open(path);
        EXPECT_EQ(w->Edit15->text(), title);
        EXPECT_EQ(w->P_Datei->text(), QFileInfo(path).fileName());
        EXPECT_GE(runs, 1) << "the command's own run";
        EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
        EXPECT_EQ(w->options().recentFiles.value(0), path);
    }

    // What is not a gear data file is not taken.
    bool accepted = true;
    drop(w.get(), {QUrl::fromLocalFile(work.filePath("notes.txt"))}, &accepted);
    EXPECT_FALSE(accepted);
    // A short file shows the open command's message.
    const QString shortFile = work.filePath("alt.tva");
    writeBytes(shortFile, QByteArray(184, '\0'));
    ui::openAtStart({shortFile});
    QApplication::processEvents();
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(OpeningFiles, TheRecentListKeepsTheLastEightNewestFirstAcrossStarts)
{
    EXPECT_FALSE(w->Recents1->isEnabled());
    std::vector<QString> paths;
    for (int i = 0; i < 10; ++i)
        paths.push_back(saved(QStringLiteral("f%1.tva").arg(i), QStringLiteral("F%1").arg(i)));
    // Opening one already listed moves it to the front.
    platform.fileAnswers = {paths[5]};
    w->Oeffnen->trigger();

    const QStringList expected = {paths[5], paths[9], paths[8], paths[7], paths[6], paths[4], paths[3], paths[2]};
    EXPECT_EQ(w->options().recentFiles, expected);
    ASSERT_EQ(recentEntries().size(), 8);
    EXPECT_EQ(recentEntries()[0], "&1 " + QDir::toNativeSeparators(paths[5]));

    w.reset(); // the end writes the options file
    startWindow();
    EXPECT_EQ(w->options().recentFiles, expected);

    // An entry opens its file.
    w->Recents1->actions()[2]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(w->Edit15->text(), "F8");
    EXPECT_EQ(w->options().recentFiles.value(0), paths[8]);
}

TEST_F(OpeningFiles, AMissingRecentFileShowsTheOpenMessageAndLeavesTheList)
{
    const QString gone = saved("weg.tva", "Weg");
    const QString kept = saved("da.tva", "Da");
    QFile::remove(gone);
    const QStringList before = {w->Edit4->text(), w->Edit15->text()};
    w->Recents1->actions()[1]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(platform.errors, QStringList{utf8("Datei nicht gefunden.")});
    EXPECT_EQ(w->options().recentFiles, QStringList{kept});
    EXPECT_EQ(recentEntries().size(), 1);
    EXPECT_EQ((QStringList{w->Edit4->text(), w->Edit15->text()}), before);
}

TEST_F(OpeningFiles, PathsOutsideTheSettingsCodePageComeBackWhole)
{
    const QStringList list = {"/tmp/Łódź/tor.tva", utf8("/tmp/Übersetzung & Co/a.tva"), "file:odd.tva"};
    ui::Options o;
    o.recentFiles = list;
    ui::writeOptions(o);
    EXPECT_EQ(ui::readOptions().recentFiles, list);
}

TEST_F(OpeningFiles, TheOptionsMenuFollowsTheAnalysisMenu)
{
    QStringList menus;
    for (const QAction *a : w->menuBar()->actions())
        menus << a->menu()->objectName();
    EXPECT_EQ(menus, QStringList({"Datei1", "Tools1", "Analyse1", "Options1", "Info1"}));
    const QList<QAction *> file = w->Datei1->actions();
    ASSERT_GE(file.size(), 2);
    EXPECT_EQ(file[1]->menu(), w->Recents1) << "below Ouvrir";
}

} // namespace
