// The month view's rectangles per screen class and split settings, the inner cell rectangle, and
// the rule that a layout is made only while the grid cache does not exist.
#include <gtest/gtest.h>

#include "calendar/calendar_state.h"
#include "calendar/month_view.h"
#include "calendar_fixture.h"

namespace {

using caltest::CalendarTest;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

struct LayoutCase {
    const char* name;
    int width;
    int height;
    LONG split;
    LONG bottom;
    LONG preview;
    RECT grid;
    RECT pane;     // checked when split
    RECT preview_;  // checked when split and preview
};

constexpr LayoutCase kLayouts[] = {
    {"QVGA portrait, no split", 240, 320, 0, 1, 0, {0, 0, 240, 266}, {}, {}},
    {"WQVGA portrait, no split", 240, 400, 0, 1, 0, {0, 0, 240, 346}, {}, {}},
    {"QVGA portrait, bottom split with preview", 240, 320, 1, 1, 1, {0, 0, 240, 191}, {1, 193, 156, 264},
     {158, 192, 238, 265}},
    {"WQVGA portrait, bottom split with preview", 240, 400, 1, 1, 1, {0, 0, 240, 271}, {1, 273, 156, 346},
     {158, 272, 238, 347}},
    {"QVGA portrait, side split is laid out as the bottom one", 240, 320, 1, 0, 0, {0, 0, 240, 191},
     {0, 193, 240, 264}, {}},
    {"QVGA landscape, side split with preview", 320, 240, 1, 0, 1, {2, 3, 227, 183}, {230, 3, 318, 114},
     {229, 116, 318, 183}},
    {"QVGA landscape, bottom split", 320, 240, 1, 1, 0, {2, 3, 318, 122}, {2, 124, 317, 183}, {}},
    {"QVGA square, split", 240, 240, 1, 1, 0, {0, 3, 240, 124}, {0, 126, 240, 186}, {}},
    {"320x320, side split with preview", 320, 320, 1, 0, 1, {2, 3, 227, 248}, {230, 3, 318, 178},
     {229, 180, 318, 248}},
    {"VGA portrait, split with preview", 480, 640, 1, 1, 1, {4, 4, 476, 378}, {4, 382, 308, 532},
     {312, 382, 476, 532}},
    {"WVGA landscape, bottom split with preview", 800, 480, 1, 1, 1, {4, 6, 796, 294}, {4, 298, 540, 422},
     {544, 298, 795, 422}},
    {"VGA landscape, side split", 640, 480, 1, 0, 0, {4, 6, 439, 370}, {444, 6, 636, 369}, {}},
};

class MonthLayoutCacheTest : public CalendarTest {
protected:
    ~MonthLayoutCacheTest() override { DropMonthGridCache(); }
};

TEST_F(MonthLayoutCacheTest, RectanglesOfEachScreenClass) {
    for (const LayoutCase& c : kLayouts) {
        device_.SetProfile(caltest::Screen(c.width, c.height));
        DropMonthGridCache();
        NextMonthPreviewRect = RECT{};
        g_Settings.splitMonth = c.split;
        g_Settings.botSplit = c.bottom;
        g_Settings.nextMonthPrev = c.preview;
        LayoutSplitPanes(g_Frame.mainWnd);
        EXPECT_TRUE(MonthGridCache.valid) << c.name;
        EXPECT_TRUE(SameRect(MonthGridRect, c.grid)) << c.name << ": grid " << Text(MonthGridRect);
        if (c.split) {
            EXPECT_TRUE(SameRect(SelDayPaneRect, c.pane)) << c.name << ": pane " << Text(SelDayPaneRect);
        }
        if (c.split && c.preview) {
            EXPECT_TRUE(SameRect(NextMonthPreviewRect, c.preview_))
                << c.name << ": preview " << Text(NextMonthPreviewRect);
        }
    }
}

TEST_F(MonthLayoutCacheTest, AnExistingCacheKeepsTheLayoutUntilReleased) {
    DropMonthGridCache();
    g_Settings.splitMonth = 1;
    LayoutSplitPanes(g_Frame.mainWnd);
    const RECT grid = MonthGridRect;
    g_Settings.splitMonth = 0;
    LayoutSplitPanes(g_Frame.mainWnd);
    EXPECT_TRUE(SameRect(MonthGridRect, grid));
    DropMonthGridCache();
    LayoutSplitPanes(g_Frame.mainWnd);
    EXPECT_TRUE(SameRect(MonthGridRect, RECT{0, 0, 240, 266}));
}

TEST_F(MonthLayoutCacheTest, SplitAreaAnswersOnlyWithTheSplitOn) {
    SelDayPaneRect = RECT{0, 193, 240, 264};
    g_Settings.splitMonth = 0;
    EXPECT_EQ(IsInSplitMonthArea(100, 200), 0);
    g_Settings.splitMonth = 1;
    EXPECT_EQ(IsInSplitMonthArea(100, 200), 1);
    EXPECT_EQ(IsInSplitMonthArea(100, 100), 0);
    g_Settings.botSplit = 0;
    EXPECT_TRUE(IsTopSplitMonth());
}

TEST_F(MonthLayoutCacheTest, CellRectangleWidensOnlyTheLastColumn) {
    // QVGA portrait: k 3, column 7 one pixel wider.
    RECT r{};
    for (int column = 1; column <= 6; ++column) {
        GetMonthCellRect(r, 10, 20, 34, 30, column);
        EXPECT_TRUE(SameRect(r, RECT{11, 21, 44, 53})) << column;
    }
    GetMonthCellRect(r, 10, 20, 34, 30, 7);
    EXPECT_TRUE(SameRect(r, RECT{11, 21, 45, 53}));
}

class MonthCellRectSquareTest : public CalendarTest {
protected:
    MonthCellRectSquareTest() : CalendarTest(240, 240) {}
};

TEST_F(MonthCellRectSquareTest, FontSizeTwelveLiftsTheBottomOnSquareScreens) {
    RECT r{};
    g_Settings.fontSize = 12;
    GetMonthCellRect(r, 0, 0, 34, 20, 1);
    EXPECT_EQ(r.bottom, 19);
    g_Settings.fontSize = 14;
    GetMonthCellRect(r, 0, 0, 34, 20, 1);
    EXPECT_EQ(r.bottom, 23);
}

}  // namespace
