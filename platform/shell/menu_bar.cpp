// SHCreateMenuBar and the soft-key bar window: made from the program's RCDATA bar and MENU
// resources (read in place), drawn at the bottom of the screen, pressed by the soft keys or the
// stylus, and answering the SHCMBM_ and button messages the program sends it.
#include "shell/menu_bar.h"

#include <map>
#include <mutex>

#include "platform/device.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "resources/softkey_bar.h"
#include "resources/string_table.h"
#include "shell/menu_tracking.h"
#include "shell/shell_paint.h"
#include "user/window_table.h"

namespace platform {
namespace {

constexpr int kVgaSide = 480;
constexpr int kSquare320Side = 320;
constexpr int kVgaBarHeight = 52;
constexpr int kSquare320BarHeight = 35;
constexpr int kBarHeight = 26;

struct BarRecord {
    HWND parent = nullptr;
    HMENU menu = nullptr;  // owned
    std::vector<SoftKeyButton> buttons;
    std::map<UINT, WORD> overrides;
    std::optional<COLORREF> background;
    int pressed = -1;
};

struct Bars {
    std::mutex lock;
    std::map<HWND, BarRecord> byWindow;
};

Bars& AllBars() {
    static Bars bars;
    return bars;
}

bool IsDeviceSize(DWORD size) { return size == SHMENUBARINFO_DEVICE_SIZE || size == sizeof(SHMENUBARINFO); }

std::u16string ButtonText(HINSTANCE instance, WORD stringId) {
    const auto text = FindString(instance, stringId);
    return text ? std::u16string(*text) : std::u16string();
}

// The buttons of a bar resource; false when the resource or its menu cannot be read.
bool ButtonsFromBarResource(const SHMENUBARINFO& info, BarRecord& record) {
    const auto bar = LoadSoftKeyBar(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId));
    if (!bar) return false;
    bool needsMenu = false;
    for (const SoftKeyBarButton& b : bar->buttons) {
        SoftKeyButton button;
        button.command = b.command;
        button.text = ButtonText(info.hInstRes, b.stringId);
        button.enabled = (b.state & TBSTATE_ENABLED) != 0;
        if ((b.style & TBSTYLE_DROPDOWN) && b.subMenu != kSoftKeyNoSubMenu) {
            button.subMenu = b.subMenu;
            needsMenu = true;
        }
        record.buttons.push_back(std::move(button));
    }
    record.menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(bar->menuId));
    if (!record.menu && needsMenu) return false;
    for (SoftKeyButton& b : record.buttons)
        if (b.subMenu >= GetMenuItemCount(record.menu)) b.subMenu = -1;
    return true;
}

// One button per top-level item of a menu resource.
bool ButtonsFromMenu(const SHMENUBARINFO& info, BarRecord& record) {
    record.menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId));
    if (!record.menu) return false;
    const auto items = MenuItems(record.menu);
    for (std::size_t i = 0; i < items.size(); ++i) {
        SoftKeyButton button;
        button.command = items[i].id;
        button.text = items[i].text;
        button.enabled = !items[i].IsGrayed();
        if (items[i].subMenu) button.subMenu = static_cast<int>(i);
        record.buttons.push_back(std::move(button));
    }
    return true;
}

BarRecord* PeekBar(HWND bar) {
    auto& bars = AllBars().byWindow;
    const auto it = bars.find(bar);
    return it == bars.end() ? nullptr : &it->second;
}

void Forget(HWND bar) {
    HMENU menu = nullptr;
    {
        const std::lock_guard guard(AllBars().lock);
        if (BarRecord* r = PeekBar(bar)) menu = r->menu;
        AllBars().byWindow.erase(bar);
    }
    if (menu) DestroyMenu(menu);
}

RECT BarRect() {
    const DeviceProfile& p = Profile();
    const int height = ShellBarHeight();
    return {0, p.screenHeight - height, p.screenWidth, p.screenHeight};
}

LRESULT OnGetSubMenu(HWND bar, UINT command) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    if (!r) return 0;
    for (const SoftKeyButton& b : r->buttons)
        if (b.command == command && b.subMenu >= 0) return reinterpret_cast<LRESULT>(GetSubMenu(r->menu, b.subMenu));
    return 0;
}

LRESULT OnOverrideKey(HWND bar, UINT key, LPARAM flags) {
    const std::lock_guard guard(AllBars().lock);
    BarRecord* r = PeekBar(bar);
    if (!r) return 0;
    WORD& bits = r->overrides[key];
    const WORD previous = bits;
    const WORD mask = LOWORD(flags);
    bits = static_cast<WORD>((bits & ~mask) | (HIWORD(flags) & mask));
    return previous;
}

LRESULT OnEnableButton(HWND bar, UINT command, bool enable) {
    {
        const std::lock_guard guard(AllBars().lock);
        BarRecord* r = PeekBar(bar);
        if (!r) return FALSE;
        bool found = false;
        for (SoftKeyButton& b : r->buttons)
            if (b.command == command) b.enabled = enable, found = true;
        if (!found) return FALSE;
    }
    InvalidateRect(bar, nullptr, TRUE);
    return TRUE;
}

