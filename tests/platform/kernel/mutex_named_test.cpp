// Named mutexes across processes: the single-instance check of a second start.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/device.h"
#include "platform/kernel.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/threads.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kRoleVariable = "QV_MUTEX_ROLE";
constexpr const WCHAR* kName = u"Quorvia";

std::string ReadyFile() { return (platform::DeviceRoot() / "run" / "mutex-holder-ready").string(); }

TEST(NamedMutex, SecondProcessIsToldItExistsAndTheNameIsFreedWhenTheFirstDies) {
    platform::testing::TestDevice device;
    platform::testing::ChildProcess holder("NamedMutexChild.*", {{kRoleVariable, "hold"}});
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(platform::testing::WaitForFile(ReadyFile(), 60s));

    const HANDLE second = CreateMutexW(nullptr, FALSE, kName);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    // Owned by the holder: not to be had here.
    EXPECT_EQ(WaitForSingleObject(second, 50), WAIT_TIMEOUT);
    CloseHandle(second);

    holder.Kill();
    holder.Wait(30s);
    const HANDLE first = CreateMutexW(nullptr, FALSE, kName);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(WaitForSingleObject(first, 1000), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(first));
    CloseHandle(first);
}

TEST(NamedMutex, SecondProcessSeesTheNameWhileThisOneHoldsIt) {
    platform::testing::TestDevice device;
    const HANDLE mine = CreateMutexW(nullptr, FALSE, kName);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    platform::testing::ChildProcess second("NamedMutexChild.*", {{kRoleVariable, "second"}});
    EXPECT_EQ(second.Wait(60s), 0);
    CloseHandle(mine);
}

// The other process's side.
TEST(NamedMutexChild, Role) {
    const char* role = std::getenv(kRoleVariable);
    if (!role) return;
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, kName);
    ASSERT_NE(mutex, nullptr);
    if (std::string(role) == "second") {
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
        CloseHandle(mutex);
        return;
    }
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    std::ofstream(ReadyFile()) << "ready";
    // Held until the test ends this process; bounded all the same.
    std::this_thread::sleep_for(60s);
}

}  // namespace
