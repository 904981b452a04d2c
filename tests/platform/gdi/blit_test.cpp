// Blits: the raster operations, stretching, one-bit conversions, masked and keyed copies, DIBs.
#include <cstring>
#include <vector>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

TEST(Blit, RasterOperationsCombinePatternSourceAndDestination) {
    constexpr COLORREF P = RGB(0xF0, 0xF0, 0xF0), S = RGB(0xCC, 0xCC, 0xCC), D = RGB(0xAA, 0xAA, 0xAA);
    struct Case {
        const char* name;
        DWORD rop;
        BYTE expected;  // the operation's own code on the classic truth-table bytes
    };
    const Case cases[] = {
        {"SRCCOPY", SRCCOPY, 0xCC},       {"SRCPAINT", SRCPAINT, 0xEE},     {"SRCAND", SRCAND, 0x88},
        {"SRCINVERT", SRCINVERT, 0x66},   {"SRCERASE", SRCERASE, 0x44},     {"NOTSRCCOPY", NOTSRCCOPY, 0x33},
        {"NOTSRCERASE", NOTSRCERASE, 0x11}, {"MERGECOPY", MERGECOPY, 0xC0}, {"MERGEPAINT", MERGEPAINT, 0xBB},
        {"PATCOPY", PATCOPY, 0xF0},       {"PATPAINT", PATPAINT, 0xFB},     {"PATINVERT", PATINVERT, 0x5A},
        {"DSTINVERT", DSTINVERT, 0x55},   {"BLACKNESS", BLACKNESS, 0x00},   {"WHITENESS", WHITENESS, 0xFF},
        {"0xE2 (S where P, else D)", 0x00E20746u, 0xE2},
    };
    Surface32 src(2, 2), dst(2, 2);
    src.Clear(S);
    for (const Case& c : cases) {
        dst.Clear(D);
        Selected brush(dst.dc(), CreateSolidBrush(P));
        ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, c.rop)) << c.name;
        EXPECT_EQ(dst.At(1, 1), RGB(c.expected, c.expected, c.expected)) << c.name;
    }
}

TEST(Blit, PatBltRefusesOperationsThatNeedASource) {
    Surface32 s(4, 4);
    EXPECT_FALSE(PatBlt(s.dc(), 0, 0, 4, 4, SRCCOPY));
    EXPECT_TRUE(PatBlt(s.dc(), 0, 0, 2, 2, BLACKNESS));
    EXPECT_EQ(s.Picture(3, 3), "##.|##.|...");
}

