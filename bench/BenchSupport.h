#pragma once
// What the grid benchmarks share: an offscreen GUI application, made before
// any grid, and the processor time of the running thread, which keeps a
// ratio of two timings fair on a loaded machine.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <functional>

#include "platform/GuiApp.h"

namespace bench_support {

inline bool MakeOffscreenGui() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    plat::EnsureGuiApplication();
    return true;
}

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

// Adds the seconds one run of work takes to total: for pairs of ours and
// a baseline run alternately, so that a slower spell falls on both.
inline void Timed(double& total, const std::function<void()>& work) { total += Seconds(work); }

// Seconds per run of work, over enough runs to last about a fifth of a
// second.
inline double SecondsEach(const std::function<void()>& work) {
    int rounds = 0;
    double spent = 0;
    do {
        spent += Seconds(work);
        ++rounds;
    } while (spent < 0.2 || rounds < 3);
    return spent / rounds;
}

// Runs ours and Qt's work once per iteration, times them apart and
// reports ours per iteration with the ratio (counter x_qt), so that figures
// from different machines and loads stay comparable.
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

}  // namespace bench_support
