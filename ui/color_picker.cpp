// The colour picker's state, grid and dialog. A colour that no palette holds leaves no cell
// selected; the picker then keeps the caller's colour instead of reading outside the palette.
#include "ui/color_picker.h"

#include <array>

#include "core/screen_class.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/menus.h"
#include "platform/resources.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/color_picker_palettes.h"
#include "ui/dialog_conventions.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

PickerState g_PickerState;
LONG MainPalette = 0;
COLORREF PickedColor = 0;

namespace {

constexpr COLORREF kWhiteCell = 0xFFFFFF;
constexpr COLORREF kWhiteOutline = 0xD7D7D7;
constexpr COLORREF kSelectFrame = 0x0000E6;
constexpr int kShadeAmount = 40;
constexpr int kTextChars = 64;

constexpr ColorGridLayout kQvgaLandscape{20, 10, 16, 12};
constexpr ColorGridLayout kQvgaSquare{8, 10, 14, 11};
constexpr ColorGridLayout kQvga{15, 10, 16, 9};
constexpr ColorGridLayout kSquare320{18, 10, 18, 11};
constexpr ColorGridLayout kVgaLandscape{36, 20, 32, 12};
constexpr ColorGridLayout kVga{12, 20, 32, 10};
constexpr ColorGridLayout kOtherScreen{15, 10, 16, 8};

bool IsPalette(LONG palette) { return palette >= 0 && palette < kPaletteCount; }

POINT CellOrigin(const ColorGridLayout& g, int columns, int index) {
    const int distance = g.cell + g.cell / 2;
    return POINT{g.x0 + (index % columns) * distance, g.y0 + (index / columns) * distance};
}

// Four one-pixel lines; the bottom one a pixel longer to close the corner.
void DrawLineFrame(HDC dc, const RECT& r, COLORREF colour) {
    DrawColorLine(dc, r.left, r.top, r.right, r.top, colour);
    DrawColorLine(dc, r.left, r.top, r.left, r.bottom, colour);
    DrawColorLine(dc, r.right, r.top, r.right, r.bottom, colour);
    DrawColorLine(dc, r.left, r.bottom, r.right + 1, r.bottom, colour);
}

void FillBox(HDC dc, int l, int t, int r, int b, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    const RECT rect{l, t, r, b};
    FillRect(dc, &rect, brush.Get());
}

void PaintCell(HDC dc, int x, int y, int cell, COLORREF colour, bool bigMark) {
    if (colour == kWhiteCell) {
        DrawLineFrame(dc, RECT{x, y, x + cell, y + cell}, kWhiteOutline);
        return;
    }
    FillBox(dc, x, y, x + cell, y + cell, colour);
    const int right = x + cell - 1;
    DrawLineFrame(dc, RECT{x, y, right, y + cell - 1}, DarkenColor(colour, kShadeAmount));
    const COLORREF light = LightenColor(colour, kShadeAmount);
    if (bigMark) {
        FillBox(dc, right - 8, y + 4, right - 4, y + 8, light);
    } else {
        FillBox(dc, right - 4, y + 2, right - 2, y + 4, light);
    }
}

void EndPicker(HWND dialog, INT_PTR result) {
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
}

void AcceptColor(HWND dialog) {
    TakePickerColor(g_PickerState);
    FreeBackBuffers();
    PickedColor = g_PickerState.colour;
    EndPicker(dialog, kDlgAccept);
}

LRESULT CALLBACK ColorPickerCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_GETDLGCODE || !lParam) return CallPrevWndProc(control, message, wParam, lParam);
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    const LRESULT previous = CallPrevWndProc(control, message, wParam, lParam);
    if (msg.message != WM_KEYDOWN) return previous;
    if (msg.wParam == VK_RETURN) {
        AcceptColor(GetParent(control));
        return previous;
    }
    ColorPickerKey(g_PickerState, static_cast<UINT>(msg.wParam), GetParent(control));
    return DLGC_WANTARROWS;
}

