// TrackPopupMenu(Ex) and the loop of an open menu; see menu_tracking.h.
#include "shell/menu_tracking.h"

#include <algorithm>

#include "platform/device.h"
#include "platform/system.h"
#include "shell/menu_bar.h"
#include "shell/shell_paint.h"
#include "user/message_queue.h"
#include "user/modal_loop.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

// Room around the texts of a pop-up, at 96 dots per inch.
constexpr int kItemPadX96 = 8;
constexpr int kItemPadY96 = 4;
constexpr int kSubMenuArrowRoom96 = 12;
constexpr int kSeparatorHeight96 = 7;
constexpr int kBorder = 1;
constexpr LRESULT kNoActivate = 3;  // MA_NOACTIVATE

struct Level {
    HWND window = nullptr;
    HMENU menu = nullptr;
    std::vector<MenuItem> items;
    int selected = -1;
};

struct Tracking {
    HWND owner = nullptr;
    UINT flags = 0;
    std::vector<Level> levels;
    bool done = false;
    UINT chosen = 0;
    // A press opened a submenu: the lift of that same tap belongs to the press, not to whatever
    // item or level lies under the stylus after the submenu opened.
    bool liftOfOpeningTap = false;
    // Until the stylus comes down on the open menu, its moves and its lift belong to the press that
    // opened it (the end of a tap-and-hold), which chooses nothing.
    bool pressedSinceOpen = false;
};

thread_local Tracking* active = nullptr;

LRESULT CALLBACK PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) return PaintPopupMenu(hwnd);
    if (message == WM_MOUSEACTIVATE) return kNoActivate;  // the owner keeps the focus
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterPopupClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PopupProc;
        wc.lpszClassName = kPopupMenuClass;
        RegisterClassW(&wc);
    });
}

int RowHeight(const MenuItem& item) {
    if (item.IsSeparator()) return ScaleToScreen(kSeparatorHeight96);
    return MeasureShellText(u"Ag").cy + 2 * ScaleToScreen(kItemPadY96);
}

bool Selectable(const MenuItem& item) { return !item.IsSeparator(); }

RECT ScreenBounds() {
    const DeviceProfile& p = Profile();
    return {0, 0, p.screenWidth, p.screenHeight};
}

// Places a rectangle of `size` by the TPM_ alignment at `at`, kept on the screen.
RECT PlaceAt(POINT at, SIZE size, UINT flags) {
    LONG left = at.x, top = at.y;
    if (flags & TPM_RIGHTALIGN) left = at.x - size.cx;
    else if (flags & TPM_CENTERALIGN) left = at.x - size.cx / 2;
    if (flags & TPM_BOTTOMALIGN) top = at.y - size.cy;
    else if (flags & TPM_VCENTERALIGN) top = at.y - size.cy / 2;
    const RECT screen = ScreenBounds();
    left = std::max(screen.left, std::min(left, screen.right - size.cx));
    top = std::max(screen.top, std::min(top, screen.bottom - size.cy));
    return {left, top, left + size.cx, top + size.cy};
}

