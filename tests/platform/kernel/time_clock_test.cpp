// The device clock: the frozen test clock, its listeners, and the live clock's agreement with the machine.
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "kernel/clock.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "time_test_support.h"

namespace {

using platform::testing::AdvanceClock;
using platform::testing::FreezeClock;
using platform::testing::ThawClock;

std::atomic<int> listenerCalls{0};
void CountCall() { ++listenerCalls; }

struct FrozenClock : ::testing::Test {
    void TearDown() override { ThawClock(); }
};

TEST_F(FrozenClock, HoldsLocalTimeAndTicksUntilAdvanced) {
    FreezeClock(MakeTime(2009, 3, 5, 23, 59, 30, 250));
    const DWORD ticks = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_SAME_MOMENT(MakeTime(2009, 3, 5, 23, 59, 30, 250), now);
    EXPECT_EQ(now.wDayOfWeek, 4);  // Thursday
    EXPECT_EQ(GetTickCount(), ticks);
    EXPECT_TRUE(platform::testing::ClockIsFrozen());

    AdvanceClock(45'000);
    GetLocalTime(&now);
    EXPECT_SAME_MOMENT(MakeTime(2009, 3, 6, 0, 0, 15, 250), now);
    EXPECT_EQ(now.wDayOfWeek, 5);
    EXPECT_EQ(GetTickCount(), ticks + 45'000);

    // Across a month and a year end as well.
    FreezeClock(MakeTime(2008, 12, 31, 23, 0, 0));
    AdvanceClock(2 * 3600 * 1000);
    GetLocalTime(&now);
    EXPECT_SAME_MOMENT(MakeTime(2009, 1, 1, 1, 0, 0), now);
    EXPECT_EQ(GetTickCount(), ticks + 45'000 + 2 * 3600 * 1000) << "refreezing keeps the tick count";
}

TEST_F(FrozenClock, ListenersHearFreezeAdvanceAndThaw) {
    platform::AddClockListener(&CountCall);
    platform::AddClockListener(&CountCall);  // once is enough
    listenerCalls = 0;
    FreezeClock(MakeTime(2010, 1, 1));
    EXPECT_EQ(listenerCalls, 1);
    AdvanceClock(10);
    EXPECT_EQ(listenerCalls, 2);
    Sleep(10);
    EXPECT_EQ(listenerCalls, 3);
    ThawClock();
    EXPECT_EQ(listenerCalls, 4);
}

TEST_F(FrozenClock, SleepMovesTheClockInsteadOfWaiting) {
    FreezeClock(MakeTime(2009, 6, 1, 8, 0, 0));
    const DWORD ticks = GetTickCount();
    const auto started = std::chrono::steady_clock::now();
    Sleep(60 * 60 * 1000);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_EQ(GetTickCount(), ticks + 60 * 60 * 1000);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wHour, 9);
}

TEST_F(FrozenClock, SetLocalTimeMovesOnlyTheFrozenClock) {
    FreezeClock(MakeTime(2009, 6, 1, 8, 0, 0));
    const DWORD ticks = GetTickCount();
    const SYSTEMTIME wanted = MakeTime(2012, 2, 29, 17, 45, 0);
    EXPECT_TRUE(SetLocalTime(&wanted));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_SAME_MOMENT(wanted, now);
    EXPECT_EQ(GetTickCount(), ticks);

    const SYSTEMTIME invalid = MakeTime(2009, 2, 29);
    EXPECT_FALSE(SetLocalTime(&invalid));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    ThawClock();
    EXPECT_FALSE(SetLocalTime(&wanted));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(FrozenClock, TicksNeverGoBackAfterThawing) {
    FreezeClock(MakeTime(2009, 6, 1));
    AdvanceClock(10u * 24 * 3600 * 1000);
    const std::int64_t frozen = platform::ClockNowMs();
    ThawClock();
    EXPECT_FALSE(platform::ClockFrozen());
    EXPECT_GE(platform::ClockNowMs(), frozen);
    AdvanceClock(1000);  // a live clock is not moved by hand
    EXPECT_FALSE(platform::ClockFrozen());
}

TEST_F(FrozenClock, SystemTimeIsTheFrozenLocalTimeInUtc) {
    const ScopedTimeZone zone(kNewYorkZone);
    FreezeClock(MakeTime(2009, 7, 15, 8, 0, 0));  // summer time, UTC-4
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    EXPECT_SAME_MOMENT(MakeTime(2009, 7, 15, 12, 0, 0), utc);
    FILETIME ft{};
    GetSystemTimeAsFileTime(&ft);
    SYSTEMTIME fromFileTime{};
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &fromFileTime));
    EXPECT_SAME_MOMENT(utc, fromFileTime);
}

TEST_F(FrozenClock, ConcurrentAdvancesAllCount) {
    FreezeClock(MakeTime(2009, 1, 1));
    const DWORD ticks = GetTickCount();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 1000; ++i) AdvanceClock(1);
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(GetTickCount(), ticks + 4000);
}

TEST(LiveClock, FollowsTheMachineClock) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    constexpr ULONGLONG kUnixEpoch = 116444736000000000ull;
    const auto seconds = static_cast<long long>((TicksOf(now) - kUnixEpoch) / 10'000'000);
    EXPECT_NEAR(static_cast<double>(seconds), static_cast<double>(std::time(nullptr)), 5.0);
    const DWORD before = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GE(GetTickCount() - before, 5u);
}

}  // namespace
