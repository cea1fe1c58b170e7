// The kill test's other child: the whole program with a logger file being
// fitted, a change in the main window not yet saved. It writes "R" to
// standard output once the file is read and the fit begins; the test then
// ends it as a desktop logging out does (SIGTERM, soon SIGKILL).
//
//   fit_ender <program directory>

#include "support/fake_platform.h"

#include "files/programdir.h"
#include "ui/calibrationwindow.h"
#include "ui/registry.h"
#include "ui/startup.h"
#include "ui/termination.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QLineEdit>

#include <unistd.h>

using namespace trovanta;

namespace {

// Samples on the speed rule, enough to keep a fit busy for seconds.
files::LoggerData bigRide()
{
    const gearing::Derived d = gearing::derive(gearing::GearSet{});
    std::vector<calibration::Sample> lap;
    for (int i = 0; i < 60000; ++i) {
        const int gear = i % 6 + 1;
        const double rpm = 4000 + (i * 7919) % 7000;
        lap.push_back({rpm, static_cast<double>(d.roadSpeed(rpm, gear))});
    }
    files::LoggerData data;
    data.samples.reserve(400 * lap.size());
    for (int k = 0; k < 400; ++k)
        data.samples.insert(data.samples.end(), lap.begin(), lap.end());
    data.dataLines = static_cast<std::int64_t>(data.samples.size());
    return data;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    files::setProgramDirectoryForTesting(QString::fromLocal8Bit(argv[1]));
    test::FakePlatform platform;
    ui::quitOnTerminationSignals(ui::saveForSessionEnd);
    ui::startTrovanta();
    TForm1 *main = ui::forms().Form1;
    main->Button_BerechnenClick();
    auto *c = qobject_cast<ui::CalibrationWindow *>(ui::openAnalysis(QStringLiteral("CalibrationWindow")));
    c->setLoggerReader([](const QString &, const files::LoggerProgress &) {
        std::optional<files::LoggerData> data = bigRide();
        if (::write(STDOUT_FILENO, "R", 1) != 1)
            return std::optional<files::LoggerData>();
        return data;
    });
    // The rider's last change, which only the program's end saves.
    main->Edit4->setText(QStringLiteral("16"));
    platform.fileAnswers.push_back(QStringLiteral("ride.csv"));
    c->C_DateiClick();
    const int rc = ui::terminationRequested() ? 0 : app.exec();
    ui::stopTrovanta(ui::terminationRequested());
    return rc;
}
