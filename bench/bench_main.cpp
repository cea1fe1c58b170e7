// Timings on this machine: one calculation run with the repaint of the
// diagram (the same results again, and results that change at every run),
// the 23-step spin sweep of the engine speed, both runs again with the
// comparison window open beside the main window, a keystroke in the sprocket
// pairs window with 3200 pairs listed and with the default 65, a one-million-line logger export
// opened in the calibration window (with how long its window ever waits for
// the user-interface thread meanwhile), and start-up to the main window
// shown against a bare Qt window started the same way.

#include "support/logger_ride.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/platform.h"
#include "ui/registry.h"
#include "ui/sprocketmodel.h"
#include "ui/sprocketwindow.h"
#include "ui/tform1.h"

#include "ride_file.h"
#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using trovanta::bench::median;

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

// A run whose results change: the front sprocket goes 17, 16, 17, ... (set
// outside the timing; the field starts no run), so every display field and
// the diagram change as when the rider works.
void alternateSprocket(benchmark::State &state, TForm1 *w, int &run)
{
    state.PauseTiming();
    w->Edit4->setText(++run % 2 ? QStringLiteral("16") : QStringLiteral("17"));
    state.ResumeTiming();
}

void ChangedRunWithRepaint(benchmark::State &state)
{
    TForm1 *w = window();
    int run = 0;
    for (auto _ : state) {
        alternateSprocket(state, w, run);
        w->Button_BerechnenClick();
        w->PaintBox1->repaint();
    }
    w->Edit4->setText(QStringLiteral("17"));
    w->Button_BerechnenClick();
}
BENCHMARK(ChangedRunWithRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

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

// Counts the paint events a widget gets.
class PaintCount : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(o, e);
    }
};

// The comparison window follows every good run: its tables, track points
// and diagram are recomputed; the main window's diagram is repainted and so
// is the comparison's, which brings along whatever else in that window
// changed. Registered last, as the window stays open and connected once it
// is there.
trovanta::ui::CompareWindow *comparison()
{
    static trovanta::ui::CompareWindow *c = [] {
        trovanta::ui::enrol(window());
        trovanta::ui::openAnalysis(QStringLiteral("CompareWindow"));
        trovanta::ui::CompareWindow *w = trovanta::ui::analysisWindow<trovanta::ui::CompareWindow>();
        w->B_Edit4->setText(QStringLiteral("16"));
        w->B_Edit5->setText(QStringLiteral("40"));
        for (int r = 0; r < 12; ++r) {
            w->T_Punkte->item(r, 0)->setText(QStringLiteral("P%1").arg(r + 1));
            w->T_Punkte->item(r, 1)->setText(QString::number(60 + 15 * r));
            w->T_Punkte->item(r, 2)->setText(QString::number(1 + r / 2));
        }
        QApplication::processEvents();
        return w;
    }();
    return c;
}

template <bool Changed> void runWithComparison(benchmark::State &state)
{
    TForm1 *w = window();
    trovanta::ui::CompareWindow *c = comparison();
    PaintCount diagramPaints;
    c->Diagramm->installEventFilter(&diagramPaints);
    int run = 0;
    for (auto _ : state) {
        if (Changed)
            alternateSprocket(state, w, run);
        w->Button_BerechnenClick();
        w->PaintBox1->repaint();
        c->Diagramm->repaint();
        QCoreApplication::sendPostedEvents(c, QEvent::UpdateRequest);
    }
    c->Diagramm->removeEventFilter(&diagramPaints);
    if (diagramPaints.paints < int(state.iterations()))
        state.SkipWithError("the comparison's diagram was not repainted at every run");
    if (c->A_Edit4->text() != w->Edit4->text())
        state.SkipWithError("the comparison did not follow the run");
    w->Edit4->setText(QStringLiteral("17"));
    w->Button_BerechnenClick();
}

