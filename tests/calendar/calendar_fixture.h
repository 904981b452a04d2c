// A device of a chosen screen size with a plain main window, the view fonts, a frozen clock and
// empty data arrays that each test fills from a fixture month, for the calendar painters.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calendar/calendar_state.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/theme_record.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "frame/main_window.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/testing_gdi.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"

namespace caltest {

inline LRESULT CALLBACK PlainWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd, msg, wp, lp);
}

inline platform::DeviceProfile Screen(int width, int height) {
    platform::DeviceProfile profile;
    profile.screenWidth = width;
    profile.screenHeight = height;
    profile.dpi = width >= 480 && height >= 480 ? 192 : 96;
    profile.headless = true;
    return profile;
}

// Tuesday 10 March 2026, 10:30: the fixture month is March 2026.
inline constexpr SYSTEMTIME kNow{2026, 3, 2, 10, 10, 30, 0, 0};

class CalendarTest : public ::testing::Test {
protected:
    explicit CalendarTest(int width = 240, int height = 320) : device_(Screen(width, height)) {
        platform::testing::FreezeClock(kNow);
        RegisterQuorviaResources();
        g_Settings = AppSettings();
        g_Frame = {};
        g_CurItem = CurItem();
        ThemeSetDefaults(g_Theme);
        g_Main = {};
        g_Main.instance = GetModuleHandleW(nullptr);
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainWndProc;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"CalendarTestMain";
        RegisterClassW(&wc);
        g_Frame.mainWnd = CreateWindowExW(0, u"CalendarTestMain", u"Vestral Agenda", WS_VISIBLE, 0, 0,
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                          nullptr, g_Main.instance, nullptr);
        CreateThemeFonts();
        g_ApptCache.curAppts = &appts_;
        g_ApptCache.curSpans = &spans_;
        g_TskList.RemoveAll();
        g_AnnivList.RemoveAll();
        g_SelectedDate = DateRec(2026, 3, 10);
        WeekViewStart = DateRec(2026, 3, 8);
        DayPaneScroll = 0;
        HitItemDate = DateRec();
        HitItemDraggable = 0;
        ViewId = kViewWeek;
    }
    ~CalendarTest() override {
        DeleteThemeFonts();
        if (g_Frame.mainWnd) DestroyWindow(g_Frame.mainWnd);
        g_Frame = {};
        g_ApptCache.curAppts = nullptr;
        g_ApptCache.curSpans = nullptr;
        g_TskList.RemoveAll();
        g_AnnivList.RemoveAll();
        g_Settings = AppSettings();
        g_CurItem = CurItem();
        ThemeSetDefaults(g_Theme);
        platform::testing::ThawClock();
    }

    static ApptRecord Appt(LONG oid, const char16_t* subject, DateRec start, LONG minutes, LONG allDay = 0) {
        ApptRecord appt;
        appt.oid = oid;
        appt.subject = subject;
        appt.start = start;
        appt.duration = minutes;
        appt.allDay = allDay;
        return appt;
    }
    static TskRecord Task(LONG oid, const char16_t* subject, int year, int month, int day) {
        TskRecord task;
        task.oid = oid;
        task.subject = subject;
        task.hasDue = year != 0;
        if (task.hasDue) task.due = DateRec(year, month, day);
        return task;
    }
    static AnnivEntry Anniv(LONG contact, const char16_t* name, int year, int month, int day, LONG kind) {
        AnnivEntry entry;
        entry.name = name;
        entry.date = DateRec(year, month, day);
        entry.kind = kind;
        entry.contactOid = contact;
        return entry;
    }

    static std::filesystem::path OutputFile(const std::string& name) {
        return std::filesystem::path(QV_TEST_OUTPUT_DIR) / name;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    ApptArray appts_;
    SpanArray spans_;
};

// A memory DC of the main window's client size, white, for painting and reading pixels.
class Canvas {
public:
    Canvas() {
        RECT client{};
        GetClientRect(g_Frame.mainWnd, &client);
        HDC screen = GetDC(g_Frame.mainWnd);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(g_Frame.mainWnd, screen);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH white = CreateSolidBrush(0xFFFFFF);
        FillRect(dc_, &client, white);
        DeleteObject(white);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    bool Save(const std::filesystem::path& file) const { return platform::testing::SaveDcAsPng(dc_, file); }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace caltest
