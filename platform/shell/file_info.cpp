// SHGetFileInfoW: the device's file icons in the system image lists (a folder, a plain file, a
// text file, a picture), drawn here once per size, and the attributes and name of an entry.
#include <algorithm>
#include <array>
#include <cwctype>
#include <iterator>
#include <mutex>
#include <string_view>

#include "platform/commctrl.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/user.h"

namespace platform {
namespace {

enum FileIcon : int { kIconFolder = 0, kIconFile = 1, kIconText = 2, kIconPicture = 3, kIconCount = 4 };

constexpr COLORREF kKey = RGB(255, 0, 255);

struct Extension {
    std::u16string_view text;
    FileIcon icon;
};
constexpr std::array<Extension, 10> kExtensions{{
    {u".txt", kIconText}, {u".log", kIconText}, {u".xml", kIconText}, {u".htm", kIconText},
    {u".html", kIconText}, {u".jpg", kIconPicture}, {u".jpeg", kIconPicture}, {u".gif", kIconPicture},
    {u".bmp", kIconPicture}, {u".png", kIconPicture},
}};

bool EndsWithNoCase(std::u16string_view text, std::u16string_view end) {
    if (end.size() > text.size()) return false;
    const auto tail = text.substr(text.size() - end.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (std::towlower(tail[i]) != std::towlower(end[i])) return false;
    }
    return true;
}

FileIcon IconOf(std::u16string_view path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return kIconFolder;
    for (const Extension& e : kExtensions) {
        if (EndsWithNoCase(path, e.text)) return e.icon;
    }
    return kIconFile;
}

void Fill(HDC dc, int l, int t, int r, int b, COLORREF colour) {
    const RECT rect{l, t, r, b};
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// Draws the four icons side by side, each `s` pixels square, in proportions of the cell.
void DrawIcons(HDC dc, int s) {
    Fill(dc, 0, 0, s * kIconCount, s, kKey);
    const auto at = [s](int cell, int part) { return cell * s + part * s / 16; };
    const auto y = [s](int part) { return part * s / 16; };
    // Folder: a tab and a body.
    Fill(dc, at(0, 1), y(3), at(0, 7), y(5), RGB(200, 150, 30));
    Fill(dc, at(0, 1), y(5), at(0, 15), y(14), RGB(235, 190, 60));
    // Pages: an outline and, for text and pictures, their content.
    for (int cell = kIconFile; cell < kIconCount; ++cell) {
        Fill(dc, at(cell, 3), y(1), at(cell, 13), y(15), RGB(90, 90, 90));
        Fill(dc, at(cell, 4), y(2), at(cell, 12), y(14), RGB(255, 255, 255));
    }
    for (int line = 4; line < 13; line += 3) Fill(dc, at(kIconText, 5), y(line), at(kIconText, 11), y(line + 1), RGB(40, 80, 200));
    Fill(dc, at(kIconPicture, 5), y(4), at(kIconPicture, 11), y(9), RGB(120, 180, 240));
    Fill(dc, at(kIconPicture, 5), y(9), at(kIconPicture, 11), y(12), RGB(60, 160, 60));
}

HIMAGELIST MakeSystemList(int size) {
    const HIMAGELIST list = ImageList_Create(size, size, ILC_MASK, kIconCount, 0);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP strip = CreateCompatibleBitmap(screen, size * kIconCount, size);
    const HGDIOBJ previous = SelectObject(memory, strip);
    DrawIcons(memory, size);
    SelectObject(memory, previous);
    ImageList_AddMasked(list, strip, kKey);
    DeleteObject(strip);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return list;
}

// The shell keeps its two lists for the life of the process.
HIMAGELIST SystemList(bool small) {
    static std::once_flag once;
    static HIMAGELIST lists[2] = {};
    std::call_once(once, [] {
        const int smallSize = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : 16;
        const int largeSize = GetSystemMetrics(SM_CXICON) > 0 ? GetSystemMetrics(SM_CXICON) : 32;
        lists[0] = MakeSystemList(smallSize);
        lists[1] = MakeSystemList(largeSize);
    });
    return lists[small ? 0 : 1];
}

}  // namespace
}  // namespace platform

DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT infoSize, UINT flags) {
    using namespace platform;
    if (!path || !info || infoSize < sizeof(SHFILEINFOW)) return 0;
    const DWORD found = (flags & SHGFI_USEFILEATTRIBUTES) ? attributes : GetFileAttributesW(path);
    if (found == INVALID_FILE_ATTRIBUTES) return 0;
    const std::u16string_view text(path);
    const int icon = IconOf(text, found);
    const HIMAGELIST list = SystemList(flags & SHGFI_SMALLICON);
    if (flags & SHGFI_ATTRIBUTES) info->dwAttributes = found;
    if (flags & SHGFI_DISPLAYNAME) {
        const std::size_t slash = text.find_last_of(u'\\');
        std::u16string_view name = slash == std::u16string_view::npos ? text : text.substr(slash + 1);
        if (name.empty()) name = text;
        const std::size_t count = std::min<std::size_t>(name.size(), std::size(info->szDisplayName) - 1);
        name.copy(info->szDisplayName, count);
        info->szDisplayName[count] = 0;
    }
    if (flags & SHGFI_ICON) info->hIcon = ImageList_GetIcon(list, icon, 0);
    if (flags & SHGFI_SYSICONINDEX) {
        info->iIcon = icon;
        return reinterpret_cast<DWORD_PTR>(list);
    }
    return 1;
}
