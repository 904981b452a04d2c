// The painter of every owner-drawn list view row: the row is drawn off screen over the theme's
// background (its picture or its colour), as a caption band or as a boxed or selected row with its
// icon, its label and the further columns, and copied to the list in one block so nothing flickers.
#include <algorithm>
#include <array>
#include <string>

#include "core/screen_class.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"
#include "ui/main_routines.h"
#include "ui/main_state.h"
#include "ui/theme_colors.h"
#include "ui/theme_pictures.h"
#include "ui/themed_bars.h"

namespace {

constexpr int kRowTextChars = 520;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kLabelFitSlack = 8;
constexpr int kLabelTextInset = 2;
constexpr int kColumnFitSlack = 12;
constexpr int kColumnTextInset = 6;
constexpr int kBoxInsetY = 3;

int IconLeft() { return IsVgaScreen() ? 15 : 5; }
int LabelShift() { return IsVgaScreen() ? 21 : 5; }

struct RowItem {
    std::array<WCHAR, kRowTextChars> text{};
    int image = -1;
    LPARAM data = 0;
    UINT state = 0;
};

RowItem QueryRow(HWND list, int row) {
    RowItem result;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = row;
    item.stateMask = static_cast<UINT>(-1);
    item.pszText = result.text.data();
    item.cchTextMax = kRowTextChars;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    result.image = item.iImage;
    result.data = item.lParam;
    result.state = item.state;
    return result;
}

std::u16string SubItemText(HWND list, int row, int column) {
    std::array<WCHAR, kRowTextChars> buffer{};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = kRowTextChars;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::u16string(buffer.data());
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

// The part of the theme picture under the row, or the background colour.
void PaintRowBackground(HDC dc, const RECT& area, const RECT& item, bool wantPicture) {
    const HBITMAP picture = wantPicture && HasBackPicture() ? GetBackPicture() : nullptr;
    if (!picture) {
        FillColour(dc, area, ThemeColor(kThemeBackground));
        return;
    }
    const MemoryDC source(dc);
    const SelectScope select(source.Get(), picture);
    BitBlt(dc, 0, 0, area.right, area.bottom, source.Get(), item.left + GetThemeWord(kThemeViewMarginSide),
           item.top + GetThemeWord(kThemeViewMarginTop), SRCCOPY);
}

// The selection by the list-background style; true when it counts as the row's background.
bool PaintSelection(HDC dc, const RECT& area, bool lastRow) {
    const bool inset = ThemeNeedsBarInset(g_Theme);
    const COLORREF frame = ThemeColor(kThemeSelFrameColor);
    const COLORREF fill = ThemeColor(kThemeSelColor);
    switch (GetThemeWord(kThemeListBackground)) {
    case kBackCutCorner:
        DrawCutCornerPanel(dc, frame, fill, RECT{area.left + 2, area.top + 1, area.right - 2, area.bottom - 1},
                           SelectionShapeStyle());
        break;
    case kBackFolderTab:
        DrawTabShape(dc, frame, fill, RECT{area.left + 2, area.top + 1, area.right - 2, area.bottom - 1}, lastRow ? 1 : 0,
                     0, SelectionShapeStyle());
        break;
    default: {
        const RECT r{area.left + 2, area.top + 1, area.right - 2, area.bottom - (inset ? 2 : 1)};
        DrawSelectionFrame(dc, r, false, false);
        break;
    }
    }
    return !inset;
}

void DrawColumns(HDC dc, HWND list, const DRAWITEMSTRUCT& item, int row) {
    RECT clip{};
    GetClipBox(item.hDC, &clip);
    int left = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
    for (int column = 1;; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH;
        if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info))) break;
        const int x = item.rcItem.left + left;
        left += info.cx;
        if (x + info.cx <= clip.left || x >= clip.right) continue;
        const std::u16string text = SubItemText(list, row, column);
        const std::u16string& shown = FitTextEllipsis(dc, text, info.cx - kColumnFitSlack, 0);
        UINT align = DT_LEFT;
        if (&shown == &text) {
            const int justify = info.fmt & LVCFMT_JUSTIFYMASK;
            align = justify == LVCFMT_RIGHT ? DT_RIGHT : justify == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
        }
        const int inMemory = x - item.rcItem.left;
        const RECT r{inMemory + kColumnTextInset, 0, inMemory + info.cx - kColumnTextInset,
                     item.rcItem.bottom - item.rcItem.top};
        ReadableDrawText(dc, shown, r, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

void DrawCaptionRow(HDC dc, HWND list, const RECT& area, const RowItem& row) {
    const std::u16string text(row.text.data());
    ThemedBarArgs args;
    args.leftText = FitTextEllipsis(dc, text, area.right - kLabelFitSlack, 0);
    args.rightEdge = area.right;
    DrawThemedBar(dc, list, args);
}

void DrawPlainRow(HDC dc, HWND list, const DRAWITEMSTRUCT& item, const RECT& area, const RowItem& row,
                  bool background) {
    const int index = static_cast<int>(item.itemID);
    const bool lastRow = index == LvCount(list) - 1;
    bool alternate = index % 2 != 0;
    const bool selected = (item.itemState & ODS_SELECTED) || (row.state & LVIS_SELECTED);
    bool backgroundDone = false;
    if (selected) {
        alternate = ThemeColor(kThemeSelColor) != kWhite;
        backgroundDone = PaintSelection(dc, area, lastRow);
    }
    if (!backgroundDone) {
        const RECT box{area.left, area.top + kBoxInsetY, area.right, area.bottom - kBoxInsetY};
        DrawThemedItemBox(dc, box, !alternate, lastRow ? 1 : 0, 0, true, background);
    }
    SetBkMode(dc, TRANSPARENT);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    if (images && row.image >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        ImageList_Draw(images, row.image, dc, IconLeft(), (area.bottom - cy) / 2, ILD_TRANSPARENT);
    }
    RECT label{};
    LvRowRect(list, index, label, LVIR_LABEL);
    const int columnWidth = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
    const int labelLeft = label.left - item.rcItem.left + LabelShift();
    const int labelRight = std::min<int>(label.right - item.rcItem.left, columnWidth > 0 ? columnWidth : area.right);
    const std::u16string text(row.text.data());
    const std::u16string& shown = FitTextEllipsis(dc, text, labelRight - labelLeft - kLabelFitSlack, 0);
    SetTextColor(dc, ThemeColor(kThemeTextColor));
    const RECT r{labelLeft + kLabelTextInset, area.top, labelRight - kLabelTextInset, area.bottom};
    ReadableDrawText(dc, shown, r, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    DrawColumns(dc, list, item, index);
}

}  // namespace

void DrawItemListRow(const DRAWITEMSTRUCT& item, HWND list, int background) {
    if (!list) return;
    const RowItem row = QueryRow(list, static_cast<int>(item.itemID));
    if (item.CtlType != ODT_LISTVIEW) return;
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    const MemoryDC memory(item.hDC);
    const OwnedBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
    if (!memory.Get() || !bitmap) return;
    const HDC dc = memory.Get();
    const SelectScope selectBitmap(dc, bitmap.Get());
    // A list given no font of its own shows its rows in the theme's list font, which follows the
    // screen class; the device's bare system font would stay small on a VGA screen.
    const auto own = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    const SelectScope selectFont(dc, own ? own : g_Main.themeFonts[kFontList]);
    const RECT area{0, 0, width, height};
    PaintRowBackground(dc, area, item.rcItem, background != 0);
    if (row.data == kCaptionRowData) {
        DrawCaptionRow(dc, list, area, row);
    } else {
        DrawPlainRow(dc, list, item, area, row, background != 0);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
}
