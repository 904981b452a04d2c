// Process-wide system calls: the last error, the OS version, the module path.
#pragma once

#include "platform/types.h"

DWORD GetLastError();
void SetLastError(DWORD error);

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
};
using LPOSVERSIONINFOW = OSVERSIONINFOW*;
#define VER_PLATFORM_WIN32_CE 3
// From the device profile (default 5.2).
BOOL GetVersionExW(LPOSVERSIONINFOW info);

// The program is "\Program Files\Quorvia\Quorvia.exe" on the device; a null module is the program.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR out, DWORD outChars);
HMODULE GetModuleHandleW(LPCWSTR name);

// Fills the buffer with bytes from the system's cryptographic random source; FALSE (with the last
// error set) when the source could not give them all.
BOOL CeGenRandom(DWORD dwLen, LPBYTE pbBuffer);
