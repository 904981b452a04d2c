// The agenda view window "ZQwnd": one child of the main window that shows the Day and Dates lists
// and the previews, scrolls them in pixels through its own scroll bar, and turns taps, swipes and
// keys into selection, previews and Back.

#include <algorithm>
#include <cstdlib>

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/appt_preview.h"
#include "calendar/cal_views.h"
#include "calendar/calendar_nav.h"
#include "calendar/cts_preview.h"
#include "calendar/dates_list.h"
#include "calendar/day_list.h"
#include "calendar/day_spans.h"
#include "calendar/sched_bar.h"
#include "calendar/sched_list.h"
#include "calendar/tsk_preview.h"
#include "core/app_settings.h"
#include "core/cts_fields.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/view_id.h"
#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "projects/links_key.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/view_calls.h"
#include "ui/view_windows.h"

namespace {

constexpr int kScrollStep = 18;
constexpr int kPageStep = 140;
// A range this small is no range: the content fits.
constexpr int kScrollSlack = 3;
constexpr int kSwipeMaxRise = 40;
constexpr int kSwipeMinLeft = -50;
constexpr LONG kVgaHeaderGap = 14;
constexpr LONG kVgaRowGap = 10;
constexpr LONG kVgaBarHeight = 30;
// The task preview's completion box at the right end of its first line.
constexpr int kCompleteBox = 15;
constexpr int kVgaCompleteBox = 24;
constexpr int kCompleteBoxLead = 14;
constexpr int kCompleteBoxTop = 2;
constexpr int kCompleteBoxBottom = 23;
constexpr int kVgaCompleteBoxBottom = 32;

constexpr UINT kPageUpKeys[] = {'W', 'w', '1'};
constexpr UINT kPageDownKeys[] = {'R', 'r', '3'};

HWND Target(HWND window) { return window ? window : g_Agenda.wnd; }

bool InList(const UINT (&keys)[3], UINT key) { return std::find(std::begin(keys), std::end(keys), key) != std::end(keys); }

bool AgendaDrawn() { return g_Settings.agendaFmt == kAgendaDrawn; }

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<LONG>(static_cast<short>(LOWORD(lParam))),
                 static_cast<LONG>(static_cast<short>(HIWORD(lParam)))};
}

void RedrawAgenda() {
    InvalidateRect(g_Agenda.wnd, nullptr, TRUE);
    UpdateWindow(g_Agenda.wnd);
}

// Moves the position by delta within the range; redraws only when it changed.
void ScrollBy(int delta) {
    const int before = GetViewScrollPos();
    const int wanted = std::clamp(before + delta, 0, std::max(GetViewScrollRangeMax(), 0));
    if (wanted == before) return;
    SetViewScrollPos(wanted);
    RedrawAgenda();
}

// The measured height of the current view's content.
int MeasureCurrentView(HDC dc) {
    switch (ViewId) {
    case kViewDates: return AgendaDrawn() ? DrawDatesList(dc, 0) : 0;
    case kViewDay: {
        if (!AgendaDrawn()) return 0;
        LONG first = 1;
        return DrawDayList(dc, g_SelectedDate, kDayListTop, first, 0, 0);
    }
    case kViewApptPreview: return DrawApptPreview(dc, 0);
    case kViewTaskPreview: {
        RECT page{0, 0, g_Agenda.previewBuffer.width, g_Agenda.previewBuffer.height};
        if (!g_Agenda.previewBuffer.valid) GetViewClientRect(g_Agenda.wnd, page);
        return DrawTskPreview(dc, page, 0);
    }
    case kViewWalletItem: {
        RECT page{};
        GetViewClientRect(g_Agenda.wnd, page);
        return views::DrawWalletItem(dc, page, 0, false);
    }
    default: return 0;
    }
}

void PaintDayView(HDC dc) {
    RECT rc{};
    GetViewClientRect(g_Agenda.wnd, rc);
    OffscreenBuffer& buffer = g_Agenda.listBuffer;
    if (!buffer.valid && !CreateOffscreen(buffer, dc, rc.right, GetAgendaContentHeight(dc))) return;
    if (!buffer.drawn) {
        DrawViewBackground(buffer, 0, 0);
        LONG first = 1;
        DrawDayList(buffer.memDC, g_SelectedDate, kDayListTop, first, 0, 1);
        buffer.drawn = 1;
    }
    BitBlt(dc, 0, 0, rc.right, buffer.height, buffer.memDC, 0, GetViewScrollPos(), SRCCOPY);
    DrawSelectedDayRow(dc);
}

}  // namespace

