// The separator under a row of the calendar lists: dashed and inset with the dashed list style,
// else a solid line over the whole width, always in the item border colour.
#include "ui/row_separator.h"

#include "core/theme_words.h"
#include "platform/gdi.h"
#include "ui/theme_colors.h"

namespace {

constexpr LONG kDashedListStyle = 2;

// A one-pixel line from x1 to x2 at y in the item border colour, transparent between the dashes.
void BorderLine(HDC dc, int y, int x1, int x2, int penStyle) {
    HPEN pen = CreatePen(penStyle, 1, ThemeColor(kThemeItemBorder));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, x1, y, nullptr);
    LineTo(dc, x2, y);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

}  // namespace

void DrawDashedLine(HDC dc, int y, int x1, int x2) { BorderLine(dc, y, x1, x2, PS_DASH); }

void DrawSolidLine(HDC dc, int y, int x1, int x2) { BorderLine(dc, y, x1, x2, PS_SOLID); }

void DrawSeparator(HDC dc, int y, int x1, int x2, int inset) {
    if (GetThemeWord(kThemeListBackground) == kDashedListStyle) {
        DrawDashedLine(dc, y, x1 + inset, x2 - inset);
    } else {
        DrawSolidLine(dc, y, x1, x2);
    }
}
