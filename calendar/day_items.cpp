// The day item list: one walk serves the painter and the hit test, so that a tap finds exactly
// the entry that was drawn there.
#include "calendar/day_items.h"

#include <algorithm>

#include "calendar/calendar_state.h"
#include "calendar/item_text.h"
#include "calendar/paint_helpers.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_filter.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/screen_class.h"
#include "core/tsk_loading.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/item_paint.h"
#include "ui/main_state.h"

namespace {

constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kArrowSlack = 3;
// Wider boxes on landscape QVGA show the location after the subject.
constexpr int kWideBoxWidth = 280;

enum class WalkMode { Draw, Measure, HitTest };
enum class Step { Next, Stop, Hit };

struct HitResult {
    LONG oid = kNoOid;
    LONG kind = kItemNone;
    DateRec date;
    LONG draggable = 0;
};

// One pass over a day's entries in the fixed order of the sections.
class DayListWalk {
public:
    DayListWalk(HDC dc, const RECT& rect, const DateRec& date, int top, int scroll, WalkMode mode, bool todayFlag,
                bool compact, POINT point)
        : dc_(dc), rect_(rect), date_(date), scroll_(scroll), mode_(mode), todayFlag_(todayFlag),
          compact_(compact), point_(point) {
        const bool vga = IsVgaScreen() || IsSquare320Screen();
        arrows_ = !(compact && !vga);
        x_ = rect.left + 1 + (compact ? 0 : 3);
        y_ = top;
        wide_ = IsQvgaLandscape() && rect.right - rect.left > kWideBoxWidth;
        iconOffset_ = BigPreviewText() ? 4 : 2;
        if (compact && !IsVgaScreen()) iconOffset_ = 1;
    }

    // The painter's result: 1 when entries remain below; for the hit test 1 on a hit.
    int Run() {
        const SelectScope font(dc_, compact_ ? TinyViewFont() : DayBoxFont());
        // Entries lie on the box's own fill.
        const int previousMode = SetBkMode(dc_, TRANSPARENT);
        h_ = TextExtent(dc_, u"XX").cy;
        lineBottom_ = y_ + h_ + 1;
        slack_ = mode_ == WalkMode::HitTest ? kArrowSlack : (arrows_ ? kArrowSlack : 0);
        SYSTEMTIME now{};
        GetLocalTime(&now);
        today_ = DateRec(now.wYear, now.wMonth, now.wDay);
        int result = 0;
        for (Step (DayListWalk::*section)() : {&DayListWalk::Annivs, &DayListWalk::CarriedOver,
                                                &DayListWalk::Starting, &DayListWalk::Tasks}) {
            const Step step = (this->*section)();
            if (step == Step::Next) continue;
            result = step == Step::Hit || overflowed_ ? 1 : 0;
            break;
        }
        SetBkMode(dc_, previousMode);
        return result;
    }

    const HitResult& Hit() const { return hit_; }

private:
    bool Drawing() const { return mode_ == WalkMode::Draw; }

    // Overflow check of the next entry; false ends the list.
    bool Fits() {
        if (lineBottom_ <= rect_.bottom + slack_) return true;
        if (mode_ != WalkMode::HitTest) {
            if (Drawing() && arrows_) DrawMoreArrow(dc_, rect_.right - 11, rect_.bottom - 6, false);
            overflowed_ = true;
        }
        return false;
    }

    bool Skipped() { return count_++ < scroll_; }

    bool Cut() const { return y_ + h_ + 4 > rect_.bottom || (scroll_ > 0 && y_ <= rect_.top + h_ + 4); }

    void Advance(bool appt) {
        y_ += h_;
        lineBottom_ = y_ + h_ + (appt ? 1 : 0);
    }

    Step Record(const RECT& row, LONG oid, LONG kind, const DateRec& date, LONG draggable) {
        if (mode_ != WalkMode::HitTest || !PtInRect(&row, point_)) return Step::Next;
        hit_ = HitResult{oid, kind, date, draggable};
        return Step::Hit;
    }

