// The shell's system image list seen from the project tree and the Links list: both append their
// own images to a private copy, so that the shell's list is never changed.
#include "projects/shell_icons.h"

#include "platform/shell.h"

namespace {

constexpr int kSmallIconSize = 16;
constexpr int kGrowStep = 5;

}  // namespace

HIMAGELIST DupSysSmallIconList() {
    SHFILEINFOW info{};
    const auto system = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(u"\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (system) {
        if (const HIMAGELIST copy = ImageList_Duplicate(system)) return copy;
    }
    return ImageList_Create(kSmallIconSize, kSmallIconSize, ILC_MASK, 0, kGrowStep);
}

int GetFileSysIconIndex(const std::u16string& path) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return -1;
    return info.iIcon;
}
