// Bitmap resources (RT_BITMAP): a device-independent bitmap stored as a bitmap file without its
// 14-byte file header: the info header (40 bytes or larger, or the old 12-byte core header), the
// colour table (and the three masks of a 40-byte header with bit fields), then the pixel rows.
#pragma once

#include <optional>
#include <span>

#include "platform/types.h"

namespace platform {

constexpr DWORD kBitmapCompressionRgb = 0;
constexpr DWORD kBitmapCompressionRle8 = 1;
constexpr DWORD kBitmapCompressionRle4 = 2;
constexpr DWORD kBitmapCompressionBitFields = 3;

struct BitmapDib {
    std::span<const BYTE> info;  // the header, masks and colour table, in place: a BITMAPINFO
    std::span<const BYTE> bits;  // the pixel rows, bottom-up unless height is negative
    DWORD headerSize = 0;  // 12 for the core header
    LONG width = 0;
    LONG height = 0;
    WORD bitCount = 0;
    DWORD compression = kBitmapCompressionRgb;
    DWORD colorCount = 0;  // entries of the colour table
    std::size_t stride = 0;  // bytes per uncompressed row
};

// nullopt when the header is unknown, the size or depth is impossible, or the bytes are fewer than
// the colour table and (uncompressed) the rows need.
std::optional<BitmapDib> ParseBitmapDib(std::span<const BYTE> bytes);
// The bitmap resource `name` of the module; nullopt with the last error of a missing resource, or
// ERROR_INVALID_DATA for one that cannot be read.
std::optional<BitmapDib> FindBitmapDib(HINSTANCE instance, LPCWSTR name);

}  // namespace platform
