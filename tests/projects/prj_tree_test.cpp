// The project tree's shared rules on a real tree control: node kinds by image, the project folder
// levels, progress images by the share of completed direct task children, the walks that remove or
// update one item's nodes, the Outlook groups, month labels and the "PRJ_" options.
#include "projects/prj_tree.h"

#include "core/reg_key.h"
#include "frame/settings_store.h"
#include "projects/prj_options.h"
#include "projects/prj_tree_util.h"
#include "tests/projects/prj_dialog_fixture.h"

namespace {

class PrjTreeTest : public prjtest::PrjDialogTest {
protected:
    void SetUp() override {
        PrjDialogTest::SetUp();
        g_PrjOptions = PrjOptions{};
        CreatePrjTree(owner_);
        ASSERT_NE(g_PrjTree.wnd, nullptr);
        ASSERT_NE(g_PrjTree.images, nullptr);
        g_PrjTree.projectsRoot = Node(u"Projects", kPrjImgProjectsRoot, TVI_ROOT, 0);
    }
    void TearDown() override {
        DestroyWindow(g_PrjTree.wnd);
        if (g_PrjTree.images) ImageList_Destroy(g_PrjTree.images);
        g_PrjTree = PrjTreeState{};
        g_PrjOptions = PrjOptions{};
        PrjDialogTest::TearDown();
    }
    static HTREEITEM Node(std::u16string_view text, int kind, HTREEITEM parent, LPARAM data) {
        const int image = g_PrjTree.imageBase + kind;
        const HTREEITEM node = InsertTreeNode(g_PrjTree.wnd, text, image, image, parent, TVI_LAST);
        SetTreeItemParam(node, data);
        return node;
    }
    static HTREEITEM Folder(std::u16string_view text, int kind, HTREEITEM parent) {
        return Node(text, kind, parent, kPrjFolderData);
    }
    static void Tasks(HTREEITEM folder, int done, int open) {
        LONG oid = 1000;
        for (int i = 0; i < done; ++i) Node(u"done", kPrjImgTskDone, folder, ++oid);
        for (int i = 0; i < open; ++i) Node(u"open", kPrjImgTskOpen, folder, ++oid);
    }
    static int Count(HTREEITEM parent) {
        int n = 0;
        for (HTREEITEM c = TreeFirstChild(parent); c; c = TreeNextSibling(c)) ++n;
        return n;
    }
};

TEST_F(PrjTreeTest, FolderLevelsAndKindsAreToldByImageAndData) {
    const HTREEITEM top = Folder(u"Garden", kPrjImgTopPrj, g_PrjTree.projectsRoot);
    const HTREEITEM sub = Folder(u"Pond", kPrjImgSubPrj, top);
    const HTREEITEM subSub = Folder(u"Fish", kPrjImgSubSubPrj, sub);
    const HTREEITEM task = Node(u"Dig", kPrjImgTskOpen, subSub, 5);
    // A file link keeps its file's own icon; its item data alone tells it.
    const HTREEITEM file = Node(u"plan", -g_PrjTree.imageBase, top, kPrjFileLinkData);

    EXPECT_TRUE(IsTopPrjNode(top));
    EXPECT_TRUE(IsSubPrjNode(sub));
    EXPECT_TRUE(IsSubSubPrjNode(subSub));
    EXPECT_FALSE(IsSubPrjNode(task));
    EXPECT_TRUE(IsPrjFolderNode(subSub));
    EXPECT_FALSE(IsPrjFolderNode(task));
    EXPECT_TRUE(IsFolderNode(g_PrjTree.projectsRoot));
    EXPECT_FALSE(IsFolderNode(task));
    EXPECT_TRUE(IsTaskNode(task));
    EXPECT_TRUE(IsFileLinkNode(file));
    EXPECT_FALSE(IsFolderNode(nullptr));
    EXPECT_TRUE(IsNodeInPrj(task, top));
    EXPECT_TRUE(IsNodeInPrj(sub, top));
    EXPECT_FALSE(IsNodeInPrj(top, sub));
}

TEST_F(PrjTreeTest, ProgressBucketsCountOnlyDirectTaskChildren) {
    const struct {
        int done, open, kind;
    } cases[] = {
        {0, 0, kPrjImgTopPrj},  // no task: the plain image
        {1, 2, 14},             // 33.3 percent: bucket 2
        {1, 19, 14},            // exactly 5 percent: bucket 2
        {0, 1, 13},             // 0 percent: bucket 1
        {49, 1, 17},            // 98 percent: bucket 5
        {2, 1, 16},             // 66.7 percent: bucket 4
    };
    for (const auto& c : cases) {
        const HTREEITEM top = Folder(u"P", kPrjImgTopPrj, g_PrjTree.projectsRoot);
        Tasks(top, c.done, c.open);
        SetPrjProgressImage(top);
        EXPECT_EQ(GetPrjNodeKind(top), c.kind) << c.done << "/" << c.open;
    }
    // Tasks only in a sub-project leave the parent plain; the sub-project gets its own level's image.
    const HTREEITEM top = Folder(u"Q", kPrjImgTopPrj, g_PrjTree.projectsRoot);
    const HTREEITEM sub = Folder(u"R", kPrjImgSubPrj, top);
    Tasks(sub, 1, 0);
    UpdatePrjProgress(TVI_ROOT, true);
    EXPECT_EQ(GetPrjNodeKind(top), kPrjImgTopPrj);
    EXPECT_EQ(GetPrjNodeKind(sub), 12);

    g_PrjOptions.progress = 0;
    UpdatePrjProgress(TVI_ROOT, true);
    EXPECT_EQ(GetPrjNodeKind(sub), 12);  // nothing changes until folders are set again
    SetPrjProgressImage(sub);
    EXPECT_EQ(GetPrjNodeKind(sub), kPrjImgSubPrj);
}

TEST_F(PrjTreeTest, RemovingAnItemTakesAllItsNodesAndEmptiedFoldersWhenAsked) {
    const HTREEITEM a = Folder(u"A", kPrjImgTopPrj, g_PrjTree.projectsRoot);
    const HTREEITEM b = Folder(u"B", kPrjImgTopPrj, g_PrjTree.projectsRoot);
    const HTREEITEM bSub = Folder(u"B1", kPrjImgSubPrj, b);
    const HTREEITEM keep = Node(u"Other", kPrjImgCts, a, 8);
    const HTREEITEM inA = Node(u"Call", kPrjImgTskOpen, a, 7);
    Node(u"Call", kPrjImgTskOpen, bSub, 7);

    EXPECT_TRUE(FindItemNodeElsewhere(7, TVI_ROOT, inA));
    UpdateTaskNodes(7, u"Call back", true, TVI_ROOT, true);
    EXPECT_EQ(GetPrjNodeKind(inA), kPrjImgTskDone);
    EXPECT_EQ(GetPrjNodeKind(a), 17);  // its one task child is done: the last bucket
    RemoveItemNodes(7, TVI_ROOT, true, true);
    EXPECT_FALSE(FindItemNodeElsewhere(7, TVI_ROOT, nullptr));
    EXPECT_EQ(TreeFirstChild(a), keep);
    // B lost its only sub-project, which had lost its only node.
    EXPECT_EQ(Count(g_PrjTree.projectsRoot), 1);
}

TEST_F(PrjTreeTest, OutlookGroupsAreFoundOrMadeAndContactsUnderCategoriesGoTogether) {
    EXPECT_EQ(GetTskGroupNode(), nullptr);  // no Outlook root
    g_PrjTree.outlookRoot = Node(u"Outlook", kPrjImgOutlookRoot, TVI_ROOT, 0);
    EXPECT_EQ(GetApptGroupNode(false), nullptr);
    const HTREEITEM contacts = GetCtsGroupNode();
    ASSERT_NE(contacts, nullptr);
    EXPECT_EQ(GetCtsGroupNode(), contacts);
    EXPECT_TRUE(IsCtsGroupNode(contacts));

    g_PrjOptions.showCat = 1;
    const HTREEITEM work = Node(u"Work", kPrjImgCategory, contacts, kPrjFolderData);
    const HTREEITEM home = Node(u"Home", kPrjImgCategory, contacts, kPrjFolderData);
    const HTREEITEM first = Node(u"Anna", kPrjImgCts, work, 9);
    Node(u"Anna", kPrjImgCts, home, 9);
    Node(u"Bob", kPrjImgCts, home, 10);
    RemoveOutlookItemNode(first);
    EXPECT_FALSE(FindItemNodeElsewhere(9, contacts, nullptr));
    EXPECT_EQ(Count(contacts), 1);  // Work emptied and went; Home keeps Bob

    RemoveOutlookRoot();
    EXPECT_EQ(g_PrjTree.outlookRoot, nullptr);
}

TEST_F(PrjTreeTest, MonthLabelsParseByEnglishNameIgnoringCase) {
    int month = -1, year = -1;
    EXPECT_TRUE(ParseMonthNodeText(u"march,  2026", month, year));
    EXPECT_EQ(month, 3);
    EXPECT_EQ(year, 2026);
    month = year = -1;
    EXPECT_FALSE(ParseMonthNodeText(u"March 2026", month, year));
    EXPECT_EQ(month, -1);
    EXPECT_EQ(year, -1);
}

TEST_F(PrjTreeTest, OptionsKeepDefaultsForMissingValuesAndRoundTrip) {
    {
        RegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
        key.WriteNumber(u"PRJ_DATE", 0);
        key.WriteNumber(u"PRJ_MONTHLOAD", 2);
    }
    EXPECT_EQ(LoadPrjOptions(), ERROR_SUCCESS);
    EXPECT_EQ(g_PrjOptions.date, 0);
    EXPECT_EQ(g_PrjOptions.monthLoad, 2);
    EXPECT_EQ(g_PrjOptions.progress, 1);
    EXPECT_EQ(g_PrjOptions.ctsCom, 1);

    g_PrjOptions.showCat = 1;
    g_PrjOptions.toggleTask = 1;
    EXPECT_EQ(SavePrjOptions(), ERROR_SUCCESS);
    g_PrjOptions = PrjOptions{};
    LoadPrjOptions();
    EXPECT_EQ(g_PrjOptions.showCat, 1);
    EXPECT_EQ(g_PrjOptions.toggleTask, 1);
    EXPECT_EQ(g_PrjOptions.date, 0);
}

TEST(PrjTreeUtilTest, LinkNamesAndPairArrays) {
    const struct {
        std::u16string_view name;
        bool link;
    } cases[] = {{u"Prj-A#x.lnk", true}, {u"notes.txt", false}, {u"lnk", false}, {u"a.LNK", false}};
    for (const auto& c : cases) EXPECT_EQ(IsLnkFileName(c.name), c.link);

    PairArray pairs;
    PairArrSetSize(pairs, 2);
    ASSERT_EQ(pairs.Size(), 2);
    EXPECT_EQ(pairs[1].first, -1);
    EXPECT_EQ(pairs[1].second, -1);
    EXPECT_EQ(PairArrInsertAt(pairs, 1, WordPair{7, 8}), 1);
    EXPECT_EQ(pairs[1].first, 7);
    EXPECT_EQ(pairs.Size(), 3);
    EXPECT_EQ(PairArrInsertAt(pairs, 4, WordPair{}), -1);
    EXPECT_EQ(PairArrInsertAt(pairs, -1, WordPair{}), -1);
    EXPECT_TRUE(StrDiffers(u"a", u"A"));
    EXPECT_TRUE(EmptyNodeText(u"x").empty());
}

}  // namespace
