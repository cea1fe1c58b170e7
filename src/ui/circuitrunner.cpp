#include "ui/circuitrunner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <chrono>
#include <system_error>

namespace trovanta::ui {

namespace {

// A batch at most this often: the table is sorted again for each one.
constexpr std::chrono::milliseconds BatchEvery(40);

} // namespace

PairLap pairLap(const perf::Model &base, const circuit::Track &track, std::int32_t front, std::int32_t rear)
{
    PairLap out;
    out.front = front;
    out.rear = rear;
    const circuit::Lap lap = circuit::lap(base, track, front, rear);
    out.sum = lap.sum;
    if (lap.longest >= 0 && static_cast<std::size_t>(lap.longest) < lap.straights.size()) {
        const circuit::Straight &s = lap.straights[static_cast<std::size_t>(lap.longest)];
        out.longestOk = s.fault == circuit::Fault::None;
        out.longestGear = s.endGear;
        out.longestRpm = s.endRpm;
        out.limiterMetres = s.limiterMetres;
    }
    return out;
}

CircuitRunner::CircuitRunner(QObject *parent) : QObject(parent) {}

CircuitRunner::~CircuitRunner()
{
    ++generation_;
    join();
}

void CircuitRunner::join()
{
    if (worker_.joinable())
        worker_.join();
}

void CircuitRunner::stop()
{
    ++generation_;
    join();
    running_ = false;
}

void CircuitRunner::start(std::shared_ptr<const perf::Model> base, circuit::Track track,
                          std::vector<std::pair<std::int32_t, std::int32_t>> pairs)
{
    stop();
    const std::uint64_t generation = generation_.load();
    auto job = [this, generation, base = std::move(base), track = std::move(track), pairs = std::move(pairs)] {
        const int total = static_cast<int>(pairs.size());
        std::vector<PairLap> batch;
        auto last = std::chrono::steady_clock::now();
        int done = 0;
        auto post = [&](bool end) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, laps = std::move(batch), done, total, end] {
                    deliver(generation, laps, done, total, end);
                },
                Qt::QueuedConnection);
            batch = {};
            last = std::chrono::steady_clock::now();
        };
        for (const auto &[front, rear] : pairs) {
            if (generation_.load() != generation)
                return; // dropped: a newer run is coming
            batch.push_back(pairLap(*base, track, front, rear));
            ++done;
            if (std::chrono::steady_clock::now() - last >= BatchEvery)
                post(false);
        }
        post(true);
    };
    try {
        worker_ = std::thread(std::move(job));
    } catch (const std::system_error &) {
        return; // no thread to be had: the columns stay empty
    }
    running_ = true;
}

void CircuitRunner::wait()
{
    if (!running_)
        return;
    join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CircuitRunner::deliver(std::uint64_t generation, const std::vector<PairLap> &laps, int done, int total,
                            bool last)
{
    if (generation != generation_.load())
        return;
    if (last) {
        join();
        running_ = false;
    }
    emit lapsReady(laps, done, total);
    if (last)
        emit finished();
}

} // namespace trovanta::ui
