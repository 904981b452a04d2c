// Screen classes of the common screen sizes, read from the device's screen at each call.
#include <gtest/gtest.h>

#include "core/screen_class.h"
#include "platform/testing.h"

namespace {

enum Class : unsigned {
    kQvga = 1u << 0,
    kVga = 1u << 1,
    kSquare = 1u << 2,
    kSquare320 = 1u << 3,
    kWqvga = 1u << 4,
    kWvga = 1u << 5,
    k176 = 1u << 6,
    kLandscape = 1u << 7,
    kPortrait = 1u << 8,
    k240Plus = 1u << 9,
};

unsigned ClassesNow() {
    const struct {
        BOOL (*test)();
        Class bit;
    } tests[] = {
        {IsQvgaScreen, kQvga},      {IsVgaScreen, kVga},         {IsSquareScreen, kSquare},
        {IsSquare320Screen, kSquare320}, {IsWqvgaScreen, kWqvga}, {IsWvgaScreen, kWvga},
        {IsSmallScreen176, k176},   {IsLandscapeScreen, kLandscape}, {IsPortraitScreen, kPortrait},
        {IsScreen240Plus, k240Plus},
    };
    unsigned classes = 0;
    for (const auto& t : tests) classes |= t.test() ? t.bit : 0u;
    return classes;
}

TEST(ScreenClass, CommonSizes) {
    struct Case {
        int width, height;
        unsigned classes;
    };
    constexpr Case cases[] = {
        {240, 320, kQvga | kPortrait | k240Plus},
        {320, 240, kQvga | kLandscape | k240Plus},
        {240, 240, kQvga | kSquare | k240Plus},
        {320, 320, kSquare | kSquare320 | k240Plus},
        {240, 400, kQvga | kWqvga | kPortrait | k240Plus},
        {400, 240, kQvga | kWqvga | kLandscape | k240Plus},
        {480, 640, kVga | kPortrait | k240Plus},
        {640, 480, kVga | kLandscape | k240Plus},
        {480, 480, kVga | kSquare | k240Plus},
        {480, 800, kVga | kWvga | kPortrait | k240Plus},
        {800, 480, kVga | kWvga | kLandscape | k240Plus},
        {176, 220, k176},
    };
    platform::testing::TestDevice device;
    for (const Case& c : cases) {
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device.SetProfile(profile);
        EXPECT_EQ(ClassesNow(), c.classes) << c.width << "x" << c.height;
    }
}

}  // namespace
