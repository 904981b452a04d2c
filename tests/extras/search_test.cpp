// Search: the result rows over a store of appointments, tasks and contacts, the kinds switched off,
// the history of the last three texts and its registry values, and choosing a result.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/reg_key.h"
#include "extras/search.h"
#include "platform/text.h"
#include "ui/draw_prims.h"
#include "core/theme_record.h"
#include "extras/theme_dlg.h"
#include "frame/settings_store.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "tests/core/loading_fixture.h"
#include "ui/dialog_conventions.h"
#include "ui/list_subclass.h"

namespace {

class SearchTest : public loadtest::LoadingTest {
protected:
    void SetUp() override {
        LoadingTest::SetUp();
        g_Search = SearchState();
        ResetSelection();
        meeting_ = AddAppt({u"Budget meeting", DateRec(2026, 3, 3, 14, 5), 30});
        AddAppt({u"Dentist", DateRec(2026, 3, 9, 9, 0), 30});
        task_ = AddTask({u"Prepare budget", DateRec(2026, 3, 2)});
        AddTask({u"Water plants", DateRec(2026, 3, 2)});
        contact_ = AddContact({u"Bud", u"Miller", u"Acme"});
        AddContact({u"Ann", u"Smith", u"Zeta"});
        LoadTskPOOM();
        LoadTskDb(1);
        LoadCtsList(1);
    }
    void TearDown() override {
        g_Search = SearchState();
        platform::testing::CloseItemCardApps();
        LoadingTest::TearDown();
    }
    LONG meeting_ = -1;
    LONG task_ = -1;
    LONG contact_ = -1;
};

TEST_F(SearchTest, AppointmentsThenTasksThenContacts) {
    g_Settings.hours24 = 1;
    const std::vector<SearchRow> rows = FindSearchRows(u"bud");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[0].text.find(u"14:05: Budget meeting"), std::u16string::npos);
    EXPECT_TRUE(rows[0].text.starts_with(u"03/03") || rows[0].text.starts_with(u"3/3")) << "date first";
    EXPECT_EQ(rows[0].image, kSearchImageAppt);
    EXPECT_EQ(rows[0].oid, meeting_);
    EXPECT_EQ(rows[1], (SearchRow{u"Prepare budget", kSearchImageTask, task_}));
    EXPECT_EQ(rows[2].image, kSearchImageContact);
    EXPECT_EQ(rows[2].oid, contact_);
    // The all-appointments list is emptied again after the search.
    EXPECT_EQ(g_AllApptsArray.Size(), 0);
}

// A series is stored once; its subject is found like any single appointment's.
TEST_F(SearchTest, FindsRecurringAppointments) {
    const LONG series = AddWeeklyAppt({u"Choir practice", DateRec(2026, 3, 4, 19, 30), 90}, 10);
    const std::vector<SearchRow> rows = FindSearchRows(u"choir");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].oid, series);
    EXPECT_NE(rows[0].text.find(u"Choir practice"), std::u16string::npos);
}

TEST_F(SearchTest, KindsSwitchedOffAreNotSearched) {
    g_Settings.searchAppts = 0;
    EXPECT_EQ(FindSearchRows(u"bud").size(), 2u);
    g_Settings.searchTasks = 0;
    g_Settings.searchContacts = 0;
    EXPECT_EQ(FindSearchRows(u"bud"), (std::vector<SearchRow>{{u"No Items To Display.", kSearchImageNone, -1}}));
}

TEST(SearchHistory, NewestFirstCaseIgnoredAndTheOldestDropped) {
    g_Search = SearchState();
    EXPECT_EQ(AddSearchHistory(u"meeting"), 1);
    EXPECT_EQ(AddSearchHistory(u"Meeting"), 0);
    EXPECT_EQ(AddSearchHistory(u""), 0);
    EXPECT_EQ(AddSearchHistory(u" padded "), 1);  // kept with its blanks
    EXPECT_EQ(AddSearchHistory(u"third"), 1);
    EXPECT_EQ(AddSearchHistory(u"fourth"), 1);
    EXPECT_EQ(g_Search.history, (std::array<std::u16string, 3>{u"fourth", u"third", u" padded "}));
    // A text longer than a slot is kept cut to the slot.
    EXPECT_EQ(AddSearchHistory(std::u16string(600, u'x')), 1);
    EXPECT_EQ(g_Search.history[0].size(), kSearchSlotChars);
    g_Search = SearchState();
}

