// View rectangles, bar and row heights by screen class, and the placing of the view windows.
#include "ui/layout.h"

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/list_rows.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/view_windows.h"

namespace {

constexpr int kVgaBarHeight = 52;
constexpr int kSquare320BarHeight = 35;
constexpr int kBarHeight = 26;

// Bottom edges of the view area on the screens without their own bar height.
constexpr LONG kSquareOrLandscapeBottom = 188;
constexpr LONG kWqvgaPortraitBottom = 348;
constexpr LONG kPortraitBottom = 268;

constexpr UINT kQvgaRowHeight = 26;
constexpr UINT kVgaRowHeight = 59;
constexpr UINT kRowHeight = 20;

void PlaceInViewRect(HWND window, PlaceMode mode) {
    RECT r{};
    if (mode == kPlaceTree && GetThemeWord(kThemeTreeMargins) == 0)
        GetViewClientRect(g_Frame.mainWnd, r);
    else
        GetViewRect(r);
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace

int GetBarHeight() {
    if (IsVgaScreen()) return kVgaBarHeight;
    if (IsSquare320Screen()) return kSquare320BarHeight;
    return kBarHeight;
}

void GetViewClientRect(HWND window, RECT& rect) {
    GetClientRect(window, &rect);
    const bool isMain = window != nullptr && window == g_Frame.mainWnd;
    if (IsSquare320Screen() || IsVgaScreen()) {
        // Dialogs and child windows on these screens have no shell bar to leave room for.
        if (isMain) rect.bottom -= IsVgaScreen() ? kVgaBarHeight : kSquare320BarHeight;
        return;
    }
    if (IsSquareScreen()) rect.bottom = kSquareOrLandscapeBottom;
    if (IsLandscapeScreen()) rect.bottom = kSquareOrLandscapeBottom;
    if (IsPortraitScreen()) rect.bottom = IsWqvgaScreen() ? kWqvgaPortraitBottom : kPortraitBottom;
}

void GetViewRect(RECT& rect) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const LONG side = GetThemeWord(kThemeViewMarginSide);
    rect.left = side;
    rect.top = GetThemeWord(kThemeViewMarginTop);
    rect.right = client.right - side;
    rect.bottom = client.bottom - GetThemeWord(kThemeViewMarginBottom);
}

UINT GetItemListRowHeight() {
    if (IsQvgaScreen() || IsSquare320Screen()) return kQvgaRowHeight;
    if (IsVgaScreen()) return kVgaRowHeight;
    return kRowHeight;
}

void MeasureItemListRow(MEASUREITEMSTRUCT& measure) { measure.itemHeight = GetItemListRowHeight(); }

void FitListColumn(HWND list) {
    RECT r{};
    GetViewClientRect(g_Frame.mainWnd, r);
    int width = r.right - r.left - 2 * GetThemeWord(kThemeViewMarginSide);
    const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    if (count > SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)) width -= GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
}

void PlaceViewWnd(HWND window, PlaceMode mode) {
    if (!window) return;
    PlaceInViewRect(window, mode);
    if (mode == kPlaceList) FitListColumn(window);
    ShowWindow(window, SW_SHOW);
    if (mode == kPlaceList) EnsureSelRowVisible(window);
    SetFocus(window);
}

void MoveViewWnd(HWND window, PlaceMode mode) {
    if (!window) return;
    PlaceInViewRect(window, mode);
    if (mode == kPlaceList) {
        FitListColumn(window);
        EnsureSelRowVisible(window);
    }
}
