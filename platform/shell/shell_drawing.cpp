// The shell's font and solid fills.
#include "shell/shell_drawing.h"

#include <iterator>

#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr int kShellFontHeight96 = 12;
constexpr WCHAR kShellFace[] = u"Tahoma";

}  // namespace

ShellFontObject ShellFont(bool bold) {
    LOGFONTW font{};
    font.lfHeight = -ScaleToScreen(kShellFontHeight96);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    for (std::size_t i = 0; i < std::size(kShellFace); ++i) font.lfFaceName[i] = kShellFace[i];
    return ShellFontObject(CreateFontIndirectW(&font));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace platform
