// The outline lists on real list windows: folding and unfolding groups, selecting a row by its id
// inside a folded group, groups that start folded, taps in and beside the toggle strip, the arrow
// keys of the contacts list, and a picture of an outline list for people to look at.
#include <filesystem>
#include <string>

#include "calendar/calendar_input.h"
#include "frame/view_refresh.h"
#include "list_fixture.h"
#include "lists/cts_grid.h"
#include "platform/testing_commctrl.h"
#include "ui/frame_calls.h"
#include "ui/main_routines.h"
#include "ui/outline_list.h"

namespace {

struct Entry {
    LONG kind;
    const char16_t* text;
    LONG id;
};

ListRowArray Entries(std::initializer_list<Entry> list) {
    ListRowArray rows;
    for (const Entry& e : list) {
        ListRow row;
        row.kind = e.kind;
        row.text = e.text;
        row.id = e.id;
        rows.InsertAt(rows.Size(), row);
    }
    return rows;
}

// Two groups of contacts, an empty group between them and a spacer before the last.
ListRowArray ContactEntries() {
    return Entries({
        {kRowHeader, u"Friends", -1},
        {kRowItem, u"Anna Berg", 101},
        {kRowItem, u"Carl Dahl", 102},
        {kRowHeader, u"Empty", -1},
        {kRowHeader, u"Work", -1},
        {kRowItem, u"Eva Falk", 103},
        {kRowItem, u"Gustav Holm", 104},
        {kRowSpacer, u"", -1},
        {kRowHeader, u"Other", -1},
        {kRowItem, u"Ida Jonsson", 105},
    });
}

class OutlineList : public ListFixture {
protected:
    OutlineList() : savedCtsRows_(g_CtsRows) { g_Settings.cList = 1; }
    ~OutlineList() override {
        g_CtsRows = savedCtsRows_;
        ExtraPainter() = nullptr;
    }
    HWND Filled(const ListRowArray& entries, int height = 280) {
        const HWND list = MakeList({}, height);
        OutlineFillList(list, entries);
        return list;
    }
    static LPARAM DataOf(HWND list, int row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }

