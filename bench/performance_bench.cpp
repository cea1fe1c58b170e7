// Timings on this machine for the engine model: the whole evaluation the
// Performances window makes on every change (target: median under 1 ms
// CPU), the four straights of "Essai" for the 65 pairs of the default
// sprocket ranges as the worker runs them (under 50 ms CPU in all), and a
// 3200-pair range, which must simply finish.

#include "calc/circuit.h"
#include "calc/performance.h"

#include <benchmark/benchmark.h>

namespace {

using namespace trovanta;

perf::Model example()
{
    perf::Input in;
    in.curve = perf::exampleCurve();
    return perf::Model(in);
}

circuit::Track essai()
{
    circuit::Track t;
    t.corners = {{62, 2, 350}, {95, 3, 600}, {150, 4, 1000}, {110, 3, 400}};
    return t;
}

void WholeEvaluation(benchmark::State &state)
{
    const perf::Model m = example();
    for (auto _ : state) {
        perf::Results r = perf::evaluate(m);
        if (!r.top || !r.start)
            state.SkipWithError("incomplete");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(WholeEvaluation)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The model made again from the window's inputs each time, as a keystroke does.
void WholeEvaluationFromInput(benchmark::State &state)
{
    perf::Input in;
    in.curve = perf::exampleCurve();
    for (auto _ : state) {
        perf::Results r = perf::evaluate(perf::Model(in));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(WholeEvaluationFromInput)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void lapsOf(benchmark::State &state, int frontFrom, int frontTo, int rearFrom, int rearTo)
{
    const perf::Model m = example();
    const circuit::Track t = essai();
    for (auto _ : state) {
        int done = 0;
        for (int f = frontFrom; f <= frontTo; ++f)
            for (int r = rearFrom; r <= rearTo; ++r) {
                circuit::Lap l = circuit::lap(m, t, f, r);
                benchmark::DoNotOptimize(l);
                ++done;
            }
        state.counters["pairs"] = done;
    }
}

void Circuit65Pairs(benchmark::State &state) { lapsOf(state, 15, 19, 32, 44); }
BENCHMARK(Circuit65Pairs)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void Circuit3200Pairs(benchmark::State &state) { lapsOf(state, 12, 51, 30, 109); }
BENCHMARK(Circuit3200Pairs)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
