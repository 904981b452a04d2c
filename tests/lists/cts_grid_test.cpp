// The contact picture grid: lines of cells under header bars, the line arithmetic that scrolling
// uses, the arrow keys, fitting names into a cell, and the window painting its cells on the screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "lists/cts_grid.h"
#include "lists/cts_picture.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "ui/gdi_scope.h"

namespace {

// 'H' header, 'c' contact, 'h' hidden contact, 'n' nothing-to-show row.
ListRowArray Rows(std::string_view layout) {
    ListRowArray rows;
    LONG oid = 100;
    for (char c : layout) {
        ListRow row;
        row.kind = c == 'H' ? kRowHeader : c == 'n' ? kRowNothing : kRowItem;
        row.hidden = c == 'h' ? 1 : 0;
        row.id = row.kind == kRowItem ? oid++ : -1;
        rows.Append(row);
    }
    return rows;
}

CtsGridGeometry Geometry(bool collapsible = false, int clientHeight = 300) {
    CtsGridGeometry geo;
    geo.columns = 4;
    geo.cellWidth = 60;
    geo.cellHeight = 61;
    geo.headerHeight = 30;
    geo.clientHeight = clientHeight;
    geo.collapsible = collapsible;
    return geo;
}

struct Placed {
    std::vector<std::pair<int, RECT>> cells;
    std::vector<std::pair<int, int>> headers;
};

Placed Layout(const ListRowArray& rows, const CtsGridGeometry& geo) {
    Placed placed;
    WalkCtsGrid(
        rows, geo, 0, [&](int index, const RECT& r) { placed.cells.emplace_back(index, r); },
        [&](int index, int y) { placed.headers.emplace_back(index, y); }, false);
    return placed;
}

TEST(CtsGrid, SevenContactsTakeTwoLinesAndTheNextHeaderANewOne) {
    const ListRowArray rows = Rows("HcccccccHccc");
    const CtsGridGeometry geo = Geometry();
    const Placed placed = Layout(rows, geo);
    ASSERT_EQ(placed.headers.size(), 2u);
    EXPECT_EQ(placed.headers[0].second, 3);
    EXPECT_EQ(placed.headers[1].second, 3 + 30 + 2 * 61);
    ASSERT_EQ(placed.cells.size(), 10u);
    EXPECT_EQ(placed.cells[4].second.left, 0);    // the fifth contact opens the second line
    EXPECT_EQ(placed.cells[4].second.top, 3 + 30 + 61);
    EXPECT_EQ(placed.cells[6].second.left, 120);
    EXPECT_EQ(MeasureCtsGrid(rows, geo), 3 + 30 + 2 * 61 + 30 + 61);
}

// A group that fills its last line exactly must not leave an empty line before the next header.
TEST(CtsGrid, FullLineBeforeHeaderLeavesNoEmptyLine) {
    const ListRowArray rows = Rows("HccccHc");
    const Placed placed = Layout(rows, Geometry());
    ASSERT_EQ(placed.headers.size(), 2u);
    EXPECT_EQ(placed.headers[1].second, 3 + 30 + 61);
    EXPECT_EQ(MeasureCtsGrid(rows, Geometry()), 3 + 30 + 61 + 30 + 61);
}

TEST(CtsGrid, HiddenAndOtherRowsTakeNoSpace) {
    const ListRowArray rows = Rows("HhhhhhHcn");
    const Placed placed = Layout(rows, Geometry());
    ASSERT_EQ(placed.cells.size(), 1u);
    EXPECT_EQ(placed.headers[1].second, 3 + 30);
    EXPECT_EQ(MeasureCtsGrid(Rows("n"), Geometry()), 3);
}

TEST(CtsGrid, LineArithmetic) {
    //                                  0123456789012
    const ListRowArray rows = Rows("HcccccHhhHcc");
    const CtsGridGeometry geo = Geometry();
    struct Case {
        int row;
        int lineStart;
        int nextLine;
        int height;
    };
    const Case cases[] = {
        {0, 0, 1, 30},  {1, 1, 5, 61},  {3, 1, 4, 61},  {4, 1, 5, 61},  {5, 5, 6, 61},
        {6, 6, 9, 30},  {7, 6, 9, 61},  {9, 9, 10, 30}, {10, 10, -1, 61}, {11, 10, -1, 61},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CtsGridLineStart(rows, geo, c.row), c.lineStart) << c.row;
        if (c.row == c.lineStart) {
            EXPECT_EQ(CtsGridNextLine(rows, geo, c.row), c.nextLine) << c.row;
        }
        EXPECT_EQ(CtsGridLineHeight(rows, geo, c.row), c.height) << c.row;
    }
    EXPECT_EQ(CtsGridPrevLine(rows, geo, 9), 6);
    EXPECT_EQ(CtsGridPrevLine(rows, geo, 6), 5);
    EXPECT_EQ(CtsGridPrevLine(rows, geo, 5), 1);
}

