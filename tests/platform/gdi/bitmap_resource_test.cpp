// Bitmaps from a module's resources: LoadBitmapW and LoadImageW, drawn with magenta transparent.
#include "gdi_fixture.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "tests/platform/resources/res_fixture.h"

using namespace gdi_test;

namespace {

constexpr WORD kArrowId = 158;
constexpr WORD kCoreId = 159;

// A 3 x 2 picture of 8 bits a pixel, bottom-up: a blue dot on magenta in the top row.
std::vector<BYTE> ArrowDib() {
    std::vector<BYTE> dib;
    restest::PutDword(dib, 40);
    restest::PutDword(dib, 3), restest::PutDword(dib, 2);
    restest::PutWord(dib, 1), restest::PutWord(dib, 8);
    for (const DWORD v : {0u, 0u, 0u, 0u, 2u, 0u}) restest::PutDword(dib, v);
    restest::PutDword(dib, 0x00FF00FF);  // 0: magenta
    restest::PutDword(dib, 0x000000FF);  // 1: blue
    for (const BYTE b : {0, 0, 0, 0}) dib.push_back(b);  // bottom row, padded to 4
    for (const BYTE b : {0, 1, 0, 0}) dib.push_back(b);  // top row
    return dib;
}

// The same picture with the old 12-byte header and 3-byte colours.
std::vector<BYTE> CoreDib() {
    std::vector<BYTE> dib;
    restest::PutDword(dib, 12);
    restest::PutWord(dib, 3), restest::PutWord(dib, 2), restest::PutWord(dib, 1), restest::PutWord(dib, 8);
    for (int i = 0; i < 256; ++i) {
        const bool blue = i == 1;
        dib.push_back(blue ? 0xFF : (i == 0 ? 0xFF : 0));
        dib.push_back(0);
        dib.push_back(blue ? 0 : (i == 0 ? 0xFF : 0));
    }
    for (const BYTE b : {0, 0, 0, 0, 0, 1, 0, 0}) dib.push_back(b);
    return dib;
}

class BitmapResource : public ::testing::Test {
protected:
    BitmapResource() : module(restest::FakeModule(7), Build()) {}
    static restest::AlignedBytes Build() {
        std::vector<BYTE> file = restest::EmptyFile();
        restest::PutEntry(file, 2, kArrowId, ArrowDib());
        restest::PutEntry(file, 2, kCoreId, CoreDib());
        return restest::Align(file);
    }
    restest::Module module;
};

TEST_F(BitmapResource, LoadedBitmapBlitsWithMagentaTransparent) {
    ASSERT_TRUE(module.Registered());
    for (const WORD id : {kArrowId, kCoreId}) {
        HBITMAP bitmap = LoadBitmapW(module.Handle(), MAKEINTRESOURCEW(id));
        ASSERT_NE(bitmap, nullptr) << id;
        BITMAP bm{};
        GetObjectW(bitmap, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 3);
        EXPECT_EQ(bm.bmHeight, 2);
        Surface32 s(8, 4);
        s.Clear(kRed);
        // Stretched twice as large: only the blue dot's 2 x 2 block changes.
        ASSERT_TRUE(TransparentImage(s.dc(), 0, 0, 6, 4, bitmap, 0, 0, 3, 2, kMagenta));
        EXPECT_EQ(s.Picture(8, 4), "rrbbrrrr|rrbbrrrr|rrrrrrrr|rrrrrrrr") << id;
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST_F(BitmapResource, LoadImageScalesAndMakesSections) {
    HANDLE image = LoadImageW(module.Handle(), MAKEINTRESOURCEW(kArrowId), IMAGE_BITMAP, 6, 4, LR_CREATEDIBSECTION);
    ASSERT_NE(image, nullptr);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectW(image, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmWidth, 6);
    EXPECT_EQ(ds.dsBm.bmHeight, 4);
    EXPECT_NE(ds.dsBm.bmBits, nullptr);
    // The first row in memory is the bottom one: magenta.
    EXPECT_EQ(static_cast<const std::uint32_t*>(ds.dsBm.bmBits)[0], 0x00FF00FFu);
    DeleteObject(image);
}

TEST_F(BitmapResource, MissingBitmapsGiveNull) {
    SetLastError(0);
    EXPECT_EQ(LoadBitmapW(module.Handle(), MAKEINTRESOURCEW(999)), nullptr);
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_EQ(LoadImageW(module.Handle(), MAKEINTRESOURCEW(kArrowId), IMAGE_ICON, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadBitmapW(restest::FakeModule(8), MAKEINTRESOURCEW(kArrowId)), nullptr);
}

}  // namespace
