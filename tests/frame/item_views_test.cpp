// Items opened from the Projects view and the contact list as a user opens them: a node tapped and
// its menu taken with the keys, the preview it shows and the view Back returns to, over items that
// devicectl put into the store.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/id_index.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "platform/commctrl.h"
#include "platform/device.h"
#include "platform/shell.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/text.h"
#include "program_fixture.h"
#include "projects/prj_items.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_edit.h"
#include "resources/resource.h"
#include "ui/menu_bar_slots.h"

namespace {

namespace pt = platform::testing;

class ItemViews : public frametest::ProgramTest {
protected:
    // The store's line of the item named so in `pim list tasks|contacts`, empty when none.
    std::string Listed(const std::string& kind, const std::string& name) {
        std::stringstream lines(Devicectl({"pim", "list", kind}));
        std::string line;
        while (std::getline(lines, line))
            if (line.find("\t" + name + "\t") != std::string::npos) return line;
        return {};
    }
    void UseOsMajor(DWORD major) {
        platform::DeviceProfile profile = platform::Profile();
        profile.osMajor = major;
        device_.SetProfile(profile);
    }

    // The node of that text under the parent, or nullptr.
    static HTREEITEM Child(HTREEITEM parent, std::u16string_view text) {
        for (HTREEITEM node = TreeFirstChild(parent); node; node = TreeNextSibling(node))
            if (GetTreeNodeText(g_PrjTree.wnd, node) == text) return node;
        return nullptr;
    }
    // The screen point in the middle of the node's label.
    static POINT NodePoint(HTREEITEM node) {
        SendMessageW(g_PrjTree.wnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
        RECT r{};
        *reinterpret_cast<HTREEITEM*>(&r) = node;
        EXPECT_TRUE(SendMessageW(g_PrjTree.wnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
        POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(g_PrjTree.wnd, &middle);
        return middle;
    }
    static void TapNode(HTREEITEM node) {
        const POINT at = NodePoint(node);
        pt::Tap(at.x, at.y);
        pt::PumpUntilIdle();
    }
    // The entry of that text in the pop-up menu that `open` brings up, taken with the pad; `next`
    // is made ready before the menu runs (a dialog's answer, which the menu would take first).
    static void Choose(const std::function<void()>& open, const std::u16string& text,
                       const std::function<void()>& next = {}) {
        bool found = false;
        open();
        pt::ActInsideModalLoop([&] {
            int downs = 0;
            for (const std::u16string& item : pt::OpenMenuTexts()) {
                if (item == u"-") continue;
                ++downs;
                if (item == text) {
                    found = true;
                    break;
                }
            }
            if (!found) downs = 0;
            for (int i = 0; i < downs; ++i) pt::Key(VK_DOWN);
            pt::Key(found ? VK_RETURN : VK_ESCAPE);
        });
        if (next) next();
        pt::PumpUntilIdle();
        EXPECT_TRUE(found) << platform::ToUtf8(text) << " is not in the menu";
    }
    // The action key on the tree's selected node pops up its menu.
    static void ChooseOnNode(HTREEITEM node, const std::u16string& text) {
        TapNode(node);
        Choose([] { pt::Key(VK_RETURN); }, text);
    }
    void OpenProjects() {
        WriteSetting(u"STARTON30", kStartMonth);
        Open();
        Command(IDM_VIEW_PROJECTS);
    }
    // The contact list's row, or the grid's icon, taken with the stylus.
    static void SelectContactRow(int row) {
        if (!g_CtsGrid.window || !IsWindowVisible(g_CtsGrid.window)) return TapListRow(g_CtsListWnd, row);
        for (int i = 0; i < g_CtsRows.Size() && g_CtsGrid.selection != row; ++i) {
            pt::Key(VK_DOWN);
            pt::PumpUntilIdle();
        }
    }
    static LONG SelectedContactOid() {
        if (!g_CtsGrid.window || !IsWindowVisible(g_CtsGrid.window)) return GetCtsListSelOid();
        const int selection = g_CtsGrid.selection;
        return selection >= 0 && selection < g_CtsRows.Size() ? g_CtsRows[selection].id : kNoOid;
    }
    static std::vector<std::u16string> SoftKeys() { return pt::SoftKeyTexts(); }
};

// A failed save of the task's categories still took its node out of the project and its project out
// of memory, without a word, while the store kept the task in the project.
TEST_F(ItemViews, RemoveFromProjectThatCannotBeSavedSaysSoAndKeepsTheItem) {
    Devicectl({"pim", "add", "task", "--subject", "Dig beds", "--categories", "Prj:Garden"});
    Devicectl({"pim", "add", "task", "--subject", "Rake", "--categories", "Prj:Garden"});
    pt::DrawRecord record;
    OpenProjects();
    ASSERT_EQ(ViewId, kViewProjects);
    const HTREEITEM garden = FindPrjNode(u"Garden");
    ASSERT_NE(garden, nullptr);
    SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(garden));
    const HTREEITEM dig = Child(garden, u"Dig beds");
    ASSERT_NE(dig, nullptr);
    const LONG oid = static_cast<LONG>(GetTreeItemParam(dig));

    pt::FailPimCall("ITask::Save");
    pt::AnswerMessageBox(IDOK);
    ChooseOnNode(dig, u"Remove from Project");
    pt::ClearPimFailures();

    ASSERT_EQ(pt::MessageBoxesShown().size(), 1u) << "the failure is said";
    EXPECT_NE(Child(FindPrjNode(u"Garden"), u"Dig beds"), nullptr);
    InvalidateRect(g_PrjTree.wnd, nullptr, TRUE);
    pt::PumpUntilIdle();
    EXPECT_FALSE(record.ScreenTextsContaining(u"Dig beds").empty()) << "the tree still shows the task";
    const TskRecord* task = FindTskRecord(oid);
    ASSERT_NE(task, nullptr);
    bool inGarden = false;
    for (const std::u16string& category : task->categories) inGarden = inGarden || category == u"Prj:Garden";
    EXPECT_TRUE(inGarden) << "memory holds the task in the project";
    EXPECT_NE(Listed("tasks", "Dig beds").find("Prj:Garden"), std::string::npos);
}

// Back from a task viewed from the tree showed the Projects view under the preview's soft keys,
// whose commands acted on a task no longer shown; only Exit got out.
TEST_F(ItemViews, BackFromATaskViewedInTheTreeGivesTheProjectsViewItsKeys) {
    Devicectl({"pim", "add", "task", "--subject", "Dig beds", "--categories", "Prj:Garden"});
    // The ways a user views the task: the action key's menu, tap-and-hold's menu, a double tap.
    const std::vector<std::pair<const char*, std::function<void(HTREEITEM)>>> ways = {
        {"action key", [](HTREEITEM node) { ChooseOnNode(node, u"View"); }},
        {"tap and hold",
         [](HTREEITEM node) {
             const POINT at = NodePoint(node);
             Choose([at] { pt::Hold(at.x, at.y); }, u"View");
         }},
        {"double tap",
         [](HTREEITEM node) {
             const POINT at = NodePoint(node);
             pt::DoubleTap(at.x, at.y);
             pt::PumpUntilIdle();
         }},
    };
    // And the ways back: the Back key, Menu > Back.
    const std::vector<std::pair<const char*, std::function<void()>>> backs = {
        {"Back key", [] { pt::Key("BACK"); }},
        {"Esc", [] { pt::Key(VK_ESCAPE); }},
        {"Menu > Back", [] { Choose([] { pt::Key(VK_TSOFT2); }, u"Back"); }},
    };
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}}) {
      UseScreen(width, height);
      OpenProjects();
      ASSERT_EQ(ViewId, kViewProjects);
      const std::vector<std::u16string> projectKeys = SoftKeys();
      const HTREEITEM garden = FindPrjNode(u"Garden");
      ASSERT_NE(garden, nullptr);
      SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(garden));
      for (const auto& [name, view] : ways)
      for (const auto& [backName, back] : backs) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + ", " + name + ", " + backName);
        view(Child(FindPrjNode(u"Garden"), u"Dig beds"));
        ASSERT_EQ(ViewId, kViewTaskPreview);
        ASSERT_NE(SoftKeys(), projectKeys);

        back();
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewProjects);
        EXPECT_EQ(SoftKeys(), projectKeys);
        EXPECT_EQ(pt::ShownSoftKeyBar(), g_MenuBars.projects);
        // The view's own commands answer again: the right soft key's menu is the Projects menu.
        std::vector<std::u16string> menu;
        pt::Key(VK_TSOFT2);
        pt::ActInsideModalLoop([&] {
            menu = pt::OpenMenuTexts();
            pt::Key(VK_ESCAPE);
        });
        pt::PumpUntilIdle();
        for (const std::u16string& item : menu) {
            EXPECT_NE(item, u"Toggle Completed");
            EXPECT_NE(item, u"Delete Task");
        }
      }
      CloseProgram();
    }
}

