// The icon picker's grid: its geometry by screen class, the hit test, the painting through an
// off-screen bitmap, and the keys, which the focus control hands over from its dialog-code query.
#include "ui/icon_picker.h"

#include <array>

#include "core/cat_record.h"
#include "core/screen_class.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

LONG PickedIcon = kNoIcon;

namespace {

constexpr COLORREF kPickFrame = 0x0000E6;
constexpr int kFrameOut = 2;   // the frames stand this far outside the icon
constexpr int kTitleChars = 64;

constexpr IconGridLayout kQvgaLandscape{4, 4, 20, 14, 12, 16, true};
constexpr IconGridLayout kQvgaSquare{12, 7, 16, 12, 8, 14, false};
constexpr IconGridLayout kQvga{40, 7, 16, 12, 8, 10, false};
constexpr IconGridLayout kSquare320{10, 4, 19, 19, 16, 16, true};
constexpr IconGridLayout kVgaLandscape{70, 10, 28, 28, 24, 18, true};
constexpr IconGridLayout kVgaSquare{20, 10, 28, 28, 24, 16, true};
constexpr IconGridLayout kVga{20, 20, 28, 28, 24, 16, true};
constexpr IconGridLayout kOtherScreen{6, 2, 12, 12, 8, 14, false};

// Icon i sits one cell after the no-icon cell.
POINT IconCell(const IconGridLayout& g, int icon) {
    const int cell = icon + 1;
    return POINT{g.x0 + (cell % g.columns) * g.step, g.y0 + (cell / g.columns) * g.rowStep};
}

RECT NoIconFrame(const IconGridLayout& g) {
    return RECT{g.x0 - kFrameOut, g.y0 - kFrameOut, g.x0 + g.size + kFrameOut, g.y0 + g.size + kFrameOut};
}

RECT IconFrame(const IconGridLayout& g, int icon) {
    const POINT at = IconCell(g, icon);
    return RECT{at.x - kFrameOut, at.y - kFrameOut, at.x + g.size + 1, at.y + g.size + 1};
}

void EndPicker(HWND dialog, INT_PTR result) {
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
}

LRESULT CALLBACK IconPickerCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_GETDLGCODE || !lParam) return CallPrevWndProc(control, message, wParam, lParam);
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    const LRESULT previous = CallPrevWndProc(control, message, wParam, lParam);
    if (msg.message != WM_KEYDOWN) return previous;
    if (msg.wParam == VK_RETURN) {
        // Every way out but the close request leaves the open-dialog stack.
        EndPicker(GetParent(control), kDlgAccept);
        return previous;
    }
    IconPickerKey(static_cast<UINT>(msg.wParam), GetParent(control));
    return DLGC_WANTARROWS;
}

HRESULT SubclassIconPickerCtl(HWND control) { return InstallSubclass(control, IconPickerCtlProc); }

void InitIconPickerDlg(HWND dialog) {
    std::array<WCHAR, kTitleChars> title{};
    LoadStringW(g_Main.instance, IDS_SELECT_ICON, title.data(), kTitleChars);
    SetTitleText(dialog, title.data());
    const HWND focus = GetDlgItem(dialog, IDC_PICKER_FOCUS);
    SubclassIconPickerCtl(focus);
    SetFocus(focus);
}

INT_PTR OnIconPickerInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_ICON_PICKER_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitIconPickerDlg(dialog);
    PushOpenDlg(dialog);
    return FALSE;  // the focus is set
}

INT_PTR OnIconPickerPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    PaintIconPicker(dc, dialog);
    EndPaint(dialog, &paint);
    return TRUE;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

INT_PTR OnIconPickerCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept: EndPicker(dialog, kDlgAccept); return TRUE;
    case kDlgCancel: EndPicker(dialog, kDlgCancel); return TRUE;
    case IDCANCEL: EndPicker(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

}  // namespace

