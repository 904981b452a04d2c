// Drawing speed on a 480 x 640 surface: filling, blitting, a masked blit and a screenful of text.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gdi.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 640;

struct Screenful {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Screenful() {
        HDC screen = GetDC(nullptr);
        bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
    }
    ~Screenful() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

void FillScreen(benchmark::State& state) {
    Screenful s;
    HBRUSH brush = CreateSolidBrush(RGB(200, 220, 255));
    const RECT all{0, 0, kWidth, kHeight};
    for (auto _ : state) FillRect(s.dc, &all, brush);
    DeleteObject(brush);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(FillScreen);

void BlitScreen(benchmark::State& state) {
    Screenful from, to;
    for (auto _ : state) BitBlt(to.dc, 0, 0, kWidth, kHeight, from.dc, 0, 0, SRCCOPY);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BlitScreen);

void StretchScreen(benchmark::State& state) {
    Screenful from, to;
    for (auto _ : state) StretchBlt(to.dc, 0, 0, kWidth, kHeight, from.dc, 0, 0, kWidth / 2, kHeight / 2, SRCCOPY);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(StretchScreen);

void TransparentScreen(benchmark::State& state) {
    Screenful from, to;
    for (auto _ : state)
        TransparentImage(to.dc, 0, 0, kWidth, kHeight, from.dc, 0, 0, kWidth, kHeight, RGB(255, 0, 255));
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(TransparentScreen);

// Forty lines of a list row's worth of text, as a month view or list paints them.
void TextScreen(benchmark::State& state) {
    Screenful s;
    LOGFONTW lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_NORMAL;
    const std::u16string face = u"Tahoma";
    face.copy(lf.lfFaceName, face.size());
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(s.dc, font);
    SetBkMode(s.dc, TRANSPARENT);
    const std::u16string line = u"10:30 Project meeting with the design group, room 4 (weekly)";
    TEXTMETRICW tm{};
    GetTextMetricsW(s.dc, &tm);
    const int lines = kHeight / tm.tmHeight;
    for (auto _ : state)
        for (int i = 0; i < lines; ++i)
            ExtTextOutW(s.dc, 2, i * tm.tmHeight, 0, nullptr, line.data(), static_cast<UINT>(line.size()), nullptr);
    SelectObject(s.dc, old);
    DeleteObject(font);
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(TextScreen);

// A painter makes its fonts anew on every paint: the list fonts, bold and plain, at two heights,
// each selected and measured once.
void CreateFontsOfAPaint(benchmark::State& state) {
    Screenful s;
    LOGFONTW lf{};
    TEXTMETRICW tm{};
    const std::u16string face = u"Tahoma";
    face.copy(lf.lfFaceName, face.size());
    constexpr LONG kHeights[] = {-12, -15};
    constexpr LONG kWeights[] = {FW_NORMAL, FW_BOLD};
    for (auto _ : state)
        for (const LONG height : kHeights)
            for (const LONG weight : kWeights) {
                lf.lfHeight = height;
                lf.lfWeight = weight;
                HFONT font = CreateFontIndirectW(&lf);
                HGDIOBJ old = SelectObject(s.dc, font);
                GetTextMetricsW(s.dc, &tm);
                SelectObject(s.dc, old);
                DeleteObject(font);
            }
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(CreateFontsOfAPaint);

// Pixel by pixel, as a picture is turned grey in place: a 64 x 64 icon read and written.
void PixelByPixel(benchmark::State& state) {
    Screenful s;
    constexpr int kSide = 64;
    for (auto _ : state)
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const COLORREF c = GetPixel(s.dc, x, y);
                const BYTE g = static_cast<BYTE>((GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000);
                SetPixel(s.dc, x, y, RGB(g, g, g));
            }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(PixelByPixel);

void WrappedText(benchmark::State& state) {
    Screenful s;
    const std::u16string notes =
        u"Bring the quarterly figures and the spring budget; call Ann about the venue before Friday and "
        u"book the projector. Remember the parking permits for the visitors.";
    for (auto _ : state) {
        RECT r{0, 0, kWidth, kHeight};
        DrawTextW(s.dc, notes.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX);
    }
}
BENCHMARK(WrappedText);

}  // namespace