HWND TopLevelOwner(HWND owner) {
    HWND top = owner;
    while (top && (GetWindowLongW(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
    return top;
}

bool OpenLevel(Tracking& t, HMENU menu, int initIndex, const RECT* besideRow, POINT at) {
    if (!(t.flags & TPM_NONOTIFY))
        SendMessageW(t.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(initIndex, FALSE));
    Level level;
    level.menu = menu;
    level.items = MenuItems(menu);
    if (level.items.empty()) return false;
    const SIZE size = PopupSize(level.items);
    RECT r{};
    if (besideRow) {
        const RECT screen = ScreenBounds();
        const LONG left = besideRow->right + size.cx <= screen.right ? besideRow->right : besideRow->left - size.cx;
        r = PlaceAt({left, besideRow->top}, size, TPM_LEFTALIGN | TPM_TOPALIGN);
    } else {
        r = PlaceAt(at, size, t.flags);
    }
    RegisterPopupClass();
    level.window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPopupMenuClass, nullptr, WS_POPUP | WS_VISIBLE,
                                   r.left, r.top, r.right - r.left, r.bottom - r.top, TopLevelOwner(t.owner), nullptr,
                                   nullptr, nullptr);
    if (!level.window) return false;
    t.levels.push_back(std::move(level));
    return true;
}

void CloseInnermost(Tracking& t) {
    if (t.levels.empty()) return;
    const HWND window = t.levels.back().window;
    t.levels.pop_back();
    DestroyWindow(window);
}

void Finish(Tracking& t, UINT chosen) {
    t.chosen = chosen;
    t.done = true;
    while (!t.levels.empty()) CloseInnermost(t);
}

void Select(Level& level, int index) {
    if (level.selected == index) return;
    level.selected = index;
    InvalidateRect(level.window, nullptr, TRUE);
}

void Step(Level& level, int direction) {
    const int count = static_cast<int>(level.items.size());
    int i = level.selected;
    for (int tries = 0; tries < count; ++tries) {
        i = i < 0 ? (direction > 0 ? 0 : count - 1) : (i + direction + count) % count;
        if (Selectable(level.items[static_cast<std::size_t>(i)])) {
            Select(level, i);
            return;
        }
    }
}

RECT RowOnScreen(const Level& level, int index) {
    RECT row = PopupRow(level.items, index);
    POINT origin{0, 0};
    ClientToScreen(level.window, &origin);
    OffsetRect(&row, origin.x, origin.y);
    return row;
}

void OpenSelected(Tracking& t) {
    Level& level = t.levels.back();
    const int index = level.selected;
    if (index < 0) return;
    const HMENU sub = level.items[static_cast<std::size_t>(index)].subMenu;
    const RECT row = RowOnScreen(level, index);
    if (sub && OpenLevel(t, sub, index, &row, {})) Step(t.levels.back(), 1);
}

// Enter or a lifted stylus on the selected item of the innermost level.
void Activate(Tracking& t) {
    const Level& level = t.levels.back();
    if (level.selected < 0) return;
    const MenuItem& item = level.items[static_cast<std::size_t>(level.selected)];
    if (item.subMenu) OpenSelected(t);
    else if (!item.IsGrayed() && !item.IsSeparator()) Finish(t, item.id);
}

void Back(Tracking& t) {
    CloseInnermost(t);
    if (t.levels.empty()) Finish(t, 0);
}

void OnKey(Tracking& t, UINT key) {
    switch (key) {
    case VK_UP: Step(t.levels.back(), -1); break;
    case VK_DOWN: Step(t.levels.back(), 1); break;
    case VK_RIGHT: OpenSelected(t); break;
    case VK_LEFT:
        if (t.levels.size() > 1) CloseInnermost(t);
        break;
    case VK_RETURN: Activate(t); break;
    case VK_ESCAPE: Back(t); break;
    case VK_F1:
    case VK_F2: Finish(t, 0); break;
    }
}

// The innermost level under a screen point and its item there (-1 between items).
Level* LevelAt(Tracking& t, POINT screen, int* item, std::size_t* depth) {
    for (std::size_t d = t.levels.size(); d-- > 0;) {
        Level& level = t.levels[d];
        RECT r{};
        GetWindowRect(level.window, &r);
        if (!PtInRect(&r, screen)) continue;
        *item = -1;
        *depth = d;
        for (int i = 0; i < static_cast<int>(level.items.size()); ++i) {
            const RECT row = RowOnScreen(level, i);
            if (PtInRect(&row, screen) && Selectable(level.items[static_cast<std::size_t>(i)])) *item = i;
        }
        return &level;
    }
    return nullptr;
}

void OnStylus(Tracking& t, UINT message, POINT screen) {
    const bool press = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    if (press) t.pressedSinceOpen = true;
    if (!t.pressedSinceOpen) return;
    if (press) message = WM_LBUTTONDOWN;  // the second press of a double tap is a press like any
    if (message == WM_LBUTTONUP && t.liftOfOpeningTap) {
        t.liftOfOpeningTap = false;
        return;
    }
    int item = -1;
    std::size_t depth = 0;
    Level* level = LevelAt(t, screen, &item, &depth);
    if (!level) {
        if (message == WM_LBUTTONDOWN) Finish(t, 0);  // a press outside dismisses, and goes nowhere
        return;
    }
    while (t.levels.size() > depth + 1) CloseInnermost(t);
    Level& hit = t.levels.back();
    if (item >= 0) Select(hit, item);
    const bool onPopup = item >= 0 && hit.items[static_cast<std::size_t>(item)].subMenu;
    if (message == WM_LBUTTONDOWN && onPopup) {
        OpenSelected(t);
        t.liftOfOpeningTap = true;
    }
    if (message == WM_LBUTTONUP && item >= 0 && !onPopup) Activate(t);
}

bool IsKeyMessage(UINT m) { return m >= WM_KEYFIRST && m <= WM_KEYLAST; }
bool IsStylusMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }

POINT ScreenPointOf(const MSG& msg) {
    POINT p{static_cast<SHORT>(LOWORD(msg.lParam)), static_cast<SHORT>(HIWORD(msg.lParam))};
    if (msg.hwnd) ClientToScreen(msg.hwnd, &p);
    return p;
}

// Takes the thread's messages until the menu closes.
void RunMenuLoop(Tracking& t) {
    const auto queue = CurrentQueue();
    while (!t.done) {
        {
            const std::lock_guard guard(queue->lock);
            queue->woken = false;
        }
        if (!IsWindow(t.owner)) {
            Finish(t, 0);
            break;
        }
        MSG msg{};
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
                Finish(t, 0);
            } else if (IsKeyMessage(msg.message)) {
                if (msg.message == WM_KEYDOWN) OnKey(t, static_cast<UINT>(msg.wParam));
            } else if (msg.message == WM_HOTKEY) {
                if (HIWORD(msg.lParam) == VK_ESCAPE && !(LOWORD(msg.lParam) & MOD_KEYUP)) Back(t);
            } else if (IsStylusMessage(msg.message)) {
                OnStylus(t, msg.message, ScreenPointOf(msg));
            } else {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            continue;
        }
        if (RunModalAction()) continue;
        WaitForQueue(*queue);
    }
}

}  // namespace

