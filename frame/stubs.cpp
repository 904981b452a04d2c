// Stand-ins for the parts of the frame not built yet: view switching, commands (only Exit), the
// minute timer and the menu preparation.
#include "frame/frame_state.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "resources/resource.h"

void ShowMonthView() {}
void ShowWeekView() {}
void ShowDatesView() {}
void ShowDayView() {}
void ShowYearView() {}
void ShowTasksView() {}
void ShowContactsView() {}
void ShowHomeView() {}
void SelectToday() {}
void ShowTskPreviewByOid(LONG) {}
void OpenApptPreviewByOid(LONG) {}
void ShowTskPreview() {}
void ShowApptPreview() {}

// The empty view: the class background.
void PaintView(HDC dc) {
    RECT r{};
    GetClientRect(g_Frame.mainWnd, &r);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

LRESULT MainKeyDown(WPARAM) { return 0; }

LRESULT DispatchCommand(HWND window, UINT command, LPARAM) {
    if (command == IDM_EXIT) CloseMainWindowCmd(window);
    return 1;
}

void OnMinuteTimer(HWND) {}
int BackCmd(int) { return 0; }
int HotKeyToView(UINT) { return 0; }
void SetupViewMenu(HWND, HMENU) {}
void FocusCurrentView() {}
void HandBackKeyToShell() {}

bool HasTaskOnDate(const DateRec&) { return false; }
// ---- Stand-ins for the titles and the return from a detail view, called by the agenda previews.
#include "frame/view_back.h"
#include "frame/view_id.h"

void SetViewTitle() {}
void GoBackView() {
    if (g_Frame.prevViewId != kNoView) ViewId = g_Frame.prevViewId;
    ResetSelection();
}

// ---- Item actions (declared in frame/shell_actions.h), until they are built: only the phone
// dials, through its library.
#include "frame/shell_actions.h"
#include "lists/phone_lib.h"

void DialPhoneNumber(const std::u16string& number) { DialNumber(number.c_str()); }
void OpenUrlInBrowser(const std::u16string&) {}
void ComposeMail(const std::u16string&) {}
