// Settings files a rider may make huge by hand: how long the windows take to
// open from them and how long the exit save of a very large main settings
// file takes. Prints the figures; not a test.

#include "files/programdir.h"
#include "files/settingsfile.h"
#include "ui/registry.h"
#include "ui/startup.h"
#include "ui/tform1.h"
#include "ui/tform6.h"
#include "ui/tform7.h"

#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using trovanta::bench::median;
using trovanta::bench::ms;

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A 1 MiB file: the notes one word of a million characters, or the track
// name, or many lines of notes that are no entries.
QByteArray raceLog(int kind)
{
    QByteArray b = "[Programm]\r\n=Pistorel\r\n[Strecke]\r\nNom: =Spa\r\n";
    if (kind == 0)
        b += "[Sonstiges]\r\n=" + QByteArray(1 << 20, 'x') + "\r\n";
    else if (kind == 1)
        b += "[Sonstiges]\r\n=" + QByteArray(1 << 20, 'x').replace(7, 1, " ") + "\r\n";
    else
        for (int i = 0; b.size() < (1 << 20); ++i)
            b += "; Notiz " + QByteArray::number(i) + " zu den Reifen und zum Wetter\r\n";
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    trovanta::files::setProgramDirectoryForTesting(dir.path());
    using trovanta::ui::forms;

    std::printf("Windows opened from 1 MiB settings files (start-up, then showing), median of 5:\n");
    const char *kinds[] = {"race log notes: one word of 1 MiB", "race log notes: two long words",
                           "race log: 1 MiB of comment lines"};
    for (int kind = 0; kind < 3; ++kind) {
        std::vector<double> start, show;
        for (int i = 0; i < (argc > 1 ? 1 : 5); ++i) {
            write(dir.filePath("pistorel.ini"), raceLog(kind));
            write(dir.filePath("catenolix.ini"), raceLog(kind));
            write(dir.filePath("Trovanta.ini"), raceLog(kind));
            start.push_back(ms([] { trovanta::ui::startTrovanta(); }));
            show.push_back(ms([] {
                forms().Form7->show();
                QApplication::processEvents();
                forms().Form7->close();
                forms().Form6->show();
                QApplication::processEvents();
                forms().Form6->close();
            }));
            trovanta::ui::stopTrovanta();
        }
        std::printf("  %-40s start %7.1f ms   race log and chain shown and closed %7.1f ms\n", kinds[kind],
                    median(start), median(show));
    }

    // The main settings file grown to 60 MiB by hand-added lines.
    QByteArray big;
    while (big.size() < 60 * 1024 * 1024)
        big += "; eine sehr lange Liste von Notizen, die jemand von Hand angefuegt hat\r\n";
    write(dir.filePath("Trovanta.ini"), big);
    double start = ms([] { trovanta::ui::startTrovanta(); });
    double save = ms([] { forms().Form1->SaveIni(); });
    const double stop = ms([] { trovanta::ui::stopTrovanta(); });
    std::printf("Main settings file of 60 MiB: start %.0f ms, one save %.0f ms, end of the program %.0f ms\n", start,
                save, stop);
    return 0;
}
