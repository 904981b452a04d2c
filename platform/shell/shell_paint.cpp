// The painters of the shell's windows. Until the drawing area is at hand they only validate.
#include "shell/shell_paint.h"

#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr int kCharWidth96 = 6;
constexpr int kLineHeight96 = 13;

}  // namespace

LRESULT PaintMenuBar(HWND bar) {
    ValidateRect(bar, nullptr);
    return 0;
}

LRESULT PaintPopupMenu(HWND popup) {
    ValidateRect(popup, nullptr);
    return 0;
}

LRESULT PaintNavBar(HWND navBar) {
    ValidateRect(navBar, nullptr);
    return 0;
}

SIZE MeasureShellText(std::u16string_view text) {
    return {static_cast<LONG>(text.size()) * ScaleToScreen(kCharWidth96), ScaleToScreen(kLineHeight96)};
}

}  // namespace platform
