// Message pumps that drop input, the reset of the global selection, the date-view test and the
// fitting of a text to a width with "...".
#include "ui/main_routines.h"

#include <algorithm>
#include <array>

#include "core/frame_state.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/text_wrap.h"

namespace {

constexpr std::array<LONG, 6> kDateViews = {0, 1, 2, 3, 4, 11};

std::u16string g_FittedText;

template <typename Drop>
void PumpDropping(Drop drop) {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (drop(msg.message)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int TextWidth(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

void PumpMessagesSkipKeyDown() {
    PumpDropping([](UINT m) { return m == WM_HOTKEY || m == WM_KEYDOWN; });
}

void PumpMessagesSkipKeys() {
    PumpDropping([](UINT m) { return m == WM_HOTKEY || m == WM_KEYDOWN || m == WM_KEYUP; });
}

void PumpMessagesSkipPen() {
    PumpDropping([](UINT m) { return m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_MOUSEMOVE; });
}

int IsDateView(LONG viewCode) { return std::ranges::find(kDateViews, viewCode) != kDateViews.end() ? 1 : 0; }

const std::u16string& FitTextEllipsis(HDC dc, const std::u16string& text, int width, int extra) {
    if (text.empty() || (text.size() <= kFitTextChars && TextWidth(dc, text) + extra < width)) return text;
    // Less than the width: at most one pixel short of it.
    const std::size_t head = EllipsisHeadLength(dc, text, width - extra - 1);
    g_FittedText.assign(text, 0, std::max<std::size_t>(std::min(head, text.size() - 1), 1));
    g_FittedText += kEllipsis;
    return g_FittedText;
}
