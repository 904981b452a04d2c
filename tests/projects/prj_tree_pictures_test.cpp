// The Projects view's node pictures in the program's window: the strip that matches the size of the
// shell's small icons, so that a device with 21 or 22 pixel icons gets pictures of its own size.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/view_id.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "projects/prj_tree.h"
#include "resources/resource.h"
#include "tests/frame/program_fixture.h"

namespace {

namespace pt = platform::testing;

class PrjTreePictures : public frametest::ProgramTest {
protected:
    void UseDevice(int width, int height, int dpi) {
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = width;
        profile.screenHeight = height;
        profile.dpi = dpi;
        device_.SetProfile(profile);
        sizedScreen_.reset();
        sizedScreen_.emplace();
    }
};

TEST_F(PrjTreePictures, StripChosenByTheShellsSmallIconSize) {
    // A 16-pixel list on a big screen keeps the 16-pixel strip: the 32-pixel one would be cut into
    // quarters of pictures.
    struct Case {
        int width, height;
        int iconWidth;
        int strip;
    };
    const Case cases[] = {
        {240, 320, 16, IDB_PRJ_STRIP_16}, {480, 640, 16, IDB_PRJ_STRIP_16}, {240, 320, 21, IDB_PRJ_STRIP_21}, {240, 320, 22, IDB_PRJ_STRIP_22},
        {480, 640, 32, IDB_PRJ_STRIP_32}, {480, 640, 21, IDB_PRJ_STRIP_21}, {480, 640, 22, IDB_PRJ_STRIP_22},
        {480, 640, 24, IDB_PRJ_STRIP_32}, {240, 320, 24, IDB_PRJ_STRIP_16}, {240, 320, 32, IDB_PRJ_STRIP_32},
    };
    for (const Case& c : cases) {
        UseDevice(c.width, c.height, c.width >= 480 ? 192 : 96);
        EXPECT_EQ(PrjStripBitmap(c.iconWidth), c.strip) << c.width << "x" << c.height << " icons " << c.iconWidth;
    }
}

// The tree draws its nodes from the strip of the shell's icon size, whatever size this device has.
TEST_F(PrjTreePictures, NodesAreDrawnFromTheStripOfTheIconSize) {
    {
        Store store;
        PoomPtr<ITask> task = Store::Create<ITask>(olTaskItem, IID_ITask);
        task->put_Subject(u"Dig the beds");
        task->put_Categories(u"Prj:Garden");
        ASSERT_EQ(task->Save(), S_OK);
    }
    const std::pair<int, int> screens[] = {{240, 320}, {480, 640}};
    for (const auto& [w, h] : screens) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        UseDevice(w, h, w >= 480 ? 192 : 96);
        pt::DrawRecord record;
        Open();
        Command(IDM_VIEW_PROJECTS);
        ASSERT_EQ(ViewId, kViewProjects);
        ASSERT_NE(g_PrjTree.wnd, nullptr);
        int iconSize = 0;
        int iconHeight = 0;
        ASSERT_TRUE(ImageList_GetIconSize(g_PrjTree.images, &iconSize, &iconHeight));
        const int strip = PrjStripBitmap(iconSize);
        EXPECT_EQ(ImageList_GetImageCount(g_PrjTree.images), g_PrjTree.imageBase + 31) << "one picture per kind";
        SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(g_PrjTree.projectsRoot));
        SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(TreeFirstChild(g_PrjTree.projectsRoot)));
        InvalidateRect(g_PrjTree.wnd, nullptr, TRUE);
        UpdateWindow(g_PrjTree.wnd);
        pt::PumpUntilIdle();
        bool root = false;
        bool folder = false;
        bool task = false;
        for (const pt::DrawnPicture& p : record.ScreenPictures()) {
            if (p.resourceId != strip) continue;
            const int kind = p.index - g_PrjTree.imageBase;
            root = root || kind == 0;
            folder = folder || (kind >= 5 && kind <= 22);
            task = task || kind == 29;
            EXPECT_EQ(p.rect.right - p.rect.left, iconSize);
        }
        EXPECT_TRUE(root) << "the Projects root";
        EXPECT_TRUE(folder) << "the Garden project's folder";
        EXPECT_TRUE(task) << "the open task";
        const std::string file = "projects_tree_" + std::to_string(w) + "x" + std::to_string(h) + ".png";
        EXPECT_TRUE(pt::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / file));
        CloseProgram();
    }
}

}  // namespace
