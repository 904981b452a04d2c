// The string table: strings are stored in blocks of 16, block n (an RT_STRING resource named n)
// holding strings (n-1)*16 to n*16-1, each a length word followed by that many UTF-16 units.
#pragma once

#include <optional>
#include <string_view>

#include "platform/types.h"

namespace platform {

// String `id` in place, not terminated; nullopt with ERROR_RESOURCE_NAME_NOT_FOUND (or the error
// of a missing block) when the table has no such string or the string is empty.
std::optional<std::u16string_view> FindString(HINSTANCE instance, UINT id);

}  // namespace platform
