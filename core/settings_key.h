// Where the settings live in the registry.
#pragma once

#include "platform/types.h"

// Every reader and writer of settings, the setup library's included, opens this key under
// HKEY_CURRENT_USER.
inline constexpr const WCHAR* kSettingsKey = u"\\Software\\Hollyfen\\Quorvia\\Settings";

// The longest "NOTEDIR" read, in bytes with its terminator.
inline constexpr DWORD kNoteDirMaxBytes = 520;
