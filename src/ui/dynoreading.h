#pragma once
// A dyno export read on a thread of its own, so that the Performances
// window stays live while a large file goes through. The worker touches no
// widget: its outcome comes back to the thread that owns this object
// through a queued call.

#include "files/dynofile.h"
#include "ui/backgroundjob.h"

#include <QString>

namespace trovanta::ui {

struct DynoOutcome {
    enum class Kind { Read, Cancelled, Failed };
    Kind kind = Kind::Failed;
    QString path;
    QString message;      // Failed: as the note shows it, with its full stop
    files::DynoData data; // Read
};

class DynoReading : public BackgroundJob {
    Q_OBJECT
public:
    explicit DynoReading(QObject *parent = nullptr) : BackgroundJob(parent) {}
    ~DynoReading() override { stop(); }

    // Reads `path` on a worker thread; false while a reading runs or when
    // no thread is to be had.
    bool start(const QString &path);

signals:
    void finished(const trovanta::ui::DynoOutcome &outcome);

private:
    void work(const QString &path);
};

} // namespace trovanta::ui
