// The main window procedure: a thin switch that hands each message to its handler, and the
// handlers of painting, owner-drawn rows, list notifications, the hardware keys, the load thread's
// hand-over and the PIM store's change notifications.
#include <string>

#include "calendar/calendar_input.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/held_message.h"
#include "core/log_file.h"
#include "core/main_messages.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "frame/change_notify.h"
#include "frame/cmd_messages.h"
#include "frame/held_changes.h"
#include "frame/load_thread.h"
#include "frame/main_window.h"
#include "frame/menu_bars.h"
#include "frame/relayout.h"
#include "frame/settings_store.h"
#include "frame/view_switch.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "notes/notes_view.h"
#include "platform/cedb.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/threads.h"
#include "platform/user.h"
#include "projects/prj_view.h"
#include "ui/help.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/view_windows.h"
#include "wallet/wlt_view.h"


namespace {

// Database notification types.
constexpr UINT kDbRecordCreated = 1025;
constexpr UINT kDbRecordDeleted = 1027;
constexpr UINT kDbRecordChanged = 1030;

// POOM folder notifications, local and remote.
constexpr UINT kPoomItemCreated = 33024;
constexpr UINT kPoomItemDeleted = 33025;
constexpr UINT kPoomItemChanged = 33026;
constexpr UINT kPoomItemCreatedRemote = 33029;
constexpr UINT kPoomItemDeletedRemote = 33030;
constexpr UINT kPoomItemChangedRemote = 33031;

constexpr UINT kVkBack = VK_ESCAPE;
constexpr UINT kVkTalk = VK_F3;

constexpr int kNotesRowStyle = 1;
constexpr int kKeyLogChars = 64;

LRESULT OnMainDestroy() {
    ShutdownCleanup();
    PostQuitMessage(0);
    return 1;
}

// A close from outside (the shell, another program) while the load thread still fills the records
// would end the program under that thread: it waits for the load like the Exit command.
LRESULT OnMainClose(HWND window, WPARAM wParam, LPARAM lParam) {
    if (g_LoadState.thread && !g_LoadState.allLoaded) {
        CloseMainWindowCmd(window);
        return 0;
    }
    return DefWindowProcW(window, WM_CLOSE, wParam, lParam);
}

LRESULT OnMainPaint(HWND window) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window, &ps);
    PaintView(dc);
    EndPaint(window, &ps);
    if (g_Main.loadPending) {
        StartLoadThread(window);
        g_Main.loadPending = 0;
    }
    return 1;
}

LRESULT OnMainDrawItem(LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlType != ODT_LISTVIEW) return 1;
    if (item.hwndItem == nullptr) return 1;
    if (item.hwndItem == g_ViewWnds.contactsList)
        PaintCtsView(item);
    else if (item.hwndItem == g_ViewWnds.taskList)
        PaintTskView(item);
    else if (item.hwndItem == g_ViewWnds.scheduleList)
        DrawSchedItem(item);
    else if (item.hwndItem == g_ViewWnds.notesList)
        DrawItemListRow(item, g_ViewWnds.notesList, kNotesRowStyle);
    return 1;
}

LRESULT OnMainMeasureItem(HWND window, WPARAM wParam, LPARAM lParam) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure.CtlType != ODT_LISTVIEW) return 1;
    switch (measure.CtlID) {
    case kIdContactsList: MeasureCtsRow(measure); return 1;
    case kIdTasksList: GetTskListMetrics(measure); return 1;
    case kIdNotesList:
        if (!IsVgaScreen()) break;
        MeasureNotesListRow(measure);
        return 1;
    case kIdScheduleList: MeasureSchedRow(measure); return 1;
    default: break;
    }
    return DefWindowProcW(window, WM_MEASUREITEM, wParam, lParam);
}

UINT KeyOf(const NMHDR& header) { return reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey; }
// The trees send their own key notification, not the list view's.
UINT TreeKeyOf(const NMHDR& header) { return reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey; }
UINT KeyFlagsOf(const NMHDR& header) { return reinterpret_cast<const NMLVKEYDOWN&>(header).flags; }

void LogTestKey(UINT key, UINT flags) {
    WCHAR line[kKeyLogChars] = {};
    _snwprintf(line, kKeyLogChars - 1, u"%d - %c (f:%d)", static_cast<int>(key), static_cast<int>(key),
               static_cast<int>(flags));
    WriteLog(line);
}

LRESULT OnMainNotify(HWND window, WPARAM wParam, LPARAM lParam) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    switch (static_cast<int>(wParam)) {
    case kIdWalletTree:
        if (header.code == NM_RETURN) {
            if (ShowWltView()) return 1;
            MarkWalletActivity();
        } else if (header.code == TVN_KEYDOWN) {
            if (HotKeyToView(TreeKeyOf(header))) return 1;
            MarkWalletActivity();
        }
        break;
    case kIdProjectTree:
        if (header.code == NM_RETURN) {
            if (PrjTreeMenuCmd(1)) return 0;
        } else if (header.code == TVN_KEYDOWN) {
            if (HotKeyToView(TreeKeyOf(header))) return 1;
        }
        break;
    case kIdContactsList:
        if (header.code == LVN_KEYDOWN) {
            if (g_Main.keyboardTestMode) LogTestKey(KeyOf(header), KeyFlagsOf(header));
            if (OnCtsKey(KeyOf(header), KeyFlagsOf(header))) return 1;
        }
        break;
    default: break;
    }
    return DefWindowProcW(window, WM_NOTIFY, wParam, lParam);
}

LRESULT OnMainKeyDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (MainKeyDown(wParam)) return 1;
    return DefWindowProcW(window, WM_KEYDOWN, wParam, lParam);
}

