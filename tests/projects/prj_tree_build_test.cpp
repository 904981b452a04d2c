// The project tree built from fixture items: what each group holds under the project options, the
// months of appointments, the link files, and the folder re-opened by a refresh.
#include <gtest/gtest.h>

#include "options/options_state.h"
#include "prj_tree_fixture.h"
#include "projects/prj_commands.h"
#include "platform/testing_dialogs.h"
#include "ui/dialog_conventions.h"

namespace {

using prjtest::PrjTreeTest;

class PrjTreeBuildTest : public PrjTreeTest {
protected:
    void AddFixtureItems() {
        AddTask(u"Dig beds", u"Prj:Garden");
        AddTask(u"Buy seeds", u"Errands,Prj:Garden>Beds");
        AddTask(u"Pay bills", u"Errands");
        AddContact(u"Moss", u"Greenery", u"Prj:Garden,Prj:Home");
        AddContact(u"Abel", u"", u"");
        AddAppt(u"Delivery", DateRec(2026, 3, 12, 9, 0), u"Prj:Garden>Beds");
        AddAppt(u"Dentist", DateRec(2026, 3, 20, 9, 0), u"");
        LoadItems();
    }
};

TEST_F(PrjTreeBuildTest, DefaultsShowOnlyProjectMembersUnderOneRoot) {
    AddFixtureItems();
    RebuildPrjTree();
    EXPECT_EQ(Outline(),
              "Projects\n"
              "  Garden\n"
              "    Beds\n"
              "      Buy seeds\n"
              "      Delivery(3/12)\n"
              "    Dig beds\n"
              "    Moss\n"
              "  Home\n"
              "    Moss\n");
    EXPECT_EQ(g_PrjTree.outlookRoot, nullptr);
}

TEST_F(PrjTreeBuildTest, OutlookGroupsHoldLooseItemsOrEveryItem) {
    AddFixtureItems();
    g_PrjOptions.outFolder = 1;
    g_PrjOptions.date = 0;
    RebuildPrjTree();
    const std::string loose = Outline(g_PrjTree.outlookRoot);
    EXPECT_EQ(loose,
              "Outlook\n"
              "  Tasks\n"
              "    Pay bills\n"
              "  Contacts\n"
              "    Abel\n"
              "  Appointments\n"
              "    March, 2026\n"
              "      Dentist\n");
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n  Beds\n    Buy seeds\n    Delivery\n  Dig beds\n  Moss\n");

    g_PrjOptions.poomBelow = 1;
    RebuildPrjTree();
    EXPECT_EQ(Outline(g_PrjTree.outlookRoot),
              "Outlook\n"
              "  Tasks\n"
              "    Buy seeds\n"
              "    Dig beds\n"
              "    Pay bills\n"
              "  Contacts\n"
              "    Greenery\n"
              "      Moss\n"
              "    Abel\n"
              "  Appointments\n"
              "    March, 2026\n"
              "      Delivery\n"
              "      Dentist\n");
    EXPECT_EQ(GetTreeItemParam(GetTskGroupNode()), kPrjTskGroupData);
    EXPECT_EQ(GetTreeItemParam(Node({u"Outlook", u"Appointments", u"March, 2026"})), kPrjApptGroupData);
}

TEST_F(PrjTreeBuildTest, MonthsLoadedByTheOptionAndTheCache) {
    g_PrjOptions.outFolder = 1;
    g_PrjOptions.date = 0;
    AddAppt(u"Now", DateRec(2026, 3, 2, 9, 0), u"");
    AddAppt(u"Before", DateRec(2026, 2, 27, 9, 0), u"");
    AddAppt(u"Later", DateRec(2026, 8, 3, 9, 0), u"");
    AddAppt(u"Far", DateRec(2026, 11, 3, 9, 0), u"");
    LoadItems();
    ReLoadApptPOOM(2026, 11, 0);  // the calendar looked at November
    // Months read into the cache earlier (February by the second case) come back after a rebuild.
    struct Case {
        LONG monthLoad;
        const char* months;
    } cases[] = {
        // "Before" lies in March's window but starts in February: not March's.
        {kPrjMonthCurrent, "  March, 2026\n    Now\n"},
        {kPrjMonthPrevCurNext,
         "  February, 2026\n    Before\n  March, 2026\n    Now\n  April, 2026\n  November, 2026\n    Far\n"},
        {kPrjMonthNext6,
         "  February, 2026\n    Before\n  March, 2026\n    Now\n  April, 2026\n  May, 2026\n  June, 2026\n  July, 2026\n"
         "  August, 2026\n    Later\n  November, 2026\n    Far\n"},
    };
    for (const Case& c : cases) {
        g_PrjOptions.monthLoad = c.monthLoad;
        RebuildPrjTree();
        EXPECT_EQ(Outline(Node({u"Outlook", u"Appointments"})), std::string("Appointments\n") + c.months)
            << c.monthLoad;
    }
}

TEST_F(PrjTreeBuildTest, LinkFilesAppearUnderTheirProjects) {
    WriteLinkFile(u"http://example.org/index.html", PrjPath{u"Garden", u"Pond", {}}, true, LinkNodeInsert::kNo);
    WriteLinkFile(u"http://example.org/plan", PrjPath{u"Trips", {}, {}}, true, LinkNodeInsert::kNo);
    // Not a link file: left out.
    FILE* other = _wfopen((GetPrjLinksDir() + u"Prj-Trips#readme.txt").c_str(), u"w");
    ASSERT_NE(other, nullptr);
    std::fclose(other);
    RebuildPrjTree();
    EXPECT_EQ(Outline(), "Projects\n  Garden\n    Pond\n      index.html\n  Trips\n    plan\n");
    EXPECT_TRUE(IsWebLinkNode(Node({u"Projects", u"Trips", u"plan"})));
}

TEST_F(PrjTreeBuildTest, RefreshReopensTheFolderOfTheSelection) {
    AddFixtureItems();
    g_PrjOptions.outFolder = 1;
    RebuildPrjTree();
    const auto expanded = [](HTREEITEM node) {
        return node &&
               (SendMessageW(g_PrjTree.wnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_EXPANDED) &
                TVIS_EXPANDED) != 0;
    };
    Select(Node({u"Projects", u"Garden", u"Beds", u"Buy seeds"}));
    RefreshPrjTree();
    EXPECT_TRUE(expanded(Node({u"Projects", u"Garden", u"Beds"})));
    EXPECT_FALSE(expanded(Node({u"Outlook", u"Appointments"})));
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, TVGN_CARET, 0)),
              g_PrjTree.projectsRoot);

    Select(Node({u"Outlook", u"Appointments", u"March, 2026", u"Dentist(3/20)"}));
    RefreshPrjTree();
    EXPECT_TRUE(expanded(Node({u"Outlook", u"Appointments"})));
    EXPECT_FALSE(expanded(Node({u"Projects", u"Garden", u"Beds"})));
}

