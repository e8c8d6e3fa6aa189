#pragma once
// What the grid benchmarks share: an offscreen GUI application, made before
// any grid, and the processor time of the running thread, which keeps a
// ratio of two timings fair on a loaded machine.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "platform/GuiApp.h"
#include "platform/ProcessMemory.h"

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

// The heap as the program lays it out at start (AppMain). Without it every
// fresh page a run touches is a fault to the system, and on this kind of
// machine the faults cost more than parsing: which side of a comparison
// happened to get pages back from the last run decided the ratio. Call it
// once, before anything is timed, as the program does before anything is
// built.
inline bool PrepareHeapAsTheProgram() {
    plat::Prepare_Heap(64u << 20);
    return true;
}

// A ratio of our time to a baseline's, with its spread over the pairs.
struct TRatio {
    double median = 0;
    double low = 0;   // first quartile
    double high = 0;  // third quartile
};

// Times ours and the baseline in Pairs pairs, one right after the other,
// and takes the median of the pairs' ratios: a slower spell of the machine
// falls on both halves of a pair, and a pair that caught an outside burst
// does not move the median. Which side runs first alternates, so neither
// always finds the heap as the other left it. A few pairs run untimed
// first, so that both find the heap grown to what they need. Untimed runs
// after every timed one, for work whose result outlives it (a loaded file
// is kept, not thrown away at once): it lets go of that result.
inline TRatio PairedRatio(int Pairs, const std::function<void()>& ours, const std::function<void()>& baseline,
                          const std::function<void()>& Untimed = [] {}) {
    constexpr int Warm_Up = 3;
    std::vector<double> ratios;
    const auto timed = [&](const std::function<void()>& work) {
        const double seconds = Seconds(work);
        Untimed();
        return seconds;
    };
    for (int i = 0; i < Warm_Up + Pairs; ++i) {
        double oursSeconds = 0, baseSeconds = 0;
        if (i % 2 == 0) {
            oursSeconds = timed(ours);
            baseSeconds = timed(baseline);
        } else {
            baseSeconds = timed(baseline);
            oursSeconds = timed(ours);
        }
        if (i >= Warm_Up && baseSeconds > 0) ratios.push_back(oursSeconds / baseSeconds);
    }
    TRatio r;
    if (ratios.empty()) return r;
    std::sort(ratios.begin(), ratios.end());
    const auto at = [&](double q) {
        return ratios[static_cast<size_t>(q * static_cast<double>(ratios.size() - 1) + 0.5)];
    };
    r.median = at(0.5);
    r.low = at(0.25);
    r.high = at(0.75);
    return r;
}

// Name, name_q1 and name_q3 as counters of the benchmark.
inline void ReportRatio(benchmark::State& state, const std::string& name, const TRatio& r) {
    state.counters[name] = r.median;
    state.counters[name + "_q1"] = r.low;
    state.counters[name + "_q3"] = r.high;
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
