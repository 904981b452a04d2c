// Loads the editors' labels and messages from the string table of the program's module.
#include "editors/res_text.h"

#include <vector>

#include "platform/resources.h"
#include "platform/system.h"

std::u16string LoadResStr(UINT id, int maxChars) {
    if (maxChars <= 1) return std::u16string();
    std::vector<WCHAR> buffer(static_cast<std::size_t>(maxChars), 0);
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, buffer.data(), maxChars);
    return length > 0 ? std::u16string(buffer.data(), static_cast<std::size_t>(length)) : std::u16string();
}
