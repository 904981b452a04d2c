// A device with a PIM store, a frozen clock on Tuesday 10 March 2009, a main window with the theme
// fonts and the drawn agenda view window; theme colours that tests can tell apart on pixels.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <vector>

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/day_list.h"
#include "core/anniv_list.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "frame/main_window.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/testing_gdi.h"
#include "platform/user.h"
#include "tests/core/loading_fixture.h"

namespace agendatest {

inline constexpr const WCHAR* kParentClass = u"AgendaTestMain";
inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 320;
inline constexpr COLORREF kBackground = 0xFFFFFF;
inline constexpr COLORREF kPrimaryText = 0x202020;
inline constexpr COLORREF kBusyColour = 0x0000C0;
inline constexpr int kThemeWordPrimaryText = 8;
inline constexpr int kThemeWordBackground = 10;
inline constexpr int kThemeWordBusy = 18;
inline const DateRec kToday(2009, 3, 10, 10, 0);

class AgendaTest : public loadtest::LoadingTest {
protected:
    void SetUp() override {
        loadtest::LoadingTest::SetUp();
        platform::testing::FreezeClock(kToday);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = kParentClass;
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, kParentClass, u"", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth, kScreenHeight,
                                  nullptr, nullptr, nullptr, nullptr);
        g_Frame.mainWnd = parent_;
        CreateThemeFonts();
        for (std::size_t i = 0; i < std::size(kTestWords); ++i) savedWords_[i] = GetThemeWord(kTestWords[i]);
        SetThemeWord(kThemeWordBackground, static_cast<LONG>(kBackground));
        SetThemeWord(kThemeWordPrimaryText, static_cast<LONG>(kPrimaryText));
        SetThemeWord(kThemeWordBusy, static_cast<LONG>(kBusyColour));
        g_Settings.agendaFmt = kAgendaDrawn;
        g_SelectedDate = DateRec(2009, 3, 10);
        ViewId = kViewMonth;
        ResetSelection();
    }

    void TearDown() override {
        ReleaseAgendaBuffer();
        ReleasePreviewBuffer();
        if (g_Agenda.wnd) DestroyWindow(g_Agenda.wnd);
        g_Agenda = AgendaViewState{};
        DeleteThemeFonts();
        DestroyWindow(parent_);
        UnregisterClassW(kParentClass, nullptr);
        UnregisterClassW(kAgendaViewClass, nullptr);
        for (std::size_t i = 0; i < std::size(kTestWords); ++i) SetThemeWord(kTestWords[i], savedWords_[i]);
        g_Frame = FrameState{};
        ResetSelection();
        ViewId = kViewMonth;
        platform::testing::ThawClock();
        loadtest::LoadingTest::TearDown();
    }

    // The month of the selected date read into the cache.
    void LoadMonth() { LoadApptsForMonth(1, 0); }

    static void AddBirthday(const char16_t* name, int year, int month, int day, LONG contact) {
        AnnivEntry entry;
        entry.name = name;
        entry.date = DateRec(year, month, day);
        entry.contactOid = contact;
        AnnivArrAddSorted(g_AnnivList, entry);
    }

    // The rows one measuring walk of the day passes.
    static std::vector<DayRowSpot> DayRows(const DateRec& date, int top = kDayListTop) {
        std::vector<DayRowSpot> rows;
        HDC dc = GetDC(g_Agenda.wnd);
        LONG first = 1;
        bool stopped = false;
        WalkDayList(dc, date, top, first, 0, 0,
                    [&](const DayRowSpot& spot) {
                        rows.push_back(spot);
                        return false;
                    },
                    stopped);
        ReleaseDC(g_Agenda.wnd, dc);
        return rows;
    }

    static std::filesystem::path Shot(const char* name) {
        return std::filesystem::path(QV_TEST_OUTPUT_DIR) / name;
    }

    static constexpr int kTestWords[] = {kThemeWordBackground, kThemeWordPrimaryText, kThemeWordBusy};
    LONG savedWords_[std::size(kTestWords)] = {};
    platform::testing::TestScreen screen_;
    HWND parent_ = nullptr;
};

}  // namespace agendatest
