// The title bar as a user reads it: a dialog's title while it is up, then the title of the view the
// program shows after it, in every view that follows.
#include <gtest/gtest.h>

#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

class DialogTitles : public frametest::ProgramTest {
protected:
    DialogTitles() {
        FreezeTestDay();
    }

    // Runs a dialog through its menu command and closes it with the given command, noting the
    // title it showed.
    std::u16string RunAndClose(UINT command, UINT closeWith) {
        shown_.clear();
        pt::ActInsideDialog([this, closeWith](HWND dialog) {
            shown_ = pt::NavBarTitle();
            if (dialog) SendMessageW(dialog, WM_COMMAND, closeWith, 0);
        });
        Command(command);
        return shown_;
    }
    std::u16string shown_;
};

TEST_F(DialogTitles, ViewsShownAfterADialogTakeTheTitleBarBack) {
    LONG task = -1;
    {
        Store store;
        task = store.Task(u"Pay rent", DateRec(2026, 12, 12));
    }
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    ASSERT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(pt::NavBarTitle(), u"December 2026");

    EXPECT_EQ(RunAndClose(IDM_OPTIONS, IDM_DLG_DONE), u"Vestral Agenda Options");
    EXPECT_EQ(pt::NavBarTitle(), u"December 2026") << "after Options > Done";
    Command(IDM_VIEW_TASKS);
    ASSERT_EQ(ViewId, kViewTasks);
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda") << "the task list after Options";

    EXPECT_EQ(RunAndClose(IDM_SEARCH, IDM_DLG_CANCEL), u"..::Search");
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda") << "after Search";

    // The task tapped, for its links.
    int row = 0;
    while (row < g_TskRows.Size() && g_TskRows[row].id != task) ++row;
    ASSERT_LT(row, g_TskRows.Size());
    TapListRow(g_TskListState.list, row);
    EXPECT_EQ(RunAndClose(IDM_LINKS, IDM_DLG_CANCEL), u"Links");
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda") << "after Links";

    Command(IDM_VIEW_MONTH);
    EXPECT_EQ(pt::NavBarTitle(), u"December 2026");
    Command(IDM_VIEW_WEEK);
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda");
    EXPECT_EQ(pt::DialogsShown().size(), 3u);
}

}  // namespace
