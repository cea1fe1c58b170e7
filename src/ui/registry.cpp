#include "ui/registry.h"

#include "ui/analysiswindow.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/converters.h"
#include "ui/sprocketwindow.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

#include <QPointer>

#include <vector>

namespace trovanta::ui {

Forms &forms()
{
    static Forms f;
    return f;
}

namespace {

std::vector<QPointer<AnalysisWindow>> &analysisWindows()
{
    static std::vector<QPointer<AnalysisWindow>> list;
    return list;
}

// Closing a secondary window blanks the main window's diagram.
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

template <class Form> void showModal(Form *f)
{
    if (f)
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

CompareWindow *createCompareWindow()
{
    TForm1 *main = forms().Form1;
    auto *w = new CompareWindow(main, main ? main->lastGoodRun() : std::nullopt, mainFields);
    QObject::connect(w, &QObject::destroyed, [] { forms().Compare = nullptr; });
    if (main) {
        QObject::connect(main, &TForm1::runSucceeded, w, &CompareWindow::setMainRun);
        QObject::connect(main, &TForm1::runFailed, w, &CompareWindow::setMainFailure);
        QObject::connect(w, &CompareWindow::applyRequested, main, &TForm1::setGearSet);
        if (const auto &failure = main->lastRunFailure())
            w->setMainFailure(*failure);
        w->placeBeside(main->frameGeometry());
    }
    enrolAnalysis(w);
    return w;
}

// Created on first use, centred on the main window, and fed by its runs
// from then on.
CalibrationWindow *createCalibrationWindow()
{
    TForm1 *main = forms().Form1;
    auto *w = new CalibrationWindow(main);
    QObject::connect(w, &QObject::destroyed, [] { forms().Calibration = nullptr; });
    if (main) {
        QObject::connect(main, &TForm1::runSucceeded, w, &CalibrationWindow::setMainRun);
        QObject::connect(main, &TForm1::runFailed, w, &CalibrationWindow::mainRunFailed);
        QObject::connect(w, &CalibrationWindow::circumferenceApplied, main, &TForm1::setCircumferenceOverride);
        if (main->lastGoodRun())
            w->setMainRun(*main->lastGoodRun());
        if (const auto &failure = main->lastRunFailure())
            w->mainRunFailed(*failure);
        w->adjustSize();
        w->move(main->frameGeometry().center() - w->rect().center());
    }
    enrolAnalysis(w);
    return w;
}

// Created on first use, fed by the main window's runs and the chain
// calculator's present chain; its pairs go to the main window or to the
// comparison's variant.
SprocketWindow *createSprocketWindow()
{
    Forms &f = forms();
    TForm1 *main = f.Form1;
    auto *w = new SprocketWindow(main);
    QObject::connect(w, &QObject::destroyed, [] { forms().Sprocket = nullptr; });
    w->setChainSource([]() -> std::optional<PresentChain> {
        if (const TForm6 *chain = forms().Form6)
            return chain->presentChain();
        return std::nullopt;
    });
    if (f.Form6)
        QObject::connect(f.Form6, &TForm6::presentChainChanged, w, &SprocketWindow::setPresentChain);
    if (main) {
        if (const auto &run = main->lastGoodRun())
            w->setMainRun(*run);
        QObject::connect(main, &TForm1::runSucceeded, w, &SprocketWindow::setMainRun);
        QObject::connect(w, &SprocketWindow::applyRequested, main, &TForm1::setSprockets);
    }
    QObject::connect(w, &SprocketWindow::compareRequested, w, [](const QString &front, const QString &rear) {
        openWindow(Window::Compare);
        if (CompareWindow *c = forms().Compare)
            c->setVariantSprockets(front, rear);
    });
    enrolAnalysis(w);
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
}

void enrolAnalysis(AnalysisWindow *w) { analysisWindows().push_back(w); }

void saveOpenWindows(bool terminating)
{
    const Forms &f = forms();
    if (f.Form6 && f.Form6->isVisible())
        f.Form6->saveAtEnd(terminating);
    if (f.Form7 && f.Form7->isVisible())
        f.Form7->saveAtEnd(terminating);
    // An analysis window keeps following the main window while closed, so
    // each one made saves, not only those still open.
    for (const QPointer<AnalysisWindow> &w : analysisWindows())
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
    destroy(f.Calibration);
    destroy(f.Sprocket);
    destroy(f.Compare);
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
    analysisWindows().clear();
}

void openWindow(Window which)
{
    Forms &f = forms();
    switch (which) {
    case Window::Info:
        if (f.Form2)
            f.Form2->offerCloseButton();
        showModal(f.Form2);
        break;
    case Window::PsKw:
        showModal(f.Form3);
        break;
    case Window::KmhMph:
        showModal(f.Form4);
        break;
    case Window::MetricInch:
        showModal(f.Form10);
        break;
    case Window::Faq:
        if (f.Form5)
            f.Form5->showFirstTopic();
        showModal(f.Form5);
        break;
    case Window::Chain:
        showModal(f.Form6);
        break;
    case Window::RaceLog:
        showModal(f.Form7);
        break;
    case Window::Calibration:
        if (!f.Calibration)
            f.Calibration = createCalibrationWindow();
        showAnalysis(f.Calibration);
        break;
    case Window::Compare:
        if (!f.Compare)
            f.Compare = createCompareWindow();
        showAnalysis(f.Compare);
        break;
    case Window::Sprocket:
        if (!f.Sprocket)
            f.Sprocket = createSprocketWindow();
        showAnalysis(f.Sprocket);
        break;
    }
}

} // namespace trovanta::ui
