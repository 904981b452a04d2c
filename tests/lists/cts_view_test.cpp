// The contacts view's rows: the company and category groupings, the recently viewed list, the
// letter type-ahead and the keypad search with their pause, from a small set of loaded contacts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/view_id.h"
#include "frame/load_thread.h"
#include "frame/menu_bars.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_recent.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/letter_tabs.h"
#include "lists/list_commands.h"
#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/view_windows.h"

namespace {

struct ContactSeed {
    LONG oid;
    const char16_t* first;
    const char16_t* last;
    const char16_t* company = u"";
    std::vector<std::u16string> categories = {};
};

std::string RowText(const ListRow& row) {
    std::string text;
    for (char16_t ch : row.text) text += static_cast<char>(ch);
    switch (row.kind) {
    case kRowHeader: return "H:" + text;
    case kRowSpacer: return "S";
    case kRowSeparator: return "-";
    case kRowNothing: return "N";
    case kRowNoLetterMatch: return "X";
    case kRowItem: return std::to_string(row.id);
    default: return "?";
    }
}

std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (const ListRow& row : g_CtsRows) rows.push_back(RowText(row));
    return rows;
}

using Expect = std::vector<std::string>;

class CtsViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterQuorviaResources());
        savedSettings_ = g_Settings;
        g_Settings = AppSettings();
        ViewId = kViewContacts;
        g_CatList.RemoveAll();
        for (const char16_t* name : {u"Work", u"Prj:Garden", u"Golf"}) {
            CatRecord record;
            record.name = name;
            g_CatList.Append(record);
        }
        ClearCtsTypeAhead();
        ClearKeypadKeys();
        g_CtsViewPairs.RemoveAll();
        SYSTEMTIME now{2026, 3, 2, 10, 9, 0, 0, 0};
        platform::testing::FreezeClock(now);
        platform::testing::AdvanceClock(60000);
    }
    void TearDown() override {
        platform::testing::ThawClock();
        g_Settings = savedSettings_;
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        g_CtsNameIndexes = CtsNameIndexes();
        g_CtsRows.RemoveAll();
        g_CtsViewPairs.RemoveAll();
        g_CatList.RemoveAll();
        ClearCtsTypeAhead();
        ClearKeypadKeys();
        g_CtsViewState = CtsViewState();
    }
    // Loaded in the given order, as the loader leaves them sorted.
    static void SetContacts(const std::vector<ContactSeed>& seeds) {
        g_CtsList.RemoveAll();
        for (const ContactSeed& seed : seeds) {
            CtsRecord record;
            record.oid = seed.oid;
            record.firstName = seed.first;
            record.lastName = seed.last;
            record.company = seed.company;
            record.fileAs = record.lastName + u", " + record.firstName;
            for (const std::u16string& name : seed.categories) record.categories.Append(name);
            g_CtsList.Append(record);
        }
        RebuildCtsSearchLists();
    }
    // The contacts view a test showed in its own main window, closed and its globals left clear.
    static void CloseContactsView(HWND main) {
    DestroyViewMenuBars();
    DestroyWindow(main);
    g_CtsListWnd = nullptr;
    g_CtsAbcToolbar = nullptr;
    g_CtsGrid = CtsGridState{};
    g_ViewWnds = ViewWindows();
    g_Frame.mainWnd = nullptr;
    g_LoadState = LoadState();
    platform::testing::PumpUntilIdle();
    }
    static std::vector<std::string> Fill(LONG mode) {
        g_Settings.contactSort = mode;
        FillCtsRows();
        return Rows();
    }

    platform::testing::TestDevice device_;
    AppSettings savedSettings_;
};

TEST_F(CtsViewTest, CompanyGroupsIgnoreCaseAndShareOneNoCompanyHeader) {
    SetContacts({{1, u"Ann", u"Ek", u""}, {2, u"Bo", u"Lind", u""}, {3, u"Cy", u"Moe", u""},
                 {4, u"Di", u"Nord", u"ACME"}, {5, u"Ed", u"Ost", u"Acme"}, {6, u"Fa", u"Pil", u"Zeta"}});
    EXPECT_EQ(Fill(kCtsModeCompany), (Expect{"H:No Company", "1", "2", "3", "H:ACME", "4", "5", "H:Zeta", "6"}));
}

