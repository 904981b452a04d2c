// Where a month cell's item marks go on landscape screens with the split month: they start inside
// very low cells and stay inside the narrow cells beside the pane.
#include <gtest/gtest.h>

#include "calendar/month_cell_items.h"
#include "calendar/month_view.h"
#include "calendar_fixture.h"
#include "platform/testing_draw.h"
#include "ui/image_lists.h"

namespace {

using caltest::CalendarTest;

class MonthCellItemsTest : public CalendarTest {
protected:
    MonthCellItemsTest() : CalendarTest(320, 240) { g_Settings.splitMonth = 1; }
};

TEST_F(MonthCellItemsTest, LowCellMarksStayInTheirOwnCell) {
    struct Case {
        int rowHeight;
        int dx;
    } cases[] = {{15, 9}, {16, 5}};
    for (const Case& c : cases) {
        for (const int x : {2, 130, 258}) {
            const POINT origin = CellMarksOrigin(x, 40, c.rowHeight, 2026, 3, 11, 12, 10);
            EXPECT_EQ(origin.x, x + c.dx) << "row height " << c.rowHeight << ", cell at " << x;
        }
    }
}

}  // namespace

namespace {

using caltest::Canvas;

// Six marked appointments on Wednesday 11 March 2026, painted in the month view with the pane
// beside the grid: every mark stays inside the day's own cell.
void ExpectMarksInsideTheirCell(ApptArray& appts, LONG calendarBars) {
    for (int i = 0; i < 6; ++i) {
        ApptRecord appt;
        appt.oid = i + 1;
        appt.subject = u"Mark";
        appt.start = DateRec(2026, 3, 11, 8 + i, 0);
        appt.duration = 30;
        appt.icon = i;
        appts.Append(appt);
    }
    g_Settings.splitMonth = 1;
    g_Settings.botSplit = 0;
    g_Settings.showCat = 1;
    g_Settings.calendarBars = calendarBars;
    DestroyAllImageLists();
    CreateAllImageLists();
    DropMonthGridCache();
    platform::testing::DrawRecord record;
    Canvas canvas;
    PaintMonthView(canvas.dc());
    const MonthGridGeometry g = MonthGeometry(canvas.dc(), MonthGridRect, 2026, 3);
    const MonthCellPlace cell = MonthCellAt(g, 2, 4);
    ASSERT_EQ(cell.day, 11);
    int marks = 0;
    for (const platform::testing::DrawnPicture& picture : record.PicturesDrawn()) {
        if (picture.rect.top < cell.y || picture.rect.top >= cell.y + g.rowHeight) continue;
        ++marks;
        EXPECT_GE(picture.rect.left, cell.x) << "mark " << marks;
        EXPECT_LE(picture.rect.right, cell.x + g.cellWidth) << "mark " << marks;
    }
    EXPECT_EQ(marks, 3);
    DropMonthGridCache();
    DestroyAllImageLists();
}

class MonthCellMarksQvgaTest : public CalendarTest {
protected:
    MonthCellMarksQvgaTest() : CalendarTest(320, 240) {}
};

class MonthCellMarksWvgaTest : public CalendarTest {
protected:
    MonthCellMarksWvgaTest() : CalendarTest(800, 480) {}
};

TEST_F(MonthCellMarksQvgaTest, MarksBesideThePaneStayInTheirCell) { ExpectMarksInsideTheirCell(appts_, 0); }

TEST_F(MonthCellMarksWvgaTest, MarksUnderTheBarsBesideThePaneStayInTheirCell) {
    ExpectMarksInsideTheirCell(appts_, 1);
}

}  // namespace
