// The lParam of the key messages the shell and the device's input make: one press, and its release.
#pragma once

#include "platform/types.h"

namespace platform {

constexpr LPARAM kKeyDownBits = 1;
constexpr LPARAM kKeyUpBits = static_cast<LPARAM>(0xC0000001u);  // released, was down, once

}  // namespace platform
