// A device with the program's resources and the wallet's state reset around each test, and helpers
// that make items and read the wallet file back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/frame_state.h"
#include "core/view_id.h"
#include "frame/main_window.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "resources/quorvia_resources.h"
#include "ui/dialog_conventions.h"
#include "ui/view_windows.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"

namespace wallettest {

inline constexpr const WCHAR* kWalletPath = u"\\My Documents\\Test.zqw";

inline void ResetWallet() {
    g_Wlt = WltState();
    g_WltSettings = WltSettings();
    g_ViewWnds = {};
    ClearOpenDlgs();
    ViewId = kViewCoverScreen;
}

// An item of the template at that index with a value in every field.
inline WltItem FilledItem(int templateIndex, const std::u16string& name) {
    FillWalletTemplates();
    WltItem item = g_Wlt.templates[templateIndex];
    item.name = name;
    item.itemId = g_Wlt.nextItemId++;
    for (int i = 0; i < item.fields.Size(); ++i) item.fields[i].value = name + u" value " + static_cast<char16_t>(u'a' + i);
    return item;
}

class WalletTest : public ::testing::Test {
protected:
    WalletTest() {
        ResetWallet();
        RegisterQuorviaResources();
        g_Main.instance = GetModuleHandleW(nullptr);
        CreateDirectoryW(u"\\My Documents", nullptr);
        g_Wlt.path = kWalletPath;
        platform::testing::ClearMessageBoxes();
    }
    ~WalletTest() override {
        ResetWallet();
        platform::testing::ClearMessageBoxes();
    }

    static int CountBoxes(const std::u16string& text) {
        int count = 0;
        for (const auto& box : platform::testing::MessageBoxesShown())
            if (box.text == text) ++count;
        return count;
    }

    platform::testing::TestDevice device_;
};

}  // namespace wallettest
