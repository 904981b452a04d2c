// The tool bar's window procedure and CreateToolbarEx: buttons added, changed, found and laid out
// from left to right, and their commands sent to the parent when tapped.
#include <algorithm>
#include <cstring>

#include "commctrl/controls.h"
#include "commctrl/paint_support.h"
#include "commctrl/toolbar.h"
#include "user/system_metrics.h"

namespace platform::commctrl {
namespace {

constexpr int kButtonPadding = 7;
constexpr int kSeparatorWidth96 = 8;
constexpr int kBarBorder = 2;
constexpr int kGrowImages = 4;

bool ValidButton(const Toolbar& tb, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < tb.buttons.size();
}

int IndexOfCommand(const Toolbar& tb, int command) {
    for (std::size_t i = 0; i < tb.buttons.size(); ++i)
        if (tb.buttons[i].command == command && !(tb.buttons[i].style & TBSTYLE_SEP)) return static_cast<int>(i);
    return -1;
}

// Reads button records of the caller's size (the size TB_BUTTONSTRUCTSIZE gave) field by field.
ToolbarButton ReadButton(const Toolbar& tb, const BYTE* at) {
    TBBUTTON record{};
    std::memcpy(&record, at, std::min<std::size_t>(tb.structSize, sizeof(TBBUTTON)));
    return ToolbarButton{record.iBitmap, record.idCommand, record.fsState, record.fsStyle, record.dwData, record.iString};
}

void Relayout(Toolbar& tb) { InvalidateRect(tb.hwnd, nullptr, TRUE); }

LRESULT InsertButtons(Toolbar& tb, int at, int count, const void* records) {
    if (!records || count < 0) return FALSE;
    at = std::clamp(at, 0, static_cast<int>(tb.buttons.size()));
    const auto* bytes = static_cast<const BYTE*>(records);
    const std::size_t stride = std::max<std::size_t>(tb.structSize, 1);
    for (int i = 0; i < count; ++i)
        tb.buttons.insert(tb.buttons.begin() + at + i, ReadButton(tb, bytes + static_cast<std::size_t>(i) * stride));
    Relayout(tb);
    return TRUE;
}

LRESULT AddBitmap(Toolbar& tb, const TBADDBITMAP* add) {
    if (!add) return -1;
    if (!tb.images) {
        tb.images = ImageList_Create(tb.bitmapSize.cx, tb.bitmapSize.cy, ILC_MASK | ILC_COLOR32, 0, kGrowImages);
        tb.ownsImages = true;
    }
    return AddBitmapImages(tb.images, add->hInst, add->nID);
}

LRESULT ChangeState(Toolbar& tb, int command, BYTE bit, bool on) {
    const int i = IndexOfCommand(tb, command);
    if (i < 0) return FALSE;
    ToolbarButton& b = tb.buttons[static_cast<std::size_t>(i)];
    b.state = static_cast<BYTE>(on ? (b.state | bit) : (b.state & ~bit));
    InvalidateRect(tb.hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT StateBit(const Toolbar& tb, int command, BYTE bit) {
    const int i = IndexOfCommand(tb, command);
    return i >= 0 && (tb.buttons[static_cast<std::size_t>(i)].state & bit) ? TRUE : FALSE;
}

LRESULT GetButton(const Toolbar& tb, int index, TBBUTTON* out) {
    if (!out || !ValidButton(tb, index)) return FALSE;
    const ToolbarButton& b = tb.buttons[static_cast<std::size_t>(index)];
    *out = TBBUTTON{};
    out->iBitmap = b.image;
    out->idCommand = b.command;
    out->fsState = b.state;
    out->fsStyle = b.style;
    out->dwData = b.data;
    out->iString = b.string;
    return TRUE;
}

LRESULT AutoSize(Toolbar& tb) {
    const LONG style = GetWindowLongW(tb.hwnd, GWL_STYLE);
    if (style & CCS_NORESIZE) return 0;
    const HWND parent = GetParent(tb.hwnd);
    RECT client{};
    if (parent) GetClientRect(parent, &client);
    RECT own{};
    GetWindowRect(tb.hwnd, &own);
    const int width = parent ? static_cast<int>(client.right) : static_cast<int>(own.right - own.left);
    SetWindowPos(tb.hwnd, nullptr, 0, 0, width, BarHeight(tb), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void Click(Toolbar& tb, int index) {
    ToolbarButton& b = tb.buttons[static_cast<std::size_t>(index)];
    if (b.style & TBSTYLE_CHECK) {
        if ((b.style & TBSTYLE_GROUP) == TBSTYLE_GROUP) {
            for (ToolbarButton& other : tb.buttons)
                if (&other != &b && (other.style & TBSTYLE_CHECKGROUP) == TBSTYLE_CHECKGROUP)
                    other.state = static_cast<BYTE>(other.state & ~TBSTATE_CHECKED);
            b.state |= TBSTATE_CHECKED;
        } else {
            b.state ^= TBSTATE_CHECKED;
        }
    }
    const int command = b.command;
    InvalidateRect(tb.hwnd, nullptr, TRUE);
    if (const HWND parent = GetParent(tb.hwnd))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(command, 0), reinterpret_cast<LPARAM>(tb.hwnd));
}

LRESULT OnButtonDown(Toolbar& tb, POINT point) {
    const int i = ButtonAt(tb, point);
    tb.pressed = -1;
    if (i < 0) return 0;
    ToolbarButton& b = tb.buttons[static_cast<std::size_t>(i)];
    if (!(b.state & TBSTATE_ENABLED) || (b.state & TBSTATE_HIDDEN) || (b.style & TBSTYLE_SEP)) return 0;
    tb.pressed = i;
    b.state |= TBSTATE_PRESSED;
    SetCapture(tb.hwnd);
    InvalidateRect(tb.hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnButtonUp(Toolbar& tb, POINT point) {
    const int down = tb.pressed;
    tb.pressed = -1;
    if (GetCapture() == tb.hwnd) ReleaseCapture();
    if (!ValidButton(tb, down)) return 0;
    tb.buttons[static_cast<std::size_t>(down)].state &= static_cast<BYTE>(~TBSTATE_PRESSED);
    InvalidateRect(tb.hwnd, nullptr, TRUE);
    // A press counts only when the stylus comes up on the same button.
    if (ButtonAt(tb, point) == down) Click(tb, down);
    return 0;
}

LRESULT OnPaint(Toolbar& tb) {
    PaintScope paint(tb.hwnd);
    if (paint.Dc()) PaintToolbar(tb, paint.Dc(), paint.Area());
    return 0;
}

LRESULT OnPrintClient(Toolbar& tb, HDC dc) {
    RECT rc{};
    GetClientRect(tb.hwnd, &rc);
    if (dc) PaintToolbar(tb, dc, rc);
    return 0;
}

LRESULT Dispatch(Toolbar& tb, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(wParam);
    switch (message) {
    case TB_BUTTONSTRUCTSIZE: tb.structSize = static_cast<UINT>(wParam); return 0;
    case TB_ADDBUTTONSW: return InsertButtons(tb, static_cast<int>(tb.buttons.size()), id, reinterpret_cast<const void*>(lParam));
    case TB_INSERTBUTTONW: return InsertButtons(tb, id, 1, reinterpret_cast<const void*>(lParam));
    case TB_DELETEBUTTON:
        if (!ValidButton(tb, id)) return FALSE;
        tb.buttons.erase(tb.buttons.begin() + id);
        Relayout(tb);
        return TRUE;
    case TB_GETBUTTON: return GetButton(tb, id, reinterpret_cast<TBBUTTON*>(lParam));
    case TB_BUTTONCOUNT: return static_cast<LRESULT>(tb.buttons.size());
    case TB_COMMANDTOINDEX: return IndexOfCommand(tb, id);
    case TB_ADDBITMAP: return AddBitmap(tb, reinterpret_cast<const TBADDBITMAP*>(lParam));
    case TB_SETIMAGELIST: {
        const HIMAGELIST previous = tb.ownsImages ? nullptr : tb.images;
        if (tb.ownsImages) ImageList_Destroy(tb.images);
        tb.images = reinterpret_cast<HIMAGELIST>(lParam);
        tb.ownsImages = false;
        Relayout(tb);
        return reinterpret_cast<LRESULT>(previous);
    }
    case TB_GETIMAGELIST: return reinterpret_cast<LRESULT>(tb.images);
    case TB_SETBITMAPSIZE:
        tb.bitmapSize = SIZE{std::max(1, static_cast<int>(LOWORD(lParam))), std::max(1, static_cast<int>(HIWORD(lParam)))};
        Relayout(tb);
        return TRUE;
    case TB_SETBUTTONSIZE:
        tb.buttonSize = SIZE{LOWORD(lParam), HIWORD(lParam)};
        Relayout(tb);
        return TRUE;
    case TB_GETBUTTONSIZE: return MAKELONG(ButtonSize(tb).cx, ButtonSize(tb).cy);
    case TB_AUTOSIZE: return AutoSize(tb);
    case TB_GETITEMRECT:
        if (!lParam || !ValidButton(tb, id)) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ButtonRect(tb, id);
        return TRUE;
    case TB_GETRECT:
        if (!lParam || IndexOfCommand(tb, id) < 0) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ButtonRect(tb, IndexOfCommand(tb, id));
        return TRUE;
    case TB_ENABLEBUTTON: return ChangeState(tb, id, TBSTATE_ENABLED, LOWORD(lParam) != 0);
    case TB_CHECKBUTTON: return ChangeState(tb, id, TBSTATE_CHECKED, LOWORD(lParam) != 0);
    case TB_PRESSBUTTON: return ChangeState(tb, id, TBSTATE_PRESSED, LOWORD(lParam) != 0);
    case TB_HIDEBUTTON: return ChangeState(tb, id, TBSTATE_HIDDEN, LOWORD(lParam) != 0);
    case TB_ISBUTTONENABLED: return StateBit(tb, id, TBSTATE_ENABLED);
    case TB_ISBUTTONCHECKED: return StateBit(tb, id, TBSTATE_CHECKED);
    case TB_ISBUTTONHIDDEN: return StateBit(tb, id, TBSTATE_HIDDEN);
    case TB_GETSTATE: return IndexOfCommand(tb, id) < 0 ? -1 : tb.buttons[static_cast<std::size_t>(IndexOfCommand(tb, id))].state;
    case TB_SETSTATE:
        if (IndexOfCommand(tb, id) < 0) return FALSE;
        tb.buttons[static_cast<std::size_t>(IndexOfCommand(tb, id))].state = static_cast<BYTE>(LOWORD(lParam));
        Relayout(tb);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(tb, PointFromLParam(lParam));
    case WM_LBUTTONUP: return OnButtonUp(tb, PointFromLParam(lParam));
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint(tb);
    case WM_PRINTCLIENT: return OnPrintClient(tb, reinterpret_cast<HDC>(wParam));
    default: return DefWindowProcW(tb.hwnd, message, wParam, lParam);
    }
}

}  // namespace

SIZE ButtonSize(const Toolbar& tb) {
    return SIZE{tb.buttonSize.cx > 0 ? tb.buttonSize.cx : tb.bitmapSize.cx + kButtonPadding,
                tb.buttonSize.cy > 0 ? tb.buttonSize.cy : tb.bitmapSize.cy + kButtonPadding};
}

RECT ButtonRect(const Toolbar& tb, int index) {
    const SIZE size = ButtonSize(tb);
    LONG x = kBarBorder;
    for (int i = 0; i < index; ++i) {
        const ToolbarButton& b = tb.buttons[static_cast<std::size_t>(i)];
        if (b.state & TBSTATE_HIDDEN) continue;
        x += (b.style & TBSTYLE_SEP) ? (b.image > 0 ? b.image : ScaleToScreen(kSeparatorWidth96)) : size.cx;
    }
    const ToolbarButton& b = tb.buttons[static_cast<std::size_t>(index)];
    const LONG width = (b.state & TBSTATE_HIDDEN) ? 0
                     : (b.style & TBSTYLE_SEP)    ? (b.image > 0 ? b.image : ScaleToScreen(kSeparatorWidth96))
                                                  : size.cx;
    return RECT{x, kBarBorder, x + width, kBarBorder + size.cy};
}

int ButtonAt(const Toolbar& tb, POINT point) {
    for (std::size_t i = 0; i < tb.buttons.size(); ++i) {
        const RECT rc = ButtonRect(tb, static_cast<int>(i));
        if (PtInRect(&rc, point)) return static_cast<int>(i);
    }
    return -1;
}

int BarHeight(const Toolbar& tb) { return ButtonSize(tb).cy + 2 * kBarBorder; }

LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ControlWindowProc<Toolbar, Dispatch>(hwnd, message, wParam, lParam);
}

}  // namespace platform::commctrl

HWND CreateToolbarEx(HWND parent, DWORD style, UINT id, int bitmaps, HINSTANCE bitmapInstance, UINT_PTR bitmapId,
                     LPCTBBUTTON buttons, int buttonCount, int buttonWidth, int buttonHeight, int bitmapWidth,
                     int bitmapHeight, UINT buttonStructSize) {
    InitCommonControls();
    const HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, u"", style | WS_CHILD, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    if (!bar) return nullptr;
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, buttonStructSize, 0);
    if (bitmapWidth > 0 && bitmapHeight > 0) SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELONG(bitmapWidth, bitmapHeight));
    if (buttonWidth > 0 && buttonHeight > 0) SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELONG(buttonWidth, buttonHeight));
    if (bitmaps > 0) {
        TBADDBITMAP add{bitmapInstance, bitmapId};
        SendMessageW(bar, TB_ADDBITMAP, static_cast<WPARAM>(bitmaps), reinterpret_cast<LPARAM>(&add));
    }
    if (buttons && buttonCount > 0)
        SendMessageW(bar, TB_ADDBUTTONSW, static_cast<WPARAM>(buttonCount), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
    return bar;
}
