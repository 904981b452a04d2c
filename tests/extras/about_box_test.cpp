// The About box: the layout by screen class, the OEM line shown by a diagnostic key and kept for
// later openings, the keyboard test, and the series message.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/frame_state.h"
#include "extras/about_box.h"
#include "frame/main_window.h"
#include "platform/device.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"

namespace {

class AboutBox : public ::testing::Test {
protected:
    AboutBox() {
        g_About = AboutState();
        g_Main.keyboardTestMode = 0;
        RegisterQuorviaResources();
        platform::testing::ClearMessageBoxes();
    }
    ~AboutBox() override {
        g_About = AboutState();
        g_Main.keyboardTestMode = 0;
        platform::testing::ClearMessageBoxes();
    }
    // Opens the box, runs `act` inside it and closes it; whether the OEM line was visible.
    bool OemShown(const std::function<void(HWND)>& act) {
        bool visible = false;
        platform::testing::ActInsideDialog([&](HWND dialog) {
            act(dialog);
            visible = IsWindowVisible(GetDlgItem(dialog, IDC_ABOUT_OEM)) != FALSE;
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        EXPECT_EQ(ShowAboutDlg(nullptr), kDlgAccept);
        return visible;
    }
    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
};

TEST_F(AboutBox, LayoutByScreenClass) {
    struct Case {
        int width;
        int height;
        UINT layout;
    };
    const Case cases[] = {
        {640, 480, IDD_ABOUT_VGA_LS}, {480, 640, IDD_ABOUT_VGA}, {320, 240, IDD_ABOUT_QVGA_LS},
        {240, 320, IDD_ABOUT_QVGA},   {320, 320, IDD_ABOUT_QVGA}, {176, 220, IDD_ABOUT},
    };
    for (const Case& c : cases) {
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device_.SetProfile(profile);
        EXPECT_EQ(AboutTemplateId(), c.layout) << c.width << "x" << c.height;
    }
}

TEST_F(AboutBox, OemLineShownByTheKeyAndAtEveryLaterOpening) {
    EXPECT_FALSE(OemShown([](HWND) {}));
    std::u16string oem;
    EXPECT_TRUE(OemShown([&](HWND dialog) {
        SendMessageW(dialog, WM_KEYDOWN, 'w', 0);
        WCHAR text[300] = {};
        GetDlgItemTextW(dialog, IDC_ABOUT_OEM, text, 300);
        oem = text;
    }));
    EXPECT_EQ(oem, GetOemInfoText());
    EXPECT_TRUE(OemShown([](HWND) {}));
}

TEST_F(AboutBox, DiagnosticKeys) {
    struct Case {
        WPARAM key;
        bool kbdTest;
        bool series;
    };
    const Case cases[] = {{'9', true, false}, {'v', true, false}, {'7', false, true}, {'Z', false, true}, {'A', false, false}};
    for (const Case& c : cases) {
        g_Main.keyboardTestMode = 0;
        platform::testing::ClearMessageBoxes();
        OemShown([&](HWND dialog) { SendMessageW(dialog, WM_KEYDOWN, c.key, 0); });
        const auto boxes = platform::testing::MessageBoxesShown();
        EXPECT_EQ(g_Main.keyboardTestMode, c.kbdTest ? 1 : 0) << static_cast<char>(c.key);
        ASSERT_EQ(boxes.size(), c.kbdTest || c.series ? 1u : 0u) << static_cast<char>(c.key);
        if (c.kbdTest) {
            EXPECT_EQ(boxes[0].text, u"Keyboard Test On, Close Application to turn off.");
        }
        if (c.series) {
            EXPECT_FALSE(boxes[0].text.starts_with(u"Marked as ''")) << "an empty model name";
        }
    }
}

// With no keyboard model recognised the box read "Marked as '' Series".
TEST_F(AboutBox, TheSeriesKeyNamesTheModelOrSaysNoneIsRecognised) {
    const LONG saved = g_Frame.kbdModelCode;
    const std::pair<LONG, std::u16string> cases[] = {
        {-1, u"No keyboard series is recognised on this device."},
        {6, u"Marked as 'Dash' Series"},
    };
    for (const auto& [model, text] : cases) {
        g_Frame.kbdModelCode = model;
        platform::testing::ClearMessageBoxes();
        OemShown([](HWND dialog) { SendMessageW(dialog, WM_KEYDOWN, 'x', 0); });
        const auto boxes = platform::testing::MessageBoxesShown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
    }
    g_Frame.kbdModelCode = saved;
}

TEST_F(AboutBox, TurningTheScreenLaysTheBoxOutAgain) {
    platform::testing::ClearDialogs();
    platform::DeviceProfile portrait = platform::Profile();
    portrait.screenWidth = 240;
    portrait.screenHeight = 320;
    device_.SetProfile(portrait);
    platform::DeviceProfile landscape = portrait;
    landscape.screenWidth = 320;
    landscape.screenHeight = 240;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        SendMessageW(dialog, WM_KEYDOWN, 'e', 0);
        device_.SetProfile(landscape);
        SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(320, 240));
    });
    bool oemShown = false;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        oemShown = IsWindowVisible(GetDlgItem(dialog, IDC_ABOUT_OEM)) != FALSE;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(ShowAboutDlg(nullptr), kDlgAccept);
    const auto shown = platform::testing::DialogsShown();
    ASSERT_EQ(shown.size(), 2u);
    // The product name is a static line of its own (no identifier) in both layouts.
    constexpr int kNameLine = 0xFFFF;
    EXPECT_EQ(shown[0].controls,
              (std::vector<int>{IDC_ABOUT_PICTURE, kNameLine, IDC_ABOUT_VERSION, IDC_ABOUT_PICTURE2, IDC_ABOUT_OEM}));
    EXPECT_EQ(shown[1].controls,
              (std::vector<int>{IDC_ABOUT_PICTURE, IDC_ABOUT_PICTURE2, kNameLine, IDC_ABOUT_VERSION, IDC_ABOUT_OEM}));
    EXPECT_TRUE(oemShown);  // the OEM line stays shown in the new layout
    EXPECT_EQ(g_About.landscape, 1);
}

TEST_F(AboutBox, EachLayoutShowsItsPicture) {
    struct Case {
        int width;
        int height;
        std::vector<int> pictures;
    };
    const Case cases[] = {
        {240, 320, {IDB_COVER_START, IDB_COVER_FOOT}},
        {320, 240, {IDB_COVER_START, IDB_COVER_FOOT}},
        {480, 640, {IDB_COVER_START_VGA, IDB_COVER_FOOT_VGA}},
        {640, 480, {IDB_COVER_START_VGA, IDB_COVER_FOOT_VGA}},
        {176, 220, {IDB_ABOUT_PICTURE}},
    };
    const int every[] = {IDB_COVER_START, IDB_COVER_FOOT, IDB_COVER_START_VGA, IDB_COVER_FOOT_VGA, IDB_ABOUT_PICTURE};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device_.SetProfile(profile);
        platform::testing::TestScreen screen;
        platform::testing::DrawRecord record;
        std::vector<int> shown;
        platform::testing::ActInsideDialog([&](HWND dialog) {
            platform::testing::PumpUntilIdle();
            for (const int picture : every)
                if (record.ScreenShowsPicture(picture)) shown.push_back(picture);
            const std::string file = "about_box_" + std::to_string(c.width) + "x" + std::to_string(c.height) + ".png";
            EXPECT_TRUE(platform::testing::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / file));
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        EXPECT_EQ(ShowAboutDlg(nullptr), kDlgAccept);
        EXPECT_EQ(shown, c.pictures);
    }
}

}  // namespace
