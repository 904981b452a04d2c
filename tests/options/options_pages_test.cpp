// The options pages as built for the screen and the live values: rows present by screen class and
// system version, index rows, rows that lock others, and the apply steps' side effects.
#include <algorithm>
#include <string>
#include <vector>

#include "calendar/sched_bar.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/theme_words.h"
#include "lists/cts_grid.h"
#include "lists/task_view.h"
#include "options/options_dlg.h"
#include "options_fixture.h"
#include "platform/gdi.h"
#include "platform/testing_pim.h"
#include "resources/resource.h"
#include "ui/layout.h"
#include "ui/list_view_calls.h"
#include "ui/offscreen.h"
#include "ui/view_windows.h"

namespace {

namespace pt = platform::testing;
using options_test::OptionsTest;
using options_test::Screen;

std::vector<std::u16string> Labels(int page) {
    std::vector<std::u16string> labels;
    for (const ValSnap& row : g_Options.pages[static_cast<std::size_t>(page)]) labels.push_back(row.label);
    return labels;
}

bool HasLabel(int page, const std::u16string& label) {
    const std::vector<std::u16string> labels = Labels(page);
    return std::find(labels.begin(), labels.end(), label) != labels.end();
}

const ValSnap* RowFor(int page, const void* live) {
    for (const ValSnap& row : g_Options.pages[static_cast<std::size_t>(page)]) {
        if (row.live == live) return &row;
    }
    return nullptr;
}

int FindIndex(int page, const void* live) {
    const ValSnapArray& rows = g_Options.pages[static_cast<std::size_t>(page)];
    for (int i = 0; i < rows.Size(); ++i) {
        if (rows[i].live == live) return i;
    }
    return -1;
}

class OptionsPagesTest : public OptionsTest {
protected:
    // A PIM store read through the item texts, as on systems before version 5.
    void StartStore() {
        platform::DeviceProfile profile = platform::Profile();
        profile.osMajor = 4;
        device_.SetProfile(profile);
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
    }
    static void EndStore() {
        ClearApptMonthCache();
        g_ApptCache.loaded = 0;
        g_AllApptsArray.RemoveAll();
        g_MultiDaySpans.RemoveAll();
        EndPoomSession();
    }
    static void AddAppt(const DateRec& start, const WCHAR* categories) {
        PoomPtr<IDispatch> item;
        ASSERT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, item.Out()), S_OK);
        PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
        SYSTEMTIME time = start;
        DATE when = 0;
        GetPoomApp()->SystemTimeToVariantTime(&time, &when);
        appt->put_Subject(u"Standup");
        appt->put_Start(when);
        appt->put_Duration(30);
        appt->put_Categories(categories);
        ASSERT_EQ(appt->Save(), S_OK);
    }
};

TEST_F(OptionsPagesTest, RowsPresentByScreenClassAndSystem) {
    const struct {
        int width, height;
        LONG ce5;
        int page;
        const WCHAR* label;
        bool present;
    } cases[] = {
        {240, 320, 1, kPageSchedule, u"  Preview on Bottom", false},
        {320, 240, 1, kPageSchedule, u"  Preview on Bottom", true},
        {480, 640, 1, kPageSchedule, u"  Preview on Bottom", true},
        {176, 220, 1, kPageSchedule, u"  Next Month Preview", false},
        {240, 320, 1, kPageSchedule, u"  Next Month Preview", true},
        {240, 320, 1, kPageContacts, u"Contact Grid List", true},
        {240, 320, 0, kPageContacts, u"Contact Grid List", false},
        {240, 320, 0, kPageContacts, u"Photo List", false},
        {240, 240, 1, kPageViews, u"Six Month", true},
        {240, 320, 1, kPageViews, u"Year", true},
        {176, 220, 1, kPageViews, u"Year", false},
        {240, 240, 1, kPageGeneral, u"Clock on Title", false},
        {240, 320, 1, kPageGeneral, u"Clock on Title", true},
    };
    for (const auto& c : cases) {
        pt::TestDevice device(Screen(c.width, c.height));
        options_test::ResetRecords();
        g_Settings.ce5OrLater = c.ce5;
        FillOptionsPage(c.page);
        EXPECT_EQ(HasLabel(c.page, c.label), c.present) << c.width << "x" << c.height << " " << c.page;
    }
}

