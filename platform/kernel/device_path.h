// Device paths to host paths: "\My Documents\a.txt" is files/My Documents/a.txt under the device
// root. Each component is matched without regard to letter case against what exists; the rest keep
// the spelling given. ".." never climbs above the device's files/ folder.
#pragma once

#include <filesystem>
#include <string>

#include "platform/types.h"

namespace platform {

std::filesystem::path ResolveDevicePath(std::u16string_view devicePath);
// The device path of a host path under files/ ("\" separated), or empty when it lies outside.
std::u16string DevicePathOf(const std::filesystem::path& hostPath);

}  // namespace platform
