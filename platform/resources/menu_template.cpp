// Walking menu templates; see menu_template.h.
#include "resources/menu_template.h"

#include "platform/resources.h"
#include "platform/system.h"
#include "resources/module_resources.h"
#include "resources/res_reader.h"

namespace platform {
namespace {

constexpr WORD kMenuTemplateVersion = 0;
constexpr int kMaxMenuDepth = 16;

bool ParseLevel(ResReader& reader, int depth, std::vector<MenuTemplateItem>& out) {
    if (depth > kMaxMenuDepth) return false;
    for (;;) {
        MenuTemplateItem item;
        const auto flags = reader.Word();
        if (!flags) return false;
        item.flags = *flags;
        if (!item.IsPopup()) {
            const auto id = reader.Word();
            if (!id) return false;
            item.id = *id;
        }
        const auto text = reader.Text();
        if (!text) return false;
        item.text = *text;
        if (item.IsPopup() && !ParseLevel(reader, depth + 1, item.items)) return false;
        out.push_back(std::move(item));
        if (*flags & kMenuItemEnd) return true;
    }
}

}  // namespace

std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(std::span<const BYTE> bytes) {
    ResReader reader(bytes);
    const auto version = reader.Word();
    const auto offset = reader.Word();
    if (!version || !offset || *version != kMenuTemplateVersion || !reader.Skip(*offset)) return std::nullopt;
    std::vector<MenuTemplateItem> items;
    // A menu with no items at all is stored as nothing after the header.
    if (reader.AtEnd()) return items;
    if (!ParseLevel(reader, 0, items)) return std::nullopt;
    return items;
}

std::optional<std::vector<MenuTemplateItem>> LoadMenuTemplate(HINSTANCE instance, LPCWSTR name) {
    const auto bytes = FindResourceData(instance, RT_MENU, name);
    if (!bytes) return std::nullopt;
    auto items = ParseMenuTemplate(*bytes);
    if (!items) SetLastError(ERROR_INVALID_DATA);
    return items;
}

}  // namespace platform
