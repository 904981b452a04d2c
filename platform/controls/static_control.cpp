// The static control: text (left, centred, right), an icon or a bitmap (STM_SETIMAGE), rectangles
// and frames. A static made from a template with a resource identifier as its title loads that
// icon or bitmap itself. With SS_NOTIFY a tap tells the parent STN_CLICKED.
#include "controls/static_control.h"

#include "platform/dialogs.h"
#include "platform/gdi.h"

namespace platform {
namespace {

ControlStates<StaticState>& States() {
    static ControlStates<StaticState> states;
    return states;
}

DWORD StaticType(HWND hwnd) { return StyleOf(hwnd) & SS_TYPEMASK; }

bool ShowsImage(DWORD type) { return type == SS_ICON || type == SS_BITMAP; }

void OnCreate(HWND hwnd, StaticState& state, const CREATESTRUCTW* cs) {
    const DWORD type = StaticType(hwnd);
    if (!cs || !ShowsImage(type) || !cs->lpszName || !IS_INTRESOURCE(cs->lpszName)) return;
    state.image = LoadStaticImage(cs->hInstance, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(cs->lpszName)), type);
    state.ownsImage = state.image != nullptr;
}

// An image the static loaded itself goes with it; one the program set stays the program's.
void ReleaseOwnImage(HWND hwnd, StaticState& state) {
    if (!state.ownsImage || !state.image) return;
    if (StaticType(hwnd) == SS_BITMAP) DeleteObject(state.image);
    else DestroyIcon(static_cast<HICON>(state.image));
    state.image = nullptr;
    state.ownsImage = false;
}

// The image type that the static's style shows; other images are refused.
LRESULT OnSetImage(HWND hwnd, StaticState& state, WPARAM type, LPARAM image) {
    const DWORD kind = StaticType(hwnd);
    const bool fits = (kind == SS_ICON && (type == IMAGE_ICON || type == IMAGE_CURSOR)) ||
                      (kind == SS_BITMAP && type == IMAGE_BITMAP);
    if (!fits) return 0;
    const HANDLE previous = state.image;
    state.image = reinterpret_cast<HANDLE>(image);
    state.ownsImage = false;  // the previous image now belongs to the caller
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT OnGetImage(HWND hwnd, const StaticState& state, WPARAM type) {
    const DWORD kind = StaticType(hwnd);
    if (kind == SS_ICON && (type == IMAGE_ICON || type == IMAGE_CURSOR)) return reinterpret_cast<LRESULT>(state.image);
    if (kind == SS_BITMAP && type == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(state.image);
    return 0;
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) States().Create(hwnd);
    const auto state = States().Find(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: OnCreate(hwnd, *state, reinterpret_cast<const CREATESTRUCTW*>(lParam)); return 0;
    case WM_NCDESTROY:
        ReleaseOwnImage(hwnd, *state);
        States().Destroy(hwnd);
        return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETIMAGE: return OnSetImage(hwnd, *state, wParam, lParam);
    case STM_GETIMAGE: return OnGetImage(hwnd, *state, wParam);
    case STM_SETICON: return OnSetImage(hwnd, *state, IMAGE_ICON, static_cast<LPARAM>(wParam));
    case STM_GETICON: return OnGetImage(hwnd, *state, IMAGE_ICON);
    case WM_LBUTTONDOWN:
        if (StyleOf(hwnd) & SS_NOTIFY) NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (StyleOf(hwnd) & SS_NOTIFY) NotifyParent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        if (StyleOf(hwnd) & SS_NOTIFY) NotifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETTEXT: {
        // A template's ordinal title names an image, not a text.
        if (ShowsImage(StaticType(hwnd))) return TRUE;
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT: state->font = reinterpret_cast<HFONT>(wParam); if (lParam) InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintStatic(hwnd, *state); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterStaticClass() { RegisterControlClass(WC_STATICW, StaticProc); }

}  // namespace platform
