// The schedule list's row painter on pixels: the colour bar of appointment rows in the busy colour,
// the selected row's look, the "no items" row, and a screenshot of a painted Day list.
#include <gtest/gtest.h>

#include "calendar/sched_rows.h"
#include "platform/owner_draw.h"
#include "sched_fixture.h"

namespace {

using loadtest::NewAppt;
using schedtest::SchedTest;

constexpr COLORREF kSelectionFill = 0x00A0F0;
constexpr int kThemeWordSelFill = 0;

class SchedRows : public SchedTest {
protected:
    void SetUp() override {
        SchedTest::SetUp();
        savedSel_ = GetThemeWord(kThemeWordSelFill);
        AddBirthday(u"Ann Lee", 1979, 3, 10, 4242);
        AddAppt({u"Conference", DateRec(2009, 3, 9, 10, 0), 2 * 24 * 60});
        AddAppt({u"Standup", DateRec(2009, 3, 10, 9, 0), 30});
        AddAppt({u"Lunch with the whole design team at the corner place", DateRec(2009, 3, 10, 12, 0), 60});
        LoadMonth();
    }
    void TearDown() override {
        SetThemeWord(kThemeWordSelFill, savedSel_);
        SchedTest::TearDown();
    }

    // Paints every shown row into a canvas of the list's client size, as the list's owner does.
    void PaintRows(HDC canvas, int selectedRow) {
        const HWND list = g_ViewWnds.scheduleList;
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_LISTVIEW;
            item.CtlID = kIdScheduleList;
            item.itemID = static_cast<UINT>(row);
            item.itemState = row == selectedRow ? ODS_SELECTED : 0;
            item.hwndItem = list;
            item.hDC = canvas;
            item.rcItem.left = LVIR_BOUNDS;
            SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item.rcItem));
            DrawSchedItem(item);
        }
    }

    RECT RowRect(int row) const {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageW(g_ViewWnds.scheduleList, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    LONG savedSel_ = 0;
};

TEST_F(SchedRows, AppointmentRowsCarryTheBusyColourBarAndSelectionLook) {
    SetThemeWord(kThemeWordSelFill, static_cast<LONG>(kSelectionFill));
    for (const LONG format : {kAgendaOneLine, kAgendaTwoLines}) {
        g_Settings.agendaFmt = format;
        ShowDayView(1, 1);
        const RECT client = RowRect(0);
        const int width = client.right - client.left;
        const int height = RowRect(static_cast<int>(SendMessageW(g_ViewWnds.scheduleList, LVM_GETITEMCOUNT, 0, 0)) - 1).bottom;
        HDC screen = GetDC(g_ViewWnds.scheduleList);
        HDC canvas = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(canvas, bitmap);
        const int standupRow = 3;
        ASSERT_EQ(g_SchedRows[standupRow].kind, kSchedAppt);
        PaintRows(canvas, standupRow);

        const RECT standup = RowRect(standupRow);
        const int mid = (standup.top + standup.bottom) / 2;
        const int barX = format == kAgendaOneLine ? 7 : 9;  // left 5, and 2 further in the wide bar
        EXPECT_EQ(GetPixel(canvas, barX + 1, mid), agendatest::kBusyColour) << "format " << format;
        EXPECT_EQ(GetPixel(canvas, width - 8, standup.top + 3), kSelectionFill) << "selected row, format " << format;
        const RECT lunch = RowRect(standupRow + 1);
        EXPECT_NE(GetPixel(canvas, width - 8, lunch.top + 3), kSelectionFill) << "unselected row, format " << format;
        if (format == kAgendaTwoLines) {
            EXPECT_TRUE(platform::testing::SaveDcAsPng(canvas, Shot("sched_list_day.png")));
        }
        SelectObject(canvas, old);
        DeleteObject(bitmap);
        DeleteDC(canvas);
        ReleaseDC(g_ViewWnds.scheduleList, screen);
    }
}

TEST_F(SchedRows, NothingRowWritesItsText) {
    g_Settings.skipEmpty = 1;
    g_Settings.dateItems = 0;
    g_Settings.scheduleTasks = 1;
    platform::testing::FreezeClock(DateRec(2009, 3, 20, 10, 0));
    g_SelectedDate = DateRec(2009, 3, 20);
    ShowDatesView(1, 1);
    ASSERT_EQ(g_SchedRows[0].kind, kSchedNothing);
    const RECT row = RowRect(0);
    HDC screen = GetDC(g_ViewWnds.scheduleList);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, row.right, row.bottom);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    PaintRows(canvas, -1);
    int ink = 0;
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = 0; x < row.right; ++x) ink += GetPixel(canvas, x, y) != agendatest::kBackground ? 1 : 0;
    EXPECT_GT(ink, 50);
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(g_ViewWnds.scheduleList, screen);
}

}  // namespace

namespace {

// A long two-line subject used to run past the row's right end by the colour bar's indent.
TEST_F(SchedRows, TwoLineSubjectIsCutBeforeTheRowEnd) {
    g_Settings.agendaFmt = kAgendaTwoLines;
    ShowDayView(1, 1);
    const int lunchRow = 4;
    const RECT lunch = RowRect(lunchRow);
    HDC screen = GetDC(g_ViewWnds.scheduleList);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, lunch.right, lunch.bottom);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    PaintRows(canvas, -1);
    int reddish = 0;
    for (int y = lunch.top; y < (lunch.top + lunch.bottom) / 2; ++y) {
        for (int x = lunch.right - 5; x < lunch.right; ++x) {
            const COLORREF c = GetPixel(canvas, x, y);
            reddish += GetRValue(c) >= 0x80 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60 ? 1 : 0;
        }
    }
    EXPECT_EQ(reddish, 0) << "the subject's text reaches into the last 5 pixels of the row";
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(g_ViewWnds.scheduleList, screen);
}

}  // namespace

namespace {

using loadtest::NewTask;

// The darker pixels of the rows' part from x0 to x1 and from y0 to y1.
int DarkPixels(HDC dc, int x0, int x1, int y0, int y1) {
    int dark = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            dark += GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60 ? 1 : 0;
        }
    }
    return dark;
}

// In the two-line format a task's subject sits on the first line, as the appointments' do.
TEST_F(SchedRows, TwoLineTaskSubjectSitsOnTheFirstLine) {
    AddTask({u"Report", DateRec(2009, 3, 10)});
    LoadTskList(1);
    g_Settings.agendaFmt = kAgendaTwoLines;
    ShowDayView(1, 1);
    int taskRow = -1;
    for (int row = 0; row < g_SchedRows.Size(); ++row) taskRow = g_SchedRows[row].kind == kSchedTask ? row : taskRow;
    ASSERT_GE(taskRow, 0);
    const RECT task = RowRect(taskRow);
    HDC screen = GetDC(g_ViewWnds.scheduleList);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, task.right, task.bottom);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    PaintRows(canvas, -1);
    const int mid = (task.top + task.bottom) / 2;
    const int subjectX = 30;
    EXPECT_GT(DarkPixels(canvas, subjectX, subjectX + 30, task.top, mid), 10);
    EXPECT_EQ(DarkPixels(canvas, subjectX, subjectX + 30, mid + 2, task.bottom - 4), 0)
        << "the subject is centred on the whole row";
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(g_ViewWnds.scheduleList, screen);
}

}  // namespace
