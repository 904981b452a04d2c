// The stack of open dialogs and the soft-key bar every dialog opens with.
#include "ui/dialog_conventions.h"

#include "platform/dialogs.h"
#include "platform/resources.h"
#include "platform/shell.h"

OpenDlgStack g_OpenDlgs;

void PushOpenDlg(HWND dialog) {
    if (g_OpenDlgs.top >= kOpenDlgSlots - 1) return;
    ++g_OpenDlgs.top;
    g_OpenDlgs.slots[g_OpenDlgs.top] = dialog;
}

void PopOpenDlg(HWND dialog) {
    // The caller's own entry, wherever it lies: a dialog ending under another must not take the newer one off.
    for (LONG i = g_OpenDlgs.top; i >= 0; --i) {
        if (g_OpenDlgs.slots[i] != dialog) continue;
        for (LONG j = i; j < g_OpenDlgs.top; ++j) g_OpenDlgs.slots[j] = g_OpenDlgs.slots[j + 1];
        g_OpenDlgs.slots[g_OpenDlgs.top] = nullptr;
        --g_OpenDlgs.top;
        return;
    }
}

void CloseAllOpenDlgs() {
    for (int i = kOpenDlgSlots - 1; i >= 0; --i) {
        if (g_OpenDlgs.slots[i]) SendMessageW(g_OpenDlgs.slots[i], kMsgEndDialog, 0, 0);
    }
    g_OpenDlgs = OpenDlgStack{};
}

int InitDlgMenuBar(HWND dialog, UINT barId, BackKey back) {
    SHINITDLGINFO init{};
    init.dwMask = SHIDIM_FLAGS;
    init.hDlg = dialog;
    init.dwFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN;
    const BOOL initialised = SHInitDialog(&init);

    SHMENUBARINFO bar{};
    bar.cbSize = SHMENUBARINFO_DEVICE_SIZE;
    bar.hwndParent = dialog;
    bar.nToolBarId = barId;
    bar.hInstRes = GetModuleHandleW(nullptr);
    if (!initialised || !SHCreateMenuBar(&bar)) return 0;

    if (back == BackKey::kOverride) {
        // Change both flags: no default handling, and notify the dialog.
        constexpr DWORD flags = SHMBOF_NODEFAULT | SHMBOF_NOTIFY;
        SendMessageW(bar.hwndMB, SHCMBM_OVERRIDEKEY, VK_TBACK, MAKELPARAM(flags, flags));
    }
    return 1;
}

INT_PTR RunProgramDialog(UINT templateId, HWND parent, INT_PTR(CALLBACK* proc)(HWND, UINT, WPARAM, LPARAM),
                         LPARAM param) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (!found) return kDlgFailed;
    const HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return kDlgFailed;
    return DialogBoxIndirectParamW(module, static_cast<LPCDLGTEMPLATEW>(LockResource(loaded)), parent, proc, param);
}

bool IsBackHotKey(UINT message, LPARAM lParam) { return message == WM_HOTKEY && HIWORD(lParam) == VK_TBACK; }

void ClearOpenDlgs() { g_OpenDlgs = OpenDlgStack{}; }
