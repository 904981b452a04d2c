// The "Select Sort" dialog run through its modal loop: the stored values of the lower task sort
// levels, OK without changes, Cancel, and the contacts view modes.
#include <gtest/gtest.h>

#include <functional>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/frame_state.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/cts_grid.h"
#include "lists/cts_recent.h"
#include "lists/cts_view.h"
#include "lists/sort_dlg.h"
#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
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
    static void Press(HWND list, UINT key) {
        NMLVKEYDOWN keyDown{};
        keyDown.hdr.hwndFrom = list;
        keyDown.hdr.idFrom = IDC_SORT_LIST;
        keyDown.hdr.code = LVN_KEYDOWN;
        keyDown.wVKey = static_cast<WORD>(key);
        SendMessageW(GetParent(list), WM_NOTIFY, IDC_SORT_LIST, reinterpret_cast<LPARAM>(&keyDown));
    }
    static std::u16string RowText(HWND list, int row) {
        WCHAR text[128] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
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
    Run(SortDlgMode::Tasks, [&shown](HWND list) { shown = RowText(list, 3); }, IDM_DLG_CANCEL);
    EXPECT_EQ(shown, u"Sort 2nd Level: Sensitivity");
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
                      Select(list, 2);
                      Press(list, VK_RIGHT);
                  },
                  IDM_DLG_CANCEL),
              kDlgCancel);
    EXPECT_EQ(g_Settings.taskSort, before.taskSort);
    EXPECT_EQ(g_Settings.taskSortAsc1, before.taskSortAsc1);
    g_TskList.RemoveAll();
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
