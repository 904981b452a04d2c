// What finding a resource costs in a file the size the finished program's will be: about five
// hundred resources, string blocks among them, as list painting loads strings row by row.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/resources.h"

namespace {

constexpr WORD kStringBlocks = 60;
constexpr WORD kBitmaps = 120;
constexpr WORD kMenus = 100;
constexpr WORD kBars = 120;
constexpr WORD kDialogs = 80;

void PutWord(std::vector<BYTE>& out, WORD w) {
    out.push_back(static_cast<BYTE>(w));
    out.push_back(static_cast<BYTE>(w >> 8));
}

void PutEntry(std::vector<BYTE>& out, WORD type, WORD name, const std::vector<BYTE>& data) {
    const auto putDword = [&](DWORD d) { PutWord(out, static_cast<WORD>(d)), PutWord(out, static_cast<WORD>(d >> 16)); };
    putDword(static_cast<DWORD>(data.size()));
    putDword(32);
    PutWord(out, 0xFFFF), PutWord(out, type), PutWord(out, 0xFFFF), PutWord(out, name);
    putDword(0), PutWord(out, 0x1030), PutWord(out, 0x0409), putDword(0), putDword(0);
    out.insert(out.end(), data.begin(), data.end());
    while (out.size() % 4 != 0) out.push_back(0);
}

// A file with the string blocks after everything else, as the compiler writes them.
struct ProgramSizedModule {
    std::vector<std::uint32_t> words;
    HINSTANCE module = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x7A0000});

    ProgramSizedModule() {
        std::vector<BYTE> file;
        PutEntry(file, 0, 0, {});
        const std::vector<BYTE> payload(64, 0x55);
        for (WORD i = 1; i <= kBitmaps; ++i) PutEntry(file, 2, i, payload);
        for (WORD i = 1; i <= kMenus; ++i) PutEntry(file, 4, i, payload);
        for (WORD i = 1; i <= kBars; ++i) PutEntry(file, 10, i, payload);
        for (WORD i = 1; i <= kDialogs; ++i) PutEntry(file, 5, i, payload);
        for (WORD block = 1; block <= kStringBlocks; ++block) {
            std::vector<BYTE> strings;
            for (int s = 0; s < 16; ++s) {
                PutWord(strings, 12);
                for (int c = 0; c < 12; ++c) PutWord(strings, u'a');
            }
            PutEntry(file, 6, block, strings);
        }
        words.resize(file.size() / 4);
        std::memcpy(words.data(), file.data(), file.size());
        platform::RegisterModuleResources(module, words.data(), file.size());
    }
    ~ProgramSizedModule() { platform::UnregisterModuleResources(module); }
};

void BM_LoadStringLastBlock(benchmark::State& state) {
    const ProgramSizedModule m;
    WCHAR buffer[64];
    for (auto _ : state) benchmark::DoNotOptimize(LoadStringW(m.module, kStringBlocks * 16 - 1, buffer, 64));
}
BENCHMARK(BM_LoadStringLastBlock);

void BM_FindDialog(benchmark::State& state) {
    const ProgramSizedModule m;
    for (auto _ : state) benchmark::DoNotOptimize(FindResourceW(m.module, MAKEINTRESOURCEW(kDialogs), RT_DIALOG));
}
BENCHMARK(BM_FindDialog);

void BM_FindNamedType(benchmark::State& state) {
    const ProgramSizedModule m;
    for (auto _ : state) benchmark::DoNotOptimize(FindResourceW(m.module, MAKEINTRESOURCEW(933), u"PNG"));
}
BENCHMARK(BM_FindNamedType);

}  // namespace