TEST_F(OptionsPagesTest, StartChoicesFollowTheScreen) {
    const struct {
        int width, height;
        const WCHAR* ninth;  // the entry after "Wallet"
    } cases[] = {{240, 240, u"Six Month"}, {240, 320, u"Year"}, {176, 220, u"Today"}};
    for (const auto& c : cases) {
        pt::TestDevice device(Screen(c.width, c.height));
        options_test::ResetRecords();
        FillOptionsPage(kPageGeneral);
        const ValSnap* row = RowFor(kPageGeneral, &g_Options.startOnIndex);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->choices[8], c.ninth) << c.width;
    }
}

// Below 240 pixels the Year entry is missing: the row keeps positions, the setting keeps codes.
TEST_F(OptionsPagesTest, StartViewCodesSurviveTheMissingYearEntry) {
    pt::TestDevice device(Screen(176, 220));
    const struct {
        LONG code, index;
    } cases[] = {{1, 1}, {7, 7}, {9, 8}, {10, 9}};
    for (const auto& c : cases) {
        EXPECT_EQ(StartOnIndexOf(c.code), c.index);
        EXPECT_EQ(StartOnCodeOf(c.index), c.code);
    }
}

TEST_F(OptionsPagesTest, ReminderAndLengthRowsTranslateMinutes) {
    g_Settings.defRem = 120;
    g_Settings.apptLength = 90;
    FillOptionsPage(kPageSchedule);
    EXPECT_EQ(RowFor(kPageSchedule, &g_Options.reminderIndex)->indexValue, 7);
    EXPECT_EQ(RowFor(kPageSchedule, &g_Options.apptLengthIndex)->indexValue, 4);
    ClearOptionTables();
    g_Settings.defRem = 45;  // not in the list
    FillOptionsPage(kPageSchedule);
    EXPECT_EQ(RowFor(kPageSchedule, &g_Options.reminderIndex)->indexValue, 7) << "left as it was";
    g_Options.pages[kPageSchedule][FindIndex(kPageSchedule, &g_Options.reminderIndex)].indexValue = 11;
    g_Options.pages[kPageSchedule][FindIndex(kPageSchedule, &g_Options.apptLengthIndex)].indexValue = 0;
    ApplyScheduleOptions();
    EXPECT_EQ(g_Settings.defRem, 10080);
    EXPECT_EQ(g_Settings.apptLength, 15);
}

