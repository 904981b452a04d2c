// The tool bar: buttons made by CreateToolbarEx, their commands under the stylus, states, check
// groups and bad indexes.
#include "commctrl_fixture.h"

namespace {

using qvtest::ControlTest;

constexpr int kFirstCommand = 32900;

struct ToolbarTest : ControlTest {
    HWND Bar() {
        TBBUTTON buttons[12] = {};
        for (int i = 0; i < 12; ++i) {
            buttons[i].iBitmap = i;
            buttons[i].idCommand = kFirstCommand + i;
            buttons[i].fsState = TBSTATE_ENABLED;
        }
        buttons[3].fsState = 0;  // disabled
        return CreateToolbarEx(parent_, WS_CHILD | WS_BORDER | TBSTYLE_FLAT, 43001, 12, nullptr, 0, buttons, 12, 10, 10,
                               10, 10, sizeof(TBBUTTON));
    }
    static POINT Centre(HWND bar, int index) {
        RECT rc{};
        SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
};

TEST_F(ToolbarTest, ButtonsSendTheirCommandsWhenTapped) {
    const HWND bar = Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(bar), 43001);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 12);
    RECT rc{};
    GetWindowRect(bar, &rc);
    EXPECT_EQ(rc.right - rc.left, 240);  // stretched over its parent
    EXPECT_GE(rc.bottom - rc.top, 10);

    const POINT fifth = Centre(bar, 5);
    Tap(bar, fifth.x, fifth.y);
    ASSERT_EQ(Log().commands.size(), 1u);
    EXPECT_EQ(LOWORD(Log().commands[0]), kFirstCommand + 5);

    const POINT disabled = Centre(bar, 3);
    Tap(bar, disabled.x, disabled.y);
    const POINT other = Centre(bar, 7);
    SendMessageW(bar, WM_LBUTTONDOWN, 1, MAKELPARAM(fifth.x, fifth.y));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(other.x, other.y));  // released elsewhere
    EXPECT_EQ(Log().commands.size(), 1u);
    EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, kFirstCommand + 3, 0));
    SendMessageW(bar, TB_ENABLEBUTTON, kFirstCommand + 3, TRUE);
    Tap(bar, disabled.x, disabled.y);
    EXPECT_EQ(LOWORD(Log().commands.back()), kFirstCommand + 3);
}

TEST_F(ToolbarTest, ButtonsReadBackAndBadIndexesFail) {
    const HWND bar = Bar();
    TBBUTTON b{};
    ASSERT_TRUE(SendMessageW(bar, TB_GETBUTTON, 11, reinterpret_cast<LPARAM>(&b)));
    EXPECT_EQ(b.idCommand, kFirstCommand + 11);
    EXPECT_EQ(b.iBitmap, 11);
    EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, kFirstCommand + 8, 0), 8);
    EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 1, 0), -1);
    EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 12, reinterpret_cast<LPARAM>(&b)));
    EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&b)));
    EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 0, 0));
    EXPECT_FALSE(SendMessageW(bar, TB_DELETEBUTTON, 40, 0));
    EXPECT_FALSE(SendMessageW(bar, TB_CHECKBUTTON, 5, TRUE));
    EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, 5, 0), -1);
    EXPECT_TRUE(SendMessageW(bar, TB_DELETEBUTTON, 0, 0));
    EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, kFirstCommand + 8, 0), 7);
}

TEST_F(ToolbarTest, CheckGroupKeepsOneButtonChecked) {
    const HWND bar = CreateToolbarEx(parent_, WS_CHILD, 7, 0, nullptr, 0, nullptr, 0, 0, 0, 16, 16, sizeof(TBBUTTON));
    TBBUTTON group[3] = {};
    for (int i = 0; i < 3; ++i) {
        group[i].idCommand = 10 + i;
        group[i].fsState = TBSTATE_ENABLED;
        group[i].fsStyle = TBSTYLE_CHECKGROUP;
    }
    SendMessageW(bar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(group));
    for (int pick : {0, 2, 1}) {
        const POINT p = Centre(bar, pick);
        Tap(bar, p.x, p.y);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONCHECKED, 10 + i, 0) != 0, i == pick);
    }
}

}  // namespace
