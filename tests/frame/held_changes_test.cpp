// A store change that comes while the load thread is still filling the lists waits for the load's end,
// then reaches the lists like any other change.
#include <gtest/gtest.h>

#include "core/main_messages.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/tsk_record.h"
#include "core/view_id.h"
#include "platform/testing_display.h"
#include "program_fixture.h"

namespace {

namespace pt = platform::testing;

class HeldChanges : public frametest::ProgramTest {};

bool Listed(LONG oid) {
    for (const TskRecord& task : g_TskList)
        if (task.oid == oid) return true;
    return false;
}

TEST_F(HeldChanges, AChangeDuringTheLoadIsHandledWhenTheLoadEnds) {
    WriteSetting(u"STARTON30", kStartTasks);
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    // The load thread as it is while it fills the lists.
    const HANDLE thread = g_LoadState.thread;
    const HANDLE loading = thread ? thread : GetCurrentThread();
    g_LoadState.thread = loading;
    g_LoadState.allLoaded = 0;

    LONG oid = -1;
    {
        PoomPtr<IDispatch> item;
        ASSERT_EQ(GetPoomApp()->CreateItem(olTaskItem, item.Out()), S_OK);
        const PoomPtr<ITask> task = QueryPoom<ITask>(item.Get(), IID_ITask);
        task->put_Subject(u"Arrived while loading");
        g_ChangeMarks.ownChange = 0;  // as if another program saved it
        ASSERT_EQ(task->Save(), S_OK);
        task->get_Oid(&oid);
    }
    pt::PumpUntilIdle();
    EXPECT_FALSE(Listed(oid)) << "the lists were changed while the load thread filled them";

    g_LoadState.allLoaded = 1;
    SendMessageW(g_Frame.mainWnd, kMsgAllLoaded, 0, 0);
    pt::PumpUntilIdle();
    EXPECT_TRUE(Listed(oid)) << "the held change was not handled after the load";
    g_LoadState.thread = thread;
}

}  // namespace