ATOM RegisterAgendaViewClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = AgendaViewWndProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kAgendaViewClass;
    return RegisterClassW(&wc);
}

void CreateAgendaViewWnd(HWND parent) {
    RECT view{};
    GetViewRect(view);
    RegisterAgendaViewClass(g_Main.instance);
    g_Agenda.wnd = CreateWindowExW(0, kAgendaViewClass, kProgramTitle, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL,
                                   view.left, view.top, view.right - view.left, view.bottom - view.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdAgendaView)), g_Main.instance,
                                   nullptr);
    g_ViewWnds.agendaView = g_Agenda.wnd;
    if (!g_Agenda.wnd) ShowMessage(parent, u"Error: Agenda View Creation Error.", MB_ICONEXCLAMATION);
    if (IsVgaScreen()) {
        g_Agenda.headerGap = kVgaHeaderGap;
        g_Agenda.rowGap = kVgaRowGap;
        g_Agenda.barHeight = kVgaBarHeight;
    }
    CreateSchedBar();
}

void PlaceAgendaViewWnd() {
    HideAllViewWindows();
    PlaceViewWnd(g_Agenda.wnd, kPlacePlain);
    if (ViewId == kViewDay) PlaceUnderWeekdayBar(g_Agenda.wnd);
}

int SetViewScrollRange(int minimum, int maximum, HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = minimum;
    info.nMax = maximum;
    info.nPos = 0;
    return SetScrollInfo(Target(window), SB_VERT, &info, TRUE);
}

void SetViewScrollPos(int position, HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(Target(window), SB_VERT, &info, TRUE);
}

int GetViewScrollPos(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    GetScrollInfo(Target(window), SB_VERT, &info);
    return info.nPos;
}

int GetViewScrollRangeMax(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE;
    GetScrollInfo(Target(window), SB_VERT, &info);
    return info.nMax;
}

int GetViewScrollPage(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    GetScrollInfo(Target(window), SB_VERT, &info);
    return static_cast<int>(info.nPage);
}

void ScrollAgendaUp() { ScrollBy(-kScrollStep); }
void ScrollAgendaDown() { ScrollBy(kScrollStep); }

void AgendaViewVScroll(WPARAM request) {
    switch (ViewId) {
    case kViewDates: case kViewDay: case kViewApptPreview: case kViewTaskPreview: case kViewWalletItem: break;
    default: return;
    }
    switch (LOWORD(request)) {
    case SB_LINEUP: case SB_PAGEUP: ScrollAgendaUp(); break;
    case SB_LINEDOWN: case SB_PAGEDOWN: ScrollAgendaDown(); break;
    default: break;  // thumb tracking, top and bottom do not scroll this view
    }
}

int AgendaScrollKey(UINT key) {
    int delta = 0;
    if (InList(kPageUpKeys, key)) delta = -kPageStep;
    else if (InList(kPageDownKeys, key)) delta = kPageStep;
    else return 0;
    const int position = std::clamp(GetViewScrollPos() + delta, 0, std::max(GetViewScrollRangeMax(), 0));
    SetViewScrollPos(position);
    RedrawNow(nullptr);
    return 1;
}

void RelayoutAgendaView() {
    // Whoever lays the agenda out again after a change of data or settings also means the schedule
    // list when it shows the Day and Dates views.
    if (!AgendaDrawn() && g_ViewWnds.scheduleList) RefreshSchedList();
    if (!g_Agenda.wnd) return;
    // A range that brings the scroll bar up (or takes it away) changes the width the content wraps
    // in, so the content is measured once more in the new width.
    for (int pass = 0; pass < 2; ++pass) {
        RECT before{};
        GetViewClientRect(g_Agenda.wnd, before);
        HDC dc = GetDC(g_Agenda.wnd);
        const int height = dc ? MeasureCurrentView(dc) : 0;
        if (dc) ReleaseDC(g_Agenda.wnd, dc);
        const int excess = height - before.bottom;
        SetViewScrollRange(0, excess <= kScrollSlack ? 0 : excess);
        SetViewScrollPos(0);
        RECT after{};
        GetViewClientRect(g_Agenda.wnd, after);
        if (after.right == before.right) break;
    }
}

void ResetAgendaScroll() {
    if (g_Agenda.wnd) SetViewScrollPos(0);
}

int GetAgendaContentHeight(HDC dc) {
    RECT rc{};
    GetViewClientRect(g_Agenda.wnd, rc);
    return std::max<int>(MeasureCurrentView(dc), rc.bottom);
}

