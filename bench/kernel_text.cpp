// Throughput of the text calls the program runs per drawn row: formatting a time, parsing a
// number line, converting a record text to the ANSI page and back, and the OLE date conversion.
#include <benchmark/benchmark.h>

#include "platform/text.h"
#include "platform/time.h"

namespace {

void FormatTimeOfDay(benchmark::State& state) {
    WCHAR out[64];
    int minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wsprintfW(out, u"%d:%02d%s", 11, minute, u"p"));
        minute = (minute + 1) % 60;
    }
}
BENCHMARK(FormatTimeOfDay);

void FormatLongLine(benchmark::State& state) {
    WCHAR out[1024];
    for (auto _ : state)
        benchmark::DoNotOptimize(wsprintfW(out, u"%s %s %d, %d  %-20s|%08x|%5.2f", u"Thursday", u"March", 5, 2009,
                                           u"Project review meeting", 0xBEEFu, 3.14159));
}
BENCHMARK(FormatLongLine);

void ParseNumberLine(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(_wtol(u"  -2147483\n"));
}
BENCHMARK(ParseNumberLine);

void AnsiRoundTrip(benchmark::State& state) {
    const WCHAR* text = u"Meeting with the caf\u00e9 owner about the \u20ac price list";
    char bytes[256];
    WCHAR back[256];
    for (auto _ : state) {
        benchmark::DoNotOptimize(wcstombs(bytes, text, sizeof bytes));
        benchmark::DoNotOptimize(mbstowcs(back, bytes, 256));
    }
}
BENCHMARK(AnsiRoundTrip);

void VariantDateRoundTrip(benchmark::State& state) {
    SYSTEMTIME t{2009, 3, 0, 5, 13, 30, 1, 0};
    SYSTEMTIME back{};
    for (auto _ : state) {
        double date = 0;
        SystemTimeToVariantTime(&t, &date);
        benchmark::DoNotOptimize(VariantTimeToSystemTime(date, &back));
    }
}
BENCHMARK(VariantDateRoundTrip);

}  // namespace
