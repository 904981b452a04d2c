// Walking dialog templates; see dialog_template.h.
#include "resources/dialog_template.h"

#include <algorithm>

#include "platform/system.h"
#include "resources/module_resources.h"

namespace platform {
namespace {

constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr std::size_t kItemAlignment = 4;
// A template built in memory by its caller carries no size; the walk stops at its last item, and
// this only bounds how far a broken one could be read.
constexpr std::size_t kInMemoryTemplateLimit = 1u << 20;

bool ReadRect(ResReader& r, SHORT& x, SHORT& y, SHORT& cx, SHORT& cy) {
    const auto a = r.Short(), b = r.Short(), c = r.Short(), d = r.Short();
    if (!a || !b || !c || !d) return false;
    x = *a, y = *b, cx = *c, cy = *d;
    return true;
}

bool ReadHeader(ResReader& r, DialogTemplateView& view, WORD& count) {
    const auto first = r.Word();
    const auto second = r.Word();
    if (!first || !second) return false;
    view.extended = *first == kExtendedVersion && *second == kExtendedSignature;
    if (view.extended) {
        const auto helpId = r.Dword(), exStyle = r.Dword(), style = r.Dword();
        if (!helpId || !exStyle || !style) return false;
        view.helpId = *helpId, view.exStyle = *exStyle, view.style = *style;
    } else {
        // The first two words were the style.
        view.style = static_cast<DWORD>(*first) | static_cast<DWORD>(*second) << 16;
        const auto exStyle = r.Dword();
        if (!exStyle) return false;
        view.exStyle = *exStyle;
    }
    const auto items = r.Word();
    if (!items || !ReadRect(r, view.x, view.y, view.cx, view.cy)) return false;
    count = *items;

    const auto menu = r.Field(), windowClass = r.Field();
    const auto title = r.Text();
    if (!menu || !windowClass || !title) return false;
    view.menu = *menu, view.windowClass = *windowClass, view.title = *title;

    // DS_SHELLFONT includes DS_SETFONT, so one bit tells both forms.
    view.hasFont = (view.style & kDialogStyleSetFont) != 0;
    if (!view.hasFont) return true;
    const auto pointSize = r.Word();
    if (!pointSize) return false;
    view.pointSize = *pointSize;
    if (view.extended) {
        const auto weight = r.Word();
        const auto italic = r.Byte(), charSet = r.Byte();
        if (!weight || !italic || !charSet) return false;
        view.weight = *weight, view.italic = *italic != 0, view.charSet = *charSet;
    }
    const auto face = r.Text();
    if (!face) return false;
    view.faceName = *face;
    return true;
}

bool ReadItem(ResReader& r, bool extended, DialogItemView& item) {
    r.Align(kItemAlignment);
    item.record = r.Here();
    if (extended) {
        const auto helpId = r.Dword(), exStyle = r.Dword(), style = r.Dword();
        if (!helpId || !exStyle || !style) return false;
        item.helpId = *helpId, item.exStyle = *exStyle, item.style = *style;
    } else {
        const auto style = r.Dword(), exStyle = r.Dword();
        if (!style || !exStyle) return false;
        item.style = *style, item.exStyle = *exStyle;
    }
    if (!ReadRect(r, item.x, item.y, item.cx, item.cy)) return false;
    if (extended) {
        const auto id = r.Dword();
        if (!id) return false;
        item.id = *id;
    } else {
        const auto id = r.Word();
        if (!id) return false;
        item.id = *id;
    }
    const auto windowClass = r.Field(), title = r.Field();
    if (!windowClass || !title) return false;
    item.windowClass = *windowClass, item.title = *title;

    const auto count = r.Word();
    if (!count) return false;
    std::size_t dataBytes = *count;
    if (!extended && dataBytes > 0) {
        // The standard form counts the size word itself.
        if (dataBytes < sizeof(WORD)) return false;
        dataBytes -= sizeof(WORD);
    }
    const auto data = r.Bytes(dataBytes);
    if (!data) return false;
    item.creationData = *data;
    return true;
}

}  // namespace

std::optional<DialogTemplateView> ParseDialogTemplate(std::span<const BYTE> bytes) {
    ResReader r(bytes);
    DialogTemplateView view;
    WORD count = 0;
    if (!ReadHeader(r, view, count)) return std::nullopt;
    view.items.reserve(std::min<std::size_t>(count, r.Left() / sizeof(DLGITEMTEMPLATE)));
    for (WORD i = 0; i < count; ++i) {
        DialogItemView item;
        if (!ReadItem(r, view.extended, item)) return std::nullopt;
        view.items.push_back(item);
    }
    return view;
}

std::optional<DialogTemplateView> ParseDialogTemplate(const DLGTEMPLATE* dialogTemplate) {
    if (!dialogTemplate) return std::nullopt;
    if (const auto inResource = ResourceDataFrom(dialogTemplate)) return ParseDialogTemplate(*inResource);
    return ParseDialogTemplate(
        std::span<const BYTE>(reinterpret_cast<const BYTE*>(dialogTemplate), kInMemoryTemplateLimit));
}

std::optional<DialogTemplateView> LoadDialogTemplate(HINSTANCE instance, LPCWSTR name) {
    const auto bytes = FindResourceData(instance, RT_DIALOG, name);
    if (!bytes) return std::nullopt;
    auto view = ParseDialogTemplate(*bytes);
    if (!view) SetLastError(ERROR_INVALID_DATA);
    return view;
}

}  // namespace platform
