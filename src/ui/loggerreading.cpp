#include "ui/loggerreading.h"

#include "calc/error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <new>
#include <system_error>

namespace trovanta::ui {

namespace {

// What a file too big for the memory left reads as (the run-time library's
// own text, like the arithmetic messages).
constexpr const char *OutOfMemory = "Zu wenig Arbeitsspeicher";

} // namespace

LoggerReading::LoggerReading(QObject *parent)
    : QObject(parent), reader_([](const QString &path, const files::LoggerProgress &progress) {
          return files::readLoggerFile(path, progress);
      })
{
}

LoggerReading::~LoggerReading()
{
    // The worker may still post to this object while it is joined; the
    // object is whole until then, and Qt drops what was posted with it.
    cancel_ = true;
    join();
}

void LoggerReading::join()
{
    if (worker_.joinable())
        worker_.join();
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

bool LoggerReading::launch(std::function<void()> job)
{
    if (running_)
        return false;
    join();
    cancel_ = false;
    try {
        worker_ = std::thread(std::move(job));
    } catch (const std::system_error &) {
        return false; // no thread to be had: nothing started
    }
    running_ = true;
    return true;
}

// On the worker thread.
void LoggerReading::work(const LoggerReader &reader, const QString &path, const gearing::Derived &gears)
{
    LoggerOutcome out;
    out.path = path;
    const auto stop = [this] { return cancel_.load(); };
    try {
        const files::LoggerProgress progress = [this](std::int64_t done, std::int64_t total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit this->progress(done, total); }, Qt::QueuedConnection);
            return !cancel_.load();
        };
        std::optional<files::LoggerData> data = reader(path, progress);
        if (!data || cancel_) {
            out.kind = LoggerOutcome::Kind::Cancelled;
        } else if (std::optional<calibration::FitResult> fit = calibration::fitLogger(data->samples, gears, stop)) {
            out.fit = std::move(*fit);
            out.gears = gears;
            out.samples = std::make_shared<const std::vector<calibration::Sample>>(std::move(data->samples));
            data->samples = {};
            out.data = std::move(*data);
            out.kind = cancel_ ? LoggerOutcome::Kind::Cancelled : LoggerOutcome::Kind::Fitted;
        } else {
            out.kind = LoggerOutcome::Kind::Cancelled;
        }
    } catch (const Error &e) {
        out.message = QString::fromStdString(withFullStop(e.message()));
    } catch (const std::bad_alloc &) {
        out.message = QString::fromStdString(withFullStop(OutOfMemory));
    } catch (const std::exception &e) {
        out.message = QString::fromStdString(withFullStop(e.what()));
    }
    QMetaObject::invokeMethod(
        this, [this, out = std::move(out)] { deliver(out); }, Qt::QueuedConnection);
}

// On the worker thread.
void LoggerReading::fitAgain(LoggerOutcome out, const gearing::Derived &gears)
{
    const auto stop = [this] { return cancel_.load(); };
    try {
        // The samples and the gear set tried stay with a failed fit: the
        // next run fits them again.
        out.gears = gears;
        std::optional<calibration::FitResult> fit = calibration::fitLogger(*out.samples, gears, stop);
        if (fit) {
            out.fit = std::move(*fit);
            out.kind = LoggerOutcome::Kind::Fitted;
            out.message.clear();
        } else
            out.kind = LoggerOutcome::Kind::Cancelled;
    } catch (const Error &e) {
        out.kind = LoggerOutcome::Kind::Failed;
        out.message = QString::fromStdString(withFullStop(e.message()));
    } catch (const std::bad_alloc &) {
        out.kind = LoggerOutcome::Kind::Failed;
        out.message = QString::fromStdString(withFullStop(OutOfMemory));
    } catch (const std::exception &e) {
        out.kind = LoggerOutcome::Kind::Failed;
        out.message = QString::fromStdString(withFullStop(e.what()));
    }
    QMetaObject::invokeMethod(
        this, [this, out = std::move(out)] { deliver(out); }, Qt::QueuedConnection);
}

void LoggerReading::wait()
{
    if (!running_)
        return;
    join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void LoggerReading::deliver(const LoggerOutcome &outcome)
{
    join();
    running_ = false;
    emit finished(outcome);
}

} // namespace trovanta::ui
