// The open-dialog stack, the subclass installers, automatic capitals in a text field, and the
// insertion of text at the caret.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_settings.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/user.h"
#include "ui/auto_caps.h"
#include "ui/dialog_conventions.h"
#include "ui/subclass.h"

namespace {

constexpr const WCHAR* kRecorderClass = u"DlgStackRecorder";
constexpr int kEditId = 1002;

std::vector<HWND>& Closed() {
    static std::vector<HWND> closed;
    return closed;
}

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgEndDialog) Closed().push_back(window);
    return DefWindowProcW(window, message, wParam, lParam);
}

class DialogConventions : public ::testing::Test {
protected:
    DialogConventions() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecorderProc;
        wc.lpszClassName = kRecorderClass;
        RegisterClassW(&wc);
        Closed().clear();
        parent_ = CreateWindowExW(0, kRecorderClass, u"", WS_POPUP, 0, 0, 240, 200, nullptr, nullptr, nullptr, nullptr);
        edit_ = CreateWindowExW(0, u"EDIT", u"", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
    }
    ~DialogConventions() override {
        DestroyWindow(parent_);
        UnregisterClassW(kRecorderClass, nullptr);
        g_OpenDlgs = OpenDlgStack{};
        g_Settings = AppSettings{};
    }
    HWND NewWindow() const {
        return CreateWindowExW(0, kRecorderClass, u"", WS_CHILD, 0, 0, 10, 10, parent_, nullptr, nullptr, nullptr);
    }
    std::u16string EditText() const {
        WCHAR text[128] = {};
        GetWindowTextW(edit_, text, 128);
        return text;
    }
    void Type(std::u16string_view typed) const {
        for (const WCHAR c : typed) SendMessageW(edit_, WM_CHAR, c, 0);
    }

    platform::testing::TestDevice device_;
    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(DialogConventions, CloseAllSendsNewestFirstAndEmptiesTheStack) {
    std::vector<HWND> opened;
    for (int i = 0; i < kOpenDlgSlots + 1; ++i) opened.push_back(NewWindow());
    for (const HWND w : opened) PushOpenDlg(w);
    // The seventh is not recorded, and its pop leaves the sixth's entry.
    EXPECT_EQ(g_OpenDlgs.top, kOpenDlgSlots - 1);
    PopOpenDlg(opened[6]);
    EXPECT_EQ(g_OpenDlgs.top, kOpenDlgSlots - 1);
    // A dialog under others that ends first takes only its own entry off.
    PopOpenDlg(opened[2]);
    EXPECT_EQ(g_OpenDlgs.top, kOpenDlgSlots - 2);

    CloseAllOpenDlgs();
    const std::vector<HWND> expected{opened[5], opened[4], opened[3], opened[1], opened[0]};
    EXPECT_EQ(Closed(), expected) << "the newest dialog is still reached by the sweep";
    EXPECT_EQ(g_OpenDlgs.top, -1);
    for (const HWND slot : g_OpenDlgs.slots) EXPECT_EQ(slot, nullptr);

    PopOpenDlg(opened[0]);  // an empty stack stays as it is
    EXPECT_EQ(g_OpenDlgs.top, -1);
}

TEST_F(DialogConventions, SecondSubclassFailsAndTheFirstStays) {
    ASSERT_EQ(SubclassAutoCapsEdit2(edit_), S_OK);
    const LONG_PTR first = GetWindowLongPtrW(edit_, GWL_WNDPROC);
    const LONG_PTR kept = GetWindowLongPtrW(edit_, GWL_USERDATA);
    EXPECT_EQ(SubclassControl(edit_, KeypadField::kNo, DateMenu::kNo), E_FAIL);
    EXPECT_EQ(GetWindowLongPtrW(edit_, GWL_WNDPROC), first);
    EXPECT_EQ(GetWindowLongPtrW(edit_, GWL_USERDATA), kept);
}

TEST_F(DialogConventions, CapitalPositionsOfTheTable) {
    struct Case {
        const char16_t* text;
        int wordStart;
        int sentenceStart;
    };
    constexpr Case cases[] = {
        {u"", 1, 1},
        {u"Hello", 0, 0},
        {u"Hello ", 1, 0},
        {u"Hello. ", 1, 1},
        {u"Hello.  ", 1, 1},
        {u"Hello\r\n", 1, 0},
        {u"Hello.\r\n", 1, 1},
        {u"Hello\r\n\r\n", 1, 1},
    };
    for (const Case& c : cases) {
        const std::u16string_view text = c.text;
        const auto end = static_cast<LONG>(text.size());
        EXPECT_EQ(IsAtWordStart(text, end), c.wordStart) << std::string(text.begin(), text.end());
        EXPECT_EQ(IsAtSentenceStart(text, end), c.sentenceStart) << std::string(text.begin(), text.end());
    }
    // Positions past the end are no capital positions.
    EXPECT_EQ(IsAtWordStart(u"ab", 3), 0);
    EXPECT_EQ(IsAtSentenceStart(u"ab", 3), 0);
}

TEST_F(DialogConventions, TypedLettersByAutoCapsSetting) {
    struct Case {
        LONG setting;
        const char16_t* typed;
        const char16_t* shown;
    };
    constexpr Case cases[] = {
        {kAutoCapsFirstWord, u"h", u"H"},
        {kAutoCapsFirstWord, u"H", u"h"},  // the case is inverted at a capital position
        {kAutoCapsFirstWord, u"hi you. ok", u"Hi you. Ok"},
        {kAutoCapsEveryWord, u"hi you", u"Hi You"},
        {kAutoCapsEveryWord, u"hy", u"Hy"},
        {2, u"hi. you", u"hi. you"},
    };
    ASSERT_EQ(SubclassAutoCapsEdit2(edit_), S_OK);
    for (const Case& c : cases) {
        g_Settings.autoCaps = c.setting;
        SetWindowTextW(edit_, u"");
        Type(c.typed);
        EXPECT_EQ(EditText(), c.shown) << c.setting;
    }
}

TEST_F(DialogConventions, InsertTextAtCaretPutsTheCaretAfterIt) {
    SetWindowTextW(edit_, u"ab");
    SendMessageW(edit_, EM_SETSEL, 1, 1);
    InsertTextAtCaret(edit_, u"xyz");
    EXPECT_EQ(EditText(), u"axyzb");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(end, 4u);
    EXPECT_NE(SendMessageW(edit_, EM_GETMODIFY, 0, 0), 0);
    InsertTextAtCaret(edit_, u"");
    EXPECT_EQ(EditText(), u"axyzb");
}

}  // namespace
