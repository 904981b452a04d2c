// The settings key in the registry: loading the settings record at main-window creation, saving it
// whole in its fixed order, the view switches, the remembered start view and the '#' toggle.
#pragma once

#include "ui/frame_calls.h"

#include "core/app_settings.h"
#include "core/settings_key.h"
#include "platform/types.h"

// The font defaults of the screen class and the photo default of the system version; called at
// main-window creation before anything is read.
void SetPlatformDefaults();

void LoadSettings();
// "LASTFORSTART" from the view on screen when the program is to start in the last view.
void SaveLastForStart();

// Registry status: 0 success.
LONG ReadViewShownFlags(ViewShownFlags& flags);
