#include "ui/backgroundjob.h"

#include "calc/error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <exception>
#include <new>
#include <system_error>

namespace trovanta::ui {

void BackgroundJob::join()
{
    if (worker_.joinable())
        worker_.join();
}

void BackgroundJob::stop()
{
    // The job may still post to this object while it is joined; the object
    // is whole until then, and Qt drops what was posted with it.
    cancel_ = true;
    join();
}

bool BackgroundJob::launch(std::function<void()> job)
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

void BackgroundJob::finish(std::function<void()> deliver)
{
    QMetaObject::invokeMethod(
        this,
        [this, deliver = std::move(deliver)] {
            join();
            running_ = false;
            deliver();
        },
        Qt::QueuedConnection);
}

void BackgroundJob::wait()
{
    if (!running_)
        return;
    join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

QString BackgroundJob::failureText()
{
    try {
        throw;
    } catch (const Error &e) {
        return QString::fromStdString(withFullStop(e.message()));
    } catch (const std::bad_alloc &) {
        return QString::fromStdString(withFullStop(OutOfMemory));
    } catch (const std::exception &e) {
        return QString::fromStdString(withFullStop(e.what()));
    }
}

} // namespace trovanta::ui
