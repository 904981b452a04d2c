// The tasks view: showing it (or asking for it while the tasks load), the task list window and its
// place beside the preview pane, the refill, and the current task kept in step with the list.
#include <array>

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/list_commands.h"
#include "lists/task_view.h"
#include "platform/system.h"
#include "platform/threads.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/outline_list.h"
#include "ui/view_calls.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

TskListState g_TskListState;

namespace {

constexpr DWORD kTskListStyle = 0x40204405;  // child, scroll bar, report, single, owner-drawn, no header

// With "TASKPREVIEW" the pane takes a band at the foot of the view and the list ends 3 pixels above
// it. The band is measured up from the client bottom so that taller screens give the room to the
// list, not to a gap under the pane; VGA screens double it.
struct PaneBand {
    int height;  // from the pane's top to the client bottom
    int inset;   // from the pane's bottom to the client bottom, before the bottom margin
};
constexpr PaneBand kPortraitBand = {96, 4};
constexpr PaneBand kWideBand = {88, 2};  // landscape and square screens
constexpr int kListAbovePane = 3;
// The 176-pixel screens have a fixed place for both.
constexpr int kSmallListBottom = 121;
constexpr RECT kSmallPane = {0, 124, 176, 180};

// The pane's rectangle with the side and bottom margins taken off; the list's bottom y.
RECT PlacePreviewPane(const RECT& client, int side, int bottomMargin, int& listBottom) {
    if (IsSmallScreen176()) {
        listBottom = kSmallListBottom;
        return RECT{side, kSmallPane.top, kSmallPane.right - side, kSmallPane.bottom - bottomMargin};
    }
    const int scale = IsVgaScreen() ? 2 : 1;
    const PaneBand& band = IsPortraitScreen() ? kPortraitBand : kWideBand;
    const int top = client.bottom - band.height * scale;
    listBottom = top - kListAbovePane * scale;
    return RECT{side, top, client.right - side, client.bottom - band.inset * scale - bottomMargin};
}

void RedrawMainNow() {
    if (!g_Frame.mainWnd) return;
    InvalidateRect(g_Frame.mainWnd, nullptr, FALSE);
    UpdateWindow(g_Frame.mainWnd);
}

// The current task from the list's selection.
void TakeSelectedTask() {
    const LONG oid = OutlineGetSelId(g_TskListState.list, g_TskRows);
    g_CurItem.oid = oid;
    g_CurItem.kind = oid != -1 ? kItemTask : kItemNone;
}

void SelectOnReturn() {
    HWND list = g_TskListState.list;
    if (g_Settings.followTask != 0) {
        OutlineSelectById(list, g_TskRows, g_CurItem.oid, ScrollTo::kYes, OutlineMode::kItemLists);
        ResetTskListCache();
        return;
    }
    if (g_TskListState.rememberedOid == -1 || g_TskListState.rememberedValid == 0) {
        g_TskListState.rememberedOid = g_CurItem.oid;
    }
    OutlineSelectById(list, g_TskRows, g_TskListState.rememberedOid, ScrollTo::kYes, OutlineMode::kItemLists);
}

}  // namespace

int TskIndexFromOid(LONG oid) {
    const LONG position = IdIndexGet(oid, g_TskIdIndex);
    return position >= 0 && position < g_TskList.Size() && g_TskList[position].oid == oid ? position : -1;
}

