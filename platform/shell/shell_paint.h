// The painters of the shell's windows (soft-key bar, pop-up menus, navigation bar) and the sizes
// that follow from their fonts.
#pragma once

#include <string>

#include "platform/user.h"

namespace platform {

LRESULT PaintMenuBar(HWND bar);
LRESULT PaintPopupMenu(HWND popup);
LRESULT PaintNavBar(HWND navBar);

// The width and height of a line of menu text in the shell's font.
SIZE MeasureShellText(std::u16string_view text);

}  // namespace platform
