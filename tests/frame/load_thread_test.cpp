// The load thread against a small PIM store and a stand-in main window: the start view's data comes
// before message 1034, which waits out the cover time on the frozen clock, the load switches keep
// kinds out, and message 1030 follows everything before the thread ends.
#include <gtest/gtest.h>

#include <vector>

#include "core/main_messages.h"
#include "core/pim_volume.h"
#include "frame_fixture.h"
#include "platform/testing_user.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "platform/user.h"
#include "tests/core/loading_fixture.h"
#include "tests/core/pim_store_fixture.h"

namespace {

constexpr DWORD kCoverMs = 500;
constexpr DWORD kCoverPollMs = 20;

// What was in memory when a hand-over message came.
struct Seen {
    UINT message = 0;
    DWORD tick = 0;
    bool appts = false;
    bool tasks = false;
    bool contacts = false;
    LONG allLoaded = 0;
};

std::vector<Seen> g_seen;

// Records the hand-over messages and answers 1034 as the main window does.
LRESULT CALLBACK RecorderProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kMsgStartViewLoaded:
    case kMsgAllLoaded:
        g_seen.push_back(Seen{msg, GetTickCount(), g_ApptCache.loaded != 0, g_LoadState.tasksLoaded != 0,
                              g_LoadState.contactsLoaded != 0, g_LoadState.allLoaded});
        if (msg == kMsgStartViewLoaded && g_LoadState.thread)
            SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_LOWEST);
        return 1;
    default: return DefWindowProcW(window, msg, wp, lp);
    }
}

constexpr const WCHAR* kRecorderClass = u"LoadRecorder";

class LoadThread : public frametest::FrameTest {
protected:
    void SetUp() override {
        ASSERT_EQ(pimfixture::Devicectl(device_, {"pim", "import", pimfixture::Fixture("agenda.ics")}), 0);
        ASSERT_EQ(pimfixture::Devicectl(device_, {"pim", "import", pimfixture::Fixture("people.vcf")}), 0);
        loadtest::ResetLoadedData();
        g_seen.clear();
        SYSTEMTIME now{};
        now.wYear = 2024;
        now.wMonth = 3;
        now.wDay = 12;
        now.wHour = 9;
        platform::testing::FreezeClock(now);
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        ASSERT_TRUE(MountPimVol(g_PimVol));
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = kRecorderClass;
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, kRecorderClass, u"", 0, 0, 0, 10, 10, nullptr, nullptr, g_Main.instance, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        // The thread must be gone before the lists it fills are emptied.
        frametest::FinishLoadThread();
        DestroyWindow(window_);
        UnregisterClassW(kRecorderClass, g_Main.instance);
        UnmountPimVol(g_PimVol);
        EndPoomSession();
        loadtest::ResetLoadedData();
        platform::testing::ClearPimFailures();
        platform::testing::ThawClock();
    }

    // Starts the thread and pumps until message 1030 has come and the thread has ended.
    void RunLoad() {
        start_ = GetTickCount();
        StartLoadThread(window_);
        ASSERT_NE(g_LoadState.thread, nullptr);
        ASSERT_TRUE(platform::testing::PumpUntil(
            [] { return !g_seen.empty() && g_seen.back().message == kMsgAllLoaded; }, frametest::kLoadTimeout));
        ASSERT_TRUE(platform::testing::PumpUntil(
            [] { return WaitForSingleObject(g_LoadState.thread, 0) == WAIT_OBJECT_0; }, frametest::kLoadTimeout));
        DWORD exitCode = 0;
        ASSERT_TRUE(GetExitCodeThread(g_LoadState.thread, &exitCode));
        EXPECT_EQ(exitCode, 1u);
        ASSERT_EQ(g_seen.size(), 2u);
        EXPECT_EQ(g_seen[0].message, kMsgStartViewLoaded);
        EXPECT_EQ(g_seen[1].message, kMsgAllLoaded);
    }

