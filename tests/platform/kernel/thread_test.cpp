// Threads: suspended starts, exit codes, priorities and waits on thread handles.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/kernel.h"
#include "platform/threads.h"

namespace {

TEST(Thread, SuspendedThreadRunsOnlyAfterResumeAndReportsItsExitCode) {
    static std::atomic<int> runs{0};
    runs = 0;
    DWORD id = 0;
    const HANDLE thread = CreateThread(nullptr, 0, [](LPVOID param) -> DWORD {
        ++runs;
        return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(param));
    }, reinterpret_cast<LPVOID>(static_cast<ULONG_PTR>(17)), CREATE_SUSPENDED, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_NE(id, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(thread, 50), WAIT_TIMEOUT);
    EXPECT_EQ(runs, 0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, STILL_ACTIVE);

    EXPECT_EQ(ResumeThread(thread), 1u);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, 17u);
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Thread, PrioritiesAreKeptAndBadOnesRefused) {
    const HANDLE thread = CreateThread(nullptr, 0, [](LPVOID) -> DWORD { return 0; }, nullptr, CREATE_SUSPENDED,
                                       nullptr);
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_NORMAL);
    EXPECT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_LOWEST));
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_LOWEST);
    EXPECT_FALSE(SetThreadPriority(thread, 8));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL));
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_ABOVE_NORMAL);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    ResumeThread(thread);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
}

TEST(Thread, BadHandlesFail) {
    const HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x7777));
    EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(ResumeThread(bogus), 0xFFFFFFFFu);
    EXPECT_EQ(GetThreadPriority(bogus), THREAD_PRIORITY_ERROR_RETURN);
    DWORD code = 0;
    EXPECT_FALSE(GetExitCodeThread(bogus, &code));
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
}

}  // namespace
