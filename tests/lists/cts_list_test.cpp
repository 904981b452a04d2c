// The contacts list: row heights and picture sizes by screen and settings, the letter tabs' steps
// through their groups, the tabs and list placed beside each other, and the current contact.
#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/id_index.h"
#include "core/tsk_record.h"
#include "core/frame_state.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/letter_tabs.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/gdi_scope.h"
#include "ui/outline_list.h"

namespace {

platform::DeviceProfile Screen(int width, int height) {
    platform::DeviceProfile profile;
    profile.screenWidth = width;
    profile.screenHeight = height;
    return profile;
}

class CtsListTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = g_Settings; }
    void TearDown() override {
        g_Settings = saved_;
        ClearCtsTypeAhead();
    }
    AppSettings saved_;
};

TEST_F(CtsListTest, RowHeightsAndPictureSizesByScreen) {
    struct Case {
        int width, height;
        LONG photo, tabs, fontSize;
        int rowHeight;
        int pictureSize;
    };
    const Case cases[] = {
        {240, 320, 0, 0, 14, 23, 38}, {240, 320, 0, 0, 20, 26, 38}, {240, 320, 1, 0, 14, 44, 38},
        {320, 240, 1, 0, 14, 46, 38}, {240, 320, 1, 1, 14, 42, 36}, {320, 320, 0, 0, 14, 25, 42},
        {320, 320, 1, 0, 14, 49, 42}, {320, 320, 1, 1, 14, 45, 39}, {480, 640, 0, 0, 24, 52, 68},
        {480, 640, 0, 0, 25, 59, 68}, {480, 640, 1, 0, 14, 76, 68}, {640, 480, 1, 0, 14, 75, 68},
        {480, 640, 1, 1, 14, 70, 63}, {640, 480, 1, 1, 14, 67, 61}, {176, 220, 0, 0, 14, 20, 38},
        {176, 220, 1, 1, 14, 45, 38},
    };
    platform::testing::TestDevice device;
    for (const Case& c : cases) {
        device.SetProfile(Screen(c.width, c.height));
        g_Settings.photo = c.photo;
        g_Settings.abcTb = c.tabs;
        g_Settings.fontSize = c.fontSize;
        MEASUREITEMSTRUCT measure{};
        MeasureCtsRow(measure);
        EXPECT_EQ(static_cast<int>(measure.itemHeight), c.rowHeight) << c.width << "x" << c.height << " photo " << c.photo
                                                                     << " tabs " << c.tabs << " font " << c.fontSize;
        EXPECT_EQ(GetCtsRowHeight(), c.pictureSize) << c.width << "x" << c.height << " tabs " << c.tabs;
    }
}

// A contact's name is drawn in the same list font as a task's subject, at every font size.
TEST_F(CtsListTest, NamesUseTheListFontOfTheOtherLists) {
    platform::testing::TestDevice device;
    CtsRecord contact;
    contact.oid = 4242;
    contact.firstName = u"Grace";
    contact.lastName = u"Hopper";
    g_CtsList.RemoveAll();
    g_CtsIdIndex.RemoveAll();
    IdIndexInsert(contact.oid, g_CtsList.Append(contact), g_CtsIdIndex);
    TskRecord task;
    task.oid = 7;
    task.subject = u"Grace Hopper";
    g_Settings.photo = 0;
    const HDC screen = GetDC(nullptr);
    MemoryDC memory(screen);
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen, 240, 40));
    ReleaseDC(nullptr, screen);
    SelectScope select(memory.Get(), bitmap.Get());
    const RECT row{0, 0, 240, 40};
    const auto height = [](const platform::testing::DrawRecord& record) {
        for (const auto& text : record.TextsDrawn())
            if (text.text.find(u"Hopper") != std::u16string::npos) return static_cast<LONG>(text.rect.bottom - text.rect.top);
        return LONG{0};
    };
    for (const LONG size : {14, 22}) {
        SCOPED_TRACE(size);
        g_Settings.fontSize = size;
        LONG contactHeight = 0;
        {
            platform::testing::DrawRecord record;
            DrawCtsListRow(memory.Get(), row, contact.oid, false, true);
            contactHeight = height(record);
        }
        platform::testing::DrawRecord record;
        DrawTskRow(memory.Get(), row, task, false, true, false, false);
        EXPECT_GT(contactHeight, 0);
        EXPECT_EQ(contactHeight, height(record));
    }
    g_CtsList.RemoveAll();
    g_CtsIdIndex.RemoveAll();
}

TEST_F(CtsListTest, LetterTabsStepThroughTheirGroup) {
    platform::testing::TestDevice device(Screen(480, 640));
    struct Step {
        UINT command;
        WCHAR letter;  // after the step
    };
    const Step steps[] = {
        {IDM_TAB_VGA_ABC, u'A'}, {IDM_TAB_VGA_ABC, u'B'}, {IDM_TAB_VGA_ABC, u'C'}, {IDM_TAB_VGA_ABC, 0},
        {IDM_TAB_LMN, u'L'},     {IDM_TAB_VGA_ABC, 0},    {IDM_TAB_VGA_WXYZ, u'W'},
    };
    g_CtsTypeAhead.text = u"ma";
    for (const Step& step : steps) {
        EXPECT_TRUE(OnCtsLetterTab(step.command));
        EXPECT_EQ(g_CtsTypeAhead.letter, step.letter) << step.command;
    }
    EXPECT_TRUE(g_CtsTypeAhead.text.empty());
    EXPECT_FALSE(OnCtsLetterTab(IDM_TAB_AB));  // a tab of the small screens only

    device.SetProfile(Screen(240, 320));
    ClearCtsTypeAhead();
    EXPECT_TRUE(OnCtsLetterTab(IDM_TAB_XYZ));
    EXPECT_EQ(g_CtsTypeAhead.letter, u'X');
    EXPECT_FALSE(OnCtsLetterTab(IDM_TAB_VGA_ABC));
}