// Before version 5 the program shows a contact in its own preview; the preview drew the default
// field and the notes only when the contact list had drawn the contact's row first.
TEST_F(ItemViews, ContactPreviewFromTheProjectTreeShowsTheDefaultFieldAndNotes) {
    UseOsMajor(4);
    Devicectl({"pim", "add", "contact", "--first", "Ann", "--last", "Moss", "--mobile", "555 0101", "--body",
               "Gate code 42", "--categories", "Prj:Garden"});
    OpenProjects();
    ASSERT_EQ(ViewId, kViewProjects);
    const HTREEITEM garden = FindPrjNode(u"Garden");
    ASSERT_NE(garden, nullptr);
    SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(garden));
    HTREEITEM moss = nullptr;
    for (HTREEITEM node = TreeFirstChild(garden); node; node = TreeNextSibling(node))
        if (GetTreeNodeText(g_PrjTree.wnd, node).find(u"Moss") != std::u16string::npos) moss = node;
    ASSERT_NE(moss, nullptr);
    pt::DrawRecord record;
    ChooseOnNode(moss, u"View");
    ASSERT_EQ(ViewId, kViewContactPreview);
    EXPECT_FALSE(record.ScreenTextsContaining(u"Moss").empty());
    EXPECT_FALSE(record.ScreenTextsContaining(u"555 0101").empty()) << "the default field";
    EXPECT_FALSE(record.ScreenTextsContaining(u"Gate code 42").empty()) << "the notes";
}

