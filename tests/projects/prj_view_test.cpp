// The Projects view as the main window shows it, viewing a link, a plain category made into a
// project, and newly saved contacts and appointments placed by the selected node.
#include <gtest/gtest.h>

#include "core/cat_record.h"
#include "core/pim_state.h"
#include "frame/load_thread.h"
#include "platform/testing_dialogs.h"
#include "prj_tree_fixture.h"
#include "projects/prj_commands.h"
#include "projects/prj_view.h"
#include "resources/resource.h"

namespace {

using prjtest::PrjTreeTest;
namespace pt = platform::testing;

class PrjViewTest : public PrjTreeTest {
protected:
    void TearDown() override {
        pt::ClearDialogs();
        pt::ClearStartedPrograms();
        g_LoadState = LoadState();
        PendingViewCmd = kNoPendingCmd;
        PrjTreeTest::TearDown();
    }
};

TEST_F(PrjViewTest, WaitsForTheLoadThenShowsTheRebuiltTree) {
    AddTask(u"Dig", u"Prj:Garden");
    LoadItems();
    ViewId = kViewMonth;
    g_ApptCache.loaded = 1;
    g_LoadState.tasksLoaded = 0;
    ShowProjectsView();
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(PendingViewCmd, 11);

    PendingViewCmd = kNoPendingCmd;
    g_LoadState.tasksLoaded = 1;
    g_LoadState.contactsLoaded = 1;
    ShowProjectsView();
    EXPECT_EQ(ViewId, kViewProjects);
    EXPECT_TRUE(IsWindowVisible(g_PrjTree.wnd));
    EXPECT_EQ(Outline(), "Projects\n  Garden\n    Dig\n");
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, TVGN_CARET, 0)),
              g_PrjTree.projectsRoot);
}

TEST_F(PrjViewTest, ViewingALinkOpensItsFileWithTheShell) {
    WriteLinkFile(u"http://example.org/map", PrjPath{u"Trips", {}, {}}, true, LinkNodeInsert::kNo);
    RebuildPrjTree();
    Select(Node({u"Projects", u"Trips", u"map"}));
    ViewPrjItem();
    const auto started = pt::StartedPrograms();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_NE(started[0].program.find(u"Prj-Lnk-Trips#map.lnk"), std::u16string::npos)
        << prjtest::Narrow(started[0].program);
}

TEST_F(PrjViewTest, CategoryMadeIntoAProject) {
    const LONG task = AddTask(u"Dig", u"Outdoor");
    const LONG contact = AddContact(u"Moss", u"", u"outdoor, Friends");
    const LONG appt = AddAppt(u"Delivery", DateRec(2026, 3, 12, 9, 0), u"Outdoor");
    AddTask(u"Sleep", u"Indoor");
    LoadItems();
    int row = -1;
    for (int i = 0, shown = 0; i < g_CatList.Size(); ++i) {
        if (IsPrjCat(g_CatList[i].name)) continue;
        if (g_CatList[i].name == u"Outdoor") row = shown;
        ++shown;
    }
    ASSERT_GE(row, 0);
    pt::ActInsideDialog([row](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_TEXT_LIST, LVM_SETSELECTIONMARK, 0, row);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    CatToPrjCmd();
    EXPECT_EQ(TaskCats(task), u"Outdoor, Prj:Outdoor");
    EXPECT_EQ(ContactCats(contact), u"Outdoor, Friends, Prj:Outdoor");  // the store spells it as its table
    EXPECT_EQ(ApptCats(appt), u"Outdoor, Prj:Outdoor");
    EXPECT_TRUE(g_AllApptsArray.IsEmpty());
    const std::string tree = Outline(FindPrjNode(u"Outdoor"));
    EXPECT_NE(tree.find("  Dig\n"), std::string::npos) << tree;
    EXPECT_NE(tree.find("  Moss\n"), std::string::npos) << tree;
    EXPECT_EQ(FindPrjNode(u"Indoor"), nullptr);
}

TEST_F(PrjViewTest, NewContactAndAppointmentGoWhereTheSelectionIs) {
    g_PrjOptions.outFolder = 1;
    g_PrjOptions.date = 0;
    AddTask(u"Dig", u"Prj:Garden>Beds");
    LoadItems();
    RebuildPrjTree();
    // Saved by the editors after the tree was built.
    const LONG contact = AddContact(u"Moss", u"Greenery", u"");
    const LONG appt = AddAppt(u"Delivery", DateRec(2026, 3, 12, 9, 0), u"");
    LoadItems();
    // Appointments group selected: under its month, first; no project.
    Select(GetApptGroupNode(false));
    PrjTreeApptSaved(appt);
    EXPECT_EQ(Outline(GetApptGroupNode(false)), "Appointments\n  March, 2026\n    Delivery\n");
    EXPECT_EQ(ApptCats(appt), u"");
    // A sub-project selected: the contact goes into it.
    Select(FindSubPrjNode(u"Garden", u"Beds"));
    PrjTreeCtsSaved(contact);
    EXPECT_EQ(ContactCats(contact), u"Prj:Garden>Beds");
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n  Beds\n    Dig\n    Moss\n");
}

}  // namespace
