// The two diagnostic logs in the program's folder: "quorvialog.txt" grows by one line an entry,
// "zqsinglelog.txt" holds only the last entry. Logging never reports a failure.
#pragma once

#include <string_view>

// Texts longer than these limits of multibyte text are cut to them.
inline constexpr std::size_t kLogLineBytes = 512;
inline constexpr std::size_t kSingleLogLineBytes = 256;

void WriteLog(std::u16string_view text);
void WriteSingleLog(std::u16string_view text);
