// The tasks view over a real PIM store: showing the list with its rows and current task, the
// check-box tap that completes a task, deleting the completed tasks after the question, and a
// screenshot of the list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "frame/load_thread.h"
#include "frame/menu_bars.h"
#include "lists/list_commands.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "tests/core/loading_fixture.h"
#include "ui/image_lists.h"
#include "ui/outline_list.h"
#include "ui/theme_pictures.h"
#include "ui/view_windows.h"

namespace {

using loadtest::NewTask;

const DateRec kNoDue(kNoDateYear, 1, 1);

// The main window's part in the list: it paints and measures the task rows.
LRESULT CALLBACK TestMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        PaintTskView(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_MEASUREITEM) {
        GetTskListMetrics(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class TaskViewTest : public loadtest::LoadingTest {
protected:
    void SetUp() override {
        LoadingTest::SetUp();
        ASSERT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = TestMainProc;
        wc.lpszClassName = u"QvTaskTestMain";
        RegisterClassW(&wc);
        main_ = CreateWindowExW(0, u"QvTaskTestMain", u"Tasks", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 240, 268,
                                nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(main_, nullptr);
        g_Frame.mainWnd = main_;
        g_Settings.taskSort = kTskSortName;
        g_Settings.hideComplete = 0;
        ViewId = kViewMonth;
        ResetSelection();
    }
    void TearDown() override {
        DestroyViewMenuBars();
        DestroyWindow(main_);
        g_TskListState = TskListState();
        g_ViewWnds = ViewWindows();
        g_Frame.mainWnd = nullptr;
        g_TskRows.RemoveAll();
        PendingViewCmd = kNoPendingCmd;
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
        platform::testing::PumpUntilIdle();
        LoadingTest::TearDown();
    }
    static bool StoredComplete(LONG oid) {
        PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        VARIANT_BOOL complete = VARIANT_FALSE;
        if (task) task->get_Complete(&complete);
        return complete != VARIANT_FALSE;
    }
    static bool Stored(LONG oid) { return GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask).Get() != nullptr; }
    static int SelectedListRow() {
        return static_cast<int>(
            SendMessageW(g_TskListState.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    static RECT ListRowRect(int row) {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageW(g_TskListState.list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    HWND main_ = nullptr;
};

TEST_F(TaskViewTest, ShowsTheLoadedTasksAndMakesTheFirstOneCurrent) {
    AddTask(NewTask{u"Buy milk", kNoDue});
    AddTask(NewTask{u"Call Anna", kNoDue});
    LoadTskList(1);
    ShowTskView(false);
    ASSERT_NE(g_TskListState.list, nullptr);
    EXPECT_EQ(ViewId, kViewTasks);
    EXPECT_TRUE(IsWindowVisible(g_TskListState.list));
    EXPECT_EQ(SendMessageW(g_TskListState.list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SelectedListRow(), 0);
    EXPECT_EQ(g_CurItem.oid, g_TskList[0].oid);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
    EXPECT_TRUE(CheckTskSelected(FALSE));
}

TEST_F(TaskViewTest, ShowWaitsForTheTasksAndDoesNothingWhenTheViewIsOff) {
    ShowTskView(false);
    EXPECT_EQ(PendingViewCmd, 4);
    EXPECT_EQ(g_TskListState.list, nullptr);
    PendingViewCmd = kNoPendingCmd;
    LoadTskList(1);
    g_ViewShown[ShownView::Tasks] = 0;
    ShowTskView(false);
    g_ViewShown[ShownView::Tasks] = 1;
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd);
    EXPECT_EQ(g_TskListState.list, nullptr);
    EXPECT_NE(ViewId, kViewTasks);
}

TEST_F(TaskViewTest, TapOnTheSelectedRowsCheckBoxTogglesCompletion) {
    const LONG oid = AddTask(NewTask{u"Water plants", kNoDue});
    LoadTskList(1);
    ShowTskView(false);
    ASSERT_EQ(SelectedListRow(), 0);
    const RECT row = ListRowRect(0);
    const int middle = (row.top + row.bottom) / 2;
    // Right of the check-box strip the tap only selects.
    TskListTapTest(row.left + 40, middle);
    EXPECT_FALSE(StoredComplete(oid));
    TskListTapTest(row.left + 5, middle);
    EXPECT_TRUE(StoredComplete(oid));
    EXPECT_EQ(g_CurItem.oid, oid);
}

TEST_F(TaskViewTest, TapOnAHeaderRowChangesNothing) {
    const LONG oid = AddTask(NewTask{u"Water plants", kNoDue, olImportanceHigh});
    LoadTskList(1);
    g_Settings.taskSort = kTskSortPriority;
    ShowTskView(false);
    // Select the "High Priority" header above the task.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(g_TskListState.list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    const RECT row = ListRowRect(0);
    TskListTapTest(row.left + 5, (row.top + row.bottom) / 2);
    EXPECT_FALSE(StoredComplete(oid));
    EXPECT_FALSE(CheckTskSelected(FALSE));
}

TEST_F(TaskViewTest, DeletingCompletedTasksAsksAndKeepsTheOpenOnes) {
    const LONG done = AddTask(NewTask{u"Done", kNoDue, olImportanceNormal, u"", true});
    const LONG open = AddTask(NewTask{u"Open", kNoDue});
    LoadTskList(1);
    ShowTskView(false);
    platform::testing::AnswerMessageBox(IDNO);
    EXPECT_EQ(DeleteCompletedTsks(g_TskListState.list), 0);
    EXPECT_TRUE(Stored(done));
    platform::testing::AnswerMessageBox(IDYES);
    EXPECT_EQ(DeleteCompletedTsks(g_TskListState.list), 1);
    EXPECT_FALSE(Stored(done));
    EXPECT_TRUE(Stored(open));
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(g_TskList[0].oid, open);
    EXPECT_EQ(SendMessageW(g_TskListState.list, LVM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(TaskViewTest, DeletingWithNoneCompletedStillReloadsAndRefills) {
    LoadTskList(1);
    ShowTskView(false);
    ASSERT_EQ(SendMessageW(g_TskListState.list, LVM_GETITEMCOUNT, 0, 0), 1);  // the nothing row
    // A task that arrived behind the program's back shows after the reload.
    AddTask(NewTask{u"Arrived", kNoDue});
    platform::testing::AnswerMessageBox(IDYES);
    EXPECT_EQ(DeleteCompletedTsks(g_TskListState.list), 0);
    EXPECT_EQ(g_TskList.Size(), 1);
    ASSERT_EQ(g_TskRows.Size(), 1);
    EXPECT_EQ(g_TskRows[0].kind, kRowItem);
}

// A hold on a row that was not selected used to open the menu for the row selected before it.
TEST_F(TaskViewTest, HoldOnAnotherRowMakesThatRowTheMenusTask) {
    for (const char16_t* subject : {u"Alpha", u"Bravo", u"Charlie"}) AddTask(NewTask{subject, kNoDue});
    LoadTskList(1);
    ShowTskView(false);
    platform::testing::PumpUntilIdle();
    ASSERT_EQ(SelectedListRow(), 0);
    ASSERT_EQ(g_TskRows.Size(), 3);
    const LONG third = g_TskRows[2].id;
    ASSERT_NE(g_CurItem.oid, third);
    const RECT row = ListRowRect(2);
    POINT held{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(g_TskListState.list, &held);
    // The press waits in a loop of its own before the menu's loop comes; the menu is closed unused.
    std::vector<std::u16string> menu;
    std::function<void()> lookAtMenu = [&menu, &lookAtMenu] {
        menu = platform::testing::OpenMenuTexts();
        if (menu.empty()) return platform::testing::ActInsideModalLoop(lookAtMenu);
        platform::testing::Key(VK_ESCAPE);
    };
    platform::testing::ActInsideModalLoop(lookAtMenu);
    platform::testing::Hold(held.x, held.y);
    platform::testing::PumpUntilIdle();
    EXPECT_FALSE(menu.empty());
    EXPECT_EQ(SelectedListRow(), 2);
    EXPECT_EQ(g_CurItem.oid, third);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
}

// On each screen class every check box is drawn at the screen's size and centred on its row, and a
// group header's drop button (and the arrow beside it on the selected header) sits whole in the
// header band, inside the list.
TEST_F(TaskViewTest, CheckBoxesAndGroupGlyphsFitTheirRowsOnEveryScreen) {
    AddTask(NewTask{u"Renew passport", kNoDue, olImportanceHigh});
    AddTask(NewTask{u"Quarterly report", kNoDue, olImportanceNormal});
    LoadTskList(1);
    g_Settings.taskSort = kTskSortPriority;
    g_Settings.cList = 1;
    struct Case {
        int width, height, dpi;
        int check;   // the check box's side
        int button;  // the drop button's resource
    } const cases[] = {{240, 320, 96, 13, IDB_DROP_BUTTONS}, {480, 640, 192, 32, IDB_DROP_BUTTONS_VGA}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        profile.dpi = c.dpi;
        device_.SetProfile(profile);
        DestroyAllImageLists();
        CreateAllImageLists();
        DetectPlatformVersion();
        const int bar = c.height / 12;
        MoveWindow(main_, 0, bar, c.width, c.height - 2 * bar, FALSE);
        g_TskListState = TskListState();
        g_ViewWnds = ViewWindows();
        platform::testing::DrawRecord record;
        ShowTskView(false);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(g_TskListState.list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        InvalidateRect(g_TskListState.list, nullptr, TRUE);
        UpdateWindow(g_TskListState.list);
        platform::testing::PumpUntilIdle();
        RECT list{};
        GetClientRect(g_TskListState.list, &list);
        MapWindowPoints(g_TskListState.list, nullptr, reinterpret_cast<POINT*>(&list), 2);
        auto onScreen = [&](RECT r) {
            MapWindowPoints(g_TskListState.list, nullptr, reinterpret_cast<POINT*>(&r), 2);
            return r;
        };
        int buttons = 0, arrows = 0, checks = 0;
        const int rows = static_cast<int>(SendMessageW(g_TskListState.list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < rows; ++i) {
            const RECT row = onScreen(ListRowRect(i));
            for (const auto& p : record.ScreenPicturesIn(row)) {
                const RECT& r = p.rect;
                if (p.resourceId == c.button) {
                    ++buttons;
                    EXPECT_EQ(r.top, row.top + 4);
                    EXPECT_LE(r.right, list.right) << "the button is cut by the list's edge";
                } else if (p.resourceId == IDB_DROP_ARROW || p.resourceId == IDB_DROP_ARROW_VGA) {
                    ++arrows;
                } else if (p.resourceId == IDB_CHECK_GLYPHS_32 || p.resourceId == IDB_CHECK_GLYPHS_13 ||
                           p.resourceId == IDB_CHECK_GLYPHS_11) {
                    ++checks;
                    EXPECT_EQ(r.bottom - r.top, c.check);
                    EXPECT_EQ(r.right - r.left, c.check);
                    EXPECT_LE(std::abs((r.top + r.bottom) - (row.top + row.bottom)), 2) << "row " << i;
                }
            }
        }
        EXPECT_EQ(buttons, 2) << "one per group with tasks under it";
        EXPECT_EQ(arrows, 1) << "beside the selected header only";
        EXPECT_EQ(checks, 2);
    }
}

// Over a theme picture each row shows the part of the picture under it, lined up with the main window's.
TEST_F(TaskViewTest, RowsShowTheThemePictureUnderThem) {
    AddTask(NewTask{u"Water plants", kNoDue});
    LoadTskList(1);
    const ThemeRec savedTheme = g_Theme;
    const std::u16string path = u"\\My Documents\\task back.bmp";
    std::filesystem::create_directories(device_.HostPath(u"\\My Documents"));
    std::filesystem::copy_file(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp",
                               device_.HostPath(path));
    g_Theme.String(kThemeBackgroundPicture) = path;
    g_Theme.words[kThemeViewMarginSide] = 0;
    g_Theme.words[kThemeViewMarginTop] = 0;
    FreeBackPictures();
    ShowTskView(false);
    InvalidateRect(g_TskListState.list, nullptr, TRUE);
    UpdateWindow(g_TskListState.list);
    platform::testing::PumpUntilIdle();
    RECT row = ListRowRect(0);
    MapWindowPoints(g_TskListState.list, nullptr, reinterpret_cast<POINT*>(&row), 2);
    // The picture's top left corner is magenta.
    const COLORREF corner = platform::testing::ReadScreenPixel(row.left, row.top) & 0xFFFFFF;
    g_Theme = savedTheme;
    FreeBackPictures();
    EXPECT_EQ(corner, RGB(0xFF, 0x00, 0xFF));
}

TEST_F(TaskViewTest, ScreenshotOfTheTaskList) {
    AddTask(NewTask{u"Renew passport", DateRec(2026, 3, 14), olImportanceHigh, u"Home"});
    AddTask(NewTask{u"Quarterly report", kNoDue, olImportanceNormal, u"Work"});
    AddTask(NewTask{u"Old errand", kNoDue, olImportanceLow, u"", true});
    LoadTskList(1);
    g_Settings.taskSort = kTskSortPriority;
    ShowTskView(false);
    platform::testing::PumpUntilIdle();
    const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "lists_task_list.png";
    std::filesystem::create_directories(out.parent_path());
    EXPECT_TRUE(platform::testing::SaveScreenshot(out));
}

}  // namespace
