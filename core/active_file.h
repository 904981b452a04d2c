// The file that a second start hands to the running instance: a wallet, note or theme path kept
// in the settings value "ACTIVEFILE".
#pragma once

#include <string>

// Writes the path as "ACTIVEFILE".
void SaveActiveFile(const std::u16string& path);
// Reads "ACTIVEFILE" into path; path is left as it was when the value is missing.
// A path longer than the value can carry (259 characters) is not written, and an older value is
// removed, so that the running instance never opens a file other than the one handed over.
void LoadActiveFile(std::u16string& path);