HWND CreateTskList(HWND parent) {
    if (g_TskListState.list) return g_TskListState.list;
    RECT view{};
    GetViewRect(view);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, u"", kTskListStyle, view.left, view.top, view.right - view.left,
                                view.bottom - view.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdTasksList)), GetModuleHandleW(nullptr),
                                nullptr);
    if (!list) {
        ShowMessage(parent, u"Error: Task List Creation Error.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = (view.right - view.left) - 2 * GetThemeWord(kThemeViewMarginSide) - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SubclassOutlineList(list);
    g_TskListState.list = list;
    g_TskListState.created = 1;
    g_ViewWnds.taskList = list;
    return list;
}

void LayoutTskList(bool fitColumn) {
    HWND list = g_TskListState.list;
    if (!list) return;
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const int top = GetThemeWord(kThemeViewMarginTop);
    const int bottom = GetThemeWord(kThemeViewMarginBottom);
    const int side = GetThemeWord(kThemeViewMarginSide);
    const int width = (client.right - client.left) - 2 * side;
    if (g_Settings.taskPreview == 0) {
        MoveWindow(list, side, top, width, (client.bottom - client.top) - top - bottom, TRUE);
    } else {
        int listBottom = 0;
        g_TskListState.previewPane = PlacePreviewPane(client, side, bottom, listBottom);
        MoveWindow(list, side, top, width, listBottom - top, TRUE);
    }
    if (fitColumn) FitListColumn(list);
    EnsureSelRowVisible(list);
}

void FillTskList(bool reselect) {
    FillTskRows();
    OutlineFillList(g_TskListState.list, g_TskRows);
    if (!reselect) return;
    SelectNextListRow(g_TskListState.list, QueryOnly::kNo, RowRules::kItemLists);
    ResetTskListCache();
}

void ShowTskView(bool reselect) {
    if (g_ViewShown[ShownView::Tasks] == 0) return;
    // Waits for the load, or reads the tasks now when the load left them out.
    if (!TasksReadyOrDefer(kStartTasks)) return;
    if (!CreateTskList(g_Frame.mainWnd)) return;
    ViewId = kViewTasks;
    HideAllViewWindows();
    CreateViewMenuBar(&g_MenuBars.tasks, 0, g_Frame.mainWnd, kShowBar);
    SetViewTitle();
    g_Main.backArmed = 0;
    LayoutTskList(true);
    FillTskList(!reselect);
    if (reselect) SelectOnReturn();
    ShowWindow(g_TskListState.list, SW_SHOW);
    SetFocus(g_TskListState.list);
    RedrawMainNow();
}

void SaveTskListSel() {
    g_TskListState.rememberedValid = 0;
    if (ViewId == kViewTasks && g_Settings.followTask == 0) {
        g_TskListState.rememberedOid = OutlineGetSelId(g_TskListState.list, g_TskRows);
    } else {
        g_TskListState.rememberedOid = g_CurItem.oid;
    }
}

BOOL CheckTskSelected(BOOL tellUser) {
    TakeSelectedTask();
    if (g_CurItem.oid != -1) return TRUE;
    if (tellUser) ShowResMessage(g_Frame.mainWnd, IDS_NO_TASK_SELECTED, MB_ICONEXCLAMATION);
    return FALSE;
}

void SyncTskSelection() {
    if (OutlineGetSelId(g_TskListState.list, g_TskRows) != -1) {
        TakeSelectedTask();
        views::ShowTskPreview();
        return;
    }
    if (OutlineSelCanToggle(g_TskListState.list, g_TskRows, OutlineMode::kItemLists)) {
        OutlineToggleSel(g_TskListState.list, g_TskRows, OutlineMode::kItemLists, -1);
    }
}

void ResetTskListCache() {
    TakeSelectedTask();
    if (ViewId != kViewTasks || g_Settings.taskPreview == 0) return;
    views::ReleasePreviewBuffer();
    if (!g_ViewWnds.agendaView) views::CreateAgendaViewWnd(g_Frame.mainWnd);
    RedrawMainNow();
}

void FillTskList(LONG, LONG fillArg) { FillTskList(fillArg != 0); }

void ShowTasksView() { ShowTskView(false); }

bool TskSelRowIsItem() { return OutlineGetSelId(g_TskListState.list, g_TskRows) != -1; }

void RelayoutTaskView() { LayoutTskList(false); }
void DropTaskRowCache() { ResetTskListCache(); }
void EnsureTaskSelVisible() {
    if (g_TskListState.list) EnsureSelRowVisible(g_TskListState.list);
}
