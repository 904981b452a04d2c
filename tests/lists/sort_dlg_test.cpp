// The "Select Sort" dialog run through its modal loop: the stored values of the lower task sort
// levels, OK without changes, Cancel, and the contacts view modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/frame_state.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "editors/sort_dlg.h"
#include "lists/cts_grid.h"
#include "lists/cts_recent.h"
#include "lists/cts_view.h"
#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/testing_display.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"

namespace {

class SortDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        saved_ = g_Settings;
        g_Settings = AppSettings();
        owner_ = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 240, 268, nullptr, nullptr, nullptr, nullptr);
        g_Frame.mainWnd = owner_;
    }
    void TearDown() override {
        platform::testing::ClearDialogs();
        g_Frame.mainWnd = nullptr;
        DestroyWindow(owner_);
        g_Settings = saved_;
        g_CtsRows.RemoveAll();
        g_CtsViewPairs.RemoveAll();
    }
    // Runs the dialog; inside it, `act` gets the list and the dialog is ended with `command`.
    static INT_PTR Run(SortDlgMode mode, std::function<void(HWND list)> act, UINT command) {
        platform::testing::ActInsideDialog([act, command](HWND dialog) {
            act(GetDlgItem(dialog, IDC_SORT_LIST));
            SendMessageW(dialog, WM_COMMAND, command, 0);
        });
        return SortDlg(mode);
    }
    static void Select(HWND list, int row) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
    // A key of the device, as the user presses it with the list focused.
    static void Press(HWND list, UINT key) {
        SetFocus(list);
        platform::testing::Key(key);
        platform::testing::PumpUntilIdle();
    }
    // The choice a field row shows.
    static std::u16string RowChoice(int row) {
        const ValSnap& snap = g_SortDlg.taskSortFields[row];
        return snap.choices[snap.indexValue];
    }

    platform::testing::TestDevice device_;
    AppSettings saved_;
    HWND owner_ = nullptr;
};

TEST_F(SortDlgTest, LowerLevelsStoreTheirChoiceAroundCategory) {
    struct Case {
        LONG index;
        LONG stored;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(SortLevelStoredValue(c.index), c.stored);
        EXPECT_EQ(SortLevelIndex(c.stored), c.index);
    }
}

TEST_F(SortDlgTest, SecondLevelSensitivityIsStoredAsThreeAndShownAgain) {
    g_Settings.taskSort2 = 0;
    const INT_PTR result = Run(
        SortDlgMode::Tasks,
        [](HWND list) {
            Select(list, 3);  // "Sort 2nd Level"
            Press(list, VK_RIGHT);
            Press(list, VK_RIGHT);
        },
        IDM_DLG_DONE);
    EXPECT_EQ(result, kDlgAccept);
    EXPECT_EQ(g_Settings.taskSort2, 3);
    std::u16string shown;
    Run(SortDlgMode::Tasks, [&shown](HWND) { shown = RowChoice(3); }, IDM_DLG_CANCEL);
    EXPECT_EQ(shown, u"Sensitivity");
}

TEST_F(SortDlgTest, OkWithoutChangesReloadsNothingAndCancelKeepsEverything) {
    TskRecord marker;
    marker.oid = 777;
    g_TskList.RemoveAll();
    g_TskList.Append(marker);
    EXPECT_EQ(Run(SortDlgMode::Tasks, [](HWND) {}, IDM_DLG_DONE), kDlgAccept);
    // A reload would have replaced the array with the store's (empty) tasks.
    ASSERT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(g_TskList[0].oid, 777);
    const AppSettings before = g_Settings;
    EXPECT_EQ(Run(
                  SortDlgMode::Tasks,
                  [](HWND list) {
                      Select(list, 1);
                      Press(list, VK_RIGHT);
                      Select(list, 3);
                      Press(list, VK_LEFT);
                  },
                  IDM_DLG_CANCEL),
              kDlgCancel);
    EXPECT_EQ(g_Settings.taskSort, before.taskSort);
    EXPECT_EQ(g_Settings.taskSort2, before.taskSort2);
    g_TskList.RemoveAll();
}

// The task levels are field rows: each caption and its value drawn apart, the choices with their
// arrows; Right on a level draws its next choice.
TEST_F(SortDlgTest, TaskLevelsAreDrawnAsFieldRows) {
    std::vector<std::u16string> before;
    std::vector<std::u16string> after;
    int arrows = 0;
    Run(
        SortDlgMode::Tasks,
        [&](HWND list) {
            platform::testing::DrawRecord record;
            InvalidateRect(list, nullptr, TRUE);
            UpdateWindow(list);
            for (const auto& text : record.TextsDrawn()) before.push_back(text.text);
            for (const auto& picture : record.PicturesDrawn())
                if (picture.index == kStripArrowLeft || picture.index == kStripArrowRight) ++arrows;
            Select(list, 1);
            record.Clear();
            Press(list, VK_RIGHT);
            UpdateWindow(list);
            for (const auto& text : record.TextsDrawn()) after.push_back(text.text);
        },
        IDM_DLG_CANCEL);
    const auto shows = [](const std::vector<std::u16string>& texts, const std::u16string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    // The default levels: Priority, Name, Completed.
    for (const WCHAR* text : {u"Sort Tasks", u"Sort 1st Level", u"Priority", u"Sort 2nd Level", u"Name",
                              u"Sort 3rd Level", u"Completed", u"Ascending"})
        EXPECT_TRUE(shows(before, text)) << platform::ToUtf8(text);
    EXPECT_FALSE(shows(before, u"Sort 1st Level: Priority"));
    EXPECT_EQ(arrows, 3 * 2);
    EXPECT_TRUE(shows(after, u"Category"));
}

TEST_F(SortDlgTest, ContactsModeChoosesTheViewMode) {
    EXPECT_EQ(Run(SortDlgMode::Contacts, [](HWND list) { Select(list, 3); }, IDM_DLG_DONE), kDlgAccept);
    EXPECT_EQ(g_Settings.contactSort, kCtsModeRecent);
    EXPECT_EQ(g_Settings.contactSortMirror, kCtsModeRecent);
    // The view shows the recently viewed contacts: none yet.
    ASSERT_EQ(g_CtsRows.Size(), 1);
    EXPECT_EQ(g_CtsRows[0].kind, kRowNothing);
    EXPECT_EQ(Run(SortDlgMode::Contacts, [](HWND list) { Select(list, 2); }, IDM_DLG_CANCEL), kDlgCancel);
    EXPECT_EQ(g_Settings.contactSort, kCtsModeRecent);
}

}  // namespace
