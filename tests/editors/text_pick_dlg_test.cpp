// The pick dialog over the text templates and callers' lists: choosing, the field check of
// "Insert Text", new and removed texts and their file.
#include "editors/text_pick_dlg.h"

#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "editors/text_templates.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"
#include "tests/editors/prompt_answer.h"

namespace {

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class TextPickTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = u"QvTextPickOwner";
        RegisterClassW(&wc);
        owner_ = CreateWindowExW(0, wc.lpszClassName, u"Form", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        g_UserTextList.RemoveAll();
        g_LocTextList.RemoveAll();
        for (const char16_t* text : {u"Call ", u"Lunch with "}) g_UserTextList.Append(text);
        g_LocTextList.Append(u"Home");
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        DestroyWindow(owner_);
        g_UserTextList.RemoveAll();
        g_LocTextList.RemoveAll();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    HWND Field(int id) {
        return CreateWindowExW(0, WC_EDITW, u"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    static void Mark(HWND dialog, int row) { SendDlgItemMessageW(dialog, IDC_TEXT_LIST, LVM_SETSELECTIONMARK, 0, row); }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, id, 0); }
    static std::vector<std::u16string> Texts(const TextList& list) { return {list.begin(), list.end()}; }

    ProgramDevice device;
    HWND owner_ = nullptr;
};

TEST_F(TextPickTest, InsertTextPicksFromTheListOfTheFocusedField) {
    SetFocus(Field(1009));  // the location field
    std::u16string title;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        WCHAR text[64] = {};
        GetWindowTextW(dialog, text, 64);
        title = text;
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_EQ(SelectTextDlg(owner_, 0), 1);
    EXPECT_EQ(title, u"Select Location Text");
    EXPECT_EQ(g_ChosenText, u"Home");

    SetFocus(Field(1002));  // the subject field
    platform::testing::ActInsideDialog([](HWND dialog) {
        Mark(dialog, 1);
        Press(dialog, IDM_DLG_DONE);
    });
    SelectTextDlg(owner_, 0);
    EXPECT_EQ(g_ChosenText, u"Lunch with ");
}

TEST_F(TextPickTest, AFieldWithoutTextIsRefused) {
    SetFocus(Field(1500));
    platform::testing::AnswerMessageBox(IDOK);
    EXPECT_EQ(SelectTextDlg(owner_, 0), 1);
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Only Available for Text Fields.");
}

TEST_F(TextPickTest, NewAndRemovedTextsAreWrittenAndTheEmptyListChoosesNothing) {
    const HWND notes = Field(1023);
    SetFocus(notes);
    platform::testing::ActInsideDialog([](HWND dialog) {
        AnswerPrompt(u"ask ");
        Press(dialog, IDM_NEW_TEXT);
        Mark(dialog, 1);
        Press(dialog, IDM_REMOVE_TEXT);  // "Call " goes
        Press(dialog, IDM_DLG_CANCEL);
    });
    SelectTextDlg(owner_, 0);
    EXPECT_EQ(Texts(g_UserTextList), (std::vector<std::u16string>{u"ask ", u"Lunch with "}));
    EXPECT_EQ(device.ReadFile(ProgramFolderFile(kUserTextFile)), "2\nask \nLunch with \n");

    SetFocus(notes);

    platform::testing::ActInsideDialog([](HWND dialog) {
        Mark(dialog, 0);
        Press(dialog, IDM_REMOVE_TEXT);
        Mark(dialog, 0);
        Press(dialog, IDM_REMOVE_TEXT);
        Mark(dialog, 0);  // the "No Text Available." row
        Press(dialog, IDM_DLG_DONE);
    });
    SelectTextDlg(owner_, 0);
    EXPECT_EQ(g_ChosenText, u"");
    EXPECT_EQ(device.ReadFile(ProgramFolderFile(kUserTextFile)), "0\n");
}

TEST_F(TextPickTest, ListPickPreselectsTheRowAndTakesTheChoice) {
    ValSnap row;
    row.label = u"Status";
    for (const char16_t* text : {u"Free", u"Tentative", u"Busy"}) row.choices.Append(text);
    row.indexValue = 2;
    int marked = -1;
    std::u16string title;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        marked = static_cast<int>(SendDlgItemMessageW(dialog, IDC_TEXT_LIST, LVM_GETSELECTIONMARK, 0, 0));
        WCHAR text[64] = {};
        GetWindowTextW(dialog, text, 64);
        title = text;
        Mark(dialog, 1);
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_EQ(TextListPickDlg(owner_, row), 1);
    EXPECT_EQ(marked, 2);
    EXPECT_EQ(title, u"Status");
    EXPECT_EQ(row.indexValue, 1);

    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_CANCEL); });
    EXPECT_EQ(StrListPickDlg(owner_, row.choices, u"Pick"), 0);
    EXPECT_EQ(row.indexValue, 1);
}

}  // namespace

namespace {

TEST_F(TextPickTest, SubjectDialogStartsEmptyForNoSubjectAndReturnsTheTypedLine) {
    g_TextInOut = u"No Subject";
    std::u16string startText;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        WCHAR text[64] = {};
        GetDlgItemTextW(dialog, IDC_SUBJECT_EDIT, text, 64);
        startText = text;
        SetDlgItemTextW(dialog, IDC_SUBJECT_EDIT, u"Dentist");
        SendMessageW(dialog, WM_USER + 43, 0, 0);  // Enter in the line
    });
    EXPECT_EQ(SubjectTextDlg(owner_, 7), 1);
    EXPECT_EQ(startText, u"");
    EXPECT_EQ(g_TextInOut, u"Dentist");
}

TEST_F(TextPickTest, EnterInTheSubjectLineDropsTheKeysStillQueued) {
    g_TextInOut = u"";
    platform::testing::ActInsideDialog([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_SUBJECT_EDIT, u"Gym");
        PostMessageW(owner_, WM_KEYUP, VK_RETURN, 0);
        PostMessageW(owner_, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(dialog, WM_USER + 43, 0, 0);
    });
    EXPECT_EQ(SubjectTextDlg(owner_, 7), 1);
    EXPECT_EQ(g_TextInOut, u"Gym");
    MSG left{};
    EXPECT_FALSE(PeekMessageW(&left, owner_, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
}

TEST_F(TextPickTest, SubjectDialogInsertsAPhraseAndNewLocationsGoToTheirFile) {
    g_TextInOut = u"";
    std::u16string title;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        WCHAR text[64] = {};
        GetWindowTextW(dialog, text, 64);
        title = text;
        AnswerPrompt(u"Depot");
        Press(dialog, IDM_NEW_TEXT);  // sorted before "Home", selected
        SendMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0);
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_EQ(SubjectTextDlg(owner_, 8), 1);
    EXPECT_EQ(title, u"Edit Location");
    EXPECT_EQ(g_TextInOut, u"Depot");
    EXPECT_EQ(device.ReadFile(ProgramFolderFile(kLocTextFile)), "2\nDepot\nHome\n");

    g_TextInOut = u"Kept";
    platform::testing::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_CANCEL); });
    EXPECT_EQ(SubjectTextDlg(owner_, 7), 0);
    EXPECT_EQ(g_TextInOut, u"Kept");
}

}  // namespace
