// The screen's work area: where the program's top-level windows go by default, between the shell's
// title bar at the top and its menu bar at the bottom. The shell area moves it when its bars change.
#pragma once

#include "platform/user.h"

namespace platform {

RECT WorkArea();
void SetWorkArea(const RECT& area);
// Back to the default for the present profile.
void ResetWorkArea();
// A size at 96 dots per inch scaled to the profile's dots per inch.
int ScaleToScreen(int size96);

}  // namespace platform
