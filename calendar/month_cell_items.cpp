// The contents of a month cell: the day items as text, or the day bar with item marks and corner
// icons, in the sizes and places each screen class gives them.
#include "calendar/month_cell_items.h"

#include "calendar/day_bars.h"
#include "calendar/day_items.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_filter.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/screen_class.h"
#include "core/tsk_loading.h"
#include "ui/image_lists.h"
#include "ui/item_paint.h"

namespace {

constexpr int kTallCell = 32;
constexpr int kLowCell = 18;
constexpr int kMarkHeight = 8;
constexpr int kMarkGap = 2;

bool WideScreen() { return IsWqvgaScreen() || IsWvgaScreen(); }
bool QvgaLandscape() { return IsQvgaScreen() && IsLandscapeScreen(); }
bool WqvgaLandscape() { return IsWqvgaScreen() && IsLandscapeScreen(); }
bool SideSplit() { return g_Settings.splitMonth && !g_Settings.botSplit; }
bool InFirstColumn(int year, int month, int day) {
    return WeekdayOf(year, month, day) == (g_Settings.mondayStart ? 1 : 0);
}

bool Hidden(const ApptRecord& appt) {
    return (g_Settings.hidePrivate && appt.sensitivity > 0) || !ApptPassCatFilter(appt);
}

// Where DrawCellBarsAndMarks puts the bar and the marks.
struct BarsAndMarks {
    int barHeight;
    int shift;
    int marksOffset;
    bool compact;
    bool cellIcons;
};

BarsAndMarks ChooseBarsAndMarks() {
    if (IsVgaScreen()) {
        if (IsLandscapeScreen()) return {10, 3, 20, false, true};
        if (IsPortraitScreen()) return {10, 0, 20, false, true};
        return {10, 0, 9, false, true};
    }
    if (IsWqvgaScreen()) return IsLandscapeScreen() ? BarsAndMarks{4, 6, 2, false, false} : BarsAndMarks{4, 0, 10, false, true};
    if (IsLandscapeScreen()) return {5, 1, 2, true, false};
    if (IsSquareScreen()) return {5, 0, 9, true, true};
    return {5, 0, 10, true, true};
}

bool UsesBarsAndMarks() {
    if (IsVgaScreen()) return !(IsLandscapeScreen() && g_Settings.splitMonth && g_Settings.botSplit);
    if (IsQvgaScreen() && !g_Settings.splitMonth) return true;
    return IsWqvgaScreen() && IsPortraitScreen() && g_Settings.splitMonth;
}

// The slots of the item marks: origin, columns, rows, steps and icon size.
struct MarkSlots {
    int x0;
    int y0;
    int columns;
    int rows;
    int stepX;
    int stepY;
    bool large;
};

MarkSlots LayoutMarks(int x, int y, int rh, int year, int month, int day, int labelWidth, int labelHeight) {
    const bool q = QvgaLandscape();
    const bool split = g_Settings.splitMonth != 0;
    const int lowShift = rh < kLowCell ? 3 : 0;
    MarkSlots s{x + 3, y - 1 - lowShift + labelHeight + 2 + (WideScreen() ? 7 : 0),
                q ? (SideSplit() ? 3 : (WqvgaLandscape() ? 5 : 4)) : 3,
                WideScreen() && IsPortraitScreen() ? 3 : 2, 10, kMarkHeight + kMarkGap, false};
    s.large = IsVgaScreen() || (q && g_Settings.bigQvgaLsCalIcons && rh >= kTallCell && !split);
    bool belowLow = false;
    if (rh < kTallCell) {
        s.rows = 1;
        if (q) {
            s.columns = g_Settings.isoWeek && InFirstColumn(year, month, day) ? 2 : 3;
            s.x0 = x + 3 + labelWidth;
            s.y0 = y - 1 - lowShift + 4;
            // Very low split cells put their marks at a fixed place in the cell; measured from the
            // screen's edge they would pile up in the first column.
            if (split && rh < 16) {
                s.x0 = x + 9;
                s.y0 += 1;
            } else if (split && rh == 16) {
                s.x0 = x + 5;
                s.y0 += 6;
            }
        } else if (IsQvgaScreen()) {
            s.y0 -= 4 + (rh < kLowCell ? 4 : 0);
        } else if (rh >= kLowCell) {
            if (split) s.y0 -= 2;
        } else {
            belowLow = true;
            s.x0 = x + 10;
            s.columns = 2;
            s.y0 = y - 1 - 3 + 2;
        }
    } else if (q || (IsQvgaScreen() && split)) {
        s.rows = 1;
    }
    if (!IsQvgaScreen() && !belowLow) {
        s.x0 = x + 1;
        s.stepX = 9;
    }
    if (!s.large) return s;
    if (IsVgaScreen()) {
        const bool landscape = IsLandscapeScreen();
        s.stepX = landscape ? 18 : 17;
        if (!landscape) s.x0 = x;
        s.stepY = 16 + 2;
        // The grid beside the pane leaves narrow cells on every landscape screen: three marks fit.
        s.columns = landscape ? (SideSplit() ? 3 : (IsWvgaScreen() ? 6 : 5)) : 4;
        if (landscape)
            s.rows = 1;
        else
            s.rows = IsWvgaScreen() ? (split ? 3 : 4) : (split ? 1 : 3);
    } else {
        s.stepX = IsWqvgaScreen() ? 13 : 14;
        s.columns = IsWqvgaScreen() ? 4 : 3;
        s.stepY = 12 + 2;
    }
    return s;
}

class SlotWalker {
public:
    explicit SlotWalker(const MarkSlots& s) : s_(s) {}
    bool Full() const { return row_ >= s_.rows; }
    int X() const { return s_.x0 + column_ * s_.stepX; }
    int Y() const { return s_.y0 + row_ * s_.stepY; }
    void Next() {
        if (++column_ < s_.columns) return;
        column_ = 0;
        ++row_;
    }

private:
    MarkSlots s_;
    int column_ = 0;
    int row_ = 0;
};

void DrawDayMark(HDC dc, int x, int y, LONG kind, bool large) {
    const IconSize size = large ? IconSize::Large : IconSize::Small;
    switch (kind) {
    case kDayMarkAnniversary: DrawStatusIcon3(dc, x, y, size, false); break;
    case kDayMarkBirthday: DrawStatusIcon2(dc, x, y, size, false); break;
    case kDayMarkBoth: DrawLargeListIcon(dc, x, y, kIconDateMarkBoth); break;
    default: break;
    }
}

bool TaskShownOn(const DateRec& date) { return !g_Settings.scheduleTasks && HasTaskOnDate(date); }

}  // namespace

