// The cost of the device file calls the program makes most: saving a side file whole, appending
// a log line, opening a file by a name in another letter case, and finding in a full folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

constexpr int kFolderEntries = 1000;

void FillFolder(const platform::testing::TestDevice& device) {
    for (int i = 0; i < kFolderEntries; ++i)
        device.WriteFile(u"\\My Documents\\Note " + platform::FromUtf8(std::to_string(i)) + u".txt", "x");
}

void BM_SaveSideFileWhole(benchmark::State& state) {
    platform::testing::TestDevice device;
    device.WriteFile(u"\\Program Files\\Quorvia\\catinfo.dat", "");
    const std::string record(static_cast<std::size_t>(state.range(0)), 'c');
    for (auto _ : state) {
        FILE* out = _wfopen(u"\\Program Files\\Quorvia\\catinfo.dat", u"w");
        std::fwrite(record.data(), 1, record.size(), out);
        benchmark::DoNotOptimize(std::fclose(out));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveSideFileWhole)->Arg(256)->Arg(64 * 1024);

void BM_AppendLogLine(benchmark::State& state) {
    platform::testing::TestDevice device;
    device.WriteFile(u"\\Program Files\\Quorvia\\quorvialog.txt", "");
    for (auto _ : state) {
        FILE* log = _wfopen(u"\\Program Files\\Quorvia\\quorvialog.txt", u"a");
        std::fputs("appointment loader: 31 items\n", log);
        benchmark::DoNotOptimize(std::fclose(log));
    }
}
BENCHMARK(BM_AppendLogLine);

void BM_OpenByOtherLetterCaseInFullFolder(benchmark::State& state) {
    platform::testing::TestDevice device;
    FillFolder(device);
    for (auto _ : state) {
        const HANDLE h = CreateFileW(u"\\MY DOCUMENTS\\NOTE 999.TXT", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        benchmark::DoNotOptimize(h);
        CloseHandle(h);
    }
}
BENCHMARK(BM_OpenByOtherLetterCaseInFullFolder);

void BM_FindAllInFullFolder(benchmark::State& state) {
    platform::testing::TestDevice device;
    FillFolder(device);
    for (auto _ : state) {
        WIN32_FIND_DATAW data{};
        const HANDLE search = FindFirstFileW(u"\\My Documents\\*.txt", &data);
        int count = 1;
        while (FindNextFileW(search, &data)) ++count;
        FindClose(search);
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_FindAllInFullFolder);

}  // namespace
