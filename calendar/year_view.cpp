// The year view: twelve month blocks (six on square screens) laid in a grid over the view, each a
// caption band and a day grid; today is filled and each day number says whether the day holds an
// appointment, an open task or nothing, once its month has been loaded.
#include "calendar/year_view.h"

#include <string>

#include "calendar/calendar_nav.h"
#include "calendar/day_items.h"
#include "calendar/paint_helpers.h"
#include "core/app_settings.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/item_filters.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/threads.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/offscreen.h"
#include "ui/themed_bars.h"
#include "ui/view_focus.h"

YearViewState g_YearView;

namespace {

constexpr LONG kPendingYear = 8;
constexpr int kMonthsPerYear = 12;
constexpr int kDaysPerWeek = 7;
constexpr int kGridRows = 5;
constexpr COLORREF kDayGridText = 0x640000;  // RGB(0, 0, 100)
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kThemeDayNone = 26;
constexpr int kThemeDayNotLoaded = 27;
constexpr int kThemeDayTask = 28;
constexpr int kThemeDayAppt = 29;

COLORREF Word(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

struct BlockGrid {
    int columns;
    int rows;
};

BlockGrid Blocks() {
    if (IsLandscapeScreen()) return {4, 3};
    if (IsSquareScreen()) return {3, 2};
    return {3, 4};
}

int FirstBlockMonth() { return IsSquareScreen() && !g_YearView.firstHalf ? 7 : 1; }

void SetHalfByCursor() {
    if (IsSquareScreen()) g_YearView.firstHalf = g_YearView.cursorMonth > 6 ? 0 : 1;
}

HFONT MakeFont(int height) {
    LOGFONTW font{};
    InitLogFont(font, height, false, false);
    return CreateFontIndirectW(&font);
}

int CaptionFontHeight() {
    if (IsVgaScreen()) return 20;
    if (IsSquare320Screen()) return ViewId == kViewMonth ? 14 : 16;
    return 12;
}

int DayFontHeight(int yearView) {
    if (IsVgaScreen()) return 18;
    if (IsSquare320Screen()) return yearView ? 12 : 11;
    return 10;
}

// Loads a month's bucket when the month-wise cache does not hold it, keeping the shown arrays.
void EnsureMonthLoaded(int year, int month) {
    if (!IsMonthLoadOn() || FindMonthBucket(year, month) >= 0) return;
    ApptArray* const appts = g_ApptCache.curAppts;
    SpanArray* const spans = g_ApptCache.curSpans;
    ReLoadApptPOOM(year, month, 0);
    g_ApptCache.curAppts = appts;
    g_ApptCache.curSpans = spans;
}

void AfterCursorMove() {
    EnsureMonthLoaded(g_YearView.year, g_YearView.cursorMonth);
    RedrawNow(nullptr);
}

COLORREF DayColour(bool coloured, int year, int month, int day) {
    if (!coloured) return Word(kThemeDayNotLoaded);
    int tasks = 0;
    int appts = 0;
    GetDayMarkCounts(DateRec(year, month, day), tasks, appts);
    if (appts > 0) return Word(kThemeDayAppt);
    return Word(tasks > 0 ? kThemeDayTask : kThemeDayNone);
}

// Points the shown appointment arrays at a month's bucket while its days are coloured.
class MonthArraysScope {
public:
    MonthArraysScope(int year, int month) : appts_(g_ApptCache.curAppts), spans_(g_ApptCache.curSpans) {
        if (!IsMonthLoadOn()) return;
        const int at = FindMonthBucket(year, month);
        if (at < 0) return;
        coloured_ = true;
        g_ApptCache.curAppts = g_ApptCache.apptLists[at].get();
        g_ApptCache.curSpans = g_ApptCache.spanLists[at].get();
    }
    ~MonthArraysScope() {
        g_ApptCache.curAppts = appts_;
        g_ApptCache.curSpans = spans_;
    }
    MonthArraysScope(const MonthArraysScope&) = delete;
    MonthArraysScope& operator=(const MonthArraysScope&) = delete;
    bool Coloured() const { return coloured_; }

private:
    ApptArray* appts_;
    SpanArray* spans_;
    bool coloured_ = false;
};

}  // namespace

void SetYearViewToday() {
    DateRec now;
    DateNow(now);
    g_YearView.year = now.wYear;
    g_YearView.cursorMonth = now.wMonth;
    g_YearView.captionHeight = 0;
    g_YearView.firstHalf = 1;
}

void ShowYearView() {
    if (!g_ViewShown[ShownView::Year]) return;
    if (!g_LoadState.allLoaded) {
        if (g_LoadState.thread) SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_NORMAL);
        PendingViewCmd = kPendingYear;
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return;
    }
    g_YearView.year = g_SelectedDate.wYear;
    g_YearView.cursorMonth = g_SelectedDate.wMonth;
    if (IsSquareScreen()) g_YearView.firstHalf = g_SelectedDate.wMonth > 6 ? 0 : 1;
    ViewId = kViewYear;
    HideAllViewWindows();
    SetViewTitle();
    g_Main.backArmed = 0;
    CreateViewMenuBar(&g_MenuBars.year, 0, nullptr, kShowBar);
    RedrawNow(nullptr);
}

