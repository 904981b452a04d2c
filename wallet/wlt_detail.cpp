// The detail view of one wallet item (view 20): its icon and category icons, its name and type,
// a separator, then each field's label and value; secret values are masked while the mask is on.
#include <string>

#include "core/app_settings.h"
#include "core/screen_class.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
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
constexpr COLORREF kSeparatorTop = RGB(96, 128, 192);
constexpr COLORREF kSeparatorBottom = RGB(200, 214, 240);
constexpr COLORREF kLabelColour = RGB(64, 64, 64);
constexpr COLORREF kValueColour = RGB(0, 0, 0);
// Room below a line's top for its text: lines of a long page lie below the window's bottom.
constexpr int kLineRoom = 0x4000;

// Draws (or only measures) wrapped text from the top of the rectangle; the height it takes.
int DrawWrapped(HDC dc, const std::u16string& text, const RECT& box, bool draw, UINT extra = 0) {
    RECT measure = box;
    DrawTextW(dc, text.c_str(), -1, &measure, DT_WORDBREAK | DT_CALCRECT | extra);
    if (draw) {
        RECT out = box;
        DrawTextW(dc, text.c_str(), -1, &out, DT_WORDBREAK | extra);
    }
    return measure.bottom - measure.top;
}

}  // namespace

bool WltValueIsMasked(const WltEntry& field) {
    return field.kind == kWltKindSecret && g_Wlt.maskOn && !g_WltSettings.noMask;
}

int DrawWalletItem(HDC dc, const RECT& area, int scrollY, bool draw) {
    if (draw) FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    const WltItem* item = SelectedWltItem();
    RECT box{area.left + kMargin, area.top + kMargin - scrollY, area.right - kMargin, area.bottom};
    if (!item) return kMargin + DrawWrapped(dc, kNoItemSelectedText, box, draw);
    const bool vga = IsVgaScreen();
    int y = box.top;
    if (HIMAGELIST images = WltDetailImageList(); draw && images && item->icon > 0)
        ImageList_Draw(images, item->icon, dc, box.left, y, ILD_TRANSPARENT);
    y += vga ? kIconGapVga : kIconGap;
    SetTextColor(dc, kValueColour);
    y += DrawWrapped(dc, item->name, RECT{box.left, y, box.right, y + kLineRoom}, draw);
    y += DrawWrapped(dc, item->type, RECT{box.left, y, box.right, y + kLineRoom}, draw);
    y += kMargin;
    if (draw) {
        RECT line{box.left, y, box.right, y + 1};
        HBRUSH top = CreateSolidBrush(kSeparatorTop);
        FillRect(dc, &line, top);
        DeleteObject(top);
        line = RECT{box.left, y + 1, box.right, y + 2};
        HBRUSH bottom = CreateSolidBrush(kSeparatorBottom);
        FillRect(dc, &line, bottom);
        DeleteObject(bottom);
    }
    y += 2 + kMargin;
    const int labelRight = box.left + (box.right - box.left) * 2 / 5;
    for (const WltEntry& field : item->fields) {
        SetTextColor(dc, kLabelColour);
        RECT label{box.left, y, labelRight - kMargin, y + kLineRoom};
        const int labelHeight = DrawWrapped(dc, field.label, label, draw, DT_END_ELLIPSIS | DT_SINGLELINE);
        SetTextColor(dc, kValueColour);
        const std::u16string value = WltValueIsMasked(field) ? std::u16string(kMaskedValue) : field.value;
        const int valueHeight = DrawWrapped(dc, value, RECT{labelRight, y, box.right, y + kLineRoom}, draw);
        y += std::max(labelHeight, valueHeight) + kMargin;
    }
    return y + scrollY - area.top;
}
