// The drawing area's test API: counts of live drawing objects and pictures (so tests can prove
// nothing leaks) and pictures of what was drawn, written as PNG for people to look at.
#pragma once

#include <cstddef>
#include <filesystem>

#include "platform/types.h"

namespace platform::testing {

// Pens, brushes, fonts, bitmaps, regions, device contexts and icons alive (stock objects excluded).
std::size_t LiveGdiObjectCount();
// Imaging factories and images alive.
std::size_t LiveImagingObjectCount();
// Writes what the DC shows (its bitmap, or the screen for a screen DC) as a PNG file.
bool SaveDcAsPng(HDC dc, const std::filesystem::path& file);
bool SaveBitmapAsPng(HBITMAP bitmap, const std::filesystem::path& file);
// The device screen as the windows painted it.
COLORREF ScreenPixel(int x, int y);
bool SaveScreenAsPng(const std::filesystem::path& file);

}  // namespace platform::testing
