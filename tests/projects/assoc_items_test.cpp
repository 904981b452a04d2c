// The Associated Items dialog: words of an item's texts classified and joined into rows, the links
// group, the choice a selected row stands for, and the dialog closing itself with nothing to show.
#include "projects/assoc_items.h"

#include "core/cts_name_index.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "projects/links_dlg.h"
#include "resources/resource.h"
#include "tests/projects/prj_dialog_fixture.h"
#include "ui/dialog_conventions.h"

namespace {

using prjtest::ListRows;
using prjtest::Row;

class AssocItemsTest : public prjtest::PrjDialogTest {
protected:
    void SetUp() override {
        PrjDialogTest::SetUp();
        AddContact(9, u"Anna", u"Baker");
        AddToNameIndex(u"Baker", 0, g_CtsNameIndexes.lastNames);
        AddToNameIndex(u"Anna", 0, g_CtsNameIndexes.firstNames);
    }
    void TearDown() override {
        g_CtsNameIndexes.lastNames.RemoveAll();
        g_CtsNameIndexes.firstNames.RemoveAll();
        PrjDialogTest::TearDown();
    }
    std::vector<Row> Classify(const std::u16string& text) {
        const HWND list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | LVS_REPORT, 0, 0, 200, 200, owner_, nullptr,
                                          nullptr, nullptr);
        int rows = 0;
        FillTextItemsList(list, text, rows);
        std::vector<Row> out = ListRows(list);
        EXPECT_EQ(rows, static_cast<int>(out.size()));
        DestroyWindow(list);
        return out;
    }
    static HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_ASSOC_ITEMS_LIST); }
};

TEST_F(AssocItemsTest, WordsAreJoinedAndClassifiedInTheRulesOrder) {
    const struct {
        std::u16string text;
        std::vector<std::u16string> rows;  // after the "Text Items" header
        std::vector<int> images;
    } cases[] = {
        {u"Call 555 1234 today", {u"555 1234"}, {1}},
        {u"Meet [Anna Baker]\r\nat noon", {u"Anna Baker"}, {3}},
        {u"Mail anna@example.org or see www.example.org", {u"anna@example.org", u"www.example.org"}, {2, 0}},
        {u"Nothing to see here", {}, {}},
    };
    for (const auto& c : cases) {
        const std::vector<Row> rows = Classify(c.text);
        if (c.rows.empty()) {
            EXPECT_TRUE(rows.empty());
            continue;
        }
        ASSERT_EQ(rows.size(), c.rows.size() + 1);
        EXPECT_EQ(rows[0].text, u"Text Items");
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(rows[i + 1].text, c.rows[i]);
            EXPECT_EQ(rows[i + 1].image, c.images[i]);
        }
    }
    EXPECT_EQ(Classify(u"[Anna Baker]")[1].data, 9);
}

TEST_F(AssocItemsTest, AGoneLinkTargetLeavesTheLinksHeaderWithoutItsRow) {
    AddTask(5, u"Call 555 1234");
    AddLinkPair(g_LinkTable, 5, 77, kItemTask, kItemContact);
    AddLinkPair(g_LinkTable, 5, 9, kItemTask, kItemContact);
    g_CurItem.oid = 5;
    g_CurItem.kind = kItemTask;
    std::vector<Row> rows;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        rows = ListRows(List(dialog));
        prjtest::SelectRow(List(dialog), 3);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    // Choosing the contact link opens its preview after the dialog.
    EXPECT_EQ(ShowAssocItemsDlg(owner_), 1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].text, u"Text Items");
    EXPECT_EQ(rows[1].text, u"555 1234");
    EXPECT_EQ(rows[2].text, u"Links");
    EXPECT_EQ(rows[3].data, 9);
    EXPECT_EQ(g_AssocResult.choice, kAssocLink);
    EXPECT_EQ(g_CurItem.oid, 9);
    EXPECT_EQ(g_CurItem.kind, kItemContact);
}

TEST_F(AssocItemsTest, NothingToShowClosesAtOnceAndAHeaderIsNoChoice) {
    AddTask(6, u"Plain words only");
    g_CurItem.oid = 6;
    g_CurItem.kind = kItemTask;
    EXPECT_EQ(ShowAssocItemsDlg(owner_), 0);

    g_CurItem.oid = 9;
    g_CurItem.kind = kItemContact;
    EXPECT_EQ(ShowAssocItemsDlg(owner_), 0);

    AddTask(7, u"www.example.org");
    g_CurItem.oid = 7;
    g_CurItem.kind = kItemTask;
    bool open = false;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        prjtest::SelectRow(List(dialog), 0);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        open = platform::testing::DialogIsOpen(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(ShowAssocItemsDlg(owner_), 1);
    EXPECT_TRUE(open);
    EXPECT_EQ(g_AssocResult.choice, kAssocNone);
}

}  // namespace
