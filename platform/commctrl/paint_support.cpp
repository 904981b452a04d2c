// The controls' drawing seam. Until the drawing area is there the controls paint nothing and text
// is measured at an average character width.
#include "commctrl/paint_support.h"

#include "user/system_metrics.h"

namespace platform::commctrl {
namespace {

constexpr int kAverageCharWidth96 = 6;
constexpr int kTextHeight96 = 14;

}  // namespace

PaintScope::PaintScope(HWND hwnd) : hwnd_(hwnd) {
    GetClientRect(hwnd, &area_);
    ValidateRect(hwnd, nullptr);
}

PaintScope::~PaintScope() = default;

int TextWidth(HWND, HFONT, std::u16string_view text) {
    return static_cast<int>(text.size()) * ScaleToScreen(kAverageCharWidth96);
}

int TextHeight(HWND, HFONT) { return ScaleToScreen(kTextHeight96); }

}  // namespace platform::commctrl

namespace platform::commctrl {

int AddBitmapImages(HIMAGELIST, HINSTANCE, UINT_PTR) { return -1; }

}  // namespace platform::commctrl
