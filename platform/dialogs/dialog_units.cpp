// Dialog units: a quarter of the dialog font's average character width across, an eighth of its
// height down (MapDialogRect), and the font a template names.
#include <algorithm>

#include "dialogs/dialog_state.h"
#include "platform/device.h"

namespace platform {
namespace {

// The system font of dialogs without one of their own.
constexpr WORD kSystemFontPoints = 8;
constexpr int kPointsPerInch = 72;

}  // namespace

DialogUnits UnitsOfFont(const std::u16string_view, WORD pointSize, WORD, bool, HFONT* font) {
    if (font) *font = nullptr;
    // Without drawing, the units follow the size: a cell about as tall as the font's line and half as wide.
    const int pixels = ScaleRound(pointSize ? pointSize : kSystemFontPoints, Profile().dpi, kPointsPerInch);
    const int height = ScaleRound(pixels, 6, 5);
    return {std::max(1, (height + 1) / 2), std::max(1, height)};
}

void ReleaseDialogFont(HFONT) {}

}  // namespace platform

using namespace platform;

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    const auto state = FindDialog(dialog);
    if (!state || !rect) {
        SetLastError(state ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    rect->left = ScaleRound(rect->left, state->units.x, 4);
    rect->right = ScaleRound(rect->right, state->units.x, 4);
    rect->top = ScaleRound(rect->top, state->units.y, 8);
    rect->bottom = ScaleRound(rect->bottom, state->units.y, 8);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    const DialogUnits units = UnitsOfFont({}, 0, 0, false, nullptr);
    return MAKELONG(units.x, units.y);
}
