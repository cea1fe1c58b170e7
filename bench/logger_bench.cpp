// Timings on this machine for the calibration window's logger import: a
// generated export of one million lines read from disk and fitted (the
// target is under one second), the peak memory the reading and fitting
// add, from the high-water mark of the process and from counting heap
// allocations, and how soon a fit of 29 million samples stops when asked.

#include "files/loggerfile.h"

#include "calc/calibration.h"
#include "calc/gearset.h"

#include "ride_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <sys/resource.h>

namespace {

std::atomic<long long> heapLive{0};
std::atomic<long long> heapPeak{0};

void counted(void *p)
{
    const long long now = heapLive += static_cast<long long>(malloc_usable_size(p));
    long long peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
}

void *allocate(std::size_t n)
{
    void *p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    counted(p);
    return p;
}

void release(void *p) noexcept
{
    if (!p)
        return;
    heapLive -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

} // namespace

void *operator new(std::size_t n) { return allocate(n); }
void *operator new[](std::size_t n) { return allocate(n); }
void operator delete(void *p) noexcept { release(p); }
void operator delete[](void *p) noexcept { release(p); }
void operator delete(void *p, std::size_t) noexcept { release(p); }
void operator delete[](void *p, std::size_t) noexcept { release(p); }

namespace {

using namespace trovanta;

constexpr int Lines = 1000000;
QString benchFile;

long maxRssKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

const gearing::Derived &mainWindow()
{
    static const gearing::Derived d = gearing::derive(gearing::GearSet{});
    return d;
}

void ReadAndFit1M(benchmark::State &state)
{
    for (auto _ : state) {
        const auto data = files::readLoggerFile(benchFile);
        const auto fit = calibration::fitLogger(data->samples, mainWindow());
        benchmark::DoNotOptimize(fit.circumference);
    }
}
BENCHMARK(ReadAndFit1M)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);

void Read1M(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(files::readLoggerFile(benchFile)->samples.size());
}
BENCHMARK(Read1M)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);

void Fit1M(benchmark::State &state)
{
    const auto data = files::readLoggerFile(benchFile);
    for (auto _ : state)
        benchmark::DoNotOptimize(calibration::fitLogger(data->samples, mainWindow()).circumference);
}
BENCHMARK(Fit1M)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(9)->ReportAggregatesOnly(true);

// The ride repeated to 29 million samples, as a 314 MB export holds: the
// longest stretch between two questions whether to stop, and the time from
// a "stop" to the fit's return, at a few points of the fit.
void cancelLatency()
{
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    const auto one = files::readLoggerFile(benchFile)->samples;
    std::vector<calibration::Sample> samples;
    samples.reserve(29000000);
    while (samples.size() + one.size() <= samples.capacity())
        samples.insert(samples.end(), one.begin(), one.end());

    long asked = 0;
    double longest = 0;
    Clock::time_point last = Clock::now();
    const Clock::time_point start = last;
    calibration::fitLogger(samples, mainWindow(), [&] {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, ms(now - last));
        last = now;
        ++asked;
        return false;
    });
    std::printf("Fit of %zu samples: %.0f ms, asked %ld times whether to stop, longest stretch between %.1f ms\n",
                samples.size(), ms(Clock::now() - start), asked, longest);
    for (const long at : {asked / 10, asked / 2, asked * 9 / 10}) {
        long n = 0;
        Clock::time_point stopped;
        calibration::fitLogger(samples, mainWindow(), [&] {
            if (++n < at)
                return false;
            stopped = Clock::now();
            return true;
        });
        std::printf("  stopped at question %ld: returned %.1f ms after the stop\n", at, ms(Clock::now() - stopped));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    benchFile = dir.filePath("ride.csv");
    if (!dir.isValid() || !bench::writeRide(benchFile, Lines)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(benchFile));
        return 1;
    }

    // Memory first, before any other run has raised the high-water mark.
    const long rssBefore = maxRssKiB();
    const long long heapBefore = heapLive.load();
    heapPeak = heapBefore;
    std::size_t samples = 0;
    long long lines = 0, used = 0;
    long double circumference = 0;
    {
        const auto data = files::readLoggerFile(benchFile);
        const auto fit = calibration::fitLogger(data->samples, mainWindow());
        samples = data->samples.size();
        lines = data->dataLines;
        used = fit.samplesUsed;
        circumference = fit.circumference;
    }
    const long rssAfter = maxRssKiB();
    std::printf("Logger file: %lld data lines, %.1f MB; %zu samples, %s used; circumference %.1Lf mm\n", lines,
                static_cast<double>(QFile(benchFile).size()) / 1e6, samples,
                calibration::countsText(used, lines).c_str(), circumference);
    std::printf("Peak memory growth of read and fit: %.1f MB by maxrss, %.1f MB heap "
                "(the samples alone: %.1f MB)\n",
                static_cast<double>(rssAfter - rssBefore) / 1024.0,
                static_cast<double>(heapPeak.load() - heapBefore) / 1e6,
                static_cast<double>(samples * sizeof(calibration::Sample)) / 1e6);

    cancelLatency();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
