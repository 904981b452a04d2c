// Registry keys closed by their owner and value reads that never trust a stored length.
#include "core/reg_key.h"

#include <vector>

LONG RegKey::Open(HKEY root, const std::u16string& path) {
    Close();
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key_);
}

LONG RegKey::Create(HKEY root, const std::u16string& path) {
    Close();
    DWORD disposition = 0;
    return RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key_,
                           &disposition);
}

LONG RegKey::Close() {
    if (key_ == nullptr) return ERROR_SUCCESS;
    const LONG status = RegCloseKey(key_);
    key_ = nullptr;
    return status;
}

bool RegKey::HasValue(const WCHAR* name) const {
    DWORD size = 0;
    return key_ != nullptr && RegQueryValueExW(key_, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
}

bool RegKey::ReadNumber(const WCHAR* name, LONG& out) const {
    if (key_ == nullptr) return false;
    LONG value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        size != sizeof(value)) {
        return false;
    }
    out = value;
    return true;
}

bool RegKey::ReadText(const WCHAR* name, DWORD maxBytes, std::u16string& out) const {
    if (key_ == nullptr) return false;
    // One character more than the value may fill, so that the text always ends.
    std::vector<WCHAR> buffer(maxBytes / sizeof(WCHAR) + 1, 0);
    DWORD size = maxBytes;
    if (RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    const std::size_t chars = size / sizeof(WCHAR);
    std::size_t length = 0;
    while (length < chars && buffer[length] != 0) ++length;
    out.assign(buffer.data(), length);
    return true;
}

LONG RegKey::WriteNumber(const WCHAR* name, LONG value) const {
    return RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

LONG RegKey::WriteText(const WCHAR* name, const std::u16string& text) const {
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR));
    return RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}
