// The drawing the controls share: a painting scope for WM_PAINT, text measures in a control's font,
// and the device's colours of controls.
#pragma once

#include <string_view>

#include "platform/commctrl.h"

namespace platform::commctrl {

constexpr int kTextMargin = 2;

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Area() const { return area_; }

private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
    RECT area_{};
    alignas(void*) unsigned char paint_[96]{};
};

int TextWidth(HWND hwnd, HFONT font, std::u16string_view text);
int TextHeight(HWND hwnd, HFONT font);

}  // namespace platform::commctrl

namespace platform::commctrl {

// Appends the pictures of a bitmap (a resource of `instance`, or the bitmap handle `id` when the
// instance is null) to an image list, magenta transparent; the index of the first, or -1.
int AddBitmapImages(HIMAGELIST list, HINSTANCE instance, UINT_PTR id);

}  // namespace platform::commctrl
