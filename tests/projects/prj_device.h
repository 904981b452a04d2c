// A test device with the program's folder in place, as the installed program finds it.
#pragma once

#include <filesystem>

#include "core/program_folder.h"
#include "platform/testing.h"

struct PrjDevice : platform::testing::TestDevice {
    PrjDevice() { std::filesystem::create_directories(HostPath(ProgramFolderFile(u""))); }
};
