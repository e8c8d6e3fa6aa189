#pragma once
// What the grid benchmarks share: an offscreen GUI application, made before
// any grid, and the processor time of the running thread, which keeps a
// ratio of two timings fair on a loaded machine.

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

}  // namespace bench_support
