#pragma once
// The desktop ends a program with a signal, not through its window: at
// logout the session sends SIGTERM, a terminal sends SIGHUP or SIGINT. The
// program then ends the way closing the main window does, so the settings
// files are written as at every other end.

namespace trovanta::ui {

// Turns SIGTERM, SIGINT and SIGHUP into a quit of the running application.
// Needs a QCoreApplication; call once, before the event loop.
void quitOnTerminationSignals();

} // namespace trovanta::ui
