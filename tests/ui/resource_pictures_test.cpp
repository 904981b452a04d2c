// The program's own pictures load from its resources at the sizes their painters and lists expect:
// a missing or mis-sized picture would leave the cover screen blank or a list's strip misaligned.
#include <gtest/gtest.h>

#include "frame/main_window.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

namespace {

TEST(ResourcePictures, EveryPictureLoadsAtItsSize) {
    ASSERT_TRUE(RegisterQuorviaResources());
    struct Case {
        UINT id;
        LONG width, height;
    };
    constexpr Case kCases[] = {
        {IDB_COVER_START, 120, 90},      {IDB_COVER_START_VGA, 240, 180}, {IDB_COVER_LOCKED, 96, 96},
        {IDB_COVER_LOCKED_VGA, 192, 192}, {IDB_COVER_FOOT, 100, 10},       {IDB_COVER_FOOT_VGA, 200, 20},
        {IDB_ABOUT_PICTURE, 48, 48},     {IDB_FIELD_STRIP, 38 * 12, 12}, {IDB_FIELD_STRIP_VGA, 38 * 32, 32},
        {IDB_FILTER_CHECKS, 2 * 18, 13}, {IDB_FILTER_CHECKS_VGA, 2 * 32, 32},
    };
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const Case& c : kCases) {
        const HBITMAP bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(c.id));
        ASSERT_NE(bitmap, nullptr) << c.id;
        BITMAP info{};
        GetObjectW(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, c.width) << c.id;
        EXPECT_EQ(info.bmHeight, c.height) << c.id;
        DeleteObject(bitmap);
    }
}

}  // namespace
