// The shell's help for dialogs: full-screen sizing and the Back key handed on to the focused window.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "shell_fixture.h"

namespace {

using shelltest::ShellTest;

constexpr WCHAR kDialogLikeClass[] = u"QvDialogLike";

// A window that keeps a dialog procedure in its dialog words, as dialogs do.
HWND MakeDialogLike() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = qvtest::LoggingProc;
    wc.cbWndExtra = DWLP_USER + static_cast<int>(sizeof(LONG_PTR));
    wc.lpszClassName = kDialogLikeClass;
    RegisterClassW(&wc);
    const HWND dialog = CreateWindowExW(0, kDialogLikeClass, u"Dialog", WS_VISIBLE | WS_POPUP, 20, 40, 100, 100,
                                        nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, 1);
    return dialog;
}

TEST_F(ShellTest, InitDialogSizesTheDialogToTheWorkAreaOrTheWholeLowerScreen) {
    struct Case {
        DWORD flags;
        RECT expected;
    };
    const Case cases[] = {
        {SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN, {0, 26, 240, 294}},
        {SHIDIF_FULLSCREENNOMENUBAR, {0, 26, 240, 320}},
        {SHIDIF_DONEBUTTON, {20, 40, 120, 140}},  // no sizing asked for
    };
    for (const Case& c : cases) {
        const HWND dialog = MakeDialogLike();
        SHINITDLGINFO info{SHIDIM_FLAGS, dialog, c.flags};
        EXPECT_TRUE(SHInitDialog(&info));
        RECT r{};
        GetWindowRect(dialog, &r);
        EXPECT_TRUE(EqualRect(&r, &c.expected)) << c.flags << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        DestroyWindow(dialog);
    }
    SHINITDLGINFO bad{SHIDIM_FLAGS, nullptr, SHIDIF_SIZEDLGFULLSCREEN};
    EXPECT_FALSE(SHInitDialog(&bad));
}

TEST_F(ShellTest, BackHandedToTheShellCancelsADialogOnceAndIgnoresTheKeyUp) {
    const HWND dialog = MakeDialogLike();
    SetFocus(dialog);
    SHSendBackToFocusWindow(WM_HOTKEY, 0, MAKELPARAM(0, VK_ESCAPE));
    SHSendBackToFocusWindow(WM_HOTKEY, 0, MAKELPARAM(MOD_KEYUP, VK_ESCAPE));
    SHSendBackToFocusWindow(WM_HOTKEY, 0, MAKELPARAM(0, VK_TTALK));
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(Commands(dialog), std::vector<UINT>{IDCANCEL});

    // A plain window is no dialog: the key is not turned into a command for it.
    const HWND main = MakeMainWindow();
    SetFocus(main);
    SHSendBackToFocusWindow(WM_HOTKEY, 0, MAKELPARAM(0, VK_ESCAPE));
    platform::testing::PumpUntilIdle();
    EXPECT_TRUE(Commands(main).empty());
    DestroyWindow(dialog);
}

// The key used to reach the edit twice: as a key press and again as a character of its own.
TEST_F(ShellTest, BackInAnEditDeletesOneCharacter) {
    const HWND main = MakeMainWindow();
    const HWND edit = CreateWindowExW(0, u"Edit", u"abc", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, main, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 3, 3);
    SHSendBackToFocusWindow(WM_HOTKEY, 0, MAKELPARAM(0, VK_ESCAPE));
    platform::testing::PumpUntilIdle();
    WCHAR text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(std::u16string(text), u"ab");
    DestroyWindow(edit);
}

}  // namespace
