#pragma once
// A dyno export read on a thread of its own, so that the Performances
// window stays live while a large file goes through. The worker touches no
// widget: its outcome comes back to the thread that owns this object
// through a queued call.

#include "files/dynofile.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace trovanta::ui {

struct DynoOutcome {
    enum class Kind { Read, Cancelled, Failed };
    Kind kind = Kind::Failed;
    QString path;
    QString message;      // Failed: as the note shows it, with its full stop
    files::DynoData data; // Read
};

class DynoReading : public QObject {
    Q_OBJECT
public:
    explicit DynoReading(QObject *parent = nullptr);
    // Cancels a reading still running and waits for its thread.
    ~DynoReading() override;

    // Reads `path` on a worker thread; false while a reading runs or when
    // no thread is to be had.
    bool start(const QString &path);
    bool running() const { return running_; }
    void cancel() { cancel_ = true; }
    // Blocks until the worker is done and delivers its outcome first.
    void wait();

signals:
    void finished(const trovanta::ui::DynoOutcome &outcome);

private:
    void work(const QString &path);
    void deliver(const DynoOutcome &outcome);
    void join();

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
};

} // namespace trovanta::ui
