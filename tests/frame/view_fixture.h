// A plain main window with the program's bars, every kind of data loaded and a frozen clock, for
// tests of view switching, titles, commands, timers and menus without the load thread.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/month_cache.h"
#include "frame/view_switch.h"
#include "frame/titles.h"
#include "frame_fixture.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/gdi.h"
#include "platform/user.h"

namespace frametest {

inline constexpr const WCHAR* kViewTestClass = u"ViewTestMain";

// Paints of the test's main window.
inline int g_MainPaints = 0;

inline LRESULT CALLBACK CountingMainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps{};
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        ++g_MainPaints;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// 14:05 on Wednesday 11 March 2009.
inline SYSTEMTIME TestNow() {
    SYSTEMTIME t{};
    t.wYear = 2009;
    t.wMonth = 3;
    t.wDay = 11;
    t.wDayOfWeek = 3;
    t.wHour = 14;
    t.wMinute = 5;
    return t;
}

class ViewTest : public FrameTest {
protected:
    ViewTest() {
        platform::testing::FreezeClock(TestNow());
        WNDCLASSW wc{};
        wc.lpfnWndProc = CountingMainProc;
        wc.lpszClassName = kViewTestClass;
        RegisterClassW(&wc);
        g_Frame.mainWnd = CreateWindowExW(0, kViewTestClass, u"Vestral Agenda", WS_VISIBLE, 0, 0, 240, 320, nullptr,
                                          nullptr, nullptr, nullptr);
        g_ApptCache.loaded = 1;
        g_LoadState.tasksLoaded = 1;
        g_LoadState.contactsLoaded = 1;
        g_SelectedDate = DateRec(2009, 3, 11);
    }
    ~ViewTest() override {
        DestroyViewMenuBars();
        DestroyWindow(g_Frame.mainWnd);
        UnregisterClassW(kViewTestClass, nullptr);
        g_ApptCache.loaded = 0;
        platform::testing::ThawClock();
    }

    static std::u16string Title() {
        WCHAR text[kTitleChars] = {};
        GetWindowTextW(g_Frame.mainWnd, text, kTitleChars);
        return text;
    }
    // A screen of that size; the default is the portrait QVGA screen.
    void UseScreen(int width, int height) {
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
    }
};

}  // namespace frametest
