// The month view on the landscape QVGA screen: a day's task and birthday marks stand clear of its
// day bar.
#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/month_view.h"
#include "calendar/paint_helpers.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/poom.h"
#include "platform/testing_draw.h"
#include "platform/testing_gdi.h"
#include "platform/text.h"
#include "program_fixture.h"

namespace {

namespace pt = platform::testing;
using frametest::ProgramTest;

class MonthMarks : public ProgramTest {};

TEST_F(MonthMarks, TaskAndBirthdayMarksStayOffTheDayBarOnLandscapeQvga) {
    FreezeTestDay();
    {
        Store store;
        store.Appt(u"Dentist", DateRec(2026, 12, 17, 9, 0), 120);
        store.Task(u"Pay rent", DateRec(2026, 12, 17));
        auto contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(u"Ada");
        contact->put_LastName(u"Byron");
        contact->put_Birthday(Store::Ole(DateRec(1980, 12, 17)));
        EXPECT_EQ(contact->Save(), S_OK);
    }
    WriteSetting(u"STARTON30", kStartMonth);
    UseScreen(320, 240);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ViewId, kViewMonth);

    const HDC dc = GetDC(g_Frame.mainWnd);
    const MonthGridGeometry g = MonthGeometry(dc, MonthGridRect, 2026, 12);
    ReleaseDC(g_Frame.mainWnd, dc);
    MonthCellPlace cell;
    ForEachMonthCell(g, [&](const MonthCellPlace& c) {
        if (!c.outside && c.day == 17) cell = c;
    });
    ASSERT_EQ(cell.day, 17);
    POINT origin{cell.x, cell.y};
    ClientToScreen(g_Frame.mainWnd, &origin);
    // The user taps the day: it is selected and drawn again.
    pt::Tap(origin.x + 4, origin.y + g.rowHeight / 2);
    pt::PumpUntilIdle();

    // The bar's frame, found on the screen inside the cell.
    const COLORREF frame = ThemeColor(kThemeBarBorder);
    RECT bar{origin.x + g.cellWidth, origin.y + g.rowHeight, origin.x, origin.y};
    for (int y = origin.y + 1; y < origin.y + g.rowHeight - 1; ++y) {
        for (int x = origin.x + 1; x < origin.x + g.cellWidth - 1; ++x) {
            if (pt::ScreenPixel(x, y) != frame) continue;
            bar.left = std::min<LONG>(bar.left, x);
            bar.top = std::min<LONG>(bar.top, y);
            bar.right = std::max<LONG>(bar.right, x + 1);
            bar.bottom = std::max<LONG>(bar.bottom, y + 1);
        }
    }
    ASSERT_LT(bar.top, bar.bottom) << "no day bar drawn";
    const RECT area{origin.x, origin.y, origin.x + g.cellWidth, origin.y + g.rowHeight};
    const auto marks = record.ScreenPicturesIn(area);
    EXPECT_GE(marks.size(), 2u);
    for (const pt::DrawnPicture& mark : marks) {
        RECT overlap{};
        EXPECT_FALSE(IntersectRect(&overlap, &mark.rect, &bar))
            << "picture " << mark.resourceId << " at " << mark.rect.left << "," << mark.rect.top << "-" << mark.rect.right
            << "," << mark.rect.bottom << " on the bar " << bar.left << "," << bar.top << "-" << bar.right << ","
            << bar.bottom;
    }
}

}  // namespace
