// The window procedures of the plain item lists: dialog lists with caption rows move their
// selection around the captions, item lists of views and dialogs hand Enter and double-taps to
// their parent and know the pen gestures; both paint the theme background behind their rows.
#include "core/screen_class.h"
#include "platform/user.h"
#include "ui/list_rows.h"
#include "ui/list_subclass.h"
#include "ui/list_view_calls.h"
#include "ui/subclass.h"

namespace {

bool IsPendingEnter(LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

void EnterToParent(HWND window) { SendMessageW(GetParent(window), WM_KEYDOWN, VK_RETURN, 0); }

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

LRESULT DlgCodeWithEnter(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallPrevWndProc(window, WM_GETDLGCODE, wParam, lParam);
    if (IsPendingEnter(lParam)) EnterToParent(window);
    return result;
}

// A pen-down in the check strip of a row activates the row.
void CheckStripTap(HWND window, POINT point) {
    const int row = ListHitTest(window, point.x, point.y);
    if (row < 0) return;
    RECT r{};
    if (!LvRowRect(window, row, r)) return;
    r.right = r.left + CheckStripWidth();
    if (PtInRect(&r, point)) EnterToParent(window);
}

LRESULT ItemListCommon(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool checkStrip) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        if (checkStrip) CheckStripTap(window, PointOf(lParam));
        ListTapStart(window, PointOf(lParam));
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        ListTapEnd(window, PointOf(lParam));
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        ListTapMove(window, PointOf(lParam));
        return result;
    }
    case WM_LBUTTONDBLCLK: EnterToParent(window); return 0;
    case WM_ERASEBKGND: EraseListBkgnd(reinterpret_cast<HDC>(wParam), window); return 0;
    case WM_GETDLGCODE: return DlgCodeWithEnter(window, wParam, lParam);
    default: return CallPrevWndProc(window, message, wParam, lParam);
    }
}

}  // namespace

int CheckStripWidth() { return IsVgaScreen() ? 48 : 24; }

LRESULT CALLBACK ListKeysProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_UP) return SelectPrevRowSkipSep(window), 0;
        if (wParam == VK_DOWN) return SelectNextRowSkipSep(window, GiveFocus::kYes), 0;
        return CallPrevWndProc(window, message, wParam, lParam);
    case WM_ERASEBKGND: EraseListBkgnd(reinterpret_cast<HDC>(wParam), window); return 0;
    case WM_GETDLGCODE: return DlgCodeWithEnter(window, wParam, lParam);
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        EnterToParent(window);
        return result;
    }
    default: return CallPrevWndProc(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ItemListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ItemListCommon(window, message, wParam, lParam, false);
}

LRESULT CALLBACK ItemListProcAlt(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ItemListCommon(window, message, wParam, lParam, true);
}

HRESULT SubclassListKeys(HWND window) { return InstallSubclass(window, ListKeysProc); }

HRESULT SubclassItemList(HWND window, CheckStrip variant) {
    return InstallSubclass(window, variant == CheckStrip::kYes ? ItemListProcAlt : ItemListProc);
}

