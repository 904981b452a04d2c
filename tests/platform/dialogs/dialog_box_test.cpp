// Modal dialogs from the test script: initialisation and focus, typing into the controls, ending
// with EndDialog (also from WM_INITDIALOG), nested dialogs, scripted answers and bad input.
#include "dialog_fixture.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

namespace dlgtest {
namespace {

std::u16string ItemText(HWND dialog, int id) {
    WCHAR text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

TEST_F(DialogTest, TypedTextReachesTheEditAndTheDialogEndsWithItsCode) {
    int focused = 0;
    std::u16string read;
    Steps({[&](HWND) {
               focused = GetDlgCtrlID(GetFocus());
               TypeText(GetFocus(), u"Hello");
           },
           [&](HWND dialog) {
               read = ItemText(dialog, IDC_NAME);
               EndDialog(dialog, 4242);
           }});
    EXPECT_EQ(Run(IDD_FORM), 4242);
    EXPECT_EQ(read, u"Hello");
    EXPECT_EQ(GetActiveWindow(), owner_);
    // WM_INITDIALOG answered TRUE: the first tab stop (the name edit) had the focus.
    EXPECT_EQ(focused, IDC_NAME);
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(DialogTest, FocusGoesToTheFirstTabStopWithItsTextSelected) {
    script_.on[WM_INITDIALOG] = [](HWND dialog, WPARAM first, LPARAM) -> INT_PTR {
        EXPECT_EQ(GetDlgCtrlID(reinterpret_cast<HWND>(first)), IDC_NAME);
        SetDlgItemTextW(dialog, IDC_NAME, u"Preset");
        return TRUE;
    };
    DWORD start = 1, end = 0;
    Steps({[&](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_NAME, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EndDialog(dialog, IDOK);
    }});
    EXPECT_EQ(Run(IDD_FORM), IDOK);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);
}

TEST_F(DialogTest, AProcedureThatSetsTheFocusItselfKeepsIt) {
    script_.on[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        SetFocus(GetDlgItem(dialog, IDC_NOTES));
        return FALSE;
    };
    int focused = 0;
    Steps({[&](HWND dialog) {
        focused = GetDlgCtrlID(GetFocus());
        EndDialog(dialog, IDOK);
    }});
    Run(IDD_FORM);
    EXPECT_EQ(focused, IDC_NOTES);
}

TEST_F(DialogTest, EndDialogDuringInitialisationEndsBeforeTheLoop) {
    bool initialised = false;
    script_.on[WM_INITDIALOG] = [&](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        EndDialog(dialog, -1);
        initialised = true;  // initialisation goes on after EndDialog
        return TRUE;
    };
    EXPECT_EQ(Run(IDD_FORM), -1);
    EXPECT_TRUE(initialised);
    ASSERT_EQ(platform::testing::DialogsShown().size(), 1u);
    EXPECT_EQ(platform::testing::DialogsShown()[0].title, u"Form");
}

TEST_F(DialogTest, TheParamReachesInitDialogAndTheDialogIsGoneAfterwards) {
    HWND made = nullptr;
    LPARAM param = 0;
    script_.on[WM_INITDIALOG] = [&](HWND dialog, WPARAM, LPARAM lParam) -> INT_PTR {
        made = dialog;
        param = lParam;
        EndDialog(dialog, 7);
        return TRUE;
    };
    EXPECT_EQ(DialogBoxParamW(FixtureModule::Handle(), MAKEINTRESOURCEW(IDD_FORM), owner_, ScriptedDlgProc, 99), 7);
    EXPECT_EQ(param, 99);
    EXPECT_FALSE(IsWindow(made));
}

TEST_F(DialogTest, AProcedureAnswersThroughTheMessageResultWord) {
    script_.on[WM_USER + 50] = [](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1234);
        return TRUE;
    };
    LRESULT answer = 0;
    Steps({[&](HWND dialog) {
        answer = SendMessageW(dialog, WM_USER + 50, 0, 0);
        EndDialog(dialog, IDOK);
    }});
    Run(IDD_FORM);
    EXPECT_EQ(answer, 1234);
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    Steps({[&](HWND) { PressKey(GetFocus(), VK_RETURN); }});
    EXPECT_EQ(Run(IDD_FORM), 20071);
    Steps({[&](HWND) { PressKey(GetFocus(), VK_ESCAPE); }});
    EXPECT_EQ(Run(IDD_FORM), IDCANCEL);
}

TEST_F(DialogTest, NestedDialogEndsFirstAndTheOuterOneRunsOn) {
    INT_PTR inner = 0;
    int innerFocusAfter = 0;
    bool outerEnabled = false;
    script_.on[WM_COMMAND] = [&](HWND dialog, WPARAM wParam, LPARAM) -> INT_PTR {
        if (LOWORD(wParam) != IDC_PRIVATE) return FALSE;
        Steps({[&](HWND nested) {
            EXPECT_NE(nested, dialog);
            EXPECT_FALSE(IsWindowEnabled(dialog));
            PressKey(GetFocus(), VK_RETURN);
        }});
        inner = DialogBoxParamW(FixtureModule::Handle(), MAKEINTRESOURCEW(IDD_NESTED), dialog, ScriptedDlgProc, 0);
        innerFocusAfter = GetDlgCtrlID(GetFocus());
        Steps({[&](HWND outer) {
            outerEnabled = IsWindowEnabled(outer) != FALSE;
            EndDialog(outer, 55);
        }});
        return TRUE;
    };
    Steps({[&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_PRIVATE));
        SendDlgItemMessageW(dialog, IDC_PRIVATE, BM_CLICK, 0, 0);
    }});
    EXPECT_EQ(Run(IDD_FORM), 55);
    EXPECT_EQ(inner, 20071);
    EXPECT_EQ(innerFocusAfter, IDC_PRIVATE);  // the outer dialog got its focus back
    EXPECT_TRUE(outerEnabled);
    ASSERT_EQ(platform::testing::DialogsShown().size(), 2u);
    EXPECT_EQ(platform::testing::DialogsShown()[1].title, u"Nested");
    EXPECT_EQ(platform::testing::DialogsShown()[1].result, 20071);
}

