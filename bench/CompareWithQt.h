#pragma once
// Timing one of our operations against the same work done with Qt in the
// same run: the ratio (counter x_qt) is what the benchmarks report, so
// that figures from different machines and loads stay comparable.

#include <benchmark/benchmark.h>

#include <ctime>
#include <functional>

namespace bench {

// Processor time of this thread: the ratio stays fair on a loaded machine.
inline double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline double Seconds(const std::function<void()>& work) {
    const double start = ThreadSeconds();
    work();
    return ThreadSeconds() - start;
}

// Runs ours and Qt's work once per iteration, times them apart and
// reports ours per iteration with the ratio.
inline void Compare(benchmark::State& state, const std::function<void()>& ours, const std::function<void()>& qt) {
    double oursTotal = 0, qtTotal = 0;
    for (auto _ : state) {
        oursTotal += Seconds(ours);
        state.PauseTiming();
        qtTotal += Seconds(qt);
        state.ResumeTiming();
    }
    state.counters["x_qt"] = qtTotal > 0 ? oursTotal / qtTotal : 0;
}

}  // namespace bench
