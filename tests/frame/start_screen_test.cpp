// The start: the cover screens painted with the theme's picture, and an item named on the command
// line opened in its own month.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/cmd_line.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/testing_gdi.h"
#include "program_fixture.h"
#include "ui/theme_pictures.h"

namespace {

namespace pt = platform::testing;

constexpr int kCoverTextWord = 9;
constexpr int kBackgroundWord = 10;
constexpr int kFrameWord = 11;
constexpr int kBackPictureWord = 44;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kFrameColor = RGB(3, 251, 7);
constexpr COLORREF kPictureCorner = 0xFF00FF;

class StartScreen : public frametest::ProgramTest {
protected:
    StartScreen() {
        FreezeTestDay();
        for (const int word : {kCoverTextWord, kBackgroundWord, kFrameWord}) saved_[word - kCoverTextWord] = GetThemeWord(word);
    }
    ~StartScreen() override {
        for (const int word : {kCoverTextWord, kBackgroundWord, kFrameWord}) SetThemeWord(word, saved_[word - kCoverTextWord]);
        g_Theme.String(kBackPictureWord).clear();
        FreeBackPictures();
        g_CurItem = CurItem();
    }

    // The view shown as a cover screen, painted now.
    static void PaintAs(LONG view) {
        ViewId = view;
        InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
        UpdateWindow(g_Frame.mainWnd);
    }
    static COLORREF ClientPixel(int x, int y) {
        POINT at{x, y};
        ClientToScreen(g_Frame.mainWnd, &at);
        return pt::ScreenPixel(at.x, at.y) & 0xFFFFFF;
    }
    static int FramePixels() {
        RECT client{};
        GetClientRect(g_Frame.mainWnd, &client);
        int count = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) count += ClientPixel(x, y) == kFrameColor ? 1 : 0;
        return count;
    }

    LONG saved_[3] = {};
};

TEST_F(StartScreen, CoverScreensShowTheThemePictureFramedOrPlainWhite) {
    ASSERT_NE(Open(), nullptr);
    SetThemeWord(kBackgroundWord, static_cast<LONG>(kWhite));
    SetThemeWord(kFrameWord, static_cast<LONG>(kFrameColor));
    SetThemeWord(kCoverTextWord, 0);

    for (const LONG view : {kViewCoverScreen, kViewWalletLocked}) {
        g_Theme.String(kBackPictureWord).clear();
        FreeBackPictures();
        PaintAs(view);
        EXPECT_EQ(ClientPixel(1, 1), kWhite) << view;
        EXPECT_EQ(FramePixels(), 0) << "a plain white screen has no frame, view " << view;
    }

    const std::u16string path = u"\\My Documents\\cover back.bmp";
    std::filesystem::create_directories(device_.HostPath(u"\\My Documents"));
    std::filesystem::copy_file(std::filesystem::path(QV_FIXTURES_DIR) / "dialogs" / "picture.bmp",
                               device_.HostPath(path));
    for (const LONG view : {kViewCoverScreen, kViewWalletLocked}) {
        g_Theme.String(kBackPictureWord) = path;
        FreeBackPictures();
        PaintAs(view);
        EXPECT_EQ(ClientPixel(0, 0), kPictureCorner) << "the picture's corner, view " << view;
        EXPECT_GT(FramePixels(), 0) << "the centre picture is framed over the background picture, view " << view;
    }
}

}  // namespace
