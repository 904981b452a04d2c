// The Projects view's commands through the PIM store: new projects at each level, removing projects
// with their items and links, web links, deleting a link, converting to a category, completing a
// task and placing a newly saved task.
#include <gtest/gtest.h>

#include "platform/testing_pim.h"

#include "platform/testing_dialogs.h"
#include "prj_tree_fixture.h"
#include "projects/prj_commands.h"
#include "projects/prj_items.h"
#include "tests/support/prompt_answer.h"
#include "ui/dialog_conventions.h"

namespace {

using prjtest::PrjTreeTest;
namespace pt = platform::testing;

class PrjCommandsTest : public PrjTreeTest {
protected:
    void TearDown() override {
        pt::ClearDialogs();
        PrjTreeTest::TearDown();
    }
    static void NewPrjAt(HTREEITEM node, const char16_t* name) {
        Select(node);
        testsupport::AnswerPrompt(kDlgAccept, name);
        NewPrjCmd();
    }
    static std::string ReadAll(const std::u16string& path) {
        std::string bytes;
        if (FILE* stream = _wfopen(path.c_str(), u"rb")) {
            char buffer[256];
            std::size_t got = 0;
            while ((got = std::fread(buffer, 1, sizeof(buffer), stream)) > 0) bytes.append(buffer, got);
            std::fclose(stream);
        }
        return bytes;
    }
    static std::vector<std::u16string> BoxTexts() {
        std::vector<std::u16string> texts;
        for (const auto& box : pt::MessageBoxesShown()) texts.push_back(box.text);
        return texts;
    }
};

TEST_F(PrjCommandsTest, NewProjectsAtThreeLevelsAtMost) {
    RebuildPrjTree();
    NewPrjAt(g_PrjTree.projectsRoot, u"Garden");
    NewPrjAt(g_PrjTree.projectsRoot, u"Attic");
    NewPrjAt(g_PrjTree.projectsRoot, u"garden");  // exists: nothing, no message
    NewPrjAt(FindPrjNode(u"Garden"), u"Beds");
    NewPrjAt(FindSubPrjNode(u"Garden", u"Beds"), u"Seeds");
    NewPrjAt(FindPrjNodeByPath(PrjPath{u"Garden", u"Beds", u"Seeds"}), u"Deeper");
    EXPECT_EQ(Outline(), "Projects\n  Attic\n  Garden\n    Beds\n      Seeds\n");
    EXPECT_TRUE(IsSubSubPrjNode(FindPrjNodeByPath(PrjPath{u"Garden", u"Beds", u"Seeds"})));
    EXPECT_TRUE(pt::MessageBoxesShown().empty());
    // Stored nowhere: a rebuild drops the empty projects.
    RebuildPrjTree();
    EXPECT_EQ(Outline(), "Projects\n");
}

TEST_F(PrjCommandsTest, ProjectNameWithASeparatorWouldSplitIntoLevels) {
    RebuildPrjTree();
    pt::AnswerMessageBox(IDOK);
    NewPrjAt(g_PrjTree.projectsRoot, u"House>Roof");
    pt::AnswerMessageBox(IDOK);
    NewPrjAt(g_PrjTree.projectsRoot, u"Pens, Paper");
    EXPECT_EQ(Outline(), "Projects\n");
    EXPECT_EQ(BoxTexts().size(), 2u);
}

class PrjRemoveTest : public PrjCommandsTest {
protected:
    void SetUp() override {
        PrjCommandsTest::SetUp();
        task_ = AddTask(u"Dig", u"Work,Prj:Garden>Beds");
        contact_ = AddContact(u"Moss", u"", u"Prj:Garden>Beds");
        appt_ = AddAppt(u"Delivery", DateRec(2026, 3, 12, 9, 0), u"Prj:Garden>Beds");
        other_ = AddTask(u"Rake", u"Prj:Garden");
        LoadItems();
        WriteLinkFile(u"http://example.org/plan.html", PrjPath{u"Garden", u"Beds", {}}, true, LinkNodeInsert::kNo);
        g_PrjOptions.date = 0;
        RebuildPrjTree();
    }
    LONG task_ = -1, contact_ = -1, appt_ = -1, other_ = -1;
    const std::u16string bedsLink_ = BuildPrjLinkName(u"plan.html", u"Garden", u"Beds", u"", true);
    const std::u16string gardenLink_ = BuildPrjLinkName(u"plan.html", u"Garden", u"", u"", true);
};

TEST_F(PrjRemoveTest, EmptySubProjectGoesWithoutAQuestion) {
    Select(FindPrjNode(u"Garden"));
    testsupport::AnswerPrompt(kDlgAccept, u"Empty");
    NewPrjCmd();
    Select(FindSubPrjNode(u"Garden", u"Empty"));
    RemovePrjCmd();
    EXPECT_EQ(FindSubPrjNode(u"Garden", u"Empty"), nullptr);
    EXPECT_TRUE(pt::MessageBoxesShown().empty());
}

TEST_F(PrjRemoveTest, YesAndYesMovesEverythingOneLevelUp) {
    pt::AnswerMessageBox(IDYES);
    pt::AnswerMessageBox(IDYES);
    Select(FindSubPrjNode(u"Garden", u"Beds"));
    RemovePrjCmd();
    EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{u"Are you sure you want to remove the sub-project 'Beds'?",
                                                       u"Move All Items to the Project?"}));
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:Garden");  // as the store keeps a list
    EXPECT_EQ(ContactCats(contact_), u"Prj:Garden");
    EXPECT_EQ(ApptCats(appt_), u"Prj:Garden");
    EXPECT_FALSE(FileThere(bedsLink_));
    EXPECT_EQ(ReadAll(gardenLink_), "39#iexplore http://example.org/plan.html");
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n  Delivery\n  Dig\n  Moss\n  plan.html\n  Rake\n");
    // The stored categories give the same tree (the month cache refreshed as a change notice would).
    LoadItems();
    RebuildPrjTree();
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n  Delivery\n  Dig\n  Moss\n  plan.html\n  Rake\n");
}

