// Events, unnamed and in-process named mutexes, critical sections and waits on several objects.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/kernel.h"
#include "platform/testing.h"
#include "platform/threads.h"

namespace {

TEST(Sync, AutoResetEventLetsOneWaitThroughManualResetStaysSignalled) {
    const HANDLE autoEvent = CreateEventW(nullptr, FALSE, TRUE, nullptr);
    const HANDLE manualEvent = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(autoEvent, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(autoEvent, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(manualEvent, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manualEvent, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ResetEvent(manualEvent));
    EXPECT_EQ(WaitForSingleObject(manualEvent, 20), WAIT_TIMEOUT);
    CloseHandle(autoEvent);
    CloseHandle(manualEvent);
}

TEST(Sync, EventSetByAnotherThreadEndsTheWait) {
    static HANDLE event = nullptr;
    event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const HANDLE thread = CreateThread(nullptr, 0, [](LPVOID) -> DWORD { return SetEvent(event) ? 0 : 1; }, nullptr,
                                       0, nullptr);
    EXPECT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    CloseHandle(event);
}

TEST(Sync, WaitForMultipleObjectsNamesTheFirstSignalledOrWaitsForAll) {
    HANDLE events[3];
    for (HANDLE& e : events) e = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetEvent(events[2]);
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 0), WAIT_OBJECT_0 + 2);
    EXPECT_EQ(WaitForMultipleObjects(3, events, TRUE, 0), WAIT_TIMEOUT);
    SetEvent(events[0]);
    SetEvent(events[1]);
    EXPECT_EQ(WaitForMultipleObjects(3, events, TRUE, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForMultipleObjects(0, events, FALSE, 0), WAIT_FAILED);
    for (const HANDLE e : events) CloseHandle(e);
}

TEST(Sync, MutexIsRecursiveForItsOwnerAndOnlyTheOwnerReleasesIt) {
    static HANDLE mutex = nullptr;
    mutex = CreateMutexW(nullptr, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);  // owned twice now
    const auto otherThreadWait = [] {
        const HANDLE t = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
            const DWORD r = WaitForSingleObject(mutex, 0);
            if (r == WAIT_OBJECT_0) ReleaseMutex(mutex);
            return ReleaseMutex(mutex) ? 99 : r;
        }, nullptr, 0, nullptr);
        WaitForSingleObject(t, 10000);
        DWORD code = 0;
        GetExitCodeThread(t, &code);
        CloseHandle(t);
        return code;
    };
    EXPECT_EQ(otherThreadWait(), WAIT_TIMEOUT);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(otherThreadWait(), WAIT_TIMEOUT);  // still owned once
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
    EXPECT_EQ(otherThreadWait(), WAIT_OBJECT_0);
    CloseHandle(mutex);
}

TEST(Sync, NamedObjectsOfTheSameNameAreOneObject) {
    platform::testing::TestDevice device;
    SetLastError(ERROR_ALREADY_EXISTS);  // a stale error must not make the first look second
    const HANDLE first = CreateMutexW(nullptr, FALSE, u"QvSyncName");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    const HANDLE second = CreateMutexW(nullptr, FALSE, u"QvSyncName");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_NE(second, nullptr);
    CloseHandle(first);
    CloseHandle(second);
    const HANDLE again = CreateMutexW(nullptr, FALSE, u"QvSyncName");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    CloseHandle(again);

    const HANDLE e1 = CreateEventW(nullptr, TRUE, FALSE, u"QvEvent");
    const HANDLE e2 = CreateEventW(nullptr, TRUE, FALSE, u"QvEvent");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    SetEvent(e1);
    EXPECT_EQ(WaitForSingleObject(e2, 0), WAIT_OBJECT_0);
    CloseHandle(e1);
    CloseHandle(e2);
}

TEST(Sync, CriticalSectionKeepsThreadsOut) {
    static CRITICAL_SECTION section;
    static int counter = 0;
    InitializeCriticalSection(&section);
    counter = 0;
    constexpr int kThreads = 4;
    constexpr int kRounds = 2000;
    HANDLE threads[kThreads];
    for (HANDLE& t : threads)
        t = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
            for (int i = 0; i < kRounds; ++i) {
                EnterCriticalSection(&section);
                EnterCriticalSection(&section);  // recursive
                const int seen = counter;
                counter = seen + 1;
                LeaveCriticalSection(&section);
                LeaveCriticalSection(&section);
            }
            return 0;
        }, nullptr, 0, nullptr);
    EXPECT_EQ(WaitForMultipleObjects(kThreads, threads, TRUE, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(counter, kThreads * kRounds);
    EXPECT_TRUE(TryEnterCriticalSection(&section));
    LeaveCriticalSection(&section);
    for (const HANDLE t : threads) CloseHandle(t);
    DeleteCriticalSection(&section);
}

}  // namespace
