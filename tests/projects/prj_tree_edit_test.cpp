// Single changes of the project tree: sorted places of folders, items and months, the category-list
// rules that move an item between projects, and taking a node's item out of its project.
#include <gtest/gtest.h>

#include "prj_tree_fixture.h"
#include "projects/prj_items.h"

namespace {

using prjtest::PrjTreeTest;

class PrjTreeEditTest : public PrjTreeTest {
protected:
    void SetUp() override {
        PrjTreeTest::SetUp();
        RebuildPrjTree();
    }
    static int Img(int kind) { return g_PrjTree.imageBase + kind; }
};

TEST_F(PrjTreeEditTest, FoldersFirstThenItemsIgnoringCaseInArrivalOrder) {
    const HTREEITEM project = CreatePrjPathNodes(PrjPath{u"Garden", u"Zeta", {}});
    ASSERT_NE(project, nullptr);
    const HTREEITEM top = FindPrjNode(u"garden");
    for (const char16_t* label : {u"beta", u"Alpha", u"alpha"}) InsertItemNodeSorted(top, label, Img(kPrjImgTskOpen), 7);
    InsertFolderNodeSorted(top, u"Able", Img(kPrjImgSubPrj), kPrjFolderData);
    EXPECT_EQ(Outline(top), "Garden\n  Able\n  Zeta\n  Alpha\n  alpha\n  beta\n");

    // Top-level projects among themselves; a link directly under the root does not stop them.
    CreatePrjPathNodes(PrjPath{u"z", {}, {}});
    CreatePrjPathNodes(PrjPath{u"A", {}, {}});
    CreatePrjPathNodes(PrjPath{u"m", {}, {}});
    std::string tops;
    for (HTREEITEM node = TreeFirstChild(g_PrjTree.projectsRoot); node; node = TreeNextSibling(node))
        tops += prjtest::Narrow(GetTreeNodeText(g_PrjTree.wnd, node)) + " ";
    EXPECT_EQ(tops, "A Garden m z ");
}

TEST_F(PrjTreeEditTest, FoldersAreFoundLevelByLevelAndPathsReadBack) {
    const HTREEITEM deep = CreatePrjPathNodes(PrjPath{u"Home", u"Kitchen", u"Sink"});
    const HTREEITEM item = InsertItemNodeSorted(deep, u"Fix tap", Img(kPrjImgTskOpen), 42);
    EXPECT_EQ(FindPrjNodeByPath(PrjPath{u"HOME", u"kitchen", u"sink"}), deep);
    EXPECT_EQ(FindPrjNodeByPath(PrjPath{u"Home", u"Bath", {}}), nullptr);
    EXPECT_EQ(FindSubPrjNode(u"home", u""), FindPrjNode(u"Home"));

    struct Case {
        HTREEITEM node;
        PrjPath path;
    } cases[] = {
        {FindPrjNode(u"Home"), {u"Home", {}, {}}},
        {FindSubPrjNode(u"Home", u"Kitchen"), {u"Home", u"Kitchen", {}}},
        {deep, {u"Home", u"Kitchen", u"Sink"}},
        {item, {u"Home", u"Kitchen", u"Sink"}},
        {g_PrjTree.projectsRoot, {}},
    };
    for (const Case& c : cases) {
        const PrjPath path = GetPrjNodePath(c.node);
        EXPECT_EQ(path.project, c.path.project);
        EXPECT_EQ(path.sub, c.path.sub);
        EXPECT_EQ(path.subSub, c.path.subSub);
    }
}

TEST_F(PrjTreeEditTest, MonthNodesInDateOrder) {
    g_PrjOptions.outFolder = 1;
    RebuildPrjTree();
    const HTREEITEM group = GetApptGroupNode(false);
    ASSERT_NE(group, nullptr);
    // The rebuild made March 2026; these arrive out of order.
    InsertMonthNode(2025, 4);
    InsertMonthNode(2024, 12);
    InsertMonthNode(2025, 3);
    EXPECT_EQ(Outline(group), "Appointments\n  December, 2024\n  March, 2025\n  April, 2025\n  March, 2026\n");
    // A month already there is found, not made again.
    EXPECT_EQ(GetApptMonthNode(2025, 3), FindMonthNode(2025, 3));
    GetApptMonthNode(2027, 1);
    EXPECT_EQ(Outline(group), "Appointments\n  December, 2024\n  March, 2025\n  April, 2025\n  March, 2026\n"
                              "  January, 2027\n");
}

TEST(PrjCatListTest, RemovingAProjectKeepsEverythingElse) {
    struct Case {
        const char16_t* list;
        const char16_t* project;
        const char16_t* kept;
    } cases[] = {
        {u"Work, Prj:A>x ,Prj:B", u"a", u"Work,Prj:B"},
        {u"Prj:A,Prj:A>x,prj:a>x>y,Home", u"A", u"Home"},
        {u"Prj:AB,Prj:A", u"A", u"Prj:AB"},
        {u"", u"A", u""},
        {u"Work,,Prj:B,", u"B", u"Work"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RemovePrjCatFromList(c.list, c.project), std::u16string(c.kept)) << prjtest::Narrow(c.list);
}

TEST(PrjCatListTest, AddingAPathReplacesThatProjectsEntryOnly) {
    struct Case {
        const char16_t* list;
        PrjPath path;
        int changed;
        const char16_t* result;
    } cases[] = {
        {u"Prj:A>x, Home", {u"A", u"y", {}}, 1, u"Home,Prj:A>y,"},
        {u"", {u"B", {}, {}}, 1, u"Prj:B"},
        {u"Prj:a>X", {u"A", u"x", {}}, 0, u"Prj:a>X"},
        {u"Work", {u"A", {}, {}}, 1, u"Work,Prj:A,"},
        {u"Prj:A,", {u"B", u"y", u"z"}, 1, u"Prj:A,Prj:B>y>z,"},
        {u"Prj:A>x>y", {u"A", u"x", {}}, 1, u"Prj:A>x,"},
        // An empty entry does not hide the project's entry behind it: no second place in A.
        {u"Work,,Prj:A>x", {u"A", u"y", {}}, 1, u"Work,Prj:A>y,"},
        {u"Work,,Prj:A>x", {u"a", u"X", {}}, 0, u"Work,,Prj:A>x"},
    };
    for (const Case& c : cases) {
        std::u16string list = c.list;
        EXPECT_EQ(AddPrjCatToList(list, c.path), c.changed) << prjtest::Narrow(c.list);
        EXPECT_EQ(list, std::u16string(c.result)) << prjtest::Narrow(c.list);
    }
}

TEST_F(PrjTreeEditTest, TakingANodeOutChangesNothingOutsideProjects) {
    g_PrjOptions.outFolder = 1;
    const LONG inPrj = AddTask(u"Plan", u"Prj:Home>Kitchen,Work");
    const LONG loose = AddTask(u"Loose", u"Work");
    const LONG person = AddContact(u"Bell", u"Acme", u"Prj:Home");
    LoadItems();
    RebuildPrjTree();

    // Under the Tasks group and under a company node: nothing to take out.
    const HTREEITEM looseNode = Node({u"Outlook", u"Tasks", u"Loose"});
    ASSERT_NE(looseNode, nullptr);
    EXPECT_EQ(RemoveNodeItemFromPrj(looseNode, NodeFate::kDelete), 0);
    EXPECT_NE(Node({u"Outlook", u"Tasks", u"Loose"}), nullptr);
    EXPECT_EQ(TaskCats(loose), u"Work");

    // From under a sub-project: the whole top-level project goes from the item.
    const HTREEITEM planNode = Node({u"Projects", u"Home", u"Kitchen", u"Plan"});
    ASSERT_NE(planNode, nullptr);
    EXPECT_EQ(RemoveNodeItemFromPrj(planNode, NodeFate::kDelete), 1);
    EXPECT_EQ(TaskCats(inPrj), u"Work");
    EXPECT_EQ(Node({u"Projects", u"Home", u"Kitchen", u"Plan"}), nullptr);
    EXPECT_EQ(JoinCommaList(*FindTskRecord(inPrj)), u"Work");

    const HTREEITEM personNode = Node({u"Projects", u"Home", u"Bell"});
    ASSERT_NE(personNode, nullptr);
    EXPECT_EQ(RemoveNodeItemFromPrj(personNode, NodeFate::kKeep), 0);
    EXPECT_EQ(ContactCats(person), u"");
    EXPECT_NE(Node({u"Projects", u"Home", u"Bell"}), nullptr);
}

TEST_F(PrjTreeEditTest, FromACategoryNodeOnlyTheNodeGoes) {
    g_PrjOptions.outFolder = 1;
    g_PrjOptions.showCat = 1;
    const LONG task = AddTask(u"Shop", u"Errands, Home");
    LoadItems();
    RebuildPrjTree();
    const HTREEITEM node = Node({u"Outlook", u"Tasks", u"Errands", u"Shop"});
    ASSERT_NE(node, nullptr);
    ASSERT_NE(Node({u"Outlook", u"Tasks", u"Home", u"Shop"}), nullptr);
    EXPECT_EQ(RemoveNodeItemFromPrj(node, NodeFate::kDelete), 1);
    EXPECT_EQ(Node({u"Outlook", u"Tasks", u"Errands", u"Shop"}), nullptr);
    EXPECT_EQ(TaskCats(task), u"Errands, Home");
}

TEST_F(PrjTreeEditTest, ContactsUnderTheirCompanyEvenWithCategoriesShown) {
    g_PrjOptions.outFolder = 1;
    g_PrjOptions.showCat = 1;
    AddContact(u"Bell", u"Acme", u"Friends");
    AddContact(u"Abel", u"", u"Friends");
    AddContact(u"Cole", u"acme", u"");
    LoadItems();
    g_PrjOptions.ctsCom = 1;
    RebuildPrjTree();
    const std::string withCompanies = Outline(Node({u"Outlook", u"Contacts"}));
    EXPECT_NE(withCompanies.find("  Acme\n    "), std::string::npos) << withCompanies;
    EXPECT_EQ(withCompanies.find("Friends"), std::string::npos) << withCompanies;
    EXPECT_EQ(Outline(Node({u"Outlook", u"Contacts", u"Acme"})).find("acme"), std::string::npos);

    g_PrjOptions.ctsCom = 0;
    RebuildPrjTree();
    const std::string byCategory = Outline(Node({u"Outlook", u"Contacts"}));
    EXPECT_NE(byCategory.find("  Friends\n"), std::string::npos) << byCategory;
    EXPECT_EQ(byCategory.find("Acme"), std::string::npos) << byCategory;
}

TEST_F(PrjTreeEditTest, LinkNodeTakenOutOnceWithItsFile) {
    const PrjPath path{u"Garden", {}, {}};
    CreatePrjPathNodes(path);
    const std::u16string file = BuildPrjLinkName(u"index.html", u"Garden", u"", u"", true);
    FILE* stream = _wfopen(file.c_str(), u"w");
    ASSERT_NE(stream, nullptr);
    std::fputs("20#iexplore http://x.org/i", stream);
    std::fclose(stream);
    const HTREEITEM node = AddLinkNodeFromFile(file);
    ASSERT_NE(node, nullptr);
    EXPECT_TRUE(IsWebLinkNode(node));
    // The link's node goes with its file; asking for the node's deletion must not delete it again.
    EXPECT_EQ(RemoveNodeItemFromPrj(node, NodeFate::kDelete), 1);
    EXPECT_FALSE(FileThere(file));
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n");
}

}  // namespace
