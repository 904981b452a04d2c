// The device screen and GetDC/ReleaseDC.
#include "gdi/screen.h"

#include <mutex>

#include "gdi/dc.h"
#include "platform/device.h"
#include "platform/system.h"

namespace platform::gdi {
namespace {

struct Screen {
    std::mutex lock;
    PixelStore store;
    bool made = false;
};

Screen& TheScreen() {
    static Screen screen;
    return screen;
}

}  // namespace

// The screen follows the profile: a device given another screen size gets a new, white screen.
Surface& ScreenSurface() {
    const DeviceProfile& profile = Profile();
    Screen& s = TheScreen();
    const std::lock_guard guard(s.lock);
    if (!s.made || s.store.surface.width != profile.screenWidth || s.store.surface.height != profile.screenHeight) {
        s.store.Allocate(profile.screenWidth, profile.screenHeight, false, false);
        std::fill(s.store.pixels.begin(), s.store.pixels.end(), kWhitePixel);
        s.made = true;
    }
    return s.store.surface;
}

}  // namespace platform::gdi

using namespace platform::gdi;

HDC GetDC(HWND window) {
    if (!window) return CreateSurfaceDc([] { return &ScreenSurface(); }, {}, std::nullopt);
    return WindowDc(window);
}

int ReleaseDC(HWND, HDC dc) {
    const auto d = LookupObjectAs<DcObject>(dc);
    if (!d || d->memory) return 0;
    DeleteDC(dc);
    return 1;
}
