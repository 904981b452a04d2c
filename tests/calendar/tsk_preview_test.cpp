// The task preview: opening it for the current task, the date and priority lines it lays out,
// "No Selected Task.", completing the task through the preview's box (written to the PIM store) and
// the Left key, and a screenshot.
#include <gtest/gtest.h>

#include "agenda_fixture.h"
#include "calendar/tsk_preview.h"
#include "core/poom_session.h"
#include "core/screen_class.h"
#include "core/tsk_loading.h"
#include "lists/task_view.h"

namespace {

using loadtest::NewTask;

class TskPreview : public agendatest::AgendaTest {
protected:
    void SetUp() override {
        AgendaTest::SetUp();
        report_ = AddTask({u"Write the quarterly report for the board and send it round before Friday",
                           DateRec(2009, 3, 12), olImportanceHigh, u"", false, u"Numbers from finance first."});
        LoadMonth();
        LoadTskList(1);
    }

    bool StoredComplete(LONG oid) {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        VARIANT_BOOL done = VARIANT_FALSE;
        task->get_Complete(&done);
        return done != VARIANT_FALSE;
    }

    void Open(LONG oid) {
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemTask;
        ShowTskPreview(1);
    }

    LONG report_ = -1;
};

TEST_F(TskPreview, OpensForTheCurrentTaskAndIsScreenshot) {
    Open(report_);
    EXPECT_EQ(ViewId, kViewTaskPreview);
    ASSERT_NE(g_Agenda.wnd, nullptr);
    HDC dc = GetDC(g_Agenda.wnd);
    PaintAgendaView(dc);
    ReleaseDC(g_Agenda.wnd, dc);
    const OffscreenBuffer& buffer = g_Agenda.previewBuffer;
    ASSERT_EQ(buffer.drawn, 1);
    int ink = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < buffer.width / 2; ++x) ink += GetPixel(buffer.memDC, x, y) != agendatest::kBackground;
    EXPECT_GT(ink, 30) << "the subject is written at the top";
    EXPECT_TRUE(platform::testing::SaveDcAsPng(buffer.memDC, Shot("task_preview.png")));
}

TEST_F(TskPreview, OpeningRemembersTheTaskToComeBackTo) {
    // A task remembered by an earlier visit must not be the one the task list selects on return.
    g_TskListState.rememberedOid = report_ + 1000;
    g_TskListState.rememberedValid = 1;
    Open(report_);
    EXPECT_EQ(g_TskListState.rememberedOid, report_);
    EXPECT_EQ(g_TskListState.rememberedValid, 0);
}

TEST_F(TskPreview, DateAndPriorityLinesFollowTheTask) {
    struct Case {
        bool start, due;
        LONG prefix;
        int lines;  // lines of the normal font below the subject
    };
    const Case cases[] = {
        {false, true, 0, 1},   // due only: the due line
        {true, false, 0, 0},   // start without due: neither
        {true, true, 0, 2},
        {true, true, 'B', 3},  // the priority line
    };
    HDC dc = GetDC(g_Agenda.wnd ? g_Agenda.wnd : parent_);
    HGDIOBJ old = SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    SIZE size{};
    GetTextExtentPoint32W(dc, u"XXX", 3, &size);
    SelectObject(dc, old);
    const int step = size.cy + (IsVgaScreen() ? 12 : 2);
    g_CurItem.oid = report_;
    g_CurItem.kind = kItemTask;
    const LONG at = IdIndexGet(report_, g_TskIdIndex);
    ASSERT_GE(at, 0);
    TskRecord& task = g_TskList[at];
    task.hasNotes = 0;
    int base = -1;
    for (const Case& c : cases) {
        task.start = c.start ? DateRec(2009, 3, 9) : DateRec(kNoDateYear, 1, 1);
        task.hasDue = c.due ? 1 : 0;
        task.prefixLetter = c.prefix;
        task.prefixNumber = 3;
        const int height = DrawTskPreview(dc, RECT{0, 0, agendatest::kScreenWidth, 400}, 0);
        if (base < 0) base = height - step;  // the first case has one line
        EXPECT_EQ(height - base, c.lines * step + (c.prefix ? 5 : 0)) << c.start << c.due << c.prefix;
    }
    task.prefixLetter = 'B';
    EXPECT_EQ(FormatAdvancedPriority(task), u"Advanced Priority: B3");
    ReleaseDC(g_Agenda.wnd ? g_Agenda.wnd : parent_, dc);
}

TEST_F(TskPreview, NoCurrentTaskShowsOnlyTheNotice) {
    ResetSelection();
    HDC dc = GetDC(parent_);
    EXPECT_EQ(DrawTskPreview(dc, RECT{0, 0, agendatest::kScreenWidth, 300}, 0), 4);
    g_CurItem.oid = 999999;  // gone from the task array
    g_CurItem.kind = kItemTask;
    EXPECT_EQ(DrawTskPreview(dc, RECT{0, 0, agendatest::kScreenWidth, 300}, 0), 4);
    ReleaseDC(parent_, dc);
    EXPECT_EQ(HitPreviewCompleteBox(200, 10), 0) << "the box needs a current item";
}

TEST_F(TskPreview, BoxAndKeysCompleteTheTaskInTheStore) {
    Open(report_);
    HDC dc = GetDC(g_Agenda.wnd);
    PaintAgendaView(dc);
    ReleaseDC(g_Agenda.wnd, dc);
    const int right = g_Agenda.previewBuffer.width;
    ASSERT_GT(right, 0);
    EXPECT_EQ(HitPreviewCompleteBox(right - 60, 10), 0) << "left of the box";
    EXPECT_FALSE(StoredComplete(report_));
    EXPECT_EQ(HitPreviewCompleteBox(right - 5, 10), 1);
    EXPECT_TRUE(StoredComplete(report_));
    AgendaViewKeyDown(VK_LEFT);
    EXPECT_FALSE(StoredComplete(report_)) << "Left toggles back rather than leaving the preview";
    EXPECT_EQ(ViewId, kViewTaskPreview);
}

}  // namespace