POINT CellMarksOrigin(int x, int y, int rh, int year, int month, int day, int labelWidth, int labelHeight) {
    const MarkSlots slots = LayoutMarks(x, y, rh, year, month, day, labelWidth, labelHeight);
    return POINT{slots.x0, slots.y0};
}

void DrawMonthCellItems(HDC dc, int x, int y, int cw, int rh, int labelWidth, int labelHeight, int year, int month,
                        int day, int outside) {
    const DateRec date(year, month, day);
    if (g_Settings.calText && !g_Settings.splitMonth) {
        const RECT area{x, y + labelHeight, x + cw, y + rh};
        DrawDayItems(dc, area, date, area.top, 0, true, IsToday(day, month, year), true);
        return;
    }
    if (g_Settings.showCat && g_Settings.calendarBars && UsesBarsAndMarks()) {
        DrawCellBarsAndMarks(dc, x, y, cw, rh, labelWidth, labelHeight, year, month, day, outside);
        return;
    }
    if (g_Settings.calendarBars) {
        const int shift = QvgaLandscape() && !g_Settings.splitMonth ? 3 : 1;
        DrawApptBars(dc, 1, x, y - shift, cw, rh, labelWidth, labelHeight, year, month, day, outside, 0, 5, 0, 0);
    } else {
        DrawCellItemMarks(dc, x, y + 3, rh, year, month, day, labelWidth, labelHeight, 0);
    }
    DrawCellIcons(dc, x, y, cw, rh, year, month, day);
}

void DrawCellBarsAndMarks(HDC dc, int x, int y, int cw, int rh, int labelWidth, int labelHeight, int year, int month,
                          int day, int outside) {
    const BarsAndMarks c = ChooseBarsAndMarks();
    DrawApptBars(dc, 1, x, y - c.shift, cw, rh, labelWidth, labelHeight, year, month, day, outside, 0, c.barHeight, 0,
                 c.compact ? 1 : 0);
    if (rh < kTallCell) return;
    DrawCellItemMarks(dc, x, y + c.marksOffset, rh, year, month, day, labelWidth, labelHeight, c.cellIcons ? 0 : 1);
    if (c.cellIcons) DrawCellIcons(dc, x, y, cw, rh, year, month, day);
}