TEST(SearchHistory, SavedAndLoadedThroughTheSettingsKey) {
    platform::testing::TestDevice device;
    g_Search = SearchState();
    g_Search.history = {u"one", u"two", u""};
    EXPECT_EQ(SaveSearchHistory(), 0);
    g_Search.history = {u"x", u"y", u"z"};
    LoadSearchHistory();
    EXPECT_EQ(g_Search.history, (std::array<std::u16string, 3>{u"one", u"two", u""}));
    RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
    std::u16string stored;
    EXPECT_TRUE(key.ReadText(u"SEARCH2", 1024, stored));
    EXPECT_EQ(stored, u"two");
    g_Search = SearchState();
}

TEST_F(SearchTest, DialogSearchesTrimmedTextAndViewOpensTheChosenItem) {
    platform::testing::TestScreen screen;
    RegisterQuorviaResources();
    InitCommonControls();
    std::vector<std::u16string> shown;
    std::u16string combo;
    std::vector<LONG> prompt;
    platform::testing::ActInsideDialog([&](HWND dialog) {
        prompt.push_back(g_ListNotices.searchPrompt);
        SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"   ");  // blank: nothing happens
        SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
        prompt.push_back(g_ListNotices.searchPrompt);
        SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"  plants ");
        SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
        HWND list = GetDlgItem(dialog, IDC_SEARCH_LIST);
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR text[256] = {};
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            shown.push_back(text);
        }
        WCHAR first[64] = {};
        SendDlgItemMessageW(dialog, IDC_SEARCH_HISTORY, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        combo = first;
        prompt.push_back(g_ListNotices.searchPrompt);
        SendMessageW(dialog, WM_COMMAND, IDM_NEXT_VIEW, 0);
    });
    SearchDlg();
    EXPECT_EQ(prompt, (std::vector<LONG>{1, 1, 0}));
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"Water plants"}));
    EXPECT_EQ(combo, u"  plants ");
    EXPECT_EQ(g_Search.resultChosen, 1);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
    RegKey key;
    std::u16string stored;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
    EXPECT_TRUE(key.ReadText(u"SEARCH1", 1024, stored));
    EXPECT_EQ(stored, u"  plants ");
}

TEST_F(SearchTest, EnterOnTheListOpensTheSelectedResult) {
    platform::testing::TestScreen screen;
    RegisterQuorviaResources();
    InitCommonControls();
    platform::testing::ClearPimItemsDisplayed();
    bool cardShown = false;
    platform::testing::ActInsideDialog([&cardShown](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"Miller");
        SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
        // The contact opens on the device's own card, which is modal: note it and close it.
        platform::testing::ActInsideModalLoop([&cardShown] {
            const HWND card = platform::testing::ShownItemCard();
            cardShown = card != nullptr;
            if (card) PostMessageW(card, WM_CLOSE, 0, 0);
        });
        SendDlgItemMessageW(dialog, IDC_SEARCH_LIST, WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, 5));
    });
    SearchDlg();
    EXPECT_TRUE(cardShown);
    EXPECT_EQ(g_Search.resultChosen, 1);
    const std::vector<CEOID> shown = platform::testing::PimItemsDisplayed();
    EXPECT_NE(std::find(shown.begin(), shown.end(), static_cast<CEOID>(contact_)), shown.end())
        << "the chosen contact is the one opened";
    EXPECT_EQ(g_ListNotices.searchPrompt, 0);
}

TEST_F(SearchTest, ViewOnTheNoItemsRowOpensNothing) {
    platform::testing::TestScreen screen;
    RegisterQuorviaResources();
    InitCommonControls();
    platform::testing::ActInsideDialog([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"nothing like this");
        SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
        SendMessageW(dialog, WM_COMMAND, IDM_NEXT_VIEW, 0);
    });
    SearchDlg();
    EXPECT_EQ(g_Search.resultChosen, 0);
    EXPECT_EQ(g_CurItem.kind, kItemNone);
}