TEST_F(DialogTest, ScriptedAnswerEndsTheNextDialog) {
    platform::testing::AnswerDialog(20072);
    EXPECT_EQ(Run(IDD_NESTED), 20072);
    ASSERT_EQ(platform::testing::DialogsShown().size(), 1u);
    EXPECT_EQ(platform::testing::DialogsShown()[0].result, 20072);
    EXPECT_EQ(platform::testing::DialogsShown()[0].controls, (std::vector<int>{IDC_NAME, IDOK, IDCANCEL}));
}

TEST_F(DialogTest, ModelessDialogRunsInTheCallersLoop) {
    const HWND dialog = CreateDialogParamW(FixtureModule::Handle(), MAKEINTRESOURCEW(IDD_NESTED), owner_, ScriptedDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner_));
    SetDlgItemTextW(dialog, IDC_NAME, u"x");
    MSG msg{dialog, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &msg));
    ASSERT_FALSE(script_.commands.empty());
    EXPECT_EQ(script_.commands.back().first, IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog));  // ended: hidden until its owner destroys it
    DestroyWindow(dialog);
}

TEST_F(DialogTest, BadInputFailsWithMinusOne) {
    EXPECT_EQ(Run(12345), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(DialogBoxParamW(FixtureModule::Handle(), MAKEINTRESOURCEW(IDD_FORM), reinterpret_cast<HWND>(0x1234), ScriptedDlgProc, 0), -1);
    // A control of a class nobody registered fails the whole dialog.
    EXPECT_EQ(Run(IDD_BADCLASS), -1);
    EXPECT_EQ(DialogBoxIndirectParamW(FixtureModule::Handle(), nullptr, owner_, ScriptedDlgProc, 0), -1);
    EXPECT_FALSE(EndDialog(reinterpret_cast<HWND>(0x1234), 1));
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

}  // namespace
}  // namespace dlgtest

namespace dlgtest {
namespace {

// The program's own text prompt carries the input-panel preference item; it opens, and what is
// typed comes back.
TEST_F(DialogTest, TheProgramsTextPromptOpensWithItsInputPanelItem) {
    ASSERT_TRUE(RegisterQuorviaResources());
    std::u16string typed;
    Steps({[&](HWND) { TypeText(GetFocus(), u"Groceries"); },
           [&](HWND dialog) {
               WCHAR text[64] = {};
               GetDlgItemTextW(dialog, IDC_PROMPT_EDIT, text, 64);
               typed = text;
               EndDialog(dialog, 20071);
           }});
    EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(IDD_PROMPT_TEXT), owner_, ScriptedDlgProc, 0), 20071);
    EXPECT_EQ(typed, u"Groceries");
}

}  // namespace
}  // namespace dlgtest
