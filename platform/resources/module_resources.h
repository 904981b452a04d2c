// The table of modules and their registered resources, and lookups in it for the other areas
// (menus, dialogs, bitmaps, soft-key bars): they read a resource's bytes in place through these.
#pragma once

#include <optional>
#include <span>

#include "platform/resources.h"
#include "resources/res_file.h"

namespace platform {

// The data of the resource of this type and name, or nullopt with the last error set as
// FindResourceW sets it. The bytes stay valid while the module's resources are registered.
std::optional<std::span<const BYTE>> FindResourceData(HMODULE module, LPCWSTR type, LPCWSTR name);

// For a pointer into some registered resource's data (a template handed to a call that takes no
// size), the bytes from there to the end of that resource; nullopt when it points into none.
std::optional<std::span<const BYTE>> ResourceDataFrom(const void* address);

// The number of the resource whose data holds the address, when it is named by number; else 0.
int ResourceIdAt(const void* address);
// Compares a resource name or type given to the calls (ordinal, "#123", or a name in any case)
// with a stored field.
bool ResNameMatches(const ResField& stored, LPCWSTR wanted);

}  // namespace platform
