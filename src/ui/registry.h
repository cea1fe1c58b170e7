#pragma once
// The program's windows, one of each, and how they are connected. The
// main menu's own windows (TForm1 to TForm10) are created at start and live to the
// end; the analysis windows are created on first use. Windows never reach
// into each other: what one needs from another is wired here.

#include "ui/analysiswindow.h"
#include "ui/mainrun.h"
#include "ui/performancecontext.h"

#include <QString>

#include <vector>

class TDialog;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

namespace trovanta::ui {


struct Forms {
    TForm1 *Form1 = nullptr;   // main window
    TForm2 *Form2 = nullptr;   // info
    TForm3 *Form3 = nullptr;   // PS and kW converter
    TForm4 *Form4 = nullptr;   // km/h and mph converter
    TForm5 *Form5 = nullptr;   // FAQ
    TForm6 *Form6 = nullptr;   // chain calculator
    TForm7 *Form7 = nullptr;   // race log
    TForm8 *Form8 = nullptr;   // chain calculator info
    TForm9 *Form9 = nullptr;   // race log info
    TForm10 *Form10 = nullptr; // centimetre and inch converter
};

Forms &forms();

// Records a window and connects it to the others (tests enrol the windows
// they build themselves).
void enrol(TForm1 *w);
void enrol(TForm2 *w);
void enrol(TForm3 *w);
void enrol(TForm4 *w);
void enrol(TForm5 *w);
void enrol(TForm6 *w);
void enrol(TForm7 *w);
void enrol(TForm8 *w);
void enrol(TForm9 *w);
void enrol(TForm10 *w);

// The analysis windows: one row each. A new one needs its row here (in
// registry.cpp), its entry in the main window's "&Analyse" menu and its own
// files; the registry makes it on first use, feeds it the main window's
// runs (AnalysisWindow::mainRunChanged, mainRunFailed) from then on, places
// it, and has it save when the program ends.
struct AnalysisKind {
    const char *name;   // the window's objectName
    const char *action; // objectName of its entry in the main window's "&Analyse" menu
    // Builds the window and wires what is its own (signals to the main
    // window's setters, other windows); `main` may be null in tests.
    AnalysisWindow *(*create)(TForm1 *main);
};
const std::vector<AnalysisKind> &analysisKinds();

// The analysis window of that name or type, if made; nullptr before.
AnalysisWindow *analysisWindow(const QString &name);
template <class W> W *analysisWindow()
{
    for (const AnalysisKind &k : analysisKinds())
        if (auto *w = qobject_cast<W *>(analysisWindow(QString::fromLatin1(k.name))))
            return w;
    return nullptr;
}
// Makes the window on first use and shows it beside the main window.
AnalysisWindow *openAnalysis(const QString &name);

// The main window created, then the nine secondary windows hidden, in the
// order of the program's start.
TForm1 *createMainWindow();
void createSecondaryWindows();
// The program ends: every window open now, and every analysis window made,
// saves what it saves when it closes, before the main window's own save. `terminating`: asked to end by
// a signal or the session; failures then go to standard error, not a box.
void saveOpenWindows(bool terminating);
// Destroys every window in reverse order, the main window last (it writes
// the main settings file); the registry is empty afterwards. After a
// termination request the open windows save first.
void destroyWindows(bool terminating = false);
// Empties the registry without destroying anything (tests).
void forgetWindows();

// The Performances window's model inputs and present circuit changed: the
// windows that use them hear of it now, those made later when they are
// made. The last one is kept until the registry is emptied.
void publishPerformanceContext(const PerformanceContext &context);
const PerformanceContext &performanceContext();

// What a menu entry of the main window opens.
void openWindow(Window which);

} // namespace trovanta::ui
