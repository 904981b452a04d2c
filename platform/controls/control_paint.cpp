// Painting of the standard controls. Until drawing is available they only take their update area.
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/list_box.h"
#include "controls/scroll_bar.h"
#include "controls/static_control.h"
#include "controls/up_down.h"

namespace platform {
namespace {

// Without a font, text is measured as a run of cells of this size.
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 13;

}  // namespace

void PaintButton(HWND hwnd, const ButtonState&) { ValidateRect(hwnd, nullptr); }
void PaintStatic(HWND hwnd, const StaticState&) { ValidateRect(hwnd, nullptr); }
void PaintEdit(HWND hwnd, EditState&) { ValidateRect(hwnd, nullptr); }
void PaintListBox(HWND hwnd, ListBoxState&) { ValidateRect(hwnd, nullptr); }
void PaintComboBox(HWND hwnd, const ComboState&) { ValidateRect(hwnd, nullptr); }
void PaintUpDown(HWND hwnd, const UpDownState&) { ValidateRect(hwnd, nullptr); }
void PaintScrollBarControl(HWND hwnd, const ScrollBarInfo&) { ValidateRect(hwnd, nullptr); }

HANDLE LoadStaticImage(HINSTANCE, WORD, DWORD) { return nullptr; }

UINT DefaultItemHeight(HWND, HFONT) { return kCellHeight + 2; }

EditMetrics MetricsOf(HWND, const EditState&) {
    return {[](std::u16string_view text) { return static_cast<int>(text.size()) * kCellWidth; }, kCellHeight};
}

}  // namespace platform
