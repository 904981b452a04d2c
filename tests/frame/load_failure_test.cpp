// A load that cannot run or fails part way: the start view still comes up, the views open with what
// there is instead of waiting for good, the failure is said once, and the first run decides on
// birthdays only from contacts it has read.
#include <gtest/gtest.h>

#include <string>

#include "core/cmd_line.h"
#include "core/month_cache.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "platform/testing_pim.h"
#include "platform/testing_threads.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

class LoadFailure : public frametest::ProgramTest {
protected:
    ~LoadFailure() override { platform::testing::ClearPimFailures(); }

    static int BoxesSaying(const std::u16string& text) {
        int count = 0;
        for (const auto& box : platform::testing::MessageBoxesShown()) count += box.text == text ? 1 : 0;
        return count;
    }
    static int AllBoxes() { return static_cast<int>(platform::testing::MessageBoxesShown().size()); }
    static std::string BoxTexts() {
        std::string all;
        for (const auto& box : platform::testing::MessageBoxesShown())
            all += std::string(box.text.begin(), box.text.end()) + "; ";
        return all;
    }

    // A task in the store, so that an empty list shows the data was not read.
    void StoreATask() {
        Store store;
        store.Task(u"Call the plumber", DateRec(2026, 12, 11));
    }
};

// No load thread could be made: the views waited for ever under the wait cursor.
TEST_F(LoadFailure, NoLoadThreadOpensTheViewsEmptyAndSaysSoOnce) {
    FreezeTestDay();
    StoreATask();
    WriteSetting(u"STARTON30", kStartMonth);
    platform::testing::FailThreadCreation(1);
    Open();
    EXPECT_EQ(g_LoadState.thread, nullptr);
    EXPECT_EQ(ViewId, kViewMonth) << "the start view is shown, not the cover screen";
    EXPECT_EQ(BoxesSaying(u"Error: Load Thread Failed."), 1);

    Command(IDM_VIEW_TASKS);
    EXPECT_EQ(ViewId, kViewTasks);
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd) << "nothing waits for a load that will not come";
    EXPECT_TRUE(g_TskList.IsEmpty());
    EXPECT_EQ(AllBoxes(), 1);
}

// A load step that fails before the start view's data was handed over left the cover screen up.
TEST_F(LoadFailure, ALoadExceptionBeforeTheStartViewStillShowsIt) {
    FreezeTestDay();
    StoreATask();
    WriteSetting(u"STARTON30", kStartTasks);
    platform::testing::FaultPimCall("CeReadRecordPropsEx");
    Open();
    EXPECT_EQ(BoxesSaying(u"Database Load Exception in 'Categories'. Please Report to Hollyfen."), 1) << BoxTexts();
    EXPECT_EQ(ViewId, kViewTasks);
    EXPECT_EQ(g_LoadState.allLoaded, 1);

    // A view whose data the failed load never read opens as it is, without reading again.
    Command(IDM_VIEW_CONTACTS);
    EXPECT_EQ(ViewId, kViewContacts);
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd);
    EXPECT_EQ(AllBoxes(), 1);
}

// The first run switched birthdays off when the anniversary list was empty, also when no contact
// had been read at all.
TEST_F(LoadFailure, FirstRunDecidesOnBirthdaysOnlyFromLoadedContacts) {
    struct Case {
        const char16_t* cmdLine;
        LONG dateItems;
    };
    const Case cases[] = {{u"CTSOFF", 1}, {u"", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cmdLine, c.cmdLine + std::u16string(c.cmdLine).size()));
        WriteSetting(u"STARTON30", kStartMonth);
        ParseCmdLine(c.cmdLine);
        Open();
        EXPECT_EQ(g_Settings.dateItems, c.dateItems);
        CloseProgram();
        EXPECT_EQ(ReadSetting(u"DATEITEMS") != 0, c.dateItems != 0);
        // The next case is a first run again.
        RegKey key;
        ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
        RegDeleteValueW(key.Get(), u"FIRSTTIME");
        RegDeleteValueW(key.Get(), u"DATEITEMS");
    }
}

}  // namespace
