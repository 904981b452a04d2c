// The common controls' test API: pictures of a control as it paints itself (written as PNG for
// people to look at, or read pixel by pixel), and the count of live image lists.
#pragma once

#include <cstddef>
#include <filesystem>

#include "platform/types.h"

namespace platform::testing {

// Asks the control to paint its client area into a picture (WM_PRINTCLIENT) and writes it as PNG.
bool SaveControlPicture(HWND control, const std::filesystem::path& file);
// One pixel of that picture; CLR_INVALID outside it.
COLORREF ControlPixel(HWND control, int x, int y);
// Image lists made and not yet destroyed.
std::size_t LiveImageLists();

}  // namespace platform::testing
