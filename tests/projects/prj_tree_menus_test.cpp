// The project tree's context menus: which menu each node gets, when the action key leaves a folder's
// key to the tree, and the item and folder menus' texts and greyed entries by where the node stands.
#include "projects/prj_tree_menus.h"

#include "platform/menus.h"
#include "platform/system.h"
#include "projects/prj_tree.h"
#include "resources/resource.h"
#include "tests/projects/prj_dialog_fixture.h"

namespace {

class PrjTreeMenusTest : public prjtest::PrjDialogTest {
public:
    HTREEITEM root{}, top{}, sub{}, subSub{}, taskInPrj{}, tasks{}, doneInGroup{}, appts{}, month{}, apptInMonth{},
        apptInPrj{}, web{};

protected:
    void SetUp() override {
        PrjDialogTest::SetUp();
        CreatePrjTree(owner_);
        ASSERT_NE(g_PrjTree.wnd, nullptr);
        root = Node(u"Projects", kPrjImgProjectsRoot, TVI_ROOT, 0);
        g_PrjTree.projectsRoot = root;
        g_PrjTree.outlookRoot = Node(u"Outlook", kPrjImgOutlookRoot, TVI_ROOT, 0);
        top = Node(u"Garden", kPrjImgTopPrj, root, kPrjFolderData);
        sub = Node(u"Pond", kPrjImgSubPrj, top, kPrjFolderData);
        subSub = Node(u"Fish", kPrjImgSubSubPrj, sub, kPrjFolderData);
        taskInPrj = Node(u"Dig", kPrjImgTskOpen, top, 5);
        tasks = Node(u"Tasks", kPrjImgTskGroup, g_PrjTree.outlookRoot, kPrjTskGroupData);
        doneInGroup = Node(u"Paid", kPrjImgTskDone, tasks, 6);
        appts = Node(u"Appointments", kPrjImgApptGroup, g_PrjTree.outlookRoot, kPrjApptGroupData);
        month = Node(u"March, 2026", kPrjImgMonth, appts, kPrjApptGroupData);
        apptInMonth = Node(u"Review", kPrjImgAppt, month, 7);
        apptInPrj = Node(u"Review", kPrjImgAppt, sub, 7);
        web = Node(u"index", kPrjImgWebLink, top, kPrjWebLinkData);
    }
    void TearDown() override {
        DestroyWindow(g_PrjTree.wnd);
        if (g_PrjTree.images) ImageList_Destroy(g_PrjTree.images);
        g_PrjTree = PrjTreeState{};
        PrjDialogTest::TearDown();
    }
    static HTREEITEM Node(std::u16string_view text, int kind, HTREEITEM parent, LPARAM data) {
        const int image = g_PrjTree.imageBase + kind;
        const HTREEITEM node = InsertTreeNode(g_PrjTree.wnd, text, image, image, parent, TVI_LAST);
        SetTreeItemParam(node, data);
        return node;
    }
    struct MenuLook {
        std::u16string text;
        bool grey;
    };
    static MenuLook Look(HMENU menu, UINT command) {
        WCHAR text[64] = {};
        GetMenuStringW(menu, command, text, 64, MF_BYCOMMAND);
        return MenuLook{text, (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0};
    }
    static HMENU Popup(UINT id, HMENU& bar) {
        bar = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        return bar ? GetSubMenu(bar, 0) : nullptr;
    }
};

TEST_F(PrjTreeMenusTest, EachNodeGetsItsMenuAndTheKeyLeavesFullFoldersAlone) {
    const struct {
        HTREEITEM PrjTreeMenusTest::*node;
        UINT menu;
        bool onKey;
    } cases[] = {
        {&PrjTreeMenusTest::root, IDM_PRJ_ROOT_MENU, false},
        {&PrjTreeMenusTest::top, IDM_PRJ_FOLDER_MENU, false},
        {&PrjTreeMenusTest::subSub, IDM_PRJ_FOLDER_MENU, true},
        {&PrjTreeMenusTest::taskInPrj, IDM_PRJ_ITEM_MENU, true},
        {&PrjTreeMenusTest::appts, IDM_PRJ_APPT_GROUP_MENU, false},
        {&PrjTreeMenusTest::web, IDM_PRJ_LINK_MENU, true},
        {&PrjTreeMenusTest::month, 0, false},
        {&PrjTreeMenusTest::tasks, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrjNodeMenuId(this->*c.node), c.menu);
        EXPECT_EQ(PrjMenuWantedOnKey(this->*c.node), c.onKey);
    }
}

TEST_F(PrjTreeMenusTest, ItemMenuTextsAndGreyEntriesFollowWhereTheItemStands) {
    const struct {
        HTREEITEM PrjTreeMenusTest::*node;
        const char16_t* addMove;
        bool removeGrey;
        bool completeGrey;
        const char16_t* complete;
    } cases[] = {
        {&PrjTreeMenusTest::taskInPrj, u"Move To Project", false, false, u"Set Completed"},
        {&PrjTreeMenusTest::doneInGroup, u"Add To Project", true, false, u"Not Complete"},
        {&PrjTreeMenusTest::apptInMonth, u"Add To Project", true, true, u"Set Complete"},
        {&PrjTreeMenusTest::apptInPrj, u"Move To Project", false, true, u"Set Complete"},
    };
    for (const auto& c : cases) {
        HMENU bar = nullptr;
        const HMENU menu = Popup(IDM_PRJ_ITEM_MENU, bar);
        ASSERT_NE(menu, nullptr);
        SetItemMenuState(menu, this->*c.node);
        EXPECT_EQ(Look(menu, IDM_ADD_TO_PROJECT).text, c.addMove);
        EXPECT_EQ(Look(menu, IDM_PRJ_REMOVE_FROM).grey, c.removeGrey);
        EXPECT_EQ(Look(menu, IDM_PRJ_SET_COMPLETE).grey, c.completeGrey);
        EXPECT_EQ(Look(menu, IDM_PRJ_SET_COMPLETE).text, c.complete);
        DestroyMenu(bar);
    }
}

TEST_F(PrjTreeMenusTest, FolderMenuOffersSubProjectsDownToTheThirdLevel) {
    const struct {
        HTREEITEM PrjTreeMenusTest::*node;
        const char16_t* addText;
        bool addGrey, newGrey, linkGrey;
    } cases[] = {
        {&PrjTreeMenusTest::top, u"Add Sub-Project", false, false, false},
        {&PrjTreeMenusTest::sub, u"Add Sub-Project", false, false, false},
        {&PrjTreeMenusTest::subSub, u"Add Sub-Project", true, false, false},
        {&PrjTreeMenusTest::root, u"Add Project", false, true, true},
        {&PrjTreeMenusTest::tasks, u"Add Sub-Project", true, false, true},
    };
    for (const auto& c : cases) {
        HMENU bar = nullptr;
        const HMENU menu = Popup(IDM_PRJ_FOLDER_MENU, bar);
        ASSERT_NE(menu, nullptr);
        SetFolderMenuState(menu, this->*c.node);
        EXPECT_EQ(Look(menu, IDM_PRJ_NEW_PROJECT).text, c.addText);
        EXPECT_EQ(Look(menu, IDM_PRJ_NEW_PROJECT).grey, c.addGrey);
        for (const UINT command : {IDM_PRJ_NEW_CONTACT, IDM_PRJ_NEW_TASK, IDM_PRJ_NEW_APPT})
            EXPECT_EQ(Look(menu, command).grey, c.newGrey);
        EXPECT_EQ(Look(menu, IDM_PRJ_ADD_LINK).grey, c.linkGrey);
        DestroyMenu(bar);
    }
}

}  // namespace