void ReleaseAgendaBuffer() { ReleaseOffscreen(g_Agenda.listBuffer); }

// With the drawn agenda the Day and Dates lists are painted in the agenda view window.
HWND AgendaSecondListWnd() { return g_Agenda.wnd; }
void ReleasePreviewBuffer() { ReleaseOffscreen(g_Agenda.previewBuffer); }

void PaintAgendaView(HDC dc) {
    switch (ViewId) {
    case kViewDay:
        if (AgendaDrawn()) PaintDayView(dc);
        break;
    case kViewDates:
        if (!AgendaDrawn()) break;
        DrawDatesList(dc, 1);
        DrawSelectedDayRow(dc);
        break;
    case kViewApptPreview: DrawApptPreview(dc, 1); break;
    case kViewTaskPreview: PaintTskPreview(dc, 1); break;
    case kViewContactPreview: DrawCtsPreview(dc, true); break;
    case kViewWalletItem: {
        // The wallet's item page shares this window with the previews.
        RECT page{};
        GetViewClientRect(g_Agenda.wnd, page);
        views::DrawWalletItem(dc, page, GetViewScrollPos());
        break;
    }
    default: break;
    }
}

void AgendaViewStylusDown(HWND window, LPARAM lParam) {
    const POINT pt = PointOf(lParam);
    SHRGINFO gesture{sizeof(SHRGINFO), window, pt, SHRG_RETURNCMD};
    const DWORD answer = SHRecognizeGesture(&gesture);
    const int y = pt.y + GetViewScrollPos();
    switch (ViewId) {
    case kViewDates:
        if (!DatesListHitTest(pt.x, y)) return;
        RedrawAgenda();
        break;
    case kViewDay:
        if (!DayListHitTest(pt.x, y, kDayListTop, g_SelectedDate)) return;
        RedrawAgenda();
        break;
    case kViewApptPreview: break;
    case kViewTaskPreview: HitPreviewCompleteBox(pt.x, y); break;
    default: return;
    }
    if (answer != GN_CONTEXTMENU) return;
    POINT screen = pt;
    ClientToScreen(window, &screen);
    ShowSoftKeyPopup(screen.x, screen.y);
}

void AgendaViewStylusUp(HWND, LPARAM lParam) {
    const POINT pt = PointOf(lParam);
    const POINT down = g_Agenda.stylusDown;
    if (std::abs(pt.y - down.y) <= kSwipeMaxRise && pt.x - down.x < kSwipeMinLeft) BackCmd(0);
    g_Agenda.stylusDown = POINT{-1, -1};
}

int AgendaViewDblTap(LPARAM lParam) {
    const POINT pt = PointOf(lParam);
    const int y = pt.y + GetViewScrollPos();
    int hit = 0;
    switch (ViewId) {
    case kViewDates: hit = DatesListHitTest(pt.x, y); break;
    case kViewDay: hit = DayListHitTest(pt.x, y, kDayListTop, g_SelectedDate); break;
    case kViewApptPreview: ApptPreviewEnter(); return 1;
    case kViewTaskPreview: TskPreviewEnter(); return 1;
    default: return 0;
    }
    if (!hit) return 0;
    RedrawAgenda();
    ShowItemPreview();
    return 1;
}

