// A device with the program's folder, a plain main window, the default theme and empty launcher and
// saved-view lists, for the launcher and saved-view tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/program_folder.h"
#include "core/theme_record.h"
#include "core/view_id.h"
#include "extras/saved_views.h"
#include "extras/spinner.h"
#include "extras/spinner_items.h"
#include "frame/main_window.h"
#include "platform/com.h"
#include "platform/commctrl.h"
#include "platform/device.h"
#include "platform/kernel.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "ui/theme_pictures.h"

namespace spintest {

inline LRESULT CALLBACK PlainWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd, msg, wp, lp);
}

inline platform::DeviceProfile Screen(int width, int height) {
    platform::DeviceProfile profile;
    profile.screenWidth = width;
    profile.screenHeight = height;
    profile.dpi = width >= 480 && height >= 480 ? 192 : 96;
    profile.headless = true;
    // The host's own battery stays out of the pictures; tests that want one give a folder.
    profile.values["power_supply"] = "/nonexistent/power_supply";
    return profile;
}

class SpinnerTest : public ::testing::Test {
protected:
    SpinnerTest() : device_(Screen(240, 320)) {
        std::filesystem::create_directories(device_.HostPath(ProgramFolderFile(u"")));
        RegisterQuorviaResources();
        InitCommonControls();
        CoInitializeEx(nullptr, 0);
        Reset();
        g_Main.instance = GetModuleHandleW(nullptr);
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainWndProc;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"SpinnerTestMain";
        RegisterClassW(&wc);
        g_Frame.mainWnd = CreateWindowExW(0, u"SpinnerTestMain", u"Vestral Agenda", WS_VISIBLE, 0, 0,
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                          nullptr, g_Main.instance, nullptr);
        g_ApptCache.loaded = 1;
        platform::testing::ClearDialogs();
    }
    ~SpinnerTest() override {
        if (g_Frame.mainWnd) DestroyWindow(g_Frame.mainWnd);
        Reset();
        CoUninitialize();
        platform::testing::ClearDialogs();
    }
    static void Reset() {
        FreeSpinnerImageLists();
        g_Spinner = SpinnerItems();
        g_SavedViews = SavedViewList();
        g_Wheel = SpinnerWheel();
        g_Settings = AppSettings();
        g_ViewShown = ViewShownFlags();
        g_Frame = {};
        g_Main = {};
        g_CurItem = CurItem();
        g_ApptCache.loaded = 0;
        ThemeSetDefaults(g_Theme);
        FreeBackPictures();
        ViewId = kViewMonth;
    }
    std::filesystem::path HostFile(const char16_t* name) const { return device_.HostPath(ProgramFolderFile(name)); }
    std::string ReadHostFile(const char16_t* name) const {
        std::ifstream in(HostFile(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void WriteHostFile(const char16_t* name, const std::string& text) const {
        std::ofstream(HostFile(name), std::ios::binary) << text;
    }
    static SpinEntry Entry(const char16_t* name, LONG kind, LONG view, LONG position) {
        SpinEntry entry;
        entry.name = name;
        entry.kind = kind;
        entry.view = view;
        entry.icon = SpinnerViewIcon(view);
        entry.position = position;
        return entry;
    }
    static std::vector<LONG> Positions() {
        std::vector<LONG> positions;
        for (const SpinEntry& entry : g_Spinner.entries) positions.push_back(entry.position);
        return positions;
    }

    platform::testing::TestDevice device_;
};

}  // namespace spintest