bool YearBlockRect(int month, RECT& out) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const BlockGrid grid = Blocks();
    const int index = month - FirstBlockMonth();
    if (index < 0 || index >= grid.columns * grid.rows) return false;
    const int shrink = IsSquare320Screen() ? 1 : 0;
    const int width = (client.right - client.left) / grid.columns - shrink;
    const int height = (client.bottom - client.top) / grid.rows - shrink;
    const int column = index % grid.columns;
    const int row = index / grid.columns;
    out = RECT{column * width, row * height, (column + 1) * width, (row + 1) * height};
    return true;
}

void PaintYearView(HDC dc) {
    RECT client{};
    GetClientRect(g_Frame.mainWnd, &client);
    const MemoryCanvas canvas(dc, client.right - client.left, client.bottom - client.top);
    FillSolid(canvas.dc(), client, kWhite);
    for (int month = 1; month <= kMonthsPerYear; ++month) {
        RECT block{};
        if (YearBlockRect(month, block)) DrawYearView(canvas.dc(), month, static_cast<int>(g_YearView.year), block, 1);
    }
    canvas.Present(dc);
}

void DrawYearView(HDC dc, int month, int year, const RECT& rect, int yearView) {
    const GdiObject font(MakeFont(CaptionFontHeight()));
    const SelectScope useFont(dc, font.get());
    std::u16string caption;
    FormatMonthName(caption, month, false);
    if (month == FirstBlockMonth()) caption = platform::FormatW(u"%s %d", caption.c_str(), year);
    RECT r{rect.left + 1, rect.top + 1, rect.right, rect.bottom - 1};
    const bool cursor = yearView && month == g_YearView.cursorMonth;
    if (cursor) {
        DrawFrameRect(dc, r, ThemeColor(kThemeSelFrame), Corners::Closed, LineStyle::Solid, 1);
        FillSolid(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, ThemeColor(kThemeSelFill));
    } else {
        const GdiObject pen(CreatePen(PS_SOLID, 1, ThemeColor(kThemeGridPen)));
        const GdiObject brush(CreateSolidBrush(ThemeColor(kThemeGridBrush)));
        const SelectScope usePen(dc, pen.get());
        const SelectScope useBrush(dc, brush.get());
        Rectangle(dc, r.left, r.top, r.right + 1, r.bottom + 1);
    }
    const SIZE extent = TextExtent(dc, caption);
    g_YearView.captionHeight = extent.cy;
    RECT band{r.left, r.top, r.right + 1, r.top + extent.cy + 2};
    DrawThemedBackground(dc, band, true, false, false, false);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColor(kThemeTitleLightText));
    TextOutPlain(dc, (r.left + r.right) / 2 - extent.cx / 2, r.top + 1, caption);
    SetTextColor(dc, kDayGridText);
    DrawYearMonth(dc, month, year, RECT{r.left, r.top + extent.cy + 2, r.right, r.bottom}, yearView);
    SetBkMode(dc, oldMode == 0 ? OPAQUE : oldMode);
}