namespace {

// VK_DOWN and VK_UP of the drawn lists: a new current row is scrolled into view and drawn.
void StepListSelection(bool next) {
    int moved = 0;
    if (ViewId == kViewDay) {
        if (next) {
            bool found = false;
            moved = SelectNextDayItem(kDayListTop, g_SelectedDate, found);
        } else {
            PrevDayItem previous;
            moved = SelectPrevDayItem(kDayListTop, g_SelectedDate, previous);
        }
    } else {
        moved = next ? SelectNextDatesItem() : SelectPrevDatesItem();
    }
    if (!moved) return;
    ScrollToCurrentAppt(0);
    RedrawAgenda();
}

void ListKey(UINT key) {
    if (!AgendaDrawn()) {
        if (key == VK_RETURN) OpenSchedSel();
        SetFocus(g_ViewWnds.scheduleList);
        return;
    }
    TodayKeyCmd(key);
    HandleLinksKey(key);
    ToggleSplitMonth(static_cast<LONG>(key));
    switch (key) {
    case VK_RIGHT: if (ViewId == kViewDay) DateNextDay(); break;
    case VK_LEFT: if (ViewId == kViewDay) DatePrevDay(); break;
    case VK_DOWN: StepListSelection(true); break;
    case VK_UP: StepListSelection(false); break;
    case VK_RETURN: ShowItemPreview(); break;
    default: break;
    }
}

void ApptPreviewKey(UINT key) {
    TodayKeyCmd(key);
    HandleLinksKey(key);
    AgendaScrollKey(key);
    switch (key) {
    case VK_DOWN: ScrollAgendaDown(); break;
    case VK_UP: ScrollAgendaUp(); break;
    case VK_RETURN: ApptPreviewEnter(); break;
    case VK_LEFT: GoBackFromPreviewA(); break;
    default: break;
    }
}

void TskPreviewKey(UINT key) {
    if (HotKeyToView(key) || AgendaScrollKey(key) || HandleLinksKey(key)) return;
    switch (key) {
    case VK_UP: ScrollAgendaUp(); break;
    case VK_DOWN: ScrollAgendaDown(); break;
    case VK_RETURN: TskPreviewEnter(); break;
    case VK_SPACE: case VK_LEFT: case VK_RIGHT: ToggleTskComplete(-1); break;
    default: break;
    }
}

// Left and Right step the contact's default field through its non-empty fields.
void CtsPreviewKey(UINT key) {
    if (HotKeyToView(key) || HandleLinksKey(key)) return;
    LONG moved = 0;
    switch (key) {
    case VK_RETURN: GoBackFromPreviewB(); return;
    case VK_LEFT: moved = PrevCtsDefField(g_CurItem.oid); break;
    case VK_RIGHT: moved = NextCtsDefField(g_CurItem.oid); break;
    default: return;
    }
    if (moved) RedrawNow(nullptr);
}

// Left and Enter go back to the wallet's tree, Space shows or hides the masked values.
void WalletItemKey(UINT key) {
    TodayKeyCmd(key);
    switch (key) {
    case VK_LEFT: case VK_RETURN: views::ShowWalletView(); break;
    case VK_SPACE: views::ToggleViewFlag(); break;
    case VK_UP: ScrollAgendaUp(); break;
    case VK_DOWN: ScrollAgendaDown(); break;
    default: break;
    }
}

}  // namespace

int HitPreviewCompleteBox(int x, int y) {
    if (g_CurItem.oid == kNoId) return 0;
    const bool vga = IsVgaScreen();
    const int right = g_Agenda.previewBuffer.width;
    const int w = vga ? kVgaCompleteBox : kCompleteBox;
    const int bottom = vga ? kVgaCompleteBoxBottom : kCompleteBoxBottom;
    if (x < right - w - kCompleteBoxLead || x > right || y < kCompleteBoxTop || y > bottom) return 0;
    ToggleTskComplete(-1);
    return 1;
}

void CreateTskPreviewBuffer(HDC dc) {
    if (g_Agenda.previewBuffer.valid) return;
    // As wide as the page the preview is laid out in, or its right-hand icons would fall outside.
    CreateOffscreen(g_Agenda.previewBuffer, dc, TskPreviewPage().right, GetPreviewHeight(dc));
}

int AgendaViewKeyDown(UINT key) {
    switch (ViewId) {
    case kViewDay: case kViewDates: ListKey(key); break;
    case kViewApptPreview: ApptPreviewKey(key); break;
    case kViewTaskPreview: TskPreviewKey(key); break;
    case kViewContactPreview: CtsPreviewKey(key); break;
    case kViewWalletItem: WalletItemKey(key); break;
    default: break;
    }
    return 1;
}

LRESULT CALLBACK AgendaViewWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(window, &ps);
        PaintAgendaView(dc);
        EndPaint(window, &ps);
        return 1;
    }
    case WM_KEYDOWN: return AgendaViewKeyDown(static_cast<UINT>(wParam));
    case WM_COMMAND:
        SendMessageW(GetParent(window), message, wParam, lParam);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_VSCROLL: AgendaViewVScroll(wParam); return 1;
    case WM_MOUSEMOVE:
        if (g_Agenda.stylusDown.x == -1) g_Agenda.stylusDown = PointOf(lParam);
        return 1;
    case WM_LBUTTONDOWN:
        AgendaViewStylusDown(window, lParam);
        g_Agenda.stylusDown = PointOf(lParam);
        return 1;
    case WM_LBUTTONUP: AgendaViewStylusUp(window, lParam); return 1;
    case WM_LBUTTONDBLCLK:
        if (AgendaViewDblTap(lParam)) return 1;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