SIZE PopupSize(const std::vector<MenuItem>& items) {
    const int padX = ScaleToScreen(kItemPadX96);
    LONG width = 0, height = 0;
    for (const MenuItem& item : items) {
        height += RowHeight(item);
        if (item.IsSeparator()) continue;
        const LONG arrow = item.subMenu ? ScaleToScreen(kSubMenuArrowRoom96) : 0;
        width = std::max(width, MeasureShellText(item.text).cx + 2 * padX + arrow);
    }
    return {width + 2 * kBorder, height + 2 * kBorder};
}

RECT PopupRow(const std::vector<MenuItem>& items, int index) {
    const SIZE size = PopupSize(items);
    LONG top = kBorder;
    for (int i = 0; i < index && i < static_cast<int>(items.size()); ++i) top += RowHeight(items[static_cast<std::size_t>(i)]);
    const LONG height = index < static_cast<int>(items.size()) ? RowHeight(items[static_cast<std::size_t>(index)]) : 0;
    return {kBorder, top, size.cx - kBorder, top + height};
}

bool ViewOfPopup(HWND popup, PopupView& out) {
    if (!active) return false;
    for (const Level& level : active->levels)
        if (level.window == popup) {
            out.items = level.items;
            out.selected = level.selected;
            return true;
        }
    return false;
}

bool MenuIsOpen() { return active && !active->levels.empty(); }

std::vector<std::u16string> OpenMenuTexts() {
    std::vector<std::u16string> texts;
    if (!MenuIsOpen()) return texts;
    for (const MenuItem& item : active->levels.back().items) texts.push_back(item.IsSeparator() ? u"-" : item.text);
    return texts;
}

UINT TrackMenu(HMENU menu, UINT flags, POINT at, HWND owner, int initIndex) {
    if (active || !IsMenu(menu) || !IsWindow(owner)) {
        SetLastError(active ? ERROR_INVALID_PARAMETER : (IsWindow(owner) ? ERROR_INVALID_MENU_HANDLE : ERROR_INVALID_WINDOW_HANDLE));
        return 0;
    }
    Tracking t;
    t.owner = owner;
    t.flags = flags;
    active = &t;
    if (OpenLevel(t, menu, initIndex, nullptr, at)) RunMenuLoop(t);
    else Finish(t, 0);
    active = nullptr;
    return t.chosen;
}

}  // namespace platform

using namespace platform;

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS) {
    if (!IsMenu(menu) || !IsWindow(owner)) {
        SetLastError(IsWindow(owner) ? ERROR_INVALID_MENU_HANDLE : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const UINT chosen = TrackMenu(menu, flags, {x, y}, owner, 0);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}