TEST_F(CtsViewTest, CategoryGroupsFollowHideEmptyAndPhoto) {
    SetContacts({{1, u"Ann", u"Ek", u"", {u"work", u"Golf"}}, {2, u"Bo", u"Lind", u"", {u"Prj:Garden"}}, {3, u"Cy", u"Moe"}});
    struct Case {
        LONG hideEmpty;
        LONG photo;
        Expect rows;
    };
    const Case cases[] = {
        {1, 0, {"H:Work", "1", "S", "H:Golf", "1", "S", "H:No Category", "3"}},
        {1, 1, {"H:Work", "1", "H:Golf", "1", "H:No Category", "3"}},
    };
    for (const Case& c : cases) {
        g_Settings.hideEmptyCat = c.hideEmpty;
        g_Settings.photo = c.photo;
        EXPECT_EQ(Fill(kCtsModeCategory), c.rows) << "photo " << c.photo;
    }
    SetContacts({{1, u"Ann", u"Ek", u"", {u"Golf"}}});
    g_Settings.hideEmptyCat = 0;
    g_Settings.photo = 0;
    EXPECT_EQ(Fill(kCtsModeCategory), (Expect{"H:Work", "S", "H:Golf", "1", "S", "H:No Category"}));
}

TEST_F(CtsViewTest, RecentlyViewedListKeepsTwelveMostRecentFirst) {
    std::vector<ContactSeed> seeds;
    for (LONG oid = 1; oid <= 14; ++oid) seeds.push_back({oid, u"A", u"B"});
    SetContacts(seeds);
    EXPECT_EQ(Fill(kCtsModeRecent), Expect{"N"});
    EXPECT_EQ(g_CtsViewState.recentEmpty, 1);
    for (LONG oid = 1; oid <= 14; ++oid) PutCtsViewPairFirst(oid);
    PutCtsViewPairFirst(5);
    const Expect rows = Fill(kCtsModeRecent);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows.front(), "5");
    EXPECT_EQ(rows[1], "14");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "5"), 1);
    EXPECT_EQ(g_CtsViewState.recentEmpty, 0);
}

TEST_F(CtsViewTest, LettersTypedQuicklyNarrowByTheTypedText) {
    SetContacts({{1, u"Otto", u"Jonas"}, {2, u"Jo", u"Smith"}, {3, u"Ann", u"Jensen"}, {4, u"Bo", u"Lind"}});
    g_Settings.smartNumSearch = 0;
    OnCtsLetterKey(u'j');
    EXPECT_EQ(Rows(), (Expect{"3", "1", "-", "2"}));
    platform::testing::AdvanceClock(500);
    OnCtsLetterKey(u'O');
    EXPECT_EQ(CtsTypeAheadText(), u"jO");
    EXPECT_EQ(Rows(), (Expect{"1", "-", "2"}));
    // A letter no name begins with, after the pause: the no-match row, and the search starts over.
    platform::testing::AdvanceClock(2000);
    OnCtsLetterKey(u'q');
    EXPECT_EQ(Rows(), Expect{"X"});
    EXPECT_EQ(g_CtsTypeAhead.extend, 0);
    EXPECT_EQ(g_CtsTypeAhead.lastTick, 0u);
}

TEST_F(CtsViewTest, KeypadKeysNarrowUntilNobodyMatchesThenStartOver) {
    SetContacts({{1, u"Al", u"Lemon"}, {2, u"Bo", u"Jeno"}, {3, u"Cy", u"Kelt"}, {4, u"Di", u"Moss"}});
    g_Settings.contactSort = kCtsModeName;
    FillCtsRows();
    const auto key = [](UINT digit) {
        platform::testing::AdvanceClock(300);
        OnCtsDigitKey(digit, 0);
        return Rows();
    };
    EXPECT_EQ(key('5'), (Expect{"1", "2", "3"}));
    EXPECT_EQ(key('3'), (Expect{"1", "2", "3"}));
    EXPECT_EQ(key('6'), (Expect{"1", "2"}));
    EXPECT_EQ(key('9'), Expect{"N"});
    EXPECT_EQ(g_KeypadKeys.last, -1);
    EXPECT_EQ(key('6'), Expect{"4"});
}

// The keys narrow the rows shown, but a first key begins a search of its own: after a pause it must
// not stay inside the rows of the search before.
TEST_F(CtsViewTest, NewKeypadSearchAfterPauseLooksAtEveryContact) {
    SetContacts({{1, u"Al", u"Lemon"}, {2, u"Bo", u"Jeno"}, {3, u"Di", u"Moss"}});
    platform::testing::AdvanceClock(300);
    OnCtsDigitKey('6', 0);
    EXPECT_EQ(Rows(), Expect{"3"});
    platform::testing::AdvanceClock(2000);
    OnCtsDigitKey('5', 0);
    EXPECT_EQ(Rows(), (Expect{"1", "2"}));
}

