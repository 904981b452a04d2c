// The platform words read once at start-up, and the font sizes that suit the screen class until
// the settings say otherwise.
#include <array>

#include "core/app_settings.h"
#include "core/screen_class.h"
#include "platform/system.h"
#include "ui/image_lists.h"

PlatformWords g_PlatformWords;

namespace {

struct FontStart {
    BOOL (*isScreen)();
    LONG fontSize;
    LONG smallFontHeight;
};

// Tested in this order; on any other screen both sizes keep their built-in values.
constexpr std::array<FontStart, 3> kFontStarts{{
    {IsQvgaScreen, 15, 13},
    {IsSquare320Screen, 18, 15},
    {IsVgaScreen, 24, 22},
}};

}  // namespace

void DetectPlatformVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (GetVersionExW(&info)) {
        // A later major version counts whatever its minor: 6.0 is later than 5.2.
        g_PlatformWords.version52OrLater =
            info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion >= 2);
        g_PlatformWords.major5OrLater = info.dwMajorVersion >= 5;
        g_PlatformWords.major3 = info.dwMajorVersion == 3;
        g_PlatformWords.major4 = info.dwMajorVersion == 4;
    }
    for (const FontStart& start : kFontStarts) {
        if (start.isScreen()) {
            g_Settings.fontSize = start.fontSize;
            g_Settings.smallFontHeight = start.smallFontHeight;
            return;
        }
    }
}
