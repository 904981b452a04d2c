// The painters of the shell's windows (soft-key bar, pop-up menus, navigation bar) and the sizes
// that follow from their fonts.
#pragma once

#include <string>

#include "platform/user.h"

namespace platform {

// The shell's colours (0x00BBGGRR).
constexpr COLORREF kSoftKeyBarColour = 0x00342C28;
constexpr COLORREF kNavBarColour = 0x00683418;
constexpr COLORREF kMenuColour = 0x00FFFFFF;
constexpr COLORREF kMenuSelectedColour = 0x00C56A31;

LRESULT PaintMenuBar(HWND bar);
LRESULT PaintPopupMenu(HWND popup);
LRESULT PaintNavBar(HWND navBar);

// The width and height of a line of menu text in the shell's font.
SIZE MeasureShellText(std::u16string_view text);

}  // namespace platform
