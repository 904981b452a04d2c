// What registry writes and reads cost: one durable transaction per write, as the settings store
// saves about a hundred values in a row.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/text.h"

namespace {

constexpr int kSettingsValues = 101;

HKEY SettingsKey() {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, u"\\Software\\Hollyfen\\Quorvia\\Settings", 0, nullptr, 0, 0, nullptr, &key,
                    nullptr);
    return key;
}

void BM_SetDword(benchmark::State& state) {
    platform::testing::TestDevice device;
    const HKEY key = SettingsKey();
    DWORD value = 0;
    for (auto _ : state) {
        ++value;
        RegSetValueExW(key, u"FONTSIZE", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    RegCloseKey(key);
}
BENCHMARK(BM_SetDword);

void BM_QueryDword(benchmark::State& state) {
    platform::testing::TestDevice device;
    const HKEY key = SettingsKey();
    DWORD value = 14;
    RegSetValueExW(key, u"FONTSIZE", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    for (auto _ : state) {
        DWORD size = sizeof value;
        benchmark::DoNotOptimize(
            RegQueryValueExW(key, u"fontsize", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
    }
    RegCloseKey(key);
}
BENCHMARK(BM_QueryDword);

// A whole save of the settings: open or create the key, write every value, close.
void BM_SaveAllSettings(benchmark::State& state) {
    platform::testing::TestDevice device;
    std::u16string names[kSettingsValues];
    for (int i = 0; i < kSettingsValues; ++i) names[i] = platform::FromUtf8("SETTING" + std::to_string(i));
    for (auto _ : state) {
        const HKEY key = SettingsKey();
        for (int i = 0; i < kSettingsValues; ++i) {
            const DWORD value = static_cast<DWORD>(i);
            RegSetValueExW(key, names[i].c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        }
        RegCloseKey(key);
    }
}
BENCHMARK(BM_SaveAllSettings)->Unit(benchmark::kMillisecond);

}  // namespace
