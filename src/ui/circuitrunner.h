#pragma once
// The present circuit run with many sprocket pairs on a thread of its own,
// so that "Pignons et chaîne" stays live while thousands of pairs go
// through. Each start drops the run before it: its thread is stopped
// between two pairs, and whatever it had posted is thrown away on arrival.
// The worker touches no widget; results reach the thread that owns this
// object in batches, through queued calls.

#include "calc/circuit.h"
#include "calc/performance.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace trovanta::ui {

// What one pair gives on the circuit.
struct PairLap {
    std::int32_t front = 0;
    std::int32_t rear = 0;
    std::optional<double> sum; // s; none when a straight has a fault
    // The longest straight's end: its gear and engine speed, and the metres
    // on the limiter when sixth reached it.
    int longestGear = 0;
    double longestRpm = 0;
    std::optional<double> limiterMetres;
    bool longestOk = false;
};

PairLap pairLap(const perf::Model &base, const circuit::Track &track, std::int32_t front, std::int32_t rear);

class CircuitRunner : public QObject {
    Q_OBJECT
public:
    explicit CircuitRunner(QObject *parent = nullptr);
    // Stops a run and waits for its thread.
    ~CircuitRunner() override;

    // Runs `pairs` in their order; any run before is dropped.
    void start(std::shared_ptr<const perf::Model> base, circuit::Track track,
               std::vector<std::pair<std::int32_t, std::int32_t>> pairs);
    // Drops the run; nothing more of it arrives.
    void stop();
    bool running() const { return running_; }
    // Blocks until the run is done and delivers what it posted (tests, benches).
    void wait();

signals:
    // Pairs finished since the last batch, of the present run only.
    void lapsReady(const std::vector<trovanta::ui::PairLap> &laps, int done, int total);
    void finished();

private:
    void join();
    void deliver(std::uint64_t generation, const std::vector<PairLap> &laps, int done, int total, bool last);

    std::thread worker_;
    std::atomic<std::uint64_t> generation_{0};
    bool running_ = false;
};

} // namespace trovanta::ui
