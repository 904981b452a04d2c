// The main window's class, its creation sequence, the theme fonts and back buffers it owns, the
// close command and the shutdown that undoes the creation.
#include "frame/main_window.h"

#include "calendar/calendar_input.h"
#include "calendar/calendar_state.h"
#include "calendar/month_view.h"
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/date_rec.h"
#include "core/file_types.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/month_cache.h"
#include "core/os_version.h"
#include "core/phone_lib.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "extras/theme.h"
#include "frame/frame_hooks.h"
#include "frame/load_thread.h"
#include "frame/menu_bars.h"
#include "frame/settings_store.h"
#include "lists/cts_view.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/image_lists.h"
#include "wallet/wlt_view.h"

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

constexpr UINT kMainClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
constexpr DWORD kMainWindowStyle = WS_CLIPCHILDREN | WS_VSCROLL;


constexpr const WCHAR* kPimVolMountFailed = u"Pim.vol mounting failed";

constexpr DWORD kNotifyRequestSize = sizeof(CENOTIFYREQUEST);

// "STARTWEEKMON" values of the week view's first day.
constexpr LONG kWeekStartsMonday = 1;
constexpr LONG kWeekStartsSunday = 2;

void ReleaseBuffers() {
    DropMonthGridCache();
    for (OffscreenBuffer& buffer : g_Main.backBuffers) ReleaseOffscreen(buffer);
    ReleaseOffscreen(g_Main.mainBuffer);
}

// Loads that no shown view needs are switched off.
void SwitchOffUnneededLoads() {
    if (!g_ViewShown[ShownView::Tasks] && g_Settings.scheduleTasks) g_Frame.loadTasks = 0;
    if (!g_ViewShown[ShownView::Contacts] && !g_Settings.dateItems) g_Frame.loadContacts = 0;
    if (!g_ViewShown[ShownView::Dates] && !g_ViewShown[ShownView::Month] && !g_ViewShown[ShownView::Week])
        g_Frame.loadAppts = 0;
}

void LoadStartTheme() {
    if (g_CmdLine.themeFile) {
        LoadThemeFile(g_Frame.themeFilePath);
        SaveThemeFile(u"");
        g_CmdLine.themeFile = 0;
    } else {
        LoadThemeFile(u"");
    }
}

void SetStartDates() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    g_SelectedDate = DateRec(now.wYear, now.wMonth, now.wDay);
    switch (g_Settings.startWeekMon) {
    case kWeekStartsMonday: WeekStartMonday(now.wYear, now.wMonth, now.wDay, WeekViewStart); break;
    case kWeekStartsSunday: WeekStartSunday(now.wYear, now.wMonth, now.wDay, WeekViewStart); break;
    default: WeekViewStart = DateRec(now); break;
    }
}

}  // namespace

ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.style = kMainClassStyle;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kMainWndClass;
    return RegisterClassW(&wc);
}

BOOL InitInstance(HINSTANCE instance, int show) {
    g_Main.instance = instance;
    WCHAR title[kTitleChars] = {};
    LoadStringW(instance, IDS_PRODUCT_TITLE, title, kTitleChars);
    RegisterMainClass(instance);
    const HWND window = CreateWindowExW(0, kMainWndClass, title, kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    g_Frame.mainWnd = window;
    ShowWindow(window, show);
    UpdateWindow(window);
    CENOTIFYREQUEST& request = g_Main.pimVolNotifyRequest;
    request = {};
    request.dwSize = kNotifyRequestSize;
    request.hwnd = window;
    request.dwFlags = CEDB_EXNOTIFICATION;
    return 1;
}

LRESULT OnMainCreate(HWND window) {
    SetPlatformDefaults();
    g_Main.phoneLibMissing = LoadPhoneLib() ? 0 : 1;
    ReadViewShownFlags(g_ViewShown);
    LoadSettings();
    LoadStartTheme();
    SwitchOffUnneededLoads();
    const bool fastClock = g_Settings.clockTitle != 0 || ViewId == kViewSpinner;
    SetTimer(window, kClockTimerId, fastClock ? kFastClockPeriodMs : kClockPeriodMs, nullptr);
    DateRec now;
    DateNow(now);
    g_Main.todayDay = now.wDay;
    g_Main.todayMinute = now.wMinute;
    SetYearViewToday();
    CreateThemeFonts();
    ResetFieldListStack();
    RegisterWltFileType();
    RegisterTxtAssoc();
    RegisterThemeFileType();
    CreateViewMenuBar(&g_MenuBars.month, kUseDefaultBar, window, kShowBar);
    SetStartDates();
    ResetContactSortState();
    StartPoomSession(window);
    CreateAllImageLists();
    if (!MountPimVol(g_PimVol)) MessageBoxW(nullptr, kPimVolMountFailed, kProgramTitle, MB_OK);
    DeleteLeftoverUpdate();
    return 0;
}

void frame::FreeBackBuffers() {
    for (OffscreenBuffer& buffer : g_Main.backBuffers) {
        buffer.width = 0;
        buffer.height = 0;
        ReleaseOffscreenB(buffer);
    }
    DropMonthGridCache();
    ResetAgendaScroll();
}

void frame::CloseMainWindowCmd(HWND window) {
    // Without a load thread (it could not be made) no load will end: the close cannot wait for one.
    if (!g_LoadState.allLoaded && g_LoadState.thread) {
        // The close waits for the load; message 1030 runs it again.
        if (g_LoadState.thread) SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_NORMAL);
        PendingViewCmd = kPendingClose;
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return;
    }
    DestroyViewMenuBars();
    DestroyWindow(window);
}

void ShutdownCleanup() {
    SaveLastForStart();
    KillTimer(g_Frame.mainWnd, kClockTimerId);
    ShutdownWlt();
    DestroyAllImageLists();
    DeleteThemeFonts();
    DeleteThemePictures();
    ClearApptMonthCache();
    ReleaseBuffers();
    FreePhoneLib();
    EndPoomSession();
    if (IsOsMajor5OrLater()) UnmountPimVol(g_PimVol);
}
