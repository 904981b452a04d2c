// Drawing objects: selection, deletion rules, stock objects, descriptions, saved states and the
// count of live objects that program tests use to prove nothing leaks.
#include "gdi_fixture.h"
#include "platform/device.h"
#include "platform/system.h"
#include "platform/testing.h"

using namespace gdi_test;

namespace {

TEST(Objects, EverythingMadeAndDeletedLeavesTheCountWhereItWas) {
    const std::size_t before = platform::testing::LiveGdiObjectCount();
    {
        Surface32 s(10, 10);
        HPEN pen = CreatePen(PS_SOLID, 1, kRed);
        HRGN region = CreateRectRgn(0, 0, 4, 4);
        EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before + 4);
        DeleteObject(pen);
        DeleteObject(region);
    }
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), before);
}

TEST(Objects, SelectedObjectsCannotBeDeleted) {
    Surface32 s(4, 4);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(s.dc(), brush);
    EXPECT_EQ(old, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(s.bitmap()));
    // Still usable: the DC never draws with a freed brush.
    EXPECT_TRUE(PatBlt(s.dc(), 0, 0, 1, 1, PATCOPY));
    EXPECT_EQ(s.At(0, 0), kRed);
    EXPECT_EQ(SelectObject(s.dc(), old), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // Stock objects ignore deletion.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_NE(GetObjectType(GetStockObject(BLACK_PEN)), 0u);
}

TEST(Objects, ABitmapLivesInOneMemoryDcAtATime) {
    Surface32 s(4, 4);
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, s.bitmap()), nullptr);
    DeleteDC(other);
}

TEST(Objects, NewMemoryDcHoldsAOnePixelMonochromeBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    // A bitmap compatible with that DC is one bit too; one compatible with the screen has colour.
    HBITMAP mono = CreateCompatibleBitmap(dc, 8, 8);
    GetObjectW(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 8, 8);
    GetObjectW(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 32);
    // Drawing colours onto one bit gives black or white.
    SelectObject(dc, mono);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(250, 250, 200)), kWhite);
    EXPECT_EQ(SetPixel(dc, 1, 0, RGB(90, 0, 0)), kBlack);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DeleteObject(mono);
    DeleteObject(colour);
}

TEST(Objects, DescriptionsOfPensBrushesAndFonts) {
    HPEN pen = CreatePen(PS_DASH, 3, kBlue);
    LOGPEN lp{};
    EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, kBlue);
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), static_cast<int>(sizeof lp));
    DeleteObject(pen);
    LOGBRUSH lb{};
    GetObjectW(GetStockObject(NULL_BRUSH), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(GetObjectW(nullptr, sizeof lb, &lb), 0);
    EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
    EXPECT_EQ(CreateHatchBrush(9, 0), nullptr);
}

TEST(Objects, SavedStateComesBackWithItsObjects) {
    Surface32 s(4, 4);
    const int saved = SaveDC(s.dc());
    HBRUSH brush = CreateSolidBrush(kRed);
    SelectObject(s.dc(), brush);
    SetTextColor(s.dc(), kBlue);
    IntersectClipRect(s.dc(), 0, 0, 1, 1);
    ASSERT_TRUE(RestoreDC(s.dc(), saved));
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetTextColor(s.dc()), kBlack);
    RECT box;
    EXPECT_EQ(GetClipBox(s.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(BoxOf(box), (Box{0, 0, 4, 4}));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(RestoreDC(s.dc(), 5));
}

TEST(Objects, DeviceCapsFollowTheProfile) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), platform::Profile().dpi);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), platform::Profile().screenWidth);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

}  // namespace

namespace {

TEST(Objects, ScreenDcDrawsOnTheDeviceScreen) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    SetPixel(screen, 3, 4, RGB(1, 2, 3));
    EXPECT_EQ(platform::testing::ScreenPixel(3, 4), RGB(1, 2, 3));
    EXPECT_EQ(platform::testing::ScreenPixel(-1, 0), CLR_INVALID);
    EXPECT_TRUE(platform::testing::SaveScreenAsPng(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "gdi_screen.png"));
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
}

}  // namespace

