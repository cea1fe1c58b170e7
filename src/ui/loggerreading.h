#pragma once
// A logger export read and fitted on a thread of its own, so that the
// calibration window stays live while a file of millions of lines goes
// through. The worker touches no widget: it hands its progress and its
// outcome to the thread that owns this object through queued calls.

#include "calc/calibration.h"
#include "calc/gearset.h"
#include "files/loggerfile.h"
#include "ui/backgroundjob.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace trovanta::ui {

// What one reading brought back.
struct LoggerOutcome {
    enum class Kind { Fitted, Cancelled, Failed };
    Kind kind = Kind::Failed;
    QString path;
    QString message;            // Failed: as the note shows it, with its full stop
    calibration::FitResult fit; // Fitted
    files::LoggerData data;     // Fitted: the counts and the header found; no samples
    // The samples read, kept for fitting them again to a changed gear set,
    // and the gear set this fit used; a fit again that failed or was
    // cancelled brings them back too.
    std::shared_ptr<const std::vector<calibration::Sample>> samples;
    gearing::Derived gears;
};

// How the file is read: files::readLoggerFile, or a stand-in in the tests.
using LoggerReader =
    std::function<std::optional<files::LoggerData>(const QString &path, const files::LoggerProgress &progress)>;

class LoggerReading : public BackgroundJob {
    Q_OBJECT
public:
    explicit LoggerReading(QObject *parent = nullptr);
    // Cancels a reading still running and waits for its thread.
    ~LoggerReading() override { stop(); }

    // Reads `path` and fits it to `gears` on a worker thread; does nothing
    // and returns false while a reading runs.
    bool start(const QString &path, const gearing::Derived &gears);
    // Fits the samples of an earlier outcome (fitted or not) to `gears` on the
    // worker thread, without reading the file again; false while a reading runs.
    bool refit(const LoggerOutcome &fitted, const gearing::Derived &gears);
    // cancel(): the worker stops at its next chunk of the file or of the
    // fit (64 k samples) and reports Cancelled.

    void setReader(LoggerReader reader) { reader_ = std::move(reader); }

signals:
    // Bytes read so far of the file's size, after each chunk.
    void progress(qint64 done, qint64 total);
    void finished(const trovanta::ui::LoggerOutcome &outcome);

private:
    void work(const LoggerReader &reader, const QString &path, const gearing::Derived &gears);
    void fitAgain(LoggerOutcome out, const gearing::Derived &gears);
    void deliver(LoggerOutcome outcome);

    LoggerReader reader_;
};

} // namespace trovanta::ui