    HWND window_ = nullptr;
    DWORD start_ = 0;
};

TEST_F(LoadThread, StartViewDataComesFirstAndTheRestBeforeAllLoaded) {
    struct Case {
        LONG startView;
        LONG dateItems;
        LONG scheduleTasks;
        bool appts, tasks, contacts;  // loaded when 1034 comes
    };
    constexpr Case kCases[] = {
        {kStartMonth, 1, 1, true, false, true},
        {kStartDay, 0, 0, true, true, false},
        {kStartTasks, 1, 0, false, true, false},
        {kStartContacts, 1, 0, false, false, true},
        {kStartNotes, 1, 0, false, false, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.startView);
        loadtest::ResetLoadedData();
        g_seen.clear();
        g_Settings.startOn30 = c.startView;
        g_Settings.dateItems = c.dateItems;
        g_Settings.scheduleTasks = c.scheduleTasks;
        RunLoad();
        if (HasFatalFailure()) return;
        EXPECT_EQ(g_seen[0].appts, c.appts);
        EXPECT_EQ(g_seen[0].tasks, c.tasks);
        EXPECT_EQ(g_seen[0].contacts, c.contacts);
        EXPECT_EQ(g_seen[0].allLoaded, 0);
        EXPECT_TRUE(g_seen[1].appts && g_seen[1].tasks && g_seen[1].contacts);
        EXPECT_EQ(g_seen[1].allLoaded, 1);
        EXPECT_FALSE(g_TskList.IsEmpty());
        EXPECT_FALSE(g_CtsList.IsEmpty());
        CloseHandle(g_LoadState.thread);
        g_LoadState.thread = nullptr;
    }
}

TEST_F(LoadThread, StartViewWaitsOutTheCoverTimeThoughLoadingTakesNone) {
    g_Settings.startOn30 = kStartMonth;
    RunLoad();
    ASSERT_FALSE(HasFatalFailure());
    // The frozen clock moves only by the thread's own polling sleeps.
    EXPECT_GE(g_seen[0].tick - start_, kCoverMs);
    EXPECT_LT(g_seen[0].tick - start_, kCoverMs + kCoverPollMs);
}

// Loading that ended between two polls: the start view comes when the cover time is up, not at
// the next poll after it.
TEST_F(LoadThread, CoverWaitEndsWhenTheCoverTimeIsUp) {
    for (const DWORD spent : {DWORD{0}, DWORD{7}, DWORD{133}, DWORD{499}, DWORD{500}, DWORD{650}}) {
        SCOPED_TRACE(spent);
        const DWORD start = GetTickCount();
        Sleep(spent);  // the frozen clock moves by exactly this
        WaitOutCover(start);
        EXPECT_EQ(GetTickCount() - start, spent > kCoverMs ? spent : kCoverMs);
    }
}

TEST_F(LoadThread, SwitchedOffKindsAreNeverLoaded) {
    // The tasks start view with tasks switched off: nothing to load before the hand-over.
    g_Settings.startOn30 = kStartTasks;
    g_Frame.loadTasks = 0;
    g_Frame.loadContacts = 0;
    RunLoad();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(g_seen[0].appts || g_seen[0].tasks || g_seen[0].contacts);
    EXPECT_GE(g_seen[0].tick - start_, kCoverMs);
    EXPECT_TRUE(g_seen[1].appts);
    EXPECT_FALSE(g_seen[1].tasks);
    EXPECT_FALSE(g_seen[1].contacts);
    EXPECT_TRUE(g_TskList.IsEmpty());
    EXPECT_TRUE(g_CtsList.IsEmpty());
}

TEST_F(LoadThread, LoadedKindsAreNotLoadedAgain) {
    g_Settings.startOn30 = kStartContacts;
    g_LoadState.contactsLoaded = 1;
    RunLoad();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(g_CtsList.IsEmpty());
    EXPECT_FALSE(g_TskList.IsEmpty());
}

}  // namespace
