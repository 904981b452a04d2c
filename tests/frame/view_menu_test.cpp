// The pop-ups of the shown bar adapted before they open: sort and filter texts, the commands that
// need a selection greyed, the contact action by the default field, the wallet item's mask entry
// and the week bar's "Move To" text.
#include <gtest/gtest.h>

#include <string>

#include "core/cts_loading.h"
#include "core/cts_record.h"
#include "platform/menus.h"
#include "resources/resource.h"
#include "view_fixture.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"

namespace {

using frametest::ViewTest;

constexpr LONG kPreviewOid = static_cast<LONG>(0x80000009u);

std::u16string TextOf(HMENU menu, UINT command) {
    WCHAR text[64] = {};
    GetMenuStringW(menu, command, text, 64, MF_BYCOMMAND);
    return text;
}
bool IsGrayed(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0; }
bool HasCommand(HMENU menu, UINT command) { return GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1); }

class ViewMenu : public ViewTest {
protected:
    ~ViewMenu() override {
        for (const HMENU m : menus_) DestroyMenu(m);
        g_CtsList.SetSize(0, 1);
        g_CtsIdIndex.RemoveAll();
    }
    // The "Menu" pop-up of a bar, as its button opens it.
    HMENU ItemMenu(UINT barId) {
        const HMENU bar = LoadMenuW(g_Main.instance, MAKEINTRESOURCEW(barId));
        menus_.push_back(bar);
        return GetSubMenu(bar, 1);
    }
    // The bar of the view becomes the one on screen.
    static void ShowBarOf(LONG view, HWND* slot) {
        ViewId = view;
        CreateViewMenuBar(slot, 0, nullptr, kShowBar);
    }
    static void AddContact(LONG oid, LONG field, const char16_t* text) {
        CtsRecord record;
        record.oid = oid;
        record.defaultField = field;
        record.defaultText = text;
        const int position = g_CtsList.Append(record);
        IdIndexInsert(oid, position, g_CtsIdIndex);
    }

    std::vector<HMENU> menus_;
};

TEST_F(ViewMenu, TasksBarNamesTheSortKeyAndGreysItemCommandsWithoutARow) {
    g_Settings.viewMenu3 = kLeftNextView;
    g_ViewShown[ShownView::Projects] = 0;
    ShowBarOf(kViewTasks, &g_MenuBars.tasks);
    struct Case {
        LONG sort;
        const char16_t* text;
    };
    constexpr Case cases[] = {{0, u"Sort(Subject)"}, {5, u"Sort(Due Date)"}, {6, u"Sort(Advanced)"}};
    for (const Case& c : cases) {
        const HMENU menu = ItemMenu(IDM_TASKS_BAR);
        g_Settings.taskSort = c.sort;
        EXPECT_EQ(SetupViewMenu(g_Frame.mainWnd, menu), 1);
        EXPECT_EQ(TextOf(menu, IDM_SORT), c.text);
        for (const UINT command : {IDM_TOGGLE_COMPLETED, IDM_EDIT_ITEM, IDM_DELETE_ITEM, IDM_ADD_TO_PROJECT})
            EXPECT_TRUE(IsGrayed(menu, command)) << command;
        EXPECT_EQ(TextOf(menu, IDM_FILTER), u"Filter");
    }
    // A value outside the keys leaves the text as it was.
    const HMENU menu = ItemMenu(IDM_TASKS_BAR);
    g_Settings.taskSort = 9;
    SetupViewMenu(g_Frame.mainWnd, menu);
    EXPECT_EQ(TextOf(menu, IDM_SORT), u"Sort()");
}

TEST_F(ViewMenu, ContactsActionFollowsTheDefaultField) {
    g_Settings.viewMenu3 = kLeftNextView;
    ShowBarOf(kViewContacts, &g_MenuBars.contacts);
    struct Case {
        LONG field;
        const char16_t* text;
        LONG phoneMissing;
        const char16_t* action;
        bool grayed;
    };
    constexpr Case cases[] = {
        {2, u"555 0100", 0, u"Call Contact", false},
        {2, u"555 0100", 1, u"Call Contact", true},
        {8, u"ann@example.org", 1, u"Email Contact", false},
        {5, u"example.org", 0, u"View Webpage", false},
        {4, u"", 0, u"Call Contact", true},
    };
    LONG oid = static_cast<LONG>(0x80000001u);
    for (const Case& c : cases) {
        AddContact(oid, c.field, c.text);
        g_CurItem = CurItem{oid, -1, -1, kItemContact};
        g_Main.phoneLibMissing = c.phoneMissing;
        const HMENU menu = ItemMenu(IDM_CONTACTS_BAR);
        SetupViewMenu(g_Frame.mainWnd, menu);
        EXPECT_EQ(TextOf(menu, IDM_CALL_CONTACT), c.action) << c.field;
        EXPECT_EQ(IsGrayed(menu, IDM_CALL_CONTACT), c.grayed) << c.field;
        EXPECT_EQ(HasCommand(menu, IDM_CALL_HISTORY), c.phoneMissing == 0) << c.field;
        ++oid;
    }
}

