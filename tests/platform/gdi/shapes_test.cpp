// The pixel rules of the shapes and lines: right and bottom edges exclusive, LineTo without its last
// pixel, wide and dashed pens, the brush inside.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

TEST(Shapes, FillRectCoversLeftTopButNotRightBottom) {
    Surface32 s(8, 6);
    HBRUSH brush = CreateSolidBrush(kBlack);
    const RECT r{1, 1, 4, 3};
    EXPECT_NE(FillRect(s.dc(), &r, brush), 0);
    DeleteObject(brush);
    EXPECT_EQ(s.Picture(6, 4), "......|.###..|.###..|......");
}

TEST(Shapes, RectangleOnePixelPenDrawsOutlineInsideTheBox) {
    Surface32 s(8, 6);
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    EXPECT_TRUE(Rectangle(s.dc(), 0, 0, 5, 4));
    EXPECT_EQ(s.Picture(6, 5), "#####.|#rrr#.|#rrr#.|#####.|......");
}

TEST(Shapes, RectangleWithoutPenIsOnePixelSmaller) {
    Surface32 s(8, 6);
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    SelectObject(s.dc(), GetStockObject(NULL_PEN));
    EXPECT_TRUE(Rectangle(s.dc(), 1, 1, 5, 4));
    EXPECT_EQ(s.Picture(6, 5), "......|.rrr..|.rrr..|......|......");
}

TEST(Shapes, NullBrushLeavesTheInsideAlone) {
    Surface32 s(8, 6);
    SelectObject(s.dc(), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(s.dc(), 0, 0, 4, 4));
    EXPECT_EQ(s.Picture(5, 5), "####.|#..#.|#..#.|####.|.....");
}

TEST(Shapes, WidePenRectangleGrowsAroundTheOutline) {
    Surface32 s(16, 16);
    Selected pen(s.dc(), CreatePen(PS_SOLID, 3, kBlack));
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    Rectangle(s.dc(), 4, 4, 12, 12);
    // Width 3 reaches one pixel outside and one inside the one-pixel outline.
    EXPECT_EQ(s.Ink(), (Box{3, 3, 13, 13}));
    EXPECT_EQ(s.At(3, 3), kBlack);
    EXPECT_EQ(s.At(5, 5), kBlack);
    EXPECT_EQ(s.At(6, 6), kRed);
    EXPECT_EQ(s.At(9, 9), kRed);
    EXPECT_EQ(s.At(10, 10), kBlack);
}

TEST(Shapes, LineToLeavesOutItsLastPixel) {
    struct Case {
        POINT from, to;
        int pixels;
    };
    const Case cases[] = {
        {{1, 1}, {6, 1}, 5},  // horizontal
        {{2, 0}, {2, 7}, 7},  // vertical
        {{0, 0}, {5, 5}, 5},  // diagonal
        {{6, 5}, {1, 2}, 5},  // backwards and steep-ish
        {{3, 3}, {3, 3}, 0},  // empty
    };
    for (const Case& c : cases) {
        Surface32 s(10, 10);
        MoveToEx(s.dc(), c.from.x, c.from.y, nullptr);
        EXPECT_TRUE(LineTo(s.dc(), c.to.x, c.to.y));
        EXPECT_EQ(s.Count(kBlack), c.pixels) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(s.At(c.to.x, c.to.y), kWhite);
        if (c.pixels) {
            EXPECT_EQ(s.At(c.from.x, c.from.y), kBlack);
        }
        POINT where;
        MoveToEx(s.dc(), 0, 0, &where);
        EXPECT_EQ(where.x, c.to.x);
        EXPECT_EQ(where.y, c.to.y);
    }
}

TEST(Shapes, PolylineLeavesOutOnlyTheFinalPoint) {
    Surface32 s(8, 8);
    const POINT pts[] = {{0, 0}, {4, 0}, {4, 4}};
    Polyline(s.dc(), pts, 3);
    EXPECT_EQ(s.Picture(6, 5), "#####.|....#.|....#.|....#.|......");
}

TEST(Shapes, WidePenDrawsItsEnds) {
    Surface32 s(20, 10);
    Selected pen(s.dc(), CreatePen(PS_SOLID, 4, kBlack));
    MoveToEx(s.dc(), 5, 5, nullptr);
    LineTo(s.dc(), 15, 5);
    const Box ink = s.Ink();
    EXPECT_EQ(ink[3] - ink[1], 4);
    EXPECT_LE(ink[0], 4);
    EXPECT_GE(ink[2], 16);
}