    Step Annivs() {
        if (!g_Settings.dateItems) return Step::Next;
        for (int i = AnnivFindByDate(g_AnnivList, date_); i < g_AnnivList.Size(); ++i) {
            const AnnivEntry entry = GetAnnivEntryAt(g_AnnivList, i);
            if (!AnnivIsOn(entry, date_.wMonth, date_.wDay)) continue;
            if (!Fits()) return Step::Stop;
            if (Skipped()) continue;
            const RECT row{x_, y_, rect_.right - 1, std::min<LONG>(lineBottom_, rect_.bottom - 1)};
            if (Drawing()) {
                const int icon = entry.kind == kAnnivBirthday ? kIconBirthday : kIconAnniversary;
                const int iconWidth = DrawStatusIcon(dc_, x_, y_ + iconOffset_, icon, true, false, false);
                const COLORREF previous = SetTextColor(dc_, ThemeColor(kThemePrimaryText));
                const RECT clip{x_ + iconWidth, y_, row.right, row.bottom};
                TextOutClipped(dc_, clip.left, y_, clip, FormatAnnivAgeText(entry, date_.wYear));
                SetTextColor(dc_, previous);
            }
            if (Record(row, entry.contactOid, kItemContact, date_, 0) == Step::Hit) return Step::Hit;
            Advance(false);
        }
        return Step::Next;
    }

    Step AppointmentEntry(const ApptRecord& appt, const DateRec& hitDate, LONG draggable) {
        if (Drawing()) {
            int lineBottom = lineBottom_;
            DrawAgendaEntry(dc_, x_, y_, lineBottom, rect_, appt, date_, wide_, Cut(), compact_);
        }
        const RECT row{x_, y_, rect_.right, y_ + h_};
        if (Record(row, appt.oid, kItemAppt, hitDate, draggable) == Step::Hit) return Step::Hit;
        Advance(true);
        return Step::Next;
    }

    bool Hidden(const ApptRecord& appt) const {
        return (g_Settings.hidePrivate && appt.sensitivity > 0) || !ApptPassCatFilter(appt);
    }

    Step CarriedOver() {
        const SpanArray* spans = g_ApptCache.curSpans;
        if (!spans) return Step::Next;
        for (int i = 0; i < spans->Size(); ++i) {
            const TimeSpan span = (*spans)[i];
            if (SpanStartsOn(span, date_.wYear, date_.wMonth, date_.wDay)) break;
            if (!SpanCoversDay(span, date_.wYear, date_.wMonth, date_.wDay)) continue;
            ApptRecord appt;
            // An unreadable occurrence ends the list: nothing after it can be placed reliably.
            if (span.oid == kNoOid || !LoadApptOccurFromPOOM(span.oid, appt, span.start)) {
                overflowed_ = false;
                return Step::Stop;
            }
            if (Hidden(appt)) continue;
            if (!Fits()) return Step::Stop;
            if (Skipped()) continue;
            if (AppointmentEntry(appt, date_, 0) == Step::Hit) return Step::Hit;
        }
        return Step::Next;
    }

    Step Starting() {
        ApptArray* appts = g_ApptCache.curAppts;
        if (!appts) return Step::Next;
        const DateRec dayStart(date_.wYear, date_.wMonth, date_.wDay);
        for (int i = std::max(0, FindFirstOnDate(appts, date_)); i < appts->Size(); ++i) {
            ApptRecord appt = (*appts)[i];
            if (DateIsBefore(appt.start, dayStart)) continue;
            if (!ApptCoversDay(appt, date_.wYear, date_.wMonth, date_.wDay)) continue;
            if (Hidden(appt)) continue;
            if (!Fits()) return Step::Stop;
            if (Skipped()) continue;
            if (Drawing() && appt.light && appt.oid != kNoOid) {
                // A failed read (the item deleted meanwhile) keeps the light record: the cache
                // must not lose the entry's start and subject.
                ApptRecord full;
                if (LoadApptOccurFromPOOM(appt.oid, full, appt.start)) {
                    appt = full;
                    if (i < appts->Size()) (*appts)[i] = appt;
                }
            }
            if (AppointmentEntry(appt, appt.start, appt.recurring ? 0 : 1) == Step::Hit) return Step::Hit;
        }
        return Step::Next;
    }

    bool TaskListed(const TskRecord& task) const {
        if (g_Settings.hideComplete && task.complete) return false;
        if (g_Settings.hidePrivate && task.sensitivity > 0) return false;
        if (!TskPassCatFilter(task, 0)) return false;
        if (!task.hasDue) return todayFlag_;
        const int y = date_.wYear, m = date_.wMonth, d = date_.wDay;
        if (TskDueOn(task, y, m, d)) return true;
        if (g_Settings.activeTasks && IsTskActiveOn(task, y, m, d)) return true;
        return g_Settings.overdueToday && IsToday(d, m, y) && !task.complete && TskDueBeforeDay(task, y, m, d);
    }

