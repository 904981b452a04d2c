// Menu templates (RT_MENU) walked in place: a header (version 0, offset of the items) and then the
// items of the top level, a pop-up's items following it directly; the last item of each level has
// the end flag. Pop-ups carry flags and a text, command items flags, a command id and a text
// (a separator is a command item with id 0 and an empty text).
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform {

// The flags of a stored menu item that the walk itself reads.
constexpr WORD kMenuItemPopup = 0x0010;
constexpr WORD kMenuItemEnd = 0x0080;

struct MenuTemplateItem {
    WORD flags = 0;  // as stored, the end flag included
    WORD id = 0;  // 0 for pop-ups
    std::u16string_view text;  // in place
    std::vector<MenuTemplateItem> items;  // a pop-up's items

    bool IsPopup() const { return (flags & kMenuItemPopup) != 0; }
    bool IsSeparator() const { return !IsPopup() && id == 0 && text.empty(); }
};

// The top-level items; nullopt when the template is not version 0, is truncated, a level has no
// end flag, or pop-ups nest deeper than any menu would.
std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(std::span<const BYTE> bytes);
// The menu resource `name` of the module, parsed; nullopt with the last error of a missing resource,
// or ERROR_INVALID_DATA for one that cannot be read.
std::optional<std::vector<MenuTemplateItem>> LoadMenuTemplate(HINSTANCE instance, LPCWSTR name);

}  // namespace platform
