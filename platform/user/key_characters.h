// Which key of the device's keyboard gives a character, for input that types text as key presses.
#pragma once

#include <optional>

#include "platform/types.h"

namespace platform {

struct KeyStroke {
    UINT key = 0;
    bool shift = false;
};

// The key (and whether Shift is held) whose press TranslateMessage turns into the character;
// nothing for a character no key gives.
std::optional<KeyStroke> KeyForCharacter(WCHAR c);

}  // namespace platform
