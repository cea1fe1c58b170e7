#pragma once
// The desktop ends a program with a signal, not through its window: at
// logout the session sends SIGTERM, a terminal sends SIGHUP or SIGINT. The
// program then ends the way closing the main window does, so the settings
// files are written as at every other end.

#include <functional>

namespace trovanta::ui {

// Turns SIGTERM, SIGINT and SIGHUP, and the desktop session ending, into
// the end of the event loop. Needs a QCoreApplication; call once, before the
// windows are built. `saveNow` runs at once when the session ends: the
// session may end the process soon after it was told.
void quitOnTerminationSignals(std::function<void()> saveNow = {});

// What the program does when the desktop session ends (Qt's session-end
// request): saves, then ends as on a signal.
void endSession();

// True once such a signal has been handled, also when it came before the
// event loop ran: then there is no loop to leave, and the program must not
// enter one.
bool terminationRequested();

} // namespace trovanta::ui
