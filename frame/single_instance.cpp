// The single-instance check and the hand-over. The mutex is made afresh on every attempt, so that
// a start that finds the running instance just ending becomes the first instance itself.
#include "frame/single_instance.h"

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "frame/settings_store.h"
#include "platform/kernel.h"
#include "platform/threads.h"
#include "platform/user.h"

namespace {

constexpr int kInstanceAttempts = 5;
constexpr DWORD kSecondLookDelayMs = 500;
// The low bit brings the running window's owned windows forward as well.
constexpr ULONG_PTR kForegroundWithOwned = 1;

enum class HandOver { Plain, Contacts, WithOid };

struct HandOverRow {
    LONG CmdLineFlags::*word;  // null: the row always applies
    UINT message;
    HandOver kind;
};

// The first row whose switch is present gives the one message sent.
constexpr HandOverRow kHandOverRows[] = {
    {&CmdLineFlags::tasks, kMsgCmdTasks, HandOver::Plain},
    {&CmdLineFlags::contacts, kMsgCmdContacts, HandOver::Contacts},
    {&CmdLineFlags::spin, kMsgCmdSpinner, HandOver::Plain},
    {&CmdLineFlags::project, kMsgCmdProject, HandOver::Plain},
    {&CmdLineFlags::today, kMsgCmdToday, HandOver::Plain},
    {&CmdLineFlags::week, kMsgCmdWeek, HandOver::Plain},
    {&CmdLineFlags::month, kMsgCmdMonth, HandOver::Plain},
    {&CmdLineFlags::taskOid, kMsgCmdTaskOid, HandOver::WithOid},
    {&CmdLineFlags::apptOid, kMsgCmdApptOid, HandOver::WithOid},
    {&CmdLineFlags::newAppt, kMsgCmdNewAppt, HandOver::Plain},
    {&CmdLineFlags::newTsk, kMsgCmdNewTsk, HandOver::Plain},
    {&CmdLineFlags::schedule, kMsgCmdSchedule, HandOver::Plain},
    {&CmdLineFlags::txtFile, kMsgCmdTxtFile, HandOver::Plain},
    {&CmdLineFlags::notes, kMsgCmdNotes, HandOver::Plain},
    {&CmdLineFlags::themeFile, kMsgCmdThemeFile, HandOver::Plain},
    {&CmdLineFlags::wltFile, kMsgCmdWltFile, HandOver::Plain},
    {&CmdLineFlags::wallet, kMsgCmdWallet, HandOver::Plain},
    {nullptr, kMsgCmdNone, HandOver::Plain},
};

HWND FindRunningWindow(const WCHAR* name) {
    HWND window = FindWindowW(name, nullptr);
    if (window == nullptr) {
        Sleep(kSecondLookDelayMs);
        window = FindWindowW(name, nullptr);
    }
    return window;
}

}  // namespace

LRESULT SendCmdLineToRunningWnd(HWND window) {
    for (const HandOverRow& row : kHandOverRows) {
        if (row.word != nullptr && g_CmdLine.*row.word == 0) continue;
        switch (row.kind) {
        case HandOver::Plain: return SendMessageW(window, row.message, 0, 0);
        case HandOver::WithOid: return SendMessageW(window, row.message, 0, g_CurItem.oid);
        case HandOver::Contacts:
            if (g_Settings.startContactSpin != 0 && g_CmdLine.force == 0) {
                return SendMessageW(window, kMsgCmdSpinner, kSpinnerOnContacts, 0);
            }
            return SendMessageW(window, row.message, 0, 0);
        }
    }
    return 0;
}

HRESULT CheckSingleInstance(const WCHAR* name, int& otherRuns) {
    otherRuns = 0;
    for (int attempt = 0; attempt < kInstanceAttempts; ++attempt) {
        g_CmdLine.mutex = CreateMutexW(nullptr, FALSE, name);
        if (g_CmdLine.mutex == nullptr) return E_FAIL;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return S_OK;
        CloseHandle(g_CmdLine.mutex);
        g_CmdLine.mutex = nullptr;

        const HWND running = FindRunningWindow(name);
        if (running == nullptr) continue;
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | kForegroundWithOwned));
        // The contacts switch needs "STARTCONTACTSPIN" to choose its message.
        if (g_CmdLine.contacts != 0) LoadSettings();
        SendCmdLineToRunningWnd(running);
        otherRuns = 1;
        return S_OK;
    }
    return E_FAIL;
}