void RunWithComparisonOpen(benchmark::State &state) { runWithComparison<false>(state); }
void ChangedRunWithComparisonOpen(benchmark::State &state) { runWithComparison<true>(state); }
BENCHMARK(RunWithComparisonOpen)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(ChangedRunWithComparisonOpen)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// A keystroke in "Pignons et chaîne" until the table is listed anew and
// repainted: what typing waits for. With 3200 pairs in the ranges, and with
// the 65 of the default ranges around the present pair.
void sprocketKeystroke(benchmark::State &state, const char *frontTo, const char *rearFrom, const char *rearTo,
                       int pairs)
{
    TForm1 *w = window();
    trovanta::ui::SprocketWindow s(w);
    if (const auto &run = w->lastGoodRun())
        s.mainRunChanged(*run);
    const std::pair<QLineEdit *, const char *> drive[] = {
        {s.S_Ritzel, "15"},      {s.S_Kettenrad, "45"},     {s.S_Glieder, "110"},      {s.S_Gliedlaenge, "1,56"},
        {s.S_Durchhang, "2"},    {s.S_RitzelVon, pairs == 65 ? "13" : "12"},            {s.S_RitzelBis, frontTo},
        {s.S_KettenradVon, rearFrom}, {s.S_KettenradBis, rearTo}};
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
    if (s.model()->rowCount() != pairs)
        state.SkipWithError("not all pairs listed");
}

void SprocketKeystroke3200Pairs(benchmark::State &state) { sprocketKeystroke(state, "51", "30", "109", 3200); }
BENCHMARK(SprocketKeystroke3200Pairs)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void SprocketKeystroke65Pairs(benchmark::State &state) { sprocketKeystroke(state, "17", "39", "51", 65); }
BENCHMARK(SprocketKeystroke65Pairs)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The open dialog answers with the generated export.
class FilePlatform : public trovanta::ui::Platform {
public:
    QString file;
    QString getOpenFileName(QWidget *, const QString &, const QString &) override { return file; }
};

// From the click on "Ouvrir…" until the fitted circumference is shown. A
// 2 ms heartbeat on the window's thread measures the longest the window
// went without handling its events ("ui_gap_ms").
void LoggerFileInTheWindow1M(benchmark::State &state)
{
    static QTemporaryDir dir;
    static const QString ride = dir.filePath(QStringLiteral("ride.csv"));
    static const bool written = trovanta::bench::writeRide(ride, 1000000);
    if (!written) {
        state.SkipWithError("cannot write the ride");
        return;
    }
    FilePlatform platform;
    platform.file = ride;
    trovanta::ui::setPlatform(&platform);
    TForm1 *w = window();
    w->Button_BerechnenClick();
    trovanta::ui::CalibrationWindow cal(w);
    cal.mainRunChanged(*w->lastGoodRun());
    cal.show();
    QApplication::processEvents();

    double longestGap = 0;
    QElapsedTimer beat;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(2);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, static_cast<double>(beat.nsecsElapsed()) / 1e6);
        beat.restart();
    });
    bool done = false;
    QObject::connect(&cal, &trovanta::ui::CalibrationWindow::fileRead, [&] { done = true; });
    for (auto _ : state) {
        done = false;
        beat.start();
        heartbeat.start();
        cal.C_DateiClick();
        while (!done)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        heartbeat.stop();
    }
    if (cal.P_Umfang_Datei->text() != QLatin1String("1987"))
        state.SkipWithError("the ride did not fit at 1987 mm");
    state.counters["ui_gap_ms"] = longestGap;
    trovanta::ui::setPlatform(nullptr);
}
BENCHMARK(LoggerFileInTheWindow1M)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

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
    if (qEnvironmentVariableIsEmpty("TROVANTA_BENCH_NO_STARTUP"))
        startUp();
    // The main window, and the comparison window with it when it was opened.
    if (trovanta::ui::forms().Form1)
        trovanta::ui::destroyWindows();
    else
        delete window();
    return 0;
}
