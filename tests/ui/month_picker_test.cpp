// The month picker: the lists filled and selected from the seed, "Done" with and without a
// selection, and Cancel leaving the caller's values alone.
#include <gtest/gtest.h>

#include "frame/main_window.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/month_picker.h"
#include "ui/month_year_lists.h"

namespace {

namespace pt = platform::testing;

class MonthPicker : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    MonthPicker() {
        g_Main.instance = GetModuleHandleW(nullptr);
        pt::ClearDialogs();
    }
    pt::TestDevice device_;
};

TEST_F(MonthPicker, ListsFollowTheSeedAndDoneReadsThem) {
    struct Lists {
        LRESULT months, years, monthSel, yearSel;
        bool spinsStepTheirLists;
    } seen{};
    pt::ActInsideDialog([&](HWND dialog) {
        seen.months = SendDlgItemMessageW(dialog, IDC_MONTH_LIST, LB_GETCOUNT, 0, 0);
        seen.years = SendDlgItemMessageW(dialog, IDC_YEAR_LIST, LB_GETCOUNT, 0, 0);
        seen.monthSel = SendDlgItemMessageW(dialog, IDC_MONTH_LIST, LB_GETCURSEL, 0, 0);
        seen.yearSel = SendDlgItemMessageW(dialog, IDC_YEAR_LIST, LB_GETCURSEL, 0, 0);
        seen.spinsStepTheirLists =
            reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, IDC_MONTH_SPIN, UDM_GETBUDDY, 0, 0)) ==
                GetDlgItem(dialog, IDC_MONTH_LIST) &&
            reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, IDC_YEAR_SPIN, UDM_GETBUDDY, 0, 0)) ==
                GetDlgItem(dialog, IDC_YEAR_LIST);
        // The user steps both lists on by one.
        SendDlgItemMessageW(dialog, IDC_MONTH_LIST, LB_SETCURSEL, 4, 0);
        SendDlgItemMessageW(dialog, IDC_YEAR_LIST, LB_SETCURSEL, kYearsAroundSeed + 1, 0);
        SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
    });
    LONG year = 2008;
    LONG month = 4;
    EXPECT_EQ(ShowMonthPicker(nullptr, year, month), 1);
    EXPECT_TRUE(seen.spinsStepTheirLists);
    EXPECT_EQ(seen.months, 12);
    EXPECT_EQ(seen.years, kListedYears);
    EXPECT_EQ(seen.monthSel, 3);
    EXPECT_EQ(seen.yearSel, kYearsAroundSeed);
    EXPECT_EQ(year, 2009);
    EXPECT_EQ(month, 5);
}

// The years were fixed to 2006-2013: a seed of today selected nothing and Done gave 2005.
TEST_F(MonthPicker, TheYearsAreThoseAroundTheSeed) {
    struct Case {
        LONG seed;
        int pick;  // the line chosen, -1 to take the seed's own selection
        LONG chosen;
    };
    const Case cases[] = {{2026, -1, 2026}, {2026, kListedYears - 1, 2036}, {2026, 0, 2016}, {1903, 0, 1900}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        pt::ActInsideDialog([&](HWND dialog) {
            if (c.pick >= 0) SendDlgItemMessageW(dialog, IDC_YEAR_LIST, LB_SETCURSEL, static_cast<WPARAM>(c.pick), 0);
            SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
        });
        LONG year = c.seed;
        LONG month = 12;
        EXPECT_EQ(ShowMonthPicker(nullptr, year, month), 1);
        EXPECT_EQ(year, c.chosen);
        EXPECT_EQ(month, 12);
    }
}

TEST_F(MonthPicker, CancelKeepsTheCallersValues) {
    for (WORD command : {static_cast<WORD>(kDlgCancel), static_cast<WORD>(IDCANCEL)}) {
        pt::ActInsideDialog([command](HWND dialog) {
            SendDlgItemMessageW(dialog, IDC_MONTH_LIST, LB_SETCURSEL, 0, 0);
            SendMessageW(dialog, WM_COMMAND, command, 0);
        });
        LONG year = 2010;
        LONG month = 7;
        EXPECT_EQ(ShowMonthPicker(nullptr, year, month), 0);
        EXPECT_EQ(year, 2010);
        EXPECT_EQ(month, 7);
    }
}

}  // namespace
