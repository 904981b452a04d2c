// The device's "ANSI" code page for platform code: UTF-8 unless the profile selects Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A character the page lacks becomes '?'; bytes that are no text become U+FFFD.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

}  // namespace platform
