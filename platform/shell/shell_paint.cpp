// The painters of the shell's windows: the soft-key bar, the pop-up menus and the navigation bar,
// in the shell's own colours and font.
#include "shell/shell_paint.h"

#include <algorithm>

#include "platform/gdi.h"
#include "shell/menu_bar.h"
#include "shell/menu_tracking.h"
#include "shell/nav_bar.h"
#include "shell/shell_drawing.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr COLORREF kPressedColour = RGB(70, 110, 180);
constexpr COLORREF kBarTextColour = RGB(255, 255, 255);
constexpr COLORREF kDisabledTextColour = RGB(128, 128, 128);
constexpr COLORREF kDividerColour = RGB(96, 100, 110);
constexpr COLORREF kMenuBorderColour = RGB(64, 64, 64);
constexpr COLORREF kMenuTextColour = RGB(0, 0, 0);
constexpr COLORREF kMenuGreyedColour = RGB(160, 160, 160);
constexpr COLORREF kSeparatorColour = RGB(192, 192, 192);
constexpr int kTextPad96 = 6;
constexpr int kArrowSize96 = 4;
constexpr int kCheckSize96 = 6;

void DrawButtons(HDC dc, const RECT& client, const SoftKeyBarView& view, HFONT font) {
    const int count = static_cast<int>(view.buttons.size());
    const SelectedObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < count; ++i) {
        RECT r{client.right * i / count, client.top, client.right * (i + 1) / count, client.bottom};
        if (i == view.pressed) FillSolid(dc, r, kPressedColour);
        if (i > 0) FillSolid(dc, {r.left, r.top + 4, r.left + 1, r.bottom - 4}, kDividerColour);
        const SoftKeyButton& b = view.buttons[static_cast<std::size_t>(i)];
        SetTextColor(dc, b.enabled ? kBarTextColour : kDisabledTextColour);
        DrawTextW(dc, b.text.c_str(), static_cast<int>(b.text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void DrawSubMenuArrow(HDC dc, const RECT& row, COLORREF colour) {
    const int size = ScaleToScreen(kArrowSize96);
    const int x = row.right - ScaleToScreen(kTextPad96) - size;
    const int y = (row.top + row.bottom) / 2;
    for (int i = 0; i < size; ++i) FillSolid(dc, {x + i, y - (size - i), x + i + 1, y + (size - i)}, colour);
}

void DrawCheck(HDC dc, const RECT& row, COLORREF colour) {
    const int size = ScaleToScreen(kCheckSize96);
    const int x = row.left + 2;
    const int y = (row.top + row.bottom) / 2;
    FillSolid(dc, {x, y - size / 2, x + size, y + size / 2}, colour);
}

}  // namespace

LRESULT PaintMenuBar(HWND bar) {
    PaintSession paint(bar);
    if (!paint.Dc()) return 0;
    const RECT client = paint.Client();
    const auto view = ViewOfBar(bar);
    FillSolid(paint.Dc(), client, view && view->background ? *view->background : kSoftKeyBarColour);
    if (view) DrawButtons(paint.Dc(), client, *view, ShellFont(true).Get());
    return 0;
}

LRESULT PaintPopupMenu(HWND popup) {
    PaintSession paint(popup);
    if (!paint.Dc()) return 0;
    HDC dc = paint.Dc();
    const RECT client = paint.Client();
    FillSolid(dc, client, kMenuBorderColour);
    FillSolid(dc, {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1}, kMenuColour);
    PopupView view;
    if (!ViewOfPopup(popup, view)) return 0;
    const ShellFontObject font = ShellFont(false);
    const SelectedObject selectFont(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    const int pad = ScaleToScreen(kTextPad96);
    for (int i = 0; i < static_cast<int>(view.items.size()); ++i) {
        const MenuItem& item = view.items[static_cast<std::size_t>(i)];
        const RECT row = PopupRow(view.items, i);
        if (item.IsSeparator()) {
            const int y = (row.top + row.bottom) / 2;
            FillSolid(dc, {row.left + 2, y, row.right - 2, y + 1}, kSeparatorColour);
            continue;
        }
        const bool selected = i == view.selected;
        if (selected) FillSolid(dc, row, kMenuSelectedColour);
        const COLORREF text = item.IsGrayed() ? kMenuGreyedColour : selected ? kBarTextColour : kMenuTextColour;
        SetTextColor(dc, text);
        RECT textRect{row.left + pad, row.top, row.right - pad, row.bottom};
        DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (item.subMenu) DrawSubMenuArrow(dc, row, text);
        if (item.state & MF_CHECKED) DrawCheck(dc, row, text);
    }
    return 0;
}

LRESULT PaintNavBar(HWND navBar) {
    PaintSession paint(navBar);
    if (!paint.Dc()) return 0;
    HDC dc = paint.Dc();
    const RECT client = paint.Client();
    FillSolid(dc, client, kNavBarColour);
    const ShellFontObject font = ShellFont(true);
    const SelectedObject selectFont(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kBarTextColour);
    const int pad = ScaleToScreen(kTextPad96);
    const std::u16string clock = NavBarClock();
    RECT clockRect{client.left + pad, client.top, client.right - pad, client.bottom};
    DrawTextW(dc, clock.c_str(), static_cast<int>(clock.size()), &clockRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SIZE clockSize{};
    GetTextExtentPoint32W(dc, clock.c_str(), static_cast<int>(clock.size()), &clockSize);
    const std::u16string title = NavBarTitle();
    RECT titleRect{client.left + pad, client.top, client.right - 2 * pad - clockSize.cx, client.bottom};
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &titleRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    return 0;
}

SIZE MeasureShellText(std::u16string_view text) {
    ScreenDc screen;
    const ShellFontObject font = ShellFont(false);
    const SelectedObject selectFont(screen.Get(), font.Get());
    SIZE size{};
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen.Get(), &metrics);
        return {0, metrics.tmHeight};
    }
    GetTextExtentPoint32W(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace platform
