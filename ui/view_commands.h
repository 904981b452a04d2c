// The toolkit's main-window routines the frame calls: the view background, hiding the view windows
// and the pumps without keys.
#pragma once

#include "platform/types.h"
#include "ui/main_routines.h"
#include "ui/view_focus.h"

void DrawViewBkgnd(HDC dc);
