// The ACTIVEFILE value: the path a second start hands to the running instance. A path longer than
// the value can carry is not written, and an older value is removed so that it cannot stand in
// for the new file.
#include "core/active_file.h"

#include "core/reg_key.h"
#include "core/settings_key.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace {

constexpr const WCHAR* kActiveFileValue = u"ACTIVEFILE";
constexpr DWORD kActiveFileMaxBytes = 520;
constexpr std::size_t kActiveFileMaxChars = MAX_PATH - 1;

}  // namespace

void SaveActiveFile(const std::u16string& path) {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS) return;
    if (path.size() > kActiveFileMaxChars) {
        RegDeleteValueW(key.Get(), kActiveFileValue);
        return;
    }
    key.WriteText(kActiveFileValue, path);
}

void LoadActiveFile(std::u16string& path) {
    RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS) return;
    key.ReadText(kActiveFileValue, kActiveFileMaxBytes, path);
}
