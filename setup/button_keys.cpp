// Reading and restoring the three buttons' program values under the shell's button keys.
#include "button_keys.h"

#include <string>

#include "platform/registry.h"
#include "platform/user.h"

namespace {

struct ButtonKey {
    const WCHAR* key;
    const WCHAR* restored;
};

constexpr ButtonKey kButtons[] = {
    {u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR", u":MSPOUTLOOK calendar"},
    {u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u":MSPOUTLOOK tasks"},
    {u"\\Software\\Microsoft\\Shell\\RAI\\:MSCONTACTS", u":MSPOUTLOOK contacts"},
};

constexpr const WCHAR* kProgramValue = u"1";
constexpr DWORD kValueBytes = 510;
constexpr WPARAM kSettingChangeFlags = 0xF2;

bool ButtonIsOurs(const ButtonKey& button) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, button.key, 0, 0, &key) != ERROR_SUCCESS) return false;
    WCHAR text[kValueBytes / sizeof(WCHAR) + 1] = {};
    DWORD type = 0;
    DWORD bytes = kValueBytes;
    const LONG status = RegQueryValueExW(key, kProgramValue, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    const std::u16string value(text);
    return value.find(u"quorvia") != std::u16string::npos || value.find(u"Quorvia") != std::u16string::npos;
}

void RestoreButton(const ButtonKey& button) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, button.key, 0, 0, &key) == ERROR_SUCCESS) {
        const std::u16string text(button.restored);
        const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR));
        const LONG status =
            RegSetValueExW(key, kProgramValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) return;
    }
    SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, kSettingChangeFlags, 0);
}

}  // namespace

void RestoreButtons() {
    for (const ButtonKey& button : kButtons)
        if (ButtonIsOurs(button)) RestoreButton(button);
}
