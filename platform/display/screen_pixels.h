// The device screen's pixels as the display reads them: 0x00RRGGBB values, row by row.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/types.h"

namespace platform {

struct ScreenCopy {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A copy of the whole screen as it is now.
ScreenCopy CopyScreenPixels();
// The screen made anew at another size (the screen turned).
void ResizeScreenPixels(int width, int height);
COLORREF ScreenPixelAt(int x, int y);
bool SaveScreenPng(const std::filesystem::path& file);

}  // namespace platform
