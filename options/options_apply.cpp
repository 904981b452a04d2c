// The OK side of the options pages: the checks of the View Selection and Schedule pages on their
// edited rows, and each page's apply step, which writes its changed rows into the settings and runs
// the side effects of what changed.
#include <iterator>

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/sched_bar.h"
#include "core/app_settings.h"
#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/file_types.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/res_string.h"
#include "core/shell_buttons.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "extras/spinner.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "options/options_state.h"
#include "platform/user.h"
#include "projects/prj_options.h"
#include "projects/prj_tree_build.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/view_windows.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_settings.h"

namespace {

constexpr LONG kMidnight = 24;

ValSnapArray& Page(int page) { return g_Options.pages[static_cast<std::size_t>(page)]; }

const ValSnap* FindRow(int page, const void* live) {
    for (const ValSnap& row : Page(page)) {
        if (ValSnapIsFor(row, live)) return &row;
    }
    return nullptr;
}

// The value a row would write, or the live value when the page has no row for it.
LONG EditedValue(int page, LONG* live) {
    const ValSnap* row = FindRow(page, live);
    if (row == nullptr) return *live;
    if (row->kind == kFieldCheck) return row->plainValue;
    return row->offset + row->indexValue;
}

LONG AsEndHour(LONG hour) { return hour == 0 ? kMidnight : hour; }

// The side effects after any change that moves rows or repaints the calendar.
void ResetViewsAfterChange() {
    if (ViewId != kViewApptPreview && ViewId != kViewTaskPreview) ResetSelection();
    RelayoutAgendaView();
    FreeBackBuffers();
}

bool ScheduleOnScreen() { return ViewId == kViewDates || ViewId == kViewDay; }

// The three hardware buttons: taking one over asks for a power-down note once.
struct ShortcutDef {
    LONG AppSettings::*flag;
    void (*take)();
    void (*give)();
};
constexpr ShortcutDef kShortcuts[] = {
    {&AppSettings::calendarShortcut, RegisterCalendarButton, RestoreCalendarButton},
    {&AppSettings::taskShortcut, RegisterTasksButton, RestoreTasksButton},
    {&AppSettings::contactShortcut, RegisterContactsButton, RestoreContactsButton},
};

bool ApplyShortcut(const ValSnap& row) {
    for (const ShortcutDef& def : kShortcuts) {
        if (row.live != &(g_Settings.*def.flag)) continue;
        if (g_Settings.*def.flag != 0) {
            def.take();
            g_Options.powerNote = 1;
        } else {
            def.give();
        }
        return true;
    }
    return false;
}

void RefillCollapsibleView() {
    if (ViewId == kViewTasks && g_LoadState.tasksLoaded) FillTskList(true);
    else if (ViewId == kViewContacts && g_LoadState.contactsLoaded) ReLoadCts(false);
    else if (ScheduleOnScreen()) RefreshSchedList();
}

// The weekday bar's buttons follow the week start: the bar is made again when it exists.
void RecreateSchedBar() {
    if (g_ViewWnds.weekdayBar == nullptr) return;
    DestroyWindow(g_ViewWnds.weekdayBar);
    g_ViewWnds.weekdayBar = nullptr;
    CreateSchedBar();
    if (ViewId == kViewDay) ShowSchedBar();
}

void ApplyDayToolbar() {
    if (ViewId != kViewDay) return;
    if (g_Settings.dayToolbar != 0) {
        CreateSchedBar();
        ShowSchedBar();
        SizeSchedBar();
        if (g_ViewWnds.scheduleList) PlaceBelowSchedBar(g_ViewWnds.scheduleList);
    } else if (g_ViewWnds.weekdayBar != nullptr) {
        ShowWindow(g_ViewWnds.weekdayBar, SW_HIDE);
        g_Options.viewReload = 1;
    }
}

}  // namespace

UINT CheckViewOptions() {
    for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) {
        if (EditedValue(kPageViews, &g_ViewShown.flags[i]) != 0) return 0;
    }
    return IDS_AT_LEAST_ONE_VIEW;
}

