// The editors' labels and messages: string-table texts cut as a fixed buffer would cut them.
#include "editors/res_text.h"

#include "core/res_string.h"

std::u16string LoadResStr(UINT id, int maxChars) {
    if (maxChars <= 1) return std::u16string();
    std::u16string text = LoadResString(id);
    if (text.size() > static_cast<std::size_t>(maxChars - 1)) text.resize(static_cast<std::size_t>(maxChars - 1));
    return text;
}
