// Reading soft-key bar resources; see softkey_bar.h.
#include "resources/softkey_bar.h"

#include <initializer_list>

#include "platform/resources.h"
#include "platform/system.h"
#include "resources/module_resources.h"
#include "resources/res_reader.h"

namespace platform {

std::optional<SoftKeyBarTemplate> ParseSoftKeyBar(std::span<const BYTE> bytes) {
    ResReader r(bytes);
    const auto menuId = r.Word();
    const auto count = r.Word();
    if (!menuId || !count) return std::nullopt;
    SoftKeyBarTemplate bar;
    bar.menuId = *menuId;
    for (WORD i = 0; i < *count; ++i) {
        SoftKeyBarButton button;
        for (WORD* field : {&button.image, &button.command, &button.state, &button.style, &button.stringId,
                            &button.reserved, &button.subMenu}) {
            const auto value = r.Word();
            if (!value) return std::nullopt;
            *field = *value;
        }
        bar.buttons.push_back(button);
    }
    return bar;
}

std::optional<SoftKeyBarTemplate> LoadSoftKeyBar(HINSTANCE instance, LPCWSTR id) {
    const auto bytes = FindResourceData(instance, RT_RCDATA, id);
    if (!bytes) return std::nullopt;
    auto bar = ParseSoftKeyBar(*bytes);
    if (!bar) SetLastError(ERROR_INVALID_DATA);
    return bar;
}

}  // namespace platform
