// The screen's pixels for the display: the drawing area's screen surface, read and remade under one
// lock so that the desktop thread never reads a screen that is being made anew.
#include "display/screen_pixels.h"

#include <mutex>

#include "gdi/screen.h"
#include "platform/testing_gdi.h"

namespace platform {
namespace {

std::mutex& ScreenLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

ScreenCopy CopyScreenPixels() {
    const std::lock_guard guard(ScreenLock());
    const gdi::Surface& s = gdi::ScreenSurface();
    ScreenCopy copy;
    copy.width = s.width;
    copy.height = s.height;
    copy.pixels.resize(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height));
    for (int y = 0; y < s.height; ++y) {
        const gdi::Pixel* row = s.Row(y);
        std::copy(row, row + s.width, copy.pixels.begin() + static_cast<std::ptrdiff_t>(y) * s.width);
    }
    return copy;
}

void TurnScreenPixels(const DeviceProfile& turned) {
    const std::lock_guard guard(ScreenLock());
    SetProfile(turned);
    gdi::ScreenSurface();  // made anew at the turned size
}

COLORREF ScreenPixelAt(int x, int y) { return testing::ScreenPixel(x, y); }

bool SaveScreenPng(const std::filesystem::path& file) {
    const std::lock_guard guard(ScreenLock());
    return testing::SaveScreenAsPng(file);
}

}  // namespace platform
