// One day of the drawn agenda lists. The measuring pass, the drawing pass, the hit test and the
// selection steps all run WalkDayList, so a tap or an arrow key finds exactly the rows drawn.
#include "calendar/day_list.h"

#include <algorithm>
#include <string>

#include "calendar/agenda_text.h"
#include "calendar/agenda_view.h"
#include "calendar/day_bars.h"
#include "calendar/day_spans.h"
#include "calendar/item_text.h"
#include "calendar/sched_list.h"
#include "calendar/sched_rows.h"
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
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "lists/task_view.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/row_separator.h"
#include "ui/theme_pictures.h"
#include "ui/themed_bars.h"

namespace {

// A row's text as the list wraps it: at most kRowNotesChars characters, a longer one cut with "...".
std::u16string RowText(std::u16string_view text) {
    if (text.size() <= kRowNotesChars) return std::u16string(text);
    return std::u16string(text.substr(0, kRowNotesChars)) + u"...";
}

constexpr int kThemePrimaryText = 8;
constexpr int kThemeBackground = 10;
constexpr int kThemeLocationText = 12;
constexpr int kThemeNoteText = 13;
constexpr int kThemeFirstColour = 0;
constexpr COLORREF kGreyOnDark = 0x787869;
constexpr COLORREF kGreyOnLight = 0x646455;
constexpr int kSeparatorHeight = 5;
constexpr int kSeparatorInset = 15;
// The calendar asks the category filter with kind 0.
constexpr LONG kCalendarCatFilter = 0;
constexpr int kSectionCloseGap = 7;
constexpr int kIconGap = 5;
constexpr int kVgaRowExtra = 10;
constexpr int kVgaHitExtra = 2;
constexpr int kWrapSpacing = 5;
// The text column moves past the category colour bar by this much.
constexpr int kColourBarIndent = 8;
// An appointment's day in its span (ApptDayPos).
constexpr int kSpanFirstDay = 0;
constexpr int kSpanMiddleDay = 1;
constexpr int kSpanLastDay = 2;
// A task row's check box runs from the row's left edge to here.
constexpr int kCheckBoxRight = 24;
constexpr int kVgaCheckBoxRight = 37;


COLORREF ThemeColour(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

bool IsDark(COLORREF c) { return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128; }

bool ListNeedsSeparator() {
    const LONG style = GetThemeWord(kThemeListBackground);
    return style == 2 || style == 5;
}

RECT AgendaClient() {
    RECT rc{};
    if (g_Agenda.wnd) GetViewClientRect(g_Agenda.wnd, rc);
    return rc;
}

bool Ended(const ApptRecord& appt) {
    DateRec now;
    DateNow(now);
    return DateIsBefore(GetApptEnd(appt), now);
}

// The row's time column: the schedule list's, so both forms of the agenda line their texts up.
int TimeColumnWidth(HDC) { return SchedTimeColWidth(); }

int DrawRowSeparator(HDC dc, int y, int draw) {
    if (!draw) return kSeparatorHeight;
    RECT rc{};
    GetClientRect(g_Frame.mainWnd, &rc);
    DrawSeparator(dc, y + 2, rc.left, rc.right, kSeparatorInset);
    return kSeparatorHeight;
}

void SectionCloseLine(HDC dc, int y) {
    const RECT rc = AgendaClient();
    DrawDividerLine(dc, rc.left + 6, rc.right - 6, y, ThemeColour(kThemeTitleSecondary));
}

// The day's anniversaries; the height of the section.
int DrawDayAnnivs(HDC dc, int x, int y, const DateRec& date, LONG& alternate, int draw, const DayRowVisitor& visit,
                  bool& stopped) {
    const int start = y;
    bool any = false;
    for (int i = AnnivFindByDate(g_AnnivList, date); i < g_AnnivList.Size(); ++i) {
        const AnnivEntry& entry = g_AnnivList[i];
        if (!AnnivIsOn(entry, date.wMonth, date.wDay)) continue;
        if (any && ListNeedsSeparator()) y += DrawRowSeparator(dc, y, draw);
        const int height = DrawAnnivRow(dc, g_Agenda.wnd, x, y, entry, date.wYear, alternate, draw, 0, false);
        const DayRowSpot spot{entry.contactOid, kItemContact, date, y, height};
        if (visit && visit(spot)) {
            stopped = true;
            return y - start;
        }
        alternate = !alternate;
        y += height + g_Agenda.headerGap;
        any = true;
    }
    if (!any) return 0;
    if (draw) SectionCloseLine(dc, y + 2);
    return y - start + kSectionCloseGap;
}

// The day's tasks; the height of the section. `header` draws the deferred day header when due.
int DrawDayTasks(HDC dc, int y, const DateRec& date, LONG& alternate, bool rowsAbove, int draw,
                 const std::function<void(int&)>& header, const DayRowVisitor& visit, bool& stopped) {
    if (g_Settings.scheduleTasks) return 0;
    const int start = y;
    const RECT rc = AgendaClient();
    bool firstRow = true;
    for (int i = 0; i < g_TskList.Size(); ++i) {
        const TskRecord& task = g_TskList[i];
        if (!TskIsShown(task, kCalendarCatFilter) || !SchedTaskOnDay(task, date)) continue;
        if (firstRow) {
            header(y);
            if (rowsAbove) {
                if (draw) SectionCloseLine(dc, y + 1);
                y += 2;
            }
        } else if (ListNeedsSeparator()) {
            y += DrawRowSeparator(dc, y, draw);
        }
        const int rowTop = firstRow && rowsAbove ? y + 2 : y;
        firstRow = false;
        const RECT row{rc.left, rowTop, rc.right, rowTop + TskRowHeight()};
        const int height = draw ? DrawTskRow(dc, row, task, alternate) : TskRowHeight();
        const DayRowSpot spot{task.oid, kItemTask, date, rowTop, height};
        if (visit && visit(spot)) {
            stopped = true;
            return y - start;
        }
        alternate = !alternate;
        y = rowTop + height + 2;
    }
    // The divider's lower two pixels overlap the section's height.
    return y - start - (!firstRow && rowsAbove ? 2 : 0);
}

// The time column of an appointment row: the time range; for a timed item over several days the
// start on its first day, the day's place in the span as a glyph and the end on its last day; for an
// all-day item the busy-status icon and "All Day".
void DrawRowTime(HDC dc, int x, int y, int iconY, const ApptRecord& appt, const DateRec& day, bool largeIcons) {
    const bool hours24 = g_Settings.hours24 != 0;
    std::u16string text;
    if (appt.allDay) {
        x += DrawFourStateIcon(dc, x, iconY, appt.busyStatus, true, largeIcons ? IconSize::Large : IconSize::Small);
        if (g_Settings.startEnd) DrawAgendaText(dc, x, y, LoadResString(IDS_ALL_DAY, u"All Day"));
        return;
    }
    if (!ApptSpansDays(appt)) {
        if (g_Settings.startEnd) FormatApptTimeRange(appt, text, hours24);
        else FormatApptStart(appt, text, hours24, true);
        DrawAgendaText(dc, x, y, text);
        return;
    }
    const int pos = std::max(ApptDayPos(appt, day.wYear, day.wMonth, day.wDay), 0);
    if (pos == kSpanFirstDay && g_Settings.startEnd) {
        FormatApptStart(appt, text, hours24, true);
        DrawAgendaText(dc, x, y, text);
        x += AgendaTextWidth(dc, text) + 4;
    } else if (pos != kSpanMiddleDay && !g_Settings.startEnd) {
        x += 8;
    }
    const int glyph = DrawStateGlyph(dc, x, y, pos, false, appt.busyStatus);
    if (pos == kSpanLastDay && g_Settings.startEnd) {
        FormatApptEnd(appt, text, hours24, true);
        DrawAgendaText(dc, x + glyph + 4, y, text);
    }
}

}  // namespace

COLORREF GetApptTextColor(const ApptRecord& appt, int useFirst) {
    const COLORREF base = ThemeColour(useFirst ? kThemeFirstColour : kThemeBackground);
    if (g_Settings.grayOutPrev && Ended(appt)) return IsDark(base) ? kGreyOnDark : kGreyOnLight;
    if (!g_Settings.statusColors) return IsDark(base) ? 0xD7D7D7 : kGreyOnLight;
    return GetViewColor(appt.busyStatus);
}

COLORREF GetApptBarColor(const ApptRecord& appt) {
    if (g_Settings.grayOutPrev && Ended(appt)) return IsDark(ThemeColour(kThemeBackground)) ? kGreyOnDark : kGreyOnLight;
    if (g_Settings.catColors && appt.categories.Size() > 0) return appt.colour;
    if (!g_Settings.statusColors) return ThemeColour(kThemePrimaryText);
    return GetViewColor(appt.busyStatus);
}

void DrawViewBackground(OffscreenBuffer& buffer, int sourceX, int sourceY, HWND window) {
    if (!buffer.valid) return;
    HBITMAP picture = HasBackPicture() ? GetBackPicture() : nullptr;
    if (!picture) {
        OwnedBrush brush(CreateSolidBrush(ThemeColour(kThemeBackground)));
        const RECT all{0, 0, buffer.width, buffer.height};
        FillRect(buffer.memDC, &all, brush.Get());
        return;
    }
    RECT client{};
    GetViewClientRect(window ? window : g_Agenda.wnd, client);
    // Without a window to measure, the buffer is the area the picture covers.
    if (client.right <= 0 || client.bottom <= 0) client = RECT{0, 0, buffer.width, buffer.height};
    if (sourceX == 0 && sourceY == 0) {
        sourceX = GetThemeWord(kThemeViewMarginSide);
        sourceY = GetThemeWord(kThemeViewMarginTop);
    }
    MemoryDC source(buffer.memDC);
    const SelectScope keep(source.Get(), picture);
    BitBlt(buffer.memDC, 0, 0, client.right, client.bottom, source.Get(), sourceX, sourceY, SRCCOPY);
    // A list taller than the window goes on with the picture's row at the window's bottom.
    if (buffer.height > client.bottom) {
        StretchBlt(buffer.memDC, 0, client.bottom, client.right, buffer.height - client.bottom, source.Get(), sourceX,
                   sourceY + client.bottom - 1, client.right, 1, SRCCOPY);
    }
}

int DrawApptRow(HDC dc, int x, int y, const ApptRecord& appt, const DateRec& day, LONG alternate, int draw,
                int noBox) {
    HGDIOBJ oldFont = SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    const int lineHeight = AgendaLineHeight(dc);
    const RECT rc = AgendaClient();
    const int start = y;
    int textX = TimeColumnWidth(dc);
    const int wrapWidth = std::max<int>(rc.right - textX - kIconGap, lineHeight);
    const bool largeIcons = (IsQvgaScreen() && g_Settings.fontSize != 14) || IsVgaScreen();
    const int iconOffset = largeIcons && g_Settings.fontSize < 20 ? 2 : 4;
    if (!draw) {
        if (g_Settings.leftColorBar) textX += kColourBarIndent;
    } else {
        const int height = DrawApptRow(dc, x, 0, appt, day, alternate, 0, 1);
        if (!noBox) DrawThemedItemBox(dc, RECT{rc.left, y, rc.right, y + height}, alternate != 0, 0, 0, false, true);
        SetBkMode(dc, TRANSPARENT);
        LOGFONTW timeLog{};
        InitLogFont(timeLog, std::min(g_Settings.fontSize, g_Settings.smallFontHeight), false, false);
        OwnedFont timeFont(CreateFontIndirectW(&timeLog));
        SelectObject(dc, timeFont.Get());
        const int indent = DrawCatColorBar(dc, x, y, y + height, appt, false);
        x += indent;
        textX += indent;
        SetTextColor(dc, GetApptTextColor(appt, 1));
        DrawRowTime(dc, x, y, y + iconOffset, appt, day, largeIcons);
        SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    }
    // The status and category icons at the right end of the first line, which stops short of them.
    int iconY = y + iconOffset;
    if (IsSmallScreen176()) iconY -= 4;
    if (IsVgaScreen()) iconY -= 2;
    bool iconsDone = false;
    const int iconsWidth = DrawItemIcons(dc, 0, iconY, rc.right, appt, false, !largeIcons, false, false, iconsDone);
    const int iconsX = rc.right - iconsWidth - kIconGap;
    if (draw && iconsWidth > 0) {
        iconsDone = false;
        DrawItemIcons(dc, iconsX, iconY, rc.right, appt, true, !largeIcons, false, false, iconsDone);
    }
    const int firstWidth = std::max(iconsX - textX, 1);
    if (appt.subject.empty()) {
        y += lineHeight + 2;
    } else {
        if (draw) SetTextColor(dc, GetApptBarColor(appt));
        y += WrapAgendaText(dc, textX, y, firstWidth, textX, wrapWidth, RowText(appt.subject), draw, kWrapSpacing);
    }
    const std::u16string location = RowText(TrimTrailing(appt.location));
    if (!location.empty()) {
        if (draw) SetTextColor(dc, ThemeColour(kThemeLocationText));
        y += WrapAgendaText(dc, textX, y, wrapWidth, textX, wrapWidth, location, draw);
    }
    if (g_Settings.apptNotes) {
        const std::u16string notes = RowText(TrimTrailing(appt.notes));
        if (!notes.empty()) {
            if (draw) SetTextColor(dc, ThemeColour(kThemeNoteText));
            y += WrapAgendaText(dc, textX, y, wrapWidth, textX, wrapWidth, notes, draw);
        }
    }
    SelectObject(dc, oldFont);
    return y - start + (IsVgaScreen() ? kVgaRowExtra : 0);
}

int DrawDayHeader(HDC dc, int x, int y, const DateRec& date, LONG& first, int draw) {
    std::u16string left, right;
    FormatWeekLabel(date, left, right, true);
    ThemedBarArgs bar;
    bar.x = x;
    bar.y = y;
    bar.leftText = left;
    bar.rightText = right;
    bar.compact = first != 0;
    bar.draw = draw != 0;
    const int height = DrawThemedBar(dc, g_Agenda.wnd, bar);
    first = 0;
    return height + g_Agenda.headerGap;
}

int WalkDayList(HDC dc, const DateRec& date, int top, LONG& first, int defer, int draw, const DayRowVisitor& visit,
                bool& stopped) {
    stopped = false;
    if (top > kDayListLimit) return top;
    HGDIOBJ oldFont = SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    int y = top;
    bool headerDue = true;
    const auto header = [&] {
        if (!headerDue) return;
        headerDue = false;
        y += DrawDayHeader(dc, kDayListX, y, date, first, draw);
        if (!g_Settings.dayViewBars) return;
        const RECT rc = AgendaClient();
        if (DrawApptBars(dc, draw, kDayListX, y, rc.right - 2 * kDayListX, g_Agenda.barHeight - 2, 0, 0, date.wYear,
                         date.wMonth, date.wDay, 0, 1, g_Agenda.barHeight - 6, 1, 0)) {
            y += g_Agenda.barHeight;
        }
    };
    if (!defer) header();
    LONG alternate = 1;
    const auto finish = [&] {
        SelectObject(dc, oldFont);
        return y;
    };

    bool annivRows = false;
    if (g_Settings.dateItems) {
        bool none = false;
        LONG probe = alternate;
        annivRows = DrawDayAnnivs(dc, kDayListX, y, date, probe, 0, nullptr, none) > 0;
        if (defer && annivRows) header();
        y += DrawDayAnnivs(dc, kDayListX, y, date, alternate, draw, visit, stopped);
        if (stopped) return finish();
    }
    if (y > kDayListLimit) return finish();

    bool firstRow = true;
    if (DayHasSpanRows(date)) {
        header();
        LONG firstSpan = 1;
        y += WalkDaySpanRows(dc, kDayListX, y, date, alternate, firstSpan, draw, visit, stopped);
        if (stopped) return finish();
        firstRow = false;
    }
    if (y > kDayListLimit) return finish();

    ApptArray* appts = g_ApptCache.curAppts;
    if (!appts) {
        // Rows are built while the list paints, measures and hit-tests.
        ShowMessageOutsidePaint(u"Error: Appointment Pointer Error.");
        return finish();
    }
    for (int i = std::max(FindFirstOnDate(appts, date), 0); i < appts->Size(); ++i) {
        ApptRecord& appt = (*appts)[i];
        if (CompareDay(appt.start, date.wYear, date.wMonth, date.wDay) < 0) continue;
        if (!ApptCoversDay(appt, date.wYear, date.wMonth, date.wDay)) break;
        if (appt.recurring && appt.light) {
            ApptRecord occurrence = appt;
            occurrence.categories.RemoveAll();
            if (LoadApptByOid(appt.oid, occurrence, date)) appt = occurrence;
        }
        if (g_Settings.hidePrivate && appt.sensitivity == 2) continue;
        header();
        if (!firstRow && ListNeedsSeparator()) y += DrawRowSeparator(dc, y, draw);
        firstRow = false;
        const int height = DrawApptRow(dc, kDayListX, y, appt, date, alternate, draw, 0);
        const DayRowSpot spot{appt.oid, kItemAppt, date, y, height + (IsVgaScreen() ? kVgaHitExtra : 0)};
        if (visit && visit(spot)) {
            stopped = true;
            return finish();
        }
        alternate = !alternate;
        y += height + g_Agenda.rowGap;
    }
    if (y > kDayListLimit) return finish();
    const bool rowsAbove = !firstRow || annivRows;
    y += DrawDayTasks(dc, y, date, alternate, rowsAbove, draw, [&](int& at) {
        y = at;
        header();
        at = y;
    }, visit, stopped);
    return finish();
}

int DrawDayList(HDC dc, const DateRec& date, int top, LONG& first, int defer, int draw) {
    bool stopped = false;
    return WalkDayList(dc, date, top, first, defer, draw, nullptr, stopped);
}

namespace {

// Runs the measuring walk of one day on a device context of the agenda view window.
bool WalkMeasured(const DateRec& date, int top, const DayRowVisitor& visit) {
    if (top > kDayListLimit) return false;
    HDC dc = GetDC(g_Agenda.wnd);
    if (!dc) return false;
    LONG first = 1;
    bool stopped = false;
    WalkDayList(dc, date, top, first, g_Settings.skipEmpty, 0, visit, stopped);
    ReleaseDC(g_Agenda.wnd, dc);
    return stopped;
}

void MakeCurrent(const DayRowSpot& spot) {
    g_CurItem.oid = spot.oid;
    g_CurItem.kind = spot.kind;
    g_SelectedDate = DateRec(spot.date.wYear, spot.date.wMonth, spot.date.wDay);
    g_CurItem.rowTop = spot.top;
}

}  // namespace

int DayListHitTest(int x, int y, int top, const DateRec& date) {
    const RECT rc = AgendaClient();
    LONG checkedTask = kNoId;
    const bool hit = WalkMeasured(date, top, [&](const DayRowSpot& spot) {
        if (x < rc.left || x >= rc.right || y < spot.top || y >= spot.top + spot.height) return false;
        MakeCurrent(spot);
        if (spot.kind == kItemTask && x < rc.left + (IsVgaScreen() ? kVgaCheckBoxRight : kCheckBoxRight))
            checkedTask = spot.oid;
        return true;
    });
    // Toggled once the walk is over: the change reloads the task array the walk goes through.
    if (checkedTask != kNoId) ToggleTskComplete(checkedTask);
    return hit ? 1 : 0;
}

int SelectNextDayItem(int top, const DateRec& date, bool& found) {
    if (g_CurItem.oid == kNoId || g_CurItem.rowTop == -1) {
        ResetSelection();
        found = true;
    }
    return WalkMeasured(date, top, [&](const DayRowSpot& spot) {
        if (found) {
            MakeCurrent(spot);
            return true;
        }
        if (spot.oid == g_CurItem.oid && spot.top == g_CurItem.rowTop) found = true;
        return false;
    }) ? 1 : 0;
}

int SelectPrevDayItem(int top, const DateRec& date, PrevDayItem& previous) {
    bool atFirst = false;
    const bool stopped = WalkMeasured(date, top, [&](const DayRowSpot& spot) {
        if (spot.oid == g_CurItem.oid && spot.top == g_CurItem.rowTop) {
            if (previous.oid == kNoId) {
                atFirst = true;
                return true;
            }
            MakeCurrent(DayRowSpot{previous.oid, previous.kind, previous.date, static_cast<int>(previous.rowPos), 0});
            return true;
        }
        previous = PrevDayItem{spot.oid, spot.kind, spot.date, spot.top};
        return false;
    });
    if (!stopped) return 0;
    // Up on the list's first item keeps it and shows the list from its top; already at the top
    // there is nothing to redraw.
    if (atFirst) {
        if (GetViewScrollPos() == 0) return 0;
        SetViewScrollPos(0);
        return 1;
    }
    return g_CurItem.rowTop == previous.rowPos && g_CurItem.oid == previous.oid ? 1 : 0;
}

int SelectFirstDayItem() {
    ResetSelection();
    g_CurItem.rowTop = -1;
    bool found = false;
    return SelectNextDayItem(kDayListTop, g_SelectedDate, found);
}
