// The drawing the controls share: a painting scope for WM_PAINT, text measures in a control's font,
// the device's colours of controls, and a few drawing steps every control uses.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/commctrl.h"
#include "platform/gdi.h"

namespace platform::commctrl {

constexpr int kTextMargin = 2;

// The device's look: white windows, black text, blue selection, grey faces.
constexpr COLORREF kWindowColour = RGB(255, 255, 255);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kHighlightColour = RGB(0, 84, 166);
constexpr COLORREF kHighlightTextColour = RGB(255, 255, 255);
constexpr COLORREF kInactiveHighlightColour = RGB(200, 200, 200);
constexpr COLORREF kGreyTextColour = RGB(128, 128, 128);
constexpr COLORREF kFaceColour = RGB(220, 220, 220);
constexpr COLORREF kShadowColour = RGB(128, 128, 128);
constexpr COLORREF kLightColour = RGB(255, 255, 255);
constexpr COLORREF kFrameColour = RGB(0, 0, 0);
constexpr COLORREF kLineColour = RGB(160, 160, 160);
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
    PAINTSTRUCT paint_{};
};

// Selects a control's font (the default font when it has none) for the life of the object.
class FontScope {
public:
    FontScope(HDC dc, HFONT font);
    ~FontScope();
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A top-down 32-bit picture (0x00RRGGBB) selected into its own memory DC, whose pixels can be read
// and written directly.
class PixelBuffer {
public:
    PixelBuffer(int width, int height);
    ~PixelBuffer();
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    bool Ok() const { return dc_ && bitmap_ && bits_; }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t& At(int x, int y) {
        return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    }

private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

int TextWidth(HWND hwnd, HFONT font, std::u16string_view text);
int TextHeight(HWND hwnd, HFONT font);

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);
// A raised (or sunken) edge one pixel wide.
void DrawEdge3d(HDC dc, const RECT& rect, bool sunken);
void DrawTextIn(HDC dc, std::u16string_view text, RECT rect, UINT format, COLORREF colour);
// A colour given to a control, or its default.
COLORREF OrDefault(COLORREF colour, COLORREF fallback);

// A drag picture of one line of text (LVM_CREATEDRAGIMAGE, TVM_CREATEDRAGIMAGE): an image list of one
// image, owned by the caller.
HIMAGELIST TextDragImage(HFONT font, std::u16string_view text, int width, int height);

// Appends the pictures of a bitmap (a resource of `instance`, or the bitmap handle `id` when the
// instance is null) to an image list, magenta transparent; the index of the first, or -1.
int AddBitmapImages(HIMAGELIST list, HINSTANCE instance, UINT_PTR id);

}  // namespace platform::commctrl