TEST_F(OptionsPagesTest, RowsThatLockOthers) {
    struct Rule {
        int page;
        LONG* changed;
        std::vector<LONG*> dependents;
        bool lockWhenOn;
    };
    const Rule rules[] = {
        {kPageSchedule, &g_Settings.splitMonth, {&g_Settings.nextMonthPrev}, false},
        {kPageSchedule, &g_Settings.useBarWork, {&g_Settings.barWorkStart, &g_Settings.barWorkEnd}, false},
        {kPageTasks, &g_Settings.scheduleTasks, {&g_Settings.datedOnly, &g_Settings.overdueToday, &g_Settings.activeTasks}, true},
        {kPageGeneral, &g_Settings.cList, {&g_Settings.startColl}, false},
        {kPageContacts, &g_Settings.ctsIcon, {&g_Settings.photo}, true},
        {kPageProjects, &g_PrjOptions.outFolder, {&g_PrjOptions.poomBelow, &g_PrjOptions.ctsCom, &g_PrjOptions.showCat}, false},
    };
    for (const Rule& rule : rules) {
        pt::ActInsideDialog([&](HWND dialog) {
            SelectOptionsPage(dialog, rule.page);
            const HWND list = GetDlgItem(dialog, IDC_OPTIONS_LIST);
            const LONG index = FindValSnapFor(rule.changed);
            ASSERT_GE(index, 0);
            for (int pass = 0; pass < 2; ++pass) {
                const bool on = FieldListRows()[index].plainValue != 0;
                for (LONG* dependent : rule.dependents) {
                    EXPECT_EQ(FieldListRows()[FindValSnapFor(dependent)].locked != 0, rule.lockWhenOn == on)
                        << "page " << rule.page << " pass " << pass;
                }
                LvSelectRow(list, index);
                SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
            }
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        RunOptionsDlg();
    }
    EXPECT_EQ(g_Settings.photo, 0) << "Cancel leaves the photo switch the grid set on";
}

TEST_F(OptionsPagesTest, EveryOpeningBuildsThePagesFromTheLiveValues) {
    for (const LONG progress : {0L, 1L}) {
        g_PrjOptions.progress = progress;
        LONG shown = -1;
        pt::ActInsideDialog([&](HWND dialog) {
            SelectOptionsPage(dialog, kPageProjects);
            shown = FieldListRows()[FindValSnapFor(&g_PrjOptions.progress)].plainValue;
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        RunOptionsDlg();
        EXPECT_EQ(shown, progress);
    }
}

TEST_F(OptionsPagesTest, PagesNeverShownAreNeitherCheckedNorWritten) {
    g_ViewShown = ViewShownFlags();
    for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) g_ViewShown.flags[i] = 0;
    pt::ActInsideDialog([&](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0); });
    RunOptionsDlg();
    EXPECT_TRUE(pt::MessageBoxesShown().empty()) << "the View Selection page was not shown";
    EXPECT_EQ(g_Options.filled[kPageViews], 0);
}

TEST_F(OptionsPagesTest, FocusOnTheListSelectsTheFirstRow) {
    int selected = -2;
    pt::ActInsideDialog([&](HWND dialog) {
        SelectOptionsPage(dialog, kPageTasks);
        SendMessageW(GetDlgItem(dialog, IDC_OPTIONS_PAGES), WM_KEYDOWN, VK_DOWN, 0);
        selected = FieldListSelRow(GetDlgItem(dialog, IDC_OPTIONS_LIST));
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    RunOptionsDlg();
    EXPECT_EQ(selected, 1) << "the row under the header";
}

TEST_F(OptionsPagesTest, WalletCorrectionsOnApply) {
    FillOptionsPage(kPageWallet);
    auto& rows = g_Options.pages[kPageWallet];
    rows[FindIndex(kPageWallet, &g_WltSettings.genDigitsOnly)].plainValue = 1;
    rows[FindIndex(kPageWallet, &g_WltSettings.genDigits)].plainValue = 0;
    rows[FindIndex(kPageWallet, &g_WltSettings.genLength)].indexValue = 13;
    ApplyWalletOptions();
    EXPECT_EQ(g_WltSettings.genDigits, 1) << "no letters needs numbers";
    EXPECT_EQ(g_WltSettings.genLength, 16);
    EXPECT_EQ(Stored(u"PWGENLEN"), 16);
}

TEST_F(OptionsPagesTest, TakingButtonsOverShowsThePowerNoteOnce) {
    const struct {
        std::vector<LONG*> toggled;
        size_t notes;
    } cases[] = {
        {{&g_Settings.calendarShortcut, &g_Settings.taskShortcut}, 1},
        {{&g_Settings.calendarShortcut, &g_Settings.taskShortcut}, 0},  // both back off
    };
    for (const auto& c : cases) {
        pt::ClearMessageBoxes();
        pt::ActInsideDialog([&](HWND dialog) {
            SelectOptionsPage(dialog, kPageGeneral);
            const HWND list = GetDlgItem(dialog, IDC_OPTIONS_LIST);
            for (LONG* live : c.toggled) {
                LvSelectRow(list, FindValSnapFor(live));
                SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
            }
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        RunOptionsDlg();
        const auto boxes = pt::MessageBoxesShown();
        ASSERT_EQ(boxes.size(), c.notes);
        if (c.notes) {
            EXPECT_EQ(boxes[0].text, u"Note:  A power down might be required for all settings to take effect.");
        }
    }
    EXPECT_EQ(g_Settings.calendarShortcut, 0);
}

}  // namespace

namespace {

// Switching collapsible lists off fills the task list shown afresh, so that a folded group does
// not stay hidden with nothing left to unfold it.
TEST_F(OptionsPagesTest, CollapsibleListsSwitchedOffRefillTheTaskList) {
    const LoadState savedLoad = g_LoadState;
    g_LoadState.tasksLoaded = 1;
    g_Settings.cList = 1;
    ViewId = kViewTasks;
    ListRow folded;
    folded.kind = kRowItem;
    folded.hidden = 1;
    g_TskRows.RemoveAll();
    g_TskRows.Append(folded);
    pt::ActInsideDialog([](HWND dialog) {
        SelectOptionsPage(dialog, kPageGeneral);
        const HWND list = GetDlgItem(dialog, IDC_OPTIONS_LIST);
        LvSelectRow(list, FindValSnapFor(&g_Settings.cList));
        SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    RunOptionsDlg();
    EXPECT_EQ(g_Settings.cList, 0);
    ASSERT_GT(g_TskRows.Size(), 0);
    for (const ListRow& row : g_TskRows) EXPECT_EQ(row.hidden, 0);
    g_TskRows.RemoveAll();
    g_LoadState = savedLoad;
}

// A new top margin moves the task list shown as soon as the options close, not at the next visit.
TEST_F(OptionsPagesTest, NewMarginPlacesTheShownTaskListAtOnce) {
    const HWND tasks = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 240, 200, host_,
                                       nullptr, nullptr, nullptr);
    g_TskListState.list = tasks;
    ViewId = kViewTasks;
    SetThemeWord(kThemeViewMarginTop, 0);
    pt::ActInsideDialog([](HWND dialog) {
        SelectOptionsPage(dialog, kPageDisplay);
        const int index = FindIndex(kPageDisplay, &g_Theme.words[kThemeViewMarginTop]);
        ASSERT_GE(index, 0);
        g_Options.pages[kPageDisplay][index].indexValue = 12;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    RunOptionsDlg();
    EXPECT_EQ(GetThemeWord(kThemeViewMarginTop), 12);
    RECT placed{};
    GetWindowRect(tasks, &placed);
    POINT topLeft{placed.left, placed.top};
    ScreenToClient(host_, &topLeft);
    RECT view{};
    GetViewClientRect(host_, view);
    EXPECT_EQ(topLeft.y, view.top + 12);
    g_TskListState.list = nullptr;
    DestroyWindow(tasks);
}

// A changed theme colour drops the contact grid's picture of its rows, drawn in the old colours.
TEST_F(OptionsPagesTest, DisplayChangeDropsTheContactGridPicture) {
    const HDC screen = GetDC(nullptr);
    ASSERT_TRUE(CreateOffscreen(g_CtsGrid.buffer, screen, 40, 40));
    ReleaseDC(nullptr, screen);
    FillOptionsPage(kPageDisplay);
    const int index = FindIndex(kPageDisplay, &g_Theme.words[kThemeViewMarginTop]);
    ASSERT_GE(index, 0);
    g_Options.pages[kPageDisplay][index].indexValue = 3;
    ApplyDisplayOptions();
    EXPECT_EQ(g_CtsGrid.buffer.valid, 0);
    ReleaseOffscreen(g_CtsGrid.buffer);
}

// Back in the day view after the options, the day's first item is selected when none was.
TEST_F(OptionsPagesTest, DayViewGetsItsFirstItemSelectedAfterTheOptions) {
    StartStore();
    g_SelectedDate = DateRec(2009, 3, 10);
    AddAppt(DateRec(2009, 3, 10, 9, 0), u"");
    LoadApptsForMonth(1, 0);
    ViewId = kViewDay;
    ResetSelection();
    pt::ActInsideDialog([](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0); });
    RunOptionsDlg();
    EXPECT_NE(g_CurItem.oid, kNoId);
    ResetSelection();
    EndStore();
}

TEST_F(OptionsPagesTest, WeekStartAndDayToolbarReachTheWeekdayBar) {
    ViewId = kViewDay;
    g_Settings.dayToolbar = 1;
    CreateSchedBar();
    const HWND before = g_ViewWnds.weekdayBar;
    ASSERT_NE(before, nullptr);
    FillOptionsPage(kPageSchedule);
    g_Options.pages[kPageSchedule][FindIndex(kPageSchedule, &g_Settings.mondayStart)].plainValue = 1;
    ApplyScheduleOptions();
    EXPECT_FALSE(IsWindow(before)) << "the bar is made again for the new week start";
    ASSERT_NE(g_ViewWnds.weekdayBar, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_ViewWnds.weekdayBar));
    g_Options.pages[kPageSchedule][FindIndex(kPageSchedule, &g_Settings.dayToolbar)].plainValue = 0;
    ApplyScheduleOptions();
    EXPECT_FALSE(IsWindowVisible(g_ViewWnds.weekdayBar));
    EXPECT_EQ(g_Options.viewReload, 1);
    DestroyWindow(g_ViewWnds.weekdayBar);
    g_ViewWnds.weekdayBar = nullptr;
}

}  // namespace
