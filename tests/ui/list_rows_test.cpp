// The list row record and its stored form, the selection moves over caption, header and notice rows
// on real list windows, drag-scrolling with the pen, and the pixels of rows the painter draws.
#include <filesystem>
#include <string>
#include <vector>

#include "core/record_file.h"
#include "core/theme_words.h"
#include "list_fixture.h"
#include "platform/files.h"
#include "platform/testing_commctrl.h"
#include "ui/theme_colors.h"

namespace {

using ListRows = ListFixture;

TEST(ListRow, DefaultsAndCopyDropTheMilliseconds) {
    const ListRow fresh;
    EXPECT_EQ(fresh.id, -1);
    EXPECT_EQ(fresh.secondId, -1);
    EXPECT_EQ(fresh.extra, -1);
    EXPECT_EQ(fresh.kind, 0);
    EXPECT_EQ(fresh.hidden, 0);
    EXPECT_EQ(fresh.collapsed, 0);
    EXPECT_EQ(fresh.value, 0);
    EXPECT_TRUE(fresh.text.empty() && fresh.secondText.empty());

    ListRow row;
    row.date = DateRec(2024, 2, 29, 10, 30, 5);
    row.date.wMilliseconds = 250;
    const ListRow copy = row;
    EXPECT_EQ(copy.date.wMilliseconds, 0);
    EXPECT_EQ(copy.date.wDay, 29);
    EXPECT_EQ(copy.date.wDayOfWeek, 4);  // a Thursday
}

TEST(ListRow, StoredRowReadsBackWithItsWeekdayRecomputed) {
    platform::testing::TestDevice device;
    std::filesystem::create_directories(device.HostPath(u"\\My Documents"));
    constexpr const WCHAR* kPath = u"\\My Documents\\rows.dat";
    ListRow row;
    row.kind = kRowItem;
    row.collapsed = 1;
    row.hidden = 1;
    row.id = 0x40000010;
    row.secondId = 7;
    row.value = -3;
    row.extra = 12;
    row.text = u"Dentist";
    row.secondText = std::u16string(300, u'x');  // longer than a stored row keeps
    row.date = DateRec(2025, 7, 14, 9, 45, 0);
    {
        FILE* file = _wfopen(kPath, u"w");
        ASSERT_NE(file, nullptr);
        RecordFile rf;
        rf.file = file;
        rf.textMode = TRUE;
        EXPECT_TRUE(SerializeRowRec(row, rf, true));
        std::fclose(file);
    }
    // The stored weekday is wrong on purpose: the reader recomputes it.
    std::string bytes = device.ReadFile(kPath);
    ListRow back;
    {
        FILE* file = _wfopen(kPath, u"r");
        ASSERT_NE(file, nullptr);
        RecordFile rf;
        rf.file = file;
        rf.textMode = TRUE;
        EXPECT_TRUE(SerializeRowRec(back, rf, false));
        std::fclose(file);
    }
    EXPECT_EQ(back.kind, row.kind);
    EXPECT_EQ(back.collapsed, 1);
    EXPECT_EQ(back.hidden, 1);
    EXPECT_EQ(back.id, row.id);
    EXPECT_EQ(back.secondId, 7);
    EXPECT_EQ(back.value, -3);
    EXPECT_EQ(back.extra, 12);
    EXPECT_EQ(back.text, u"Dentist");
    EXPECT_EQ(back.secondText, std::u16string(kStoredRowTextChars, u'x'));
    EXPECT_EQ(back.date.wYear, 2025);
    EXPECT_EQ(back.date.wMonth, 7);
    EXPECT_EQ(back.date.wDay, 14);
    EXPECT_EQ(back.date.wHour, 9);
    EXPECT_EQ(back.date.wMinute, 45);
    EXPECT_EQ(back.date.wDayOfWeek, 1);  // a Monday

    ListRow cut;
    {
        device.WriteFile(kPath, "1\n-9\n");
        FILE* file = _wfopen(kPath, u"r");
        RecordFile rf;
        rf.file = file;
        rf.textMode = TRUE;
        EXPECT_FALSE(SerializeRowRec(cut, rf, false));
        std::fclose(file);
    }
}

constexpr LPARAM kCap = kCaptionRowData;

TEST_F(ListRows, SkipSepMovesAroundCaptionRowsAndWrapsOnce) {
    struct Case {
        std::initializer_list<LPARAM> rows;
        int start;  // -1 none
        bool down;
        int result;
        int selection;
    };
    const Case cases[] = {
        {{kCap, 0, 0, kCap, 0}, 4, true, 1, 1},     // the last item row wraps to the first non-caption row
        {{0, kCap, 0}, 0, true, 1, 2},              // over a caption
        {{kCap, kCap}, -1, true, 0, -1},            // captions only: nothing changes
        {{kCap, 0, kCap, 0}, 3, false, 1, 1},       // up over a caption
        {{kCap, 0, 0}, 1, false, 0, 1},             // nothing above but captions
        {{0, 0}, -1, false, 1, -1},                 // no selection: nothing to move
    };
    for (const Case& c : cases) {
        const HWND list = MakeList(c.rows);
        if (c.start >= 0) Select(list, c.start);
        const int result = c.down ? SelectNextRowSkipSep(list, GiveFocus::kYes) : SelectPrevRowSkipSep(list);
        EXPECT_EQ(result, c.result) << c.start << (c.down ? " down" : " up");
        EXPECT_EQ(Mark(list), c.selection) << c.start;
        EXPECT_EQ(Selected(list), c.selection) << c.start;
        DestroyWindow(list);
    }
    EXPECT_EQ(SelectNextRowSkipSep(nullptr, GiveFocus::kNo), 0);
}

TEST_F(ListRows, OutlineMovesSkipHeadersUnlessListsAreCollapsible) {
    // Item lists: header, two items, spacer, header, item.
    const std::initializer_list<LPARAM> rows = {kRowHeader, kRowItem, kRowItem, kRowSpacer, kRowHeader, kRowItem};
    struct Case {
        LONG cList;
        int start;
        bool down;
        int selection;
    };
    const Case cases[] = {
        {0, 2, true, 5}, {1, 2, true, 4},  // the spacer is always skipped, the header only without "CLIST"
        {0, 5, true, 1}, {1, 5, true, 0},  // wrapping once to the top
        {0, 5, false, 2}, {1, 5, false, 4},
        {0, 1, false, 5},                  // up from the first item wraps to the last
    };
    for (const Case& c : cases) {
        g_Settings.cList = c.cList;
        const HWND list = MakeList(rows);
        Select(list, c.start);
        const int found = c.down ? SelectNextListRow(list, QueryOnly::kNo, RowRules::kItemLists)
                                 : SelectPrevListRow(list, QueryOnly::kNo, RowRules::kItemLists);
        EXPECT_EQ(found, c.selection) << "CLIST " << c.cList << " from " << c.start;
        EXPECT_EQ(Mark(list), c.selection);
        DestroyWindow(list);
    }
    const HWND list = MakeList(rows);
    EXPECT_EQ(SelectPrevListRow(list, QueryOnly::kNo, RowRules::kItemLists), -1);  // no selection
    g_Settings.cList = 0;
    Select(list, 2);
    // The query form names the row without selecting it and does not wrap.
    EXPECT_EQ(SelectNextListRow(list, QueryOnly::kYes, RowRules::kItemLists), 5);
    EXPECT_EQ(Mark(list), 2);
    Select(list, 5);
    EXPECT_EQ(SelectNextListRow(list, QueryOnly::kYes, RowRules::kItemLists), 0);
    EXPECT_EQ(Mark(list), 5);
    DestroyWindow(list);

    const HWND notices = MakeList({kRowNothing, kRowPrivateHidden});
    Select(notices, 0);
    EXPECT_EQ(SelectNextListRow(notices, QueryOnly::kNo, RowRules::kItemLists), 0);  // nothing qualifies
    EXPECT_EQ(Mark(notices), 0);
}

TEST_F(ListRows, ScheduleDayHeadersStopOnlyInTheDatesList) {
    const std::initializer_list<LPARAM> rows = {kSchedDayHeader, kSchedAppt, kSchedFurther, kSchedTask,
                                                kSchedDayHeader2, kSchedContact};
    struct Case {
        LONG view;
        int start;
        int selection;
    };
    const Case cases[] = {
        {kViewDay, 1, 3}, {kViewDay, 3, 5},      // further rows and day headers are skipped
        {kViewDates, 3, 4}, {kViewDates, 5, 0},  // "CLIST" on: the dates list stops on its day headers
    };
    g_Settings.cList = 1;
    for (const Case& c : cases) {
        ViewId = c.view;
        const HWND list = MakeList(rows);
        Select(list, c.start);
        EXPECT_EQ(SelectNextListRow(list, QueryOnly::kNo, RowRules::kSchedule), c.selection) << c.view << " " << c.start;
        DestroyWindow(list);
    }
}

TEST_F(ListRows, HitTestMarkedRowsAndTapSelect) {
    const HWND list = MakeList({0, 0, 0});
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    item.iImage = 1;
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(IsListRowMarked(list, 1), 1);
    EXPECT_EQ(IsListRowMarked(list, 0), 0);
    EXPECT_EQ(IsListRowMarked(list, 3), 0);
    const RECT second = RowRect(list, 2);
    EXPECT_EQ(ListHitTest(list, 10, second.top + 2), 2);
    EXPECT_EQ(ListHitTest(list, 10, 199), -1);
    EXPECT_EQ(ListHitTest(nullptr, 10, 10), -1);
    EXPECT_EQ(ListTapSelect(list, POINT{10, second.top + 2}), 1);
    EXPECT_EQ(Selected(list), 2);
    EXPECT_EQ(ListTapSelect(list, POINT{10, 199}), 0);
}

TEST_F(ListRows, DraggingThePenScrollsByRowsAndStopsAtTheEnd) {
    const HWND list = MakeList({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 100);
    const int h = RowRect(list, 0).bottom - RowRect(list, 0).top;
    ASSERT_GT(h, 6);
    const auto middleOf = [h](int shownRow) { return shownRow * h + h / 2; };
    ListTapStart(list, POINT{20, middleOf(0)});
    // Each row further down under the pen scrolls the list one row towards its end.
    for (int step = 1; step <= 3; ++step) {
        ListTapMove(list, POINT{20, middleOf(step)});
        EXPECT_EQ(Top(list), step);
    }
    // Back up: the list follows towards its start.
    ListTapMove(list, POINT{20, middleOf(2)});
    EXPECT_EQ(Top(list), 2);
    ListTapEnd(list, POINT{20, middleOf(2)});
    DestroyWindow(list);

    // At the end of the list the drag stops tracking: moving on scrolls nothing.
    const HWND shortList = MakeList({0, 0, 0, 0, 0}, 100);
    const int perPage = static_cast<int>(SendMessageW(shortList, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_EQ(perPage + 2, Count(shortList)) << "the list is two rows longer than its page";
    ListTapStart(shortList, POINT{20, middleOf(0)});
    ListTapMove(shortList, POINT{20, middleOf(1)});
    ListTapMove(shortList, POINT{20, middleOf(2)});
    EXPECT_EQ(Top(shortList), 2);
    ListTapMove(shortList, POINT{20, middleOf(0)});
    EXPECT_EQ(Top(shortList), 2);
    ListTapEnd(shortList, POINT{20, middleOf(0)});
}

TEST_F(ListRows, PainterFillsSelectionBoxesAndCaptions) {
    constexpr COLORREF kBackground = 0xE0F0F0;
    constexpr COLORREF kSelection = 0x30A030;
    constexpr COLORREF kTitle = 0x803000;
    g_Theme.words.fill(0);
    SetThemeWord(kThemeBackground, static_cast<LONG>(kBackground));
    SetThemeWord(kThemeItemBorder, 0x808080);
    SetThemeWord(kThemeSelColor, static_cast<LONG>(kSelection));
    SetThemeWord(kThemeSelFrameColor, 0x000000);
    SetThemeWord(kThemeTextColor, 0x000000);
    SetThemeWord(kThemeTitlePrimary, static_cast<LONG>(kTitle));
    SetThemeWord(kThemeTitleSecondary, static_cast<LONG>(kTitle));
    SetThemeWord(kThemeListBackground, kBackRect);
    SetThemeWord(kThemeSelStyle, kSelFlat);
    const HWND list = MakeList({0, 0, kCap});
    Select(list, 1);
    const RECT plain = RowRect(list, 0);
    const RECT selected = RowRect(list, 1);
    const RECT caption = RowRect(list, 2);
    const int right = plain.right - 8;
    // An unselected row: a box in the background colour inside the row, its border in the item
    // border colour; the selected row is filled with the selection colour.
    EXPECT_EQ(platform::testing::ControlPixel(list, right, (plain.top + plain.bottom) / 2), kBackground);
    EXPECT_EQ(platform::testing::ControlPixel(list, right, (selected.top + selected.bottom) / 2), kSelection);
    EXPECT_EQ(platform::testing::ControlPixel(list, right, (caption.top + caption.bottom) / 2), kTitle);
    // The label's text is drawn in the theme's text colour somewhere on the selected row.
    bool text = false;
    for (int x = 0; x < 80 && !text; ++x)
        for (int y = selected.top; y < selected.bottom && !text; ++y)
            text = platform::testing::ControlPixel(list, x, y) == 0x000000 && y > selected.top + 2 && y < selected.bottom - 3;
    EXPECT_TRUE(text);
}

// A selected row in the panel and tab list styles is outlined in the selection frame colour, dashed
// when the theme asks for a dashed selection.
TEST_F(ListRows, PanelAndTabSelectionsFollowTheDashedSelectionSwitch) {
    constexpr COLORREF kFrame = 0xC00000;
    g_Theme.words.fill(0);
    SetThemeWord(kThemeBackground, 0xE0F0F0);
    SetThemeWord(kThemeItemBorder, 0x808080);
    SetThemeWord(kThemeSelColor, 0x30A030);
    SetThemeWord(kThemeSelFrameColor, static_cast<LONG>(kFrame));
    for (const LONG style : {LONG{kBackCutCorner}, LONG{kBackFolderTab}}) {
        for (const LONG dashed : {0, 1}) {
            SetThemeWord(kThemeListBackground, style);
            SetThemeWord(kThemeSelDashed, dashed);
            const HWND list = MakeList({0, 0});
            Select(list, 1);
            const RECT row = RowRect(list, 1);
            int framePixels = 0;
            constexpr int kFrom = 10, kTo = 150;
            for (int x = kFrom; x < kTo; ++x)
                if (platform::testing::ControlPixel(list, x, row.top + 1) == kFrame) ++framePixels;
            if (dashed) {
                EXPECT_GT(framePixels, 0) << style;
                EXPECT_LT(framePixels, kTo - kFrom) << style;
            } else {
                EXPECT_EQ(framePixels, kTo - kFrom) << style;
            }
            DestroyWindow(list);
        }
    }
}

}  // namespace