TEST(CtsGrid, ScrollingMovesByWholeLines) {
    const ListRowArray rows = Rows("HccccccccHcc");  // lines: H, 4, 4, H, 2
    const CtsGridGeometry geo = Geometry(false, 90);
    CtsGridState state;
    EXPECT_FALSE(CtsGridLineUp(rows, geo, state));
    ASSERT_TRUE(CtsGridLineDown(rows, geo, state));
    EXPECT_EQ(state.topRow, 1);
    EXPECT_EQ(state.scrollPos, 30);
    ASSERT_TRUE(CtsGridLineDown(rows, geo, state));
    EXPECT_EQ(state.topRow, 5);
    EXPECT_EQ(state.scrollPos, 91);
    EXPECT_TRUE(CtsGridRowVisible(rows, geo, state, 8));
    EXPECT_FALSE(CtsGridRowVisible(rows, geo, state, 9));  // 3 + 61 + 30 passes 90 - 5
    EXPECT_FALSE(CtsGridRowVisible(rows, geo, state, 2));
    ASSERT_TRUE(CtsGridLineUp(rows, geo, state));
    EXPECT_EQ(state.topRow, 1);
    EXPECT_EQ(state.scrollPos, 30);

    // The thumb: a position further than the top line moves one line; at the end of the range
    // the position is the range's end.
    EXPECT_FALSE(CtsGridThumbTrack(rows, geo, state, 40, 500));
    EXPECT_TRUE(CtsGridThumbTrack(rows, geo, state, 91, 500));
    EXPECT_EQ(state.topRow, 5);
    EXPECT_TRUE(CtsGridThumbTrack(rows, geo, state, 0, 500));
    EXPECT_EQ(state.topRow, 1);
    EXPECT_EQ(state.scrollPos, 30);
    EXPECT_TRUE(CtsGridThumbTrack(rows, geo, state, 500, 500));
    EXPECT_EQ(state.scrollPos, 500);
}

TEST(CtsGrid, ArrowKeys) {
    struct Case {
        const char* layout;
        bool collapsible;
        int selection;
        GridKey key;
        int expected;
    };
    //                           rows: 0 H, 1-3 contacts, 4 H, 5-9 contacts
    const Case cases[] = {
        {"HcccHccccc", false, 3, GridKey::Down, 5},   // third of a three-contact group: into the next group
        {"HcccHccccc", true, 3, GridKey::Down, 4},    // its header, when headers are selectable
        {"HcccHccccc", false, 5, GridKey::Down, 9},   // the contact straight below
        {"HcccHccccc", false, 9, GridKey::Down, 9},   // nothing below
        {"HcccHccccc", false, 9, GridKey::Up, 5},
        {"HcccHccccc", false, 5, GridKey::Up, 3},     // back over the header to the last of the group
        {"HcccHccccc", true, 5, GridKey::Up, 4},
        {"HcccHccccc", false, 1, GridKey::Up, 0},     // the walk reaches row 0
        {"cccc", false, 0, GridKey::Up, 0},           // Up on row 0: nothing
        {"HcccHccccc", false, -1, GridKey::Left, -1}, // Left with no selection: nothing
        {"HcccHccccc", false, -1, GridKey::Right, 1}, // Right with none: the first selectable row
        {"HcccHccccc", true, -1, GridKey::Right, 0},
        {"HcccHccccc", false, 3, GridKey::Right, 5},
        {"HcccHccccc", false, 5, GridKey::Left, 3},
        {"HchcHccccc", false, 3, GridKey::Left, 1},   // hidden rows are skipped
        {"n", false, -1, GridKey::Right, -1},         // nothing to select
    };
    for (const Case& c : cases) {
        const ListRowArray rows = Rows(c.layout);
        CtsGridState state;
        state.selection = c.selection;
        CtsGridMoveSel(rows, Geometry(c.collapsible), state, c.key);
        EXPECT_EQ(state.selection, c.expected) << c.layout << " from " << c.selection << " key " << int(c.key);
    }
}

