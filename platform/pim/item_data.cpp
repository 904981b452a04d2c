// Property access of one PIM item and the category text.
#include "pim/item_data.h"

#include "platform/text.h"

namespace platform::pim {

std::int64_t ItemData::Int(CEPROPID id, std::int64_t fallback) const {
    const auto it = props.find(id);
    if (it == props.end()) return fallback;
    if (const auto* v = std::get_if<std::int64_t>(&it->second)) return *v;
    if (const auto* d = std::get_if<double>(&it->second)) return static_cast<std::int64_t>(*d);
    return fallback;
}

DATE ItemData::Date(CEPROPID id, DATE fallback) const {
    const auto it = props.find(id);
    if (it == props.end()) return fallback;
    if (const auto* d = std::get_if<double>(&it->second)) return *d;
    return fallback;
}

std::u16string ItemData::Text(CEPROPID id) const {
    const auto it = props.find(id);
    if (it == props.end()) return {};
    if (const auto* s = std::get_if<std::u16string>(&it->second)) return *s;
    return {};
}

const std::vector<BYTE>* ItemData::Bytes(CEPROPID id) const {
    const auto it = props.find(id);
    return it == props.end() ? nullptr : std::get_if<std::vector<BYTE>>(&it->second);
}

void ItemData::SetText(CEPROPID id, std::u16string v) {
    if (v.empty())
        props.erase(id);
    else
        props[id] = std::move(v);
}

std::u16string JoinCategories(const std::vector<std::u16string>& names) {
    std::u16string text;
    for (const auto& name : names) {
        if (!text.empty()) text += u", ";
        text += name;
    }
    return text;
}

std::vector<std::u16string> SplitCategories(std::u16string_view text) {
    std::vector<std::u16string> names;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t comma = text.find(u',', pos);
        if (comma == std::u16string_view::npos) comma = text.size();
        std::u16string_view name = text.substr(pos, comma - pos);
        while (!name.empty() && (name.front() == u' ' || name.front() == u'\t')) name.remove_prefix(1);
        while (!name.empty() && (name.back() == u' ' || name.back() == u'\t')) name.remove_suffix(1);
        bool seen = name.empty();
        for (const auto& n : names) seen = seen || EqualNoCase(n, name);
        if (!seen) names.emplace_back(name);
        pos = comma + 1;
    }
    return names;
}

}  // namespace platform::pim
