// Scroll bars: the bars of windows with WS_VSCROLL or WS_HSCROLL (SetScrollInfo and its kin, which
// show or hide them as the range asks) and the scroll bar control (SBM_* messages, arrows, page
// areas and a thumb that the stylus drags), which reports to its parent with WM_VSCROLL or WM_HSCROLL.
#include "controls/scroll_bar.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>

#include "controls/control_look.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "user/window_proc.h"
#include "user/window_table.h"

namespace platform {
namespace {

// The bars of windows, by window and bar.
struct WindowBars {
    std::mutex lock;
    std::map<std::pair<HWND, int>, ScrollBarInfo> bars;
};

WindowBars& Bars() {
    static WindowBars bars;
    return bars;
}

ControlStates<ScrollBarInfo>& Controls() {
    static ControlStates<ScrollBarInfo> states;
    return states;
}

// Keeps a bar's numbers consistent: page within the range, position within what the page allows.
void Normalise(ScrollBarInfo& info) {
    if (info.max < info.min) info.max = info.min;
    const UINT span = static_cast<UINT>(info.max - info.min + 1);
    info.page = std::min(info.page, span);
    const int most = info.max - std::max(static_cast<int>(info.page) - 1, 0);
    info.pos = std::clamp(info.pos, info.min, std::max(most, info.min));
}

int Apply(ScrollBarInfo& info, const SCROLLINFO& in) {
    if (in.fMask & SIF_RANGE) {
        info.min = in.nMin;
        info.max = in.nMax;
    }
    if (in.fMask & SIF_PAGE) info.page = in.nPage;
    if (in.fMask & SIF_POS) info.pos = in.nPos;
    Normalise(info);
    return info.pos;
}

void Fill(const ScrollBarInfo& info, SCROLLINFO& out) {
    if (out.fMask & SIF_RANGE) {
        out.nMin = info.min;
        out.nMax = info.max;
    }
    if (out.fMask & SIF_PAGE) out.nPage = info.page;
    if (out.fMask & SIF_POS) out.nPos = info.pos;
    if (out.fMask & SIF_TRACKPOS) out.nTrackPos = info.tracking ? info.trackPos : info.pos;
}

bool Needed(const ScrollBarInfo& info) {
    return info.max > info.min && (info.page == 0 || info.page <= static_cast<UINT>(info.max - info.min));
}

// Shows or hides one of a window's bars; the client area changes, so the window hears WM_SIZE.
void ShowWindowBar(HWND hwnd, int bar, bool show) {
    bool changed = false;
    {
        const std::lock_guard guard(WindowLock());
        Window* w = Peek(hwnd);
        if (!w) return;
        bool& shown = bar == SB_VERT ? w->vscrollShown : w->hscrollShown;
        changed = shown != show;
        shown = show;
    }
    if (!changed) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    InvalidateRect(hwnd, nullptr, TRUE);
}

bool ValidBar(int bar) { return bar == SB_HORZ || bar == SB_VERT || bar == SB_CTL; }

bool Vertical(HWND hwnd) { return (StyleOf(hwnd) & SBS_VERT) != 0; }

int Length(HWND hwnd, int* arrow) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const bool vertical = Vertical(hwnd);
    const int length = vertical ? r.bottom : r.right;
    const int thickness = vertical ? r.right : r.bottom;
    *arrow = std::min(thickness, length / 2);
    return length;
}

void Report(HWND hwnd, int action, int pos) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return;
    SendMessageW(parent, Vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(action, static_cast<WORD>(pos)),
                 reinterpret_cast<LPARAM>(hwnd));
}

LRESULT OnPenDown(HWND hwnd, ScrollBarInfo& info, LPARAM lParam) {
    int arrow = 0;
    const int length = Length(hwnd, &arrow);
    const POINT pt = PointOf(lParam);
    const int at = Vertical(hwnd) ? pt.y : pt.x;
    const ThumbPlace thumb = PlaceThumb(info, length, arrow);
    int action = SB_ENDSCROLL;
    if (at < arrow) action = SB_LINEUP;
    else if (at >= length - arrow) action = SB_LINEDOWN;
    else if (at < thumb.start) action = SB_PAGEUP;
    else if (at >= thumb.start + thumb.size) action = SB_PAGEDOWN;
    SetCapture(hwnd);
    if (action == SB_ENDSCROLL) {
        info.tracking = true;
        info.trackPos = info.pos;
        info.dragOffset = at - thumb.start;
        return 0;
    }
    Report(hwnd, action, 0);
    return 0;
}

