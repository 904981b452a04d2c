// Shared helpers of the registry tests: a test device per test, key handles that close themselves,
// and short readers and writers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/testing_registry.h"

namespace registry_test {

// Closes its key when the test ends, whatever the test did.
class Key {
public:
    Key() = default;
    ~Key() {
        if (handle_) RegCloseKey(handle_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Out() { return &handle_; }
    HKEY Get() const { return handle_; }
    // Gives the handle up, for tests that close it themselves.
    HKEY Release() {
        HKEY h = handle_;
        handle_ = nullptr;
        return h;
    }

private:
    HKEY handle_ = nullptr;
};

inline LONG Create(HKEY root, const char16_t* path, Key& key, DWORD* disposition = nullptr) {
    return RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, key.Out(), disposition);
}

inline LONG Open(HKEY root, const char16_t* path, Key& key) { return RegOpenKeyExW(root, path, 0, 0, key.Out()); }

inline std::vector<BYTE> Bytes(const std::string& text) { return std::vector<BYTE>(text.begin(), text.end()); }

// A text value as stored: its UTF-16 units and the terminator.
inline std::vector<BYTE> TextBytes(std::u16string text) {
    text.push_back(u'\0');
    const auto* p = reinterpret_cast<const BYTE*>(text.data());
    return std::vector<BYTE>(p, p + text.size() * sizeof(char16_t));
}

inline LONG SetDword(HKEY key, const char16_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

inline LONG SetBytes(HKEY key, const char16_t* name, DWORD type, const std::vector<BYTE>& data) {
    return RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
}

// Reads a value whole; the error code when it cannot.
struct Read {
    LONG status = ERROR_SUCCESS;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};
inline Read ReadValue(HKEY key, const char16_t* name) {
    Read r;
    DWORD size = 0;
    r.status = RegQueryValueExW(key, name, nullptr, &r.type, nullptr, &size);
    if (r.status != ERROR_SUCCESS) return r;
    r.data.resize(size);
    r.status = RegQueryValueExW(key, name, nullptr, &r.type, r.data.data(), &size);
    r.data.resize(size);
    return r;
}

inline DWORD ReadDword(HKEY key, const char16_t* name, DWORD fallback) {
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS
               ? value
               : fallback;
}

// Every test has a device root of its own and leaves no write fault behind.
class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { platform::testing::ResetRegistryFaults(); }
    platform::testing::TestDevice device_;
};

}  // namespace registry_test
