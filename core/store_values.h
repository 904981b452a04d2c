// Numbers read from the PIM store, kept in the ranges the program draws and computes with: the
// object model's setters keep them there, but a program that writes the store directly may not.
#pragma once

#include "platform/types.h"

// The longest appointment read: 9999 days. A negative length reads as none.
inline constexpr LONG kLongestApptMinutes = 9999L * 24 * 60;

LONG ApptMinutesInRange(LONG minutes);
// Outside 0-3 a busy status reads as busy, the default, and a sensitivity as normal.
LONG BusyStatusInRange(LONG status);
LONG SensitivityInRange(LONG sensitivity);
// Outside 0-2 an importance reads as normal.
LONG ImportanceInRange(LONG importance);
