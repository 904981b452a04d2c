// Painting the drawn message box: a framed box with the caption in the shell's colours, the icon
// of its kind, the text word-wrapped beside it, and the buttons with the focused one marked.
#include "display/box_paint.h"

#include <algorithm>

#include "display/drawn_message_box.h"
#include "shell/shell_drawing.h"
#include "shell/shell_paint.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr COLORREF kBodyColour = RGB(255, 255, 255);
constexpr COLORREF kCaptionTextColour = RGB(255, 255, 255);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kButtonColour = RGB(228, 232, 240);
constexpr COLORREF kFocusedButtonColour = RGB(70, 110, 180);
constexpr int kCaptionHeight96 = 22;
constexpr int kMargin96 = 8;
constexpr int kIconSize96 = 24;
constexpr int kButtonRow96 = 22 + 2 * 8;
constexpr int kFrame = 2;

struct IconLook {
    UINT icon;
    COLORREF colour;
    const char16_t* mark;
};
constexpr IconLook kIconLooks[] = {
    {MB_ICONHAND, RGB(200, 40, 40), u"X"},
    {MB_ICONQUESTION, RGB(40, 90, 200), u"?"},
    {MB_ICONEXCLAMATION, RGB(230, 160, 20), u"!"},
    {MB_ICONASTERISK, RGB(40, 90, 200), u"i"},
};

const IconLook* LookOf(UINT icon) {
    for (const IconLook& look : kIconLooks)
        if (look.icon == icon) return &look;
    return nullptr;
}

int TextLeft(UINT icon) {
    const int margin = ScaleToScreen(kMargin96);
    return LookOf(icon) ? 2 * margin + ScaleToScreen(kIconSize96) : margin;
}

void DrawIcon(HDC dc, const IconLook& look) {
    const int margin = ScaleToScreen(kMargin96);
    const int size = ScaleToScreen(kIconSize96);
    const int top = ScaleToScreen(kCaptionHeight96) + margin;
    const HBRUSH brush = CreateSolidBrush(look.colour);
    const SelectedObject selectBrush(dc, brush);
    const SelectedObject selectPen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, margin, top, margin + size + 1, top + size + 1);
    RECT r{margin, top, margin + size, top + size};
    SetTextColor(dc, kCaptionTextColour);
    DrawTextW(dc, look.mark, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DeleteObject(brush);
}

}  // namespace

LRESULT PaintMessageBox(HWND box) {
    PaintSession paint(box);
    if (!paint.Dc()) return 0;
    HDC dc = paint.Dc();
    const RECT client = paint.Client();
    MessageBoxView view;
    if (!ViewOfMessageBox(box, view)) return 0;
    const int margin = ScaleToScreen(kMargin96);
    const int caption = ScaleToScreen(kCaptionHeight96);
    FillSolid(dc, client, kNavBarColour);
    FillSolid(dc, {client.left + kFrame, caption, client.right - kFrame, client.bottom - kFrame}, kBodyColour);
    const ShellFontObject bold = ShellFont(true);
    const ShellFontObject plain = ShellFont(false);
    SetBkMode(dc, TRANSPARENT);
    {
        const SelectedObject selectFont(dc, bold.Get());
        SetTextColor(dc, kCaptionTextColour);
        RECT r{margin, 0, client.right - margin, caption};
        DrawTextW(dc, view.caption.c_str(), static_cast<int>(view.caption.size()), &r,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (const IconLook* look = LookOf(view.icon)) DrawIcon(dc, *look);
    }
    const SelectedObject selectFont(dc, plain.Get());
    SetTextColor(dc, kTextColour);
    RECT text{TextLeft(view.icon), caption + margin, client.right - margin, client.bottom - ScaleToScreen(kButtonRow96)};
    DrawTextW(dc, view.text.c_str(), static_cast<int>(view.text.size()), &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    const auto rects = MessageBoxButtonRects(view, {client.right, client.bottom});
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const bool focused = static_cast<int>(i) == view.focused;
        FillSolid(dc, rects[i], focused ? kFocusedButtonColour : kButtonColour);
        SetTextColor(dc, focused ? kCaptionTextColour : kTextColour);
        RECT r = rects[i];
        const std::u16string label = MessageBoxButtonText(view.buttons[i]);
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return 0;
}

int BoxHeightFor(const std::u16string& text, const std::u16string&, int width, UINT icon) {
    ScreenDc screen;
    const ShellFontObject font = ShellFont(false);
    const SelectedObject selectFont(screen.Get(), font.Get());
    RECT r{TextLeft(icon), 0, width - ScaleToScreen(kMargin96), 0};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    const int body = std::max<int>(r.bottom - r.top, LookOf(icon) ? ScaleToScreen(kIconSize96) : 0);
    return ScaleToScreen(kCaptionHeight96) + ScaleToScreen(kMargin96) + body + ScaleToScreen(kButtonRow96) + kFrame;
}

}  // namespace platform