UINT CheckScheduleOptions() {
    AppSettings& s = g_Settings;
    const LONG barStart = EditedValue(kPageSchedule, &s.barStart);
    const LONG barEnd = AsEndHour(EditedValue(kPageSchedule, &s.barEnd));
    if (barStart >= barEnd) return IDS_BAR_START_BEFORE_END;
    if (EditedValue(kPageSchedule, &s.useBarWork) == 0) return 0;
    const LONG workStart = EditedValue(kPageSchedule, &s.barWorkStart);
    const LONG workEnd = AsEndHour(EditedValue(kPageSchedule, &s.barWorkEnd));
    if (workStart >= workEnd) return IDS_WORK_START_BEFORE_END;
    if (workStart < barStart || workEnd > barEnd) return IDS_WORK_INSIDE_BAR;
    return 0;
}

void ApplyGeneralOptions() {
    AppSettings& s = g_Settings;
    bool any = false;
    bool collapsibleChanged = false;
    g_Options.powerNote = 0;
    for (const ValSnap& row : Page(kPageGeneral)) {
        if (!ValSnapChanged(row)) continue;
        any = true;
        ValSnapCommit(row);
        if (row.live == &g_Options.startOnIndex) s.startOn30 = StartOnCodeOf(g_Options.startOnIndex);
        else if (row.live == &s.clockTitle) RestartClockTimer();
        else if (row.live == &s.cList) {
            g_Options.viewReload = 1;
            collapsibleChanged = true;
        }
        else if (row.live == &s.viewMenu3) {
            // The left soft key's meaning changed: every view's bar is made again.
            RebuildViewMenuBars();
            g_Options.viewReload = 1;
        }
        else ApplyShortcut(row);
    }
    // The list shown is filled afresh: groups folded before would stay hidden with nothing left
    // to unfold them once the lists are no longer collapsible.
    if (collapsibleChanged) RefillCollapsibleView();
    if (g_Options.powerNote != 0) ShowResMessage(GetActiveWindow(), IDS_POWER_DOWN_NOTE, MB_ICONEXCLAMATION);
    if (any) ResetViewsAfterChange();
}

void ApplyViewOptions() {
    bool any = false;
    for (const ValSnap& row : Page(kPageViews)) {
        if (!ValSnapChanged(row)) continue;
        ValSnapCommit(row);
        any = true;
    }
    if (!any) return;
    DropDisabledViewsFromSpinner();
    SaveViewShownFlags(g_ViewShown);
    // The views menus were pruned of the views that were off: made anew, they list the ones now on.
    RebuildViewMenuBars();
    g_Options.viewReload = 1;
}

void ApplyCategoryOptions() {
    if (g_Options.optionsChanged == 0) return;
    const ValSnapArray& rows = Page(kPageCategory);
    // Row 0 is the header; row n + 1 is the n-th category that is not a project category.
    for (int n = 0; n + 1 < rows.Size(); ++n) {
        const int cat = NthPlainCategory(n);
        if (cat < 0) break;
        g_CatList[cat].colour = static_cast<COLORREF>(rows[n + 1].numberValue);
        g_CatList[cat].icon = rows[n + 1].secondValue;
    }
    SaveCategoriesFile();
    // The appointments took their colour and icon from their categories when they were read.
    if (g_LoadState.allLoaded && g_ApptCache.loaded) LoadApptsForMonth(1, 0);
    FreeBackBuffers();
}

void ApplyScheduleOptions() {
    AppSettings& s = g_Settings;
    bool any = false;
    bool agendaChanged = false;
    bool nextMonthChanged = false;
    for (const ValSnap& row : Page(kPageSchedule)) {
        if (!ValSnapChanged(row)) continue;
        ValSnapCommit(row);
        any = true;
        if (row.live == &g_Options.reminderIndex) {
            if (g_Options.reminderIndex >= 0 && g_Options.reminderIndex < static_cast<LONG>(std::size(kReminderMinutes)))
                s.defRem = kReminderMinutes[g_Options.reminderIndex];
        } else if (row.live == &g_Options.apptLengthIndex) {
            if (g_Options.apptLengthIndex >= 0 && g_Options.apptLengthIndex < static_cast<LONG>(std::size(kApptLengths)))
                s.apptLength = kApptLengths[g_Options.apptLengthIndex];
        } else if (row.live == &s.mondayStart) {
            RecreateSchedBar();
        } else if (row.live == &s.dayToolbar) {
            ApplyDayToolbar();
        } else if (row.live == &s.agendaFmt) {
            agendaChanged = true;
        } else if (row.live == &s.nextMonthPrev || row.live == &s.splitMonth) {
            nextMonthChanged = true;
        } else if (row.live == &s.dateItems && s.dateItems != 0 && g_LoadState.allLoaded) {
            // The birthdays and anniversaries come with the contacts: read them now, not at the next start.
            g_Frame.loadContacts = 1;
            LoadCtsList(g_LoadState.contactsLoaded ? 1 : 0);
            FreeBackBuffers();
        }
    }
    // The split month's preview of the next month colours its days from that month's appointments.
    if (nextMonthChanged && g_LoadState.allLoaded) ReLoadNextMonthAppts();
    // The schedule is laid out again in its new format.
    if (agendaChanged && ViewId == kViewDay) ShowDayView(1, 1);
    else if (agendaChanged && ViewId == kViewDates) ShowDatesView(1, 1);
    if (s.barEnd == 0) s.barEnd = kMidnight;
    if (s.barWorkEnd == 0) s.barWorkEnd = kMidnight;
    if (any) ResetViewsAfterChange();
}