TEST_F(SearchTest, OptionsDialogStoresTheThreeKinds) {
    platform::testing::TestScreen screen;
    RegisterQuorviaResources();
    platform::testing::ActInsideDialog([](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SEARCH_TASKS), static_cast<UINT>(BST_CHECKED));
        CheckDlgButton(dialog, IDC_SEARCH_TASKS, BST_UNCHECKED);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    EXPECT_EQ(SearchOptionsDlg(nullptr), kDlgAccept);
    EXPECT_EQ(g_Settings.searchTasks, 0);
    EXPECT_EQ(g_Settings.searchAppts, 1);
    RegKey key;
    LONG stored = -1;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
    EXPECT_TRUE(key.ReadNumber(u"SEARCHTASKS", stored));
    EXPECT_EQ(stored, 0);

    // Cancel changes nothing.
    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_SEARCH_APPTS, BST_UNCHECKED);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_EQ(SearchOptionsDlg(nullptr), kDlgCancel);
    EXPECT_EQ(g_Settings.searchAppts, 1);
}

}  // namespace

namespace {

// The results start at the list's top with the first match, and the selected first row still shows
// its item icon beside its text.
TEST_F(SearchTest, ResultsStartAtTheTopAndTheSelectedRowKeepsItsIcon) {
    platform::testing::TestScreen screen;
    RegisterQuorviaResources();
    InitCommonControls();
    g_Settings.hours24 = 1;
    platform::testing::DrawRecord record;
    std::vector<platform::testing::DrawnText> texts;
    std::vector<platform::testing::DrawnPicture> pictures;
    RECT list{};
    platform::testing::ActInsideDialog([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"budget");
        SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
        platform::testing::PumpUntilIdle();
        GetWindowRect(GetDlgItem(dialog, IDC_SEARCH_LIST), &list);
        texts = record.ScreenTextsIn(list);
        pictures = record.ScreenPicturesIn(list);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    SearchDlg();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].text.find(u"14:05: Budget meeting"), std::u16string::npos);
    EXPECT_EQ(texts[1].text, u"Prepare budget");
    EXPECT_LT(texts[0].rect.top - list.top, texts[1].rect.top - texts[0].rect.top) << "no row above the first";
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].index, kSearchImageAppt);
    EXPECT_LE(pictures[0].rect.right, texts[0].rect.left);
    EXPECT_LT(pictures[0].rect.top, texts[0].rect.bottom);
    EXPECT_GT(pictures[0].rect.bottom, texts[0].rect.top);
}

// The results read on every built-in theme: the rows' text against the list's theme background.
TEST_F(SearchTest, ResultsReadInEveryBuiltinTheme) {
    platform::testing::TestScreen screen;
    RegisterQuorviaResources();
    InitCommonControls();
    AddBuiltinThemes();
    for (int theme = 0; theme < kBuiltinThemeCount; ++theme) {
        ThemeRecCopy(g_Theme, g_Themes[theme]);
        SCOPED_TRACE(platform::ToUtf8(g_Theme.String(kThemeName)));
        platform::testing::DrawRecord record;
        std::vector<platform::testing::DrawnText> texts;
        platform::testing::ActInsideDialog([&](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, u"budget");
            SendMessageW(dialog, WM_COMMAND, IDC_SEARCH_GO, 0);
            platform::testing::PumpUntilIdle();
            RECT list{};
            GetWindowRect(GetDlgItem(dialog, IDC_SEARCH_LIST), &list);
            texts = record.ScreenTextsIn(list);
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
        });
        SearchDlg();
        ASSERT_EQ(texts.size(), 2u);
        for (const auto& t : texts) {
            // What the row shows under its text: the most common pixel of the line's box.
            std::map<COLORREF, int> counts;
            for (int y = t.rect.top; y < t.rect.bottom; ++y)
                for (int x = t.rect.left; x < t.rect.right; ++x) ++counts[platform::testing::ReadScreenPixel(x, y)];
            const auto under = std::max_element(counts.begin(), counts.end(),
                                                [](const auto& a, const auto& b) { return a.second < b.second; });
            ASSERT_NE(under, counts.end());
            EXPECT_GE(ContrastRatio(t.color, under->first), kReadableContrast) << platform::ToUtf8(t.text);
        }
    }
    g_Theme = ThemeRec();
}

}  // namespace
