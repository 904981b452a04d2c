// The controls' shared drawing: paint scopes, fonts, text measures and simple fills and frames.
#include "commctrl/paint_support.h"

#include <algorithm>
#include <string>

#include "commctrl/image_list.h"

namespace platform::commctrl {

PaintScope::PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }

PaintScope::~PaintScope() {
    if (dc_) EndPaint(hwnd_, &paint_);
}

FontScope::FontScope(HDC dc, HFONT font)
    : dc_(dc), previous_(SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT))) {}

FontScope::~FontScope() {
    if (previous_) SelectObject(dc_, previous_);
}

PixelBuffer::PixelBuffer(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
}

PixelBuffer::~PixelBuffer() {
    if (dc_) {
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}

int TextWidth(HWND hwnd, HFONT font, std::u16string_view text) {
    if (text.empty()) return 0;
    const HDC dc = GetDC(hwnd);
    if (!dc) return 0;
    SIZE size{};
    {
        const FontScope scope(dc, font);
        const std::u16string copy(text);
        GetTextExtentPoint32W(dc, copy.c_str(), static_cast<int>(copy.size()), &size);
    }
    ReleaseDC(hwnd, dc);
    return size.cx;
}

int TextHeight(HWND hwnd, HFONT font) {
    const HDC dc = GetDC(hwnd);
    if (!dc) return 0;
    TEXTMETRICW tm{};
    {
        const FontScope scope(dc, font);
        GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(hwnd, dc);
    return tm.tmHeight;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    const RECT sides[] = {{rect.left, rect.top, rect.right, rect.top + 1},
                          {rect.left, rect.bottom - 1, rect.right, rect.bottom},
                          {rect.left, rect.top, rect.left + 1, rect.bottom},
                          {rect.right - 1, rect.top, rect.right, rect.bottom}};
    for (const RECT& side : sides) FillRect(dc, &side, brush);
    DeleteObject(brush);
}

void DrawEdge3d(HDC dc, const RECT& rect, bool sunken) {
    const COLORREF topLeft = sunken ? kShadowColour : kLightColour;
    const COLORREF bottomRight = sunken ? kLightColour : kShadowColour;
    FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void DrawTextIn(HDC dc, std::u16string_view text, RECT rect, UINT format, COLORREF colour) {
    if (text.empty()) return;
    const COLORREF oldColour = SetTextColor(dc, colour);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const std::u16string copy(text);
    DrawTextW(dc, copy.c_str(), static_cast<int>(copy.size()), &rect, format | DT_NOPREFIX);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
}

COLORREF OrDefault(COLORREF colour, COLORREF fallback) {
    return colour == CLR_DEFAULT || colour == CLR_NONE ? fallback : colour;
}

HIMAGELIST TextDragImage(HFONT font, std::u16string_view text, int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    PixelBuffer picture(width, height);
    if (!picture.Ok()) return nullptr;
    FillSolid(picture.Dc(), {0, 0, width, height}, kTransparentKey);
    {
        const FontScope scope(picture.Dc(), font);
        DrawTextIn(picture.Dc(), text, {kTextMargin, 0, width - kTextMargin, height}, DT_SINGLELINE | DT_VCENTER, kTextColour);
    }
    const std::uint32_t key = 0xFF00FF;
    std::vector<ImagePixel> pixels(static_cast<std::size_t>(width * height));
    std::vector<std::uint8_t> opaque(pixels.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto i = static_cast<std::size_t>(y * width + x);
            pixels[i] = picture.At(x, y) & 0xFFFFFF;
            opaque[i] = pixels[i] != key;
        }
    const HIMAGELIST list = ImageList_Create(width, height, ILC_MASK | ILC_COLOR32, 1, 1);
    if (ImageList* images = FindImageList(list)) AppendImages(*images, pixels, opaque, width, height);
    return list;
}

int AddBitmapImages(HIMAGELIST list, HINSTANCE instance, UINT_PTR id) {
    if (!list) return -1;
    const bool loaded = instance != nullptr;
    const HBITMAP bitmap = loaded ? LoadBitmapW(instance, MAKEINTRESOURCEW(id)) : reinterpret_cast<HBITMAP>(id);
    if (!bitmap) return -1;
    const int first = ImageList_AddMasked(list, bitmap, kTransparentKey);
    if (loaded) DeleteObject(bitmap);
    return first;
}

}  // namespace platform::commctrl
