// The edit control's state, shared by its procedure and its painter.
#pragma once

#include <vector>

#include "controls/control_state.h"
#include "controls/edit_text.h"

namespace platform {

struct EditState {
    EditText text;
    std::vector<EditLine> lines;  // laid out for the present width and font
    bool layoutStale = true;
    WCHAR passwordChar = u'*';
    bool focused = false;
    bool selecting = false;       // the pen is down and drags the selection
    std::size_t firstLine = 0;    // multi-line: the top line shown
    int scrollX = 0;              // single-line: pixels scrolled to the left
    int leftMargin = 1;
    int rightMargin = 1;
    HFONT font = nullptr;
};

// How text is measured in the control's font.
struct EditMetrics {
    MeasureRun measure;
    FitRun fit;
    int lineHeight = 0;
};

void RegisterEditClass();
EditMetrics MetricsOf(HWND hwnd, const EditState& state);
void PaintEdit(HWND hwnd, EditState& state);
// The text as shown: password characters in place of the text.
std::u16string ShownText(HWND hwnd, const EditState& state);
// Lays the text out again when it changed; the area inside the margins.
void EnsureEditLayout(HWND hwnd, EditState& state);
RECT EditTextArea(HWND hwnd, const EditState& state);
// How far a line stands in from the left of the text area: centred or right-aligned text that fits.
int EditLineShift(HWND hwnd, const EditState& state, std::size_t line);

}  // namespace platform
