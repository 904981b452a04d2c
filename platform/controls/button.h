// The button control's state, shared by its procedure and its painter.
#pragma once

#include "controls/control_state.h"

namespace platform {

struct ButtonState {
    int check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    bool tracking = false;  // the pen went down on the button and has not been lifted
    HANDLE image = nullptr;
    UINT imageType = IMAGE_BITMAP;
    HFONT font = nullptr;
};

DWORD ButtonType(HWND hwnd);
void RegisterButtonClass();
void PaintButton(HWND hwnd, const ButtonState& state);

}  // namespace platform
