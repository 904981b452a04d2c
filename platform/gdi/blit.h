// Block transfers between surfaces with raster operations, stretching, a mask or a key colour, and
// the alpha-blended drawing of decoded pictures. Used by the blit calls, icons and the imaging area.
#pragma once

#include <cstdint>
#include <optional>

#include "gdi/dc.h"

namespace platform::gdi {

struct BlitSource {
    const Surface* surface = nullptr;
    POINT origin{};               // where (0, 0) of the source's coordinates lies on its surface
    Pixel background = kWhitePixel;  // the source DC's background colour (colour to one-bit copies)
};
std::optional<BlitSource> SourceOfDc(HDC dc);
std::optional<BlitSource> SourceOfBitmap(HBITMAP bitmap);

struct BlitRequest {
    int x = 0, y = 0, width = 0, height = 0;           // destination, DC coordinates
    int xSrc = 0, ySrc = 0, srcWidth = 0, srcHeight = 0;  // source, its coordinates
    DWORD rop = SRCCOPY;
    const BlitSource* source = nullptr;
    const Surface* mask = nullptr;  // MaskBlt: where the mask is white the foreground operation applies
    POINT maskOrigin{};
    std::optional<Pixel> key;       // TransparentImage: source pixels of this colour are left out
};
bool RunBlit(const DcObject& dest, const BlitRequest& request);

// The ternary raster operation (the middle byte of a ROP code) on pattern, source and destination.
Pixel ApplyRop3(BYTE code, Pixel pattern, Pixel source, Pixel dest);

// Draws non-premultiplied 0xAARRGGBB pixels into the destination rectangle (DC coordinates),
// stretched from the source rectangle of the picture and blended by their alpha.
bool DrawArgbPixels(HDC dc, const RECT& dest, const std::uint32_t* pixels, int width, int height, const RECT& source);

}  // namespace platform::gdi
