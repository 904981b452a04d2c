// The string table and LoadStringW.
#include "resources/string_table.h"

#include <algorithm>
#include <cstring>

#include "platform/resources.h"
#include "platform/system.h"
#include "resources/module_resources.h"
#include "resources/res_reader.h"

namespace platform {
namespace {

constexpr UINT kStringsPerBlock = 16;

}  // namespace

std::optional<std::u16string_view> FindString(HINSTANCE instance, UINT id) {
    // Ids above 0xFFFF have no block; LOWORD would otherwise alias them onto small ids.
    if (id > 0xFFFF) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    const auto block = FindResourceData(instance, RT_STRING, MAKEINTRESOURCEW(id / kStringsPerBlock + 1));
    if (!block) return std::nullopt;
    ResReader reader(*block);
    for (UINT index = 0; index <= id % kStringsPerBlock; ++index) {
        const auto length = reader.Word();
        if (!length) break;
        const auto units = reader.Bytes(static_cast<std::size_t>(*length) * sizeof(WCHAR));
        if (!units) break;
        if (index == id % kStringsPerBlock) {
            if (*length == 0) break;
            return std::u16string_view(reinterpret_cast<const WCHAR*>(units->data()), *length);
        }
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return std::nullopt;
}

}  // namespace platform

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR out, int outChars) {
    if (!out || outChars < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto text = platform::FindString(instance, id);
    if (outChars == 0) {
        // The documented form: out receives a read-only pointer to the string in place.
        const LPCWSTR inPlace = text ? text->data() : nullptr;
        std::memcpy(out, &inPlace, sizeof inPlace);
        return text ? static_cast<int>(text->size()) : 0;
    }
    const std::size_t copied = text ? std::min(text->size(), static_cast<std::size_t>(outChars - 1)) : 0;
    if (copied > 0) std::copy_n(text->data(), copied, out);
    out[copied] = 0;
    return static_cast<int>(copied);
}