IconGridLayout GetIconGridLayout() {
    if (IsQvgaScreen()) {
        if (IsLandscapeScreen()) return kQvgaLandscape;
        return IsSquareScreen() ? kQvgaSquare : kQvga;
    }
    if (IsSquare320Screen()) return kSquare320;
    if (IsVgaScreen()) {
        if (IsLandscapeScreen()) return kVgaLandscape;
        return IsSquareScreen() ? kVgaSquare : kVga;
    }
    return kOtherScreen;
}

bool PickIconDlg(HWND parent, LONG icon) {
    PickedIcon = icon;
    return RunProgramDialog(IDD_ICON_PICKER, parent, IconPickerDlgProc) == kDlgAccept;
}

bool PickCatIconDlg(HWND parent, int catIndex) {
    const LONG icon = catIndex >= 0 && catIndex < g_CatList.Size() ? g_CatList[catIndex].icon : kNoIcon;
    return PickIconDlg(parent, icon);
}

bool IconPickerHitTest(HWND, POINT point) {
    const IconGridLayout g = GetIconGridLayout();
    const RECT none = NoIconFrame(g);
    if (PtInRect(&none, point)) {
        PickedIcon = kNoIcon;
        return true;
    }
    if (CustomIconCount < 1) return false;
    for (int icon = 0; icon < CustomIconCount; ++icon) {
        const RECT cell = IconFrame(g, icon);
        if (PtInRect(&cell, point)) {
            PickedIcon = icon;
            return true;
        }
    }
    return false;
}

void PaintIconPicker(HDC dc, HWND dialog) {
    const IconGridLayout g = GetIconGridLayout();
    RECT view{};
    GetViewClientRect(dialog, view);
    OffscreenBuffer buffer;
    if (!CreateOffscreen(buffer, dc, view.right - view.left, view.bottom - view.top)) return;
    const HDC memory = buffer.memDC;
    if (PickedIcon == kNoIcon) DrawFrameRect(memory, NoIconFrame(g), kPickFrame, Corners::Closed, LineStyle::Solid, 1);
    const IconSize size = g.large ? IconSize::Large : IconSize::Small;
    for (int icon = 0; icon < CustomIconCount; ++icon) {
        const POINT at = IconCell(g, icon);
        DrawCustomIconBySize(memory, at.x, at.y, icon, size, true);
        if (icon == PickedIcon) DrawFrameRect(memory, IconFrame(g, icon), kPickFrame, Corners::Closed, LineStyle::Solid, 1);
    }
    BitBlt(dc, 0, 0, buffer.width, buffer.height, memory, 0, 0, SRCCOPY);
    ReleaseOffscreen(buffer);
}

void IconPickerKey(UINT key, HWND dialog) {
    const int columns = GetIconGridLayout().columns;
    switch (key) {
    case VK_RIGHT:
        if (PickedIcon < CustomIconCount - 1) ++PickedIcon;
        break;
    case VK_LEFT:
        if (PickedIcon > kNoIcon) --PickedIcon;
        break;
    case VK_DOWN:
        if (PickedIcon + columns < CustomIconCount) PickedIcon += columns;
        break;
    case VK_UP:
        if (PickedIcon - columns > kNoIcon) PickedIcon -= columns;
        break;
    case VK_RETURN: EndPicker(dialog, kDlgAccept); return;
    }
    RedrawNow(dialog);
}

INT_PTR CALLBACK IconPickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnIconPickerInit(dialog);
    case WM_PAINT: return OnIconPickerPaint(dialog);
    case WM_ERASEBKGND: return TRUE;
    case WM_LBUTTONDOWN:
        if (IconPickerHitTest(dialog, PointOf(lParam))) RedrawNow(dialog);
        return TRUE;
    case WM_LBUTTONDBLCLK:
        if (IconPickerHitTest(dialog, PointOf(lParam))) EndPicker(dialog, kDlgAccept);
        return TRUE;
    case WM_COMMAND: return OnIconPickerCommand(dialog, LOWORD(wParam));
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}
