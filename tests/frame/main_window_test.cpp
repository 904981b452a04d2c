// The main window: made with its title, soft-key bar and fonts, closed with nothing left behind and
// the last view stored, and the private messages a second start sends acting only in front.
#include <gtest/gtest.h>

#include "core/date_text.h"
#include "core/main_messages.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "extras/spinner.h"
#include "extras/spinner_items.h"
#include "frame/cmd_messages.h"
#include "frame_fixture.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/testing_gdi.h"
#include "platform/testing_user.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/view_windows.h"
#include "wallet/wlt_item.h"

namespace {

class MainWindow : public frametest::FrameTest {
protected:
    HWND Open() {
        EXPECT_EQ(InitInstance(g_Main.instance, SW_SHOW), 1);
        platform::testing::PumpUntilIdle();
        frametest::FinishLoadThread();
        return g_Frame.mainWnd;
    }
    ~MainWindow() override {
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) DestroyWindow(g_Frame.mainWnd);
    }
};

TEST_F(MainWindow, ShowsItsTitleAndBarAndClosesLeavingNothingBehind) {
    WriteSetting(u"STARTON30", kStartLastView);
    const std::size_t gdiBefore = platform::testing::LiveGdiObjectCount();
    const HWND window = Open();
    ASSERT_NE(window, nullptr);

    // The last view of a first start is the month view, titled by its month.
    EXPECT_EQ(ViewId, kViewMonth);
    WCHAR title[kTitleChars] = {};
    GetWindowTextW(window, title, kTitleChars);
    const std::u16string monthTitle =
        GetMonthName(g_SelectedDate.wMonth) + u" " + platform::FormatW(u"%d", static_cast<int>(g_SelectedDate.wYear));
    EXPECT_EQ(std::u16string(title), monthTitle);
    EXPECT_EQ(platform::testing::NavBarTitle(), monthTitle);
    EXPECT_EQ(platform::testing::SoftKeyTexts(), (std::vector<std::u16string>{u"Vestral", u"Menu"}));
    EXPECT_EQ(platform::testing::ShownSoftKeyBar(), g_MenuBars.month);
    for (const HFONT font : g_Main.themeFonts) EXPECT_NE(font, nullptr);
    // The first paint's load has handed over.
    EXPECT_EQ(g_LoadState.allLoaded, 1);

    SendMessageW(window, WM_COMMAND, IDM_EXIT, 0);
    platform::testing::PumpUntilIdle();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(g_MenuBars.month, nullptr);
    for (const HFONT font : g_Main.themeFonts) EXPECT_EQ(font, nullptr);
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), gdiBefore);
    // The cover screen was on screen: the next start opens the month view.
    EXPECT_EQ(ReadSetting(u"LASTFORSTART"), kStartMonth);
}

TEST_F(MainWindow, ThemeFontsFollowTheFontSizeAndScreen) {
    g_Settings.fontSize = 15;
    g_Settings.smallFontHeight = 13;
    EXPECT_EQ(ThemeFontHeight(kFontNormal), 15);
    EXPECT_EQ(ThemeFontHeight(kFontBold), 15);
    EXPECT_EQ(ThemeFontHeight(kFontList), 13);
    EXPECT_EQ(ThemeFontHeight(kFontSmall), 11);
    EXPECT_EQ(ThemeFontHeight(kFontTiny), 8);
    platform::DeviceProfile vga;
    vga.screenWidth = 480;
    vga.screenHeight = 640;
    device_.SetProfile(vga);
    EXPECT_EQ(ThemeFontHeight(kFontTiny), 12);
}

TEST_F(MainWindow, SecondStartMessagesActOnlyWhileInFront) {
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);

    // "SPIN" opens the spinner without turning it to the contacts.
    EXPECT_EQ(SendMessageW(window, kMsgCmdSpinner, 0, 0), 1);
    EXPECT_EQ(g_Main.contactsSpinner, 0);
    EXPECT_EQ(SendMessageW(window, kMsgCmdSpinner, kSpinnerOnContacts, 0), 1);
    {
        // The spinner took the switch: the contacts entry is in front and the switch is used up.
        const int front = FindSpinnerItemAtPos(0);
        EXPECT_EQ(front >= 0 ? g_Spinner.entries[front].name : std::u16string(), u"Contacts");
        EXPECT_EQ(g_Main.contactsSpinner, 0);
    }

    g_Main.contactsSpinner = 0;
    platform::testing::ClearForegroundWindow();
    EXPECT_EQ(SendMessageW(window, kMsgCmdSpinner, kSpinnerOnContacts, 0), 1);
    EXPECT_EQ(SendMessageW(window, kMsgCmdTxtFile, 0, 0), 1);
    EXPECT_EQ(g_Main.contactsSpinner, 0);
    EXPECT_EQ(g_CmdLine.txtFile, 0);

    // In front, the notes view comes up and takes the hand-over, which clears the flag.
    SetForegroundWindow(window);
    EXPECT_EQ(SendMessageW(window, kMsgCmdTxtFile, 0, 0), 1);
    EXPECT_EQ(ViewId, kViewNotes);
    EXPECT_EQ(g_CmdLine.txtFile, 0);
}

