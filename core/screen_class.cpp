// Screen-class tests on the screen metrics, read afresh at every call. The classes overlap: 240 by
// 400 is also QVGA, 480 by 800 also VGA, 240 by 240 QVGA and square; a square screen is neither
// landscape nor portrait.
#include "core/screen_class.h"

#include "platform/user.h"

namespace {

constexpr int kSide176 = 176;
constexpr int kSide240 = 240;
constexpr int kSide320 = 320;
constexpr int kSide400 = 400;
constexpr int kSide480 = 480;
constexpr int kSide640 = 640;
constexpr int kSide800 = 800;

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

bool IsSize(int w, int h, int a, int b) { return (w == a && h == b) || (w == b && h == a); }

// The long side beyond the short one's limit and the short side below the long one's, by class.
struct OrientationLimits {
    int shortBelow;
    int longAbove;
};

OrientationLimits Limits() {
    return IsVgaScreen() ? OrientationLimits{kSide640, kSide480} : OrientationLimits{kSide320, kSide240};
}

}  // namespace

BOOL IsSmallScreen176() { return ScreenWidth() == kSide176 || ScreenHeight() == kSide176; }

BOOL IsSquareScreen() { return ScreenWidth() == ScreenHeight(); }

BOOL IsSquare320Screen() { return ScreenWidth() == kSide320 && ScreenHeight() == kSide320; }

BOOL IsVgaScreen() { return ScreenWidth() >= kSide480 && ScreenHeight() >= kSide480; }

BOOL IsQvgaScreen() {
    return ScreenWidth() >= kSide240 && ScreenHeight() >= kSide240 && !IsVgaScreen() && !IsSquare320Screen();
}

BOOL IsWqvgaScreen() { return IsSize(ScreenWidth(), ScreenHeight(), kSide240, kSide400); }

BOOL IsWvgaScreen() { return IsSize(ScreenWidth(), ScreenHeight(), kSide480, kSide800); }

BOOL IsScreen240Plus() { return IsQvgaScreen() || IsVgaScreen() || IsSquare320Screen(); }

BOOL IsLandscapeScreen() {
    const int w = ScreenWidth();
    const int h = ScreenHeight();
    const OrientationLimits limits = Limits();
    return w != h && h < limits.shortBelow && w > limits.longAbove;
}

BOOL IsPortraitScreen() {
    const int w = ScreenWidth();
    const int h = ScreenHeight();
    const OrientationLimits limits = Limits();
    return w != h && w < limits.shortBelow && h > limits.longAbove;
}
