// The schedule list: each day a date header and the day's rows (day bars, birthdays and
// anniversaries, multi-day appointments that began earlier, the day's appointments, tasks), built
// into the outline rows and shown by the owner-drawn list view. Every row source is first asked
// whether the day has a match, so a header is placed only above days that have rows.
#include "calendar/sched_list.h"

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/dates_list.h"
#include "calendar/day_bars.h"
#include "calendar/month_view.h"
#include "calendar/sched_bar.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/held_message.h"
#include "core/item_filters.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/outline_list.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

SchedListState g_SchedList;
ListRowArray g_SchedRows;

namespace {

// The calendar asks the task category filter with kind 0.
constexpr LONG kCalendarCatFilter = 0;
constexpr int kCheckAreaWidth = 24;
constexpr int kVgaCheckAreaWidth = 48;
// The probe of AddSchedDateHeader: does the day have bar items at all?
constexpr int kProbeBarX = 5;
constexpr int kProbeBarY = 3;
constexpr int kProbeBarWidth = 80;
constexpr int kProbeBarHeight = 14;
constexpr int kProbeBarItemHeight = 15;

HWND SchedList() { return g_ViewWnds.scheduleList; }

DateRec Today() {
    DateRec now;
    DateNow(now);
    return DateRec(now.wYear, now.wMonth, now.wDay);
}

bool SameDay(const DateRec& a, const DateRec& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

void AppendRow(LONG kind, LONG id, const DateRec& date, LONG extra = -1) {
    ListRow row;
    row.kind = kind;
    row.id = id;
    row.date = date;
    row.extra = extra;
    g_SchedRows.Append(row);
}

int SelectedRow() {
    const HWND list = SchedList();
    return list ? static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0)) : -1;
}

// The entry of the selected row; false when nothing is selected.
bool SelectedEntry(ListRow& entry) {
    const int row = SelectedRow();
    return row >= 0 && OutlineGetRowEntry(row, entry, g_SchedRows) >= 0;
}

bool ScheduleShown() {
    return (ViewId == kViewDay || ViewId == kViewDates) && g_Settings.agendaFmt != kAgendaDrawn;
}

}  // namespace

void CreateSchedList(HWND parent) {
    RECT view{};
    GetViewRect(view);
    const HWND list = CreateWindowExW(0, WC_LISTVIEWW, u"",
                                      WS_CHILD | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED |
                                          LVS_NOCOLUMNHEADER,
                                      view.left, view.top, view.right - view.left, view.bottom - view.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdScheduleList)),
                                      g_Main.instance, nullptr);
    g_ViewWnds.scheduleList = list;
    if (!list) {
        ShowMessage(parent, u"Error: Schedule List Creation Error.", MB_ICONEXCLAMATION);
        return;
    }
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = (view.right - view.left) - 2 * GetThemeWord(kThemeViewMarginSide) - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SubclassOutlineList(list);
    CreateSchedBar();
}

void AddSchedDateHeader(const DateRec& day, LONG firstHeader) {
    ListRow header;
    FormatWeekLabel(day, header.text, header.secondText, true);
    const bool bars = g_Settings.dayViewBars != 0;
    header.kind = bars && g_Settings.agendaFmt == kAgendaTwoLines ? kSchedHeaderBars : kSchedHeader;
    header.date = day;
    header.value = firstHeader;
    g_SchedRows.Append(header);
    if (!bars || g_Settings.agendaFmt == kAgendaTwoLines) return;
    if (DrawApptBars(nullptr, 0, kProbeBarX, kProbeBarY, kProbeBarWidth, kProbeBarHeight, 0, 0, day.wYear,
                     day.wMonth, day.wDay, 0, 1, kProbeBarItemHeight, 1, 0)) {
        AppendRow(kSchedBars, -1, day);
    }
}

int AddSchedAnnivRows(const DateRec& day, int add) {
    bool any = false;
    for (int i = AnnivFindByDate(g_AnnivList, day); i < g_AnnivList.Size(); ++i) {
        const AnnivEntry& entry = g_AnnivList[i];
        if (!AnnivIsOn(entry, day.wMonth, day.wDay)) continue;
        if (!add) return 1;
        AppendRow(kSchedAnniv, entry.contactOid, DateRec{}, entry.kind);
        any = true;
    }
    return any ? 1 : 0;
}

