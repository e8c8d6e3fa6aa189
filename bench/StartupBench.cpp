// Start-up to the main window shown, offscreen: the configurator started
// with "--exit-after-start" against a bare Qt Widgets window that is shown
// and closed the same way. Both run as processes of their own, in pairs, and
// each side counts the processor time its process used (user and system,
// from the kernel's account of finished children), so other work on the
// machine counts against neither. "x_bare_qt" is our time over the
// baseline's.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

double ChildrenSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Processor seconds of one run of the program, or a negative number when it
// could not be started or failed.
double RunSeconds(const std::string& program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const double before = ChildrenSeconds();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return ChildrenSeconds() - before;
}

void BM_StartUp_VsBareQt(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vastrimo_bench_startup";
    std::filesystem::create_directories(folder);
    setenv("VASTRIMO_PROGRAM_DIR", folder.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    double ours = 0, bare = 0;
    // The first runs fill the file cache for both sides and are not counted.
    RunSeconds(VASTRIMO_PROGRAM, {"--exit-after-start"});
    RunSeconds(BARE_QT_WINDOW, {});
    for (auto _ : state) {
        const double o = RunSeconds(VASTRIMO_PROGRAM, {"--exit-after-start"});
        const double b = RunSeconds(BARE_QT_WINDOW, {});
        if (o < 0 || b < 0) {
            state.SkipWithError("a program of the start-up benchmark failed");
            break;
        }
        ours += o;
        bare += b;
    }
    state.counters["ours_ms"] = ours * 1000 / static_cast<double>(state.iterations());
    state.counters["bare_qt_ms"] = bare * 1000 / static_cast<double>(state.iterations());
    state.counters["x_bare_qt"] = ours / bare;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartUp_VsBareQt)->Iterations(7)->Unit(benchmark::kMillisecond);

}  // namespace