// After Edit > Done in the preview the contact came back without its phone line, and Back selected
// another contact in the list.
TEST_F(ItemViews, ContactPreviewKeepsItsLinesAndItsContactAfterAnEdit) {
    UseOsMajor(4);
    Devicectl({"pim", "add", "contact", "--first", "Zed", "--last", "Adams", "--mobile", "555 0100"});
    Devicectl({"pim", "add", "contact", "--first", "Ann", "--last", "Moss", "--mobile", "555 0101"});
    Devicectl({"pim", "add", "contact", "--first", "Cy", "--last", "Carr", "--mobile", "555 0102"});
    Devicectl({"pim", "add", "contact", "--first", "Bo", "--last", "Zorn", "--mobile", "555 0103"});
    WriteSetting(u"STARTON30", kStartContacts);
    Open();
    ASSERT_EQ(ViewId, kViewContacts);
    int row = -1;
    for (int i = 0; i < g_CtsRows.Size(); ++i) {
        const LONG slot = IdIndexGet(g_CtsRows[i].id, g_CtsIdIndex);
        if (slot >= 0 && g_CtsList[slot].lastName == u"Moss") row = i;
    }
    ASSERT_GE(row, 0);
    SelectContactRow(row);
    pt::Key(VK_RETURN);
    pt::PumpUntilIdle();
    ASSERT_EQ(ViewId, kViewContactPreview);
    const LONG moss = g_CurItem.oid;

    pt::DrawRecord record;
    Choose([] { pt::Key(VK_TSOFT2); }, u"Edit Contact", [] {
        pt::ActInsideDialog([](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0); });
    });
    ASSERT_FALSE(pt::DialogsShown().empty()) << "the editor opened";
    ASSERT_EQ(ViewId, kViewContactPreview);
    InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
    pt::PumpUntilIdle();
    std::string shown;
    for (const auto& text : record.ScreenTexts()) shown += platform::ToUtf8(text.text) + "|";
    EXPECT_NE(shown.find("Moss"), std::string::npos) << shown;
    EXPECT_NE(shown.find("555 0101"), std::string::npos) << "the phone line: " << shown;

    pt::Key("BACK");
    pt::PumpUntilIdle();
    ASSERT_EQ(ViewId, kViewContacts);
    EXPECT_EQ(SelectedContactOid(), moss);
}

}  // namespace
