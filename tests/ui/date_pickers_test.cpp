// The go-to-date wheel, the select-date grid and the select-time wheel driven inside their modal
// loops: steps, digits, taps and drags, the grid's keys and the time wheel's 12- and 24-hour clocks.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "calendar/go_to_date.h"
#include "calendar/pending_view.h"
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "frame/main_window.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/date_pickers.h"
#include "ui/dialog_conventions.h"
#include "ui/wheel_paint.h"

namespace {

namespace pt = platform::testing;

class DatePickers : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    DatePickers() {
        g_Main.instance = GetModuleHandleW(nullptr);
        g_Settings = AppSettings{};
        pt::ClearDialogs();
    }
    ~DatePickers() override {
        g_Settings = AppSettings{};
        pt::ClearDialogs();
    }
    // A pen down at the centre of a box and up `drag` pixels lower.
    static void TapBox(HWND dialog, WheelKind kind, int column, int drag = 0) {
        const WheelLayout layout = ComputeWheelLayout(dialog, kind);
        const RECT& box = layout.boxes[static_cast<size_t>(column)];
        const int x = layout.view.left + (box.left + box.right) / 2;
        const int y = layout.view.top + (box.top + box.bottom) / 2;
        SendMessageW(dialog, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
        SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y + drag));
    }
    static void Select(HWND dialog) { SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0); }
    pt::TestDevice device_;
    pt::TestScreen screen_;
};

struct DateCase {
    const char* what;
    LONG year, month, day;
    LONG column;  // month-first order ("DATEFORMAT" 1): month, day, year
    int sign;
    LONG wantYear, wantMonth, wantDay;
};

TEST_F(DatePickers, GoToDateStepsWrapAndCutTheDay) {
    constexpr DateCase kCases[] = {
        {"month up from 31 January", 2009, 1, 31, 0, 1, 2009, 2, 28},
        {"month up from 31 January, leap year", 2008, 1, 31, 0, 1, 2008, 2, 29},
        {"month down from January", 2009, 1, 10, 0, -1, 2009, 12, 10},
        {"day up past the month's end", 2009, 4, 30, 1, 1, 2009, 4, 1},
        {"day down below 1", 2009, 3, 1, 1, -1, 2009, 3, 31},
        {"year up from 29 February", 2008, 2, 29, 2, 1, 2009, 2, 28},
        {"year up from 2050", 2050, 6, 1, 2, 1, 1940, 6, 1},
        {"year down from 1940", 1940, 6, 1, 2, -1, 2050, 6, 1},
    };
    g_Settings.dateFormat = 1;
    for (const DateCase& c : kCases) {
        g_GoToDate = GoToDateWheel{c.year, c.month, c.day, c.column, {}};
        c.sign > 0 ? GoToDateStepUp() : GoToDateStepDown();
        EXPECT_EQ(g_GoToDate.year, c.wantYear) << c.what;
        EXPECT_EQ(g_GoToDate.month, c.wantMonth) << c.what;
        EXPECT_EQ(g_GoToDate.day, c.wantDay) << c.what;
    }
}

TEST_F(DatePickers, GoToDateDigitsAndColumnOrderFollowTheDateFormat) {
    struct Case {
        LONG dateFormat;
        std::u16string_view typed;  // '<' is the Left key
        LONG wantMonth, wantDay;
    };
    constexpr Case kCases[] = {
        {0, u"12", 3, 12},  // the day column is selected on opening, first or second
        {1, u"12", 3, 12},
        {0, u"45", 3, 5},   // a day above 3 starts anew
        {0, u"39", 3, 3},   // 39 is past the month's end
        {1, u"<1", 1, 15},  // month first: Left reaches the month
        {1, u"<12", 12, 15},
        {0, u"<<2", 2, 15},  // day first: the month is two columns left (wrapping over the year)
        {1, u"<<2", 3, 15},  // the year takes no digits
    };
    for (const Case& c : kCases) {
        g_Settings.dateFormat = c.dateFormat;
        pt::ActInsideDialog([&](HWND dialog) {
            for (char16_t ch : c.typed) {
                if (ch == u'<')
                    GoToDateKey(dialog, VK_LEFT);
                else
                    SendDlgItemMessageW(dialog, IDC_PICKER_FOCUS, WM_CHAR, ch, 0);
            }
            Select(dialog);
        });
        ASSERT_TRUE(GoToDateDlg(nullptr, 2009, 3, 15));
        const std::string typed(c.typed.begin(), c.typed.end());
        EXPECT_EQ(g_GoToDate.month, c.wantMonth) << c.dateFormat << " " << typed;
        EXPECT_EQ(g_GoToDate.day, c.wantDay) << c.dateFormat << " " << typed;
        EXPECT_EQ(g_GoToDate.year, 2009);
    }
}