LRESULT OnIsButtonEnabled(HWND bar, UINT command) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    if (r)
        for (const SoftKeyButton& b : r->buttons)
            if (b.command == command) return b.enabled ? TRUE : FALSE;
    return FALSE;
}

LRESULT OnSetBackground(HWND bar, COLORREF colour) {
    {
        const std::lock_guard guard(AllBars().lock);
        BarRecord* r = PeekBar(bar);
        if (!r) return 0;
        r->background = colour;
    }
    InvalidateRect(bar, nullptr, TRUE);
    return 1;
}

LRESULT OnBarMenu(HWND bar) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    return r ? reinterpret_cast<LRESULT>(r->menu) : 0;
}

LRESULT OnButtonCount(HWND bar) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    return r ? static_cast<LRESULT>(r->buttons.size()) : 0;
}

LRESULT OnBarTap(HWND bar, LPARAM lParam) {
    const POINT at{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    const int index = SoftKeyAt(bar, at);
    if (index >= 0) PressSoftKey(bar, index);
    return 0;
}

LRESULT OnBarKey(HWND bar, WPARAM key) {
    if (key == VK_TSOFT1) PressSoftKey(bar, 0);
    if (key == VK_TSOFT2) PressSoftKey(bar, 1);
    return 0;
}

// A command sent to the bar itself is one of its buttons pressed from outside: it goes to the owner,
// as a press of the button would.
LRESULT OnBarCommand(HWND bar, WPARAM wParam, LPARAM lParam) {
    const HWND parent = BarParent(bar);
    if (parent) PostMessageW(parent, WM_COMMAND, wParam, lParam);
    return 0;
}

LRESULT CALLBACK MenuBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return PaintMenuBar(bar);
    case WM_COMMAND: return OnBarCommand(bar, wParam, lParam);
    case WM_LBUTTONDOWN: return OnBarTap(bar, lParam);
    case WM_KEYDOWN: return OnBarKey(bar, wParam);
    case WM_NCDESTROY: Forget(bar); break;
    case SHCMBM_GETMENU: return OnBarMenu(bar);
    case SHCMBM_GETSUBMENU: return OnGetSubMenu(bar, static_cast<UINT>(lParam));
    case SHCMBM_OVERRIDEKEY: return OnOverrideKey(bar, static_cast<UINT>(wParam), lParam);
    case SHCMBM_SETBKCOLOR: return OnSetBackground(bar, static_cast<COLORREF>(lParam));
    case TB_ENABLEBUTTON: return OnEnableButton(bar, static_cast<UINT>(wParam), LOWORD(lParam) != 0);
    case TB_ISBUTTONENABLED: return OnIsButtonEnabled(bar, static_cast<UINT>(wParam));
    case TB_BUTTONCOUNT: return OnButtonCount(bar);
    }
    return DefWindowProcW(bar, message, wParam, lParam);
}

void RegisterMenuBarClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MenuBarProc;
        wc.lpszClassName = kMenuBarClass;
        RegisterClassW(&wc);
    });
}

bool HasClass(HWND hwnd, const WCHAR* name) {
    WCHAR buffer[32] = {};
    GetClassNameW(hwnd, buffer, 32);
    return std::u16string_view(buffer) == name;
}

}  // namespace

int ShellBarHeight() {
    const DeviceProfile& p = Profile();
    if (p.screenWidth >= kVgaSide && p.screenHeight >= kVgaSide) return kVgaBarHeight;
    if (p.screenWidth == kSquare320Side && p.screenHeight == kSquare320Side) return kSquare320BarHeight;
    return kBarHeight;
}

std::optional<SoftKeyBarView> ViewOfBar(HWND bar) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    if (!r) return std::nullopt;
    return SoftKeyBarView{r->buttons, r->background, r->pressed};
}

HWND ShownMenuBar() {
    for (const HWND h : TopLevelWindows()) {
        if (!IsWindowVisible(h) || !HasClass(h, kMenuBarClass)) continue;
        const HWND owner = GetWindow(h, GW_OWNER);
        if (!owner || IsWindowEnabled(owner)) return h;
    }
    return nullptr;
}

WORD BarKeyOverride(HWND bar, UINT key) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    if (!r) return 0;
    const auto it = r->overrides.find(key);
    return it == r->overrides.end() ? 0 : it->second;
}

HWND BarParent(HWND bar) {
    const std::lock_guard guard(AllBars().lock);
    const BarRecord* r = PeekBar(bar);
    return r ? r->parent : nullptr;
}

int SoftKeyAt(HWND bar, POINT client) {
    RECT r{};
    GetClientRect(bar, &r);
    const auto view = ViewOfBar(bar);
    if (!view || view->buttons.empty() || !PtInRect(&r, client)) return -1;
    const int count = static_cast<int>(view->buttons.size());
    return std::min(count - 1, static_cast<int>(client.x * count / std::max<LONG>(1, r.right)));
}