int AddSchedSpanRows(const DateRec& day, int add) {
    const SpanArray* spans = g_ApptCache.curSpans;
    if (!spans) return 0;
    bool any = false;
    for (const TimeSpan& span : *spans) {
        if (SpanStartsOn(span, day.wYear, day.wMonth, day.wDay)) break;
        if (!SpanCoversDay(span, day.wYear, day.wMonth, day.wDay)) continue;
        ApptRecord appt;
        if (!LoadApptByOid(span.oid, appt, span.start)) break;
        if (!AddApptUnlessHidden(appt)) continue;
        if (!add) return 1;
        AppendRow(kSchedAppt, appt.oid, day);
        any = true;
    }
    return any ? 1 : 0;
}

int AddSchedApptRows(const DateRec& day, int add) {
    ApptArray* appts = g_ApptCache.curAppts;
    if (!appts) {
        // Rows are built while the list paints, measures and hit-tests.
        ShowMessageOutsidePaint(u"Error: Appointment Pointer Error.");
        return 0;
    }
    bool any = false;
    for (int i = FindFirstOnDate(appts, day); i < appts->Size(); ++i) {
        ApptRecord& appt = (*appts)[i];
        if (CompareDay(appt.start, day.wYear, day.wMonth, day.wDay) < 0) continue;
        if (appt.light) {
            ApptRecord full = appt;
            full.categories.RemoveAll();
            if (LoadApptByOid(appt.oid, full, appt.start)) appt = full;
        }
        if (!ApptCoversDay(appt, day.wYear, day.wMonth, day.wDay)) break;
        if (!AddApptUnlessHidden(appt)) continue;
        if (!add) return 1;
        AppendRow(kSchedAppt, appt.oid, appt.start);
        any = true;
    }
    return any ? 1 : 0;
}

bool SchedTaskOnDay(const TskRecord& task, const DateRec& day) {
    const int y = day.wYear, m = day.wMonth, d = day.wDay;
    bool on = task.hasDue && TskDueOn(task, y, m, d);
    if (g_Settings.activeTasks && !on) on = IsTskActiveOn(task, y, m, d);
    const bool today = SameDay(day, Today());
    if (g_Settings.overdueToday && today && !task.complete && task.hasDue && TskDueBeforeDay(task, y, m, d)) on = true;
    if (!g_Settings.datedOnly && today && !task.hasDue) return true;
    return task.hasDue && on;
}

int AddSchedTaskRows(const DateRec& day, int add) {
    if (g_Settings.scheduleTasks) return 0;
    bool any = false;
    for (const TskRecord& task : g_TskList) {
        if (!TskIsShown(task, kCalendarCatFilter) || !SchedTaskOnDay(task, day)) continue;
        if (!add) return 1;
        AppendRow(kSchedTask, task.oid, DateRec{});
        any = true;
    }
    return any ? 1 : 0;
}

int BuildSchedDayRows(const DateRec& day, LONG skipEmpty, LONG firstHeader, LONG clearAndFill) {
    if (clearAndFill) g_SchedRows.RemoveAll();
    bool header = false;
    if (!skipEmpty) {
        AddSchedDateHeader(day, firstHeader);
        header = true;
    }
    using RowSource = int (*)(const DateRec&, int);
    constexpr RowSource kSources[] = {AddSchedAnnivRows, AddSchedSpanRows, AddSchedApptRows, AddSchedTaskRows};
    for (std::size_t i = 0; i < std::size(kSources); ++i) {
        if (i == 0 && !g_Settings.dateItems) continue;
        if (!kSources[i](day, 0)) continue;
        if (!header) {
            AddSchedDateHeader(day, firstHeader);
            header = true;
        }
        kSources[i](day, 1);
    }
    if (g_SchedRows.IsEmpty()) {
        if (!clearAndFill) return 0;
        AppendRow(kSchedNothing, -1, DateRec{});
    }
    if (clearAndFill) OutlineFillList(SchedList(), g_SchedRows);
    return header ? 1 : 0;
}