HRESULT SubclassColorPickerCtl(HWND control) { return InstallSubclass(control, ColorPickerCtlProc); }

void InitColorPickerDlg(HWND dialog) {
    std::array<WCHAR, kTextChars> title{};
    LoadStringW(g_Main.instance, IDS_SELECT_COLOR, title.data(), kTextChars);
    SetTitleText(dialog, title.data());
    const HWND focus = GetDlgItem(dialog, IDC_PICKER_FOCUS);
    SubclassColorPickerCtl(focus);
    SetFocus(focus);
}

INT_PTR OnColorPickerInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_COLOR_PICKER_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitColorPickerDlg(dialog);
    PushOpenDlg(dialog);
    return FALSE;
}

void PaintColorPicker(HWND dialog, HDC dc) { PaintColorGrid(g_PickerState, dc, dialog); }

INT_PTR OnColorPickerPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    PaintColorPicker(dialog, dc);
    EndPaint(dialog, &paint);
    return TRUE;
}

// The cell under the point, or -1.
LONG CellAt(const PickerState& state, int x, int y) {
    const ColorGridLayout g = GetColorGridLayout();
    for (LONG i = 0; i < state.count; ++i) {
        const POINT at = CellOrigin(g, state.columns, i);
        if (x >= at.x && x < at.x + g.cell && y >= at.y && y < at.y + g.cell) return i;
    }
    return -1;
}

INT_PTR OnColorPickerDoubleTap(HWND dialog, LPARAM lParam) {
    const LONG cell = CellAt(g_PickerState, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
    if (cell < 0) return TRUE;
    g_PickerState.index = cell;
    AcceptColor(dialog);
    return TRUE;
}

INT_PTR OnColorPickerCommand(HWND dialog, WORD id) {
    switch (id) {
    case IDOK:
    case kDlgAccept: AcceptColor(dialog); return TRUE;
    case IDM_ALL_COLORS: ToggleAllColors(dialog); return TRUE;
    case kDlgCancel: EndPicker(dialog, kDlgCancel); return TRUE;
    case IDCANCEL: EndPicker(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

}  // namespace

ColorGridLayout GetColorGridLayout() {
    if (IsQvgaScreen()) {
        if (IsLandscapeScreen()) return kQvgaLandscape;
        return IsSquareScreen() ? kQvgaSquare : kQvga;
    }
    if (IsSquare320Screen()) return kSquare320;
    if (IsVgaScreen()) return IsLandscapeScreen() ? kVgaLandscape : kVga;
    return kOtherScreen;
}

void SetColorGridColumns(PickerState& state) { state.columns = GetColorGridLayout().columns; }

LONG FindPaletteColor(const PickerState&, LONG palette, COLORREF colour) {
    if (!IsPalette(palette)) return -1;
    const auto cells = kPalettes[static_cast<std::size_t>(palette)];
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == colour) return static_cast<LONG>(i);
    }
    return -1;
}

void SetPickerPalette(PickerState& state, COLORREF colour, LONG palette) {
    state.colour = colour;
    state.palette = palette;
    state.count = IsPalette(palette) ? static_cast<LONG>(kPalettes[static_cast<std::size_t>(palette)].size()) : -1;
    state.index = FindPaletteColor(state, palette, colour);
}

COLORREF GetPickerColor(const PickerState& state) {
    if (!IsPalette(state.palette) || state.index < 0 || state.index >= state.count) return state.colour;
    return kPalettes[static_cast<std::size_t>(state.palette)][static_cast<std::size_t>(state.index)];
}

void TakePickerColor(PickerState& state) { state.colour = GetPickerColor(state); }

bool PickColorDlg(HWND parent, COLORREF colour, LONG palette) {
    MainPalette = palette;
    const bool inPalette = FindPaletteColor(g_PickerState, palette, colour) >= 0;
    SetPickerPalette(g_PickerState, colour, inPalette ? palette : kAllColorsPalette);
    SetColorGridColumns(g_PickerState);
    return RunProgramDialog(IDD_COLOR_PICKER, parent, ColorPickerDlgProc) == kDlgAccept;
}

bool ColorPickerHitTest(PickerState& state, HWND, int x, int y) {
    const LONG cell = CellAt(state, x, y);
    if (cell < 0 || cell == state.index) return false;
    state.index = cell;
    return true;
}

void PaintColorGrid(const PickerState& state, HDC dc, HWND window) {
    RECT view{};
    GetViewClientRect(window, view);
    OffscreenBuffer buffer;
    if (!CreateOffscreen(buffer, dc, view.right - view.left, view.bottom - view.top)) return;
    const ColorGridLayout g = GetColorGridLayout();
    const bool vga = IsVgaScreen();
    const bool bigMark = vga || IsSquare320Screen();
    for (LONG i = 0; i < state.count; ++i) {
        const POINT at = CellOrigin(g, state.columns, i);
        const COLORREF colour = kPalettes[static_cast<std::size_t>(state.palette)][static_cast<std::size_t>(i)];
        PaintCell(buffer.memDC, at.x, at.y, g.cell, colour, bigMark);
        if (i != state.index) continue;
        DrawLineFrame(buffer.memDC, RECT{at.x - 2, at.y - 2, at.x + g.cell + 1, at.y + g.cell + 1}, kSelectFrame);
        if (vga) DrawLineFrame(buffer.memDC, RECT{at.x - 4, at.y - 4, at.x + g.cell + 3, at.y + g.cell + 3}, kSelectFrame);
    }
    BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, 0, SRCCOPY);
    ReleaseOffscreen(buffer);
}

