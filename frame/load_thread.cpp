// The background load thread: the side files and categories, then the start view's data, the
// hand-over to the main window (message 1034), the rest, and the end of loading (message 1030).
#include "frame/load_thread.h"

#include <exception>
#include <memory>

#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cmd_line.h"
#include "core/cts_loading.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/month_cache.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "core/tsk_loading.h"
#include "frame/regional_probe.h"
#include "frame/side_files.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kEndPollMs = 20;

// The start view is not shown sooner, so that the cover screen does not merely flash.
constexpr DWORD kMinCoverMs = 500;
constexpr DWORD kCoverPollMs = 20;
constexpr int kMessageChars = 256;

// Start views that show the calendar.
constexpr LONG kCalendarStartViews[] = {kStartMonth, kStartWeek, kStartDates, kStartYear, kStartDay};

struct LoadThreadArg {
    HWND mainWnd = nullptr;
};

// The step running, named in the failure message.
struct Stage {
    const WCHAR* word = u"Files";
};

bool IsCalendarStartView(LONG code) {
    for (const LONG c : kCalendarStartViews)
        if (c == code) return true;
    return false;
}

void LoadAppts(Stage& stage) {
    if (g_ApptCache.loaded || !g_Frame.loadAppts) return;
    stage.word = u"Appts";
    LoadApptsForMonth(1, 0);
    ProbeRegionalDate();
}

void LoadContacts(Stage& stage) {
    if (g_LoadState.contactsLoaded || !g_Frame.loadContacts) return;
    stage.word = u"Contacts";
    LoadCtsList(0);
}

void LoadTasks(Stage& stage) {
    if (g_LoadState.tasksLoaded || !g_Frame.loadTasks) return;
    stage.word = u"Tasks";
    LoadTskList(0);
}

void LoadSideFiles() {
    LoadTextTemplates();
    LoadLinkInfoFile();
    LoadTemplates();
    LoadCustomIconsFile();
    LoadCtsView();
    LoadSavedViews();
}

void LoadStartViewData(Stage& stage) {
    const LONG code = GetStartViewCode();
    if (IsCalendarStartView(code)) {
        LoadAppts(stage);
        if (g_Settings.dateItems != 0) LoadContacts(stage);
        if (g_Settings.scheduleTasks == 0) LoadTasks(stage);
    } else if (code == kStartTasks) {
        LoadTasks(stage);
    } else if (code == kStartContacts) {
        LoadContacts(stage);
    }
}

void ShowLoadFailure(const Stage& stage) {
    WCHAR format[kMessageChars] = {};
    WCHAR text[kMessageChars] = {};
    LoadStringW(GetModuleHandleW(nullptr), IDS_LOAD_EXCEPTION_FMT, format, kMessageChars);
    _snwprintf(text, kMessageChars - 1, format, stage.word);
    ShowMessage(nullptr, text, MB_ICONEXCLAMATION);
}

DWORD WINAPI LoadThreadProc(LPVOID param) {
    const std::unique_ptr<LoadThreadArg> arg(static_cast<LoadThreadArg*>(param));
    Stage stage;
    bool startViewSent = false;
    try {
        const DWORD start = GetTickCount();
        LoadSideFiles();
        stage.word = u"Categories";
        LoadCategories();
        ReloadCategoryAssoc();
        LoadStartViewData(stage);
        WaitOutCover(start);
        startViewSent = true;
        SendMessageW(arg->mainWnd, kMsgStartViewLoaded, 0, 0);
        LoadAppts(stage);
        LoadContacts(stage);
        LoadTasks(stage);
    } catch (...) {
        ShowLoadFailure(stage);
        g_LoadState.failed = 1;
        // Without the hand-over the cover screen would stay for good: the start view opens with
        // what was loaded.
        if (!startViewSent) {
            g_LoadState.allLoaded = 1;
            SendMessageW(arg->mainWnd, kMsgStartViewLoaded, 0, 0);
        }
    }
    g_LoadState.allLoaded = 1;
    SendMessageW(arg->mainWnd, kMsgAllLoaded, 0, 0);
    return 1;
}

}  // namespace

void StartLoadThread(HWND mainWnd) {
    auto arg = std::make_unique<LoadThreadArg>();
    arg->mainWnd = mainWnd;
    g_LoadState.thread = CreateThread(nullptr, 0, LoadThreadProc, arg.get(), CREATE_SUSPENDED, nullptr);
    if (!g_LoadState.thread) {
        MessageBoxW(mainWnd, u"Error: Load Thread Failed.", u"", MB_ICONEXCLAMATION);
        // No load will come: the window is told that loading has ended, as the thread would, so
        // the start view opens and no view waits for data.
        g_LoadState.failed = 1;
        g_LoadState.allLoaded = 1;
        PostMessageW(mainWnd, kMsgStartViewLoaded, 0, 0);
        PostMessageW(mainWnd, kMsgAllLoaded, 0, 0);
        return;
    }
    // The thread owns the block from here on.
    arg.release();
    ResumeThread(g_LoadState.thread);
}

// The last poll sleeps only what is left, so the start view does not come up to a poll late.
void WaitOutCover(DWORD start) {
    for (DWORD passed = GetTickCount() - start; passed < kMinCoverMs; passed = GetTickCount() - start)
        Sleep(kMinCoverMs - passed < kCoverPollMs ? kMinCoverMs - passed : kCoverPollMs);
}

void EndLoadThread() {
    if (!g_LoadState.thread) return;
    // The thread may still be handing its last message over: keep answering sends while it ends,
    // so that the process never ends under it.
    while (WaitForSingleObject(g_LoadState.thread, kEndPollMs) == WAIT_TIMEOUT) {
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    CloseHandle(g_LoadState.thread);
    g_LoadState.thread = nullptr;
}
