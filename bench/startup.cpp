// The program's start, as a user meets it: the quorvia binary runs headless with a script that
// quits at once, on an empty device and on a full one (20,000 appointments of which 1,000 series,
// 2,000 tasks and 5,000 contacts, imported with devicectl by bench/make_full_device). A close that
// comes while the data loads waits for the load, so one run is the start, the first paint of the
// start view with its data, the rest of the load and the end.
// The floor beside each figure is the cover screen's minimum time: the load thread shows the start
// view no sooner than 500 ms after it began, whatever the store holds.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kCoverFloorMs = 500;

namespace fs = std::filesystem;

struct Devices {
    fs::path root;
    fs::path empty;
    fs::path full;
    fs::path script;
    bool ready = false;

    Devices() {
        root = fs::temp_directory_path() / ("quorvia-bench-start-" + std::to_string(getpid()));
        empty = root / "empty";
        full = root / "full";
        script = root / "quit.script";
        fs::create_directories(empty);
        std::ofstream(script) << "quit\n";
        const std::string fill = std::string("'") + QV_SOURCE_DIR + "/bench/make_full_device' '" + full.string() + "' '" +
                                 QV_BUILD_DIR + "' >/dev/null";
        ready = std::system(fill.c_str()) == 0;
    }
    ~Devices() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
};

Devices& TheDevices() {
    static Devices devices;
    return devices;
}

// One run of the program to its end, in milliseconds; a negative figure when it failed.
double RunProgram(const fs::path& device, const fs::path& script) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QUORVIA_", 0) == 0 || entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    env.push_back("QUORVIA_DEVICE=" + device.string());
    env.push_back("QUORVIA_HEADLESS=1");
    env.push_back("QUORVIA_SCRIPT=" + script.string());
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = QV_QUORVIA_PATH;
    char* argv[] = {program.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void RunStart(benchmark::State& state, const fs::path& device) {
    Devices& devices = TheDevices();
    if (!devices.ready) {
        state.SkipWithError("the full device could not be made (bench/make_full_device)");
        return;
    }
    RunProgram(device, devices.script);  // the first run after the import settles the store's files
    double best = 1e9;
    for (auto _ : state) {
        const double ms = RunProgram(device, devices.script);
        if (ms < 0) {
            state.SkipWithError("the program did not end cleanly");
            return;
        }
        best = std::min(best, ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["best_ms"] = best;
    state.counters["floor_ms"] = kCoverFloorMs;
    state.counters["beyond_floor_ms"] = best - kCoverFloorMs;
}

void BM_StartEmptyDevice(benchmark::State& state) { RunStart(state, TheDevices().empty); }
BENCHMARK(BM_StartEmptyDevice)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StartFullDevice(benchmark::State& state) { RunStart(state, TheDevices().full); }
BENCHMARK(BM_StartFullDevice)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