void PressSoftKey(HWND bar, int index) {
    HWND parent = nullptr;
    HMENU popup = nullptr;
    SoftKeyButton button;
    {
        const std::lock_guard guard(AllBars().lock);
        BarRecord* r = PeekBar(bar);
        if (!r || index < 0 || index >= static_cast<int>(r->buttons.size())) return;
        button = r->buttons[static_cast<std::size_t>(index)];
        if (!button.enabled) return;
        parent = r->parent;
        if (button.subMenu >= 0) {
            popup = GetSubMenu(r->menu, button.subMenu);
            r->pressed = index;
        }
    }
    if (!popup) {
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(button.command, 0), 0);
        return;
    }
    InvalidateRect(bar, nullptr, TRUE);
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    const bool left = index == 0;
    const POINT at{left ? barRect.left : barRect.right, barRect.top};
    const UINT chosen = TrackMenu(popup, TPM_BOTTOMALIGN | (left ? TPM_LEFTALIGN : TPM_RIGHTALIGN), at, parent,
                                  button.subMenu);
    {
        const std::lock_guard guard(AllBars().lock);
        if (BarRecord* r = PeekBar(bar)) r->pressed = -1;
    }
    if (IsWindow(bar)) InvalidateRect(bar, nullptr, TRUE);
    if (chosen) PostMessageW(parent, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

void PlaceMenuBars() {
    const RECT r = BarRect();
    std::vector<HWND> bars;
    {
        const std::lock_guard guard(AllBars().lock);
        for (const auto& [hwnd, record] : AllBars().byWindow) bars.push_back(hwnd);
    }
    for (const HWND bar : bars)
        SetWindowPos(bar, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace platform

using namespace platform;

BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
    if (!info || !IsDeviceSize(info->cbSize) || !IsWindow(info->hwndParent)) {
        SetLastError(info && !IsWindow(info->hwndParent) ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->hwndMB = nullptr;
    BarRecord record;
    record.parent = info->hwndParent;
    if (info->dwFlags & SHCMBF_COLORBK) record.background = info->clrBk;
    if (!(info->dwFlags & SHCMBF_EMPTYBAR)) {
        const bool built = (info->dwFlags & SHCMBF_HMENU) ? ButtonsFromMenu(*info, record) : ButtonsFromBarResource(*info, record);
        if (!built) {
            if (record.menu) DestroyMenu(record.menu);
            return FALSE;
        }
    }
    RegisterMenuBarClass();
    const RECT r = BarRect();
    const DWORD style = WS_POPUP | ((info->dwFlags & SHCMBF_HIDDEN) ? 0 : WS_VISIBLE);
    const HWND bar = CreateWindowExW(WS_EX_NOACTIVATE, kMenuBarClass, nullptr, style, r.left, r.top, r.right - r.left,
                                     r.bottom - r.top, info->hwndParent, nullptr, nullptr, nullptr);
    if (!bar) {
        if (record.menu) DestroyMenu(record.menu);
        return FALSE;
    }
    {
        const std::lock_guard guard(AllBars().lock);
        AllBars().byWindow[bar] = std::move(record);
    }
    InvalidateRect(bar, nullptr, TRUE);
    info->hwndMB = bar;
    return TRUE;
}

namespace platform {

HWND CreateSoftKeyBar(HWND parent, std::vector<SoftKeyButton> buttons, HMENU menu) {
    if (!IsWindow(parent)) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    RegisterMenuBarClass();
    const RECT r = BarRect();
    // Owned by no window: the application keeps it from one window of its own to the next.
    const HWND bar = CreateWindowExW(WS_EX_NOACTIVATE, kMenuBarClass, nullptr, WS_POPUP | WS_VISIBLE, r.left, r.top,
                                     r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    if (!bar) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    BarRecord record;
    record.parent = parent;
    record.menu = menu;
    record.buttons = std::move(buttons);
    {
        const std::lock_guard guard(AllBars().lock);
        AllBars().byWindow[bar] = std::move(record);
    }
    InvalidateRect(bar, nullptr, TRUE);
    return bar;
}

bool ReuseSoftKeyBar(HWND bar, HWND parent, std::vector<SoftKeyButton> buttons) {
    {
        const std::lock_guard guard(AllBars().lock);
        BarRecord* r = PeekBar(bar);
        if (!r || r->menu) return false;
        r->parent = parent;
        r->buttons = std::move(buttons);
        r->pressed = -1;
    }
    SetWindowPos(bar, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(bar, nullptr, TRUE);
    return true;
}

}  // namespace platform

HWND SHFindMenuBar(HWND window) {
    const std::lock_guard guard(AllBars().lock);
    for (const auto& [bar, record] : AllBars().byWindow)
        if (record.parent == window) return bar;
    return nullptr;
}
