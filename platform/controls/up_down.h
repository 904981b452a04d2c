// The up-down control's state, shared by its procedure and its painter.
#pragma once

#include <vector>

#include "controls/control_state.h"

namespace platform {

struct UpDownState {
    int lower = 100;  // the range as the platform starts it: the up arrow moves towards `upper`
    int upper = 0;
    int pos = 0;
    HWND buddy = nullptr;
    int base = 10;
    std::vector<UDACCEL> accel;
    int pressed = 0;  // +1 up (or right) arrow held, -1 down (or left), 0 none
};

void RegisterUpDownClass();
void PaintUpDown(HWND hwnd, const UpDownState& state);

}  // namespace platform
