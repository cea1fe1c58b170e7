// Timings on this machine: one calculation run with the repaint of the
// diagram, the 23-step spin sweep of the engine speed, a keystroke in the
// sprocket pairs window with 3200 pairs listed, and start-up to the main
// window shown against a bare Qt window started the same way.

#include "ui/platform.h"
#include "ui/sprocketmodel.h"
#include "ui/sprocketwindow.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

TForm1 *window()
{
    static TForm1 *w = [] {
        auto *f = new TForm1;
        f->show();
        QApplication::processEvents();
        return f;
    }();
    return w;
}

void RunWithRepaint(benchmark::State &state)
{
    TForm1 *w = window();
    for (auto _ : state) {
        w->Button_BerechnenClick();
        w->PaintBox1->repaint();
    }
}
BENCHMARK(RunWithRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void SpinSweep4500To16000(benchmark::State &state)
{
    TForm1 *w = window();
    for (auto _ : state) {
        state.PauseTiming();
        w->Edit14->setText(QStringLiteral("4500"));
        state.ResumeTiming();
        for (int i = 0; i < 23; ++i) {
            w->UpDown2->click(+1);
            w->PaintBox1->repaint();
        }
    }
    if (w->Edit14->text() != QLatin1String("16000"))
        state.SkipWithError("sweep did not reach 16000");
}
BENCHMARK(SpinSweep4500To16000)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// A keystroke in "Pignons et chaîne" with 3200 pairs in the ranges, until
// the table is listed anew and repainted: what typing waits for.
void SprocketKeystroke3200Pairs(benchmark::State &state)
{
    TForm1 *w = window();
    trovanta::ui::SprocketWindow s(w);
    if (const auto &run = w->lastGoodRun())
        s.setMainRun(*run);
    const std::pair<QLineEdit *, const char *> drive[] = {
        {s.S_Ritzel, "15"},    {s.S_Kettenrad, "45"},    {s.S_Glieder, "110"},     {s.S_Gliedlaenge, "1,56"},
        {s.S_Durchhang, "2"},  {s.S_RitzelVon, "12"},    {s.S_RitzelBis, "51"},    {s.S_KettenradVon, "30"},
        {s.S_KettenradBis, "109"}};
    for (const auto &[field, text] : drive)
        field->setText(trovanta::ui::localDecimal(text));
    s.show();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        s.S_Vorne->setText(QString::number(20 + (++i % 2)));
        QApplication::processEvents();
        s.S_Tabelle->viewport()->repaint();
    }
    if (s.model()->rowCount() != 3200)
        state.SkipWithError("not 3200 rows");
}
BENCHMARK(SprocketKeystroke3200Pairs)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The probes run offscreen unless TROVANTA_BENCH_PLATFORM names another
// platform (xcb under xvfb-run, for instance).
QString platformName()
{
    const QString p = qEnvironmentVariable("TROVANTA_BENCH_PLATFORM");
    return p.isEmpty() ? QStringLiteral("offscreen") : p;
}

// Milliseconds from starting the probe until it reports its window shown.
double startOnce(const char *mode)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platformName());
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral(TROVANTA_STARTUP_PROBE), {QString::fromLatin1(mode)});
    while (!p.canReadLine() && p.state() != QProcess::NotRunning)
        p.waitForReadyRead(5000);
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    p.waitForFinished(10000);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void startUp()
{
    constexpr int Rounds = 21;
    std::vector<double> full, bare, caption;
    for (const char *mode : {"bare", "caption", "full"}) // warm the file cache
        startOnce(mode);
    for (int i = 0; i < Rounds; ++i) { // interleaved, so that load drifts hit all alike
        bare.push_back(startOnce("bare"));
        caption.push_back(startOnce("caption"));
        full.push_back(startOnce("full"));
    }
    const double f = median(full), b = median(bare), c = median(caption);
    std::printf("\nStart-up to the window shown and painted, median of %d (%s):\n", Rounds,
                qPrintable(platformName()));
    std::printf("  Trovanta main window          %8.1f ms\n", f);
    std::printf("  bare Qt 6 window              %8.1f ms   ratio %.2f (target <= 1.30)\n", b, f / b);
    std::printf("  bare window with one caption  %8.1f ms   ratio %.2f\n", c, f / c);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    startUp();
    delete window();
    return 0;
}
