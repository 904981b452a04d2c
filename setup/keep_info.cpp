// Writing and reading "ZQKEEPINFO".
#include "keep_info.h"

#include "platform/registry.h"

namespace {

constexpr const WCHAR* kKeepInfoValue = u"ZQKEEPINFO";

void SetKeepInfo(DWORD value) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, 0, nullptr, &key, &disposition) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, kKeepInfoValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

}  // namespace

void SetKeepInfoOn() { SetKeepInfo(1); }
void SetKeepInfoOff() { SetKeepInfo(0); }

DWORD ReadKeepInfo() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, 0, &key) != ERROR_SUCCESS) return 0;
    DWORD value = 0;
    DWORD type = 0;
    DWORD bytes = sizeof(value);
    const LONG status = RegQueryValueExW(key, kKeepInfoValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD && bytes == sizeof(value) ? value : 0;
}