LRESULT OnPenMove(HWND hwnd, ScrollBarInfo& info, LPARAM lParam) {
    if (!info.tracking) return 0;
    int arrow = 0;
    const int length = Length(hwnd, &arrow);
    const POINT pt = PointOf(lParam);
    const int at = Vertical(hwnd) ? pt.y : pt.x;
    const int pos = PositionOfThumb(info, length, arrow, at - info.dragOffset);
    if (pos != info.trackPos) {
        info.trackPos = pos;
        Report(hwnd, SB_THUMBTRACK, pos);
    }
    return 0;
}

LRESULT OnPenUp(HWND hwnd, ScrollBarInfo& info) {
    // Reported before the capture goes: losing it ends the drag.
    if (info.tracking) {
        info.tracking = false;
        Report(hwnd, SB_THUMBPOSITION, info.trackPos);
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    Report(hwnd, SB_ENDSCROLL, 0);
    return 0;
}

LRESULT ScrollBarMessage(HWND hwnd, ScrollBarInfo& info, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SBM_SETPOS: {
        const int previous = info.pos;
        info.pos = static_cast<int>(wParam);
        Normalise(info);
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case SBM_GETPOS: return info.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int previous = info.pos;
        info.min = static_cast<int>(wParam);
        info.max = static_cast<int>(lParam);
        Normalise(info);
        if (message == SBM_SETRANGEREDRAW) InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case SBM_GETRANGE:
        if (auto* low = reinterpret_cast<LPINT>(wParam)) *low = info.min;
        if (auto* high = reinterpret_cast<LPINT>(lParam)) *high = info.max;
        return 0;
    case SBM_ENABLE_ARROWS: info.disabledArrows = static_cast<UINT>(wParam); InvalidateRect(hwnd, nullptr, TRUE); return TRUE;
    case SBM_SETSCROLLINFO: {
        const auto* in = reinterpret_cast<const SCROLLINFO*>(lParam);
        if (!in) return info.pos;
        const int pos = Apply(info, *in);
        if (wParam) InvalidateRect(hwnd, nullptr, TRUE);
        return pos;
    }
    case SBM_GETSCROLLINFO:
        if (auto* out = reinterpret_cast<SCROLLINFO*>(lParam)) Fill(info, *out);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnPenDown(hwnd, info, lParam);
    case WM_MOUSEMOVE: return OnPenMove(hwnd, info, lParam);
    case WM_LBUTTONUP: return OnPenUp(hwnd, info);
    case WM_CAPTURECHANGED: info.tracking = false; return 0;
    case WM_KEYDOWN: {
        const bool vertical = Vertical(hwnd);
        if (wParam == (vertical ? VK_UP : VK_LEFT)) Report(hwnd, SB_LINEUP, 0);
        else if (wParam == (vertical ? VK_DOWN : VK_RIGHT)) Report(hwnd, SB_LINEDOWN, 0);
        else if (wParam == VK_PRIOR) Report(hwnd, SB_PAGEUP, 0);
        else if (wParam == VK_NEXT) Report(hwnd, SB_PAGEDOWN, 0);
        else if (wParam == VK_HOME) Report(hwnd, SB_TOP, 0);
        else if (wParam == VK_END) Report(hwnd, SB_BOTTOM, 0);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintScrollBarControl(hwnd, info); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithControlState(Controls(), hwnd, message, wParam, lParam, ScrollBarMessage);
}

// Runs `f` on a window's bar under the lock; false for a bad window or bar.
template <typename F>
bool WithWindowBar(HWND hwnd, int bar, F f) {
    if (!IsWindow(hwnd) || (bar != SB_HORZ && bar != SB_VERT)) {
        SetLastError(IsWindow(hwnd) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    WindowBars& b = Bars();
    const std::lock_guard guard(b.lock);
    f(b.bars[{hwnd, bar}]);
    return true;
}

// Windows that are gone leave their bars behind; they are dropped with their window. A window that
// loses the pen mid-drag leaves its thumb where it is.
std::optional<LRESULT> ForgetBars(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_CAPTURECHANGED) CancelWindowBarDrag(hwnd);
    if (message != WM_NCDESTROY) return std::nullopt;
    WindowBars& b = Bars();
    const std::lock_guard guard(b.lock);
    b.bars.erase({hwnd, SB_HORZ});
    b.bars.erase({hwnd, SB_VERT});
    return std::nullopt;
}

// The screen rectangle of a window's shown bar; false when the bar is not shown.
bool WindowBarRect(HWND hwnd, int bar, RECT* out) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(hwnd);
    if (!w || !(bar == SB_VERT ? w->vscrollShown : w->hscrollShown)) return false;
    const RECT client = ClientRectScreen(*w);
    if (bar == SB_VERT) *out = {client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    else *out = {client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    return true;
}

ScrollBarInfo BarInfo(HWND hwnd, int bar) {
    WindowBars& b = Bars();
    const std::lock_guard guard(b.lock);
    const auto it = b.bars.find({hwnd, bar});
    return it == b.bars.end() ? ScrollBarInfo{} : it->second;
}

// A child's bars show only where its parents' client areas do.
void ClipToParents(HDC screen, HWND hwnd) {
    for (HWND child = hwnd; GetWindowLongW(child, GWL_STYLE) & WS_CHILD;) {
        const HWND parent = GetParent(child);
        if (!parent) return;
        RECT r{};
        GetClientRect(parent, &r);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&r), 2);
        IntersectClipRect(screen, r.left, r.top, r.right, r.bottom);
        child = parent;
    }
}

}  // namespace

void PaintWindowBars(HWND hwnd) {
    if (!IsWindowVisible(hwnd)) return;  // a hidden window's bars are not on the screen
    for (const int bar : {SB_VERT, SB_HORZ}) {
        RECT r{};
        if (!WindowBarRect(hwnd, bar, &r)) continue;
        const HDC screen = GetDC(nullptr);
        if (!screen) return;
        ClipToParents(screen, hwnd);
        ExcludeWindowsAbove(screen, hwnd);
        PaintScrollBar(screen, r, bar == SB_VERT, BarInfo(hwnd, bar), IsWindowEnabled(hwnd) != FALSE);
        ReleaseDC(nullptr, screen);
    }
}

namespace {

// A thumb of a window's bar being dragged by the pen (one at a time per thread).
struct BarDrag {
    HWND hwnd = nullptr;
    int bar = SB_VERT;
    int grab = 0;  // where on the thumb the pen holds it
    int trackPos = 0;
};
thread_local BarDrag barDrag;

// The window and bar the pen came down on, until it lifts (one pen per thread).
struct BarPress {
    HWND hwnd = nullptr;
    int bar = SB_VERT;
    bool scrolled = false;
};
thread_local BarPress barPress;

// Where the pen is along a bar, and the bar's measures.
struct BarPlace {
    RECT rect{};
    int at = 0;
    int length = 0;
    int arrow = 0;
};

BarPlace PlaceOnBar(HWND hwnd, int bar, const RECT& r, LPARAM lParam) {
    POINT pt = PointOf(lParam);
    ClientToScreen(hwnd, &pt);
    const bool vertical = bar == SB_VERT;
    const int length = vertical ? r.bottom - r.top : r.right - r.left;
    const int arrow = std::min<int>(vertical ? r.right - r.left : r.bottom - r.top, length / 2);
    return {r, vertical ? pt.y - r.top : pt.x - r.left, length, arrow};
}

// The bar of a window under a point in its client coordinates, or -1.
int WindowBarAt(HWND hwnd, LPARAM lParam, RECT* rect) {
    POINT pt = PointOf(lParam);
    ClientToScreen(hwnd, &pt);
    for (const int bar : {SB_VERT, SB_HORZ})
        if (WindowBarRect(hwnd, bar, rect) && PtInRect(rect, pt)) return bar;
    return -1;
}

UINT BarMessage(int bar) { return bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL; }

// A pen-down on a window's bar: the request sent, SB_THUMBTRACK for a drag begun, or -1 where the bar
// cannot scroll (a disabled arrow, or a bar kept on screen by SIF_DISABLENOSCROLL without a range).
int PressWindowBar(HWND hwnd, int bar, const RECT& r, LPARAM lParam) {
    const ScrollBarInfo info = BarInfo(hwnd, bar);
    if (!Needed(info)) return -1;
    const BarPlace place = PlaceOnBar(hwnd, bar, r, lParam);
    const ThumbPlace thumb = PlaceThumb(info, place.length, place.arrow);
    int action = SB_THUMBTRACK;
    if (place.at < place.arrow) action = SB_LINEUP;
    else if (place.at >= place.length - place.arrow) action = SB_LINEDOWN;
    else if (place.at < thumb.start) action = SB_PAGEUP;
    else if (place.at >= thumb.start + thumb.size) action = SB_PAGEDOWN;
    if (action == SB_LINEUP && (info.disabledArrows & ESB_DISABLE_LTUP)) return -1;
    if (action == SB_LINEDOWN && (info.disabledArrows & ESB_DISABLE_RTDN)) return -1;
    if (action != SB_THUMBTRACK) {
        SendMessageW(hwnd, BarMessage(bar), MAKEWPARAM(action, 0), 0);
        return action;
    }
    // On the thumb: it follows the pen until the pen lifts.
    barDrag = {hwnd, bar, place.at - thumb.start, info.pos};
    SetCapture(hwnd);
    return action;
}

}  // namespace

bool TapWindowBar(HWND hwnd, LPARAM lParam) {
    RECT r{};
    const int bar = WindowBarAt(hwnd, lParam, &r);
    if (bar < 0) return false;
    PressWindowBar(hwnd, bar, r, lParam);
    return true;
}

bool DragWindowBar(HWND hwnd, LPARAM lParam) {
    if (barDrag.hwnd != hwnd) return false;
    RECT r{};
    if (!WindowBarRect(hwnd, barDrag.bar, &r)) return true;
    const ScrollBarInfo info = BarInfo(hwnd, barDrag.bar);
    const BarPlace place = PlaceOnBar(hwnd, barDrag.bar, r, lParam);
    const int pos = PositionOfThumb(info, place.length, place.arrow, place.at - barDrag.grab);
    if (pos != barDrag.trackPos) {
        barDrag.trackPos = pos;
        SendMessageW(hwnd, BarMessage(barDrag.bar), MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(pos)), 0);
    }
    return true;
}

void CancelWindowBarDrag(HWND hwnd) {
    if (barDrag.hwnd == hwnd) barDrag = {};
}

bool TakeWindowBarPen(const MSG& msg) {
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        barPress = {};
        RECT r{};
        const int bar = msg.hwnd ? WindowBarAt(msg.hwnd, msg.lParam, &r) : -1;
        if (bar < 0) return false;
        barPress = {msg.hwnd, bar, PressWindowBar(msg.hwnd, bar, r, msg.lParam) >= 0};
        return true;
    }
    case WM_MOUSEMOVE:
        if (!msg.hwnd || barPress.hwnd != msg.hwnd) return false;
        DragWindowBar(msg.hwnd, msg.lParam);
        return true;
    case WM_LBUTTONUP: {
        if (!msg.hwnd || barPress.hwnd != msg.hwnd) return false;
        const BarPress press = barPress;
        barPress = {};
        // A dragged thumb ends with its own SB_ENDSCROLL; an arrow or a page area ends here.
        if (!EndWindowBarDrag(press.hwnd) && press.scrolled) SendMessageW(press.hwnd, BarMessage(press.bar), MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        return true;
    }
    default: return false;
    }
}

