// The wallet's lock: the idle timer that locks a secured wallet, the lock itself, and the random
// password generator that the file dialog offers.
#pragma once

#include <optional>
#include <string>

#include "platform/types.h"
#include "wallet/wlt_settings.h"

inline constexpr UINT_PTR kWltLockTimerId = 1048;
inline constexpr UINT kWltLockTimerMs = 5000;
inline constexpr DWORD kMsPerMinute = 60000;

inline constexpr const WCHAR* kWltNoRandomText =
    u"The device's random source gave no bytes, so no password could be made. Please try again.";
inline constexpr const WCHAR* kWltNotSecuredText =
    u"This file is not secured. Use 'Change Password' in the current menu and select 'Secure File' to "
    u"protect your data.";

enum class LeaveView { No, Yes };

void TouchWltActivity();
void StartWltTimer();
void StopWltTimer();
// The check on every tick of the lock timer.
void CheckWalletAutoLock();
void LockWallet(LeaveView leave);

// A password for the generator's settings from the system's random source; nothing when the
// source gave no bytes.
std::optional<std::u16string> MakeGeneratedPassword(const WltSettings& settings);
// Fills the generated password and shows it in the dialog's edit.
void GeneratePassword(HWND dialog);
// Runs the generator dialog; true when it ended with OK.
bool RunGeneratePasswordDlg(HWND parent);
// Filled by the generator dialog.
extern std::u16string g_GeneratedPassword;
