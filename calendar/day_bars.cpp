// The day bar: one horizontal bar per day on which every appointment of the day takes its hours
// between the first and last shown hour, with all-day marks, spanning lines with arrow heads for
// items that run over several days, ticks and the current-time mark.
#include "calendar/day_bars.h"

#include <algorithm>

#include "calendar/paint_helpers.h"
#include "calendar/timeline_week.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/appt_record.h"
#include "core/cat_filter.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "ui/draw_prims.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGreyBar = 0x9A9A9A;
constexpr COLORREF kGreyLine = 0x999999;
constexpr int kWideBar = 40;
constexpr int kTickQuarterWidth = 60;
constexpr int kLateEndMinute = 46;
constexpr int kRoundUpMinutes = 46;
constexpr int kShadedBarHeight = 10;
constexpr int kLightenShade = 12;
constexpr int kDarkenOutline = 60;
constexpr int kDarkenTimeMark = 40;
constexpr int kMinLineLength = 4;

int EndHourOf(const DateRec& end) { return end.wHour == 23 && end.wMinute >= kLateEndMinute ? 24 : end.wHour; }

bool Hidden(const ApptRecord& appt) {
    if (g_Settings.hidePrivate && appt.sensitivity > 0) return true;
    return !ApptPassCatFilter(appt);
}

COLORREF BarColour(const ApptRecord& appt) {
    COLORREF colour = ThemeColor(kThemeDefaultBarItem);
    if (g_Settings.statusColors) colour = GetViewColor(appt.busyStatus);
    if (g_Settings.catColors && appt.categories.Size() > 0)
        colour = appt.colour == kWhite ? ThemeColor(kThemeDefaultBarItem) : appt.colour;
    return colour;
}

bool InFirstColumn(int year, int month, int day) {
    return WeekdayOf(year, month, day) == (g_Settings.mondayStart ? 1 : 0);
}

struct BarGeometry {
    RECT bar;
    int spanLine;
};

BarGeometry BarRect(int x, int y, int width, int height, int labelHeight, int year, int month, int day, bool rowMode,
                    int barHeight, bool compact) {
    const bool split = g_Settings.splitMonth != 0;
    const int lh = labelHeight;
    RECT b{};
    int lineGap = 3;
    if (rowMode) {
        b = {x, y, x + width - 2, y + barHeight};
    } else if (height >= 32 && !compact) {
        b = {x + 2, y + lh + 6, x + width - 2, y + lh + (IsVgaScreen() ? 18 : 12)};
    } else if (!IsQvgaScreen()) {
        b = !split || height >= 16 ? RECT{x + 2, y + lh + 2, x + width - 2, y + lh + 4}
                                   : RECT{x + 8, y + 3, x + width - 2, y + 7};
    } else if (IsLandscapeScreen()) {
        const int left = g_Settings.isoWeek && InFirstColumn(year, month, day) ? x + width - 20 : x + width - 27;
        int t = height < 16 ? 3 : 10;
        if (!split && compact) t = 6;
        b = {left, y + t, x + width - 2, y + t + 4};
    } else if (IsSquareScreen()) {
        if (split) {
            b = {x + 2, y + height - 6, x + width - 2, y + height - 3};
            lineGap = 2;
        } else {
            b = {x + 2, y + lh + 1, x + width - 2, y + lh + 5};
        }
    } else {
        b = !split || height >= 20 ? RECT{x + 2, y + lh + 1, x + width - 2, y + lh + 4}
                                   : RECT{x + 2, y + height - 9, x + width - 2, y + height - 5};
    }
    return {b, static_cast<int>(b.bottom) + lineGap + (IsVgaScreen() ? 2 : 0)};
}

class DayBarPainter {
public:
    DayBarPainter(HDC dc, bool draw, const RECT& bar, int line, bool greyed, bool rowMode, int barHeight)
        : dc_(dc), draw_(draw), b_(bar), line_(line), greyed_(greyed), rowMode_(rowMode), barHeight_(barHeight),
          first_(g_Settings.barStart), last_(g_Settings.barEnd), width_(bar.right - bar.left) {}

    bool Background() const { return background_; }

    // Hour h along the bar; truncated toward zero like the rest of the layout.
    int Offset(int hour) const { return (hour - first_) * width_ / (last_ - first_); }

