// The wheels' shared layout and painting: three (or two) large number boxes on a band across the
// view, the selected one darker, each with a gloss over its upper half.
#include <algorithm>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/main_routines.h"
#include "ui/text_links.h"
#include "ui/theme_colors.h"
#include "ui/view_focus.h"
#include "ui/wheel_paint.h"

namespace {

constexpr int kWheelFontHeight = 30;
constexpr int kWheelFontHeightVga = 60;
constexpr int kBandAbove = 38;
constexpr int kBandBelow = 22;
constexpr int kBandVgaLift = 30;
constexpr int kBoxPad = 16;
constexpr int kBoxGap = 12;
constexpr int kStripGap = 12;
constexpr int kHitWiden = 5;
constexpr int kHitTaller = 20;
constexpr int kTextInset = 8;
constexpr int kAmPmInset = 4;
constexpr int kSeparatorGap = 8;
constexpr int kSeparatorGapVga = 5;
constexpr int kStripDarken = 30;
constexpr int kSelectedShade = 60;
constexpr int kFrameDarken = 50;
constexpr int kGlossLighten = 80;
constexpr int kTitleChars = 64;

OwnedFont MakeWheelFont() {
    LOGFONTW font{};
    InitLogFont(font, IsVgaScreen() ? kWheelFontHeightVga : kWheelFontHeight, true, false);
    return OwnedFont(CreateFontIndirectW(&font));
}

RECT Box(int left, int top, int width, int bottom) { return RECT{left, top, left + width, bottom}; }

}  // namespace

WheelLayout ComputeWheelLayout(HWND dialog, WheelKind kind) {
    WheelLayout layout;
    GetViewClientRect(dialog, layout.view);
    const OwnedFont font = MakeWheelFont();
    SIZE size{};
    {
        const HDC dc = GetDC(dialog);
        const SelectScope use(dc, font.Get());
        GetTextExtentPoint32W(dc, u"XX", 2, &size);
        ReleaseDC(dialog, dc);
    }
    const int w = size.cx;
    const int h = size.cy;
    layout.textHeight = h;
    const int cx = (layout.view.right - layout.view.left) / 2;
    const int cy = (layout.view.bottom - layout.view.top) / 2;
    const int lift = IsVgaScreen() ? kBandVgaLift : 0;
    layout.bandTop = cy - h / 2 - kBandAbove - lift;
    layout.bandBottom = cy + h / 2 - kBandBelow - lift;
    const int bw = w + kBoxPad;
    const int top = layout.bandTop;
    const int bottom = layout.bandBottom;
    if (kind == WheelKind::kGoToDate) {
        const int x0 = cx - (4 * (w + 18)) / 2;
        layout.columns = 3;
        layout.boxes[0] = Box(x0, top, bw, bottom);
        layout.boxes[1] = Box(x0 + bw + kBoxGap, top, bw, bottom);
        layout.boxes[2] = Box(x0 + 2 * bw + 2 * kBoxGap, top, 2 * (w + 8), bottom);
    } else {
        layout.columns = g_Settings.hours24 ? 2 : 3;
        const int total = (bw + kBoxGap) * layout.columns - 2;
        const int x0 = cx - total / 2;
        layout.boxes[0] = Box(x0, top, bw, bottom);
        layout.boxes[1] = Box(x0 + bw + 22, top, bw, bottom);
        layout.boxes[2] = Box(x0 + 2 * bw + 34, top, bw, bottom);
    }
    return layout;
}

int WheelHitColumn(const WheelLayout& layout, int x, int y) {
    const POINT point{x - layout.view.left, y - layout.view.top};
    for (int column = 0; column < layout.columns; ++column) {
        const RECT& box = layout.boxes[static_cast<size_t>(column)];
        const RECT hit{box.left - kHitWiden, box.top - kHitTaller, box.right + kHitWiden, box.bottom + kHitTaller};
        if (PtInRect(&hit, point)) return column;
    }
    return -1;
}

void PaintWheel(HWND dialog, HDC dc, const WheelLayout& layout, int selected,
                const std::array<std::u16string, kWheelMaxColumns>& texts, bool separator) {
    const int width = layout.view.right - layout.view.left;
    const int height = layout.view.bottom - layout.view.top;
    if (width <= 0 || height <= 0) return;
    const MemoryDC mem(dc);
    const OwnedBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
    if (!mem.Get() || !bitmap) return;
    const SelectScope useBitmap(mem.Get(), bitmap.Get());
    const HDC m = mem.Get();
    const COLORREF back = ThemeColor(kThemeBackground);
    const auto fill = [m](const RECT& rect, COLORREF colour) {
        const OwnedBrush brush(CreateSolidBrush(colour));
        FillRect(m, &rect, brush.Get());
    };
    fill(RECT{0, 0, width, height}, back);
    fill(RECT{0, 0, width, layout.bandTop - kStripGap}, DarkenColor(back, kStripDarken));
    fill(RECT{0, layout.bandBottom + kStripGap, width, height}, DarkenColor(back, kStripDarken));
    const OwnedFont font = MakeWheelFont();
    const SelectScope useFont(m, font.Get());
    SetBkMode(m, TRANSPARENT);
    const COLORREF boxColour = ThemeColor(kThemeTitlePrimary);
    for (int column = 0; column < layout.columns; ++column) {
        const RECT& box = layout.boxes[static_cast<size_t>(column)];
        COLORREF colour = boxColour;
        if (column == selected)
            colour = boxColour == 0 ? LightenColor(0, kSelectedShade) : DarkenColor(boxColour, kSelectedShade);
        fill(box, colour);
        DrawFrameRect(m, RECT{box.left - 1, box.top - 1, box.right, box.bottom}, DarkenColor(colour, kFrameDarken),
                      Corners::Closed, LineStyle::Solid, 1);
        DrawGradientLines(m, RECT{box.left + 1, box.top + 1, box.right - 1, box.top + layout.textHeight / 2},
                          LightenColor(colour, kGlossLighten), colour);
        SetTextColor(m, ThemeColor(kThemeTitleLightText));
        // The AM/PM box holds two letters where the others hold two digits.
        const bool amPm = separator && column == 2;
        DrawStrAt(m, box.left + (amPm ? kAmPmInset : kTextInset), box.top + kTextInset,
                  texts[static_cast<size_t>(column)], 0);
    }
    if (separator) {
        SetTextColor(m, boxColour);
        const int gap = IsVgaScreen() ? kSeparatorGapVga : kSeparatorGap;
        DrawStrAt(m, layout.boxes[0].right + gap, layout.boxes[0].top + kTextInset, u":", 0);
    }
    BitBlt(dc, layout.view.left, layout.view.top, width, height, m, 0, 0, SRCCOPY);
    (void)dialog;
}

bool InitWheelDialog(HWND dialog, UINT barId, UINT titleId, HRESULT (*subclass)(HWND)) {
    if (!InitDlgMenuBar(dialog, barId, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return false;
    }
    std::u16string title = LoadResString(titleId);
    if (title.size() > kTitleChars) title.resize(kTitleChars);
    SetTitleText(dialog, title.c_str());
    const HWND control = GetDlgItem(dialog, IDC_PICKER_FOCUS);
    subclass(control);
    SetFocus(control);
    PumpMessagesSkipPen();
    return true;
}

WCHAR TypedDigit(WPARAM character) {
    // A plain digit key counts on every keyboard, not only on the models whose letters carry digits.
    if (character >= u'0' && character <= u'9') return static_cast<WCHAR>(character);
    return KeyToDigit(g_Frame.kbdModelCode, static_cast<int>(character));
}
