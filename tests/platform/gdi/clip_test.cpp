// Regions and clipping.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

TEST(Regions, CombineTable) {
    struct Case {
        int mode;
        int kind;
        Box box;
        int area;
    };
    // a = (0,0)-(4,4), b = (2,2)-(6,6)
    const Case cases[] = {
        {RGN_AND, SIMPLEREGION, {2, 2, 4, 4}, 4},
        {RGN_OR, COMPLEXREGION, {0, 0, 6, 6}, 28},
        {RGN_XOR, COMPLEXREGION, {0, 0, 6, 6}, 24},
        {RGN_DIFF, COMPLEXREGION, {0, 0, 4, 4}, 12},
        {RGN_COPY, SIMPLEREGION, {0, 0, 4, 4}, 16},
    };
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN b = CreateRectRgn(2, 2, 6, 6);
    for (const Case& c : cases) {
        HRGN out = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.kind) << c.mode;
        RECT box;
        GetRgnBox(out, &box);
        EXPECT_EQ(BoxOf(box), c.box) << c.mode;
        int area = 0;
        for (int y = -1; y < 8; ++y)
            for (int x = -1; x < 8; ++x) area += PtInRegion(out, x, y);
        EXPECT_EQ(area, c.area) << c.mode;
        DeleteObject(out);
    }
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    HRGN far = CreateRectRgn(10, 10, 12, 12);
    EXPECT_EQ(CombineRgn(out, a, far, RGN_AND), NULLREGION);
    const RECT probe{3, 3, 9, 9};
    EXPECT_TRUE(RectInRegion(b, &probe));
    EXPECT_FALSE(RectInRegion(far, &probe));
    // The same area cut differently is equal.
    HRGN left = CreateRectRgn(0, 0, 2, 4), right = CreateRectRgn(2, 0, 4, 4);
    CombineRgn(out, left, right, RGN_OR);
    EXPECT_TRUE(EqualRgn(out, a));
    for (HRGN r : {a, b, out, far, left, right}) DeleteObject(r);
    EXPECT_EQ(CombineRgn(nullptr, a, b, RGN_OR), ERROR);
}

TEST(Clipping, DrawingStaysInsideTheClipRegion) {
    Surface32 s(10, 10);
    HRGN a = CreateRectRgn(0, 0, 3, 3), b = CreateRectRgn(6, 6, 9, 9);
    CombineRgn(a, a, b, RGN_OR);
    EXPECT_EQ(SelectClipRgn(s.dc(), a), COMPLEXREGION);
    DeleteObject(a);  // the DC keeps its own copy
    DeleteObject(b);
    PatBlt(s.dc(), 0, 0, 10, 10, BLACKNESS);
    EXPECT_EQ(s.Count(kBlack), 18);
    EXPECT_EQ(GetPixel(s.dc(), 4, 4), CLR_INVALID);  // outside the clip
    RECT box;
    EXPECT_EQ(GetClipBox(s.dc(), &box), COMPLEXREGION);
    EXPECT_EQ(BoxOf(box), (Box{0, 0, 9, 9}));

    SelectClipRgn(s.dc(), nullptr);
    s.Clear(kWhite);
    IntersectClipRect(s.dc(), 2, 2, 8, 8);
    IntersectClipRect(s.dc(), 0, 0, 4, 4);
    ExcludeClipRect(s.dc(), 2, 2, 3, 3);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{0, 0, 10, 10};
    FillRect(s.dc(), &all, red);
    DeleteObject(red);
    EXPECT_EQ(s.Count(kRed), 3);
    SelectClipRgn(s.dc(), nullptr);
    EXPECT_EQ(s.At(2, 3), kRed);
    EXPECT_EQ(s.At(2, 2), kWhite);
}

TEST(Clipping, BlitsAreClippedToo) {
    Surface32 src(10, 10), s(10, 10);
    src.Clear(kBlue);
    IntersectClipRect(s.dc(), 5, 0, 10, 10);
    BitBlt(s.dc(), 0, 0, 10, 10, src.dc(), 0, 0, SRCCOPY);
    SelectClipRgn(s.dc(), nullptr);
    EXPECT_EQ(s.Count(kBlue), 50);
    EXPECT_EQ(s.Ink(), (Box{5, 0, 10, 10}));
}

}  // namespace

#include "gdi/dc.h"

namespace {

// A window's DC: its (0, 0) at the client area's place on the screen, drawing only where the
// window shows (here an L-shaped area, a child covering the rest).
TEST(Clipping, SurfaceDcDrawsAtItsOriginInsideItsBounds) {
    Surface32 screen(20, 20);
    platform::gdi::Surface* target = platform::gdi::LookupDc(screen.dc())->Target();
    platform::gdi::Region shown = platform::gdi::Region::FromRect({5, 5, 15, 15});
    shown = platform::gdi::Combine(shown, platform::gdi::Region::FromRect({10, 10, 15, 15}), RGN_DIFF);
    HDC dc = platform::gdi::CreateSurfaceDc([target] { return target; }, {5, 5}, shown);
    ASSERT_NE(dc, nullptr);
    PatBlt(dc, -5, -5, 40, 40, BLACKNESS);
    EXPECT_EQ(screen.Count(kBlack), 100 - 25);
    EXPECT_EQ(screen.At(5, 5), kBlack);
    EXPECT_EQ(screen.At(12, 12), kWhite);
    EXPECT_EQ(screen.At(4, 5), kWhite);
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(BoxOf(box), (Box{0, 0, 10, 10}));
    EXPECT_EQ(ReleaseDC(nullptr, dc), 1);
}

}  // namespace