    ListRowArray savedCtsRows_;
};

TEST_F(OutlineList, FoldingHidesTheGroupAndUnfoldingShowsItsFirstChild) {
    ListRowArray entries = ContactEntries();
    const HWND list = Filled(entries);
    ASSERT_EQ(Count(list), 10);
    EXPECT_EQ(DataOf(list, 1), kRowItem);

    OutlineToggleSel(list, entries, OutlineMode::kItemLists, 0);
    EXPECT_EQ(Count(list), 8);
    EXPECT_EQ(entries[0].collapsed, 1);
    EXPECT_EQ(entries[1].hidden, 1);
    EXPECT_EQ(entries[2].hidden, 1);
    EXPECT_EQ(entries[3].hidden, 0);  // the next header is not a child
    EXPECT_EQ(Selected(list), 0);
    EXPECT_EQ(DataOf(list, 1), kRowHeader);

    // The spacer belongs to the group before it: folding "Work" hides it too.
    OutlineToggleSel(list, entries, OutlineMode::kItemLists, 2);
    EXPECT_EQ(entries[7].hidden, 1);
    EXPECT_EQ(Count(list), 5);

    OutlineToggleSel(list, entries, OutlineMode::kItemLists, 0);
    EXPECT_EQ(Count(list), 7);
    EXPECT_EQ(entries[0].collapsed, 0);
    EXPECT_EQ(Selected(list), 0);
    EXPECT_EQ(GetFocus(), list);

    // An empty group (a header followed by a header) cannot fold and a tap does not select it.
    const int emptyRow = 3;
    ListRow shown;
    ASSERT_EQ(OutlineGetRowEntry(emptyRow, shown, entries), 3);
    EXPECT_EQ(shown.text, u"Empty");
    EXPECT_EQ(OutlineCanToggle(list, emptyRow, entries, OutlineMode::kItemLists), 0);
    const RECT r = RowRect(list, emptyRow);
    EXPECT_EQ(OutlineTapRow(list, POINT{20, r.top + 2}, entries, OutlineMode::kItemLists), 0);
    EXPECT_EQ(Selected(list), 0);
    EXPECT_EQ(OutlineIsGroupEnd(9, entries), 1);
    EXPECT_EQ(OutlineIsGroupEnd(10, entries), 0);
}

TEST_F(OutlineList, WithoutCollapsibleListsNothingFolds) {
    g_Settings.cList = 0;
    ListRowArray entries = ContactEntries();
    const HWND list = Filled(entries);
    OutlineToggleSel(list, entries, OutlineMode::kItemLists, 0);
    OutlineToggleAt(entries, 0);
    EXPECT_EQ(entries[0].collapsed, 0);
    EXPECT_EQ(entries[1].hidden, 0);
    EXPECT_EQ(Count(list), 10);
    EXPECT_EQ(OutlineCanToggle(list, 0, entries, OutlineMode::kItemLists), 0);
}

TEST_F(OutlineList, SelectByIdInAGroupThatCannotUnfoldSelectsNoWrongRow) {
    // Without collapsible lists a folded group stays folded: its rows have no place in the view, and
    // counting shown rows would select the row of another entry.
    g_Settings.cList = 0;
    ListRowArray entries = ContactEntries();
    entries[5].hidden = 1;
    entries[6].hidden = 1;
    const HWND list = Filled(entries);
    Select(list, 1);
    EXPECT_EQ(OutlineSelectById(list, entries, 104, ScrollTo::kYes, OutlineMode::kItemLists), 0);
    EXPECT_EQ(Selected(list), 1);
}

TEST_F(OutlineList, SelectByIdUnfoldsTheGroupFirst) {
    ListRowArray entries = ContactEntries();
    const HWND list = Filled(entries, 60);
    OutlineToggleAt(entries, 4);  // fold "Work" without refilling
    EXPECT_EQ(entries[5].hidden, 1);
    OutlineFillList(list, entries);
    ASSERT_EQ(Count(list), 7);

    EXPECT_EQ(OutlineSelectById(list, entries, 104, ScrollTo::kYes, OutlineMode::kItemLists), 1);
    EXPECT_EQ(entries[4].collapsed, 0);
    EXPECT_EQ(Count(list), 10);
    EXPECT_EQ(Selected(list), 6);
    const int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(Top(list), 6);
    EXPECT_GT(Top(list) + perPage, 6);
    EXPECT_EQ(OutlineGetSelId(list, entries), 104);

    LONG next = 0;
    EXPECT_EQ(OutlineNextItemId(list, entries, next, OutlineMode::kItemLists), 105);
    EXPECT_EQ(next, 105);
    EXPECT_EQ(OutlineSelectById(list, entries, 999, ScrollTo::kNo, OutlineMode::kItemLists), 0);
    EXPECT_EQ(OutlineSelectById(list, entries, -1, ScrollTo::kNo, OutlineMode::kItemLists), 0);

    OutlineRemoveById(list, entries, 104);
    EXPECT_EQ(entries.Size(), 9);
    EXPECT_EQ(Count(list), 9);
    ListRowArray copy;
    copy.InsertAt(0, ListRow{});
    OutlineCopyEntries(copy, entries);
    ASSERT_EQ(copy.Size(), entries.Size());
    EXPECT_EQ(copy[8].text, u"Ida Jonsson");
}

TEST_F(OutlineList, StartCollapsedShowsOnlyTheHeaders) {
    struct Case {
        LONG startColl;
        OutlineMode mode;
        LONG view;
        int shown;
        bool headerToggles;
    };
    const Case cases[] = {
        {1, OutlineMode::kItemLists, kViewContacts, 4, true},   // the four headers
        {0, OutlineMode::kItemLists, kViewContacts, 10, true},
        {1, OutlineMode::kSchedule, kViewDates, 3, true},       // two day headers and the notice row
        {1, OutlineMode::kSchedule, kViewDay, 3, false},        // day headers fold only in the dates list
    };
    for (const Case& c : cases) {
        g_Settings.startColl = c.startColl;
        ViewId = c.view;
        ListRowArray entries = c.mode == OutlineMode::kItemLists
                                   ? ContactEntries()
                                   : Entries({{kSchedDayHeader, u"Mon", -1},
                                              {kSchedAppt, u"Dentist", 1},
                                              {kSchedFurther, u"", 1},
                                              {kSchedDayHeader2, u"Tue", -1},
                                              {kSchedTask, u"Report", 2},
                                              {kRowNothing, u"", -1}});
        OutlineStartCollapsed(entries, c.mode);
        const HWND list = Filled(entries);
        EXPECT_EQ(Count(list), c.shown) << c.startColl << " " << c.view;
        EXPECT_EQ(OutlineCanToggle(list, 0, entries, c.mode), c.headerToggles ? 1 : 0) << c.view;
        DestroyWindow(list);
    }
}

TEST_F(OutlineList, TapsInTheToggleStripFoldAndArrowKeysFollowTheOutline) {
    g_CtsRows = ContactEntries();
    const HWND list = Filled(g_CtsRows);
    g_ViewWnds.contactsList = list;
    ASSERT_EQ(SubclassOutlineList(list), S_OK);
    EXPECT_EQ(SubclassOutlineList(list), E_FAIL);
    platform::testing::PumpUntilIdle();

    // 50 pixels from the right end of a foldable header: selected, not folded.
    const RECT header = RowRect(list, 4);
    POINT p = OnScreen(list, header.right - 50, header.top + 4);
    platform::testing::Tap(p.x, p.y);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(Selected(list), 4);
    EXPECT_EQ(Count(list), 10);
    // 10 pixels from the right end: folded.
    p = OnScreen(list, header.right - 10, header.top + 4);
    platform::testing::Tap(p.x, p.y);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(g_CtsRows[4].collapsed, 1);
    EXPECT_EQ(Count(list), 7);

    // Down goes from the folded "Work" header to the next header, over the hidden rows.
    SetFocus(list);
    platform::testing::Key(VK_DOWN);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(Selected(list), 5);
    // Left or Right on a foldable header folds or unfolds its group.
    platform::testing::Key(VK_LEFT);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(g_CtsRows[8].collapsed, 1);
    EXPECT_EQ(Count(list), 6);
    platform::testing::Key(VK_UP);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(Selected(list), 4);
    platform::testing::Key(VK_RIGHT);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(g_CtsRows[4].collapsed, 0);
    EXPECT_EQ(Count(list), 9);
}

TEST_F(OutlineList, PictureOfAnOutlineList) {
    g_CtsRows = ContactEntries();
    OutlineToggleAt(g_CtsRows, 8);
    const HWND list = Filled(g_CtsRows);
    g_ViewWnds.contactsList = list;
    ExtraPainter() = [](const DRAWITEMSTRUCT& item) {
        ListRow row;
        if (OutlineGetRowEntry(static_cast<int>(item.itemID), row, g_CtsRows) < 0) return;
        SetBkMode(item.hDC, TRANSPARENT);
        const int x = row.kind == kRowHeader ? 24 : 34;
        ExtTextOutW(item.hDC, x, item.rcItem.top + 6, 0, nullptr, row.text.c_str(), static_cast<UINT>(row.text.size()), nullptr);
        if (row.kind == kRowHeader) DrawTwoStateArrow(item.hDC, item.rcItem.right - 20, item.rcItem.top + 6, row.collapsed);
    };
    OutlineSelectById(list, g_CtsRows, 103, ScrollTo::kYes, OutlineMode::kItemLists);
    const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "ui";
    std::filesystem::create_directories(out);
    EXPECT_TRUE(platform::testing::SaveControlPicture(list, out / "outline_list.png"));
}

}  // namespace