TEST_F(PrjRemoveTest, YesAndNoTakesEverythingOutOfTheWholeProject) {
    pt::AnswerMessageBox(IDYES);
    pt::AnswerMessageBox(IDNO);
    Select(FindSubPrjNode(u"Garden", u"Beds"));
    RemovePrjCmd();
    EXPECT_EQ(TaskCats(task_), u"Work");
    EXPECT_EQ(ContactCats(contact_), u"");
    EXPECT_EQ(ApptCats(appt_), u"");
    EXPECT_EQ(TaskCats(other_), u"Prj:Garden");  // not below the sub-project
    EXPECT_FALSE(FileThere(bedsLink_));
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n  Rake\n");
}

TEST_F(PrjRemoveTest, TopLevelProjectAsksOnceAndTakesEverythingOut) {
    pt::AnswerMessageBox(IDYES);
    Select(FindPrjNode(u"Garden"));
    RemovePrjCmd();
    EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{u"Are you sure you want to remove the project 'Garden'?"});
    for (LONG oid : {task_, other_}) EXPECT_EQ(TaskCats(oid).find(u"Prj:"), std::u16string::npos);
    EXPECT_EQ(ContactCats(contact_), u"");
    EXPECT_FALSE(FileThere(bedsLink_));
    EXPECT_EQ(Outline(), "Projects\n");
}

TEST_F(PrjRemoveTest, DeletingALinkAsksAndRemovesItsFile) {
    const HTREEITEM link = Node({u"Projects", u"Garden", u"Beds", u"plan.html"});
    ASSERT_NE(link, nullptr);
    pt::AnswerMessageBox(IDNO);
    Select(link);
    DeletePrjItemCmd();
    EXPECT_TRUE(FileThere(bedsLink_));
    pt::AnswerMessageBox(IDYES);
    Select(link);
    DeletePrjItemCmd();
    EXPECT_FALSE(FileThere(bedsLink_));
    EXPECT_EQ(Node({u"Projects", u"Garden", u"Beds", u"plan.html"}), nullptr);
    EXPECT_EQ(BoxTexts().front(), u"Are you sure you want to remove the item 'plan.html'?");
}

TEST_F(PrjRemoveTest, ConvertingWithoutRemovalOnlyAddsTheCategory) {
    pt::AnswerMessageBox(IDNO);
    Select(FindPrjNode(u"Garden"));
    testsupport::AnswerPrompt(kDlgAccept, u"Outdoor");
    const std::string before = Outline();
    ConvertPrjCmd();
    EXPECT_EQ(TaskCats(task_), u"Work, Prj:Garden>Beds, Outdoor");
    EXPECT_EQ(TaskCats(other_), u"Prj:Garden, Outdoor");
    EXPECT_EQ(ContactCats(contact_), u"Prj:Garden>Beds, Outdoor");
    EXPECT_EQ(Outline(), before);
    EXPECT_TRUE(FileThere(bedsLink_));
}

TEST_F(PrjRemoveTest, ConvertNeedsAProjectFolder) {
    pt::AnswerMessageBox(IDOK);
    Select(g_PrjTree.projectsRoot);
    ConvertPrjCmd();
    EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{u"Please select a project folder from the tree."});
}