TEST_F(ViewMenu, ContactPreviewWithoutItsRecordChangesNothing) {
    ShowBarOf(kViewContactPreview, &g_MenuBars.contactPreview);
    g_CurItem = CurItem{kPreviewOid, -1, -1, kItemContact};
    HMENU menu = ItemMenu(IDM_CONTACT_PREVIEW_BAR);
    EXPECT_EQ(SetupViewMenu(g_Frame.mainWnd, menu), 0);
    EXPECT_FALSE(IsGrayed(menu, IDM_CALL_CONTACT));

    AddContact(kPreviewOid, 4, u"ann@example.org");
    menu = ItemMenu(IDM_CONTACT_PREVIEW_BAR);
    EXPECT_EQ(SetupViewMenu(g_Frame.mainWnd, menu), 1);
    EXPECT_TRUE(IsGrayed(menu, IDM_CALL_CONTACT));
}

TEST_F(ViewMenu, WeekBarNamesItsMoveByTheViewShowingIt) {
    g_Settings.viewMenu3 = kLeftNextView;
    ShowBarOf(kViewWeek, &g_MenuBars.week);
    HMENU menu = ItemMenu(IDM_WEEK_BAR);
    ViewId = kViewTimelineWeek;
    SetupViewMenu(g_Frame.mainWnd, menu);
    EXPECT_EQ(TextOf(menu, IDM_MOVE_TO_TOP), u"Move To First");
    ViewId = kViewWeek;
    SetupViewMenu(g_Frame.mainWnd, menu);
    EXPECT_EQ(TextOf(menu, IDM_MOVE_TO_TOP), u"Move To Top");
}

TEST_F(ViewMenu, LockedWalletGreysTheMaskAndTheConnectCommands) {
    ShowBarOf(kViewWalletItem, &g_MenuBars.walletItem);
    const HMENU menu = ItemMenu(IDM_WALLET_ITEM_BAR);
    SetupViewMenu(g_Frame.mainWnd, menu);
    for (const UINT command : {IDM_UNMASK, IDM_MAKE_CALL, IDM_VISIT_WEBSITE, IDM_SEND_EMAIL})
        EXPECT_TRUE(IsGrayed(menu, command)) << command;
}

TEST_F(ViewMenu, MaskCommandFollowsTheMaskAndNeverMaskFields) {
    const struct {
        LONG maskOn, noMask;
        bool enabled;
        const char16_t* text;
    } cases[] = {{1, 0, true, u"Hide Mask"}, {0, 0, true, u"Show Mask"}, {1, 1, false, nullptr}};
    ShowBarOf(kViewWalletItem, &g_MenuBars.walletItem);
    const HMENU menu = ItemMenu(IDM_WALLET_ITEM_BAR);
    g_Wlt.locked = 0;
    for (const auto& c : cases) {
        g_Wlt.maskOn = c.maskOn;
        g_WltSettings.noMask = c.noMask;
        SetupViewMenu(g_Frame.mainWnd, menu);
        EXPECT_EQ(IsGrayed(menu, IDM_UNMASK), !c.enabled) << c.maskOn << c.noMask;
        if (c.text) {
            EXPECT_EQ(TextOf(menu, IDM_UNMASK), c.text);
        }
    }
    g_Wlt = WltState();
    g_WltSettings = WltSettings();
}

TEST_F(ViewMenu, ViewsMenuIsPrunedOnceAndKeepsNoOtherViews) {
    g_Settings.viewMenu3 = kLeftViewMenu;
    for (LONG code = 0; code <= kViewWallet; ++code) g_ViewShown.flags[code] = 0;
    g_ViewShown[ShownView::Month] = 1;
    ShowBarOf(kViewTasks, &g_MenuBars.tasks);
    const HMENU bar = LoadMenuW(g_Main.instance, MAKEINTRESOURCEW(IDM_TASKS_BAR_VIEWS));
    menus_.push_back(bar);
    const HMENU views = GetSubMenu(bar, 0);
    SetupViewMenu(g_Frame.mainWnd, views);
    const int entries = GetMenuItemCount(views);
    EXPECT_FALSE(HasCommand(views, IDM_VIEW_WALLET));
    EXPECT_FALSE(HasCommand(views, IDM_VIEW_CONTACTS));
    EXPECT_TRUE(HasCommand(views, IDM_VIEW_MONTH));
    SetupViewMenu(g_Frame.mainWnd, views);
    EXPECT_EQ(GetMenuItemCount(views), entries);
    EXPECT_TRUE(HasCommand(views, IDM_VIEW_MONTH));
}

}  // namespace
