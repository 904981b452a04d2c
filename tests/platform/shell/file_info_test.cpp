// SHGetFileInfoW: icons of folders and files in the shell's own image lists, and missing paths.
#include <gtest/gtest.h>

#include "platform/commctrl.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/testing.h"

namespace {

TEST(FileInfo, IconsByKindAndMissingPaths) {
    platform::testing::TestDevice device;
    device.WriteFile(u"\\My Documents\\a.TXT", "x");
    device.WriteFile(u"\\My Documents\\b.png", "x");
    device.WriteFile(u"\\My Documents\\c.bin", "x");
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    SHFILEINFOW info{};
    const auto list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(u"\\", 0, &info, sizeof(info), flags));
    ASSERT_NE(list, nullptr);
    const int folder = info.iIcon;
    int seen[3] = {};
    const WCHAR* files[] = {u"\\My Documents\\a.TXT", u"\\My Documents\\b.png", u"\\My Documents\\c.bin"};
    for (int i = 0; i < 3; ++i) {
        // Every call gives the same list: the shell keeps one.
        EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(files[i], 0, &info, sizeof(info), flags)), list);
        seen[i] = info.iIcon;
        EXPECT_LT(info.iIcon, ImageList_GetImageCount(list));
        EXPECT_NE(info.iIcon, folder);
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
    EXPECT_EQ(SHGetFileInfoW(u"\\My Documents\\missing.txt", 0, &info, sizeof(info), flags), 0u);
    EXPECT_EQ(SHGetFileInfoW(u"\\My Documents\\missing.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                             flags | SHGFI_USEFILEATTRIBUTES),
              reinterpret_cast<DWORD_PTR>(list));
    info.hIcon = nullptr;
    EXPECT_NE(SHGetFileInfoW(u"\\My Documents", 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON), 0u);
    EXPECT_NE(info.hIcon, nullptr);
    DestroyIcon(info.hIcon);
}

}  // namespace
