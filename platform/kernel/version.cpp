// The OS version from the device profile, and the program's module: its fixed instance handle and
// its path on the device.
#include <string_view>

#include "platform/device.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

constexpr std::u16string_view kProgramPath = u"\\Program Files\\Quorvia\\Quorvia.exe";
constexpr std::u16string_view kProgramFile = u"Quorvia.exe";
constexpr std::u16string_view kProgramName = u"Quorvia";
// The program's instance handle: any fixed value that no pointer of this process can take.
const HMODULE kProgramInstance = reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x00010000));

bool IsProgram(HMODULE module) { return !module || module == kProgramInstance; }

bool NamesProgram(std::u16string_view name) {
    return platform::EqualNoCase(name, kProgramPath) || platform::EqualNoCase(name, kProgramFile) ||
           platform::EqualNoCase(name, kProgramName);
}

}  // namespace

BOOL GetVersionExW(LPOSVERSIONINFOW info) {
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const platform::DeviceProfile& profile = platform::Profile();
    info->dwMajorVersion = profile.osMajor;
    info->dwMinorVersion = profile.osMinor;
    info->dwBuildNumber = profile.osBuild;
    info->dwPlatformId = VER_PLATFORM_WIN32_CE;
    info->szCSDVersion[0] = 0;
    return TRUE;
}

// A short buffer gets as much of the path as fits with its terminator; the result is then the
// buffer size and the error ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR out, DWORD outChars) {
    if (!IsProgram(module)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!out || outChars == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (kProgramPath.size() < outChars) {
        kProgramPath.copy(out, kProgramPath.size());
        out[kProgramPath.size()] = 0;
        return static_cast<DWORD>(kProgramPath.size());
    }
    kProgramPath.copy(out, outChars - 1);
    out[outChars - 1] = 0;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return outChars;
}

HMODULE GetModuleHandleW(LPCWSTR name) {
    if (!name || NamesProgram(name)) return kProgramInstance;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}