bool EndWindowBarDrag(HWND hwnd) {
    if (barDrag.hwnd != hwnd) return false;
    const BarDrag drag = barDrag;
    barDrag = {};
    const UINT message = BarMessage(drag.bar);
    SendMessageW(hwnd, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(drag.trackPos)), 0);
    if (GetCapture() == hwnd) ReleaseCapture();
    SendMessageW(hwnd, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    return true;
}

ThumbPlace PlaceThumb(const ScrollBarInfo& info, int length, int arrow) {
    const int track = std::max(length - 2 * arrow, 0);
    const long span = static_cast<long>(info.max) - info.min + 1;
    if (span <= 0 || track <= 0) return {arrow, 0};
    const int smallest = std::min(track, std::max(arrow / 2, 6));
    const int size = info.page ? std::clamp(static_cast<int>(track * static_cast<long>(info.page) / span), smallest, track)
                               : std::min(track, std::max(arrow, smallest));
    const long travel = span - std::max<long>(info.page, 1);
    const int room = track - size;
    const int offset = travel > 0 ? static_cast<int>(room * static_cast<long>(info.pos - info.min) / travel) : 0;
    return {arrow + std::clamp(offset, 0, room), size};
}

int PositionOfThumb(const ScrollBarInfo& info, int length, int arrow, int start) {
    const ThumbPlace thumb = PlaceThumb(info, length, arrow);
    const int room = std::max(length - 2 * arrow - thumb.size, 0);
    const long travel = static_cast<long>(info.max) - info.min + 1 - std::max<long>(info.page, 1);
    if (room == 0 || travel <= 0) return info.min;
    const int offset = std::clamp(start - arrow, 0, room);
    return info.min + static_cast<int>((offset * travel + room / 2) / room);
}

