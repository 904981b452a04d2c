// Pictures from the program's resources and from image files: a bitmap resource scaled, centred and
// keyed, the PNG resources, and image files drawn or loaded at their own size or fitted to a box.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "draw_surface.h"
#include "platform/com.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/imaging.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPictureGrey = RGB(128, 128, 128);  // the corners of the contact picture
constexpr int kPictureSide = 48;
constexpr const WCHAR* kPicturePath = u"\\My Documents\\picture.bmp";

std::string ReadHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class PictureFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    PictureFiles() {
        CoInitializeEx(nullptr, 0);
        device_.WriteFile(kPicturePath,
                          ReadHostFile(std::string(QV_FIXTURES_DIR) + "/../../resources/bitmaps/contact_picture.bmp"));
    }

    ~PictureFiles() override { CoUninitialize(); }

    // The columns of one row that differ from white: first and one past the last, or {0, 0}.
    static std::pair<int, int> Drawn(const DrawSurface& surface, int width, int y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < width; ++x) {
            if (surface.Pixel(x, y) != kWhite) {
                if (first < 0) first = x;
                last = x;
            }
        }
        return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
    }

    platform::testing::TestDevice device_;
    const HINSTANCE instance_ = GetModuleHandleW(nullptr);
};

TEST_F(PictureFiles, BitmapResourceScaledPlacedAndKeyed) {
    struct Case {
        Placement placement;
        float scale;
        COLORREF key;
        std::pair<int, int> columns;  // of the picture's top row
    } const cases[] = {
        {Placement::TopLeft, kNoScale, kDefaultKey, {10, 58}},
        {Placement::TopLeft, 0.5f, kDefaultKey, {10, 34}},
        {Placement::Centred, 0.5f, kDefaultKey, {-2, 22}},    // x - 24/2 from x = 10
        {Placement::TopLeft, kNoScale, kPictureGrey, {0, 0}},  // the grey corners are keyed out
    };
    for (const Case& c : cases) {
        DrawSurface surface(100, 100);
        LoadBitmapScaled(surface.dc(), instance_, IDB_CONTACT_PICTURE, 10, 40, c.placement, c.scale, c.key);
        const int top = c.placement == Placement::Centred ? 40 - 12 : 40;
        auto expected = c.columns;
        if (expected.first < 0) expected.first = 0;
        EXPECT_EQ(Drawn(surface, 100, top), expected) << c.scale;
        if (expected.second > 0) {
            EXPECT_EQ(surface.Pixel(expected.first, top), kPictureGrey);
        }
        EXPECT_EQ(Drawn(surface, 100, top - 1), (std::pair{0, 0}));
    }
    DrawSurface nothing(20, 20);
    LoadBitmapScaled(nothing.dc(), instance_, 9999, 0, 0, Placement::TopLeft, kNoScale, kDefaultKey);
    EXPECT_EQ(Drawn(nothing, 20, 0), (std::pair{0, 0}));
}

TEST_F(PictureFiles, PngResourceDrawsAndMissingOneDrawsNothing) {
    DrawSurface surface(200, 200);
    DrawPngResource(surface.dc(), instance_, IDR_SPIN_HUB, 100, 100, Placement::Centred, kNoScale);
    EXPECT_NE(Drawn(surface, 200, 100).second, 0);
    DrawSurface nothing(200, 200);
    DrawPngResource(nothing.dc(), instance_, 4321, 100, 100, Placement::Centred, kNoScale);
    for (int y = 0; y < 200; y += 10) EXPECT_EQ(Drawn(nothing, 200, y), (std::pair{0, 0}));
}

TEST_F(PictureFiles, ImageFileDrawnAtHalfSize) {
    DrawSurface surface(100, 100);
    DrawImageFile(surface.dc(), kPicturePath, 5, 5, Placement::TopLeft, 0.5f);
    EXPECT_EQ(Drawn(surface, 100, 5), (std::pair{5, 5 + kPictureSide / 2}));
    EXPECT_EQ(Drawn(surface, 100, 5 + kPictureSide / 2), (std::pair{0, 0}));
    DrawSurface nothing(20, 20);
    DrawImageFile(nothing.dc(), u"\\My Documents\\missing.bmp", 0, 0, Placement::TopLeft, kNoScale);
    EXPECT_EQ(Drawn(nothing, 20, 0), (std::pair{0, 0}));
}

TEST_F(PictureFiles, ImageFileLoadedAtOwnSizeOrFitted) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"PictureTestWindow";
    RegisterClassW(&wc);
    const HWND window =
        CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    struct Case {
        HWND window;
        int size;
        LONG side;
    } const cases[] = {{window, kNoSize, kPictureSide}, {window, 20, 20}, {nullptr, 20, kPictureSide}};
    for (const Case& c : cases) {
        const HBITMAP bitmap = LoadImageFileScaled(kPicturePath, c.window, c.size, false);
        ASSERT_NE(bitmap, nullptr) << c.size;
        BITMAP info{};
        GetObjectW(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, c.side) << c.size;
        EXPECT_EQ(info.bmHeight, c.side) << c.size;
        DeleteObject(bitmap);
    }
    EXPECT_EQ(LoadImageFileScaled(u"\\My Documents\\missing.bmp", window, 20, false), nullptr);
    DestroyWindow(window);
    UnregisterClassW(wc.lpszClassName, nullptr);
}

}  // namespace
