// The input script runner: the forms of its lines, and whole scripts run by a second process over a
// test window, as the real program runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "display/script_runner.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "shell/shell_paint.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "tests/support/png_pixels.h"

namespace {

constexpr auto kChildTimeout = std::chrono::seconds(60);
constexpr const char* kChildFlag = "QV_SCRIPT_CHILD";
constexpr const char* kTapLogVariable = "QV_SCRIPT_LOG";
constexpr COLORREF kWindowColour = RGB(200, 30, 40);

using testsupport::PngPixel;

TEST(ScriptLines, FormsAreCheckedBeforeALineRuns) {
    struct Case {
        const char* line;
        bool runs;
    };
    const Case cases[] = {
        {"tap 10 20", true},     {"hold 0 319", true},     {"  tap   1 2  ", true},  {"key SOFT1", true},
        {"key 7", true},         {"key HASH", true},       {"text New meeting", true}, {"wait 250", true},
        {"key A", true},         {"key q", true},          {"key SPACE", true},     {"key BACKSPACE", true},
        {"shot out/a.png", true}, {"rotate", true},        {"quit", true},          {"", true},
        {"# a note", true},      {"tap 10", false},        {"tap x 20", false},     {"tap 1 2 3", false},
        {"key", false},          {"key F13", false},       {"key soft1", false},    {"text", false},
        {"wait", false},         {"wait -1", false},       {"wait 5s", false},      {"shot", false},
        {"rotate twice", false}, {"quit now", false},      {"jump 1 2", false},     {"TAP 1 2", false},
        {"dtap 10 20", true},    {"dtap 10", false},       {"key HELP", true},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::CheckScriptLine(c.line).empty(), c.runs) << c.line;
}

// The second process: a window across the work area that writes what reaches it into a log file,
// and the script of QUORVIA_SCRIPT driving it.
LRESULT CALLBACK LoggingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const char* logPath = std::getenv(kTapLogVariable);
    std::ofstream log(logPath ? logPath : "/dev/null", std::ios::app);
    switch (message) {
    case WM_LBUTTONDOWN: log << "down " << LOWORD(lParam) << " " << HIWORD(lParam) << "\n"; return 0;
    case WM_LBUTTONDBLCLK: log << "double " << LOWORD(lParam) << " " << HIWORD(lParam) << "\n"; return 0;
    case WM_KEYDOWN: log << "key " << wParam << "\n"; return 0;
    case WM_CHAR: log << "char " << static_cast<char>(wParam) << "\n"; return 0;
    case WM_SIZE: log << "size " << LOWORD(lParam) << " " << HIWORD(lParam) << "\n"; return 0;
    case WM_CLOSE: log << "close\n"; DestroyWindow(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(hwnd, &paint);
        const HBRUSH brush = CreateSolidBrush(kWindowColour);
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &paint);
        return 0;
    }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(ScriptChild, RunsTheScriptOverAWindow) {
    if (!std::getenv(kChildFlag)) GTEST_SKIP() << "runs only as the second process of the script tests";
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = LoggingWindowProc;
    wc.lpszClassName = u"QvScriptTarget";
    RegisterClassW(&wc);
    platform::StartDisplay();
    const HWND main = CreateWindowExW(0, u"QvScriptTarget", u"Target", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    SetFocus(main);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class ScriptRun : public ::testing::Test {
protected:
    std::string HostFile(const char* name) { return (device_.Root() / name).string(); }
    // Runs `script` in a second process; its exit status.
    int Run(const std::string& script) {
        const std::string scriptPath = HostFile("input.txt");
        std::ofstream(scriptPath) << script;
        platform::testing::ChildProcess child("ScriptChild.*", {{kChildFlag, "1"},
                                                                {"QUORVIA_SCRIPT", scriptPath},
                                                                {"QUORVIA_HEADLESS", "1"},
                                                                {kTapLogVariable, HostFile("log.txt")}});
        return child.Started() ? child.Wait(kChildTimeout) : -1;
    }
    std::string Log() {
        std::ifstream in(HostFile("log.txt"));
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The width and height a PNG file's header gives; 0 0 when it is no PNG.
    std::pair<int, int> PngSize(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        unsigned char head[24] = {};
        in.read(reinterpret_cast<char*>(head), sizeof head);
        const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        if (!in || !std::equal(std::begin(signature), std::end(signature), head)) return {0, 0};
        auto word = [&](int at) { return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3]; };
        return {word(16), word(20)};
    }

    platform::testing::TestDevice device_;
};

TEST_F(ScriptRun, LinesDriveTheWindowSaveScreensAndQuit) {
    const std::string shot = QV_TEST_OUTPUT_DIR "/script_shot.png";
    const std::string turned = QV_TEST_OUTPUT_DIR "/script_shot_turned.png";
    std::remove(shot.c_str());
    std::remove(turned.c_str());
    ASSERT_EQ(Run("# taps, keys and text reach the window\n"
                  "tap 20 60\n"
                  "tap 20 60\n"
                  "dtap 30 70\n"
                  "key 5\n"
                  "key q\n"
                  "text Hi!\n"
                  "wait 20\n"
                  "shot " + shot + "\n"
                  "rotate\n"
                  "shot " + turned + "\n"
                  "quit\n"
                  "tap 1 1\n"),
              0);
    const std::string log = Log();
    // Below the 26-pixel title bar; two tap lines are two taps, a dtap line one double tap.
    EXPECT_NE(log.find("down 20 34\ndown 20 34\ndown 30 44\ndouble 30 44\nkey"), std::string::npos) << log;
    // Letters are keys, as on the device's keyboard: windows that read key presses see them, and the
    // characters come from the presses (Shift held for capitals and '!').
    EXPECT_NE(log.find("key 53\nchar 5\nkey 81\nchar q\n"), std::string::npos) << log;
    EXPECT_NE(log.find("key 16\nkey 72\nchar H\nkey 73\nchar i\nkey 16\nkey 49\nchar !\n"), std::string::npos) << log;
    EXPECT_NE(log.find("size 320 214\n"), std::string::npos) << log;
    EXPECT_NE(log.find("close\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("down 1"), std::string::npos) << "nothing runs after quit";
    EXPECT_EQ(PngSize(shot), std::make_pair(240, 320));
    EXPECT_EQ(PngPixel(shot, 20, 60), kWindowColour) << "the window as it painted itself";
    EXPECT_EQ(PngPixel(shot, 1, 1), platform::kNavBarColour);
    EXPECT_EQ(PngSize(turned), std::make_pair(320, 240));
}

TEST_F(ScriptRun, TheEndOfTheFileQuitsToo) { EXPECT_EQ(Run("tap 20 60\n"), 0); }

TEST_F(ScriptRun, ALineThatCannotRunEndsTheScriptWithAnError) {
    const char* cases[] = {"jump 1 2", "key JOYSTICK", "tap 20"};
    for (const char* bad : cases) {
        std::remove(HostFile("log.txt").c_str());
        EXPECT_EQ(Run(std::string("tap 20 60\n") + bad + "\ntap 30 70\n"), 2) << bad;
        const std::string log = Log();
        EXPECT_NE(log.find("down 20 34"), std::string::npos) << bad << ": the lines before it ran";
        EXPECT_EQ(log.find("down 30"), std::string::npos) << bad << ": the lines after it did not";
    }
}

TEST_F(ScriptRun, AMissingScriptFileIsAnError) {
    platform::testing::ChildProcess child("ScriptChild.*", {{kChildFlag, "1"},
                                                            {"QUORVIA_SCRIPT", HostFile("no-such-script.txt")},
                                                            {"QUORVIA_HEADLESS", "1"}});
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(child.Wait(kChildTimeout), 2);
}

}  // namespace