TEST_F(DatePickers, GoToDateTapsSelectThenStepAndDragsStep) {
    g_Settings.dateFormat = 1;
    struct Seen {
        LONG afterFirstTap, monthAfterFirstTap, monthAfterSecondTap, monthAfterDrag8, monthAfterDrag9Down;
        LONG monthAfterDragUp;
    } seen{};
    pt::ActInsideDialog([&](HWND dialog) {
        TapBox(dialog, WheelKind::kGoToDate, 0);  // the day column was selected
        seen.afterFirstTap = g_GoToDate.column;
        seen.monthAfterFirstTap = g_GoToDate.month;
        TapBox(dialog, WheelKind::kGoToDate, 0);
        seen.monthAfterSecondTap = g_GoToDate.month;
        TapBox(dialog, WheelKind::kGoToDate, 0, 8);  // still a tap
        seen.monthAfterDrag8 = g_GoToDate.month;
        TapBox(dialog, WheelKind::kGoToDate, 0, 9);
        seen.monthAfterDrag9Down = g_GoToDate.month;
        TapBox(dialog, WheelKind::kGoToDate, 0, -9);
        seen.monthAfterDragUp = g_GoToDate.month;
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    EXPECT_FALSE(GoToDateDlg(nullptr, 2009, 5, 10));
    EXPECT_EQ(seen.afterFirstTap, 0);
    EXPECT_EQ(seen.monthAfterFirstTap, 5);
    EXPECT_EQ(seen.monthAfterSecondTap, 6);
    EXPECT_EQ(seen.monthAfterDrag8, 7);
    EXPECT_EQ(seen.monthAfterDrag9Down, 6);
    EXPECT_EQ(seen.monthAfterDragUp, 7);
}

TEST_F(DatePickers, GoToDateTodayAndNoDateSeedToday) {
    DateRec today;
    DateNow(today);
    struct Seen {
        UINT todayState = 0;
    } seen;
    pt::ActInsideDialog([&](HWND dialog) {
        const HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, IDM_GO_TO_TODAY, u"Today");
        SendMessageW(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        seen.todayState = GetMenuState(menu, IDM_GO_TO_TODAY, MF_BYCOMMAND);
        DestroyMenu(menu);
        Select(dialog);
    });
    ASSERT_TRUE(GoToDateDlg(nullptr, kNoDateYear, 1, 1));
    EXPECT_EQ(g_GoToDate.year, today.wYear);
    EXPECT_EQ(g_GoToDate.month, today.wMonth);
    EXPECT_EQ(g_GoToDate.day, today.wDay);
    EXPECT_TRUE(seen.todayState & MF_GRAYED);

    pt::ActInsideDialog([](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, IDM_GO_TO_TODAY, 0);
        Select(dialog);
    });
    ASSERT_TRUE(GoToDateDlg(nullptr, 2001, 2, 3));
    EXPECT_EQ(g_GoToDate.year, today.wYear);
    EXPECT_EQ(g_GoToDate.day, today.wDay);
}

TEST_F(DatePickers, GridKeysMoveTheDateAndEnterSelects) {
    pt::ActInsideDialog([](HWND) {
        for (UINT key : {VK_RIGHT, VK_DOWN, VK_LEFT, VK_RETURN}) pt::Key(key);
    });
    ASSERT_TRUE(SelectDateDlg(nullptr, 2009, 1, 31));
    EXPECT_EQ(g_SelectDateGrid.year, 2009);
    EXPECT_EQ(g_SelectDateGrid.month, 2);
    EXPECT_EQ(g_SelectDateGrid.day, 7);
    EXPECT_EQ(g_SelectDateGridView.picture.valid, 0);  // released on the way out
}

TEST_F(DatePickers, GridCancelTodayAndThePendingReload) {
    for (WORD command : {static_cast<WORD>(kDlgCancel), static_cast<WORD>(IDCANCEL)}) {
        pt::ActInsideDialog([command](HWND dialog) {
            pt::Key(VK_UP);
            PostMessageW(dialog, WM_COMMAND, command, 0);
        });
        EXPECT_FALSE(SelectDateDlg(nullptr, 2009, 6, 15));
    }
    EXPECT_EQ(g_MonthCacheReload, 1);
    ApplyPendingViewChange();
    EXPECT_EQ(g_MonthCacheReload, 0);
}

TEST_F(DatePickers, GridTodayKeyTakesToday) {
    DateRec today;
    DateNow(today);
    pt::ActInsideDialog([](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_PICKER_FOCUS, WM_CHAR, u'e', 0);
        SendDlgItemMessageW(dialog, IDC_PICKER_FOCUS, WM_CHAR, u'x', 0);  // swallowed
        Select(dialog);
    });
    ASSERT_TRUE(SelectDateDlg(nullptr, 1999, 3, 3));
    EXPECT_EQ(g_SelectDateGrid.year, today.wYear);
    EXPECT_EQ(g_SelectDateGrid.month, today.wMonth);
    EXPECT_EQ(g_SelectDateGrid.day, today.wDay);
}