TEST(CtsGrid, SelectionScrollsIntoView) {
    const ListRowArray rows = Rows("HccccccccccccHc");
    const CtsGridGeometry geo = Geometry(false, 150);
    CtsGridState state;
    state.selection = 1;
    for (int i = 0; i < 3; ++i) CtsGridMoveSel(rows, geo, state, GridKey::Down);
    EXPECT_EQ(state.selection, 14);  // 5, 9, then over the header
    EXPECT_GT(state.topRow, 0);
    EXPECT_TRUE(CtsGridRowVisible(rows, geo, state, state.selection));
    for (int i = 0; i < 4; ++i) CtsGridMoveSel(rows, geo, state, GridKey::Up);
    EXPECT_EQ(state.selection, 0);  // 12, 8, 4, then the walk reaches row 0
    EXPECT_EQ(state.topRow, 0);
    EXPECT_EQ(state.scrollPos, 0);
}

TEST(CtsGrid, ToggleFoldsTheGroup) {
    ListRowArray rows = Rows("HccHc");
    ToggleCtsGroup(rows, 0);
    EXPECT_EQ(rows[0].collapsed, 1);
    EXPECT_EQ(rows[1].hidden + rows[2].hidden, 2);
    EXPECT_EQ(rows[4].hidden, 0);
    EXPECT_EQ(MeasureCtsGrid(rows, Geometry()), 3 + 30 + 30 + 61);
    ToggleCtsGroup(rows, 0);
    EXPECT_EQ(rows[1].hidden + rows[2].hidden, 0);
}

