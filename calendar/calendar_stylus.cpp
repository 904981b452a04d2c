// Stylus input of the month, week, timeline week and year views. A drag lives from BeginItemDrag
// (the mouse captured, the drag image shown) to the next release (EndItemDrag), which drops the
// current item on the day under the pen; the pen-down point of a month tap lives until the release.
#include "calendar/calendar_stylus.h"

#include <utility>

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/calendar_nav.h"
#include "calendar/calendar_state.h"
#include "calendar/month_view.h"
#include "calendar/paint_helpers.h"
#include "calendar/timeline_week.h"
#include "calendar/week_view.h"
#include "calendar/year_view.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/poom_session.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/popup_menus.h"
#include "ui/view_calls.h"
#include "ui/view_windows.h"

PenDownPoint g_PenDown;

namespace {

constexpr int kSwipeMaxRise = 40;
constexpr int kSwipeMinRun = 50;
constexpr int kDragImageSide = 12;
constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kApptImageColour = 0xC08040;
constexpr COLORREF kTaskImageColour = 0x208020;

struct DragState {
    bool dragging = false;
    HIMAGELIST images = nullptr;
};
DragState g_Drag;

int PointX(LPARAM point) { return static_cast<SHORT>(LOWORD(point)); }
int PointY(LPARAM point) { return static_cast<SHORT>(HIWORD(point)); }

bool IsHold(int x, int y) {
    SHRGINFO info{};
    info.cbSize = sizeof(SHRGINFO);
    info.hwndClient = g_Frame.mainWnd;
    info.ptDown = POINT{x, y};
    info.dwFlags = SHRG_RETURNCMD;
    return SHRecognizeGesture(&info) == GN_CONTEXTMENU;
}

// Menus open at the pen, in screen coordinates; the stylus gives the main window's client point.
POINT OnScreen(int x, int y) {
    POINT screen{x, y};
    ClientToScreen(g_Frame.mainWnd, &screen);
    return screen;
}

void NewItemMenu(int x, int y) {
    const POINT at = OnScreen(x, y);
    TrackPopupMenuById(g_Frame.mainWnd, at.x, at.y, IDM_CAL_NEW_ITEM_MENU);
}

void ItemMenu(int x, int y) {
    RepaintMainWindow();
    const POINT at = OnScreen(x, y);
    ShowSoftKeyPopup(at.x, at.y);
}

// The drag images: 0 an appointment block, 1 a task box; magenta is see-through.
HIMAGELIST MakeDragImages() {
    HIMAGELIST list = ImageList_Create(kDragImageSide, kDragImageSide, ILC_COLOR | ILC_MASK, 2, 0);
    if (!list) return nullptr;
    HDC screen = GetDC(g_Frame.mainWnd);
    for (const COLORREF colour : {kApptImageColour, kTaskImageColour}) {
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, kDragImageSide, kDragImageSide);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        FillSolid(dc, RECT{0, 0, kDragImageSide, kDragImageSide}, kMagenta);
        FillSolid(dc, RECT{1, 1, kDragImageSide - 1, kDragImageSide - 1}, colour);
        SelectObject(dc, previous);
        DeleteDC(dc);
        ImageList_AddMasked(list, bitmap, kMagenta);
        DeleteObject(bitmap);
    }
    ReleaseDC(g_Frame.mainWnd, screen);
    return list;
}

void HoldInMonth(int x, int y) {
    int year = 0, month = 0, day = 0;
    if (TapMonthGridDay(x, y, year, month, day, 1)) {
        NewItemMenu(x, y);
        return;
    }
    if (!IsInSplitMonthArea(x, y)) return;
    if (HitTestSelDayPane(x, y, kMonthPane))
        ItemMenu(x, y);
    else
        NewItemMenu(x, y);
}

// False when the hold is to be taken as a plain tap.
bool HoldInWeek(int x, int y) {
    if (HitTestWeekView(x, y)) {
        ItemMenu(x, y);
        return true;
    }
    if (!SelectWeekDayAt(x, y)) return false;
    RepaintMainWindow();
    NewItemMenu(x, y);
    return true;
}

bool HoldInTimeline(int x, int y) {
    if (HitTimelineSelDay(x, y)) {
        RepaintMainWindow();
        NewItemMenu(x, y);
        return true;
    }
    if (!HitTimelinePane(x, y)) return false;
    if (HitTestSelDayPane(x, y, kTimelinePane))
        ItemMenu(x, y);
    else
        NewItemMenu(x, y);
    return true;
}

// True when the hold was handled.
bool HandleHold(int x, int y) {
    switch (ViewId) {
    case kViewMonth: HoldInMonth(x, y); return true;
    case kViewWeek: return HoldInWeek(x, y);
    case kViewTimelineWeek: return HoldInTimeline(x, y);
    default: return false;
    }
}

void TapInMonth(int x, int y) {
    int year = 0, month = 0, day = 0;
    if (!TapMonthGridDay(x, y, year, month, day, 1) && IsInSplitMonthArea(x, y) &&
        HitTestSelDayPane(x, y, kMonthPane)) {
        BeginItemDrag(x, y);
        return;
    }
    g_PenDown = PenDownPoint{x, y};
}