void ApplyTaskOptions() {
    const AppSettings& s = g_Settings;
    const LONG* const scheduleRows[] = {&s.hideComplete, &s.scheduleTasks, &s.datedOnly, &s.overdueToday, &s.activeTasks};
    bool scheduleChanged = false;
    bool listChanged = false;
    for (const ValSnap& row : Page(kPageTasks)) {
        if (!ValSnapChanged(row)) continue;
        ValSnapCommit(row);
        g_Options.viewReload = 1;
        listChanged = true;
        for (const LONG* live : scheduleRows) scheduleChanged |= row.live == live;
    }
    // The task list shown is filled again by the new switches (Hide Completed and the like).
    if (listChanged && ViewId == kViewTasks && g_LoadState.tasksLoaded) FillTskList(true);
    // The agenda and day views list tasks by these switches.
    if (scheduleChanged && ScheduleOnScreen()) {
        ResetViewsAfterChange();
        RefreshSchedList();
    }
}

void ApplyContactOptions() {
    const AppSettings& s = g_Settings;
    bool layoutChanged = false;
    bool searchChanged = false;
    for (const ValSnap& row : Page(kPageContacts)) {
        if (!ValSnapChanged(row)) continue;
        ValSnapCommit(row);
        g_Options.viewReload = 1;
        layoutChanged |= row.live == &s.abcTb || row.live == &s.ctsIcon;
        searchChanged |= row.live == &s.searchCompany || row.live == &s.lastNamesOnly;
    }
    if (searchChanged) ClearItemIndexes();
    // The contacts view shown takes its letter tabs and its grid or list at once, not at the next visit.
    if (layoutChanged && ViewId == kViewContacts) ShowCtsView(true);
}

void ApplyNoteOptions() {
    AppSettings& s = g_Settings;
    // This page writes every row; an association switched on is registered again.
    for (const ValSnap& row : Page(kPageNotes)) {
        const bool changed = ValSnapChanged(row);
        ValSnapCommit(row);
        if (!changed) continue;
        if (row.live == &s.textExt && s.textExt != 0) RegisterTxtAssoc();
        if (row.live == &s.pwiExt && s.pwiExt != 0) RegisterPwiAssoc();
    }
}

void ApplyWalletOptions() {
    WltSettings& w = g_WltSettings;
    bool any = false;
    for (const ValSnap& row : Page(kPageWallet)) {
        if (!ValSnapChanged(row)) continue;
        ValSnapCommit(row);
        any = true;
        if (row.live == &w.timeoutOn) w.timeoutOn != 0 ? StartWltTimer() : StopWltTimer();
    }
    if (!any) return;
    constexpr LONG kShortestTimeout = 2;
    if (w.timeoutOn != 0 && w.timeoutMinutes < 1) w.timeoutMinutes = kShortestTimeout;
    if (w.genDigitsOnly != 0) w.genDigits = 1;
    SaveWltSettings();
}

void ApplyProjectOptions() {
    PrjOptions& o = g_PrjOptions;
    bool any = false;
    for (const ValSnap& row : Page(kPageProjects)) {
        if (!ValSnapChanged(row)) continue;
        ValSnapCommit(row);
        any = true;
        if (row.live == &o.outFolder) {
            if (o.outFolder == 0) RemoveOutlookRoot();
            else if (ViewId == kViewProjects) RefreshPrjTree();
        } else if (row.live == &o.monthLoad && o.monthLoad != 0 && ViewId == kViewProjects) {
            RefreshPrjTree();
        }
    }
    if (any) SavePrjOptions();
}
