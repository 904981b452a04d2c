// The automatic lock and the lock command.
//
// States: open (items in memory, the password known) and locked (no items, no password).
//  1. Only a secured wallet locks: a plain one has nothing a lock would protect, and locking it
//     would only hide the items until the next open.
//  2. Idle time is the unsigned difference of tick counts, so the counter's wrap-around is harmless;
//     the lock fires only when it is strictly greater than the idle minutes.
//  3. Locking empties the item list and the password before the dialogs close, so a dialog that
//     ends as cancelled cannot write the wallet back.
//  4. Locking overwrites what held secrets (the password, the prompt's typed text, every slot of
//     the item array, used or stale) before letting go of it.
#include "wallet/wlt_lock.h"


#include "core/frame_state.h"
#include "core/secure_wipe.h"
#include "core/show_message.h"
#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/time.h"
#include "platform/user.h"
#include "ui/dialog_conventions.h"
#include "ui/text_prompt.h"
#include "ui/view_windows.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_view.h"

void TouchWltActivity() { g_Wlt.lastActivity = GetTickCount(); }

void StartWltTimer() {
    g_Wlt.timerRunning = 1;
    SetTimer(g_Frame.mainWnd, kWltLockTimerId, kWltLockTimerMs, nullptr);
}

void StopWltTimer() {
    if (!g_Wlt.timerRunning) return;
    KillTimer(g_Frame.mainWnd, kWltLockTimerId);
    g_Wlt.timerRunning = 0;
}

void CheckWalletAutoLock() {
    if (!g_WltSettings.timeoutOn) {
        StopWltTimer();
        return;
    }
    if (g_Wlt.locked) return;
    const DWORD idle = GetTickCount() - g_Wlt.lastActivity;
    const DWORD limit = static_cast<DWORD>(g_WltSettings.timeoutMinutes) * kMsPerMinute;
    if (idle <= limit) return;
    if (!g_Wlt.secured) return;
    const bool inWallet = ViewId == kViewWallet || ViewId == kViewWalletItem;
    LockWallet(inWallet ? LeaveView::Yes : LeaveView::No);
    CloseAllOpenDlgs();
}

void LockWallet(LeaveView leave) {
    if (g_Wlt.locked) return;
    if (!g_Wlt.secured) {
        ShowMessage(g_Frame.mainWnd, kWltNotSecuredText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    g_Wlt.selection = kWltNoSelection;
    WipeText(g_Wlt.password);
    WipeText(g_PromptText);
    g_Wlt.locked = 1;
    DeleteWltTreeNodes();
    WipeWltItems(g_Wlt.items);
    if (leave == LeaveView::Yes) SwitchToWltView();
}

namespace {

constexpr int kLetters = 26;
constexpr int kDigits = 10;

WCHAR GeneratedChar(const WltSettings& s, int r) {
    if (s.genDigitsOnly) return static_cast<WCHAR>(u'0' + r);
    if (s.genLowerOnly) return r < kLetters ? static_cast<WCHAR>(u'a' + r) : static_cast<WCHAR>(u'0' + (r - kLetters));
    if (r < kLetters) return static_cast<WCHAR>(u'A' + r);
    if (r < 2 * kLetters) return static_cast<WCHAR>(u'a' + (r - kLetters));
    return static_cast<WCHAR>(u'0' + (r - 2 * kLetters));
}

int AlphabetSize(const WltSettings& s) {
    if (s.genDigitsOnly) return kDigits;
    const int letters = s.genLowerOnly ? kLetters : 2 * kLetters;
    return s.genDigits ? letters + kDigits : letters;
}

}  // namespace

std::u16string g_GeneratedPassword;

std::optional<std::u16string> MakeGeneratedPassword(const WltSettings& settings) {
    const int n = AlphabetSize(settings);
    // Bytes at or above the largest multiple of n are drawn again, so every character is as likely.
    const int limit = 256 - 256 % n;
    std::u16string password;
    BYTE bytes[64];
    while (static_cast<LONG>(password.size()) < settings.genLength) {
        if (!CeGenRandom(sizeof bytes, bytes)) return std::nullopt;
        for (const BYTE b : bytes)
            if (b < limit && static_cast<LONG>(password.size()) < settings.genLength)
                password += GeneratedChar(settings, b % n);
    }
    WipeBytes(bytes, sizeof bytes);
    return password;
}
