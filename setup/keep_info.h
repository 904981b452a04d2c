// The keep-data mark in the program's settings key: set while an installation runs, so that the
// uninstall step of an update keeps everything.
#pragma once

#include "platform/types.h"

inline constexpr const WCHAR* kSettingsKeyPath = u"\\Software\\Hollyfen\\Quorvia\\Settings";
inline constexpr const WCHAR* kProgramKeyPath = u"\\Software\\Hollyfen\\Quorvia";

void SetKeepInfoOn();
void SetKeepInfoOff();
// The mark, or 0 when it cannot be read.
DWORD ReadKeepInfo();
