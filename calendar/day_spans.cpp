// The earlier multi-day appointments of a day in the drawn Day list: the spans of the shown month up
// to the first that starts on the day, those that cover it, whose appointment still loads and is not
// hidden. A span that no longer loads ends the section in every walk, so painter, hit test and
// selection steps agree on the rows.
#include "calendar/day_spans.h"

#include <algorithm>

#include "calendar/agenda_text.h"
#include "calendar/agenda_view.h"
#include "calendar/sched_rows.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/item_filters.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/screen_class.h"
#include "core/theme_record.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/row_separator.h"

namespace {

constexpr int kSeparatorHeight = 5;
constexpr int kSeparatorInset = 15;
constexpr int kRowX = 8;
constexpr int kRowMargin = 2;

RECT AgendaClient() {
    RECT rc{};
    if (g_Agenda.wnd) GetViewClientRect(g_Agenda.wnd, rc);
    return rc;
}

// The walk of the section; `row` gets each loaded appointment with its top.
template <typename RowFn>
void ForEachSpanRow(const DateRec& day, RowFn&& row) {
    const SpanArray* spans = g_ApptCache.curSpans;
    if (!spans) return;
    for (const TimeSpan& span : *spans) {
        if (SpanStartsOn(span, day.wYear, day.wMonth, day.wDay)) return;
        if (!SpanCoversDay(span, day.wYear, day.wMonth, day.wDay)) continue;
        ApptRecord appt;
        if (!LoadApptByOid(span.oid, appt, span.start)) return;
        if (!AddApptUnlessHidden(appt)) continue;
        if (row(appt)) return;
    }
}

// The current item's row height, measured as the painters measure it; -1 when it is gone.
// The birthday or anniversary entry of the selected contact row on the day; -1 when none.
int SelectedAnnivAt(const DateRec& day) {
    for (const LONG kind : {kAnnivBirthday, kAnnivAnniversary}) {
        const int at = FindRecordByTwoKeys(g_CurItem.oid, kind);
        if (at >= 0 && AnnivIsOn(GetAnnivEntryAt(g_AnnivList, at), day.wMonth, day.wDay)) return at;
    }
    return -1;
}

int CurrentRowHeight(HDC dc) {
    const DateRec day(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    switch (g_CurItem.kind) {
    case kItemAppt: {
        ApptRecord appt;
        if (!LoadApptByOid(g_CurItem.oid, appt, day)) return -1;
        return DrawApptRow(dc, kRowX, 0, appt, day, 0, 0, 1);
    }
    case kItemTask: return TskRowHeight();
    case kItemContact: {
        if (SelectedAnnivAt(day) < 0) return -1;
        const SelectScope font(dc, g_Main.themeFonts[kFontNormal]);
        return AgendaLineHeight(dc) + (IsVgaScreen() ? 10 : 0);
    }
    default: return -1;
    }
}

}  // namespace

int WalkDaySpanRows(HDC dc, int x, int top, const DateRec& day, LONG& alternate, LONG& first, int draw,
                    const DayRowVisitor& visit, bool& stopped) {
    int offset = 0;
    const bool inset = ThemeNeedsBarInset(g_Theme);
    ForEachSpanRow(day, [&](const ApptRecord& appt) {
        if (!first && inset) {
            if (draw) {
                const RECT rc = AgendaClient();
                DrawSeparator(dc, top + offset + 2, rc.left, rc.right, kSeparatorInset);
            }
            offset += kSeparatorHeight;
        }
        first = 0;
        const int height = DrawApptRow(dc, x, top + offset, appt, day, alternate, draw, 0);
        if (visit && visit(DayRowSpot{appt.oid, kItemAppt, day, top + offset, height})) {
            stopped = true;
            return true;
        }
        alternate = !alternate;
        offset += height + g_Agenda.rowGap;
        return false;
    });
    return offset;
}

int DrawDaySpanRows(HDC dc, int x, int top, const DateRec& day, LONG& alternate, LONG& first, int draw) {
    bool stopped = false;
    return WalkDaySpanRows(dc, x, top, day, alternate, first, draw, nullptr, stopped);
}

bool DayHasSpanRows(const DateRec& day) {
    bool any = false;
    ForEachSpanRow(day, [&](const ApptRecord&) { return any = true; });
    return any;
}

void DrawSelectedDayRow(HDC windowDC) {
    if ((ViewId != kViewDay && ViewId != kViewDates) || g_CurItem.oid == kNoId || g_CurItem.rowTop < 0) return;
    const RECT client = AgendaClient();
    const int y = g_CurItem.rowTop - GetViewScrollPos();
    const int height = CurrentRowHeight(windowDC);
    const int width = client.right - client.left;
    if (height <= 0 || width <= 0) return;
    OffscreenBuffer strip;
    if (!CreateOffscreen(strip, windowDC, width, height)) return;
    DrawViewBackground(strip, 0, g_CurItem.rowTop);
    HDC dc = strip.memDC;
    const RECT row{0, 0, width, height};
    DrawRowSelection(dc, RECT{row.left, row.top, row.right, row.bottom - 1}, RECT{2, 1, width - 2, height - 1});
    const DateRec day(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    if (g_CurItem.kind == kItemAppt) {
        ApptRecord appt;
        if (LoadApptByOid(g_CurItem.oid, appt, day)) DrawApptRow(dc, kRowX, 0, appt, day, 1, 1, 1);
    } else if (g_CurItem.kind == kItemTask) {
        const LONG at = IdIndexGet(g_CurItem.oid, g_TskIdIndex);
        // Drawn without its item box, which would cover the selection under it.
        if (at >= 0 && at < g_TskList.Size()) DrawTskRow(dc, row, g_TskList[at], true, true, true, false);
    } else if (g_CurItem.kind == kItemContact) {
        const int at = SelectedAnnivAt(day);
        if (at >= 0)
            DrawAnnivRow(dc, g_Agenda.wnd, kRowX, 0, GetAnnivEntryAt(g_AnnivList, at), day.wYear, 1, 1, 1, true);
    }
    BitBlt(windowDC, client.left, y, width, height, dc, 0, 0, SRCCOPY);
    ReleaseOffscreen(strip);
}

void ScrollToCurrentAppt(int redraw) {
    if (g_CurItem.oid == kNoId || g_CurItem.rowTop < 0 || !g_Agenda.wnd) return;
    HDC dc = GetDC(g_Agenda.wnd);
    if (!dc) return;
    const int height = CurrentRowHeight(dc);
    ReleaseDC(g_Agenda.wnd, dc);
    if (height < 0) return;
    const RECT client = AgendaClient();
    const RECT row{client.left + kRowMargin, g_CurItem.rowTop - kRowMargin, client.right - kRowMargin,
                   g_CurItem.rowTop + height + kRowMargin};
    const int position = GetViewScrollPos();
    if (row.top < position) {
        if (row.bottom < client.bottom) {
            SetViewScrollPos(0);
            if (redraw) RedrawNow(g_Agenda.wnd);
            return;
        }
        SetViewScrollPos(row.top - kRowMargin);
    }
    if (row.bottom > position + client.bottom) SetViewScrollPos(row.bottom - client.bottom + kRowMargin);
    if (redraw) RedrawNow(g_Agenda.wnd);
}
