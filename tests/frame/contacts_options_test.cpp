// Options changed over the contacts view take effect in the view shown: the letter tabs come and go
// with the list placed below them, and the picture grid and the list take each other's place.
#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/letter_tabs.h"
#include "options/options_dlg.h"
#include "options/options_state.h"
#include "platform/commctrl.h"
#include "platform/testing_dialogs.h"
#include "program_fixture.h"
#include "resources/resource.h"
#include "ui/list_view_calls.h"

namespace {

namespace pt = platform::testing;

class ContactsOptions : public frametest::ProgramTest {
protected:
    // Options > the Contacts page > the row of `live` toggled > Done.
    static void ToggleInOptions(const LONG* live) {
        pt::ActInsideDialog([live](HWND dialog) {
            SelectOptionsPage(dialog, kPageContacts);
            const LONG index = FindValSnapFor(live);
            ASSERT_GE(index, 0);
            const HWND list = GetDlgItem(dialog, IDC_OPTIONS_LIST);
            LvSelectRow(list, index);
            SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        Command(IDM_OPTIONS);
    }
    static RECT ParentRect(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST_F(ContactsOptions, LetterTabsAndTheGridFollowTheOptionsAtOnce) {
    WriteSetting(u"STARTON30", kStartContacts);
    WriteSetting(u"ABCTB", 0);
    WriteSetting(u"CTSICON", 0);
    Open();
    ASSERT_EQ(ViewId, kViewContacts);
    ASSERT_NE(g_CtsListWnd, nullptr);
    EXPECT_FALSE(g_CtsAbcToolbar && IsWindowVisible(g_CtsAbcToolbar));
    const RECT fullList = ParentRect(g_CtsListWnd);

    ToggleInOptions(&g_Settings.abcTb);
    ASSERT_EQ(g_Settings.abcTb, 1);
    ASSERT_NE(g_CtsAbcToolbar, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_CtsAbcToolbar)) << "the tabs show without leaving the view";
    const RECT tabs = ParentRect(g_CtsAbcToolbar);
    EXPECT_GT(tabs.bottom, tabs.top);
    EXPECT_GE(ParentRect(g_CtsListWnd).top, tabs.bottom) << "the list starts below the tabs";

    ToggleInOptions(&g_Settings.abcTb);
    EXPECT_FALSE(IsWindowVisible(g_CtsAbcToolbar));
    EXPECT_EQ(ParentRect(g_CtsListWnd).top, fullList.top) << "the list takes the tabs' room back";

    ToggleInOptions(&g_Settings.ctsIcon);
    ASSERT_EQ(g_Settings.ctsIcon, 1);
    ASSERT_NE(g_CtsGrid.window, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_CtsGrid.window)) << "the picture grid replaces the list";
    EXPECT_FALSE(IsWindowVisible(g_CtsListWnd));

    ToggleInOptions(&g_Settings.ctsIcon);
    EXPECT_TRUE(IsWindowVisible(g_CtsListWnd));
    EXPECT_FALSE(IsWindowVisible(g_CtsGrid.window));
}

}  // namespace