void ColorPickerKey(PickerState& state, UINT key, HWND dialog) {
    switch (key) {
    case VK_LEFT:
        if (state.index > 0) --state.index;
        break;
    case VK_RIGHT:
        if (state.index < state.count - 1) ++state.index;
        break;
    case VK_UP:
        if (state.index - state.columns > -1) state.index -= state.columns;
        break;
    case VK_DOWN:
        if (state.index + state.columns < state.count) state.index += state.columns;
        break;
    }
    RedrawNow(dialog);
}

void InitColorPickerMenu(HWND, HMENU menu) {
    std::array<WCHAR, kTextChars> text{};
    const bool all = g_PickerState.palette == kAllColorsPalette;
    LoadStringW(g_Main.instance, all ? IDS_MAIN_COLORS : IDS_ALL_COLORS, text.data(), kTextChars);
    ModifyMenuW(menu, IDM_ALL_COLORS, MF_BYCOMMAND | MF_STRING, IDM_ALL_COLORS, text.data());
    if (!all) return;
    const bool inMain = FindPaletteColor(g_PickerState, MainPalette, g_PickerState.colour) >= 0;
    EnableMenuItem(menu, IDM_ALL_COLORS, MF_BYCOMMAND | (inMain ? MF_ENABLED : MF_GRAYED));
}

void ToggleAllColors(HWND dialog) {
    const COLORREF selected = GetPickerColor(g_PickerState);
    const bool all = g_PickerState.palette == kAllColorsPalette;
    SetPickerPalette(g_PickerState, selected, all ? MainPalette : kAllColorsPalette);
    RedrawNow(dialog);
}

INT_PTR CALLBACK ColorPickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnColorPickerInit(dialog);
    case WM_SIZE:
        // A turned screen has another column count.
        SetColorGridColumns(g_PickerState);
        RedrawNow(dialog);
        return TRUE;
    case WM_PAINT: return OnColorPickerPaint(dialog);
    case WM_ERASEBKGND: return TRUE;
    case WM_INITMENUPOPUP: InitColorPickerMenu(dialog, reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_LBUTTONDOWN:
        if (ColorPickerHitTest(g_PickerState, dialog, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))))
            RedrawNow(dialog);
        return TRUE;
    case WM_LBUTTONDBLCLK: return OnColorPickerDoubleTap(dialog, lParam);
    case WM_COMMAND: return OnColorPickerCommand(dialog, LOWORD(wParam));
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}