TEST(CtsGrid, WrapNameIntoTheCell) {
    platform::testing::TestDevice device;
    MemoryDC dc(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -11;
    OwnedFont font(CreateFontIndirectW(&lf));
    SelectScope select(dc.Get(), font.Get());
    const auto width = [&dc](const std::u16string& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    struct Case {
        std::u16string text;
        std::u16string widthOf;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"Anna Bergstrom", u"Anna Bergstrom", u"Anna Bergstrom"},
        {u"Anna Bergstrom", u"Anna B.", u"Anna B."},
        {u"Anna Bergstrom", u"Anna B", u"Anna B"},
        {u"Anna Bergstrom", u"Anna", u"Anna"},
        {u"Berg, Anna", u"Berg", u"Berg"},
        {u"Bartholomew", u"Barth..", u"Barth.."},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapCtsText(dc.Get(), c.text, width(c.widthOf)), c.expected);
    EXPECT_EQ(WrapCtsText(dc.Get(), u"Bartholomew", -1), u"Bartholomew");
    EXPECT_EQ(WrapCtsText(dc.Get(), u"Bartholomew", 0), u"");
}

class CtsGridWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"QvGridTestParent";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, u"QvGridTestParent", u"Grid", WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        savedContacts_ = g_CtsList;
        const char16_t* names[][2] = {{u"Anna", u"Berg"}, {u"Carl", u"Dahl"},  {u"Eva", u"Falk"},
                                      {u"Gustav", u"Holm"}, {u"Ida", u"Jonsson"}, {u"", u""}};
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        LONG oid = 100;
        for (const auto& name : names) {
            CtsRecord record;
            record.oid = oid;
            record.firstName = name[0];
            record.lastName = name[1];
            record.company = u"Acme";
            IdIndexInsert(oid++, g_CtsList.Append(record), g_CtsIdIndex);
        }
        g_CtsRows = Rows("HccccHcc");
        g_CtsRows[0].text = u"Friends";
        g_CtsRows[5].text = u"Work";
    }
    void TearDown() override {
        if (g_CtsGrid.window) DestroyWindow(g_CtsGrid.window);
        ReleaseCtsListBuffer();
        g_CtsGrid = CtsGridState{};
        DestroyWindow(parent_);
        platform::testing::PumpUntilIdle();
        g_CtsList = savedContacts_;
        g_CtsIdIndex.RemoveAll();
        g_CtsRows.RemoveAll();
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    // The grid window over the test's rows, 240 pixels square, shown with its pictures made.
    HWND ShowGrid() {
        const HWND grid = CreateCtsIconWnd(parent_);
        if (!grid) return nullptr;
        MoveWindow(grid, 0, 0, 240, 240, FALSE);
        ShowWindow(grid, SW_SHOW);
        BuildCtsRows(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid);
        RedrawCtsIcons(true);
        return grid;
    }

    HWND parent_ = nullptr;
    CtsArray savedContacts_;
};