void DrawYearMonth(HDC dc, int month, int year, const RECT& rect, int yearView) {
    const GdiObject font(MakeFont(DayFontHeight(yearView)));
    const SelectScope useFont(dc, font.get());
    const MonthArraysScope arrays(year, month);
    const int cw = (rect.right - rect.left) / kDaysPerWeek;
    const int rh = (rect.bottom - rect.top) / kGridRows;
    const bool cursor = yearView && month == g_YearView.cursorMonth;
    const COLORREF lineColour = ThemeColor(cursor ? kThemeSelFrame : kThemeGridPen);
    for (int k = 1; k <= 6; ++k) SolidLine(dc, rect.left + k * cw, rect.top, rect.left + k * cw, rect.bottom, lineColour);
    for (int k = 1; k <= 4; ++k) SolidLine(dc, rect.left, rect.top + k * rh, rect.right, rect.top + k * rh, lineColour);
    const COLORREF oldText = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);
    int first = WeekdayOf(year, month, 1) + 1;
    if (g_Settings.mondayStart) first = first - 1 == 0 ? 7 : first - 1;
    const int length = DaysInMonth(DateRec(year, month, 1));
    const COLORREF today = ThemeColor(kThemeTodayHighlight);
    for (int row = 1; row <= kGridRows; ++row) {
        for (int column = 1; column <= kDaysPerWeek; ++column) {
            const int day = (row - 1) * kDaysPerWeek + column - first + 1;
            if (day < 1 || day > length) continue;
            const int x = rect.left + 2 + (column - 1) * cw;
            const int y = rect.top + (row - 1) * rh;
            const bool folded = row == kGridRows && day + kDaysPerWeek <= length;
            if (!folded) {
                if (IsToday(day, month, year)) FillSolid(dc, RECT{x - 1, y + 1, x - 2 + cw, y + rh}, today);
                SetTextColor(dc, DayColour(arrays.Coloured(), year, month, day));
                TextOutPlain(dc, x, y, platform::FormatW(u"%d", day));
                continue;
            }
            // A sixth week folded into row 5: a dot for each of the two days.
            const int middle = y + rh / 2;
            if (IsToday(day, month, year)) FillSolid(dc, RECT{x - 1, y + 1, x - 2 + cw, middle}, today);
            if (IsToday(day + kDaysPerWeek, month, year)) FillSolid(dc, RECT{x - 1, middle + 1, x - 2 + cw, y + rh}, today);
            SolidLine(dc, x - 2, middle, x - 2 + cw, middle, ThemeColor(kThemeGridPen));
            SetPixel(dc, x + 2, y + 2, DayColour(arrays.Coloured(), year, month, day));
            SetPixel(dc, x + 2, middle + 2, DayColour(arrays.Coloured(), year, month, day + kDaysPerWeek));
        }
    }
    SetTextColor(dc, oldText);
    SetBkMode(dc, OPAQUE);
}

int YearViewHitTest(int x, int y) {
    for (int month = 1; month <= kMonthsPerYear; ++month) {
        RECT block{};
        if (!YearBlockRect(month, block) || !PtInRect(&block, POINT{x, y})) continue;
        g_YearView.cursorMonth = month;
        EnsureMonthLoaded(g_YearView.year, month);
        return 1;
    }
    return 0;
}

void YearViewPickDate() {
    if (g_SelectedDate.wYear != g_YearView.year || g_SelectedDate.wMonth != g_YearView.cursorMonth) {
        g_SelectedDate = DateRec(g_YearView.year, g_YearView.cursorMonth, 1);
        RefreshAppts();
    }
    ShowMonthView();
}

namespace {

int RowStep() { return IsLandscapeScreen() ? 4 : 3; }

void MoveCursor(int delta) {
    LONG& cursor = g_YearView.cursorMonth;
    cursor += delta;
    if (cursor <= 0) {
        cursor += kMonthsPerYear;
        --g_YearView.year;
        if (IsSquareScreen()) g_YearView.firstHalf = 0;
        SetViewTitle();
    } else if (cursor > kMonthsPerYear) {
        cursor -= kMonthsPerYear;
        ++g_YearView.year;
        if (IsSquareScreen()) g_YearView.firstHalf = 1;
        SetViewTitle();
    } else {
        SetHalfByCursor();
    }
    AfterCursorMove();
}

}  // namespace

void YearViewPrevRow() { MoveCursor(-RowStep()); }
void YearViewNextRow() { MoveCursor(RowStep()); }
void YearViewPrevMonth() { MoveCursor(-1); }
void YearViewNextMonth() { MoveCursor(1); }