namespace {

// Every call given a handle that is not a DC (or not the right object) fails plainly.
TEST(Objects, BadHandlesFailWithoutHarm) {
    const HDC bad = reinterpret_cast<HDC>(0x4242);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HDC screen = GetDC(nullptr);
    const RECT r{0, 0, 4, 4};
    POINT pts[3] = {{0, 0}, {4, 0}, {0, 4}};
    SIZE size{};
    TEXTMETRICW tm{};
    const struct {
        const char* call;
        bool failed;
    } calls[] = {
        {"FillRect", FillRect(bad, &r, brush) == 0},
        {"FillRect brush", FillRect(screen, &r, reinterpret_cast<HBRUSH>(bad)) == 0},
        {"Rectangle", !Rectangle(bad, 0, 0, 4, 4)},
        {"Ellipse", !Ellipse(nullptr, 0, 0, 4, 4)},
        {"Polygon", !Polygon(bad, pts, 3)},
        {"Polyline", !Polyline(bad, pts, 3)},
        {"LineTo", !LineTo(bad, 1, 1)},
        {"BitBlt", !BitBlt(bad, 0, 0, 4, 4, bad, 0, 0, SRCCOPY)},
        {"StretchBlt", !StretchBlt(bad, 0, 0, 4, 4, nullptr, 0, 0, 4, 4, SRCCOPY)},
        {"PatBlt", !PatBlt(bad, 0, 0, 4, 4, PATCOPY)},
        {"SelectObject", SelectObject(bad, brush) == nullptr},
        {"DeleteDC", !DeleteDC(bad)},
        {"ExtTextOutW", !ExtTextOutW(bad, 0, 0, 0, nullptr, u"x", 1, nullptr)},
        {"GetTextExtentPoint32W", !GetTextExtentPoint32W(bad, u"x", 1, &size)},
        {"GetTextMetricsW", !GetTextMetricsW(bad, &tm)},
        {"DrawTextW", DrawTextW(bad, u"x", 1, const_cast<RECT*>(&r), 0) == 0},
        {"SetTextColor", SetTextColor(bad, 0) == CLR_INVALID},
        {"SelectClipRgn", SelectClipRgn(bad, nullptr) == ERROR},
        {"GetClipBox", GetClipBox(bad, const_cast<RECT*>(&r)) == ERROR},
        {"TransparentImage", !TransparentImage(bad, 0, 0, 4, 4, bad, 0, 0, 4, 4, 0)},
        {"DrawIconEx", !DrawIconEx(bad, 0, 0, reinterpret_cast<HICON>(bad), 0, 0, 0, nullptr, DI_NORMAL)},
        {"CreateCompatibleDC", CreateCompatibleDC(bad) == nullptr},
        {"CreatePatternBrush", CreatePatternBrush(reinterpret_cast<HBITMAP>(bad)) == nullptr},
        {"GradientFill", !GradientFill(bad, nullptr, 0, nullptr, 0, GRADIENT_FILL_RECT_H)},
    };
    for (const auto& c : calls) EXPECT_TRUE(c.failed) << c.call;
    ReleaseDC(nullptr, screen);
    DeleteObject(brush);
}

}  // namespace

namespace {

TEST(Objects, TheScreenHasTheProfilesSize) {
    platform::DeviceProfile vga;
    vga.screenWidth = 480;
    vga.screenHeight = 640;
    platform::testing::TestDevice device(vga);
    HDC screen = GetDC(nullptr);
    RECT box;
    GetClipBox(screen, &box);
    EXPECT_EQ(BoxOf(box), (Box{0, 0, 480, 640}));
    ReleaseDC(nullptr, screen);
}

}  // namespace
