#pragma once
// The comparison's group "Performances": A and B with the Performances
// window's engine model, side by side with their difference: 0–100 km/h,
// 400 m, the top speed with its gear and, with a present circuit, the sum
// of its straights. B's values follow every keystroke; with a circuit they
// are worked out on a thread of their own, the cells showing "…" meanwhile.

#include "calc/gearset.h"
#include "calc/performance.h"
#include "ui/performancecontext.h"

#include <QGroupBox>

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

class QTableWidget;

namespace trovanta::ui {

// What one gear set gives with the model; empty where it is not complete.
struct SetPerformance {
    bool complete = false;
    std::optional<double> to100, at400; // s
    std::optional<perf::TopSpeed> top;
    std::optional<double> circuit; // s, the sum of the straights
};

SetPerformance setPerformance(const perf::Input &in, const std::optional<circuit::Track> &track);

class ComparePerformance : public QGroupBox {
    Q_OBJECT
public:
    enum RowIndex { To100, At400, TopSpeed, Circuit };
    enum ColumnIndex { ColumnA, ColumnB, ColumnChange };

    explicit ComparePerformance(QWidget *parent = nullptr);
    ~ComparePerformance() override;

    // Hidden without model inputs.
    void setContext(const PerformanceContext &context);
    // A's and B's gear sets as they stand; none for a set that does not
    // convert. B's red zone and shift mark are taken from A.
    void setSets(const std::optional<gearing::GearSet> &a, const std::optional<gearing::GearSet> &b);
    // Blocks until a worked-out B is shown (tests).
    void wait();

    QTableWidget *B_Leistung;

signals:
    // The table shows new values (B's, after a worker finished).
    void shown();

protected:
    void changeEvent(QEvent *e) override;

private:
    void showHeads();
    void recompute();
    void show();
    void deliver(std::uint64_t generation, const SetPerformance &a, const SetPerformance &b);

    PerformanceContext context_;
    std::optional<gearing::GearSet> a_, b_;
    std::optional<SetPerformance> aValues_, bValues_; // none: being worked out
    std::thread worker_;
    std::atomic<std::uint64_t> generation_{0};
};

} // namespace trovanta::ui