TEST_F(CtsViewTest, KeypadKeepsThirtyTwoKeysAndNeverTimesOutWithoutTheSwitch) {
    g_Settings.timeoutSearch = 0;
    SetContacts({{1, u"Al", std::u16string(40, u'J').c_str()}});
    for (int i = 0; i < kKeypadKeyCount + 1; ++i) {
        platform::testing::AdvanceClock(5000);
        AddKeypadDigit('5');
    }
    EXPECT_EQ(g_KeypadKeys.last, kKeypadKeyCount - 1);
    EXPECT_EQ(Rows(), Expect{"1"});
}

TEST_F(CtsViewTest, ZeroWithNoLetterDoesNotRefillButKeepsNameMode) {
    SetContacts({{1, u"Al", u"Lemon"}});
    g_Settings.smartNumSearch = 0;
    g_Settings.contactSort = kCtsModeCategory;
    g_CtsRows.RemoveAll();
    OnCtsDigitKey('0', 0);
    EXPECT_EQ(g_Settings.contactSort, kCtsModeName);
    EXPECT_TRUE(g_CtsRows.IsEmpty());
    OnCtsDigitKey('5', 0);
    EXPECT_EQ(g_CtsTypeAhead.letter, u'J');
    EXPECT_EQ(Rows(), Expect{"X"});
}

TEST_F(CtsViewTest, ShowFillsTheListOrWaitsForTheContacts) {
    InitCommonControls();
    HWND main = CreateWindowExW(0, u"STATIC", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 268, nullptr, nullptr, nullptr,
                                nullptr);
    g_Frame.mainWnd = main;
    SetContacts({{1, u"Al", u"Lemon"}, {2, u"Bo", u"Jeno"}});
    ViewId = kViewMonth;
    g_LoadState.contactsLoaded = 0;
    ShowCtsView(false);
    EXPECT_EQ(PendingViewCmd, 5);
    EXPECT_EQ(ViewId, kViewMonth);
    PendingViewCmd = kNoPendingCmd;
    g_LoadState.contactsLoaded = 1;
    g_ViewShown[ShownView::Contacts] = 0;
    ShowCtsView(false);
    EXPECT_EQ(ViewId, kViewMonth);
    g_ViewShown[ShownView::Contacts] = 1;
    ShowCtsView(false);
    EXPECT_EQ(ViewId, kViewContacts);
    ASSERT_NE(g_CtsListWnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_CtsListWnd));
    EXPECT_EQ(SendMessageW(g_CtsListWnd, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(CtsSelRowIsItem());
    // Viewing a contact in the recent mode puts it in front of the shown rows at once.
    g_Settings.contactSort = kCtsModeRecent;
    PutCtsViewPairFirst(2);
    PutCtsViewPairFirst(1);
    EXPECT_EQ(Rows(), (Expect{"1", "2"}));
    PutCtsViewPairFirst(-1);
    EXPECT_EQ(g_CtsViewPairs.Size(), 2);
    CloseContactsView(main);
}

TEST_F(CtsViewTest, PeriodOpensTheLinksOfTheSelectedContact) {
    namespace pt = platform::testing;
    InitCommonControls();
    HWND main = CreateWindowExW(0, u"STATIC", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 268, nullptr, nullptr, nullptr,
                                nullptr);
    g_Frame.mainWnd = main;
    SetContacts({{1, u"Al", u"Lemon"}, {2, u"Bo", u"Jeno"}});
    g_LoadState.contactsLoaded = 1;
    g_ViewShown[ShownView::Contacts] = 1;
    ShowCtsView(false);
    ASSERT_NE(g_CtsListWnd, nullptr);
    ASSERT_EQ(Rows(), (Expect{"1", "2"}));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(g_CtsListWnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    // The item of another view is still the current one.
    g_CurItem.oid = 77;
    g_CurItem.kind = kItemTask;
    LONG seenOid = -1;
    LONG seenKind = kItemNone;
    pt::ClearDialogs();
    pt::ActInsideDialog([&](HWND dialog) {
        seenOid = g_CurItem.oid;
        seenKind = g_CurItem.kind;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_TRUE(OnCtsKey('.', 0));
    EXPECT_EQ(seenOid, 2);
    EXPECT_EQ(seenKind, kItemContact);

    // Nothing selected: the user is told, and no dialog opens.
    state.state = 0;
    SendMessageW(g_CtsListWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    pt::ClearDialogs();
    pt::ClearMessageBoxes();
    EXPECT_TRUE(OnCtsKey('.', 0));
    const auto boxes = pt::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"No Contact Selected");
    EXPECT_TRUE(pt::DialogsShown().empty());

    pt::ClearDialogs();
    g_CurItem = CurItem{};
    CloseContactsView(main);
}

}  // namespace