TEST_F(MainWindow, PenDraggedOnTheSpinnerTurnsTheWheel) {
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ASSERT_EQ(SendMessageW(window, kMsgCmdSpinner, 0, 0), 1);
    ASSERT_EQ(ViewId, kViewSpinner);
    const auto frontName = [] {
        const int front = FindSpinnerItemAtPos(0);
        return front >= 0 ? g_Spinner.entries[front].name : std::u16string();
    };
    const std::u16string before = frontName();
    ASSERT_FALSE(before.empty());
    const auto centre = [](int position) {
        const RECT r = SpinnerSlotRect(GetSpinnerGeometry(), position, false);
        return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    // Pressed on the front entry and drawn one place on: the wheel turns one step with the pen.
    SendMessageW(window, WM_LBUTTONDOWN, 0, centre(0));
    SendMessageW(window, WM_MOUSEMOVE, 0, centre(1));
    EXPECT_NE(frontName(), before);
    SendMessageW(window, WM_LBUTTONUP, 0, centre(1));
}

TEST_F(MainWindow, BackTwiceInAMainViewArmsThenHandsOver) {
    WriteSetting(u"STARTON30", kStartMonth);
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(ViewId, kViewMonth);
    SetForegroundWindow(window);
    const LPARAM back = MAKELPARAM(0, VK_ESCAPE);
    EXPECT_EQ(SendMessageW(window, WM_HOTKEY, 0, back), 1);
    EXPECT_EQ(g_Main.backArmed, 1);
    EXPECT_EQ(GetForegroundWindow(), window);
    // The second goes to the shell, which shows the previous program.
    EXPECT_EQ(SendMessageW(window, WM_HOTKEY, 0, back), 1);
    EXPECT_EQ(g_Main.backArmed, 0);
    EXPECT_NE(GetForegroundWindow(), window);
}

TEST_F(MainWindow, CloseWhileLoadingWaitsForTheLoad) {
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    const HANDLE loading = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_LoadState.thread = loading;
    g_LoadState.allLoaded = 0;
    SetCursor(nullptr);
    CloseMainWindowCmd(window);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(PendingViewCmd, kPendingClose);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the close shows that it waits";
    g_LoadState.allLoaded = 1;
    SendMessageW(window, kMsgAllLoaded, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd);
    EXPECT_EQ(GetCursor(), nullptr) << "the busy pointer goes with the load";
    g_LoadState.thread = nullptr;
    CloseHandle(loading);
}

// With no load thread (it could not be made) Exit waited for a load that never ends.
TEST_F(MainWindow, CloseWithoutALoadThreadClosesAtOnce) {
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    g_LoadState.thread = nullptr;
    g_LoadState.allLoaded = 0;
    CloseMainWindowCmd(window);
    EXPECT_FALSE(IsWindow(window));
}

// A close from outside while loading used to end the program under the load thread.
TEST_F(MainWindow, CloseFromOutsideWhileLoadingWaitsForTheLoad) {
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    const HANDLE loading = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_LoadState.thread = loading;
    g_LoadState.allLoaded = 0;
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(PendingViewCmd, kPendingClose);
    g_LoadState.allLoaded = 1;
    SendMessageW(window, kMsgAllLoaded, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    g_LoadState.thread = nullptr;
    CloseHandle(loading);
}

// The trees send tree-view key notifications; the main window listened for the list view's, so
// digit keys and wallet activity never arrived from them.
TEST_F(MainWindow, KeysInTheWalletAndProjectTreesReachTheMainWindow) {
    const HWND window = Open();
    ASSERT_NE(window, nullptr);
    g_LoadState.allLoaded = 1;
    NMTVKEYDOWN key{};
    key.hdr.code = TVN_KEYDOWN;
    key.hdr.idFrom = kIdWalletTree;
    key.wVKey = VK_DOWN;
    g_Wlt.lastActivity = 0;
    platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 9, 0, 0, 0});
    platform::testing::AdvanceClock(5000);
    SendMessageW(window, WM_NOTIFY, kIdWalletTree, reinterpret_cast<LPARAM>(&key));
    EXPECT_EQ(g_Wlt.lastActivity, GetTickCount());
    platform::testing::ThawClock();

    key.hdr.idFrom = kIdProjectTree;
    key.wVKey = '5';
    ViewId = kViewProjects;
    EXPECT_EQ(SendMessageW(window, WM_NOTIFY, kIdProjectTree, reinterpret_cast<LPARAM>(&key)), 1);
}

}  // namespace
