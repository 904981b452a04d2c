// Registration of the program's file types: every start writes the wallet and theme types, and
// the text type when the settings ask for it.
#include "core/file_types.h"

#include "core/app_settings.h"
#include "core/reg_key.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/user.h"

namespace {

constexpr DWORD kPathChars = 260;
constexpr const WCHAR* kDefaultIconKey = u"DefaultIcon";
constexpr const WCHAR* kShellOpenCommandKeys[] = {u"Shell", u"Open", u"Command"};

std::u16string ProgramPath() {
    WCHAR path[kPathChars] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kPathChars);
    return std::u16string(path, length < kPathChars ? length : 0);
}

// false after the registry error was shown.
bool WriteDefault(const RegKey& key, const std::u16string& text) {
    if (key.WriteText(nullptr, text) == ERROR_SUCCESS) return true;
    MessageBoxW(nullptr, kRegistryErrorText, nullptr, MB_OK);
    return false;
}

}  // namespace

std::u16string FileTypeOpenCommand(const FileTypeDef& type, const std::u16string& programPath) {
    std::u16string command = u"\"" + programPath + u"\" " + type.openSwitch;
    command += type.quotedArgument ? u"\"%1\"" : u" %1";
    return command;
}

bool RegisterFileType(const FileTypeDef& type) {
    const std::u16string program = ProgramPath();
    {
        RegKey extension;
        if (extension.Create(HKEY_CLASSES_ROOT, type.extension) == ERROR_SUCCESS &&
            !WriteDefault(extension, type.className))
            return false;
    }
    RegKey classKey;
    if (classKey.Create(HKEY_CLASSES_ROOT, type.className) != ERROR_SUCCESS) return false;
    if (!WriteDefault(classKey, type.description)) return false;
    {
        RegKey icon;
        if (icon.Create(classKey.Get(), kDefaultIconKey) == ERROR_SUCCESS &&
            !WriteDefault(icon, program + type.iconSuffix))
            return false;
    }
    RegKey keys[std::size(kShellOpenCommandKeys)];
    HKEY parent = classKey.Get();
    for (std::size_t i = 0; i < std::size(kShellOpenCommandKeys); ++i) {
        if (keys[i].Create(parent, kShellOpenCommandKeys[i]) != ERROR_SUCCESS) return false;
        parent = keys[i].Get();
    }
    return WriteDefault(keys[std::size(keys) - 1], FileTypeOpenCommand(type, program));
}

void RegisterWltFileType() { RegisterFileType(kWalletFileType); }

void RegisterTxtAssoc() {
    if (g_Settings.textExt) RegisterFileType(kTextFileType);
}

void RegisterPwiAssoc() {
    if (g_Settings.pwiExt) RegisterFileType(kInkFileType);
}

void RegisterThemeFileType() { RegisterFileType(kThemeFileType); }
