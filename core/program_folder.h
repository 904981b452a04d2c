// Paths of the side files that live beside the program's executable.
#pragma once

#include <string>
#include <string_view>

// The program's own path up to its last backslash, followed by the file name.
std::u16string ProgramFolderFile(std::u16string_view fileName);
