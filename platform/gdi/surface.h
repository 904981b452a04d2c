// A 32-bit drawing surface: rows of 0x00RRGGBB pixels (blue, green, red, unused in memory), the
// layout of a 32-bit DIB. The stride may be negative, so a bottom-up DIB section is a surface too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace platform::gdi {

using Pixel = std::uint32_t;

constexpr Pixel kBlackPixel = 0x000000;
constexpr Pixel kWhitePixel = 0xFFFFFF;

constexpr Pixel PixelFromColor(COLORREF c) {
    return (static_cast<Pixel>(c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(Pixel p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

struct Surface {
    int width = 0;
    int height = 0;
    BYTE* bits = nullptr;       // row 0
    std::ptrdiff_t stride = 0;  // bytes from one row to the next, negative when bottom-up
    bool monochrome = false;    // a one-bit bitmap: every pixel is black or white
    int resourceId = 0;         // the BITMAP resource the pixels came from, for the draw record

    Pixel* Row(int y) const { return reinterpret_cast<Pixel*>(bits + y * stride); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // What a colour becomes on this surface: itself, or black or white on a one-bit surface.
    Pixel Fit(Pixel p) const;
};

// Pixel storage owned by a bitmap: top-down, or bottom-up as a DIB section with a positive height.
struct PixelStore {
    std::vector<Pixel> pixels;
    Surface surface;
    void Allocate(int width, int height, bool bottomUp, bool monochrome);
};

// over laid on under with coverage 0-255.
inline Pixel Blend(Pixel under, Pixel over, unsigned coverage) {
    Pixel out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned fg = (over >> shift) & 0xFF, bg = (under >> shift) & 0xFF;
        out |= ((fg * coverage + bg * (255 - coverage) + 127) / 255) << shift;
    }
    return out;
}

// Brightness used to turn a colour into black or white.
inline bool IsBright(Pixel p) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r * 299 + g * 587 + b * 114 >= 128 * 1000;
}

}  // namespace platform::gdi