void FillSchedDay() {
    const DateRec day(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    BuildSchedDayRows(day, 0, 1, 1);
}

void FillSchedAgenda() {
    g_SchedRows.RemoveAll();
    const DateRec today = Today();
    if (g_SelectedDate.wYear == today.wYear && g_SelectedDate.wMonth == today.wMonth) {
        DropMonthGridCache();
        LoadApptsForMonth(0, 0);
    }
    DateRec day = today;
    LONG firstHeader = 1;
    for (int i = 0; i <= kUpcomingDays; ++i) {
        // Adding days keeps the weekday; the header names it, so it follows the date.
        if (i > 0) {
            DateAddDays(day, 1);
            DateSetDow(day);
        }
        const int added = BuildSchedDayRows(day, g_Settings.skipEmpty, firstHeader, 0);
        firstHeader = added ? 0 : 1;
    }
    if (g_SchedRows.IsEmpty()) AppendRow(kSchedNothing, -1, DateRec{});
    OutlineStartCollapsed(g_SchedRows, RowRules::kSchedule);
    OutlineFillList(SchedList(), g_SchedRows);
}

void RefreshSchedList() {
    if (g_Settings.agendaFmt == kAgendaDrawn) return;
    if (ViewId == kViewDates) {
        FillSchedAgenda();
    } else if (ViewId == kViewDay) {
        FillSchedDay();
        SelectNextListRow(SchedList(), QueryOnly::kNo, RowRules::kSchedule);
    }
}

void RelayoutDaySched() {
    HideAllViewWindows();
    PlaceViewWnd(SchedList(), kPlaceList);
    if (ViewId != kViewDay) return;
    PlaceBelowSchedBar(SchedList());
    SizeSchedBar();
}

void SchedListTap(int x, int y) {
    const int row = SelectedRow();
    if (row < 0) return;
    ListRow entry;
    if (OutlineGetRowEntry(row, entry, g_SchedRows) < 0 || entry.kind != kSchedTask) return;
    RECT area{};
    area.left = LVIR_BOUNDS;
    SendMessageW(SchedList(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area));
    area.right = area.left + (IsVgaScreen() ? kVgaCheckAreaWidth : kCheckAreaWidth);
    if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) return;
    g_CurItem.oid = entry.id;
    g_CurItem.kind = kItemTask;
    ToggleTskComplete(-1);
    FocusCurrentView();
}

void SyncSchedSel() {
    // Without the list there is no row to take the item from; the current item stays.
    if (!ScheduleShown() || !SchedList()) return;
    g_CurItem.oid = kNoId;
    g_CurItem.kind = kItemNone;
    ListRow entry;
    if (!SelectedEntry(entry)) return;
    switch (entry.kind) {
    case kSchedAnniv: g_CurItem.kind = kItemContact; break;
    case kSchedTask: g_CurItem.kind = kItemTask; break;
    case kSchedAppt: g_CurItem.kind = kItemAppt; break;
    default: return;
    }
    g_CurItem.oid = entry.id;
    if (entry.kind != kSchedAppt) return;
    g_CurItem.date = entry.date;
    // The previews read an appointment's occurrence on the selected date; in the Dates list that is
    // the row's own day, as a tap in the drawn Dates list makes it.
    if (ViewId == kViewDates) g_SelectedDate = DateRec(entry.date.wYear, entry.date.wMonth, entry.date.wDay);
}

void OpenSchedSel() {
    ListRow entry;
    if (!SelectedEntry(entry)) return;
    const bool header = entry.kind == kSchedHeader || entry.kind == kSchedHeaderBars;
    if (header && ViewId == kViewDates && g_Settings.cList) {
        OutlineToggleSel(SchedList(), g_SchedRows, RowRules::kSchedule, -1);
        return;
    }
    OpenSchedRowItem();
}

void OpenSchedRowItem() {
    ListRow entry;
    if (!SelectedEntry(entry)) return;
    switch (entry.kind) {
    case kSchedAnniv:
        g_CurItem.oid = entry.id;
        g_CurItem.kind = kItemContact;
        ShowCtsPreview(0);
        break;
    case kSchedTask:
        g_CurItem.oid = entry.id;
        g_CurItem.kind = kItemTask;
        ShowTskPreview(0);
        break;
    case kSchedAppt:
        SyncSchedSel();
        ShowApptPreview(0);
        break;
    default: break;
    }
}

void RedrawSelSchedRow() {
    if (g_Settings.agendaFmt == kAgendaDrawn) {
        ReleaseAgendaBuffer();
        if (g_Agenda.wnd) RedrawNow(g_Agenda.wnd);
        return;
    }
    RedrawSelRow(SchedList());
}
