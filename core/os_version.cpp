// The system version as the platform reports it.
#include "core/os_version.h"

#include "platform/system.h"

namespace {
constexpr DWORD kMajorVersion5 = 5;
}

bool IsOsMajor5OrLater() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExW(&info) && info.dwMajorVersion >= kMajorVersion5;
}