// Applying new project options keeps the folder the user was working in open.
TEST_F(PrjTreeBuildTest, ApplyingProjectOptionsReopensTheFolderOfTheSelection) {
    AddFixtureItems();
    const LONG savedView = ViewId;
    ViewId = kViewProjects;
    RebuildPrjTree();
    Select(Node({u"Projects", u"Garden", u"Beds", u"Buy seeds"}));
    ClearOptionTables();
    FillOptionsPage(kPageProjects);
    bool found = false;
    for (ValSnap& row : g_Options.pages[kPageProjects]) {
        if (row.live != &g_PrjOptions.monthLoad) continue;
        row.indexValue = 1;
        row.numberValue = 1;
        found = true;
    }
    ASSERT_TRUE(found);
    ApplyProjectOptions();
    EXPECT_EQ(g_PrjOptions.monthLoad, 1);
    const HTREEITEM beds = Node({u"Projects", u"Garden", u"Beds"});
    ASSERT_NE(beds, nullptr);
    EXPECT_NE(SendMessageW(g_PrjTree.wnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(beds), TVIS_EXPANDED) &
                  TVIS_EXPANDED,
              0);
    ClearOptionTables();
    ViewId = savedView;
}

TEST_F(PrjTreeBuildTest, LoadMonthTwiceAddsTheMonthOnce) {
    g_PrjOptions.outFolder = 1;
    AddAppt(u"Now", DateRec(2026, 3, 2, 9, 0), u"Prj:Home");
    LoadItems();
    RebuildPrjTree();
    platform::testing::AnswerDialog(kDlgAccept);  // the month picker opens on this month
    LoadMonthCmd();
    EXPECT_EQ(Outline(Node({u"Outlook", u"Appointments"})), "Appointments\n  March, 2026\n");
    EXPECT_EQ(Outline(FindPrjNode(u"Home")), "Home\n  Now(3/2)\n");
}

}  // namespace
