// The single-instance check and the hand-over of the first switch to the running window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "frame/settings_store.h"
#include "frame/single_instance.h"
#include "platform/kernel.h"
#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

constexpr const WCHAR* kRunningClass = u"QuorviaRunningTest";

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Received> g_received;

LRESULT CALLBACK RunningProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= kMsgCmdTasks && msg <= kMsgCmdTxtFile) {
        g_received.push_back({msg, wp, lp});
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class SingleInstance : public ::testing::Test {
protected:
    SingleInstance() {
        platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 9, 0, 0, 0});
        Reset();
        WNDCLASSW wc{};
        wc.lpfnWndProc = RunningProc;
        wc.lpszClassName = kRunningClass;
        RegisterClassW(&wc);
    }
    ~SingleInstance() override {
        if (window_ != nullptr) DestroyWindow(window_);
        UnregisterClassW(kRunningClass, nullptr);
        if (g_CmdLine.mutex != nullptr) CloseHandle(g_CmdLine.mutex);
        Reset();
        platform::testing::ThawClock();
    }

    static void Reset() {
        g_CmdLine = {};
        g_Frame = {};
        g_Settings = AppSettings();
        g_received.clear();
    }

    HWND OpenRunningWindow() {
        window_ = CreateWindowExW(0, kRunningClass, u"Vestral Agenda", WS_OVERLAPPED, 0, 0, 240, 320, nullptr, nullptr,
                                  nullptr, nullptr);
        return window_;
    }

    platform::testing::TestDevice device_;
    HWND window_ = nullptr;
};

TEST_F(SingleInstance, FirstSwitchDecidesTheMessage) {
    const HWND window = OpenRunningWindow();
    ASSERT_NE(window, nullptr);
    struct Case {
        std::u16string line;
        LONG startContactSpin;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case cases[] = {
        {u"TASKS TASK:5", 0, kMsgCmdTasks, 0, 0},
        {u"NEWAPPT", 0, kMsgCmdNewAppt, 0, 0},
        {u"/TXT:\"\\My Documents\\NOTES\\a.txt\"", 0, kMsgCmdTxtFile, 0, 0},
        {u"TASK:77 /WLT:\\My Documents\\Main.zqw", 0, kMsgCmdTaskOid, 0, 77},
        {u"APPT:1073741900", 0, kMsgCmdApptOid, 0, 1073741900},
        {u"", 0, kMsgCmdNone, 0, 0},
        {u"CONTACTS", 0, kMsgCmdContacts, 0, 0},
        {u"CONTACTS", 1, kMsgCmdSpinner, kSpinnerOnContacts, 0},
        {u"CONTACTS FORCE", 1, kMsgCmdContacts, 0, 0},
        {u"SPIN", 0, kMsgCmdSpinner, 0, 0},
        {u"/ZQTH:\\t.zqth", 0, kMsgCmdThemeFile, 0, 0},
        {u"WALLET", 0, kMsgCmdWallet, 0, 0},
        {u"/WLT:\\My Documents\\Main.zqw WALLET", 0, kMsgCmdWltFile, 0, 0},
        {u"/SCHEDULE", 0, kMsgCmdSchedule, 0, 0},
    };
    for (const Case& c : cases) {
        Reset();
        g_Settings.startContactSpin = c.startContactSpin;
        ParseCmdLine(c.line);
        EXPECT_EQ(SendCmdLineToRunningWnd(window), 1);
        ASSERT_EQ(g_received.size(), 1u) << std::string(c.line.begin(), c.line.end());
        EXPECT_EQ(g_received[0].message, c.message) << std::string(c.line.begin(), c.line.end());
        EXPECT_EQ(g_received[0].wParam, c.wParam) << std::string(c.line.begin(), c.line.end());
        EXPECT_EQ(g_received[0].lParam, c.lParam) << std::string(c.line.begin(), c.line.end());
    }
}

TEST_F(SingleInstance, FirstInstanceHoldsTheMutex) {
    int otherRuns = -1;
    EXPECT_EQ(CheckSingleInstance(kRunningClass, otherRuns), S_OK);
    EXPECT_EQ(otherRuns, 0);
    EXPECT_NE(g_CmdLine.mutex, nullptr);
}

TEST_F(SingleInstance, SecondStartHandsOverAndBringsTheWindowForward) {
    int otherRuns = -1;
    ASSERT_EQ(CheckSingleInstance(kRunningClass, otherRuns), S_OK);
    const HANDLE held = g_CmdLine.mutex;
    const HWND window = OpenRunningWindow();
    platform::testing::ClearForegroundWindow();

    // The running instance keeps "STARTCONTACTSPIN" in the registry; the second start reads it.
    g_Settings.startContactSpin = 1;
    SaveSettings();
    g_CmdLine = {};
    g_Settings = AppSettings();
    ParseCmdLine(u"/CONTACTS");
    EXPECT_EQ(CheckSingleInstance(kRunningClass, otherRuns), S_OK);
    EXPECT_EQ(otherRuns, 1);
    EXPECT_EQ(g_CmdLine.mutex, nullptr);
    EXPECT_EQ(GetForegroundWindow(), window);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, kMsgCmdSpinner);
    EXPECT_EQ(g_received[0].wParam, kSpinnerOnContacts);
    CloseHandle(held);
}

TEST_F(SingleInstance, NoRunningWindowFails) {
    int otherRuns = -1;
    ASSERT_EQ(CheckSingleInstance(kRunningClass, otherRuns), S_OK);
    const HANDLE held = g_CmdLine.mutex;
    EXPECT_EQ(CheckSingleInstance(kRunningClass, otherRuns), E_FAIL);
    EXPECT_EQ(otherRuns, 0);
    EXPECT_EQ(g_CmdLine.mutex, nullptr);
    CloseHandle(held);
}

}  // namespace
