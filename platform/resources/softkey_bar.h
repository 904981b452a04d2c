// Soft-key bar resources (RT_RCDATA, named by the bar's id), read in place. All fields are 16-bit
// words: the id of the menu whose pop-ups the buttons open, the button count, then per button its
// image, command, state, style, string-table id of its text, a reserved word and the index of the
// pop-up it opens (0xFFFF for none).
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/types.h"

namespace platform {

constexpr WORD kSoftKeyNoImage = 0xFFFE;
constexpr WORD kSoftKeyNoSubMenu = 0xFFFF;

struct SoftKeyBarButton {
    WORD image = kSoftKeyNoImage;
    WORD command = 0;
    WORD state = 0;
    WORD style = 0;
    WORD stringId = 0;
    WORD reserved = 0;
    WORD subMenu = kSoftKeyNoSubMenu;
};

struct SoftKeyBarTemplate {
    WORD menuId = 0;
    std::vector<SoftKeyBarButton> buttons;
};

// nullopt when the bytes are fewer than the count of buttons needs.
std::optional<SoftKeyBarTemplate> ParseSoftKeyBar(std::span<const BYTE> bytes);
// The bar resource `id` of the module, parsed; nullopt with the last error of a missing resource,
// or ERROR_INVALID_DATA for one that cannot be read.
std::optional<SoftKeyBarTemplate> LoadSoftKeyBar(HINSTANCE instance, LPCWSTR id);

}  // namespace platform
