// The settings key in the registry: loading the settings record at main-window creation, saving it
// whole in its fixed order, the view switches, the remembered start view and the '#' toggle.
#pragma once

#include "core/app_settings.h"
#include "platform/types.h"

// Every reader and writer of settings, the setup library's included, opens this key under
// HKEY_CURRENT_USER.
inline constexpr const WCHAR* kSettingsKey = u"\\Software\\Hollyfen\\Quorvia\\Settings";

// The longest "NOTEDIR" read, in bytes with its terminator.
inline constexpr DWORD kNoteDirMaxBytes = 520;

// The font defaults of the screen class and the photo default of the system version; called at
// main-window creation before anything is read.
void SetPlatformDefaults();

void LoadSettings();
// Writes the whole set in its fixed order and stops at the first value that cannot be written.
void SaveSettings();
// "LASTFORSTART" from the view on screen when the program is to start in the last view.
void SaveLastForStart();
// '#' and the space bar switch the split month, the task preview or a task's completion.
int ToggleSplitMonth(LONG key);

// Registry status: 0 success.
LONG ReadViewShownFlags(ViewShownFlags& flags);
LONG SaveViewShownFlags(const ViewShownFlags& flags);