void DrawCellItemMarks(HDC dc, int x, int y, int rh, int year, int month, int day, int labelWidth, int labelHeight,
                       int withDayMarks) {
    if (!g_Settings.showCat) return;
    const MarkSlots slots = LayoutMarks(x, y, rh, year, month, day, labelWidth, labelHeight);
    SlotWalker at(slots);
    const DateRec date(year, month, day);
    if (withDayMarks) {
        if (TaskShownOn(date) && !at.Full()) {
            DrawTaskDueGlyph(dc, at.X(), at.Y());
            at.Next();
        }
        const LONG kind = g_Settings.dateItems ? GetDayMarkKind(date) : kDayMarkNone;
        if (kind != kDayMarkNone && !at.Full()) {
            DrawDayMark(dc, at.X(), at.Y(), kind, slots.large);
            at.Next();
        }
    }
    const ItemImageList list = slots.large ? ItemImageList::Large : ItemImageList::Small;
    const auto mark = [&](const ApptRecord& appt) {
        if (Hidden(appt) || appt.icon == -1 || at.Full()) return;
        DrawItemImage(dc, list, appt.icon, at.X(), at.Y());
        at.Next();
    };
    if (const SpanArray* spans = g_ApptCache.curSpans) {
        for (int i = 0; i < spans->Size() && !at.Full(); ++i) {
            const TimeSpan& span = (*spans)[i];
            if (span.oid == -1 || SpanStartsOn(span, year, month, day)) break;
            if (!SpanCoversDay(span, year, month, day)) continue;
            ApptRecord appt;
            if (!LoadApptByOid(span.oid, appt, date)) return;
            mark(appt);
        }
    }
    const ApptArray* appts = g_ApptCache.curAppts;
    if (!appts) return;
    for (int i = FindFirstOnDate(appts, date); i < appts->Size() && !at.Full(); ++i) {
        const ApptRecord& appt = (*appts)[i];
        if (ApptStartsAfterDay(appt, year, month, day)) break;
        if (ApptStartsOn(appt, year, month, day)) mark(appt);
    }
}

void DrawCellIcons(HDC dc, int x, int y, int cw, int rh, int year, int month, int day) {
    if (rh < (g_Settings.splitMonth ? kLowCell : kTallCell)) return;
    const DateRec date(year, month, day);
    const bool task = TaskShownOn(date);
    const LONG kind = g_Settings.dateItems ? GetDayMarkKind(date) : kDayMarkNone;
    const bool weekLabelCell = g_Settings.isoWeek && InFirstColumn(year, month, day);
    if (IsVgaScreen()) {
        if (task) DrawTaskDueGlyph(dc, x + cw - 14, y + 4);
        if (kind == kDayMarkBoth && weekLabelCell && !IsLandscapeScreen()) {
            DrawLargeListIcon(dc, x + cw - 30, y + 4, kIconDateMarkBoth);
        } else if (kind == kDayMarkBoth) {
            DrawStatusIcon3(dc, x + cw - 30, y + 4, IconSize::Small, false);
            DrawStatusIcon2(dc, x + cw - 44, y + 4, IconSize::Small, false);
        } else {
            DrawDayMark(dc, x + cw - 30, y + 4, kind, false);
        }
        return;
    }
    if (IsQvgaScreen() && !IsLandscapeScreen()) {
        if (task) DrawTaskDueGlyph(dc, x + cw - 10, y + 4);
        if (!(weekLabelCell && task)) DrawDayMark(dc, x + cw - 19, y + 4, kind, false);
        return;
    }
    const int shift = IsQvgaScreen() && weekLabelCell ? 2 : 0;
    const bool tiny = QvgaLandscape() && g_Settings.splitMonth;
    // The split month's short cells keep their marks tiny, above the day bar at the cell's right end.
    if (task) {
        if (tiny)
            DrawTinyTaskDueMark(dc, x + shift + cw - 18, y + 2);
        else
            DrawTaskDueGlyph(dc, x + shift + cw - (QvgaLandscape() ? 22 : 10), y + 4);
        if (!QvgaLandscape()) return;
    }
    if (!tiny) {
        DrawDayMark(dc, x + shift + cw - 10, y + 4, kind, false);
        return;
    }
    if (kind == kDayMarkBoth) {
        DrawTinyMarkKind1(dc, x + shift + cw - 12, y + 2);
        DrawTinyMarkKind2(dc, x + shift + cw - 6, y + 2);
    } else if (kind == kDayMarkAnniversary) {
        DrawTinyMarkKind1(dc, x + shift + cw - 12, y + 2);
    } else if (kind == kDayMarkBirthday) {
        DrawTinyMarkKind2(dc, x + shift + cw - 12, y + 2);
    }
}

namespace {

bool DueOnDay(const DateRec& a, int year, int month, int day) {
    return a.wYear == year && a.wMonth == month && a.wDay == day;
}

}  // namespace

bool HasTaskOnDate(const DateRec& date) {
    for (int i = 0; i < g_TskList.Size(); ++i) {
        const TskRecord& task = g_TskList[i];
        if (!task.hasDue || !DueOnDay(task.due, date.wYear, date.wMonth, date.wDay)) continue;
        if (task.complete) continue;
        if (g_Settings.hidePrivate && task.sensitivity > 0) continue;
        if (!TskPassCatFilter(task, GetCatFilterKind())) continue;
        return true;
    }
    return false;
}