TEST(Blit, CopyBetweenPlacesAndOntoItself) {
    Surface32 s(8, 4);
    SetPixel(s.dc(), 0, 0, kRed);
    SetPixel(s.dc(), 1, 0, kBlue);
    // Overlapping move to the right reads the pixels as they were before the copy.
    BitBlt(s.dc(), 1, 0, 4, 1, s.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(s.Picture(6, 1), "rrb...");
    // A source partly outside its bitmap leaves those destination pixels alone.
    Surface32 d(4, 1);
    BitBlt(d.dc(), 0, 0, 4, 1, s.dc(), 6, 0, NOTSRCCOPY);
    EXPECT_EQ(d.Picture(4, 1), "##..");
}

TEST(Blit, StretchBltScalesByNearestPixel) {
    Surface32 src(2, 2), dst(8, 8);
    SetPixel(src.dc(), 0, 0, kRed);
    SetPixel(src.dc(), 1, 1, kBlue);
    ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dst.Picture(5, 5), "rr...|rr...|..bb.|..bb.|.....");
    // Shrinking picks one pixel of each block; mirroring by a negative width.
    Surface32 back(2, 2);
    StretchBlt(back.dc(), 0, 0, 2, 2, dst.dc(), 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(back.Picture(2, 2), "r.|.b");
    StretchBlt(back.dc(), 1, 0, -2, 2, dst.dc(), 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(back.Picture(2, 2), ".r|b.");
}

TEST(Blit, TransparentImageLeavesMagentaOutEvenWhenStretched) {
    Surface32 icon(2, 2), dst(6, 6);
    icon.Clear(kMagenta);
    SetPixel(icon.dc(), 0, 0, kBlue);
    dst.Clear(kRed);
    ASSERT_TRUE(TransparentImage(dst.dc(), 1, 1, 4, 4, icon.dc(), 0, 0, 2, 2, kMagenta));
    EXPECT_EQ(dst.Picture(6, 6), "rrrrrr|rbbrrr|rbbrrr|rrrrrr|rrrrrr|rrrrrr");
    // The source may also be a bitmap that no DC holds.
    HBITMAP loose = CreateBitmap(1, 1, 1, 32, nullptr);
    dst.Clear(kRed);
    ASSERT_TRUE(TransparentImage(dst.dc(), 0, 0, 2, 2, loose, 0, 0, 1, 1, kMagenta));
    EXPECT_EQ(dst.Picture(3, 1), "##r");
    DeleteObject(loose);
    EXPECT_FALSE(TransparentImage(dst.dc(), 0, 0, 2, 2, nullptr, 0, 0, 1, 1, kMagenta));
}

TEST(Blit, MaskedCopyBuildsAMaskFromTheBackgroundColour) {
    // The usual masking: a one-bit mask from the picture (white where the key colour is), then AND
    // and XOR. Colour to one bit: the source's background colour becomes white.
    Surface32 picture(3, 1), dst(3, 1);
    picture.Clear(kMagenta);
    SetPixel(picture.dc(), 1, 0, kBlue);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateBitmap(3, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(maskDc, mask);
    SetBkColor(picture.dc(), kMagenta);
    BitBlt(maskDc, 0, 0, 3, 1, picture.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(maskDc, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(maskDc, 1, 0), kBlack);
    // One bit to colour: white takes the destination's background colour, black its text colour.
    dst.Clear(kRed);
    SetBkColor(dst.dc(), kWhite);
    SetTextColor(dst.dc(), kBlack);
    BitBlt(dst.dc(), 0, 0, 3, 1, maskDc, 0, 0, SRCAND);
    EXPECT_EQ(dst.Picture(3, 1), "r#r");
    // MaskBlt: the source where the mask is white, the destination elsewhere.
    dst.Clear(kRed);
    ASSERT_TRUE(MaskBlt(dst.dc(), 0, 0, 3, 1, picture.dc(), 0, 0, mask, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029u)));
    EXPECT_EQ(GetPixel(dst.dc(), 0, 0), kMagenta);
    EXPECT_EQ(GetPixel(dst.dc(), 1, 0), kRed);
    SelectObject(maskDc, old);
    DeleteObject(mask);
    DeleteDC(maskDc);
}

TEST(Blit, DibSectionBitsAreThePixelsBottomUp) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    ASSERT_NE(bits, nullptr);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    pixels[0] = 0x00FF0000;  // first row in memory is the bottom row: red
    HGDIOBJ old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, 1), kRed);
    SetPixel(dc, 2, 0, kBlue);
    EXPECT_EQ(pixels[3 + 2], 0x000000FFu);
    DIBSECTION ds{};
    EXPECT_EQ(GetObjectW(dib, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    EXPECT_EQ(ds.dsBmih.biHeight, 2);
    BITMAP bm{};
    EXPECT_EQ(GetObjectW(dib, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 32);
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
}

// A DIB as a resource holds it: 4 bits a pixel, a colour table, bottom-up rows.
TEST(Blit, DibsOfEveryDepthDrawTheSamePicture) {
    struct Dib {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } dib{};
    dib.header = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 4, BI_RGB, 0, 0, 0, 2, 0};
    dib.colours[0] = {0, 0, 255, 0};   // red
    dib.colours[1] = {255, 0, 0, 0};   // blue
    const BYTE bits4[] = {0x10, 0, 0, 0, 0x01, 0, 0, 0};  // bottom row: blue red; top row: red blue
    Surface32 s(4, 4);
    EXPECT_EQ(SetDIBitsToDevice(s.dc(), 0, 0, 2, 2, 0, 0, 0, 2, bits4, reinterpret_cast<BITMAPINFO*>(&dib),
                                DIB_RGB_COLORS),
              2);
    EXPECT_EQ(s.Picture(2, 2), "rb|br");

    // The same picture at 24 bits, top-down, stretched twice as large.
    BITMAPINFO info24{};
    info24.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const BYTE rows24[] = {0, 0, 255, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0};
    s.Clear(kWhite);
    EXPECT_EQ(StretchDIBits(s.dc(), 0, 0, 4, 4, 0, 0, 2, 2, rows24, &info24, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(s.Picture(4, 4), "rrbb|rrbb|bbrr|bbrr");

    HBITMAP made = CreateDIBitmap(s.dc(), &dib.header, CBM_INIT, bits4, reinterpret_cast<BITMAPINFO*>(&dib),
                                  DIB_RGB_COLORS);
    ASSERT_NE(made, nullptr);
    s.Clear(kWhite);
    TransparentImage(s.dc(), 0, 0, 2, 2, made, 0, 0, 2, 2, kMagenta);
    EXPECT_EQ(s.Picture(2, 2), "rb|br");
    DeleteObject(made);
}

TEST(Blit, BadDibsAreRefused) {
    BITMAPINFO info{};
    const BYTE bits[16] = {};
    Surface32 s(2, 2);
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 7, BI_RGB, 0, 0, 0, 0, 0};
    EXPECT_EQ(StretchDIBits(s.dc(), 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 100000, 100000, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    EXPECT_EQ(CreateDIBitmap(s.dc(), &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(s.dc(), -5, 4), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(s.dc(), 40000, 40000), nullptr);
}

TEST(Blit, IconDrawsThroughItsMask) {
    Surface32 colour(2, 1);
    colour.Clear(kBlack);
    SetPixel(colour.dc(), 0, 0, kBlue);
    HBITMAP mask = CreateBitmap(2, 1, 1, 1, nullptr);  // black: the icon shows
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(maskDc, mask);
    SetPixel(maskDc, 1, 0, kWhite);  // white: the destination shows
    SelectObject(maskDc, old);
    DeleteDC(maskDc);
    SelectObject(colour.dc(), GetStockObject(BLACK_BRUSH));
    ICONINFO info{TRUE, 0, 0, mask, nullptr};
    HBITMAP colourBitmap = CreateBitmap(2, 1, 1, 32, nullptr);
    HDC tmp = CreateCompatibleDC(nullptr);
    HGDIOBJ oldTmp = SelectObject(tmp, colourBitmap);
    BitBlt(tmp, 0, 0, 2, 1, colour.dc(), 0, 0, SRCCOPY);
    SelectObject(tmp, oldTmp);
    DeleteDC(tmp);
    info.hbmColor = colourBitmap;
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    DeleteObject(mask);
    DeleteObject(colourBitmap);

    Surface32 dst(4, 2);
    dst.Clear(kRed);
    SetTextColor(dst.dc(), kRed);  // the DC's colours do not enter into an icon
    ASSERT_TRUE(DrawIconEx(dst.dc(), 0, 0, icon, 4, 2, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(dst.Picture(4, 2), "bbrr|bbrr");
    ICONINFO back{};
    ASSERT_TRUE(GetIconInfo(icon, &back));
    BITMAP bm{};
    GetObjectW(back.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(back.hbmMask);
    DeleteObject(back.hbmColor);
    EXPECT_FALSE(DeleteObject(icon));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
}

}  // namespace
