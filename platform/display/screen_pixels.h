// The device screen's pixels as the display reads them: 0x00RRGGBB values, row by row.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/device.h"
#include "platform/types.h"

namespace platform {

struct ScreenCopy {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A copy of the whole screen as it is now.
ScreenCopy CopyScreenPixels();
// Gives the device a profile with another screen size (the screen turned) and makes the screen anew
// at that size, so that no reader sees the profile and the pixels disagree.
void TurnScreenPixels(const DeviceProfile& turned);
COLORREF ScreenPixelAt(int x, int y);
bool SaveScreenPng(const std::filesystem::path& file);

}  // namespace platform
