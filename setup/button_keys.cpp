// Reading and restoring the three buttons' program values under the shell's button keys.
#include "button_keys.h"

#include <string>

#include "platform/registry.h"
#include "platform/user.h"

namespace {

struct ButtonKey {
    HKEY root;
    const WCHAR* key;
    const WCHAR* value;
    const WCHAR* restored;
};

// Every button the program may have taken, with the built-in launch text it gives back; button 4
// is taken on one keyboard model, under the user's keyboard key.
const ButtonKey kButtons[] = {
    {HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR", u"1", u":MSPOUTLOOK calendar"},
    {HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u"1", u":MSPOUTLOOK tasks"},
    {HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCONTACTS", u"1", u":MSPOUTLOOK contacts"},
    {HKEY_CURRENT_USER, u"\\ControlPanel\\Keybd", u"APP4_Path", u":MSPOUTLOOK calendar"},
};

// A launch text names the program when it holds one of these (older versions wrote the last).
constexpr const WCHAR* kProgramMarks[] = {u"Quorvia", u"quorvia", u"VestralAgenda"};

constexpr DWORD kValueBytes = 510;
constexpr WPARAM kSettingChangeFlags = 0xF2;

bool ButtonIsOurs(const ButtonKey& button) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(button.root, button.key, 0, 0, &key) != ERROR_SUCCESS) return false;
    WCHAR text[kValueBytes / sizeof(WCHAR) + 1] = {};
    DWORD type = 0;
    DWORD bytes = kValueBytes;
    const LONG status = RegQueryValueExW(key, button.value, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    const std::u16string value(text);
    for (const WCHAR* mark : kProgramMarks)
        if (value.find(mark) != std::u16string::npos) return true;
    return false;
}

void RestoreButton(const ButtonKey& button) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(button.root, button.key, 0, 0, &key) == ERROR_SUCCESS) {
        const std::u16string text(button.restored);
        const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR));
        const LONG status =
            RegSetValueExW(key, button.value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
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