// The second link of a title was appended to the first one's file, where only this program could
// find it; titles kept characters a file name cannot hold.
TEST_F(PrjCommandsTest, EveryLinkGetsAFileOfItsOwnWithASafeName) {
    RebuildPrjTree();
    NewPrjAt(g_PrjTree.projectsRoot, u"Trips");
    for (int i = 0; i < 2; ++i) {
        Select(FindPrjNode(u"Trips"));
        testsupport::AnswerPrompt(kDlgAccept, u"http://example.org/map");
        AddHyperlinkCmd();
    }
    const std::u16string file = BuildPrjLinkName(u"map", u"Trips", u"", u"", true);
    const std::u16string second = BuildPrjLinkName(u"map (2)", u"Trips", u"", u"", true);
    EXPECT_EQ(ReadAll(file), "33#iexplore http://example.org/map");
    EXPECT_EQ(ReadAll(second), "33#iexplore http://example.org/map");
    EXPECT_EQ(ReadLinkTarget(second, true), u"http://example.org/map");

    Select(FindPrjNode(u"Trips"));
    testsupport::AnswerPrompt(kDlgAccept, u"http://example.org/find?q=a:b|c*d<e>\"f\"^g,h#top");
    AddHyperlinkCmd();
    const std::u16string odd = BuildPrjLinkName(u"find_q=a_b_c_d_e__f__g_h_top", u"Trips", u"", u"", true);
    EXPECT_EQ(ReadLinkTarget(odd, true), u"http://example.org/find?q=a:b|c*d<e>\"f\"^g,h#top");
    RebuildPrjTree();
    EXPECT_EQ(Outline(), "Projects\n  Trips\n    find_q=a_b_c_d_e__f__g_h_top\n    map\n    map (2)\n");

    // Files written by earlier versions, two links in one, still read their first link.
    device_.WriteFile(file, "33#iexplore http://example.org/map33#iexplore http://example.org/map");
    EXPECT_EQ(ReadLinkTarget(file, true), u"http://example.org/map");
}

TEST_F(PrjCommandsTest, FileLinkTargetReadsBack) {
    RebuildPrjTree();
    NewPrjAt(g_PrjTree.projectsRoot, u"Trips");
    // The file link's node carries the system icon of the link file.
    Select(FindPrjNode(u"Trips"));
    AddFileLinkToPrj(u"\\My Documents\\route.txt");
    const std::u16string file = BuildPrjLinkName(u"route", u"Trips", u"", u"", false);
    EXPECT_EQ(ReadAll(file), "25#\"\\My Documents\\route.txt\"");
    EXPECT_EQ(ReadLinkTarget(file, false), u"\\My Documents\\route.txt");
    EXPECT_TRUE(IsFileLinkNode(Node({u"Projects", u"Trips", u"route"})));
}

// A count of 19 or more digits overflowed while it was read.
TEST_F(PrjCommandsTest, LinkFileCountsOfAnyLengthAreReadSafely) {
    const std::u16string file = u"\\My Documents\\odd.lnk";
    struct Case {
        const char* bytes;
        bool isWeb;
        const char16_t* target;
    };
    const Case cases[] = {
        {"99999999999999999999999999#\"\\My Documents\\route.txt\"", false, u"\\My Documents\\route.txt"},
        {"18446744073709551617#iexplore http://example.org/a", true, u"http://example.org/a"},
        {"#\"x\"", false, u"x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        device_.WriteFile(file, c.bytes);
        EXPECT_EQ(ReadLinkTarget(file, c.isWeb), c.target);
    }
}

TEST_F(PrjCommandsTest, SetCompleteTogglesTheTaskEverywhere) {
    const LONG oid = AddTask(u"Dig", u"Prj:Garden,Prj:Home");
    LoadItems();
    RebuildPrjTree();
    Select(Node({u"Projects", u"Garden", u"Dig"}));
    RefreshPrjTskNode();
    PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    task.Reset();
    EXPECT_NE(complete, VARIANT_FALSE);
    EXPECT_EQ(FindTskRecord(oid)->complete, 1);
    EXPECT_EQ(GetPrjNodeKind(Node({u"Projects", u"Home", u"Dig"})), kPrjImgTskDone);
}

TEST_F(PrjCommandsTest, AFailedCompleteSaveLeavesTheTreeAndTheTaskAsTheyWere) {
    const LONG oid = AddTask(u"Dig", u"Prj:Garden");
    LoadItems();
    RebuildPrjTree();
    Select(Node({u"Projects", u"Garden", u"Dig"}));
    const int kindBefore = GetPrjNodeKind(Node({u"Projects", u"Garden", u"Dig"}));
    platform::testing::FailPimCall("ITask::Save");
    pt::AnswerMessageBox(IDOK);
    RefreshPrjTskNode();
    platform::testing::ClearPimFailures();
    EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{u"The task could not be saved, so it was left as it was."});
    EXPECT_EQ(FindTskRecord(oid)->complete, 0);
    EXPECT_EQ(GetPrjNodeKind(Node({u"Projects", u"Garden", u"Dig"})), kindBefore);
}

