// Reading texts from the string table, which may be longer than any fixed buffer.
#include "core/res_string.h"

#include "core/show_message.h"
#include "platform/resources.h"
#include "platform/system.h"

std::u16string LoadResString(UINT id, const std::u16string& fallback) {
    // A zero buffer size hands back a pointer to the text in place.
    const WCHAR* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return fallback;
    return std::u16string(text, static_cast<std::size_t>(length));
}

int ShowResMessage(HWND owner, UINT id, UINT flags) {
    return ShowMessage(owner, LoadResString(id).c_str(), flags);
}
