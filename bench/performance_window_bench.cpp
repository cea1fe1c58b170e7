// Timings on this machine for the Performances window beside the main
// window: a keystroke in a bike field until the window is repainted (the
// whole evaluation, the results, the three charts and what changed drawn
// again; target: median under 8 ms CPU), on each of the three tabs, and
// once with the whole window painted again.

#include "ui/performancediagrams.h"
#include "ui/performancewindow.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

TForm1 *mainWindow()
{
    static TForm1 *w = [] {
        auto *f = new TForm1;
        f->show();
        f->Button_BerechnenClick();
        QApplication::processEvents();
        return f;
    }();
    return w;
}

void keystroke(benchmark::State &state, int tab, bool wholeWindow = false)
{
    TForm1 *main = mainWindow();
    trovanta::ui::PerformanceWindow p(main);
    if (const auto &run = main->lastGoodRun())
        p.mainRunChanged(*run);
    p.P_Tabs->setCurrentIndex(tab);
    p.show();
    QApplication::processEvents();
    // The diagram shown counts its paints: each keystroke must repaint it.
    struct Counter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    p.P_Tabs->currentWidget()->installEventFilter(&counter);
    int i = 0;
    for (auto _ : state) {
        // The mass goes 270, 271, 270, ...: every keystroke changes every
        // result; the event loop then repaints what changed.
        p.P_Masse->setText(QString::number(270 + (++i % 2)));
        QApplication::processEvents();
        if (wholeWindow)
            p.repaint();
    }
    if (!p.results().top)
        state.SkipWithError("no top speed");
    if (counter.paints < i)
        state.SkipWithError("the diagram was not repainted at every keystroke");
}

void KeystrokeForceTab(benchmark::State &state) { keystroke(state, 0); }
void KeystrokeEngineTab(benchmark::State &state) { keystroke(state, 1); }
void KeystrokeStartTab(benchmark::State &state) { keystroke(state, 2); }
BENCHMARK(KeystrokeForceTab)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(KeystrokeEngineTab)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(KeystrokeStartTab)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
// The worst case: every widget of the window painted again, changed or not.
void KeystrokeStartTabWholeWindow(benchmark::State &state) { keystroke(state, 2, true); }
BENCHMARK(KeystrokeStartTabWholeWindow)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete mainWindow();
    return 0;
}
