// The wallet dialogs' checks of what the user typed, and the new item's making, apart from the
// dialogs' windows.
#pragma once

#include <optional>
#include <string>

#include "platform/types.h"
#include "wallet/wlt_item.h"

inline constexpr const WCHAR* kWltFileExistsText = u"A file with that name already exists.";
inline constexpr const WCHAR* kWltPasswordCharsText =
    u"This password has characters that the device's character set cannot hold: they would all be stored "
    u"as '?', and other passwords would open the wallet. Please use other characters.";

struct WltRefusal {
    const WCHAR* text;
    int focusId;  // the box that takes the focus; 0 for none
};

struct WltFileInput {
    bool newFile = true;
    std::u16string name;
    std::u16string password;
    std::u16string confirm;
    bool secure = true;
    bool fileExists = false;  // a new wallet's name names a file that is there
};

// The first refusal in the dialog's order, or nothing when the input passes.
std::optional<WltRefusal> CheckWltFileInput(const WltFileInput& input);
// A new password longer than the cipher's key can use: the warning that says how much of it counts,
// or nothing when all of it does.
std::optional<std::u16string> WltPasswordLengthWarning(const std::u16string& password);
// iconRow is the selected row of the icon list, -1 for none.
std::optional<WltRefusal> CheckWltItemInput(const std::u16string& name, int iconRow);
// A copy of the template with the name, icon, categories and the next item id, appended and selected.
void AddNewWltItem(const WltItem& templ, const std::u16string& name, LONG icon, const std::u16string& categories);