LRESULT OnMainTimer(HWND window, WPARAM id) {
    if (id == kWalletLockTimerId)
        WalletLockTick();
    else
        OnMinuteTimer(window);
    return 1;
}

void OnBackKey() {
    if (BackCmd(1)) return;
    if (!g_Main.backArmed) {
        g_Main.backArmed = 1;
        return;
    }
    HandBackKeyToShell();
    g_Main.backArmed = 0;
}

void OnTalkKey() {
    if (ViewId == kViewContacts) {
        FetchSelContactQuiet();
        RunCtsDefaultAction();
    } else if (ViewId == kViewContactPreview) {
        RunCtsDefaultAction();
    }
}

LRESULT OnMainHotKey(LPARAM lParam) {
    switch (HIWORD(lParam)) {
    case kVkBack: OnBackKey(); break;
    case kVkTalk: OnTalkKey(); break;
    default: break;
    }
    return 1;
}

// The load thread fills the lists these handlers change: while it runs they wait.
LRESULT OnPimChange(PimChangeHandler handler, WPARAM oid, LPARAM folderId) {
    if (HoldChangeWhileLoading(handler, oid, folderId)) return 1;
    return handler(oid, folderId);
}

LRESULT OnPimDbNotify(WPARAM wParam, LPARAM lParam) {
    auto* notification = reinterpret_cast<CENOTIFICATION*>(lParam);
    LRESULT result = 1;
    if (notification) {
        const auto parent = static_cast<LPARAM>(notification->oidParent);
        switch (notification->uType) {
        case kDbRecordCreated: result = OnPimChange(OnPimRecordCreated, wParam, parent); break;
        case kDbRecordDeleted: result = OnPimChange(OnPimRecordDeleted, wParam, parent); break;
        case kDbRecordChanged: result = OnPimChange(OnPimRecordChanged, wParam, parent); break;
        default: break;
        }
    }
    CeFreeNotification(&g_Main.pimVolNotifyRequest, notification);
    return result;
}

// The pending command: close the program, or the view of its start-view code.
void RunPendingViewCmd(LONG code) {
    if (code == kPendingClose)
        CloseMainWindowCmd(g_Frame.mainWnd);
    else
        ShowPendingView(code);
}

LRESULT OnAllLoaded() {
    // The busy pointer a view set while it waited for its data goes with the load.
    SetCursor(nullptr);
    ReplayHeldChanges();
    // An empty list says that no contact has a date only when the contacts were read.
    if (g_Settings.firstRun && g_LoadState.contactsLoaded && g_AnnivList.IsEmpty()) {
        g_Settings.dateItems = 0;
        SaveSettings();
    }
    if (PendingViewCmd != kNoPendingCmd) {
        const LONG code = PendingViewCmd;
        // Cleared first: the close command below destroys the window.
        PendingViewCmd = kNoPendingCmd;
        RunPendingViewCmd(code);
    }
    return 1;
}

LRESULT OnStartViewLoaded() {
    if (g_LoadState.thread) SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_LOWEST);
    ApplyStartView();
    return 1;
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:           return OnMainCreate(hwnd);
    case WM_DESTROY:          return OnMainDestroy();
    case WM_SIZE:             RelayoutViewsOnRotate(); return 1;
    case WM_ACTIVATE:         return 1;
    case WM_CLOSE:            return OnMainClose(hwnd, wp, lp);
    case WM_PAINT:            return OnMainPaint(hwnd);
    case WM_ERASEBKGND:       return 1;  // the views paint the whole area
    case WM_DRAWITEM:         return OnMainDrawItem(lp);
    case WM_MEASUREITEM:      return OnMainMeasureItem(hwnd, wp, lp);
    case WM_NOTIFY:           return OnMainNotify(hwnd, wp, lp);
    case WM_HELP:             ShowHelp(hwnd); return 1;
    case WM_KEYDOWN:          return OnMainKeyDown(hwnd, wp, lp);
    case WM_COMMAND:          return DispatchCommand(hwnd, LOWORD(wp), lp);
    case WM_TIMER:            return OnMainTimer(hwnd, wp);
    case WM_INITMENUPOPUP:    SetupViewMenu(hwnd, reinterpret_cast<HMENU>(wp)); return 1;
    case WM_MOUSEMOVE:        MoveDragImage(lp); return 1;
    case WM_LBUTTONDOWN:      CalendarStylusDown(lp); return 1;
    case WM_LBUTTONUP:        CalendarStylusUp(lp); return 1;
    case WM_LBUTTONDBLCLK:    CalendarDoubleTap(lp); return 1;
    case WM_HOTKEY:           return OnMainHotKey(lp);
    case kMsgPimDbNotify:     return OnPimDbNotify(wp, lp);
    case kMsgAllLoaded:       return OnAllLoaded();
    case kMsgStartViewLoaded: return OnStartViewLoaded();
    case kMsgShowHeldMessages: ShowHeldMessages(); return 1;
    case kPoomItemCreated:
    case kPoomItemCreatedRemote: return OnPimChange(OnPimRecordCreated, wp, lp);
    case kPoomItemDeleted:
    case kPoomItemDeletedRemote: return OnPimChange(OnPimRecordDeleted, wp, lp);
    case kPoomItemChanged:
    case kPoomItemChangedRemote: return OnPimChange(OnPimRecordChanged, wp, lp);
    }
    if (IsCmdLineMessage(msg)) return OnCmdLineMessage(hwnd, msg, wp, lp);
    return DefWindowProcW(hwnd, msg, wp, lp);
}