TEST(Shapes, DashedPenLeavesGapsThatAnOpaqueBackgroundFills) {
    Surface32 s(40, 4);
    Selected pen(s.dc(), CreatePen(PS_DASH, 1, kBlack));
    SetBkMode(s.dc(), TRANSPARENT);
    MoveToEx(s.dc(), 0, 1, nullptr);
    LineTo(s.dc(), 40, 1);
    const int drawn = s.Count(kBlack);  // a dashed line
    EXPECT_GT(drawn, 20);
    EXPECT_LT(drawn, 40);
    SetBkMode(s.dc(), OPAQUE);
    SetBkColor(s.dc(), kRed);
    MoveToEx(s.dc(), 0, 2, nullptr);
    LineTo(s.dc(), 40, 2);
    EXPECT_EQ(s.Count(kRed), 40 - drawn);
}

TEST(Shapes, NullPenDrawsNoLine) {
    Surface32 s(8, 8);
    SelectObject(s.dc(), GetStockObject(NULL_PEN));
    MoveToEx(s.dc(), 0, 0, nullptr);
    LineTo(s.dc(), 7, 7);
    EXPECT_EQ(s.Count(kWhite), 64);
}

TEST(Shapes, EllipseStaysInsideItsBoxAndTouchesEverySide) {
    const RECT boxes[] = {{2, 3, 22, 13}, {0, 0, 7, 7}, {5, 5, 6, 9}, {1, 1, 30, 4}};
    for (const RECT& b : boxes) {
        Surface32 s(32, 32);
        Selected brush(s.dc(), CreateSolidBrush(kRed));
        Ellipse(s.dc(), b.left, b.top, b.right, b.bottom);
        EXPECT_EQ(s.Ink(), BoxOf(b));
    }
}

TEST(Shapes, EllipseIsRoundNotSquare) {
    Surface32 s(21, 21);
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    Ellipse(s.dc(), 0, 0, 21, 21);
    EXPECT_EQ(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(20, 20), kWhite);
    EXPECT_EQ(s.At(10, 0), kBlack);
    EXPECT_EQ(s.At(0, 10), kBlack);
    EXPECT_EQ(s.At(10, 10), kRed);
}

TEST(Shapes, RoundRectCutsOnlyItsCorners) {
    Surface32 s(24, 24);
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    RoundRect(s.dc(), 2, 2, 22, 18, 8, 8);
    EXPECT_EQ(s.Ink(), (Box{2, 2, 22, 18}));
    EXPECT_EQ(s.At(2, 2), kWhite);
    EXPECT_EQ(s.At(21, 17), kWhite);
    EXPECT_EQ(s.At(12, 2), kBlack);
    EXPECT_EQ(s.At(2, 10), kBlack);
    EXPECT_EQ(s.At(12, 10), kRed);
}

TEST(Shapes, PolygonFillsInsideAndOutlinesEveryEdge) {
    Surface32 s(16, 16);
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    // The cut-corner box of the lists: a rectangle whose top-right corner is cut off.
    const POINT pts[] = {{1, 1}, {9, 1}, {13, 5}, {13, 10}, {1, 10}};
    Polygon(s.dc(), pts, 5);
    for (const POINT& p : pts) EXPECT_EQ(s.At(p.x, p.y), kBlack) << p.x << "," << p.y;
    EXPECT_EQ(s.At(5, 5), kRed);
    EXPECT_EQ(s.At(12, 2), kWhite);
    EXPECT_EQ(s.Ink(), (Box{1, 1, 14, 11}));
}

