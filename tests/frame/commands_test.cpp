// Command dispatch: view switches by command, the delete origin by view, commands that are
// swallowed, identifiers left to the default handling, and beaming the current item through the
// object model's infrared folder.
#include <gtest/gtest.h>

#include "core/poom_session.h"
#include "core/res_string.h"
#include "frame/beaming.h"
#include "frame/view_switch.h"
#include "platform/poom.h"
#include "platform/testing_pim.h"
#include "resources/resource.h"
#include "view_fixture.h"

namespace {

using frametest::ViewTest;

LRESULT Command(UINT id) { return DispatchCommand(g_Frame.mainWnd, id, 0); }

TEST_F(ViewTest, ViewCommandsSwitchViews) {
    struct Case {
        UINT command;
        LONG view;
    };
    constexpr Case cases[] = {{IDM_VIEW_WEEK, kViewWeek}, {IDM_VIEW_MONTH, kViewMonth}};
    for (const Case& c : cases) {
        EXPECT_EQ(Command(c.command), 1);
        EXPECT_EQ(ViewId, c.view) << c.command;
    }
    ViewId = kViewDay;
    g_Frame.prevViewId = kViewWeek;
    EXPECT_EQ(Command(IDM_BACK_TO_VIEW), 1);
    EXPECT_EQ(ViewId, kViewWeek);
}

TEST_F(ViewTest, UnknownCommandsGoToTheDefaultHandlingAndTheEmptyOneIsSwallowed) {
    ViewId = kViewMonth;
    EXPECT_EQ(Command(40094), 1);
    EXPECT_EQ(Command(12345), 0);
    EXPECT_EQ(ViewId, kViewMonth);
}

TEST_F(ViewTest, DeleteSetsTheOriginOfTheViewThatAsked) {
    struct Case {
        LONG view;
        LONG kind;
        LONG before;
        LONG origin;
    };
    constexpr Case cases[] = {
        {kViewDates, kItemTask, kDeleteFromTasks, kDeleteFromDates},
        {kViewDay, kItemTask, kDeleteFromTasks, kDeleteFromDay},
        {kViewMonth, kItemTask, kDeleteFromContacts, kDeleteFromContacts},  // unchanged elsewhere
        {kViewTasks, kItemNone, kDeleteFromDay, kDeleteFromTasks},
        {kViewContacts, kItemNone, kDeleteFromTasks, kDeleteFromContacts},
        {kViewDates, kItemContact, kDeleteFromDay, kDeleteFromDay},  // a contact keeps it
    };
    for (const Case& c : cases) {
        ViewId = c.view;
        g_CurItem = CurItem{0x40000001, -1, -1, c.kind};
        g_Frame.deleteOrigin = c.before;
        EXPECT_EQ(Command(IDM_DELETE_ITEM), 1);
        EXPECT_EQ(g_Frame.deleteOrigin, c.origin) << c.view << " " << c.kind;
    }
}

class Beaming : public ViewTest {
protected:
    Beaming() {
        StartPoomSession(nullptr);
        platform::testing::ClearPimItemsBeamed();
    }
    ~Beaming() override {
        EndPoomSession();
        platform::testing::ClearPimItemsBeamed();
    }

    static LONG SaveTask(const char16_t* subject, DATE start) {
        PoomPtr<IDispatch> object;
        EXPECT_EQ(GetPoomApp()->CreateItem(olTaskItem, object.Out()), S_OK);
        const PoomPtr<ITask> task = QueryPoom<ITask>(object.Get(), IID_ITask);
        task->put_Subject(subject);
        task->put_StartDate(start);
        // The store takes a start date only with a due date on or after it.
        task->put_DueDate(start + 10);
        EXPECT_EQ(task->Save(), S_OK);
        LONG oid = 0;
        task->get_Oid(&oid);
        return oid;
    }
    static DATE Day(int year, int month, int day) { return DayToPoom(GetPoomApp(), DateRec(year, month, day)); }
    static DateRec DueOf(LONG oid) {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        DATE due = 0;
        task->get_DueDate(&due);
        DateRec out;
        PoomDateToDateRec(GetPoomApp(), due, out);
        return out;
    }
};

TEST_F(Beaming, BeamSendsTheCurrentItemOnlyWhenOfTheCommandsKind) {
    const LONG oid = SaveTask(u"Report", Day(2009, 3, 1));
    ViewId = kViewMonth;
    g_CurItem = CurItem{kNoOid, -1, -1, kItemTask};
    EXPECT_EQ(Command(IDM_BEAM_ITEM), 1);
    EXPECT_TRUE(platform::testing::PimItemsBeamed().empty());

    g_CurItem.oid = oid;
    BeamCurAppt();
    BeamCurCts();
    EXPECT_TRUE(platform::testing::PimItemsBeamed().empty());

    EXPECT_EQ(Command(IDM_BEAM_ITEM), 1);
    const auto beamed = platform::testing::PimItemsBeamed();
    ASSERT_EQ(beamed.size(), 1u);
    EXPECT_EQ(beamed[0].itemType, olTaskItem);
    EXPECT_EQ(static_cast<LONG>(beamed[0].oid), oid);
}

TEST_F(Beaming, TaskDropMovesTheDueDateUnlessItStartsLater) {
    const LONG oid = SaveTask(u"Report", Day(2009, 3, 12));
    g_CurItem = CurItem{oid, -1, -1, kItemTask};
    platform::testing::ClearMessageBoxes();

    MoveTaskToDate(2009, 3, 11);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Due Date must be after Start Date.");
    EXPECT_EQ(DueOf(oid).wDay, 22);

    MoveTaskToDate(2009, 3, 12);
    const DateRec due = DueOf(oid);
    EXPECT_EQ(due.wYear, 2009);
    EXPECT_EQ(due.wMonth, 3);
    EXPECT_EQ(due.wDay, 12);
    EXPECT_EQ(platform::testing::MessageBoxesShown().size(), 1u);
    platform::testing::ClearMessageBoxes();
}

TEST_F(Beaming, LaunchersHandTheShellTheirProgramAndParameters) {
    device_.WriteFile(u"\\Windows\\tmail.exe", "");
    device_.WriteFile(u"\\Windows\\iexplore.exe", "");
    platform::testing::ClearStartedPrograms();
    ComposeMail(u"ann@example.org");
    OpenUrlInBrowser(u"http://example.org/");
    const auto started = platform::testing::StartedPrograms();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].commandLine, u"mailto:ann@example.org");
    EXPECT_EQ(started[1].commandLine, u"http://example.org/");
    platform::testing::ClearStartedPrograms();
}

TEST(LoadResString, MissingStringGivesTheFallback) {
    EXPECT_EQ(LoadResString(1), u"");
    EXPECT_EQ(LoadResString(1, u"none"), u"none");
}

}  // namespace
