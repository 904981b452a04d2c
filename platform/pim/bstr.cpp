// BSTR texts: a 32-bit byte count before the characters, and a terminator after them.
#include <cstdlib>
#include <cstring>

#include "pim/bstr_util.h"
#include "platform/com.h"

namespace {

constexpr std::size_t kPrefixBytes = sizeof(DWORD);

std::size_t Length(LPCWSTR text) {
    std::size_t n = 0;
    while (text[n]) ++n;
    return n;
}

}  // namespace

BSTR SysAllocStringLen(LPCWSTR text, UINT chars) {
    auto* block = static_cast<BYTE*>(std::malloc(kPrefixBytes + (static_cast<std::size_t>(chars) + 1) * sizeof(WCHAR)));
    if (!block) return nullptr;
    const DWORD bytes = chars * static_cast<DWORD>(sizeof(WCHAR));
    std::memcpy(block, &bytes, kPrefixBytes);
    auto* out = reinterpret_cast<WCHAR*>(block + kPrefixBytes);
    if (text) std::memcpy(out, text, chars * sizeof(WCHAR));
    else std::memset(out, 0, chars * sizeof(WCHAR));
    out[chars] = 0;
    return out;
}

BSTR SysAllocString(LPCWSTR text) {
    if (!text) return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(Length(text)));
}

void SysFreeString(BSTR text) {
    if (text) std::free(reinterpret_cast<BYTE*>(text) - kPrefixBytes);
}

UINT SysStringLen(BSTR text) {
    if (!text) return 0;
    DWORD bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<BYTE*>(text) - kPrefixBytes, kPrefixBytes);
    return bytes / sizeof(WCHAR);
}

namespace platform::pim {

HRESULT ReturnText(const std::u16string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

std::u16string TextOf(LPCWSTR text) { return text ? std::u16string(text, Length(text)) : std::u16string(); }

}  // namespace platform::pim
