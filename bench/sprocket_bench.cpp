// Timings on this machine: listing 3200 sprocket pairs with the whole chain
// geometry of every row, once where the present chain fits nearly all pairs
// and once where it is too short for most of them.

#include "calc/sprockets.h"

#include <benchmark/benchmark.h>

namespace {

using namespace trovanta::sprockets;

Input present(Range rears)
{
    Input in;
    in.front = 15;
    in.rear = 45;
    in.links = 110;
    in.linkLength = 1.56;
    in.sag = 2;
    in.travelForward = in.travelBackward = 20;
    in.fronts = {12, 51};
    in.rears = rears;
    return in;
}

void list3200(benchmark::State &state, Range rears)
{
    const Input in = present(rears);
    for (auto _ : state) {
        Listing l = list(in, ',');
        if (l.rows.size() != 3200)
            state.SkipWithError("not 3200 rows");
        benchmark::DoNotOptimize(l);
    }
}

void List3200Pairs(benchmark::State &state) { list3200(state, {30, 109}); }
BENCHMARK(List3200Pairs)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void List3200PairsMostlyTooShort(benchmark::State &state) { list3200(state, {80, 159}); }
BENCHMARK(List3200PairsMostlyTooShort)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