// The task preview pane lies under the task list; its origin is the pane's top-left corner.
void TapInTasks(int x, int y) {
    if (g_Settings.taskPreview && g_ViewWnds.taskList) {
        const RECT& pane = g_TskListState.previewPane;
        const int pageY = y - pane.top + g_TskListState.previewScroll;
        if (PtInRect(&pane, POINT{x, y}) && HitPreviewCompleteBox(x - pane.left, pageY)) ResetTskListCache();
    }
    if (g_ViewWnds.taskList) SetFocus(g_ViewWnds.taskList);
}

void PlainTap(int x, int y) {
    switch (ViewId) {
    case kViewMonth: TapInMonth(x, y); break;
    case kViewWeek:
        if (HitTestWeekView(x, y))
            BeginItemDrag(x, y);
        else if (SelectWeekDayAt(x, y))
            RepaintMainWindow();
        break;
    case kViewTimelineWeek:
        if (HitTimelineSelDay(x, y))
            RepaintMainWindow();
        else if (HitTimelinePane(x, y) && HitTestSelDayPane(x, y, kTimelinePane))
            BeginItemDrag(x, y);
        break;
    case kViewYear:
        if (YearViewHitTest(x, y)) RepaintMainWindow();
        break;
    case kViewTasks: TapInTasks(x, y); break;
    case kViewSpinner: views::SpinnerPressHit(x, y); break;
    default: break;
    }
}

void Swipe(int x, int y) {
    const int rise = y - g_PenDown.y;
    if (rise >= -kSwipeMaxRise && rise <= kSwipeMaxRise) {
        const int run = x - g_PenDown.x;
        LONG year = g_SelectedDate.wYear, month = g_SelectedDate.wMonth, day = g_SelectedDate.wDay;
        if (run < -kSwipeMinRun)
            DatePrevMonth(year, month, day);
        else if (run > kSwipeMinRun)
            DateNextMonth(year, month, day);
    }
    g_PenDown = PenDownPoint{};
}

}  // namespace

int HitTestMonthGridDay(int x, int y, int left, int top, int right, int bottom, int& year, int& month, int& day) {
    HDC dc = GetDC(g_Frame.mainWnd);
    const MonthGridGeometry g =
        MonthGeometry(dc, RECT{left, top, right, bottom}, g_SelectedDate.wYear, g_SelectedDate.wMonth);
    ReleaseDC(g_Frame.mainWnd, dc);
    bool found = false;
    const POINT p{x, y};
    ForEachMonthCell(g, [&](const MonthCellPlace& c) {
        if (found) return;
        const int half = g.rowHeight / 2;
        if (c.folded) {
            const RECT upper{c.x, c.y, c.x + g.cellWidth, c.y + half};
            const RECT lower{c.x, c.y + half, c.x + g.cellWidth, c.y + g.rowHeight};
            if (PtInRect(&upper, p)) {
                year = c.year, month = c.month, day = c.day;
                found = true;
            } else if (PtInRect(&lower, p)) {
                year = c.year, month = c.month, day = c.day + 7;
                found = true;
            }
            return;
        }
        const RECT cell{c.x, c.y + 1, c.x + g.cellWidth, c.y + g.rowHeight};
        if (!PtInRect(&cell, p)) return;
        year = c.year, month = c.month, day = c.day;
        found = true;
    });
    return found ? 1 : 0;
}

int TapMonthGridDay(int x, int y, int& year, int& month, int& day, int interactive) {
    const DateRec before = g_SelectedDate;
    const RECT& grid = MonthGridRect;
    if (!HitTestMonthGridDay(x, y, grid.left, grid.top, grid.right, grid.bottom, year, month, day)) return 0;
    if (!interactive) return 1;
    const DateRec hit(year, month, day);
    if (!DateSameDay(hit, before)) DayPaneScroll = 0;
    g_SelectedDate = hit;
    RefreshAppts();
    RepaintMainWindow();
    return 1;
}

int HitTestMonthDblTap(int x, int y, int open) {
    int year = 0, month = 0, day = 0;
    const RECT& grid = MonthGridRect;
    if (HitTestMonthGridDay(x, y, grid.left, grid.top, grid.right, grid.bottom, year, month, day)) {
        g_SelectedDate = DateRec(year, month, day);
        if (open) ShowSelDayView();
        return 1;
    }
    if (g_Settings.splitMonth && g_Settings.nextMonthPrev && PtInRect(&NextMonthPreviewRect, POINT{x, y})) {
        LONG y0 = g_SelectedDate.wYear, m0 = g_SelectedDate.wMonth, d0 = g_SelectedDate.wDay;
        DateNextMonth(y0, m0, d0);
        return 1;
    }
    return 0;
}

int HitTestWeekDayBox(int x, int y, int& year, int& month, int& day) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    for (const WeekBox& box : WeekViewLayout(client)) {
        if (!PtInRect(&box.rect, POINT{x, y})) continue;
        DateRec date(WeekViewStart.wYear, WeekViewStart.wMonth, WeekViewStart.wDay);
        DateAddSpan(date, DateSpan{box.dayOffset, 0, 0, 0});
        year = date.wYear, month = date.wMonth, day = date.wDay;
        return 1;
    }
    return 0;
}

