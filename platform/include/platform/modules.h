// Libraries loaded at run time by name. The device has no foreign code: the libraries it offers are
// built into the platform, and a library is present only when its file is on the device.
#pragma once

#include "platform/types.h"

// A procedure address of a library; cast to the entry point's own type before calling.
using FARPROC = void (*)();

// Null when the device has no library of that name (last error ERROR_MOD_NOT_FOUND).
HMODULE LoadLibraryW(LPCWSTR name);
// Null when the library does not export the name (last error ERROR_PROC_NOT_FOUND).
FARPROC GetProcAddressW(HMODULE module, LPCWSTR name);
BOOL FreeLibrary(HMODULE module);
