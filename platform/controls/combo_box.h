// The combo box's state, shared by its procedure and its painter.
#pragma once

#include "controls/control_state.h"

namespace platform {

struct ComboState {
    HWND list = nullptr;      // the list it drops down (a child of its parent, hidden while closed)
    bool dropped = false;
    int selectionAtDrop = -1; // put back when the drop is cancelled
    bool focused = false;
    int droppedHeight = 0;    // the height it was made with: the field and the dropped list together
    HFONT font = nullptr;
};

void RegisterComboBoxClass();
void PaintComboBox(HWND hwnd, const ComboState& state);
// The text of the selected item; empty when none.
std::u16string ComboSelectionText(const ComboState& state);

}  // namespace platform
