// The month view's paint: the whole grid with a month of day bars, against the cached repaint that
// every selection move takes (one copy of the grid plus the marks).
#include <benchmark/benchmark.h>

#include "calendar/month_view.h"
#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/theme_record.h"
#include "frame/main_window.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/testing.h"
#include "platform/user.h"

namespace {

LRESULT CALLBACK PlainWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd, msg, wp, lp); }

platform::DeviceProfile Profile() {
    platform::DeviceProfile profile;
    profile.screenWidth = 480;
    profile.screenHeight = 640;
    profile.dpi = 192;
    profile.headless = true;
    return profile;
}

// A device with a main window, the view fonts and March 2026 with three appointments a day.
class MonthScene {
public:
    MonthScene() : device_(Profile()) {
        g_Settings = AppSettings();
        g_Settings.splitMonth = 0;
        ThemeSetDefaults(g_Theme);
        g_Main.instance = GetModuleHandleW(nullptr);
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainWndProc;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"MonthBenchMain";
        RegisterClassW(&wc);
        g_Frame.mainWnd = CreateWindowExW(0, u"MonthBenchMain", u"Vestral Agenda", WS_VISIBLE, 0, 0, 480, 640,
                                          nullptr, nullptr, g_Main.instance, nullptr);
        CreateThemeFonts();
        for (int day = 1; day <= 31; ++day) {
            for (const int hour : {8, 12, 16}) {
                ApptRecord appt;
                appt.oid = day * 100 + hour;
                appt.subject = u"Meeting";
                appt.start = DateRec(2026, 3, day, hour, 0);
                appt.duration = 90;
                appts_.Append(appt);
            }
        }
        g_ApptCache.curAppts = &appts_;
        g_ApptCache.curSpans = &spans_;
        g_SelectedDate = DateRec(2026, 3, 10);
        DropMonthGridCache();
        HDC screen = GetDC(g_Frame.mainWnd);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 480, 640);
        ReleaseDC(g_Frame.mainWnd, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~MonthScene() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        DropMonthGridCache();
        g_ApptCache.curAppts = nullptr;
        g_ApptCache.curSpans = nullptr;
        DeleteThemeFonts();
        DestroyWindow(g_Frame.mainWnd);
        g_Frame = {};
    }
    HDC dc() const { return dc_; }

private:
    platform::testing::TestDevice device_;
    ApptArray appts_;
    SpanArray spans_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

void MonthGridFullPaint(benchmark::State& state) {
    MonthScene scene;
    for (auto _ : state) {
        MonthGridCache.drawn = 0;
        PaintMonthView(scene.dc());
    }
}
BENCHMARK(MonthGridFullPaint);

void MonthGridCachedPaint(benchmark::State& state) {
    MonthScene scene;
    PaintMonthView(scene.dc());
    for (auto _ : state) PaintMonthView(scene.dc());
}
BENCHMARK(MonthGridCachedPaint);

}  // namespace
