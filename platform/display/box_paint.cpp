// Painting the drawn message box. Until the drawing area is at hand it only validates.
#include "display/box_paint.h"

#include "user/system_metrics.h"

namespace platform {

LRESULT PaintMessageBox(HWND box) {
    ValidateRect(box, nullptr);
    return 0;
}

int BoxHeightFor(const std::u16string& text, const std::u16string&, int width) {
    const int lines = 1 + static_cast<int>(text.size()) * ScaleToScreen(6) / std::max(1, width);
    return ScaleToScreen(26 + 8 + 22 + 16) + lines * ScaleToScreen(14);
}

}  // namespace platform
