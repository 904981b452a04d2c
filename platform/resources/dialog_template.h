// Dialog templates (RT_DIALOG) walked in place, in both stored forms:
// - the standard form: DLGTEMPLATE, then the menu, class and title fields, with DS_SETFONT a point
//   size and a face name, then the items, each a DLGITEMTEMPLATE on a 4-byte boundary followed by
//   its class and title fields and its creation data (a first word 0, or the size of the data in
//   bytes counting that word);
// - the extended form (version 1, signature 0xFFFF): help id, extended style and style, item count
//   and rectangle, the three fields, with DS_SETFONT (DS_SHELLFONT includes it) point size, weight, italic,
//   character set and face name; each item has a help id, a 32-bit id and a count of the creation
//   data bytes that follow the count.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/resources.h"
#include "resources/res_reader.h"

namespace platform {

// Dialog style bits the walk reads (the window area gives the full set).
constexpr DWORD kDialogStyleSetFont = 0x00000040;

// Class ordinals of the predefined controls.
constexpr WORD kDialogClassButton = 0x0080;
constexpr WORD kDialogClassEdit = 0x0081;
constexpr WORD kDialogClassStatic = 0x0082;
constexpr WORD kDialogClassListBox = 0x0083;
constexpr WORD kDialogClassScrollBar = 0x0084;
constexpr WORD kDialogClassComboBox = 0x0085;

struct DialogItemView {
    const BYTE* record = nullptr;  // the item's first byte (a DLGITEMTEMPLATE in the standard form)
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    SHORT x = 0;
    SHORT y = 0;
    SHORT cx = 0;
    SHORT cy = 0;
    DWORD id = 0;  // 16 bits in the standard form
    ResField windowClass;
    ResField title;
    std::span<const BYTE> creationData;  // the control's data, without its size word
};

struct DialogTemplateView {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    SHORT x = 0;
    SHORT y = 0;
    SHORT cx = 0;
    SHORT cy = 0;
    ResField menu;
    ResField windowClass;
    std::u16string_view title;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = 0;
    bool italic = false;
    BYTE charSet = 0;
    std::u16string_view faceName;
    std::vector<DialogItemView> items;
};

// The template in `bytes` (which start at the template and may run on past its end); nullopt when
// any part of it lies outside the bytes.
std::optional<DialogTemplateView> ParseDialogTemplate(std::span<const BYTE> bytes);
// A template given by address only, as the dialog calls receive it: bounded by the resource it
// lies in when it lies in a registered one, else read as the caller built it.
std::optional<DialogTemplateView> ParseDialogTemplate(const DLGTEMPLATE* dialogTemplate);
// The dialog resource `name` of the module, parsed; nullopt with the last error of a missing
// resource, or ERROR_INVALID_DATA for one that cannot be read.
std::optional<DialogTemplateView> LoadDialogTemplate(HINSTANCE instance, LPCWSTR name);

}  // namespace platform
