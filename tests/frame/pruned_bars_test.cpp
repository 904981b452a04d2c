// The views pop-ups of kept bars opened again and again with the soft key, the projects view's bar
// pruned like the others, and every view keeping a bar when the bars are made anew after Options.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/cmd_line.h"
#include "core/view_id.h"
#include "frame/menu_bars.h"
#include "platform/menus.h"
#include "platform/shell.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

class PrunedBars : public frametest::ProgramTest {
protected:
    // Every view off but those named.
    void ShowOnly(const std::vector<const char16_t*>& on) {
        for (const char16_t* name : {u"VIEW_MONTH", u"VIEW_DATES", u"VIEW_WEEK", u"VIEW_BARWEEK", u"VIEW_TASKS",
                                     u"VIEW_CONTACTS", u"VIEW_NOTES", u"VIEW_PROJECT", u"VIEW_WALLET", u"VIEW_YEAR"}) {
            const bool shown = std::find_if(on.begin(), on.end(), [&](const char16_t* n) {
                                   return std::u16string(n) == name;
                               }) != on.end();
            WriteSetting(name, shown ? 1 : 0);
        }
    }
    // Opens the left soft key's pop-up as the user does and closes it again; its items as shown.
    static std::vector<std::u16string> OpenLeftPopup() {
        std::vector<std::u16string> shown;
        platform::testing::Key(VK_TSOFT1);
        platform::testing::ActInsideModalLoop([&] {
            shown = platform::testing::OpenMenuTexts();
            platform::testing::Key(VK_ESCAPE);
        });
        platform::testing::PumpUntilIdle();
        return shown;
    }
    static std::u16string TextOf(HMENU menu, UINT command) {
        WCHAR text[64] = {};
        GetMenuStringW(menu, command, text, 64, MF_BYCOMMAND);
        return text;
    }
};

// The wheel's bar prunes at every opening: the second opening removed the "No Other Views" that
// the first had put in place of the month view's entry.
TEST_F(PrunedBars, NoOtherViewsStaysOnTheWheelsBarOpenedTwice) {
    ShowOnly({u"VIEW_WEEK"});
    WriteSetting(u"STARTON30", kStartSpinner);
    Open();
    ASSERT_EQ(ViewId, kViewSpinner);
    const HMENU bar = reinterpret_cast<HMENU>(SendMessageW(g_MenuBars.spinner, SHCMBM_GETMENU, 0, 0));
    ASSERT_NE(bar, nullptr);
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(OpenLeftPopup(), std::vector<std::u16string>{u"Schedule"});
        const HMENU views = GetSubMenu(bar, VIEW_BAR_POPUP_VIEWS);
        EXPECT_EQ(TextOf(views, IDM_VIEW_MONTH), u"No Other Views");
        EXPECT_TRUE(GetMenuState(views, IDM_VIEW_MONTH, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_EQ(TextOf(views, IDM_VIEW_WEEK), u"Week");
    }
}

// The projects view's bar was never pruned, and once Options made the bars anew the projects and
// timeline week views were left without a bar.
TEST_F(PrunedBars, ProjectsBarIsPrunedAndEveryViewKeepsABarAfterOptions) {
    ShowOnly({u"VIEW_MONTH", u"VIEW_WEEK", u"VIEW_BARWEEK", u"VIEW_TASKS", u"VIEW_PROJECT", u"VIEW_NOTES"});
    WriteSetting(u"VIEWMENU3", kLeftViewMenu);
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    Command(IDM_VIEW_PROJECTS);
    ASSERT_EQ(ViewId, kViewProjects);
    const std::vector<std::u16string> views = OpenLeftPopup();
    EXPECT_EQ(std::find(views.begin(), views.end(), u"Wallet"), views.end());
    EXPECT_EQ(std::find(views.begin(), views.end(), u"Contacts"), views.end());
    EXPECT_NE(std::find(views.begin(), views.end(), u"Tasks"), views.end());

    struct Case {
        UINT command;
        LONG view;
        HWND MenuBarSlots::*slot;
    };
    const Case cases[] = {{IDM_VIEW_PROJECTS, kViewProjects, &MenuBarSlots::projects},
                          {IDM_VIEW_TIMELINE, kViewTimelineWeek, &MenuBarSlots::week}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        Command(c.command);
        ASSERT_EQ(ViewId, c.view);
        // What Options does when "View Btn." or a view's row changed.
        RebuildViewMenuBars();
        platform::testing::PumpUntilIdle();
        ASSERT_NE(g_MenuBars.*(c.slot), nullptr);
        EXPECT_EQ(platform::testing::ShownSoftKeyBar(), g_MenuBars.*(c.slot));
        EXPECT_EQ(platform::testing::SoftKeyTexts(), (std::vector<std::u16string>{u"Views", u"Menu"}));
    }
}

}  // namespace
