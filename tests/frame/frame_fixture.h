// A device with its screen and the program's resources, and the frame's globals reset around each
// test, for tests that make the main window or its bars.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/reg_key.h"
#include "core/view_id.h"
#include "frame/load_thread.h"
#include "frame/main_window.h"
#include "frame/menu_bars.h"
#include "frame/settings_store.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/threads.h"
#include "resources/quorvia_resources.h"

namespace frametest {

inline void ResetFrameGlobals() {
    g_Frame = {};
    g_Main = {};
    g_CmdLine = {};
    g_Settings = AppSettings();
    g_ViewShown = ViewShownFlags();
    g_MenuBars = {};
    g_LoadState = {};
    PendingViewCmd = kNoPendingCmd;
    ViewId = kViewCoverScreen;
}

inline constexpr auto kLoadTimeout = std::chrono::seconds(20);

// Lets a started load thread hand over (message 1030) and end, so that it never outlives the test.
inline void FinishLoadThread() {
    if (!g_LoadState.thread) return;
    // Pumped while waiting: the thread's last act is a sent message, which this thread answers.
    EXPECT_TRUE(platform::testing::PumpUntil(
        [] { return WaitForSingleObject(g_LoadState.thread, 0) == WAIT_OBJECT_0; }, kLoadTimeout));
    CloseHandle(g_LoadState.thread);
    g_LoadState.thread = nullptr;
}

class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        ResetFrameGlobals();
        RegisterQuorviaResources();
        g_Main.instance = GetModuleHandleW(nullptr);
    }
    ~FrameTest() override {
        FinishLoadThread();
        ResetFrameGlobals();
    }

    static void WriteSetting(const WCHAR* name, LONG value) {
        RegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
        ASSERT_EQ(key.WriteNumber(name, value), ERROR_SUCCESS);
    }
    static LONG ReadSetting(const WCHAR* name) {
        RegKey key;
        LONG value = -1;
        if (key.Open(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS) key.ReadNumber(name, value);
        return value;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
};

}  // namespace frametest
