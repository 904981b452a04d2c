// Painting the drawn message box, and its height for a text.
#pragma once

#include <string>

#include "platform/user.h"

namespace platform {

LRESULT PaintMessageBox(HWND box);
// The height of a box of `width` that shows the caption, the icon (MB_ICON...) and the text word-wrapped.
int BoxHeightFor(const std::u16string& text, const std::u16string& caption, int width, UINT icon);

}  // namespace platform