TEST(Shapes, SetPixelAndGetPixelOutsideTheSurfaceFail) {
    Surface32 s(4, 4);
    EXPECT_EQ(SetPixel(s.dc(), 1, 2, kRed), kRed);
    EXPECT_EQ(s.At(1, 2), kRed);
    EXPECT_EQ(SetPixel(s.dc(), 4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.dc(), -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
}

TEST(Shapes, HatchedBrushUsesBackgroundOnlyWhenOpaque) {
    Surface32 s(16, 16);
    Selected brush(s.dc(), CreateHatchBrush(HS_CROSS, kBlack));
    SetBkColor(s.dc(), kRed);
    const RECT r{0, 0, 16, 8};
    PatBlt(s.dc(), 0, 0, 16, 8, PATCOPY);
    EXPECT_GT(s.Count(kBlack), 0);
    EXPECT_GT(s.Count(kRed), 0);
    s.Clear(kWhite);
    SetBkMode(s.dc(), TRANSPARENT);
    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, kBlack);
    FillRect(s.dc(), &r, hatch);
    DeleteObject(hatch);
    EXPECT_EQ(s.Count(kRed), 0);
    EXPECT_EQ(s.Count(kBlack), 16);  // one line in each 8-pixel band
}

TEST(Shapes, PatternBrushRepeatsItsBitmapFromTheBrushOrigin) {
    Surface32 s(8, 8);
    Surface32 tile(2, 2);
    SetPixel(tile.dc(), 0, 0, kBlue);
    HBRUSH brush = CreatePatternBrush(tile.bitmap());
    const RECT r{0, 0, 8, 8};
    FillRect(s.dc(), &r, brush);
    EXPECT_EQ(s.Picture(4, 2), "b.b.|....");
    SetBrushOrgEx(s.dc(), 1, 0, nullptr);
    FillRect(s.dc(), &r, brush);
    EXPECT_EQ(s.Picture(4, 2), ".b.b|....");
    DeleteObject(brush);
}

TEST(Shapes, GradientFillEndsExactlyOnBothColours) {
    Surface32 s(40, 40);
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0x0000, 0x0000, 0}, {32, 20, 0x0000, 0x0000, 0xFF00, 0}};
    GRADIENT_RECT g{0, 1};
    ASSERT_TRUE(GradientFill(s.dc(), v, 2, &g, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(s.At(0, 5), kRed);
    EXPECT_EQ(s.At(31, 5), kBlue);
    EXPECT_EQ(s.At(32, 5), kWhite);
    EXPECT_EQ(s.At(5, 20), kWhite);
    const COLORREF middle = s.At(16, 0);
    EXPECT_GT(GetRValue(middle), 100);
    EXPECT_GT(GetBValue(middle), 100);

    s.Clear(kWhite);
    TRIVERTEX w[2] = {{2, 30, 0x0000, 0x0000, 0x0000, 0}, {10, 10, 0xFF00, 0xFF00, 0xFF00, 0}};
    ASSERT_TRUE(GradientFill(s.dc(), w, 2, &g, 1, GRADIENT_FILL_RECT_V));
    // The vertex at the top has its colour on the first row, whichever vertex comes first.
    EXPECT_EQ(s.At(5, 10), kWhite);
    EXPECT_EQ(s.At(5, 29), kBlack);
    EXPECT_EQ(s.At(5, 30), kWhite);
    GRADIENT_RECT bad{0, 7};
    EXPECT_FALSE(GradientFill(s.dc(), w, 2, &bad, 1, GRADIENT_FILL_RECT_V));
}

TEST(Shapes, FocusRectDrawnTwiceVanishes) {
    Surface32 s(12, 12);
    const RECT r{1, 1, 10, 9};
    DrawFocusRect(s.dc(), &r);
    EXPECT_GT(s.Count(kBlack), 10);
    EXPECT_EQ(s.Ink(), BoxOf(r));
    DrawFocusRect(s.dc(), &r);
    EXPECT_EQ(s.Count(kWhite), 144);
}

}  // namespace

namespace {

// Far-reaching coordinates draw what shows, quickly; coordinates past what the platform takes fail
// instead of overflowing.
TEST(Shapes, HugeCoordinatesDrawWhatShowsOrFail) {
    constexpr int kFar = 50000000;
    Surface32 s(16, 16);
    MoveToEx(s.dc(), -kFar, 5, nullptr);
    EXPECT_TRUE(LineTo(s.dc(), kFar, 5));
    EXPECT_EQ(s.Count(kBlack), 16);
    s.Clear(kWhite);
    Selected brush(s.dc(), CreateSolidBrush(kRed));
    EXPECT_TRUE(Ellipse(s.dc(), -kFar, -kFar, kFar, kFar));
    EXPECT_EQ(s.Count(kRed), 256);
    const RECT everything{-kFar, -kFar, kFar, kFar};
    DrawFocusRect(s.dc(), &everything);
    EXPECT_EQ(s.Count(kRed), 256);
    TRIVERTEX v[2] = {{-kFar, 0, 0, 0, 0, 0}, {kFar, 16, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT g{0, 1};
    EXPECT_TRUE(GradientFill(s.dc(), v, 2, &g, 1, GRADIENT_FILL_RECT_H));
    Surface32 src(2, 2);
    EXPECT_TRUE(StretchBlt(s.dc(), -kFar, -kFar, 2 * kFar, 2 * kFar, src.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(s.Count(kWhite), 256);
    const RECT all{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    HBRUSH black = CreateSolidBrush(kBlack);
    EXPECT_NE(FillRect(s.dc(), &all, black), 0);
    DeleteObject(black);
    EXPECT_EQ(s.Count(kBlack), 256);
    EXPECT_FALSE(Rectangle(s.dc(), 0, 0, INT32_MAX, 4));
    EXPECT_FALSE(BitBlt(s.dc(), INT32_MAX - 1, 0, 4, 4, src.dc(), 0, 0, SRCCOPY));
    MoveToEx(s.dc(), 0, 0, nullptr);
    EXPECT_FALSE(LineTo(s.dc(), INT32_MIN, 3));
}

}  // namespace

namespace {

TEST(Shapes, VeryWidePenCoversWhatShows) {
    Surface32 s(8, 8);
    Selected pen(s.dc(), CreatePen(PS_SOLID, 1000000, kBlue));
    MoveToEx(s.dc(), 3, 3, nullptr);
    EXPECT_TRUE(LineTo(s.dc(), 5, 3));
    EXPECT_EQ(s.Count(kBlue), 64);
}

}  // namespace
