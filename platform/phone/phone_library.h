// The built-in phone library behind LoadLibraryW("phone.dll"): whether the device has it, and its
// entry points by name.
#pragma once

#include <string_view>

#include "platform/modules.h"

namespace platform::phone {

bool LibraryPresent();
// Null when the library on the device does not export the name.
FARPROC FindExport(std::u16string_view name);

}  // namespace platform::phone
