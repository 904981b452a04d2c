// Timers on the device clock: WM_TIMER when the frozen test clock is advanced to a timer's time.
#include "platform/time.h"
#include "window_fixture.h"

namespace {

using namespace std::chrono_literals;

class TimerTest : public qvtest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform::testing::FreezeClock(SYSTEMTIME{2024, 3, 0, 15, 9, 30, 0, 0});
    }
    void TearDown() override {
        platform::testing::ThawClock();
        WindowTest::TearDown();
    }
    // The timer identifiers the window got.
    std::vector<WPARAM> Fired(HWND hwnd) {
        platform::testing::PumpMessages();
        std::vector<WPARAM> ids;
        for (const auto& e : Log().Entries())
            if (e.hwnd == hwnd && e.message == WM_TIMER) ids.push_back(e.wParam);
        Log().Clear();
        return ids;
    }
};

TEST_F(TimerTest, TimerFiresWhenTheClockReachesItsTimeAndOnceHoweverLate) {
    const HWND hwnd = MakeWindow(0);
    EXPECT_EQ(SetTimer(hwnd, 1049, 1000, nullptr), 1049u);
    EXPECT_TRUE(Fired(hwnd).empty());
    platform::testing::AdvanceClock(999);
    EXPECT_TRUE(Fired(hwnd).empty());
    platform::testing::AdvanceClock(1);
    EXPECT_EQ(Fired(hwnd), std::vector<WPARAM>{1049});
    platform::testing::AdvanceClock(5000);
    EXPECT_EQ(Fired(hwnd), std::vector<WPARAM>{1049});  // late: still once
    EXPECT_TRUE(Fired(hwnd).empty());
    platform::testing::AdvanceClock(1000);  // the next period counts from the last firing
    EXPECT_EQ(Fired(hwnd), std::vector<WPARAM>{1049});
}

TEST_F(TimerTest, SettingAgainRestartsAndKillingStops) {
    const HWND hwnd = MakeWindow(0);
    SetTimer(hwnd, 7, 1000, nullptr);
    platform::testing::AdvanceClock(600);
    SetTimer(hwnd, 7, 1000, nullptr);
    platform::testing::AdvanceClock(600);
    EXPECT_TRUE(Fired(hwnd).empty());
    platform::testing::AdvanceClock(400);
    EXPECT_EQ(Fired(hwnd), std::vector<WPARAM>{7});
    EXPECT_TRUE(KillTimer(hwnd, 7));
    platform::testing::AdvanceClock(5000);
    EXPECT_TRUE(Fired(hwnd).empty());
    EXPECT_FALSE(KillTimer(hwnd, 7));
}

TEST_F(TimerTest, TimersOfADestroyedWindowGo) {
    const HWND hwnd = MakeWindow(0);
    SetTimer(hwnd, 1, 100, nullptr);
    DestroyWindow(hwnd);
    platform::testing::AdvanceClock(1000);
    MSG msg{};
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(TimerTest, ThreadTimerCallsItsProcedure) {
    static int calls = 0;
    calls = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 250, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    EXPECT_NE(id, 0u);
    platform::testing::AdvanceClock(250);
    platform::testing::PumpMessages();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(TimerTest, AdvancingTheClockWakesAThreadWaitingInGetMessage) {
    static HANDLE ready = nullptr;
    ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE thread = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
        const HWND hwnd = CreateWindowExW(0, qvtest::kTestClass, u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                          nullptr);
        SetTimer(hwnd, 3, 60000, nullptr);
        SetEvent(ready);
        MSG msg{};
        GetMessageW(&msg, nullptr, 0, 0);  // blocks: nothing but the timer will come
        DestroyWindow(hwnd);
        return msg.message == WM_TIMER && msg.wParam == 3 ? 0 : 1;
    }, nullptr, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(thread, 100), WAIT_TIMEOUT);
    platform::testing::AdvanceClock(60000);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(thread);
    CloseHandle(ready);
}

}  // namespace
