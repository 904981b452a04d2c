// The static control's state, shared by its procedure and its painter.
#pragma once

#include "controls/control_state.h"

namespace platform {

struct StaticState {
    HANDLE image = nullptr;  // SS_ICON: an icon; SS_BITMAP: a bitmap
    bool ownsImage = false;  // loaded by the static itself; given away when STM_SETIMAGE replaces it
    HFONT font = nullptr;
};

void RegisterStaticClass();
void PaintStatic(HWND hwnd, const StaticState& state);
// The image a static made from a template names by resource identifier; nullptr when it cannot be loaded.
HANDLE LoadStaticImage(HINSTANCE instance, WORD id, DWORD type);

}  // namespace platform
