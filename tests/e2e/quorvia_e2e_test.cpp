// The real program: started headless with an input script it shows its main window, writes a
// screenshot and closes cleanly; a second start hands its switch to the running window and ends.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "core/cmd_line.h"
#include "core/main_messages.h"
#include "extras/spinner_items.h"
#include "frame/single_instance.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "tests/frame/frame_fixture.h"
#include "tests/support/png_pixels.h"

namespace {

namespace fs = std::filesystem;

constexpr auto kProgramTimeout = std::chrono::seconds(90);
constexpr int kTimeoutSeconds = 60;

// Runs the program on the test's device with the environment and switches given; its exit status
// (0 success).
int RunProgram(const fs::path& root, const std::string& environment, const std::string& switches,
               const fs::path& log) {
    const std::string command = "QUORVIA_DEVICE='" + root.string() + "' QUORVIA_HEADLESS=1 " + environment +
                                " timeout " + std::to_string(kTimeoutSeconds) + " '" QV_QUORVIA_BINARY "' " +
                                switches + " > '" + log.string() + "' 2>&1";
    return std::system(command.c_str());
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Program : public frametest::FrameTest {
protected:
    fs::path OutputDir() const {
        const fs::path dir = fs::path(QV_TEST_OUTPUT_DIR) / "e2e";
        fs::create_directories(dir);
        return dir;
    }
};

TEST_F(Program, StartsShowsItsMainWindowAndClosesCleanly) {
    WriteSetting(u"STARTON30", kStartLastView);
    const fs::path shot = OutputDir() / "main_window.png";
    const fs::path turned = OutputDir() / "main_window_landscape.png";
    fs::remove(shot);
    fs::remove(turned);
    const fs::path script = device_.Root() / "start.script";
    std::ofstream(script) << "wait 100\nshot " << shot.string() << "\nrotate\nshot " << turned.string() << "\nquit\n";
    const fs::path log = device_.Root() / "program.log";

    const int status = RunProgram(device_.Root(), "QUORVIA_SCRIPT='" + script.string() + "'", "", log);
    EXPECT_EQ(status, 0) << ReadAll(log);
    ASSERT_TRUE(fs::exists(shot));
    EXPECT_GT(fs::file_size(shot), 0u);
    EXPECT_TRUE(fs::exists(turned));
    // The close stored the view to start in next time, and the start registered the file types.
    EXPECT_EQ(ReadSetting(u"LASTFORSTART"), kStartMonth);
    RegKey wallet;
    EXPECT_EQ(wallet.Open(HKEY_CLASSES_ROOT, u".zqw"), ERROR_SUCCESS);
}

TEST_F(Program, DigitKeysSwitchViewsAndTheLastOneIsRemembered) {
    WriteSetting(u"STARTON30", kStartLastView);
    const fs::path week = OutputDir() / "week_view.png";
    const fs::path month = OutputDir() / "month_view.png";
    fs::remove(week);
    fs::remove(month);
    const fs::path script = device_.Root() / "views.script";
    // '5' the week view, '4' back to the month view, '5' the week view again, then close.
    std::ofstream(script) << "wait 3000\nkey 5\nwait 100\nshot " << week.string() << "\nkey 4\nwait 100\nshot "
                          << month.string() << "\nkey 5\nwait 100\nquit\n";
    const fs::path log = device_.Root() / "views.log";

    const int status = RunProgram(device_.Root(), "QUORVIA_SCRIPT='" + script.string() + "'", "", log);
    EXPECT_EQ(status, 0) << ReadAll(log);
    EXPECT_TRUE(fs::exists(week));
    EXPECT_TRUE(fs::exists(month));
    // The program closed in the week view: the next start opens it.
    EXPECT_EQ(ReadSetting(u"LASTFORSTART"), kStartWeek);
}

TEST_F(Program, ExitInTheMenuClosesTheProgram) {
    WriteSetting(u"STARTON30", kStartLastView);
    const fs::path never = device_.Root() / "still_open.png";
    const fs::path script = device_.Root() / "exit.script";
    // "Menu", up from the top to its last entry "Exit", and choose it; the lines after it never run.
    std::ofstream(script) << "key SOFT2\nkey UP\nkey ENTER\nwait 5000\nshot " << never.string() << "\nquit\n";
    const fs::path log = device_.Root() / "program.log";

    EXPECT_EQ(RunProgram(device_.Root(), "QUORVIA_SCRIPT='" + script.string() + "'", "", log), 0) << ReadAll(log);
    EXPECT_FALSE(fs::exists(never));
    EXPECT_EQ(ReadSetting(u"LASTFORSTART"), kStartMonth);
}

// The device's tool takes the screen of the program while it runs.
TEST_F(Program, DevicectlTakesTheRunningProgramsScreen) {
    WriteSetting(u"STARTON30", kStartLastView);
    const fs::path script = device_.Root() / "idle.script";
    std::ofstream(script) << "wait 4000\nquit\n";
    const fs::path log = device_.Root() / "program.log";
    const fs::path shot = OutputDir() / "devicectl_screenshot.png";
    fs::remove(shot);
    std::atomic<bool> done = false;
    std::thread program([&] {
        RunProgram(device_.Root(), "QUORVIA_SCRIPT='" + script.string() + "'", "", log);
        done = true;
    });
    const fs::path tool = fs::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
    const std::string command = "QUORVIA_DEVICE='" + device_.Root().string() + "' ASAN_OPTIONS=detect_leaks=0 '" +
                                tool.string() + "' screenshot '" + shot.string() + "' > /dev/null 2>&1";
    bool taken = false;
    const auto until = std::chrono::steady_clock::now() + kProgramTimeout;
    while (!taken && !done && std::chrono::steady_clock::now() < until) {
        taken = std::system(command.c_str()) == 0;
        if (!taken) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    program.join();
    ASSERT_TRUE(taken) << ReadAll(log);
    EXPECT_GT(fs::file_size(shot), 0u);
}

// On a desktop (a virtual X display) the mouse is the stylus: a hold on a month day leaves the
// new-item menu on the screen when the button comes up, and a double click on a day opens its Day view.
TEST_F(Program, OnTheDesktopAHoldLeavesItsMenuAndADoubleClickOpensTheDay) {
    const fs::path xdotool = "/usr/bin/xdotool";
    if (!fs::exists(xdotool)) GTEST_SKIP() << "xdotool is not installed (scripts/setup-deps)";
    platform::testing::VirtualDisplay display;
    if (!display.Started()) GTEST_SKIP() << "no Xvfb";
    // A device of its own: this test's process shows a screen of its own on its device, which the
    // screenshots must not find instead of the program's.
    const fs::path root = device_.Root() / "desktop-device";
    fs::create_directories(root);
    const fs::path tool = fs::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
    const std::string devicectl = "QUORVIA_DEVICE='" + root.string() + "' ASAN_OPTIONS=detect_leaks=0 '" +
                                  tool.string() + "' ";
    ASSERT_EQ(std::system((devicectl + "reg set 'HKCU\\Software\\Hollyfen\\Quorvia\\Settings' STARTON30 dword " +
                           std::to_string(kStartLastView) + " > /dev/null").c_str()),
              0);
    const fs::path log = device_.Root() / "desktop.log";
    std::atomic<bool> done = false;
    int status = -1;
    std::thread program([&] {
        // The desktop's own libraries keep allocations past their end, which the leak checker would
        // count against the program; its own leaks are checked by the headless runs.
        const std::string command = "env -u QUORVIA_HEADLESS -u QUORVIA_SCRIPT -u WAYLAND_DISPLAY "
                                    "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 DISPLAY=" +
                                    display.Name() + " QUORVIA_DEVICE='" + root.string() + "' timeout " +
                                    std::to_string(kTimeoutSeconds) + " '" QV_QUORVIA_BINARY "' > '" + log.string() +
                                    "' 2>&1";
        status = std::system(command.c_str());
        done = true;
    });
    const std::string x = "DISPLAY=" + display.Name() + " timeout 20 " + xdotool.string() + " ";
    auto run = [&](const std::string& args) { return std::system((x + args + " > /dev/null 2>&1").c_str()) == 0; };
    auto shot = [&](const fs::path& file) {
        return std::system((devicectl + "screenshot '" + file.string() + "' > /dev/null 2>&1").c_str()) == 0;
    };
    auto whiteRow = [](const fs::path& file, int y) {
        for (int x = 0; x < 240; ++x)
            if (testsupport::PngPixel(file.string(), x, y) != RGB(255, 255, 255)) return false;
        return true;
    };
    // The window is up and the month view drawn (not the picture shown while loading): its weekday
    // band at the top, its grid's lines across the screen.
    const fs::path before = OutputDir() / "desktop_month.png";
    auto monthShown = [&] {
        return shot(before) && testsupport::PngPixel(before.string(), 2, 40) != RGB(255, 255, 255) && !whiteRow(before, 100);
    };
    bool up = run("search --sync --onlyvisible --name Quorvia");
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (up && !monthShown() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::seconds(1));
    up = up && monthShown();
    // A day in the middle of the month grid; a spot of the grid the menu then covers (on the
    // Saturday column, not white), and one far from it.
    const int dayX = 120, dayY = 130, underX = 222, underY = 150, farX = 10, farY = 80;
    const std::string move = "search --onlyvisible --name Quorvia windowfocus --sync mousemove --window %1 ";
    const fs::path held = OutputDir() / "desktop_hold.png";
    const fs::path day = OutputDir() / "desktop_day.png";
    const bool heldDone = up && run(move + std::to_string(dayX) + " " + std::to_string(dayY) + " mousedown 1 sleep 1.5 mouseup 1 sleep 1") && shot(held);
    const bool doubled = heldDone && run("key Escape sleep 1 " + move + std::to_string(dayX) + " " + std::to_string(dayY) +
                                         " click --repeat 2 --delay 80 1 sleep 2") &&
                         shot(day);
    // "Menu", up to its last entry "Exit", and choose it.
    if (doubled) run("key F2 sleep 0.5 key Up sleep 0.5 key Return");
    const auto end = std::chrono::steady_clock::now() + kProgramTimeout;
    while (!done && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    program.join();
    ASSERT_TRUE(up) << ReadAll(log);
    ASSERT_TRUE(heldDone) << ReadAll(log);
    EXPECT_TRUE(doubled);
    EXPECT_EQ(status, 0) << ReadAll(log);
    // The menu lies at the pen, over the grid; the rest of the grid is as it was, no editor covers it.
    EXPECT_EQ(testsupport::PngPixel(held.string(), underX, underY), RGB(255, 255, 255));
    EXPECT_NE(testsupport::PngPixel(before.string(), underX, underY), RGB(255, 255, 255));
    EXPECT_EQ(testsupport::PngPixel(held.string(), farX, farY), testsupport::PngPixel(before.string(), farX, farY));
    // The double click opened the day: a heading band over an empty list where the grid's lines were
    // (the device holds no items).
    EXPECT_TRUE(whiteRow(day, 100));
    EXPECT_NE(testsupport::PngPixel(day.string(), 120, 38), RGB(255, 255, 255));
}

std::vector<UINT> g_handedOver;
WNDPROC g_mainProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= kMsgCmdTasks && msg <= kMsgCmdTxtFile) g_handedOver.push_back(msg);
    return CallWindowProcW(g_mainProc, hwnd, msg, wp, lp);
}

TEST_F(Program, SecondStartHandsItsSwitchToTheRunningWindowAndEnds) {
    // This process is the running instance: it holds the mutex and shows the main window.
    int otherRuns = -1;
    ASSERT_EQ(CheckSingleInstance(kMainWndClass, otherRuns), S_OK);
    ASSERT_EQ(otherRuns, 0);
    ASSERT_EQ(InitInstance(g_Main.instance, SW_SHOW), 1);
    const HWND window = g_Frame.mainWnd;
    g_handedOver.clear();
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    platform::testing::PumpUntilIdle();
    platform::testing::ClearForegroundWindow();
    // The running instance keeps "STARTCONTACTSPIN" on; the second start reads it.
    g_Settings.startContactSpin = 1;
    SaveSettings();

    struct Case {
        const char* switches;
        UINT message;
    };
    const Case cases[] = {{"TASKS TASK:12", kMsgCmdTasks}, {"/CONTACTS", kMsgCmdSpinner}};
    for (const Case& c : cases) {
        g_handedOver.clear();
        std::atomic<bool> done = false;
        int status = -1;
        const fs::path log = device_.Root() / "second.log";
        std::thread second([&] {
            status = RunProgram(device_.Root(), "", c.switches, log);
            done = true;
        });
        const bool ended = platform::testing::PumpUntil([&] { return done.load(); }, kProgramTimeout);
        second.join();
        ASSERT_TRUE(ended);
        EXPECT_EQ(status, 0) << ReadAll(log);
        EXPECT_EQ(g_handedOver, std::vector<UINT>{c.message}) << c.switches;
        EXPECT_EQ(GetForegroundWindow(), window);
        platform::testing::ClearForegroundWindow();
    }
    // The spinner message came while the window was in front: it opens on the contacts.
    {
        // The spinner took the switch: the contacts entry is in front and the switch is used up.
        const int front = FindSpinnerItemAtPos(0);
        EXPECT_EQ(front >= 0 ? g_Spinner.entries[front].name : std::u16string(), u"Contacts");
        EXPECT_EQ(g_Main.contactsSpinner, 0);
    }
    DestroyWindow(window);
    CloseHandle(g_CmdLine.mutex);
}

// Started with no screen anyone sees and nothing to drive it, the program says how to run it and
// ends with 2 at once, instead of running on unseen; a display that names no server counts as none.
TEST_F(Program, WithoutADisplayOrAScriptItSaysHowToRunItAndEnds) {
    for (const char* display : {"", "DISPLAY=:97 "}) {
        SCOPED_TRACE(display);
        const fs::path log = device_.Root() / "nodisplay.log";
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QUORVIA_HEADLESS -u QUORVIA_SCRIPT ") +
                                    display + "QUORVIA_DEVICE='" + device_.Root().string() + "' timeout " +
                                    std::to_string(kTimeoutSeconds) + " '" QV_QUORVIA_BINARY "' TODAY > '" +
                                    log.string() + "' 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 2) << ReadAll(log);
        const std::string said = ReadAll(log);
        EXPECT_NE(said.find("no display"), std::string::npos) << said;
        EXPECT_NE(said.find("QUORVIA_HEADLESS=1 QUORVIA_SCRIPT="), std::string::npos) << said;
        EXPECT_NE(said.find("Xvfb"), std::string::npos) << said;
    }
}

// A switch the program does not know is said, and the program goes on.
TEST_F(Program, AnUnknownSwitchIsSaid) {
    const fs::path script = device_.Root() / "quit.script";
    std::ofstream(script) << "quit\n";
    const fs::path log = device_.Root() / "switch.log";
    const int status =
        RunProgram(device_.Root(), "QUORVIA_SCRIPT='" + script.string() + "'", "--verbose TODAY", log);
    EXPECT_EQ(status, 0) << ReadAll(log);
    const std::string said = ReadAll(log);
    EXPECT_NE(said.find("unknown switch \"--verbose\""), std::string::npos) << said;
    EXPECT_EQ(said.find("unknown switch \"TODAY\""), std::string::npos) << said;
}

}  // namespace
