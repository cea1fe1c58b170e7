#include "ui/dynoreading.h"

#include "calc/error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <new>
#include <system_error>

namespace trovanta::ui {

namespace {

// The run-time library's own text, as the logger reading has it.
constexpr const char *OutOfMemory = "Zu wenig Arbeitsspeicher";

} // namespace

DynoReading::DynoReading(QObject *parent) : QObject(parent) {}

DynoReading::~DynoReading()
{
    cancel_ = true;
    join();
}

void DynoReading::join()
{
    if (worker_.joinable())
        worker_.join();
}

bool DynoReading::start(const QString &path)
{
    if (running_)
        return false;
    join();
    cancel_ = false;
    try {
        worker_ = std::thread([this, path] { work(path); });
    } catch (const std::system_error &) {
        return false;
    }
    running_ = true;
    return true;
}

// On the worker thread.
void DynoReading::work(const QString &path)
{
    DynoOutcome out;
    out.path = path;
    try {
        const files::csv::Progress progress = [this](std::int64_t, std::int64_t) { return !cancel_.load(); };
        std::optional<files::DynoData> data = files::readDynoFile(path, progress);
        if (!data || cancel_) {
            out.kind = DynoOutcome::Kind::Cancelled;
        } else {
            out.kind = DynoOutcome::Kind::Read;
            out.data = std::move(*data);
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

void DynoReading::wait()
{
    if (!running_)
        return;
    join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void DynoReading::deliver(const DynoOutcome &outcome)
{
    join();
    running_ = false;
    emit finished(outcome);
}

} // namespace trovanta::ui
