#include "ui/termination.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace trovanta::ui {

namespace {

// The handler may only write to a pipe; the event loop reads it.
int signalPipe[2] = {-1, -1};
bool requested = false;
std::function<void()> &sessionSaver()
{
    static std::function<void()> f;
    return f;
}

void requestEnd()
{
    // exit() leaves every running event loop, modal ones too, without
    // closing windows first; a request during start-up, before the event
    // loop runs, is kept for main to see.
    requested = true;
    QCoreApplication::exit(0);
}

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

} // namespace

void endSession()
{
    if (sessionSaver())
        sessionSaver()();
    requestEnd();
}

void quitOnTerminationSignals(std::function<void()> saveNow)
{
    sessionSaver() = std::move(saveNow);
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
#if QT_CONFIG(sessionmanager)
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QObject::connect(gui, &QGuiApplication::commitDataRequest, gui, [](QSessionManager &) { endSession(); });
#endif
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char buf[16];
        while (::read(signalPipe[0], buf, sizeof buf) > 0) {
        }
        requestEnd();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        // A signal the parent set to be ignored stays ignored (nohup, a
        // shell's background job).
        struct sigaction old = {};
        if (::sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        ::sigaction(s, &sa, nullptr);
    }
}

bool terminationRequested() { return requested; }

} // namespace trovanta::ui
