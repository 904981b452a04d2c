// The file that a second start hands to the running instance: a wallet, note or theme path kept
// in the settings value "ACTIVEFILE".
#pragma once

#include <string>

// Writes the path as "ACTIVEFILE".
void SaveActiveFile(const std::u16string& path);
// Reads "ACTIVEFILE" into path; empty when it is missing.
void LoadActiveFile(std::u16string& path);