    Step Tasks() {
        if (g_Settings.scheduleTasks) return Step::Stop;
        for (int i = 0; i < g_TskList.Size(); ++i) {
            const TskRecord task = g_TskList[i];
            if (!TaskListed(task)) continue;
            if (!Fits()) return Step::Stop;
            if (Skipped()) continue;
            const bool dueHere = task.hasDue && TskDueOn(task, date_.wYear, date_.wMonth, date_.wDay);
            if (Drawing()) DrawTskLine(dc_, x_, y_, lineBottom_, rect_, today_, task, dueHere, Cut(), compact_);
            const RECT row{x_, y_, rect_.right, y_ + h_};
            if (Record(row, task.oid, kItemTask, date_, 1) == Step::Hit) return Step::Hit;
            Advance(false);
        }
        return Step::Next;
    }

    HDC dc_;
    RECT rect_;
    DateRec date_;
    int scroll_;
    WalkMode mode_;
    bool todayFlag_;
    bool compact_;
    POINT point_;
    bool arrows_ = false;
    bool wide_ = false;
    bool overflowed_ = false;
    int x_ = 0;
    int y_ = 0;
    int h_ = 0;
    int lineBottom_ = 0;
    int slack_ = 0;
    int count_ = 0;
    int iconOffset_ = 2;
    DateRec today_;
    HitResult hit_;
};

}  // namespace

void DrawMoreArrow(HDC dc, int x, int y, bool up) {
    HBITMAP arrows = LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(IDB_SCROLL_ARROWS));
    if (!arrows) return;
    TransparentImage(dc, x, y, kArrowWidth, kArrowHeight, arrows, up ? kArrowWidth : 0, 0, kArrowWidth, kArrowHeight,
                     kMagenta);
    DeleteObject(arrows);
}

int DrawDayItems(HDC dc, const RECT& rect, const DateRec& date, int top, int scroll, bool draw, bool todayFlag,
                 bool compact) {
    DayListWalk walk(dc, rect, date, top, scroll, draw ? WalkMode::Draw : WalkMode::Measure, todayFlag, compact,
                     POINT{0, 0});
    return walk.Run();
}

bool HitTestDayItems(const RECT& rect, int x, int y, const DateRec& date, int top, int scroll, bool todayFlag,
                     bool compact) {
    HWND window = g_Frame.mainWnd;
    HDC dc = GetDC(window);
    DayListWalk walk(dc, rect, date, top, scroll, WalkMode::HitTest, todayFlag, compact, POINT{x, y});
    const bool hit = walk.Run() == 1;
    ReleaseDC(window, dc);
    if (!hit) return false;
    const HitResult& result = walk.Hit();
    g_CurItem.oid = result.oid;
    g_CurItem.listIndex = kNoId;
    g_CurItem.rowIndex = kNoId;
    g_CurItem.kind = result.kind;
    g_CurItem.date = result.date;
    HitItemDate = result.date;
    HitItemDraggable = result.draggable;
    return true;
}

void GetDayMarkCounts(const DateRec& date, int& taskCount, int& apptCount) {
    taskCount = 0;
    apptCount = 0;
    const int y = date.wYear, m = date.wMonth, d = date.wDay;
    for (int i = 0; i < g_TskList.Size(); ++i) {
        const TskRecord& task = g_TskList[i];
        if (task.hasDue && TskDueOn(task, y, m, d) && !task.complete) {
            taskCount = 1;
            break;
        }
    }
    if (const ApptArray* appts = g_ApptCache.curAppts) {
        for (int i = std::max(0, FindFirstOnDate(appts, date)); i < appts->Size(); ++i) {
            const ApptRecord& appt = (*appts)[i];
            if (ApptStartsAfterDay(appt, y, m, d)) break;
            if (!ApptStartsOn(appt, y, m, d)) continue;
            apptCount = ApptPassCatFilter(appt) ? 1 : 0;
            break;
        }
    }
    if (apptCount) return;
    for (int i = 0; i < g_MultiDaySpans.Size(); ++i) {
        const TimeSpan span = g_MultiDaySpans[i];
        if (SpanCoversDay(span, y, m, d)) {
            ApptRecord appt;
            if (span.oid == kNoOid || !LoadApptOccurFromPOOM(span.oid, appt, span.start)) return;
            if (!(g_Settings.hidePrivate && appt.sensitivity > 0) && ApptPassCatFilter(appt)) {
                apptCount = 1;
                return;
            }
        }
        if (SpanStartsOn(span, y, m, d)) return;
    }
}
