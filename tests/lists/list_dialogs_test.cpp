// The "Filter On" dialog and the "Call History" dialog run through their modal loops: the switch
// and marks that OK writes (and Cancel leaves), the refilled task list, and the calls shown for a
// contact with and without a complete phone library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/phone_lib.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/call_log.h"
#include "lists/list_commands.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_phone.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"

namespace {

class ListDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        saved_ = g_Settings;
        savedView_ = ViewId;
        g_Settings = AppSettings();
        owner_ = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 240, 268, nullptr, nullptr, nullptr, nullptr);
        g_Frame.mainWnd = owner_;
        g_CatList.RemoveAll();
        for (const char16_t* name : {u"Work", u"Home"}) {
            CatRecord record;
            record.name = name;
            g_CatList.Append(record);
        }
    }
    void TearDown() override {
        FreePhoneLib();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
        g_Frame.mainWnd = nullptr;
        DestroyWindow(owner_);
        g_Settings = saved_;
        ViewId = savedView_;
        g_CatList.RemoveAll();
        g_TskList.RemoveAll();
        g_TskRows.RemoveAll();
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        g_CallList.RemoveAll();
        g_CurItem = CurItem{};
    }
    static void MarkRow(HWND list, int row) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        NMLVKEYDOWN key{};
        key.hdr.hwndFrom = list;
        key.hdr.idFrom = IDC_FILTER_LIST;
        key.hdr.code = LVN_KEYDOWN;
        key.wVKey = VK_RIGHT;
        SendMessageW(GetParent(list), WM_NOTIFY, IDC_FILTER_LIST, reinterpret_cast<LPARAM>(&key));
    }

    platform::testing::TestDevice device_;
    AppSettings saved_;
    LONG savedView_ = 0;
    HWND owner_ = nullptr;
};

TEST_F(ListDialogsTest, FilterOkWritesSwitchAndMarksAndRefillsTheTasks) {
    ViewId = kViewTasks;
    g_Settings.globalFilter = 0;
    g_Settings.taskSort = kTskSortName;
    TskRecord task;
    task.oid = 7;
    task.categories.Append(u"Home");
    g_TskList.Append(task);
    std::u16string title;
    platform::testing::ActInsideDialog([&title](HWND dialog) {
        WCHAR text[64] = {};
        GetWindowTextW(dialog, text, 64);
        title = text;
        CheckDlgButton(dialog, IDC_FILTER_ON, BST_CHECKED);
        MarkRow(GetDlgItem(dialog, IDC_FILTER_LIST), 0);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    ShowCatFilterDlg();
    EXPECT_EQ(title, u"Category Filter - Tasks");
    EXPECT_EQ(g_Settings.taskFilterOn, 1);
    EXPECT_EQ(g_CatList[0].taskMark, 1u);
    EXPECT_EQ(g_CatList[1].taskMark, 0u);
    // The task is only in "Home", which is not marked: the list shows its nothing row.
    ASSERT_EQ(g_TskRows.Size(), 1);
    EXPECT_EQ(g_TskRows[0].kind, kRowNothing);
}

TEST_F(ListDialogsTest, FilterCancelChangesNothingAndSharedFilterMarksTheSharedValue) {
    ViewId = kViewTasks;
    g_Settings.globalFilter = 1;
    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_FILTER_ON, BST_CHECKED);
        MarkRow(GetDlgItem(dialog, IDC_FILTER_LIST), 1);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    ShowCatFilterDlg();
    EXPECT_EQ(g_Settings.globalFilterOn, 0);
    EXPECT_EQ(g_CatList[1].sharedMark, 0u);
    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_FILTER_ON, BST_CHECKED);
        MarkRow(GetDlgItem(dialog, IDC_FILTER_LIST), 1);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    ShowCatFilterDlg();
    EXPECT_EQ(g_Settings.globalFilterOn, 1);
    EXPECT_EQ(g_Settings.taskFilterOn, 1);
    EXPECT_EQ(g_CatList[1].sharedMark, 1u);
    EXPECT_EQ(g_CatList[1].taskMark, 0u);
}

// The month view lost its month title (and the filter mark) after the dialog's OK.
TEST_F(ListDialogsTest, FilterOkRenewsTheTitleOfTheViewShown) {
    const DateRec selectedBefore = g_SelectedDate;
    g_SelectedDate = DateRec(2009, 3, 11);
    ViewId = kViewMonth;
    g_Settings.globalFilter = 1;
    platform::testing::ActInsideDialog([](HWND dialog) {
        CheckDlgButton(dialog, IDC_FILTER_ON, BST_CHECKED);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    ShowCatFilterDlg();
    WCHAR title[64] = {};
    GetWindowTextW(owner_, title, 64);
    EXPECT_EQ(std::u16string(title), u"March 2009[F]");
    g_SelectedDate = selectedBefore;
}

TEST_F(ListDialogsTest, CallHistoryShowsTheContactsCallsOrNoCalls) {
    CtsRecord contact;
    contact.oid = 42;
    contact.fileAs = u"Berg, Anna";
    IdIndexInsert(42, g_CtsList.Append(contact), g_CtsIdIndex);
    g_CurItem.oid = 42;
    g_CurItem.kind = kItemContact;
    const auto rowsShown = [] {
        int rows = -1;
        platform::testing::ActInsideDialog([&rows](HWND dialog) {
            rows = static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_CALL_LIST), LVM_GETITEMCOUNT, 0, 0));
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        ShowCallHistoryDlg(g_Frame.mainWnd);
        return rows;
    };
    platform::testing::TestCall call;
    call.name = u"berg, anna";
    call.number = u"555-0100";
    platform::testing::TestCall stranger;
    stranger.number = u"555-0100";
    platform::testing::InstallPhoneLibrary(device_, {call, stranger, call});
    ASSERT_TRUE(LoadPhoneLib());
    EXPECT_EQ(rowsShown(), 2);
    EXPECT_EQ(g_CallList.Size(), 2);
    FreePhoneLib();
    // A library without the entry that reads the log: the dialog opens with its one "No Calls" row.
    platform::testing::InstallPhoneLibrary(device_, {call}, {"PhoneOpenCallLog", "PhoneCloseCallLog"});
    ASSERT_TRUE(LoadPhoneLib());
    EXPECT_EQ(rowsShown(), 1);
    EXPECT_TRUE(g_CallList.IsEmpty());
}

TEST_F(ListDialogsTest, CallHistoryWithNothingSelectedSaysSo) {
    ShowCallHistoryDlg(g_Frame.mainWnd);
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"No Item Selected.");
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
}

}  // namespace
