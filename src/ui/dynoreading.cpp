#include "ui/dynoreading.h"

#include <optional>

namespace trovanta::ui {

bool DynoReading::start(const QString &path)
{
    return launch([this, path] { work(path); });
}

// On the worker thread.
void DynoReading::work(const QString &path)
{
    DynoOutcome out;
    out.path = path;
    try {
        const files::csv::Progress progress = [this](std::int64_t, std::int64_t) { return !cancelled(); };
        std::optional<files::DynoData> data = files::readDynoFile(path, progress);
        if (!data || cancelled()) {
            out.kind = DynoOutcome::Kind::Cancelled;
        } else {
            out.kind = DynoOutcome::Kind::Read;
            out.data = std::move(*data);
        }
    } catch (...) {
        out.message = failureText();
    }
    finish([this, out = std::move(out)] { emit finished(out); });
}

} // namespace trovanta::ui