// A failed save still put the item into the project's folder and its categories in memory.
TEST_F(PrjCommandsTest, AnItemWhoseProjectSaveFailsStaysOutOfTheProject) {
    AddTask(u"Old", u"Prj:Garden");
    const LONG oid = AddTask(u"Fresh", u"Work");
    LoadItems();
    RebuildPrjTree();
    const std::string before = Outline(FindPrjNode(u"Garden"));
    platform::testing::FailPimCall("ITask::Save");
    pt::AnswerMessageBox(IDOK);
    PrjPath garden;
    garden.project = u"Garden";
    EXPECT_EQ(SetPrjCatOfKind(kItemTask, oid, garden, true), nullptr);
    platform::testing::ClearPimFailures();
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), before);
    EXPECT_EQ(TaskCats(oid), u"Work");
    ASSERT_NE(FindTskRecord(oid), nullptr);
    EXPECT_EQ(FindTskRecord(oid)->categories.Size(), 1);
}

TEST_F(PrjCommandsTest, ANewNoteStartsInTheNotesFolderNotTheFolderLastBrowsed) {
    const AppSettings saved = g_Settings;
    g_Settings.noteDir = u"\\My Documents\\Notes";
    g_Settings.curNoteDir = u"\\My Documents\\Notes\\Old";
    testsupport::AnswerPrompt(kDlgCancel, u"");
    NewNoteInPrj();
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents\\Notes");
    EXPECT_EQ(NewItemInPrj, 0);  // the note was not started
    g_Settings = saved;
}

TEST_F(PrjCommandsTest, NewTaskSavedGoesIntoTheSelectedProject) {
    AddTask(u"Old", u"Prj:Garden");
    const LONG oid = AddTask(u"Fresh", u"Work");
    LoadItems();
    RebuildPrjTree();
    Select(Node({u"Projects", u"Garden", u"Old"}));  // an item: its folder's project
    PrjTreeTskSaved(oid);
    EXPECT_EQ(TaskCats(oid), u"Work, Prj:Garden");
    EXPECT_EQ(Outline(FindPrjNode(u"Garden")), "Garden\n  Fresh\n  Old\n");
}

}  // namespace

namespace {

using PrjRemoveFromTest = PrjCommandsTest;

TEST_F(PrjRemoveFromTest, ItemLeavesTheWholeProjectAndReturnsToItsGroup) {
    g_PrjOptions.outFolder = 1;
    const LONG task = AddTask(u"Dig", u"Prj:Garden>Beds,Prj:Home");
    const LONG contact = AddContact(u"Moss", u"Greenery", u"Prj:Garden");
    LoadItems();
    RebuildPrjTree();
    Select(Node({u"Projects", u"Garden", u"Beds", u"Dig"}));
    RemoveFromPrjCmd();
    EXPECT_EQ(TaskCats(task), u"Prj:Home");
    EXPECT_EQ(Node({u"Projects", u"Garden", u"Beds", u"Dig"}), nullptr);
    // Still in Home: not shown under the Tasks group.
    EXPECT_EQ(Outline(GetTskGroupNode()), "Tasks\n");

    Select(Node({u"Projects", u"Garden", u"Moss"}));
    RemoveFromPrjCmd();
    EXPECT_EQ(ContactCats(contact), u"");
    EXPECT_EQ(Outline(GetCtsGroupNode()), "Contacts\n  Greenery\n    Moss\n");

    // Not under a project: nothing.
    Select(Node({u"Outlook", u"Contacts", u"Greenery", u"Moss"}));
    RemoveFromPrjCmd();
    EXPECT_EQ(Outline(GetCtsGroupNode()), "Contacts\n  Greenery\n    Moss\n");
}

TEST_F(PrjRemoveFromTest, AddOnTheProjectsRootAsksForAProject) {
    g_PrjOptions.outFolder = 1;
    RebuildPrjTree();
    Select(g_PrjTree.projectsRoot);
    testsupport::AnswerPrompt(kDlgAccept, u"Garden");
    PrjAddCmd();
    EXPECT_NE(FindPrjNode(u"Garden"), nullptr);
    EXPECT_EQ(NewItemInPrj, 0);
}

}  // namespace
