// The screen's work area: between the shell's title bar at the top and its menu bar at the bottom.
// The shell area moves it when its bars change.
#pragma once

#include "platform/user.h"

namespace platform {

RECT WorkArea();
// Where a top-level window made at the default place and size goes: from the work area's top to the
// bottom of the screen. A program's own menu bar then lies over its bottom, as on the device, where a
// program resizes its window for the bar itself (or draws its views above it).
RECT DefaultWindowArea();
void SetWorkArea(const RECT& area);
// Back to the default for the present profile.
void ResetWorkArea();
// A size at 96 dots per inch scaled to the profile's dots per inch.
int ScaleToScreen(int size96);

}  // namespace platform
