// The pen and key handling that the outline lists share: taps select rows and fold headers in their
// toggle strip, a hold shows the item menu, Enter activates the row, the arrows move by the outline
// rules, fold headers, change a contact's default field or step the day view's date.
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/calendar_nav.h"
#include "core/cts_fields.h"
#include "core/view_id.h"
#include "frame/frame_hooks.h"
#include "lists/cts_grid.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "notes/notes_view.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "projects/links_key.h"
#include "ui/agenda_services.h"
#include "ui/frame_calls.h"
#include "ui/list_subclass.h"
#include "ui/list_view_calls.h"
#include "ui/outline_list.h"
#include "ui/subclass.h"
#include "ui/view_windows.h"

namespace {

enum class OutlineKind { kTasks, kSchedule, kContacts, kNotes, kOther };

OutlineKind KindOf(HWND list) {
    if (!list) return OutlineKind::kOther;
    if (list == g_ViewWnds.taskList) return OutlineKind::kTasks;
    if (list == g_ViewWnds.scheduleList) return OutlineKind::kSchedule;
    if (list == g_ViewWnds.contactsList) return OutlineKind::kContacts;
    if (list == g_ViewWnds.notesList) return OutlineKind::kNotes;
    return OutlineKind::kOther;
}

OutlineMode ModeOf(OutlineKind kind) {
    return kind == OutlineKind::kSchedule ? OutlineMode::kSchedule : OutlineMode::kItemLists;
}

POINT ScreenPoint(HWND list, POINT point) {
    ClientToScreen(list, &point);
    return point;
}

void ShowItemMenuAt(HWND list, POINT point) {
    const POINT screen = ScreenPoint(list, point);
    ShowSoftKeyPopup(screen.x, screen.y);
}

void EnterAction(OutlineKind kind) {
    switch (kind) {
    case OutlineKind::kNotes: OpenSelNotesRow(); break;
    case OutlineKind::kContacts: SelectCurCts(); break;
    case OutlineKind::kSchedule: OpenSchedSel(); break;
    case OutlineKind::kTasks: SyncTskSelection(); break;
    case OutlineKind::kOther: break;
    }
}

// Left or Right on one of the three outline lists; always consumed.
void SideKey(HWND list, OutlineKind kind, ListRowArray& entries, bool forward) {
    const OutlineMode mode = ModeOf(kind);
    if (kind == OutlineKind::kSchedule && ViewId == kViewDay) {
        if (forward) {
            DateNextDay();
        } else {
            DatePrevDay();
        }
        FillSchedDay();
        SelectNextListRow(list, QueryOnly::kNo, RowRules::kSchedule);
        return;
    }
    if (OutlineSelCanToggle(list, entries, mode)) {
        OutlineToggleSel(list, entries, mode, -1);
        return;
    }
    const LONG id = OutlineGetSelId(list, entries);
    if (id == -1) return;
    if (kind == OutlineKind::kContacts) {
        if (forward) {
            NextCtsDefField(id);
        } else {
            PrevCtsDefField(id);
        }
        RedrawSelRow(list);
    } else if (kind == OutlineKind::kTasks) {
        ToggleTskComplete(id);
    }
}

// Keys other than Enter and the arrows: the handlers in order, the first that takes the key wins.
int OtherKey(OutlineKind kind, UINT key) {
    switch (kind) {
    case OutlineKind::kNotes: return HotKeyToView(key) ? 1 : 0;
    case OutlineKind::kSchedule:
        if (TodayKeyCmd(key)) return 1;
        [[fallthrough]];
    case OutlineKind::kTasks:
        if (HotKeyToView(key)) return 1;
        if (HandleLinksKey(key)) return 1;
        return ToggleSplitMonth(static_cast<LONG>(key)) ? 1 : 0;
    default: return 0;
    }
}

}  // namespace

ListRowArray* OutlineEntriesOf(HWND list) {
    switch (KindOf(list)) {
    case OutlineKind::kTasks: return &g_TskRows;
    case OutlineKind::kSchedule: return &g_SchedRows;
    case OutlineKind::kContacts: return &g_CtsRows;
    default: return nullptr;
    }
}

int OutlineTapHold(HWND list, POINT point) {
    SHRGINFO gesture{sizeof(SHRGINFO), list, point, SHRG_RETURNCMD};
    const bool hold = SHRecognizeGesture(&gesture) == GN_CONTEXTMENU;
    const OutlineKind kind = KindOf(list);
    ListRowArray* entries = OutlineEntriesOf(list);
    if (!entries) {
        if (!hold) return 0;
        if (ListTapSelect(list, point)) RedrawSelRow(list);
        return 1;
    }
    const OutlineMode mode = ModeOf(kind);
    if (hold) {
        // The menu acts on the selection: the held row must become it first, or the menu would act
        // on whichever row was selected before.
        if (OutlineTapRow(list, point, *entries, mode)) {
            RedrawSelRow(list);
            if (kind == OutlineKind::kTasks) DropTaskRowCache();
        }
        if (kind == OutlineKind::kTasks) CheckTskSelected(FALSE);
        if (kind == OutlineKind::kSchedule) SyncSchedSel();
        if (kind == OutlineKind::kContacts) FetchSelContactQuiet();
        ShowItemMenuAt(list, point);
        return 1;
    }
    if (OutlineTapRow(list, point, *entries, mode)) {
        RedrawSelRow(list);
        if (kind == OutlineKind::kTasks) DropTaskRowCache();
    }
    OutlineTapToggleZone(point.x, point.y, list, *entries, mode);
    if (kind == OutlineKind::kTasks) TskListTapTest(point.x, point.y);
    if (kind == OutlineKind::kSchedule) SchedListTap(point.x, point.y);
    return 1;
}

int OutlineKeyDown(HWND list, UINT key) {
    const OutlineKind kind = KindOf(list);
    if (key == VK_RETURN) {
        EnterAction(kind);
        return 1;
    }
    ListRowArray* entries = OutlineEntriesOf(list);
    const bool arrow = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
    if (arrow) {
        if (!entries) return 0;
        const RowRules rules = ModeOf(kind);
        if (key == VK_UP) SelectPrevListRow(list, QueryOnly::kNo, rules);
        if (key == VK_DOWN) SelectNextListRow(list, QueryOnly::kNo, rules);
        if (key == VK_LEFT || key == VK_RIGHT) SideKey(list, kind, *entries, key == VK_RIGHT);
        if (kind == OutlineKind::kTasks && (key == VK_UP || key == VK_DOWN)) DropTaskRowCache();
        return 1;
    }
    return OtherKey(kind, key);
}

LRESULT CALLBACK OutlineListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
        ListTapStart(window, point);
        if (OutlineTapHold(window, point)) return 0;
        return CallPrevWndProc(window, message, wParam, lParam);
    case WM_LBUTTONUP: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        ListTapEnd(window, point);
        return result;
    }
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        EnterAction(KindOf(window));
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = CallPrevWndProc(window, message, wParam, lParam);
        ListTapMove(window, point);
        return result;
    }
    case WM_ERASEBKGND:
        EraseListBkgnd(reinterpret_cast<HDC>(wParam), window);
        return 0;
    case WM_KEYDOWN:
        ListArrowRedraw(window, static_cast<UINT>(wParam));
        if (OutlineKeyDown(window, static_cast<UINT>(wParam))) return 0;
        return CallPrevWndProc(window, message, wParam, lParam);
    default: return CallPrevWndProc(window, message, wParam, lParam);
    }
}

HRESULT frame::SubclassOutlineList(HWND window) { return InstallSubclass(window, OutlineListProc); }