    void StartingItem(const ApptRecord& appt, bool skipSpanning) {
        if (appt.allDay) return AllDay(appt);
        if (ApptSpansDays(appt)) {
            if (skipSpanning) return;
            const int o = std::max(1, Offset(appt.start.wHour));
            int from = b_.left + o;
            if (b_.right - 1 - from < kMinLineLength) from = b_.right - 5;
            if (!draw_) return;
            const COLORREF colour = LineColour(appt);
            SolidLine(dc_, from, line_, b_.right - 1, line_, colour);
            SetPixel(dc_, b_.right - 3, line_ - 1, colour);
            SetPixel(dc_, b_.right - 3, line_ + 1, colour);
            if (IsVgaScreen()) {
                for (const int dy : {-2, -1, 1, 2}) SetPixel(dc_, b_.right - 4, line_ + dy, colour);
            }
            return;
        }
        const DateRec end = GetApptEnd(appt);
        const int endHour = EndHourOf(end);
        int startHour = appt.start.wHour;
        if (endHour <= first_ || startHour >= last_) return;
        int length = appt.duration / 60 + (appt.duration % 60 >= kRoundUpMinutes ? 1 : 0);
        if (startHour < first_) {
            length -= first_ - startHour;
            startHour = first_;
        }
        BeginBackground();
        if (!draw_) return;
        const int left = b_.left + std::max(1, Offset(startHour));
        const int right = std::min<int>(left + std::max(1, length * width_ / (last_ - first_)), b_.right - 1);
        const RECT segment{left, b_.top + 1, right, b_.bottom};
        const COLORREF colour = greyed_ ? kGreyBar : BarColour(appt);
        FillSolid(dc_, segment, colour);
        if (width_ <= kWideBar || greyed_) return;
        if (barHeight_ >= kShadedBarHeight)
            FillSolid(dc_, RECT{left, segment.top, right, (segment.top + segment.bottom) / 2},
                      LightenColor(colour, kLightenShade));
        DrawFrameRect(dc_, RECT{left, segment.top, right, segment.bottom - 1}, DarkenColor(colour, kDarkenOutline),
                      Corners::Closed, LineStyle::Solid, 1);
    }

    void CoveringItem(const ApptRecord& appt, bool endsToday, bool skipSpanning) {
        if (appt.allDay) return AllDay(appt);
        if (skipSpanning) return;
        const int endHour = endsToday ? EndHourOf(GetApptEnd(appt)) : last_;
        if (endHour <= first_) return;
        if (!draw_) return;
        const int right = std::min<int>(b_.left + 1 + std::max(1, Offset(endHour)), b_.right - 1);
        DrawArrowLine(dc_, b_.left + 1, right, line_, endsToday ? 2 : 1, LineColour(appt), true);
    }

    void Finish(int year, int month, int day) {
        if (!draw_) return;
        if (allDay_) SolidLine(dc_, b_.left + 1, b_.top + 1, b_.right, b_.top + 1, allDayColour_);
        if (!background_) return;
        const COLORREF border = ThemeColor(kThemeBarBorder);
        const int m = (b_.left + b_.right) / 2;
        const bool tall = b_.bottom - b_.top > 9;
        const auto tick = [&](int x) {
            SetPixel(dc_, x, b_.top + 1, border);
            SetPixel(dc_, x, b_.bottom - 1, border);
        };
        tick(m);
        if (tall) {
            SetPixel(dc_, m, b_.top + 2, border);
            SetPixel(dc_, m, b_.bottom - 2, border);
        }
        if (width_ > kTickQuarterWidth) {
            tick(b_.left + (m - b_.left) / 2);
            tick(m + (m - b_.left) / 2);
        }
        if (!IsToday(day, month, year)) return;
        SYSTEMTIME now{};
        GetLocalTime(&now);
        if (now.wHour < first_) return;
        const int x = b_.left + Offset(now.wHour);
        const COLORREF mark = DarkenColor(ThemeColor(kThemeSelFrame), kDarkenTimeMark);
        SetPixel(dc_, x, b_.top + 1, mark);
        SetPixel(dc_, x, b_.bottom - 1, mark);
        if (b_.bottom - b_.top <= 7) return;
        for (const int dx : {-1, 1}) {
            SetPixel(dc_, x + dx, b_.top + 1, mark);
            SetPixel(dc_, x + dx, b_.bottom - 1, mark);
        }
        SetPixel(dc_, x, b_.top + 2, mark);
        SetPixel(dc_, x, b_.bottom - 2, mark);
    }

private:
    COLORREF LineColour(const ApptRecord& appt) const { return greyed_ ? kGreyLine : BarColour(appt); }

