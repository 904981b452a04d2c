// The name matching of FindFirstFileW, for the calls that list folders.
#pragma once

#include <string_view>

namespace platform {

// True when name matches pattern: '*' any run of characters, '?' one character, letter case
// ignored; "x.*" also matches "x", and "x." matches only names without a dot.
bool MatchesFindPattern(std::u16string_view pattern, std::u16string_view name);

}  // namespace platform