TEST_F(CtsGridWindowTest, PaintsEachCellsPictureWhereTheLayoutPutsIt) {
    const HWND grid = ShowGrid();
    ASSERT_NE(grid, nullptr);
    ReleaseCtsListBuffer();
    InvalidateRect(grid, nullptr, FALSE);
    UpdateWindow(grid);
    platform::testing::PumpUntilIdle();

    const CtsGridGeometry geo = CurrentCtsGridGeometry();
    const int size = GetCtsPictureSize();
    Placed placed;
    WalkCtsGrid(
        g_CtsRows, geo, 0, [&](int index, const RECT& r) { placed.cells.emplace_back(index, r); }, [](int, int) {},
        true);
    ASSERT_EQ(placed.cells.size(), 6u);
    for (const auto& [index, cell] : placed.cells) {
        POINT corner{cell.left + (cell.right - cell.left - size) / 2, cell.top + 2};
        ClientToScreen(grid, &corner);
        EXPECT_EQ(platform::testing::ReadScreenPixel(corner.x, corner.y), kPictureFrameColour) << index;
        EXPECT_NE(platform::testing::ReadScreenPixel(corner.x + 2, corner.y + 2), kPictureFrameColour) << index;
    }
    const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "lists_contact_grid.png";
    EXPECT_TRUE(platform::testing::SaveScreenshot(out));

    // Collapsible lists are on by default: the first header is selected, Down goes to the first
    // contact and from there over the full line to the next header.
    ASSERT_EQ(g_CtsGrid.selection, 0);
    SendMessageW(grid, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(g_CtsGrid.selection, 1);
    SendMessageW(grid, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(g_CtsGrid.selection, 5);
    // Enter on the header folds its group: the next group's contacts move up a line.
    SendMessageW(grid, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(g_CtsRows[6].hidden, 1);
}

}  // namespace

namespace {

// The "no contacts" line was formatted into a fixed stack buffer with no bound: a long type-ahead
// ran past it.
TEST_F(CtsGridWindowTest, ALongTypeAheadWithNoMatchIsDrawnWithinItsLine) {
    ASSERT_TRUE(RegisterQuorviaResources());
    const HWND grid = CreateCtsIconWnd(parent_);
    ASSERT_NE(grid, nullptr);
    MoveWindow(grid, 0, 0, 240, 240, FALSE);
    ShowWindow(grid, SW_SHOW);
    g_CtsRows = Rows("x");
    g_CtsRows[0].kind = kRowNoLetterMatch;
    const std::u16string saved = g_CtsTypeAhead.text;
    g_CtsTypeAhead.text = std::u16string(5000, u'q');
    platform::testing::DrawRecord record;
    BuildCtsRows(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid);
    RedrawCtsIcons(true);
    InvalidateRect(grid, nullptr, FALSE);
    UpdateWindow(grid);
    platform::testing::PumpUntilIdle();
    g_CtsTypeAhead.text = saved;
    bool drawn = false;
    for (const auto& text : record.TextsDrawn())
        if (text.text.find(u"qqqq") != std::u16string::npos) drawn = true;
    EXPECT_TRUE(drawn);
}

TEST_F(CtsGridWindowTest, TapAndHoldOnACellOpensTheContactsItemMenu) {
    ASSERT_TRUE(RegisterQuorviaResources());
    g_Frame.mainWnd = parent_;
    const HWND grid = ShowGrid();
    ASSERT_NE(grid, nullptr);
    platform::testing::PumpUntilIdle();
    std::vector<std::pair<int, RECT>> cells;
    WalkCtsGrid(
        g_CtsRows, CurrentCtsGridGeometry(), 0, [&](int index, const RECT& r) { cells.emplace_back(index, r); },
        [](int, int) {}, true);
    ASSERT_GE(cells.size(), 2u);
    const auto& [index, cell] = cells[1];
    POINT centre{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(grid, &centre);
    // The press itself may wait in a loop of its own before the menu's loop comes.
    std::vector<std::u16string> items;
    std::function<void()> lookAtMenu = [&items, &lookAtMenu] {
        items = platform::testing::OpenMenuTexts();
        if (items.empty()) {
            platform::testing::ActInsideModalLoop(lookAtMenu);
            return;
        }
        platform::testing::Key(VK_ESCAPE);
    };
    platform::testing::ActInsideModalLoop(lookAtMenu);
    platform::testing::Hold(centre.x, centre.y);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(g_CtsGrid.selection, index);
    EXPECT_EQ(g_CurItem.kind, kItemContact);
    EXPECT_EQ(g_CurItem.oid, g_CtsRows[index].id);
    EXPECT_FALSE(items.empty());
    g_Frame.mainWnd = nullptr;
    g_CurItem = CurItem{};
}

// A refill must not leave the grid showing the pictures of the rows it had before.
TEST_F(CtsGridWindowTest, ReloadingTheContactsRepaintsTheGridFromTheNewRows) {
    ASSERT_TRUE(RegisterQuorviaResources());
    const AppSettings savedSettings = g_Settings;
    g_Settings.ctsIcon = 1;
    g_Settings.contactSort = 0;
    const HWND grid = ShowGrid();
    ASSERT_NE(grid, nullptr);
    InvalidateRect(grid, nullptr, FALSE);
    UpdateWindow(grid);
    platform::testing::PumpUntilIdle();

    const int size = GetCtsPictureSize();
    std::vector<POINT> corners;
    WalkCtsGrid(
        g_CtsRows, CurrentCtsGridGeometry(), 0,
        [&](int, const RECT& cell) {
            POINT corner{cell.left + (cell.right - cell.left - size) / 2, cell.top + 2};
            ClientToScreen(grid, &corner);
            corners.push_back(corner);
        },
        [](int, int) {}, true);
    ASSERT_FALSE(corners.empty());
    ASSERT_EQ(platform::testing::ReadScreenPixel(corners[0].x, corners[0].y), kPictureFrameColour);

    g_CtsList.RemoveAll();
    g_CtsIdIndex.RemoveAll();
    ReLoadCts(false);
    platform::testing::PumpUntilIdle();
    ASSERT_EQ(g_CtsRows.Size(), 1);
    EXPECT_EQ(g_CtsRows[0].kind, kRowNothing);
    for (const POINT& corner : corners)
        EXPECT_NE(platform::testing::ReadScreenPixel(corner.x, corner.y), kPictureFrameColour);
    g_Settings = savedSettings;
}

}  // namespace
