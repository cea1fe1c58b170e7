#pragma once
// Program start and end: the order in which the windows come to life, and
// the matching teardown (tests build and destroy the whole program with it).

#include <QStringList>

#include <functional>

namespace trovanta::ui {

class InstanceServer;

// Sets the application title and font, creates the main window (which runs
// its FormCreate), shows it, then creates the nine secondary windows hidden,
// filling the registry. Needs a QApplication. `mainWindowShown`, when given, is
// called as soon as the main window is on the screen and painted.
void startTrovanta(const std::function<void()> &mainWindowShown = {});

// Destroys the windows in reverse order; the main window last, which writes
// the main settings file. The registry is empty afterwards. `terminating`:
// the program was asked to end (a signal, the session ending), so the
// windows still open save first.
void stopTrovanta(bool terminating = false);

// Opens the gear data files named at start, once the event loop runs, as
// "&Ouvrir" would, one after the other.
void openAtStart(const QStringList &files);
// Files handed over by later starts open in the main window, brought to
// the front, as "&Ouvrir" would.
void openFromLaterStarts(InstanceServer &server);

// The desktop session ends: every open window and the main window save now,
// failures on standard error.
void saveForSessionEnd();

} // namespace trovanta::ui
