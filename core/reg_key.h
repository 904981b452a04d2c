// An open registry key that closes itself on every way out, and bounded reads of its values:
// numbers only when exactly four bytes are stored, texts cut at a byte limit and always ended.
#pragma once

#include <string>

#include "platform/registry.h"
#include "platform/types.h"

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key for reading; the status of RegOpenKeyExW.
    LONG Open(HKEY root, const std::u16string& path);
    // Opens or creates the key for writing; the status of RegCreateKeyExW.
    LONG Create(HKEY root, const std::u16string& path);
    // The status of RegCloseKey, ERROR_SUCCESS when nothing was open.
    LONG Close();

    bool IsOpen() const { return key_ != nullptr; }
    HKEY Get() const { return key_; }

    // True when the value exists, whatever it holds.
    bool HasValue(const WCHAR* name) const;
    // Reads a four-byte value into out; out is left as it was when the read fails.
    bool ReadNumber(const WCHAR* name, LONG& out) const;
    // Reads a text of at most maxBytes bytes (terminator included) into out, up to its first zero;
    // out is left as it was when the value is missing or longer.
    bool ReadText(const WCHAR* name, DWORD maxBytes, std::u16string& out) const;

    LONG WriteNumber(const WCHAR* name, LONG value) const;
    // Writes the text with its terminating zero.
    LONG WriteText(const WCHAR* name, const std::u16string& text) const;

private:
    HKEY key_ = nullptr;
};
