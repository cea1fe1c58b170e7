// The circuit's columns of "Pignons et chaîne" as the rider sees them fill
// in: for the 65 pairs of the default ranges and for 3200 pairs, the time
// until the last pair is shown, and the longest the GUI thread went without
// handling events while the worker runs (target: 16 ms). The step that
// lists the pairs and starts the worker is told apart: it is the listing's
// own cost, as without a circuit. The worker's own CPU time for the 65
// pairs is performance_bench's Circuit65Pairs.

#include "files/programdir.h"
#include "ui/circuitrunner.h"
#include "ui/registry.h"
#include "ui/sprocketmodel.h"
#include "ui/sprocketwindow.h"
#include "ui/tform1.h"
#include "ui/tform6.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace trovanta;

namespace {

// The GUI thread's own CPU time: on a shared machine the wall clock also
// counts the time other processes had the core.
qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    files::setProgramDirectoryForTesting(dir.path());
    TForm1 *main = ui::createMainWindow();
    ui::createSecondaryWindows();
    main->show();
    main->EditRotBereich->setText(QStringLiteral("12000"));
    main->Button_BerechnenClick();
    ui::forms().Form6->E_Glieder_alt->setText(QStringLiteral("110"));
    ui::PerformanceContext context;
    perf::Input in;
    in.curve = perf::exampleCurve();
    context.input = in;
    circuit::Track t;
    t.corners = {{62, 2, 350}, {95, 3, 600}, {150, 4, 1000}, {110, 3, 400}};
    context.circuit = ui::PresentCircuit{QStringLiteral("Essai"), t};
    ui::publishPerformanceContext(context);
    main->findChild<QAction *>(QStringLiteral("PignonsChaine1"))->trigger();
    auto *s = ui::analysisWindow<ui::SprocketWindow>();

    auto measure = [&](const char *what, const char *frontTo, const char *rearTo) {
        s->S_RitzelBis->setText(QString::fromLatin1(frontTo));
        s->S_KettenradBis->setText(QString::fromLatin1(rearTo));
        QElapsedTimer all;
        all.start();
        qint64 listing = 0, longest = 0, longestCpu = 0;
        bool started = false;
        // Until the run has started and finished.
        while (!started || s->circuitRunner()->running()) {
            const bool running = s->circuitRunner()->running();
            QElapsedTimer one;
            one.start();
            const qint64 cpu = threadCpuNs();
            QApplication::processEvents(QEventLoop::AllEvents);
            qint64 &slot = running ? longest : listing;
            slot = std::max(slot, one.nsecsElapsed());
            if (running)
                longestCpu = std::max(longestCpu, threadCpuNs() - cpu);
            started = started || s->circuitRunner()->running();
        }
        std::printf("%-10s %5d rows: all shown after %7.1f ms; listing step %6.2f ms; while the worker runs, "
                    "longest without events %6.2f ms (GUI thread CPU %5.2f ms)\n",
                    what, s->model()->rowCount(), all.nsecsElapsed() / 1e6, listing / 1e6, longest / 1e6,
                    longestCpu / 1e6);
    };
    for (int i = 0; i < 3; ++i) {
        measure("65 pairs", "19", "44");
        measure("3200 pairs", "54", "111");
    }
    ui::destroyWindows();
    return 0;
}
