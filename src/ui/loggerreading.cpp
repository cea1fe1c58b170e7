#include "ui/loggerreading.h"

#include <QMetaObject>

namespace trovanta::ui {

LoggerReading::LoggerReading(QObject *parent)
    : BackgroundJob(parent), reader_([](const QString &path, const files::LoggerProgress &progress) {
          return files::readLoggerFile(path, progress);
      })
{
}

bool LoggerReading::start(const QString &path, const gearing::Derived &gears)
{
    return launch([this, path, gears, reader = reader_] { work(reader, path, gears); });
}

bool LoggerReading::refit(const LoggerOutcome &fitted, const gearing::Derived &gears)
{
    if (!fitted.samples)
        return false;
    return launch([this, fitted, gears] { fitAgain(fitted, gears); });
}

// On the worker thread.
void LoggerReading::work(const LoggerReader &reader, const QString &path, const gearing::Derived &gears)
{
    LoggerOutcome out;
    out.path = path;
    const auto stopAsked = [this] { return cancelled(); };
    try {
        const files::LoggerProgress progress = [this](std::int64_t done, std::int64_t total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit this->progress(done, total); }, Qt::QueuedConnection);
            return !cancelled();
        };
        std::optional<files::LoggerData> data = reader(path, progress);
        if (!data || cancelled()) {
            out.kind = LoggerOutcome::Kind::Cancelled;
        } else if (std::optional<calibration::FitResult> fit =
                       calibration::fitLogger(data->samples, gears, stopAsked)) {
            out.fit = std::move(*fit);
            out.gears = gears;
            out.samples = std::make_shared<const std::vector<calibration::Sample>>(std::move(data->samples));
            data->samples = {};
            out.data = std::move(*data);
            out.kind = cancelled() ? LoggerOutcome::Kind::Cancelled : LoggerOutcome::Kind::Fitted;
        } else {
            out.kind = LoggerOutcome::Kind::Cancelled;
        }
    } catch (...) {
        out.message = failureText();
    }
    deliver(std::move(out));
}

// On the worker thread.
void LoggerReading::fitAgain(LoggerOutcome out, const gearing::Derived &gears)
{
    const auto stopAsked = [this] { return cancelled(); };
    try {
        // The samples and the gear set tried stay with a failed fit: the
        // next run fits them again.
        out.gears = gears;
        std::optional<calibration::FitResult> fit = calibration::fitLogger(*out.samples, gears, stopAsked);
        if (fit) {
            out.fit = std::move(*fit);
            out.kind = LoggerOutcome::Kind::Fitted;
            out.message.clear();
        } else
            out.kind = LoggerOutcome::Kind::Cancelled;
    } catch (...) {
        out.kind = LoggerOutcome::Kind::Failed;
        out.message = failureText();
    }
    deliver(std::move(out));
}

// On the worker thread, as its last step.
void LoggerReading::deliver(LoggerOutcome outcome)
{
    finish([this, outcome = std::move(outcome)] { emit finished(outcome); });
}

} // namespace trovanta::ui
