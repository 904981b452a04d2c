// Wide texts to and from the device's "ANSI" code page, as the side files and the logs hold them.
// A text ends at its first NUL, as the runtime's conversions read it.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

inline constexpr std::size_t kNoByteLimit = std::numeric_limits<std::size_t>::max();

// At most maxBytes bytes, cut before the first character that does not fit whole; characters the
// code page cannot hold are left out. cut (when given) tells whether the text was shortened.
std::string ToAnsi(std::u16string_view text, std::size_t maxBytes = kNoByteLimit, bool* cut = nullptr);
std::u16string FromAnsi(std::string_view bytes);
// True when the device's code page holds every character, so ToAnsi keeps the text as it is (never
// for a text with a NUL or half a surrogate pair).
bool AnsiHoldsAll(std::u16string_view text);
