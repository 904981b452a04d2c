// Putting items into other projects: dragging nodes onto folders and groups under the options,
// "Move To Project" in the tree, "Add To Project" from another view, and the project path list.
#include <cstring>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "prj_tree_fixture.h"
#include "projects/prj_commands.h"
#include "projects/prj_view.h"
#include "resources/resource.h"
#include "ui/layout.h"

namespace {

using prjtest::PrjTreeTest;
namespace pt = platform::testing;

class PrjMoveTest : public PrjTreeTest {
protected:
    void SetUp() override {
        PrjTreeTest::SetUp();
        task_ = AddTask(u"Dig", u"Work,Prj:A");
        sub_ = AddTask(u"Sow", u"Prj:A>x");
        AddTask(u"Keep", u"Prj:A>y,Prj:B");
        LoadItems();
        RebuildPrjTree();
    }
    void TearDown() override {
        pt::ClearDialogs();
        PrjTreeTest::TearDown();
    }
    // The next project picker chooses the row of that path in the list, or is cancelled.
    static void PickPath(const char16_t* path) {
        const std::u16string wanted = path ? path : u"";
        pt::ActInsideDialog([wanted](HWND dialog) {
            const RecordArray<std::u16string>& paths = ProjectPathList();
            int row = -1;
            for (int i = 0; i < paths.Size(); ++i)
                if (paths[i] == wanted) row = i;
            if (row < 0) {
                SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
                return;
            }
            SendDlgItemMessageW(dialog, IDC_TEXT_LIST, LVM_SETSELECTIONMARK, 0, row);
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
    }
    LONG task_ = -1, sub_ = -1;
};

TEST_F(PrjMoveTest, PathListInTreeOrder) {
    CollectPrjPaths(ProjectPathList());
    const std::vector<std::u16string> paths(ProjectPathList().begin(), ProjectPathList().end());
    EXPECT_EQ(paths, (std::vector<std::u16string>{u"A", u"A>x", u"A>y", u"B"}));
}

TEST_F(PrjMoveTest, DropOnAnotherProjectAddsOrMovesByTheOption) {
    struct Case {
        LONG removeCur;
        const char16_t* cats;
        bool leftInA;
    } cases[] = {
        {0, u"Work, Prj:A, Prj:B", true},
        {1, u"Work, Prj:B", false},
    };
    for (const Case& c : cases) {
        g_PrjOptions.removeCur = c.removeCur;
        RebuildPrjTree();
        PrjTreeDrop(Node({u"Projects", u"A", u"Dig"}), FindPrjNode(u"B"));
        EXPECT_EQ(TaskCats(task_), c.cats) << c.removeCur;
        EXPECT_EQ(Node({u"Projects", u"A", u"Dig"}) != nullptr, c.leftInA) << c.removeCur;
        EXPECT_NE(Node({u"Projects", u"B", u"Dig"}), nullptr) << c.removeCur;
        // Back to the fixture for the next case.
        SetTskPrjCat(task_, PrjPath{u"A", {}, {}}, false);
        RemoveCatFromTsk(task_, u"B");
        LoadItems();
    }
}

TEST_F(PrjMoveTest, DropWithinAProjectMovesBetweenLevels) {
    PrjTreeDrop(Node({u"Projects", u"A", u"Dig"}), FindSubPrjNode(u"A", u"x"));
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:A>x");
    EXPECT_EQ(Node({u"Projects", u"A", u"Dig"}), nullptr);
    EXPECT_NE(Node({u"Projects", u"A", u"x", u"Dig"}), nullptr);

    PrjTreeDrop(Node({u"Projects", u"A", u"x", u"Sow"}), FindPrjNode(u"A"));
    EXPECT_EQ(TaskCats(sub_), u"Prj:A");
    EXPECT_EQ(Node({u"Projects", u"A", u"x", u"Sow"}), nullptr);
    EXPECT_NE(Node({u"Projects", u"A", u"Sow"}), nullptr);

    // A sibling sub-project: the category is replaced, so the old node goes too.
    PrjTreeDrop(Node({u"Projects", u"A", u"x", u"Dig"}), FindSubPrjNode(u"A", u"y"));
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:A>y");
    EXPECT_EQ(Node({u"Projects", u"A", u"x", u"Dig"}), nullptr);
    EXPECT_NE(Node({u"Projects", u"A", u"y", u"Dig"}), nullptr);
}

TEST_F(PrjMoveTest, DropOnTheTasksGroupTakesTheTaskOutOfItsProject) {
    g_PrjOptions.outFolder = 1;
    RebuildPrjTree();
    PrjTreeDrop(Node({u"Projects", u"A", u"Dig"}), GetTskGroupNode());
    EXPECT_EQ(TaskCats(task_), u"Work");
    EXPECT_EQ(Outline(GetTskGroupNode()), "Tasks\n  Dig\n");
    // Dropped there again: it stays once.
    PrjTreeDrop(Node({u"Outlook", u"Tasks", u"Dig"}), GetTskGroupNode());
    EXPECT_EQ(Outline(GetTskGroupNode()), "Tasks\n  Dig\n");
    // Onto a group of another kind or a root: nothing.
    PrjTreeDrop(Node({u"Outlook", u"Tasks", u"Dig"}), GetCtsGroupNode());
    PrjTreeDrop(Node({u"Projects", u"B", u"Keep"}), g_PrjTree.projectsRoot);
    EXPECT_EQ(TaskCats(task_), u"Work");
    EXPECT_NE(Node({u"Projects", u"B", u"Keep"}), nullptr);
}

TEST_F(PrjMoveTest, WebLinkDroppedElsewhereIsCopiedWithItsOwnFile) {
    WriteLinkFile(u"http://example.org/map", PrjPath{u"A", {}, {}}, true, LinkNodeInsert::kYes);
    const std::u16string inA = BuildPrjLinkName(u"map", u"A", u"", u"", true);
    const std::u16string inB = BuildPrjLinkName(u"map", u"B", u"", u"", true);
    const std::u16string inX = BuildPrjLinkName(u"map", u"A", u"x", u"", true);
    PrjTreeDrop(Node({u"Projects", u"A", u"map"}), FindPrjNode(u"B"));
    EXPECT_TRUE(FileThere(inA));
    EXPECT_TRUE(FileThere(inB));
    // Into a sub-project of its own project it moves.
    PrjTreeDrop(Node({u"Projects", u"A", u"map"}), FindSubPrjNode(u"A", u"x"));
    EXPECT_FALSE(FileThere(inA));
    EXPECT_TRUE(FileThere(inX));
    EXPECT_EQ(ReadLinkTarget(inX, true), u"http://example.org/map");
}

TEST_F(PrjMoveTest, LinkDroppedOnItsOwnFolderIsKept) {
    WriteLinkFile(u"http://example.org/map", PrjPath{u"A", {}, {}}, true, LinkNodeInsert::kYes);
    const std::u16string inA = BuildPrjLinkName(u"map", u"A", u"", u"", true);
    PrjTreeDrop(Node({u"Projects", u"A", u"map"}), FindPrjNode(u"A"));
    EXPECT_TRUE(FileThere(inA));
    EXPECT_EQ(ReadLinkTarget(inA, true), u"http://example.org/map");
    EXPECT_NE(Node({u"Projects", u"A", u"map"}), nullptr);
}

TEST_F(PrjMoveTest, MoveToProjectRefusesTheSamePlaceAndLeavesTheOldProject) {
    pt::AnswerMessageBox(IDOK);
    PickPath(u"A>x");
    Select(Node({u"Projects", u"A", u"x", u"Sow"}));
    MoveToPrjCmd();
    ASSERT_EQ(pt::MessageBoxesShown().size(), 1u);
    EXPECT_EQ(pt::MessageBoxesShown()[0].text, u"Can't Move to Same Project Location.");
    EXPECT_EQ(TaskCats(sub_), u"Prj:A>x");

    PickPath(u"B");
    Select(Node({u"Projects", u"A", u"x", u"Sow"}));
    MoveToPrjCmd();
    EXPECT_EQ(TaskCats(sub_), u"Prj:B");
    EXPECT_EQ(Node({u"Projects", u"A", u"x", u"Sow"}), nullptr);
    EXPECT_NE(Node({u"Projects", u"B", u"Sow"}), nullptr);

    PickPath(nullptr);  // cancelled: nothing changes
    Select(Node({u"Projects", u"B", u"Sow"}));
    MoveToPrjCmd();
    EXPECT_EQ(TaskCats(sub_), u"Prj:B");
}

TEST_F(PrjMoveTest, AddToProjectFromAnotherViewReplacesOnlyThatProject) {
    ViewId = kViewMonth;
    g_CurItem.oid = task_;
    g_CurItem.kind = kItemTask;
    PickPath(u"A>y");
    AddCurItemToPrj();
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:A>y");
    PickPath(u"B");
    AddCurItemToPrj();
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:A>y, Prj:B");
}

TEST_F(PrjMoveTest, Screenshot) {
    pt::TestScreen screen;
    g_PrjOptions.outFolder = 1;
    AddContact(u"Moss", u"Greenery", u"Prj:A>x");
    AddAppt(u"Delivery", DateRec(2026, 3, 12, 9, 0), u"Prj:B");
    AddTask(u"Pay bills", u"Errands");
    WriteLinkFile(u"http://example.org/map", PrjPath{u"A", {}, {}}, true, LinkNodeInsert::kNo);
    LoadItems();
    RebuildPrjTree();
    PlaceViewWnd(g_PrjTree.wnd, kPlaceTree);
    ExpandPrjNodeByPath(PrjPath{u"A", u"x", {}});
    ShowTskGroup();
    SendMessageW(g_PrjTree.wnd, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(g_PrjTree.projectsRoot));
    pt::PumpUntilIdle();
    const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "projects_tree.png";
    EXPECT_TRUE(pt::SaveScreenshot(out));
}

}  // namespace

namespace {

class PrjDragTest : public PrjMoveTest {
protected:
    static POINT Centre(HTREEITEM node) {
        RECT rect{};
        std::memcpy(&rect, &node, sizeof node);
        SendMessageW(g_PrjTree.wnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    static LPARAM At(POINT point) { return MAKELPARAM(point.x, point.y); }
};

TEST_F(PrjDragTest, PenDragOfATaskOntoASubProjectMovesIt) {
    ShowWindow(g_PrjTree.wnd, SW_SHOW);
    PlaceViewWnd(g_PrjTree.wnd, kPlaceTree);
    ExpandPrjNodeByPath(PrjPath{u"A", {}, {}});
    pt::PumpUntilIdle();
    const POINT from = Centre(Node({u"Projects", u"A", u"Dig"}));
    const POINT to = Centre(FindSubPrjNode(u"A", u"y"));
    SendMessageW(g_PrjTree.wnd, WM_LBUTTONDOWN, 0, At(from));
    SendMessageW(g_PrjTree.wnd, WM_MOUSEMOVE, 0, At(to));
    SendMessageW(g_PrjTree.wnd, WM_LBUTTONUP, 0, At(to));
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:A>y");
    EXPECT_EQ(Node({u"Projects", u"A", u"Dig"}), nullptr);
    EXPECT_NE(Node({u"Projects", u"A", u"y", u"Dig"}), nullptr);
}

}  // namespace