    void AllDay(const ApptRecord& appt) {
        BeginBackground();
        allDay_ = true;
        allDayColour_ = greyed_ ? kGreyLine : GetViewColor(appt.busyStatus);
    }

    void BeginBackground() {
        if (background_) return;
        background_ = true;
        if (!draw_) return;
        if (rowMode_) FillSolid(dc_, b_, kWhite);
        DrawWorkHoursBand(dc_, b_, true);
        DrawFrameRect(dc_, b_, ThemeColor(kThemeBarBorder), Corners::Closed, LineStyle::Solid, 1);
    }

    HDC dc_;
    bool draw_;
    RECT b_;
    int line_;
    bool greyed_;
    bool rowMode_;
    int barHeight_;
    int first_;
    int last_;
    int width_;
    bool background_ = false;
    bool allDay_ = false;
    COLORREF allDayColour_ = 0;
};

}  // namespace

// The label's width does not move the bar; it is passed for the callers' symmetry with the marks.
int DrawApptBars(HDC dc, int draw, int x, int y, int width, int height, int /*labelWidth*/, int labelHeight,
                 int year, int month, int day, int greyed, int rowMode, int barHeight, int skipSpanning, int compact) {
    const ApptArray* appts = g_ApptCache.curAppts;
    if (!appts) return 0;
    // An empty hour range has no scale to draw on (and would divide by zero).
    if (g_Settings.barEnd <= g_Settings.barStart) return 0;
    const BarGeometry geometry =
        BarRect(x, y, width, height, labelHeight, year, month, day, rowMode != 0, barHeight, compact != 0);
    DayBarPainter painter(dc, draw != 0, geometry.bar, geometry.spanLine, greyed != 0, rowMode != 0, barHeight);
    const DateRec date(year, month, day);
    for (int i = FindFirstOnDate(appts, date); i < appts->Size(); ++i) {
        const ApptRecord& appt = (*appts)[i];
        if (ApptStartsAfterDay(appt, year, month, day)) break;
        if (!ApptStartsOn(appt, year, month, day) || Hidden(appt)) continue;
        painter.StartingItem(appt, skipSpanning != 0);
    }
    if (const SpanArray* spans = g_ApptCache.curSpans) {
        for (int i = 0; i < spans->Size(); ++i) {
            const TimeSpan& span = (*spans)[i];
            if (span.oid == -1 || SpanStartsOn(span, year, month, day)) break;
            if (!SpanCoversDay(span, year, month, day)) continue;
            ApptRecord appt;
            if (!LoadApptOccurFromPOOM(span.oid, appt, date)) break;
            if (Hidden(appt)) continue;
            painter.CoveringItem(appt, ApptEndsOn(appt, year, month, day), skipSpanning != 0);
        }
    }
    painter.Finish(year, month, day);
    return painter.Background() ? 1 : 0;
}

void DrawArrowLine(HDC dc, int from, int to, int at, int ends, COLORREF colour, bool horizontal) {
    const auto pixel = [&](int along, int across) {
        if (horizontal)
            SetPixel(dc, along, across, colour);
        else
            SetPixel(dc, across, along, colour);
    };
    if (horizontal)
        SolidLine(dc, from, at, to, at, colour);
    else
        SolidLine(dc, at, from, at, to, colour);
    const bool vga = IsVgaScreen() != 0;
    const bool headAtTo = ends == 0 || ends == 1;
    const bool headAtFrom = ends == 1 || ends == 2;
    if (headAtTo) {
        pixel(to - 2, at - 1);
        pixel(to - 2, at + 1);
        if (vga)
            for (const int d : {-2, -1, 1, 2}) pixel(to - 3, at + d);
    }
    if (headAtFrom) {
        pixel(from + 1, at - 1);
        pixel(from + 1, at + 1);
        if (vga)
            for (const int d : {-2, -1, 1, 2}) pixel(from + 2, at + d);
    }
}
