// A device with the program folder, a screen, the program's resources and every record the options
// edit back at its defaults, for the field-list and options-dialog tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/program_folder.h"
#include "core/theme_record.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "frame/settings_store.h"
#include "options/options_state.h"
#include "platform/commctrl.h"
#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "projects/prj_options.h"
#include "resources/quorvia_resources.h"
#include "wallet/wlt_settings.h"

namespace options_test {

inline platform::DeviceProfile Screen(int width, int height) {
    platform::DeviceProfile profile;
    profile.screenWidth = width;
    profile.screenHeight = height;
    return profile;
}

inline void ResetRecords() {
    g_Settings = AppSettings();
    g_ViewShown = ViewShownFlags();
    ThemeSetDefaults(g_Theme);
    g_WltSettings = WltSettings();
    g_PrjOptions = PrjOptions();
    g_Options = OptionsState();
    g_Frame = {};
    ViewId = kViewMonth;
    SetFieldListTable(nullptr, 0);
    FieldStackReset();
}

inline LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM: MeasureFieldRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DRAWITEM: DrawFieldRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class OptionsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }

    explicit OptionsTest(platform::DeviceProfile profile = Screen(240, 320)) : device_(profile) {
        std::filesystem::create_directories(device_.HostPath(ProgramFolderFile(u"")));
        InitCommonControls();
        ResetRecords();
        WNDCLASSW wc{};
        wc.lpfnWndProc = HostProc;
        wc.lpszClassName = u"QvOptionsTestHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(0, wc.lpszClassName, u"Host", WS_VISIBLE, 0, 0, 240, 294, nullptr, nullptr, nullptr, nullptr);
        g_Frame.mainWnd = host_;
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    ~OptionsTest() override {
        DestroyWindow(host_);
        FreeFieldIconList();
        ResetRecords();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }

    // The stored number of a settings value, or `absent`.
    static LONG Stored(const WCHAR* name, LONG absent = -999) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return absent;
        LONG value = 0;
        DWORD size = sizeof(value);
        const LONG status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? value : absent;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    HWND host_ = nullptr;
};

}  // namespace options_test
