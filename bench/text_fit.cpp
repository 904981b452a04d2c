// Fitting a row's text to its width with "...": every list row does it on every paint, so a long
// subject must cost about what a short one does.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gdi.h"
#include "ui/text_wrap.h"

namespace {

std::u16string Words(std::size_t length) {
    std::u16string text;
    while (text.size() < length) text += u"Dentist appointment ";
    text.resize(length);
    return text;
}

void FitRowText(benchmark::State& state) {
    HDC dc = CreateCompatibleDC(nullptr);
    const std::u16string text = Words(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(FitTextWithEllipsis(dc, text, 180));
    DeleteDC(dc);
}
// A short subject, one just over the considered head, and the 60,000 characters another program stored.
BENCHMARK(FitRowText)->Arg(40)->Arg(300)->Arg(60000);

}  // namespace
