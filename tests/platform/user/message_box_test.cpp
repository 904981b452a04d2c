// MessageBoxW: scripted answers, default buttons, the record of every box, and its modal loop.
#include "window_fixture.h"

namespace {

using qvtest::WindowTest;
using platform::testing::MessageBoxesShown;

TEST_F(WindowTest, UnansweredBoxTakesItsDefaultButton) {
    struct Case {
        UINT type;
        int expected;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_RETRYCANCEL | MB_DEFBUTTON4, IDRETRY},  // no fourth button: the first
    };
    for (const Case& c : cases) EXPECT_EQ(MessageBoxW(nullptr, u"text", u"caption", c.type), c.expected) << c.type;
    EXPECT_EQ(MessageBoxesShown().size(), std::size(cases));
}

TEST_F(WindowTest, ScriptedAnswersAreTakenInOrderAndEveryBoxIsRecorded) {
    const HWND owner = MakeWindow(WS_VISIBLE);
    platform::testing::AnswerMessageBox(IDNO);
    platform::testing::AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBoxW(owner, u"Delete?", u"Vestral Agenda", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, u"Sure?", nullptr, MB_OKCANCEL), IDCANCEL);
    const auto shown = MessageBoxesShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, owner);
    EXPECT_EQ(shown[0].text, u"Delete?");
    EXPECT_EQ(shown[0].caption, u"Vestral Agenda");
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(shown[0].result, IDNO);
    EXPECT_EQ(shown[1].caption, u"Error");  // the caption of a box given none
}

TEST_F(WindowTest, BoxIsModalButTheThreadsWindowsKeepGettingMessages) {
    const HWND owner = MakeWindow(WS_VISIBLE);
    const HWND other = MakeWindow(WS_VISIBLE);
    platform::testing::PumpMessages();
    PostMessageW(other, WM_USER + 3, 0, 0);
    bool ownerWasDisabled = false;
    bool postedSeen = false;
    platform::testing::ActInsideModalLoop([&] {
        ownerWasDisabled = !IsWindowEnabled(owner);
        postedSeen = !Log().Messages(other, {}).empty() &&
                     Log().Messages(other, {}).back() == static_cast<UINT>(WM_USER + 3);
        platform::testing::AnswerMessageBox(IDRETRY);
    });
    EXPECT_EQ(MessageBoxW(owner, u"Again?", u"c", MB_RETRYCANCEL), IDRETRY);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(postedSeen);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(WindowTest, QuitDuringABoxEndsItAndReachesTheOuterLoop) {
    platform::testing::ActInsideModalLoop([] { PostQuitMessage(3); });
    platform::testing::AnswerMessageBox(IDYES);  // left over: the quit ends the box first
    EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", MB_YESNO | MB_DEFBUTTON2), IDNO);
    MSG msg{};
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 3u);
    platform::testing::ClearMessageBoxes();
}

TEST_F(WindowTest, BoxOfAnUnknownKindFails) {
    SetLastError(0);
    EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", 0x0F), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(WindowTest, BoxShownFromAnotherThreadIsRecordedAndAnswered) {
    platform::testing::AnswerMessageBox(IDOK);
    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
        return static_cast<DWORD>(MessageBoxW(nullptr, u"Error: Load Thread Failed.", u"", MB_ICONEXCLAMATION));
    }, nullptr, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, static_cast<DWORD>(IDOK));
    CloseHandle(thread);
    ASSERT_EQ(MessageBoxesShown().size(), 1u);
    EXPECT_EQ(MessageBoxesShown()[0].text, u"Error: Load Thread Failed.");
}

}  // namespace
