// The Day and Dates views in the drawn agenda window, the appointment preview and the way back.
// While the month's appointments are still loading a switch only leaves a pending view command.
#include "calendar/agenda_switch.h"

#include "calendar/agenda_view.h"
#include "calendar/dates_list.h"
#include "calendar/day_list.h"
#include "calendar/day_spans.h"
#include "calendar/sched_bar.h"
#include "calendar/sched_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/threads.h"
#include "platform/user.h"
#include "projects/assoc_items.h"
#include "projects/prj_view.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/offscreen.h"
#include "ui/outline_list.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

namespace {

constexpr LONG kPendingDay = 9;
constexpr LONG kPendingDates = 3;

enum class ListView { Day, Dates };

// True when the switch has to wait for the load thread.
bool DeferUntilLoaded(LONG pending) {
    if (g_ApptCache.loaded) return false;
    if (g_LoadState.thread) SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_NORMAL);
    PendingViewCmd = pending;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

void EnsureAgendaWindow() {
    if (g_Agenda.wnd) return;
    CreateAgendaViewWnd(g_Frame.mainWnd);
    g_Agenda.created = 1;
}

void EnsureSchedList() {
    if (g_ViewWnds.scheduleList) return;
    CreateSchedList(g_Frame.mainWnd);
    g_SchedList.created = 1;
}

// The schedule list's form of the Day and Dates views: rows rebuilt, the current item's row kept
// selected or else the first item row, the list laid out and, in the Day view, the tool bar shown.
void ShowScheduleForm(ListView which) {
    if (which == ListView::Day) FillSchedDay();
    else FillSchedAgenda();
    const HWND list = g_ViewWnds.scheduleList;
    if (g_CurItem.oid == kNoId || !OutlineSelectById(list, g_SchedRows, g_CurItem.oid, ScrollTo::kYes, RowRules::kSchedule)) {
        SendMessageW(list, LVM_SETSELECTIONMARK, 0, -1);
        SelectNextListRow(list, QueryOnly::kNo, RowRules::kSchedule);
    }
    RelayoutDaySched();
    RedrawNow(nullptr);
    if (which == ListView::Day) ShowSchedBar();
}

void ShowListView(ListView which, int reset, int drop) {
    if (DeferUntilLoaded(which == ListView::Day ? kPendingDay : kPendingDates)) return;
    const bool drawn = g_Settings.agendaFmt == kAgendaDrawn;
    if (drawn) EnsureAgendaWindow();
    else EnsureSchedList();
    if (which == ListView::Day) RememberLastView();
    bool selectFirst = false;
    if (reset) {
        ResetSelection();
        g_CurItem.rowTop = -1;
    } else if (g_CurItem.rowTop == -1 && drawn) {
        ResetSelection();
        selectFirst = true;
    }
    HideAllViewWindows();
    if (drop) ReleaseAgendaBuffer();
    if (which == ListView::Dates) g_Main.backArmed = 0;
    ViewId = which == ListView::Day ? kViewDay : kViewDates;
    SetViewTitle();
    RelayoutAgendaView();
    CreateViewMenuBar(which == ListView::Day ? &g_MenuBars.day : &g_MenuBars.dates, 0, g_Frame.mainWnd, kShowBar);
    if (!drawn) {
        ShowScheduleForm(which);
        return;
    }
    PlaceAgendaViewWnd();
    if (which == ListView::Day) ShowSchedBar();
    if (selectFirst) {
        if (which == ListView::Day) SelectFirstDayItem();
        else SelectNextDatesItem();
        RedrawNow(nullptr);
    } else {
        ScrollToCurrentAppt(1);
    }
}

}  // namespace

void ShowDayView(int reset, int drop) { ShowListView(ListView::Day, reset, drop); }

void ShowDatesView(int reset, int drop) {
    if (!g_ViewShown[ShownView::Dates]) return;
    ShowListView(ListView::Dates, reset, drop);
}

void ShowApptPreview(int outside) {
    if (!outside) SyncSchedSel();
    if (g_CurItem.oid == kNoId) return;
    RememberPreviewOrigin(outside);
    if (ViewId == kViewDates) RememberLastView();
    EnsureAgendaWindow();
    HideAllViewWindows();
    SetTitleFromCurrentAppt();
    ReleasePreviewBuffer();
    ViewId = kViewApptPreview;
    RelayoutAgendaView();
    CreateViewMenuBar(&g_MenuBars.apptPreview, 0, g_Frame.mainWnd, kShowBar);
    HideAllViewWindows();
    PlaceViewWnd(g_Agenda.wnd, kPlacePlain);
    RedrawNow(nullptr);
}

void ShowTskPreview(int outside) {
    if (!outside) SyncSchedSel();
    if (g_CurItem.oid == kNoId) return;
    RememberPreviewOrigin(outside);
    SaveTskListSel();
    RememberLastView();
    EnsureAgendaWindow();
    HideAllViewWindows();
    ReleasePreviewBuffer();
    ViewId = kViewTaskPreview;
    SetViewTitle();
    HideAllViewWindows();
    RelayoutAgendaView();
    CreateViewMenuBar(&g_MenuBars.taskPreview, 0, g_Frame.mainWnd, kShowBar);
    HideAllViewWindows();
    PlaceViewWnd(g_Agenda.wnd, kPlacePlain);
    RedrawNow(nullptr);
}

// The frame's form: a task preview opened by a command or from the start view.
void ShowTskPreview() { ShowTskPreview(1); }

void ShowItemPreview() {
    switch (g_CurItem.kind) {
    case kItemAppt: ShowApptPreview(0); break;
    case kItemContact: ShowCtsPreview(0); break;
    case kItemTask: ShowTskPreview(0); break;
    default: break;
    }
}

void GoBackFromPreviewC() {
    switch (GetPreviewOrigin()) {
    case 1: ShowDayView(0, 1); break;
    case 0: ShowTasksView(); break;
    case 7: ShowProjectsView(); break;
    default: GoBackView(); break;
    }
}

void TskPreviewEnter() {
    if (ShowAssocItemsDlg(g_Frame.mainWnd) == 0) GoBackFromPreviewC();
}

void GoBackFromPreviewA() {
    switch (GetPreviewOrigin()) {
    case 4: case 7: GoBackView(); break;
    case 2: ShowDatesView(0, 1); break;
    default: ShowDayView(0, 1); break;
    }
}

void ApptPreviewEnter() {
    if (ShowAssocItemsDlg(g_Frame.mainWnd) == 0) GoBackFromPreviewA();
}

void ShowTskPreviewByOid(LONG oid) {
    g_CurItem.oid = oid;
    ViewId = kViewTasks;
    g_CurItem.kind = kItemTask;
    ShowTskPreview();
}

void OpenApptPreviewByOid(LONG oid) {
    ViewId = kViewDay;
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemAppt;
    OpenApptMonthByOid(oid);
    ShowApptPreview();
}

// The calendar's own switches with the arguments every frame caller passes.
void ShowDatesView() { ShowDatesView(1, 1); }
void ShowDayView() { ShowDayView(1, 1); }
void ShowApptPreview() { ShowApptPreview(0); }
