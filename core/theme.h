// What the painters and texts of the other subsystems read of the current theme.
#pragma once

#include <string>

#include "core/theme_record.h"
#include "platform/types.h"

// Title-bar styles 2 (tab bar) and 3 (underline bar) also select the weekday-and-short-date label.
inline constexpr LONG kTitleBarTabs = 2;
inline constexpr LONG kTitleBarUnderline = 3;

// The title-bar style of the current theme, 0 to 3.
LONG GetThemeTitleBarStyle();

