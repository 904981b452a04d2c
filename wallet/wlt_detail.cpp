// The detail view of one wallet item (view 20): its icon and category icons, its name and type,
// a separator, then each field's label and value; secret values are masked while the mask is on.
#include <algorithm>
#include <string>

#include "core/app_settings.h"
#include "core/screen_class.h"
#include "core/text_util.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "ui/draw_prims.h"
#include "ui/image_lists.h"
#include "ui/text_wrap.h"
#include "ui/themed_bars.h"
#include "ui/theme_colors.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"
#include "wallet/wlt_tree.h"
#include "wallet/wlt_view.h"

namespace {

constexpr const WCHAR* kNoItemSelectedText = u"No Wallet Item Selected.";
constexpr const WCHAR* kMaskedValue = u"*****";
constexpr int kMargin = 4;
constexpr int kIconGap = 20;
constexpr int kIconGapVga = 35;
constexpr int kSecondaryTextWord = 9;
// Room below a line's top for its text: lines of a long page lie below the window's bottom.
constexpr int kLineRoom = 0x4000;

// Draws (or only measures) wrapped text from the top of the rectangle; the height it takes.
int DrawWrapped(HDC dc, const std::u16string& text, const RECT& box, bool draw, UINT extra = 0) {
    RECT measure = box;
    DrawTextW(dc, text.c_str(), -1, &measure, DT_WORDBREAK | DT_CALCRECT | extra);
    if (draw) ReadableDrawText(dc, text, box, DT_WORDBREAK | extra);
    return measure.bottom - measure.top;
}

// The item's categories as a row of their icons beside its own; a category without an icon takes
// no room.
void DrawWltItemCatIcons(HDC dc, const WltItem& item, int x, int y) {
    if (g_Settings.showCat == 0) return;
    int iconWidth = 0, iconHeight = 0;
    if (g_ImageLists.customSmall) ImageList_GetIconSize(g_ImageLists.customSmall, &iconWidth, &iconHeight);
    ForEachCommaPiece(item.categories, [&](const std::u16string& name) {
        if (DrawCatIcon(dc, x, y, name, true, 0)) x += iconWidth;
    });
}

// The label column: as wide as the widest label needs, at least two fifths of the width and at
// most half, so that labels are cut only when the values would lose their room.
int LabelColumnWidth(HDC dc, const WltItem& item, int width) {
    int widest = 0;
    for (const WltEntry& field : item.fields) {
        SIZE size{};
        GetTextExtentPoint32W(dc, field.label.c_str(), static_cast<int>(field.label.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    return std::clamp(widest + kMargin + 1, width * 2 / 5, width / 2);
}

}  // namespace

bool WltValueIsMasked(const WltEntry& field) {
    return field.kind == kWltKindSecret && g_Wlt.maskOn && !g_WltSettings.noMask;
}

int DrawWalletItem(HDC dc, const RECT& area, int scrollY, bool draw) {
    if (draw) {
        HBRUSH background = CreateSolidBrush(ThemeColor(kThemeBackground));
        FillRect(dc, &area, background);
        DeleteObject(background);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColor(kThemeTextColor));
    const WltItem* item = SelectedWltItem();
    RECT box{area.left + kMargin, area.top + kMargin - scrollY, area.right - kMargin, area.bottom};
    if (!item) return kMargin + DrawWrapped(dc, kNoItemSelectedText, box, draw);
    const bool vga = IsVgaScreen();
    int y = box.top;
    if (HIMAGELIST images = WltDetailImageList(); draw && images && item->icon > 0)
        ImageList_Draw(images, item->icon, dc, box.left, y, ILD_TRANSPARENT);
    const int iconGap = vga ? kIconGapVga : kIconGap;
    if (draw) DrawWltItemCatIcons(dc, *item, box.left + iconGap, y);
    y += iconGap;
    y += DrawWrapped(dc, item->name, RECT{box.left, y, box.right, y + kLineRoom}, draw);
    y += DrawWrapped(dc, item->type, RECT{box.left, y, box.right, y + kLineRoom}, draw);
    y += kMargin;
    if (draw) {
        DrawThemeGradient(dc, POINT{box.left, y}, POINT{box.right, y}, false, FadeEnd::Right);
        DrawThemeGradient(dc, POINT{box.left, y + 1}, POINT{box.right, y + 1}, true, FadeEnd::Right);
    }
    y += 2 + kMargin;
    const int labelRight = box.left + LabelColumnWidth(dc, *item, box.right - box.left);
    for (const WltEntry& field : item->fields) {
        SetTextColor(dc, ThemeColor(kSecondaryTextWord));
        RECT label{box.left, y, labelRight - kMargin, y + kLineRoom};
        const int labelHeight = DrawWrapped(dc, field.label, label, draw, DT_END_ELLIPSIS | DT_SINGLELINE);
        SetTextColor(dc, ThemeColor(kThemeTextColor));
        const std::u16string value = WltValueIsMasked(field) ? std::u16string(kMaskedValue) : field.value;
        const int valueHeight = DrawWrapped(dc, value, RECT{labelRight, y, box.right, y + kLineRoom}, draw);
        y += std::max(labelHeight, valueHeight) + kMargin;
    }
    return y + scrollY - area.top;
}
