#include "ui/registry.h"

#include "ui/analysiswindow.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/performancewindow.h"
#include "ui/sprocketwindow.h"
#include "ui/converters.h"
#include "ui/placement.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

#include <QPointer>

#include <optional>

#include <vector>

namespace trovanta::ui {

Forms &forms()
{
    static Forms f;
    return f;
}

namespace {

// The windows made, on the rows of analysisKinds().
std::vector<QPointer<AnalysisWindow>> &madeAnalysis()
{
    static std::vector<QPointer<AnalysisWindow>> made(analysisKinds().size());
    return made;
}

// Closing a secondary window repaints the main window's diagram.
void clearsDiagram(TDialog *w)
{
    QObject::connect(w, &TDialog::diagramClearRequested, w, [] {
        if (TForm1 *main = forms().Form1)
            main->clearDiagram();
    });
}

MainFields mainFields()
{
    const TForm1 *main = forms().Form1;
    return main ? main->currentFields() : MainFields{};
}

// Where a window of the main menu comes up. Each lies wholly on the screen
// that holds most of the main window, whatever the main window's place.
enum class Place {
    OnMain,     // centred on the main window
    OnScreen,   // centred on that screen (the whole desktop)
    AsPlaced,   // where it was, moved onto that screen
};

template <class Form> void showModal(Form *f, Place how)
{
    if (!f)
        return;
    if (const TForm1 *main = forms().Form1) {
        const QRect mainFrame = main->frameGeometry();
        if (!f->testAttribute(Qt::WA_Resized))
            f->adjustSize();
        // The window made, so that its frame has the window system's edges.
        f->winId();
        QRect frame(f->frameGeometry().topLeft(), f->frameGeometry().size());
        switch (how) {
        case Place::OnMain:
            frame.moveCenter(mainFrame.center());
            break;
        case Place::OnScreen:
            frame.moveCenter(screenHolding(mainFrame, availableScreens()).center());
            break;
        case Place::AsPlaced:
            break;
        }
        placeOnScreenOf(f, frame, mainFrame);
    }
    f->exec();
}

// An analysis window comes up beside the main window the first time and
// where the rider left it after that.
void showAnalysis(AnalysisWindow *w)
{
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
    w->raise();
    w->activateWindow();
}

std::optional<std::size_t> rowOf(const QString &name)
{
    const std::vector<AnalysisKind> &kinds = analysisKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (name == QLatin1String(kinds[i].name))
            return i;
    return std::nullopt;
}

PerformanceContext &lastContext()
{
    static PerformanceContext context;
    return context;
}

// The windows that run the engine model on their own gear sets.
void handContext(AnalysisWindow *w, const PerformanceContext &context)
{
    if (auto *s = qobject_cast<SprocketWindow *>(w))
        s->setPerformanceContext(context);
    else if (auto *c = qobject_cast<CompareWindow *>(w))
        c->setPerformanceContext(context);
}

// Made on first use, fed the main window's last runs and every later one,
// placed on the main window.
AnalysisWindow *make(const AnalysisKind &kind)
{
    TForm1 *main = forms().Form1;
    AnalysisWindow *w = kind.create(main);
    if (main) {
        QObject::connect(main, &TForm1::runSucceeded, w, &AnalysisWindow::mainRunChanged);
        QObject::connect(main, &TForm1::runFailed, w, &AnalysisWindow::mainRunFailed);
        if (const auto &run = main->lastGoodRun())
            w->mainRunChanged(*run);
        if (const auto &failure = main->lastRunFailure())
            w->mainRunFailed(*failure);
        w->place(main->frameGeometry());
    }
    handContext(w, lastContext());
    return w;
}

template <class T> void destroy(T *&w)
{
    delete w;
    w = nullptr;
}

} // namespace

void enrol(TForm1 *w)
{
    forms().Form1 = w;
    QObject::connect(w, &TForm1::windowRequested, w, [](Window which) { openWindow(which); });
    QObject::connect(w, &TForm1::ending, w, [] { saveOpenWindows(false); });
    QObject::connect(w, &TForm1::analysisRequested, w, [](const QString &action) {
        for (const AnalysisKind &k : analysisKinds())
            if (action == QLatin1String(k.action))
                openAnalysis(QString::fromLatin1(k.name));
    });
}

const std::vector<AnalysisKind> &analysisKinds()
{
    static const std::vector<AnalysisKind> kinds = {
        {"CompareWindow", "Comparaison1", createCompareWindow},
        {"SprocketWindow", "PignonsChaine1", createSprocketWindow},
        {"CalibrationWindow", "Etalonnage1", createCalibrationWindow},
        {"PerformanceWindow", "Performances1", createPerformanceWindow},
    };
    return kinds;
}

AnalysisWindow *analysisWindow(const QString &name)
{
    const auto row = rowOf(name);
    return row ? madeAnalysis()[*row].data() : nullptr;
}

AnalysisWindow *openAnalysis(const QString &name)
{
    const auto row = rowOf(name);
    if (!row)
        return nullptr;
    QPointer<AnalysisWindow> &w = madeAnalysis()[*row];
    if (!w)
        w = make(analysisKinds()[*row]);
    showAnalysis(w);
    return w;
}

void publishPerformanceContext(const PerformanceContext &context)
{
    lastContext() = context;
    for (const QPointer<AnalysisWindow> &w : madeAnalysis())
        if (w)
            handContext(w, context);
}

const PerformanceContext &performanceContext() { return lastContext(); }

void saveOpenWindows(bool terminating)
{
    const Forms &f = forms();
    if (f.Form6 && f.Form6->isVisible())
        f.Form6->saveAtEnd(terminating);
    if (f.Form7 && f.Form7->isVisible())
        f.Form7->saveAtEnd(terminating);
    // An analysis window keeps following the main window while closed, so
    // each one made saves, not only those still open.
    for (const QPointer<AnalysisWindow> &w : madeAnalysis())
        if (w)
            w->saveAtEnd(terminating);
}

void enrol(TForm2 *w)
{
    forms().Form2 = w;
    clearsDiagram(w);
}

void enrol(TForm3 *w)
{
    forms().Form3 = w;
    clearsDiagram(w);
}

void enrol(TForm4 *w)
{
    forms().Form4 = w;
    clearsDiagram(w);
}

void enrol(TForm5 *w)
{
    forms().Form5 = w;
    clearsDiagram(w);
}

void enrol(TForm6 *w)
{
    forms().Form6 = w;
    clearsDiagram(w);
    w->setTitleSource([] { return QString::fromStdString(mainFields().texts.title); });
    w->setInfoWindow([]() -> QDialog * { return forms().Form8; });
}

void enrol(TForm7 *w)
{
    forms().Form7 = w;
    clearsDiagram(w);
    w->setMainSource(mainFields);
    w->setInfoWindow([]() -> QDialog * { return forms().Form9; });
}

void enrol(TForm8 *w) { forms().Form8 = w; }
void enrol(TForm9 *w) { forms().Form9 = w; }

void enrol(TForm10 *w)
{
    forms().Form10 = w;
    clearsDiagram(w);
}

TForm1 *createMainWindow()
{
    auto *main = new TForm1;
    enrol(main);
    return main;
}

void createSecondaryWindows()
{
    TForm1 *main = forms().Form1;
    enrol(new TForm2(main));
    enrol(new TForm3(main));
    enrol(new TForm4(main));
    enrol(new TForm5(main));
    enrol(new TForm6(main));
    enrol(new TForm7(main));
    enrol(new TForm8(main));
    enrol(new TForm9(main));
    enrol(new TForm10(main));
}

void destroyWindows(bool terminating)
{
    Forms &f = forms();
    if (terminating) {
        saveOpenWindows(true);
        if (f.Form1)
            f.Form1->endQuietly();
    }
    // Every settings file is on disk before an analysis window waits for
    // its worker: a session ending may kill the program soon after asking.
    if (f.Form1)
        f.Form1->saveAtEnd();
    // The analysis windows first, last row first.
    for (auto w = madeAnalysis().rbegin(); w != madeAnalysis().rend(); ++w) {
        delete w->data();
        *w = nullptr;
    }
    destroy(f.Form10);
    destroy(f.Form9);
    destroy(f.Form8);
    destroy(f.Form7);
    destroy(f.Form6);
    destroy(f.Form5);
    destroy(f.Form4);
    destroy(f.Form3);
    destroy(f.Form2);
    destroy(f.Form1);
}

void forgetWindows()
{
    forms() = Forms{};
    for (QPointer<AnalysisWindow> &w : madeAnalysis())
        w = nullptr;
    lastContext() = PerformanceContext{};
}

void openWindow(Window which)
{
    Forms &f = forms();
    switch (which) {
    case Window::Info:
        if (f.Form2)
            f.Form2->offerCloseButton();
        showModal(f.Form2, Place::OnScreen);
        break;
    case Window::PsKw:
        showModal(f.Form3, Place::OnMain);
        break;
    case Window::KmhMph:
        showModal(f.Form4, Place::OnMain);
        break;
    case Window::MetricInch:
        showModal(f.Form10, Place::OnMain);
        break;
    case Window::Faq:
        if (f.Form5)
            f.Form5->showFirstTopic();
        showModal(f.Form5, Place::AsPlaced);
        break;
    case Window::Chain:
        showModal(f.Form6, Place::OnMain);
        break;
    case Window::RaceLog:
        // It centres itself on the main window as it opens.
        showModal(f.Form7, Place::AsPlaced);
        break;
    }
}

} // namespace trovanta::ui