int SelectWeekDayAt(int x, int y) {
    int year = 0, month = 0, day = 0;
    if (!HitTestWeekDayBox(x, y, year, month, day)) return 0;
    g_SelectedDate = DateRec(year, month, day);
    return 1;
}

void OnStylusDown(LPARAM point) {
    const int x = PointX(point);
    const int y = PointY(point);
    const bool calendar = ViewId == kViewMonth || ViewId == kViewWeek || ViewId == kViewTimelineWeek;
    if (calendar && IsHold(x, y) && HandleHold(x, y)) return;
    PlainTap(x, y);
}

void OnStylusUp(LPARAM point) {
    const int x = PointX(point);
    const int y = PointY(point);
    if (EndItemDrag(x, y)) return;
    if (ViewId == kViewSpinner) views::ClearSpinnerPress();
    if (ViewId == kViewMonth) Swipe(x, y);
}

void OnStylusDblTap(LPARAM point) {
    const int x = PointX(point);
    const int y = PointY(point);
    switch (ViewId) {
    case kViewMonth: HitTestMonthDblTap(x, y, 1); break;
    case kViewWeek:
        if (SelectWeekDayAt(x, y)) ShowSelDayView();
        break;
    case kViewTimelineWeek:
        if (HitTimelineSelDay(x, y)) ShowSelDayView();
        break;
    case kViewYear:
        if (YearViewHitTest(x, y)) YearViewPickDate();
        break;
    case kViewSpinner: views::SpinnerTap(x, y); break;
    default: break;
    }
}

void MoveItemDrag(LPARAM point) {
    if (g_Drag.dragging) ImageList_DragMove(PointX(point), PointY(point));
    // The launcher's wheel follows the pen.
    if (ViewId == kViewSpinner) views::SpinnerPenDrag(PointX(point), PointY(point));
}

void BeginItemDrag(int x, int y) {
    RepaintMainWindow();
    if (!HitItemDraggable) return;
    g_Drag.images = MakeDragImages();
    g_Drag.dragging = true;
    ImageList_BeginDrag(g_Drag.images, g_CurItem.kind == kItemTask ? 1 : 0, 0, 0);
    ImageList_DragEnter(g_Frame.mainWnd, x, y);
    SetCapture(g_Frame.mainWnd);
}

bool IsItemDragActive() { return g_Drag.dragging; }

int EndItemDrag(int x, int y) {
    if (!g_Drag.dragging) return 0;
    g_Drag.dragging = false;
    ImageList_DragLeave(g_Frame.mainWnd);
    ImageList_EndDrag();
    ReleaseCapture();
    if (g_Drag.images) ImageList_Destroy(std::exchange(g_Drag.images, nullptr));
    int year = 0, month = 0, day = 0;
    bool hit = false;
    switch (ViewId) {
    case kViewMonth: {
        // The grid tap's refresh and repaint, into a copy: the selected date itself stays.
        const RECT& grid = MonthGridRect;
        hit = HitTestMonthGridDay(x, y, grid.left, grid.top, grid.right, grid.bottom, year, month, day) != 0;
        if (hit) {
            RefreshAppts();
            RepaintMainWindow();
        }
        break;
    }
    case kViewWeek: hit = HitTestWeekDayBox(x, y, year, month, day) != 0; break;
    case kViewTimelineWeek: hit = HitTimelineDay(x, y, year, month, day); break;
    default: break;
    }
    if (hit) DropItemOnDate(year, month, day);
    return 1;
}

void DropItemOnDate(int year, int month, int day) {
    if (g_CurItem.oid == kNoId) return;
    if (g_CurItem.date.wDay == day && g_CurItem.date.wMonth == month) return;
    if (g_CurItem.kind == kItemTask)
        MoveTaskToDate(year, month, day);
    else if (g_CurItem.kind == kItemAppt)
        MoveApptToNewDate(year, month, day);
    ResetSelection();
}

void MoveApptToNewDate(int year, int month, int day) {
    if (g_CurItem.oid == kNoId || g_CurItem.kind != kItemAppt) return;
    IPOutlookApp2* app = GetPoomApp();
    const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(app, g_CurItem.oid, IID_IAppointment);
    if (!appt) return;
    DATE start = 0;
    if (FAILED(appt->get_Start(&start))) return;
    SYSTEMTIME time{};
    if (FAILED(app->VariantTimeToSystemTime(start, &time))) return;
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    if (FAILED(app->SystemTimeToVariantTime(&time, &start))) return;
    appt->put_Start(start);
    appt->Save();
}

// ---- The main window's entry points.
void CalendarStylusDown(LPARAM point) { OnStylusDown(point); }
void CalendarStylusUp(LPARAM point) { OnStylusUp(point); }
void CalendarDoubleTap(LPARAM point) { OnStylusDblTap(point); }
void MoveDragImage(LPARAM point) { MoveItemDrag(point); }