TEST_F(DatePickers, WheelEnterTakesTheGridsDate) {
    g_Settings.dateFormat = 1;
    HWND wheel = nullptr;
    // Acts on the grid once it is up: the wheel's own loop may come first.
    std::function<void(HWND)> onGrid = [&](HWND dialog) {
        if (dialog == wheel) return pt::ActInsideDialog(onGrid);
        // Keys reach the grid through its modal loop, which asks the control for them.
        pt::Key(VK_RIGHT);
        PostMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
        PostMessageW(wheel, WM_COMMAND, kDlgAccept, 0);
    };
    pt::ActInsideDialog([&](HWND dialog) {
        wheel = dialog;
        pt::ActInsideDialog(onGrid);
        pt::Key(VK_RETURN);
    });
    ASSERT_TRUE(GoToDateDlg(nullptr, 2009, 12, 31));
    EXPECT_EQ(g_GoToDate.year, 2010);
    EXPECT_EQ(g_GoToDate.month, 1);
    EXPECT_EQ(g_GoToDate.day, 1);
    EXPECT_EQ(g_MonthCacheReload, 0);  // the wheel's end reloaded the month cache
}

struct TimeCase {
    const char* what;
    LONG hours24;
    LONG hour, minute;
    std::u16string_view keys;  // characters typed; '>' and '<' are Right and Left
    LONG wantHour, wantMinute;
};

TEST_F(DatePickers, TimeWheelDigitsColumnsAndAmPm) {
    constexpr TimeCase kCases[] = {
        {"3 PM, typing 1", 0, 15, 0, u"1", 13, 0},
        {"1 AM, typing 2 gives 12 AM", 0, 1, 0, u"2", 0, 0},
        {"1 PM, typing 2 stays noon", 0, 13, 0, u"2", 12, 0},
        {"24-hour, typing 2 then 3", 1, 0, 0, u"23", 23, 0},
        {"24-hour, above 2 starts anew", 1, 5, 0, u"7", 7, 0},
        {"minutes typed", 1, 8, 0, u">45", 8, 45},
        {"minute above 5 starts anew", 1, 8, 7, u">3", 8, 3},
        {"P switches to the afternoon", 0, 9, 30, u"p", 21, 30},
        {"Left wraps to AM/PM on a 12-hour clock", 0, 9, 30, u"<1", 21, 30},
        {"Left wraps to the minute on a 24-hour clock", 1, 9, 30, u"<1", 9, 1},
    };
    for (const TimeCase& c : kCases) {
        g_Settings.hours24 = c.hours24;
        pt::ActInsideDialog([&](HWND dialog) {
            for (char16_t ch : c.keys) {
                if (ch == u'>' || ch == u'<') {
                    SelectTimeKey(dialog, ch == u'>' ? VK_RIGHT : VK_LEFT);
                    continue;
                }
                SendDlgItemMessageW(dialog, IDC_PICKER_FOCUS, WM_CHAR, ch, 0);
            }
            Select(dialog);
        });
        ASSERT_TRUE(SelectTimeDlg(nullptr, c.hour, c.minute)) << c.what;
        EXPECT_EQ(g_SelectTime.hour, c.wantHour) << c.what;
        EXPECT_EQ(g_SelectTime.minute, c.wantMinute) << c.what;
    }
}

