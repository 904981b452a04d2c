// Windows of another process: a second process finds this one's main window by class, brings it to
// the front and gets the result of its SendMessageW, as a second start of the program does.
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/device.h"
#include "platform/process.h"
#include "window_fixture.h"

namespace {

using qvtest::WindowTest;
using namespace std::chrono_literals;

constexpr const WCHAR* kMainClass = u"QvRemoteMain";
constexpr const char* kRoleVariable = "QV_REMOTE_ROLE";
constexpr UINT kHandOver = 1036;  // a private message with integer parameters
constexpr LRESULT kAnswer = 42;

LRESULT CALLBACK RemoteMainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return qvtest::LoggingProc(hwnd, message, wParam, lParam);
}

HWND MakeMainWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RemoteMainProc;
    wc.lpszClassName = kMainClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kMainClass, u"Vestral Agenda", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

// Runs the child while this thread keeps its windows answering; its exit status, -1 on timeout.
int RunChild(const std::string& role) {
    platform::testing::ChildProcess child("RemoteWindowChild.*", {{kRoleVariable, role}});
    EXPECT_TRUE(child.Started());
    int status = -1;
    platform::testing::PumpUntil(
        [&] {
            status = child.Wait(0ms);
            return status != -1;
        },
        60s);
    return status;
}

TEST_F(WindowTest, SecondProcessFindsTheMainWindowAndGetsItsSendResult) {
    const HWND main = MakeMainWindow();
    ASSERT_NE(main, nullptr);
    HWND foregroundWhenHandedOver = nullptr;
    Log().On(kHandOver, [&](HWND, WPARAM wParam, LPARAM lParam) {
        foregroundWhenHandedOver = GetForegroundWindow();
        return std::optional<LRESULT>(kAnswer + static_cast<LRESULT>(wParam) + lParam);
    });
    platform::testing::PumpMessages();
    platform::testing::ClearForegroundWindow();  // another program is in front until the second start

    EXPECT_EQ(RunChild("send"), 0);
    EXPECT_EQ(foregroundWhenHandedOver, main);
    platform::testing::PumpMessages();
    bool postedArrived = false;
    for (const auto& e : Log().Entries())
        if (e.hwnd == main && e.message == WM_USER + 9) postedArrived = e.wParam == 3 && e.lParam == 4;
    EXPECT_TRUE(postedArrived);
    DestroyWindow(main);
}

TEST_F(WindowTest, WindowsOfEndedProcessesAreNotFound) {
    // A child that ends at once leaves a process number that no longer runs.
    platform::testing::ChildProcess ended("RemoteWindowChild.*", {});
    ASSERT_EQ(ended.Wait(60s), 0);
    const auto list = platform::DeviceRoot() / "run" / (std::to_string(ended.Pid()) + ".windows");
    std::ofstream(list) << "131072\tQvGhost\tGhost\n";
    EXPECT_EQ(FindWindowW(u"QvGhost", nullptr), nullptr);
    EXPECT_FALSE(std::filesystem::exists(list));
}

TEST_F(WindowTest, MainWindowIsNotFoundOnceDestroyed) {
    const HWND main = MakeMainWindow();
    DestroyWindow(main);
    EXPECT_EQ(RunChild("absent"), 0);
}

// The second process's side, run by the tests above through ChildProcess.
TEST(RemoteWindowChild, Role) {
    const char* role = std::getenv(kRoleVariable);
    if (!role) return;
    HWND found = nullptr;
    // As the program's single-instance check: a few tries, a little apart.
    for (int attempt = 0; attempt < 5 && !found; ++attempt) {
        found = FindWindowW(kMainClass, nullptr);
        if (!found) std::this_thread::sleep_for(100ms);
    }
    if (std::string(role) == "absent") {
        EXPECT_EQ(found, nullptr);
        return;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(IsWindow(found));
    WCHAR className[64] = {};
    GetClassNameW(found, className, 64);
    EXPECT_EQ(std::u16string(className), kMainClass);
    DWORD processId = 0;
    GetWindowThreadProcessId(found, &processId);
    EXPECT_NE(processId, GetCurrentProcessId());
    EXPECT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(found) | 1)));
    EXPECT_EQ(SendMessageW(found, kHandOver, 1, 2), kAnswer + 3);
    EXPECT_TRUE(PostMessageW(found, WM_USER + 9, 3, 4));
}

}  // namespace
