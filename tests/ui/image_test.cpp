// Pictures: fitting into a box keeping the aspect, decoding a picture stream into a DIB section, and
// greying a bitmap in place.
#include <gtest/gtest.h>

#include "draw_surface.h"
#include "platform/testing.h"
#include "platform/testing_gdi.h"
#include "ui/image_lists.h"
#include "ui/imaging.h"

namespace {

TEST(Imaging, FitAspect) {
    struct Case {
        int size, width, height;
        LONG w, h;
    } const cases[] = {
        {40, 100, 50, 40, 20}, {40, 50, 100, 20, 40}, {40, 64, 64, 40, 40}, {40, 3, 100, 1, 40}, {40, 100, 3, 40, 1},
    };
    for (const Case& c : cases) {
        const SIZE fitted = FitAspect(c.size, c.width, c.height);
        EXPECT_EQ(fitted.cx, c.w) << c.width << "x" << c.height;
        EXPECT_EQ(fitted.cy, c.h) << c.width << "x" << c.height;
    }
}

TEST(Imaging, NullStreamOrBufferGivesNothing) {
    platform::testing::TestDevice device;
    HBITMAP bitmap = nullptr;
    EXPECT_EQ(DecodeImageToDib(nullptr, &bitmap, 40, false), E_FAIL);
    EXPECT_EQ(bitmap, nullptr);
    const char garbage[] = "not a picture";
    EXPECT_EQ(DecodeImageBuffer(garbage, sizeof(garbage)), nullptr);
    DrawSurface surface(10, 10);
    EXPECT_EQ(DrawImageBuffer(garbage, sizeof(garbage), surface.dc(), 0, 0, Placement::TopLeft, kNoScale), 0);
    EXPECT_EQ(platform::testing::LiveImagingObjectCount(), 0u);
}

TEST(GreyBitmap, MagentaKeptNearMagentaSnappedBlackLeft) {
    platform::testing::TestDevice device;
    DrawSurface surface(5, 1);
    const COLORREF pixels[] = {RGB(255, 0, 255), RGB(255, 9, 255), RGB(0, 0, 0), RGB(100, 200, 50), RGB(255, 10, 255)};
    for (int x = 0; x < 5; ++x) SetPixel(surface.dc(), x, 0, pixels[x]);
    GreyBitmapInPlace(surface.dc(), 5, 1, true);
    EXPECT_EQ(surface.Pixel(0, 0), RGB(255, 0, 255));
    EXPECT_EQ(surface.Pixel(1, 0), RGB(255, 0, 255));
    EXPECT_EQ(surface.Pixel(2, 0), RGB(0, 0, 0));
    const int g = static_cast<int>(0.299 * 100 + 0.587 * 200 + 0.114 * 50);
    EXPECT_EQ(surface.Pixel(3, 0), RGB(g, g, g));
    EXPECT_NE(surface.Pixel(4, 0), RGB(255, 10, 255));

    // Copying greys the source itself: the second copy is grey as well.
    DrawSurface source(2, 1);
    SetPixel(source.dc(), 0, 0, RGB(100, 200, 50));
    DrawSurface target(2, 1);
    BltGrey(target.dc(), 0, 0, 2, 1, source.dc(), false);
    EXPECT_EQ(source.Pixel(0, 0), RGB(g, g, g));
    EXPECT_EQ(target.Pixel(0, 0), RGB(g, g, g));
}

TEST(ImageLists, MissingBitmapsLeaveEmptyListsAndDrawingDrawsNothing) {
    platform::testing::TestDevice device;
    CreateAllImageLists();
    ASSERT_NE(g_ImageLists.customSmall, nullptr);
    DrawSurface surface(30, 30);
    EXPECT_EQ(DrawStatusIcon8(surface.dc(), 0, 0, true, IconSize::Small, false), GetStatusIconAdvance(IconSize::Small, false));
    DrawTinyCustomIcon(surface.dc(), 0, 0, 3, true);
    DestroyAllImageLists();
    EXPECT_EQ(g_ImageLists.customSmall, nullptr);
    EXPECT_EQ(surface.Pixel(2, 2), RGB(255, 255, 255));
}

}  // namespace
