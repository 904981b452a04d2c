// The contact list's owner-drawn rows: each drawn off screen, the contact rows by the row painter of
// the list, and the rows that are no contact (group bands, separators and the empty-list texts).
#include <algorithm>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/list_colors.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/outline_list.h"
#include "ui/theme_pictures.h"
#include "ui/themed_bars.h"

namespace {

constexpr int kTextX = 12;
constexpr int kTextY = 3;
constexpr int kVgaTextX = 18;
constexpr int kVgaTextY = 8;
constexpr int kHeaderX = 10;
constexpr int kHeaderY = 3;
constexpr int kHeaderYPhoto = 15;
constexpr LONG kFilterFontCap = 15;
constexpr int kLineInset = 3;

void DrawRowText(HDC dc, int x, int y, const std::u16string& text, LONG fontSize) {
    LOGFONTW logFont{};
    InitLogFont(logFont, fontSize, true, false);
    OwnedFont font(CreateFontIndirectW(&logFont));
    SelectScope select(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ListColor(kListText));
    ReadableTextOut(dc, x, y, text);
}

void DrawNothingRow(HDC dc) {
    if (GetViewCatFilter()) {
        DrawRowText(dc, kTextX, kTextY, LoadResString(IDS_NO_CONTACTS_FILTER_ON),
                    std::min(g_Settings.fontSize, kFilterFontCap));
        return;
    }
    const UINT id = g_Settings.contactSort == kCtsModeRecent ? IDS_NO_RECENT_CONTACTS : IDS_NO_CONTACTS_TO_DISPLAY;
    DrawRowText(dc, kTextX, kTextY, LoadResString(id), g_Settings.fontSize);
}

void DrawNoLetterRow(HDC dc) {
    const std::u16string typed = CtsTypeAheadText();
    const std::u16string text = platform::FormatW(LoadResString(IDS_NO_CONTACTS_IN_FMT).c_str(), typed.c_str());
    const bool vga = IsVgaScreen() != FALSE;
    DrawRowText(dc, vga ? kVgaTextX : kTextX, vga ? kVgaTextY : kTextY, text, g_Settings.fontSize);
}

void DrawSeparatorRow(HDC dc, const RECT& rect) {
    const int y = (rect.bottom - rect.top) / 2;
    if (GetThemeWord(kThemeTitleGradient) == 0) {
        DrawColorLine(dc, kLineInset, y, rect.right - kLineInset, y, ThemeColor(kThemeSeparator3d));
    } else {
        DrawThemeGradient(dc, POINT{kLineInset, y}, POINT{rect.right - kLineInset, y}, false, FadeEnd::Right);
    }
}

int CategoryIndexOf(const std::u16string& name) {
    for (int i = 0; i < g_CatList.Size(); ++i) {
        if (_wcsicmp(g_CatList[i].name.c_str(), name.c_str()) == 0) return i;
    }
    return kNoCategory;
}

void DrawHeaderRow(HDC dc, HWND list, const RECT& rect, const ListRow& row, int index, bool selected) {
    ThemedBarArgs args;
    args.x = kHeaderX;
    args.y = g_Settings.photo != 0 ? kHeaderYPhoto : kHeaderY;
    args.leftText = row.text;
    args.rightEdge = rect.right;
    args.selected = selected;
    if (g_Settings.contactSort == kCtsModeCategory) args.categoryIndex = CategoryIndexOf(row.text);
    DrawThemedBar(dc, list, args);
    if (g_Settings.cList == 0 || OutlineIsGroupEnd(index, g_CtsRows)) return;
    DrawListGroupGlyphs(dc, rect.right, rect.top, row.collapsed == 0, selected);
}

void DrawContactRow(HDC dc, const RECT& rect, LONG oid, bool selected) {
    const LONG position = IdIndexGet(oid, g_CtsIdIndex);
    // Between a change and the next fill the contact may be gone: the row stays empty.
    if (position < 0 || position >= g_CtsList.Size() || g_CtsList[position].oid != oid) return;
    if (g_CtsList[position].detailsPending != 0) LoadCtsExtra(g_CtsList[position]);
    DrawCtsListRow(dc, rect, oid, !selected, !selected);
}

}  // namespace

void PaintCtsView(const DRAWITEMSTRUCT& item) {
    ListRow row;
    const int index = OutlineGetRowEntry(static_cast<int>(item.itemID), row, g_CtsRows);
    if (index < 0) return;
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    MemoryDC memory(item.hDC);
    OwnedBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
    const HDC dc = memory.Get();
    SelectScope selectBitmap(dc, bitmap.Get());
    const RECT rect{0, 0, width, height};
    FillRowBackground(dc, item.rcItem, width, height);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    switch (row.kind) {
    case kRowNothing: DrawNothingRow(dc); break;
    case kRowNoLetterMatch: DrawNoLetterRow(dc); break;
    case kRowSeparator: DrawSeparatorRow(dc, rect); break;
    case kRowPrivateHidden: DrawRowText(dc, kTextX, kTextY, LoadResString(IDS_PRIVATE_ITEMS_HIDDEN), g_Settings.fontSize); break;
    case kRowHeader: DrawHeaderRow(dc, item.hwndItem, rect, row, index, selected); break;
    case kRowItem: DrawContactRow(dc, rect, row.id, selected); break;
    default: break;
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
}
