// Off-screen buffers: made once, white, kept whatever size is asked later, released safely, and a
// buffer whose objects cannot be made is reported and leaves nothing behind.
#include <gtest/gtest.h>

#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_gdi.h"
#include "ui/offscreen.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class Offscreen : public ::testing::Test {
protected:
    Offscreen() : screen_(GetDC(nullptr)) {}
    ~Offscreen() override { ReleaseDC(nullptr, screen_); }

    platform::testing::TestDevice device_;
    HDC screen_;
};

TEST_F(Offscreen, NewBufferIsWhiteAndKeepsItsSizeUntilReleased) {
    OffscreenBuffer buffer;
    ASSERT_TRUE(CreateOffscreen(buffer, screen_, 40, 30));
    EXPECT_EQ(buffer.valid, 1);
    EXPECT_EQ(buffer.drawn, 0);
    EXPECT_EQ(GetPixel(buffer.memDC, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(buffer.memDC, 39, 29), kWhite);

    buffer.drawn = 1;
    const HBITMAP bitmap = buffer.bitmap;
    ASSERT_TRUE(CreateOffscreen(buffer, screen_, 80, 60));
    EXPECT_EQ(buffer.bitmap, bitmap);
    EXPECT_EQ(buffer.width, 40);
    EXPECT_EQ(buffer.height, 30);
    EXPECT_EQ(buffer.drawn, 1);

    const HBITMAP previous = buffer.prevBitmap;
    ReleaseOffscreen(buffer);
    EXPECT_EQ(buffer.valid, 0);
    EXPECT_EQ(buffer.drawn, 0);
    EXPECT_EQ(buffer.memDC, nullptr);
    EXPECT_EQ(buffer.bitmap, nullptr);
    EXPECT_EQ(buffer.prevBitmap, previous);
    EXPECT_EQ(buffer.width, 40);
    EXPECT_EQ(buffer.height, 30);
}

TEST_F(Offscreen, ReleasingAnEmptyBuffer) {
    OffscreenBuffer plain;
    plain.valid = 1;
    plain.drawn = 1;
    ReleaseOffscreen(plain);
    EXPECT_EQ(plain.valid, 0);
    EXPECT_EQ(plain.drawn, 0);

    // The second release leaves the flags alone when there is nothing to release.
    OffscreenBuffer second;
    second.drawn = 1;
    EXPECT_EQ(ReleaseOffscreenB(second), 0);
    EXPECT_EQ(second.drawn, 1);

    OffscreenBuffer made;
    ASSERT_TRUE(CreateOffscreen(made, screen_, 10, 10));
    EXPECT_NE(ReleaseOffscreenB(made), 0);
    EXPECT_EQ(made.valid, 0);
    EXPECT_EQ(made.memDC, nullptr);
}

TEST_F(Offscreen, CreateOffscreenReportsFailureAndLeaksNothing) {
    const std::size_t before = platform::testing::LiveGdiObjectCount();
    OffscreenBuffer tooLarge;
    EXPECT_FALSE(CreateOffscreen(tooLarge, screen_, 40000, 40000));
    EXPECT_EQ(tooLarge.valid, 0);
    EXPECT_EQ(tooLarge.memDC, nullptr);
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before);

    // A later paint with a size that can be made succeeds.
    EXPECT_TRUE(CreateOffscreen(tooLarge, screen_, 20, 20));
    ReleaseOffscreen(tooLarge);
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before);
}

}  // namespace
