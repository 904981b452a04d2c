// The edit and view threads beside the device's own editor and viewer.
#include "frame/item_threads.h"

#include <algorithm>
#include <memory>
#include <string>

#include "core/shell_buttons.h"
#include "frame/frame_hooks.h"
#include "frame/main_window.h"
#include "platform/resources.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"

KeptSoftKeyBars g_KeptSoftKeyBars;

namespace {

constexpr const WCHAR* kSoftKeyBarClass = u"MS_SOFTKEY_CE_1.0";
constexpr int kClassChars = 128;
constexpr int kTitleStringChars = 64;
constexpr int kNewBarRetries = 10;
constexpr DWORD kEditRetryMs = 50;
constexpr DWORD kViewRetryMs = 100;
// The command of the system application's "Edit" soft key.
constexpr WPARAM kSystemEditCommand = 105;
constexpr LONG kKindTask = 1;
constexpr LONG kKindContact = 3;

bool IsSoftKeyBar(HWND window) {
    WCHAR name[kClassChars] = {};
    GetClassNameW(window, name, kClassChars);
    return std::u16string_view(name) == kSoftKeyBarClass;
}

bool InList(const SoftKeyBarList& list, HWND bar) {
    for (const HWND h : list) {
        if (!h) return false;
        if (h == bar) return true;
    }
    return false;
}

std::u16string SystemWindowTitle(LONG kind) {
    const UINT id = kind == kKindTask ? IDS_TASKS : kind == kKindContact ? IDS_CONTACTS : IDS_CALENDAR;
    WCHAR title[kTitleStringChars] = {};
    LoadStringW(g_Main.instance, id, title, kTitleStringChars);
    return title;
}

HWND& KeptBarOf(LONG kind) { return kind == kKindContact ? g_KeptSoftKeyBars.contacts : g_KeptSoftKeyBars.other; }

// Waits for the system window and finds its bar: a new one, else the kept one of the kind.
HWND WaitForSystemBar(const ItemThreadArg& arg, DWORD retryMs, bool& windowCame) {
    SoftKeyBarList before{};
    FindSoftKeyBars(before);
    windowCame = WaitForChildWindow(arg.mainWnd, SystemWindowTitle(arg.kind)) != 0;
    if (!windowCame) return nullptr;
    HWND bar = FindNewSoftKeyBar(before);
    for (int retry = 0; !bar && retry < kNewBarRetries; ++retry) {
        Sleep(retryMs);
        bar = FindNewSoftKeyBar(before);
    }
    if (!bar) bar = FindKeptSoftKeyBar(KeptBarOf(arg.kind));
    return bar;
}

}  // namespace

int FindSoftKeyBars(SoftKeyBarList& list) {
    list.fill(nullptr);
    int count = 0;
    for (HWND w = FindWindowW(kSoftKeyBarClass, nullptr); w && count < kMaxSoftKeyBars; w = GetWindow(w, GW_HWNDNEXT))
        if (IsSoftKeyBar(w)) list[count++] = w;
    return count;
}

HWND FindNewSoftKeyBar(const SoftKeyBarList& list) {
    for (HWND w = FindWindowW(kSoftKeyBarClass, nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (IsSoftKeyBar(w) && !InList(list, w)) return w;
    return nullptr;
}

HWND FindKeptSoftKeyBar(HWND kept) {
    if (!kept) return nullptr;
    for (HWND w = FindWindowW(kSoftKeyBarClass, nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == kept && IsSoftKeyBar(w)) return w;
    return nullptr;
}

DWORD WINAPI EditThreadProc(LPVOID param) {
    const std::unique_ptr<ItemThreadArg> arg(static_cast<ItemThreadArg*>(param));
    bool windowCame = false;
    const HWND bar = WaitForSystemBar(*arg, kEditRetryMs, windowCame);
    // A system window that never came up ends the thread without a word.
    if (!windowCame) return 0;
    if (!bar) {
        WCHAR text[kTitleChars] = {};
        LoadStringW(g_Main.instance, IDS_SOFT_KEY_ERROR, text, kTitleChars);
        MessageBoxW(nullptr, text, kProgramTitle, MB_ICONEXCLAMATION);
        return 0;
    }
    KeptBarOf(arg->kind) = bar;
    SendMessageW(bar, WM_COMMAND, kSystemEditCommand, 0);
    return 0;
}

DWORD WINAPI ViewThreadProc(LPVOID param) {
    const std::unique_ptr<ItemThreadArg> arg(static_cast<ItemThreadArg*>(param));
    bool windowCame = false;
    const HWND bar = WaitForSystemBar(*arg, kViewRetryMs, windowCame);
    if (bar) KeptBarOf(arg->kind) = bar;
    return windowCame ? 1 : 0;
}

bool StartItemThread(LPTHREAD_START_ROUTINE proc, HWND mainWnd, LONG kind, LONG oid) {
    auto arg = std::make_unique<ItemThreadArg>(ItemThreadArg{mainWnd, kind, oid});
    const HANDLE thread = CreateThread(nullptr, 0, proc, arg.get(), 0, nullptr);
    if (!thread) return false;
    arg.release();  // the thread frees it
    CloseHandle(thread);
    return true;
}

bool frame::StartItemEditThread(HWND mainWnd, LONG kind, LONG oid) {
    return StartItemThread(EditThreadProc, mainWnd, kind, oid);
}
