// Dialog units: a quarter of the dialog font's average character width across, an eighth of its
// height down (MapDialogRect), and the font a template names.
#include <algorithm>

#include "dialogs/dialog_state.h"
#include "platform/device.h"
#include "platform/gdi.h"

namespace platform {
namespace {

// The system font of dialogs without one of their own.
constexpr WORD kSystemFontPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr std::u16string_view kSystemFace = u"Tahoma";

}  // namespace

// The units of a font: the width of the 52 letters averaged and halved up, and the cell height.
DialogUnits MeasureUnits(HFONT font) {
    static constexpr std::u16string_view kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    SIZE size{};
    const bool measured = GetTextMetricsW(dc, &metrics) &&
                          GetTextExtentPoint32W(dc, kLetters.data(), static_cast<int>(kLetters.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (!measured || metrics.tmHeight <= 0) return {};
    return {std::max(1, static_cast<int>((size.cx / 26 + 1) / 2)), static_cast<int>(metrics.tmHeight)};
}

DialogUnits UnitsOfFont(const std::u16string_view face, WORD pointSize, WORD weight, bool italic, HFONT* font) {
    if (font) *font = nullptr;
    LOGFONTW logFont{};
    logFont.lfHeight = -ScaleRound(pointSize ? pointSize : kSystemFontPoints, Profile().dpi, kPointsPerInch);
    logFont.lfWeight = weight ? weight : FW_NORMAL;
    logFont.lfItalic = italic ? 1 : 0;
    const std::u16string_view name = face.empty() ? kSystemFace : face;
    const std::size_t n = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    std::copy_n(name.data(), n, logFont.lfFaceName);
    const HFONT made = CreateFontIndirectW(&logFont);
    DialogUnits units = made ? MeasureUnits(made) : DialogUnits{};
    if (units.x == 0) {
        // Without a font the units follow the size: a cell about as tall as the line and half as wide.
        const int height = ScaleRound(-logFont.lfHeight, 6, 5);
        units = {std::max(1, (height + 1) / 2), std::max(1, height)};
    }
    if (font && made) *font = made;
    else if (made) DeleteObject(made);
    return units;
}

void ReleaseDialogFont(HFONT font) {
    if (font) DeleteObject(font);
}

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