void RegisterScrollBarClass() {
    RegisterControlClass(WC_SCROLLBARW, ScrollBarProc);
    AddDefWindowHandler(ForgetBars);
}

}  // namespace platform

using namespace platform;

int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
    if (!info || !ValidBar(bar)) return 0;
    if (bar == SB_CTL) return static_cast<int>(SendMessageW(window, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
    int pos = 0;
    bool needed = false;
    if (!WithWindowBar(window, bar, [&](ScrollBarInfo& b) {
            pos = Apply(b, *info);
            needed = Needed(b);
        }))
        return 0;
    // A bar appears when the range needs it; SIF_DISABLENOSCROLL keeps it shown (disabled) otherwise.
    ShowWindowBar(window, bar, needed || (info->fMask & SIF_DISABLENOSCROLL));
    if (redraw) PaintWindowBars(window);
    return pos;
}

BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info) {
    if (!info || !ValidBar(bar)) return FALSE;
    if (bar == SB_CTL) return static_cast<BOOL>(SendMessageW(window, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    return WithWindowBar(window, bar, [&](ScrollBarInfo& b) { Fill(b, *info); }) ? TRUE : FALSE;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(window, bar, &info);
    const int previous = info.nPos;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(window, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND window, int bar) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND window, int bar, int minPos, int maxPos, BOOL redraw) {
    const SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, minPos, maxPos, 0, 0, 0};
    if (!ValidBar(bar) || !IsWindow(window)) return FALSE;
    SetScrollInfo(window, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND window, int bar, LPINT minPos, LPINT maxPos) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(window, bar, &info)) return FALSE;
    if (minPos) *minPos = info.nMin;
    if (maxPos) *maxPos = info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show) {
    if (!IsWindow(window)) return FALSE;
    if (bar == SB_CTL) return ShowWindow(window, show ? SW_SHOW : SW_HIDE), TRUE;
    if (bar == SB_HORZ || bar == SB_BOTH) ShowWindowBar(window, SB_HORZ, show != FALSE);
    if (bar == SB_VERT || bar == SB_BOTH) ShowWindowBar(window, SB_VERT, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows) {
    if (bar == SB_CTL) return static_cast<BOOL>(SendMessageW(window, SBM_ENABLE_ARROWS, arrows, 0));
    if (bar == SB_BOTH) return EnableScrollBar(window, SB_HORZ, arrows) && EnableScrollBar(window, SB_VERT, arrows);
    return WithWindowBar(window, static_cast<int>(bar), [&](ScrollBarInfo& b) { b.disabledArrows = arrows; }) ? TRUE : FALSE;
}