TEST_F(DatePickers, TimeWheelTapStepsAndBoxes) {
    struct Seen {
        int columns12 = 0, columns24 = 0;
        LONG minuteAfterTaps = 0, hourAfterEnter = 0;
    } seen;
    g_Settings.hours24 = 1;
    pt::ActInsideDialog([&](HWND dialog) {
        seen.columns24 = ComputeWheelLayout(dialog, WheelKind::kSelectTime).columns;
        TapBox(dialog, WheelKind::kSelectTime, 1);  // selects
        TapBox(dialog, WheelKind::kSelectTime, 1);  // + 15
        TapBox(dialog, WheelKind::kSelectTime, 1);  // + 15, past the hour
        seen.minuteAfterTaps = g_SelectTime.minute;
        SelectTimeKey(dialog, VK_LEFT);
        SelectTimeKey(dialog, VK_RETURN);  // 23 wraps to 0
        seen.hourAfterEnter = g_SelectTime.hour;
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(SelectTimeDlg(nullptr, 23, 40));
    EXPECT_EQ(seen.columns24, 2);
    EXPECT_EQ(seen.minuteAfterTaps, 10);
    EXPECT_EQ(seen.hourAfterEnter, 0);
    g_Settings.hours24 = 0;
    pt::ActInsideDialog([&](HWND dialog) {
        seen.columns12 = ComputeWheelLayout(dialog, WheelKind::kSelectTime).columns;
        Select(dialog);
    });
    EXPECT_TRUE(SelectTimeDlg(nullptr, 23, 40));
    EXPECT_EQ(seen.columns12, 3);
}

TEST_F(DatePickers, WheelPaintsItsBoxesAndScreenshots) {
    const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "ui";
    std::filesystem::create_directories(out);
    bool boxesDiffer = false;
    pt::ActInsideDialog([&](HWND dialog) {
        pt::PumpUntilIdle();
        const WheelLayout layout = ComputeWheelLayout(dialog, WheelKind::kGoToDate);
        POINT inBox{layout.view.left + layout.boxes[1].left + 3, layout.view.top + layout.boxes[1].bottom - 3};
        POINT inBand{layout.view.left + 1, layout.view.top + layout.bandTop + 2};
        ClientToScreen(dialog, &inBox);
        ClientToScreen(dialog, &inBand);
        boxesDiffer = pt::ReadScreenPixel(inBox.x, inBox.y) != pt::ReadScreenPixel(inBand.x, inBand.y);
        EXPECT_TRUE(pt::SaveScreenshot(out / "go_to_date.png"));
        Select(dialog);
    });
    GoToDateDlg(nullptr, 2009, 3, 15);
    EXPECT_TRUE(boxesDiffer);
    pt::ActInsideDialog([&](HWND dialog) {
        pt::PumpUntilIdle();
        EXPECT_TRUE(pt::SaveScreenshot(out / "select_date.png"));
        Select(dialog);
    });
    SelectDateDlg(nullptr, 2009, 3, 15);
    pt::ActInsideDialog([&](HWND dialog) {
        pt::PumpUntilIdle();
        EXPECT_TRUE(pt::SaveScreenshot(out / "select_time.png"));
        Select(dialog);
    });
    SelectTimeDlg(nullptr, 14, 5);
}

}  // namespace
