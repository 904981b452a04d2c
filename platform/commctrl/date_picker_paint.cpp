// Painting the date and time picker: the check box of DTS_SHOWNONE, the fields with the one the keys
// change highlighted while the picker has the focus, and the text greyed while it holds no value.
#include <algorithm>

#include "commctrl/date_picker.h"
#include "commctrl/paint_support.h"

namespace platform::commctrl {
namespace {

constexpr int kBoxInset = 3;
constexpr int kFieldGap = 2;

}  // namespace

RECT CheckBoxRect(const DatePicker& dp) {
    RECT rc{};
    GetClientRect(dp.hwnd, &rc);
    if (!(GetWindowLongW(dp.hwnd, GWL_STYLE) & DTS_SHOWNONE)) return RECT{0, 0, 0, 0};
    const LONG side = std::max<LONG>(0, rc.bottom - 2 * kBoxInset);
    return RECT{kBoxInset, kBoxInset, kBoxInset + side, kBoxInset + side};
}

std::vector<RECT> FieldRects(const DatePicker& dp) {
    RECT rc{};
    GetClientRect(dp.hwnd, &rc);
    LONG x = CheckBoxRect(dp).right + kFieldGap + kTextMargin;
    std::vector<RECT> rects;
    for (const FormatPart& part : dp.parts) {
        const LONG width = TextWidth(dp.hwnd, dp.font, FieldText(part, dp.time));
        rects.push_back(RECT{x, 0, x + width, rc.bottom});
        x += width;
    }
    return rects;
}

void PaintPicker(DatePicker& dp, HDC dc, const RECT&) {
    RECT rc{};
    GetClientRect(dp.hwnd, &rc);
    FillSolid(dc, rc, kWindowColour);
    FrameSolid(dc, rc, kFrameColour);
    const FontScope font(dc, dp.font);
    if (GetWindowLongW(dp.hwnd, GWL_STYLE) & DTS_SHOWNONE) {
        const RECT box = CheckBoxRect(dp);
        FrameSolid(dc, box, kFrameColour);
        if (dp.hasValue) {
            // A tick: two strokes from the lower left.
            const LONG w = box.right - box.left, h = box.bottom - box.top;
            const POINT tick[] = {{box.left + w / 5, box.top + h / 2}, {box.left + w * 2 / 5, box.bottom - h / 4},
                                  {box.right - w / 5, box.top + h / 4}};
            const HPEN pen = CreatePen(PS_SOLID, std::max<int>(1, static_cast<int>(w) / 6), kTextColour);
            const HGDIOBJ old = SelectObject(dc, pen);
            Polyline(dc, tick, 3);
            SelectObject(dc, old);
            DeleteObject(pen);
        }
    }
    // A picker without a value, or one that is switched off, shows its text greyed.
    const bool live = dp.hasValue && IsWindowEnabled(dp.hwnd);
    const std::vector<RECT> rects = FieldRects(dp);
    for (std::size_t i = 0; i < dp.parts.size() && i < rects.size(); ++i) {
        const bool current = dp.hasFocus && live && static_cast<int>(i) == dp.field;
        if (current) FillSolid(dc, rects[i], kHighlightColour);
        const COLORREF colour = !live ? kGreyTextColour : current ? kHighlightTextColour : kTextColour;
        DrawTextIn(dc, FieldText(dp.parts[i], dp.time), rects[i], DT_SINGLELINE | DT_VCENTER, colour);
    }
}

}  // namespace platform::commctrl
