#pragma once
// One job at a time on a thread of its own, for a window that stays live
// while a large file goes through. The job touches no widget: what it
// brings back is handed to the thread that owns this object through a
// queued call, and the thread is joined before that call runs.

#include "calc/messages.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace trovanta::ui {

// What a file too big for the memory left reads as (the run-time library's
// own text, like the arithmetic messages); the notes show it translated.
inline constexpr const char *OutOfMemory = TROVANTA_MESSAGE("Messages", "Zu wenig Arbeitsspeicher");

class BackgroundJob : public QObject {
public:
    explicit BackgroundJob(QObject *parent = nullptr) : QObject(parent) {}
    ~BackgroundJob() override { stop(); }

    bool running() const { return running_; }
    // The job stops at its next check and says it was cancelled.
    void cancel() { cancel_ = true; }
    // Blocks until the job is done and delivers what it brought back
    // before returning (nothing when no job runs).
    void wait();

protected:
    // Starts `job` on the worker thread; false while a job runs or when no
    // thread is to be had.
    bool launch(std::function<void()> job);
    bool cancelled() const { return cancel_.load(); }
    // From the job, as its last step: `deliver` runs on the owner's thread.
    void finish(std::function<void()> deliver);
    // Cancels a job still running and joins its thread. A derived class
    // calls it in its destructor, while the members the job uses are whole.
    void stop();
    // In a catch block of the job: the exception caught, as the note shows
    // it, with its full stop.
    static QString failureText();

private:
    void join();

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
};

} // namespace trovanta::ui
