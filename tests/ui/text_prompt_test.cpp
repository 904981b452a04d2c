// The text prompt driven as a user would: typing into its edit in each input mode, "Done", "Cancel"
// and the Back key, the stack of open dialogs, and the placing of its controls when the screen turns.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

namespace {

using platform::testing::ActInsideDialog;

class TextPrompt : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(RegisterQuorviaResources());
        std::filesystem::create_directories(QV_TEST_OUTPUT_DIR "/ui");
    }
    void SetUp() override {
        platform::testing::ClearDialogs();
        g_PromptText.clear();
        g_Prompt = PromptState{};
    }
    void TearDown() override {
        g_Frame = {};
        g_Settings = AppSettings{};
        g_Prompt = PromptState{};
        g_OpenDlgs = OpenDlgStack{};
    }

    // Types the characters into the edit as the keyboard would, then runs `then` on the dialog.
    static void TypeThen(std::u16string typed, std::function<void(HWND)> then) {
        ActInsideDialog([typed, then](HWND dialog) {
            const HWND edit = GetDlgItem(dialog, IDC_PROMPT_EDIT);
            SetFocus(edit);
            for (const WCHAR c : typed) SendMessageW(edit, WM_CHAR, c, 0);
            then(dialog);
        });
    }
    static void Press(HWND dialog, int command) { SendMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(command), 0); }
    static std::u16string Shown(HWND edit) {
        WCHAR text[64] = {};
        GetWindowTextW(edit, text, 64);
        return text;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
};

TEST_F(TextPrompt, DoneLeavesTheTypedTextAndCancelKeepsTheCallers) {
    struct Case {
        int command;
        INT_PTR result;
        const char16_t* text;
    };
    constexpr Case cases[] = {
        // Focus selects the whole edit, so typing replaces the initial text.
        {IDM_DLG_DONE, kDlgAccept, u"typed"},
        {IDOK, kDlgAccept, u"typed"},
        {IDM_DLG_CANCEL, kDlgCancel, u"initial "},
        {IDCANCEL, IDCANCEL, u"initial "},
    };
    for (const Case& c : cases) {
        g_PromptText = u"initial ";
        std::u16string caption;
        TypeThen(u"typed", [&](HWND dialog) {
            caption.resize(32);
            caption.resize(static_cast<std::size_t>(GetWindowTextW(dialog, caption.data(), 32)));
            EXPECT_EQ(g_OpenDlgs.top, 0);
            EXPECT_EQ(g_OpenDlgs.slots[0], dialog);
            Press(dialog, c.command);
        });
        EXPECT_EQ(PromptText(nullptr, u"New Folder", u"Folder name:"), c.result) << c.command;
        EXPECT_EQ(g_PromptText, c.text) << c.command;
        EXPECT_EQ(caption, u"New Folder");
        EXPECT_EQ(g_OpenDlgs.top, -1) << "the prompt pops itself";
    }
}

TEST_F(TextPrompt, ModesShapeWhatTheEditTakes) {
    struct Case {
        LONG mode;
        LONG kbdModel;
        const char16_t* typed;
        const char16_t* result;
        WCHAR passwordChar;
    };
    const Case cases[] = {
        {kPromptPlain, kKbdModelUnknown, u"ab5", u"ab5", 0},
        {kPromptPassword, kKbdModelUnknown, u"secret", u"secret", u'*'},
        {kPromptAutoCaps, kKbdModelUnknown, u"hello. you", u"Hello. You", 0},
    };
    for (const Case& c : cases) {
        g_Frame.kbdModelCode = c.kbdModel;
        g_PromptText.clear();
        WCHAR passwordChar = 0;
        TypeThen(c.typed, [&](HWND dialog) {
            passwordChar = static_cast<WCHAR>(SendMessageW(GetDlgItem(dialog, IDC_PROMPT_EDIT), EM_GETPASSWORDCHAR, 0, 0));
            Press(dialog, IDM_DLG_DONE);
        });
        EXPECT_EQ(PromptTextOpt(nullptr, u"Caption", u"Prompt", c.mode), kDlgAccept);
        EXPECT_EQ(g_PromptText, c.result) << c.mode;
        EXPECT_EQ(passwordChar, c.passwordChar) << c.mode;
    }
}

TEST_F(TextPrompt, KeypadLetterGivesItsDigitAndOtherLettersAreRefused) {
    // The letter that carries 5 on this keyboard, and one that carries no digit.
    g_Frame.kbdModelCode = kKbdMotoQ;
    WCHAR five = 0;
    WCHAR plain = 0;
    for (WCHAR c = u'a'; c <= u'z'; ++c) {
        const WCHAR digit = KeyToDigit(kKbdMotoQ, c);
        if (digit == u'5' && !five) five = c;
        if (!digit && !plain) plain = c;
    }
    ASSERT_NE(five, 0);
    ASSERT_NE(plain, 0);
    TypeThen(std::u16string{five, plain}, [](HWND dialog) { Press(dialog, IDM_DLG_DONE); });
    EXPECT_EQ(PromptTextOpt(nullptr, u"PIN", u"Enter PIN:", kPromptDigits), kDlgAccept);
    EXPECT_EQ(g_PromptText, u"5");
}

TEST_F(TextPrompt, PasswordDefaultOpensByIdInPasswordMode) {
    g_Prompt.passwordDefault = 1;
    WCHAR passwordChar = 0;
    TypeThen(u"pw", [&](HWND dialog) {
        passwordChar = static_cast<WCHAR>(SendMessageW(GetDlgItem(dialog, IDC_PROMPT_EDIT), EM_GETPASSWORDCHAR, 0, 0));
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_EQ(PromptTextById(nullptr, IDS_NEW_CATEGORY, IDS_ENTER_CATEGORY_NAME), kDlgAccept);
    EXPECT_EQ(passwordChar, u'*');
    EXPECT_EQ(g_Prompt.mode, kPromptPassword);
}

TEST_F(TextPrompt, CloseAllOpenDlgsEndsThePromptWithCancel) {
    g_PromptText = u"kept";
    TypeThen(u"lost", [](HWND) { CloseAllOpenDlgs(); });
    EXPECT_EQ(PromptText(nullptr, u"C", u"P"), kDlgCancel);
    EXPECT_EQ(g_PromptText, u"kept");
    EXPECT_EQ(g_OpenDlgs.top, -1);
}

TEST_F(TextPrompt, ScreenshotAndEditReachesTheRightMargin) {
    g_PromptText = u"Groceries";
    bool saved = false;
    RECT edit{};
    RECT client{};
    ActInsideDialog([&](HWND dialog) {
        platform::testing::PumpUntilIdle();
        saved = platform::testing::SaveScreenshot(QV_TEST_OUTPUT_DIR "/ui/text_prompt.png");
        GetWindowRect(GetDlgItem(dialog, IDC_PROMPT_EDIT), &edit);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&edit), 2);
        GetClientRect(dialog, &client);
        Press(dialog, IDM_DLG_CANCEL);
    });
    EXPECT_EQ(PromptText(nullptr, u"New Note", u"Note name:"), kDlgCancel);
    EXPECT_TRUE(saved);
    EXPECT_EQ(edit.left, 8);
    EXPECT_EQ(edit.right, client.right - 8);
}

}  // namespace
