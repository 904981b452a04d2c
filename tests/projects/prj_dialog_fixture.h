// What the tests of the link dialogs share: a device with the program folder and resources, an owner
// window, loaded tasks and contacts put straight into the program's arrays, and list reading.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cts_loading.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/id_index.h"
#include "core/link_table.h"
#include "core/tsk_loading.h"
#include "platform/commctrl.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "tests/projects/prj_device.h"

namespace prjtest {

inline LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Row {
    std::u16string text;
    int image;
    LONG data;
};

inline std::vector<Row> ListRows(HWND list) {
    std::vector<Row> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        WCHAR text[600] = {};
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 600;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back(Row{text, item.iImage, static_cast<LONG>(item.lParam)});
    }
    return rows;
}

inline void SelectRow(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
}

class PrjDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterQuorviaResources());
        InitCommonControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = u"QvPrjDialogOwner";
        RegisterClassW(&wc);
        owner_ = CreateWindowExW(0, wc.lpszClassName, u"Owner", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                 nullptr, nullptr);
        SYSTEMTIME now{2026, 3, 2, 3, 9, 0, 0, 0};
        platform::testing::FreezeClock(now);
        ClearItems();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
    }
    void TearDown() override {
        DestroyWindow(owner_);
        ClearItems();
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
        platform::testing::ThawClock();
    }
    static void ClearItems() {
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        g_LinkTable.RemoveAll();
        ResetSelection();
    }
    static void AddTask(LONG oid, const std::u16string& subject) {
        TskRecord task;
        task.oid = oid;
        task.subject = subject;
        IdIndexInsert(oid, g_TskList.Append(task), g_TskIdIndex);
    }
    static void AddContact(LONG oid, const std::u16string& first, const std::u16string& last) {
        CtsRecord contact;
        contact.oid = oid;
        contact.firstName = first;
        contact.lastName = last;
        contact.fileAs = last + u", " + first;
        IdIndexInsert(oid, g_CtsList.Append(contact), g_CtsIdIndex);
    }

    PrjDevice device;
    HWND owner_ = nullptr;
};

}  // namespace prjtest
