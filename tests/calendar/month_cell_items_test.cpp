// Where a month cell's item marks start on a landscape QVGA screen with the split month, whose
// cells are very low.
#include <gtest/gtest.h>

#include "calendar/month_cell_items.h"
#include "calendar_fixture.h"

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
