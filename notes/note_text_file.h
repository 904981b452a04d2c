// Text note files: the device's "ANSI" text without header or byte-order mark, shown with CR LF
// line ends and written back whole.
#pragma once

#include <string>

#include "platform/types.h"

// The file's text with CR LF line ends; empty when the file cannot be read.
void LoadTextNote(std::u16string& out, HWND window, const std::u16string& path);
// Writes the text to the open note path; false when nothing was written.
bool SaveTextNote(const std::u16string& text);
// A carriage return before every line feed that has none.
std::u16string ToCrLfText(std::u16string_view text);