class CtsListWindowTest : public CtsListTest {
protected:
    void SetUp() override {
        CtsListTest::SetUp();
        ASSERT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"QvListTestParent";
        RegisterClassW(&wc);
        main_ = CreateWindowExW(0, u"QvListTestParent", u"List", WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(main_, nullptr);
        g_Frame.mainWnd = main_;
    }
    void TearDown() override {
        DestroyWindow(main_);
        g_CtsListWnd = nullptr;
        g_CtsAbcToolbar = nullptr;
        g_Frame.mainWnd = nullptr;
        g_CtsRows.RemoveAll();
        g_CtsGrid = CtsGridState{};
        platform::testing::PumpUntilIdle();
        CtsListTest::TearDown();
    }
    RECT ChildRect(HWND child) const {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    HWND main_ = nullptr;
};

// Tabs asked for at the bottom sit on the bottom edge of the main window, not at a fixed height
// that lies below the screen's edge on a small screen.
// A keypad search typed before the list existed does not carry over into it.
TEST_F(CtsListWindowTest, CreatingTheListClearsTheKeypadKeys) {
    g_KeypadKeys.keys[0] = 4;
    g_KeypadKeys.keys[1] = 2;
    g_KeypadKeys.last = 1;
    ASSERT_NE(CreateCtsList(main_), nullptr);
    EXPECT_EQ(g_KeypadKeys.last, -1);
    for (const WCHAR key : g_KeypadKeys.keys) EXPECT_EQ(key, static_cast<WCHAR>(-1));
}

TEST_F(CtsListWindowTest, BottomTabsSitOnTheClientBottom) {
    g_Settings.abcTb = 1;
    g_Settings.abcTbDown = 1;
    const HWND list = CreateCtsList(main_);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(g_CtsAbcToolbar, nullptr);
    PlaceCtsListBelowTabs();
    RECT client{};
    GetClientRect(main_, &client);
    const RECT tabs = ChildRect(g_CtsAbcToolbar);
    const RECT shown = ChildRect(list);
    EXPECT_EQ(tabs.bottom, client.bottom);
    EXPECT_GT(tabs.bottom - tabs.top, 0);
    EXPECT_EQ(shown.top, 0);
    EXPECT_EQ(shown.bottom, tabs.top);

    g_Settings.abcTbDown = 0;
    PlaceCtsListBelowTabs();
    const RECT top = ChildRect(g_CtsAbcToolbar);
    EXPECT_EQ(top.top, 0);
    EXPECT_EQ(ChildRect(list).top, top.bottom + 1);
    EXPECT_EQ(ChildRect(list).bottom, client.bottom);
}

TEST_F(CtsListWindowTest, CurrentContactFromTheGridOrTheList) {
    g_CtsRows.RemoveAll();
    ListRow header;
    header.kind = kRowHeader;
    ListRow contact;
    contact.kind = kRowItem;
    contact.id = 77;
    g_CtsRows.Append(header);
    g_CtsRows.Append(contact);
    g_Settings.ctsIcon = 1;

    g_CtsGrid.selection = 1;
    EXPECT_TRUE(CheckCtsSelected(true));
    EXPECT_EQ(g_CurItem.oid, 77);
    EXPECT_EQ(g_CurItem.kind, kItemContact);
    EXPECT_FALSE(SelCtsRowIsHeader());

    platform::testing::ClearMessageBoxes();
    g_CtsGrid.selection = 0;
    EXPECT_FALSE(CheckCtsSelected(false));
    EXPECT_EQ(g_CurItem.kind, kItemNone);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
    g_Settings.cList = 1;
    EXPECT_TRUE(SelCtsRowIsHeader());

    platform::testing::AnswerMessageBox(IDOK);
    EXPECT_FALSE(CheckCtsSelected(true));
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"No Contact Selected");
}

// The list is an outline list: Enter on a group header folds the group away.
TEST_F(CtsListWindowTest, EnterOnAHeaderFoldsItsGroup) {
    g_Settings.cList = 1;
    g_Settings.ctsIcon = 0;
    const HWND list = CreateCtsList(main_);
    ASSERT_NE(list, nullptr);
    g_CtsRows.RemoveAll();
    ListRow header;
    header.kind = kRowHeader;
    header.text = u"A";
    ListRow contact;
    contact.kind = kRowItem;
    contact.id = 77;
    g_CtsRows.Append(header);
    g_CtsRows.Append(contact);
    OutlineFillList(list, g_CtsRows);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, 0);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_NE(g_CtsRows[0].collapsed, 0);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
}

}  // namespace
