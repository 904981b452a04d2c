// Device-independent bitmaps: reading a BITMAPINFO and its bits into 32-bit pixels. Shared by the
// DIB calls, the bitmap resources, pattern brushes and the picture reader of the imaging area.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/gdi.h"
#include "gdi/surface.h"

namespace platform::gdi {

// The largest bitmap made: larger sizes are refused rather than exhausting memory.
constexpr long long kMaxBitmapPixels = 64LL * 1024 * 1024;
constexpr int kMaxBitmapSide = 32767;

struct DibPixels {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // top-down
    bool monochrome = false;    // a one-bit picture with a black and white colour table
};

// Bytes of one row of bits (rows are padded to 4 bytes).
std::size_t DibRowBytes(int width, int bitCount);
// Bytes of the header and colour table of a packed DIB, where its bits start; 0 when the header is bad.
std::size_t DibHeaderBytes(const BITMAPINFOHEADER& header, std::size_t available);
// bitsBytes: how many bytes may be read at bits (the caller's bound).
std::optional<DibPixels> DecodeDib(const BITMAPINFO* info, std::size_t infoBytes, const void* bits,
                                   std::size_t bitsBytes);
// A packed DIB: header, colour table and bits in one block.
std::optional<DibPixels> DecodePackedDib(const void* data, std::size_t bytes);

}  // namespace platform::gdi
