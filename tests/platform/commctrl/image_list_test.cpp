// Image lists without drawing: sizes, counts, duplicates, removal, and handles that are not lists.
#include "commctrl_fixture.h"

namespace {

TEST(ImageListTest, SizesCountsAndCopies) {
    const HIMAGELIST list = ImageList_Create(12, 12, ILC_MASK, 200, 5);
    ASSERT_NE(list, nullptr);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 12);
    EXPECT_EQ(cy, 12);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_TRUE(ImageList_SetImageCount(list, 4));
    const HIMAGELIST copy = ImageList_Duplicate(list);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, list);
    EXPECT_TRUE(ImageList_Remove(list, 1));
    EXPECT_FALSE(ImageList_Remove(list, 3));
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    EXPECT_EQ(ImageList_GetImageCount(copy), 4);
    EXPECT_TRUE(ImageList_RemoveAll(copy));
    EXPECT_EQ(ImageList_GetImageCount(copy), 0);
    EXPECT_TRUE(ImageList_Destroy(copy));
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST(ImageListTest, HandlesThatAreNotListsFail) {
    EXPECT_EQ(ImageList_Create(0, 12, ILC_MASK, 1, 1), nullptr);
    const HIMAGELIST gone = ImageList_Create(8, 8, ILC_MASK, 1, 1);
    ImageList_Destroy(gone);
    const HIMAGELIST made_up = reinterpret_cast<HIMAGELIST>(static_cast<ULONG_PTR>(0x1234));
    for (const HIMAGELIST bad : {gone, made_up, static_cast<HIMAGELIST>(nullptr)}) {
        int cx = -1, cy = -1;
        EXPECT_FALSE(ImageList_GetIconSize(bad, &cx, &cy));
        EXPECT_EQ(cx, -1);
        EXPECT_EQ(ImageList_GetImageCount(bad), 0);
        EXPECT_FALSE(ImageList_Destroy(bad));
        EXPECT_FALSE(ImageList_Remove(bad, -1));
        EXPECT_EQ(ImageList_Duplicate(bad), nullptr);
    }
}

TEST(CommonControlsTest, ClassesAreRegisteredByGroup) {
    INITCOMMONCONTROLSEX bad{sizeof(INITCOMMONCONTROLSEX) + 1, ICC_DATE_CLASSES};
    EXPECT_FALSE(InitCommonControlsEx(&bad));
    EXPECT_FALSE(InitCommonControlsEx(nullptr));
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES | ICC_TREEVIEW_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&init));
    EXPECT_TRUE(InitCommonControlsEx(&init));  // again: harmless
    WNDCLASSW wc{};
    EXPECT_TRUE(GetClassInfoW(nullptr, DATETIMEPICK_CLASSW, &wc));
    EXPECT_TRUE(GetClassInfoW(nullptr, WC_TREEVIEWW, &wc));
    InitCommonControls();
    for (const WCHAR* name : {WC_LISTVIEWW, TOOLBARCLASSNAMEW}) EXPECT_TRUE(GetClassInfoW(nullptr, name, &wc));
}

}  // namespace
