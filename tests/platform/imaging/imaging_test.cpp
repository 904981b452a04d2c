// The imaging factory: decoding PNG, JPEG, GIF and BMP from buffers, files and streams, drawing
// with alpha, thumbnails, refusing bad data, PNG writing, and reference counts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "encoders.h"
#include "platform/gdi.h"
#include "platform/imaging.h"
#include "platform/memory.h"
#include "platform/testing.h"
#include "platform/testing_gdi.h"

using namespace imaging_test;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

// 4 x 2 blocks of 8 x 8 pixels: red red green green / blue blue white white. Blocks keep JPEG's
// smearing away from their centres.
constexpr int kBlock = 8;
constexpr int kQuadsWidth = 4 * kBlock, kQuadsHeight = 2 * kBlock;
std::vector<std::uint32_t> Quads() {
    const std::uint32_t cells[2][4] = {{kRed, kRed, kGreen, kGreen}, {kBlue, kBlue, kWhite, kWhite}};
    std::vector<std::uint32_t> out;
    for (int y = 0; y < kQuadsHeight; ++y)
        for (int x = 0; x < kQuadsWidth; ++x) out.push_back(cells[y / kBlock][x / kBlock]);
    return out;
}
std::vector<std::uint8_t> QuadIndices() {
    std::vector<std::uint8_t> out;
    for (std::uint32_t p : Quads()) out.push_back(p == kRed ? 0 : p == kGreen ? 1 : p == kBlue ? 2 : 3);
    return out;
}

struct Factory {
    IImagingFactory* f = nullptr;
    Factory() { EXPECT_EQ(platform::CreateImagingFactory(IID_IImagingFactory, reinterpret_cast<void**>(&f)), S_OK); }
    ~Factory() {
        if (f) f->Release();
    }
    IImagingFactory* operator->() const { return f; }
};

// A memory DC with a colour bitmap.
struct Target {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Target(int w, int h, COLORREF fill) {
        HDC screen = GetDC(nullptr);
        bitmap = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        const RECT r{0, 0, w, h};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    ~Target() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A stream over bytes held in memory.
class MemoryStream final : public IStream {
public:
    explicit MemoryStream(Bytes bytes) : bytes_(std::move(bytes)) {}
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT Read(void* buffer, ULONG n, ULONG* read) override {
        const ULONG count = std::min<ULONG>(n, static_cast<ULONG>(bytes_.size() - position_));
        if (count) std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        if (read) *read = count;
        return S_OK;
    }
    HRESULT Write(const void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* at) override {
        const long long base = origin == STREAM_SEEK_SET ? 0 : origin == STREAM_SEEK_CUR ? position_ : bytes_.size();
        position_ = static_cast<std::size_t>(base + move.QuadPart);
        if (at) at->QuadPart = position_;
        return S_OK;
    }
    HRESULT SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT Commit(DWORD) override { return S_OK; }
    HRESULT Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }

private:
    Bytes bytes_;
    std::size_t position_ = 0;
};

TEST(Imaging, EveryFormatDecodesToTheSamePicture) {
    struct Case {
        const char* name;
        Bytes bytes;
        GUID format;
        int tolerance;
    };
    const auto quads = Quads();
    const Case cases[] = {
        {"png", EncodePng(quads, kQuadsWidth, kQuadsHeight), ImageFormatPNG, 0},
        {"jpeg", EncodeJpeg(quads, kQuadsWidth, kQuadsHeight), ImageFormatJPEG, 12},
        {"gif", EncodeGif({kRed, kGreen, kBlue, kWhite}, QuadIndices(), kQuadsWidth, kQuadsHeight, -1), ImageFormatGIF, 0},
        {"bmp", EncodeBmp24(quads, kQuadsWidth, kQuadsHeight), ImageFormatBMP, 0},
    };
    Factory factory;
    for (const Case& c : cases) {
        IImage* image = nullptr;
        ASSERT_EQ(factory->CreateImageFromBuffer(c.bytes.data(), static_cast<UINT>(c.bytes.size()),
                                                 BufferDisposalFlagNone, &image),
                  S_OK)
            << c.name;
        ImageInfo info{};
        ASSERT_EQ(image->GetImageInfo(&info), S_OK);
        EXPECT_EQ(info.Width, static_cast<UINT>(kQuadsWidth)) << c.name;
        EXPECT_EQ(info.Height, static_cast<UINT>(kQuadsHeight)) << c.name;
        EXPECT_TRUE(info.RawDataFormat == c.format) << c.name;
        // Drawn twice as large; probed in the middle of each block.
        Target t(2 * kQuadsWidth, 2 * kQuadsHeight, RGB(0, 0, 0));
        const RECT dest{0, 0, 2 * kQuadsWidth, 2 * kQuadsHeight};
        ASSERT_EQ(image->Draw(t.dc, &dest, nullptr), S_OK);
        const struct {
            int x, y;
            COLORREF colour;
        } probes[] = {{8, 8, RGB(255, 0, 0)}, {56, 8, RGB(0, 255, 0)}, {8, 24, RGB(0, 0, 255)}, {56, 24, RGB(255, 255, 255)}};
        for (const auto& p : probes)
            EXPECT_TRUE(Near(GetPixel(t.dc, p.x, p.y), p.colour, c.tolerance))
                << c.name << " at " << p.x << "," << p.y << ": " << std::hex << GetPixel(t.dc, p.x, p.y);
        image->Release();
    }
}

TEST(Imaging, AlphaBlendsOverWhatIsThere) {
    // Opaque blue, half-transparent blue, fully transparent.
    const Bytes png = EncodePng({0xFF0000FF, 0x800000FF, 0x000000FF}, 3, 1);
    Factory factory;
    IImage* image = nullptr;
    ASSERT_EQ(factory->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()), BufferDisposalFlagNone, &image),
              S_OK);
    ImageInfo info{};
    image->GetImageInfo(&info);
    EXPECT_TRUE(info.Flags & ImageFlagsHasAlpha);
    Target t(3, 1, RGB(255, 0, 0));
    const RECT dest{0, 0, 3, 1};
    image->Draw(t.dc, &dest, nullptr);
    EXPECT_EQ(GetPixel(t.dc, 0, 0), RGB(0, 0, 255));
    EXPECT_TRUE(Near(GetPixel(t.dc, 1, 0), RGB(127, 0, 128), 2));
    EXPECT_EQ(GetPixel(t.dc, 2, 0), RGB(255, 0, 0));
    image->Release();
}

TEST(Imaging, GifTransparentColourLeavesTheBackground) {
    const Bytes gif = EncodeGif({kRed, kGreen, kBlue, kWhite}, {2, 1, 2, 1}, 2, 2, 1);
    Factory factory;
    IImage* image = nullptr;
    ASSERT_EQ(factory->CreateImageFromBuffer(gif.data(), static_cast<UINT>(gif.size()), BufferDisposalFlagNone, &image),
              S_OK);
    Target t(2, 2, RGB(255, 255, 0));
    const RECT dest{0, 0, 2, 2};
    image->Draw(t.dc, &dest, nullptr);
    EXPECT_EQ(GetPixel(t.dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(t.dc, 1, 0), RGB(255, 255, 0));
    image->Release();
}

TEST(Imaging, FilesAndStreams) {
    platform::testing::TestDevice device;
    const Bytes png = EncodePng(Quads(), kQuadsWidth, kQuadsHeight);
    device.WriteFile(u"\\My Documents\\Theme\\Back.png", std::string(png.begin(), png.end()));
    Factory factory;
    IImage* image = nullptr;
    // Device paths ignore letter case.
    ASSERT_EQ(factory->CreateImageFromFile(u"\\my documents\\theme\\back.PNG", &image), S_OK);
    ImageInfo info{};
    image->GetImageInfo(&info);
    EXPECT_EQ(info.Width, static_cast<UINT>(kQuadsWidth));
    image->Release();
    EXPECT_TRUE(FAILED(factory->CreateImageFromFile(u"\\My Documents\\missing.png", &image)));
    EXPECT_EQ(image, nullptr);

    // A stream is read from where it stands.
    Bytes prefixed = {1, 2, 3};
    prefixed.insert(prefixed.end(), png.begin(), png.end());
    MemoryStream stream(prefixed);
    ULARGE_INTEGER at{};
    LARGE_INTEGER three{};
    three.QuadPart = 3;
    stream.Seek(three, STREAM_SEEK_SET, &at);
    ASSERT_EQ(factory->CreateImageFromStream(&stream, &image), S_OK);
    image->Release();
    MemoryStream empty({});
    EXPECT_TRUE(FAILED(factory->CreateImageFromStream(&empty, &image)));
}

TEST(Imaging, BadPicturesAreRefused) {
    Factory factory;
    const Bytes good = EncodePng(Quads(), kQuadsWidth, kQuadsHeight);
    const Bytes truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    const Bytes jpegHeaderOnly = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0};
    const Bytes text = {'h', 'e', 'l', 'l', 'o'};
    Bytes hugeBmp = EncodeBmp24(Quads(), kQuadsWidth, kQuadsHeight);
    hugeBmp[18] = 0xFF;  // width far larger than the bits
    hugeBmp[19] = 0xFF;
    for (const Bytes* bytes : std::initializer_list<const Bytes*>{&truncated, &jpegHeaderOnly, &text, &hugeBmp}) {
        IImage* image = reinterpret_cast<IImage*>(0x1);
        EXPECT_EQ(factory->CreateImageFromBuffer(bytes->data(), static_cast<UINT>(bytes->size()), BufferDisposalFlagNone,
                                                 &image),
                  E_FAIL);
        EXPECT_EQ(image, nullptr);
    }
    IImage* image = nullptr;
    EXPECT_EQ(factory->CreateImageFromBuffer(nullptr, 0, BufferDisposalFlagNone, &image), E_INVALIDARG);
    EXPECT_EQ(factory->CreateImageFromBuffer(good.data(), 10, BufferDisposalFlagNone, nullptr), E_POINTER);
}

TEST(Imaging, AGifFrameLargerThanAnyPictureIsRefusedUnread) {
    // 67 bytes: a 4 x 4 screen whose first frame claims 26368 x 45056 pixels. Reading every frame
    // whole first took over a gigabyte and seconds for it; the frame's size is now checked first.
    const Bytes gif = {
        0x47, 0x49, 0x46, 0x38, 0x37, 0x61, 0x04, 0x00, 0x04, 0x00, 0x91, 0xFF, 0xFF, 0xFF, 0xA6, 0x00,
        0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x3B, 0x21, 0xF9, 0x04, 0x01, 0x0A, 0x00, 0x03,
        0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x67, 0x00, 0xB0, 0x60, 0x00, 0x00, 0x35, 0x00, 0x00,
        0x00, 0x04, 0x00, 0x04, 0x00, 0x00, 0xF8, 0x3A, 0x07, 0x32, 0x04, 0x26, 0xA1, 0xCE, 0x78, 0x53,
        0x00, 0x00, 0x3B,
    };
    Factory factory;
    IImage* image = reinterpret_cast<IImage*>(0x1);
    EXPECT_EQ(factory->CreateImageFromBuffer(gif.data(), static_cast<UINT>(gif.size()), BufferDisposalFlagNone, &image),
              E_FAIL);
    EXPECT_EQ(image, nullptr);
}

TEST(Imaging, AGifIsShownFromItsFirstFrameWhateverFollows) {
    // A second frame that claims 65535 x 65535 pixels and holds none: every frame was once read
    // whole first, which cost four gigabytes and lost the good first frame with it.
    Bytes gif = EncodeGif({kRed, kGreen, kBlue, kWhite}, {2, 1, 2, 1}, 2, 2, -1);
    ASSERT_EQ(gif.back(), 0x3B);
    gif.pop_back();
    for (const std::uint8_t b : {0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 0, 0x3B}) gif.push_back(b);
    Factory factory;
    IImage* image = nullptr;
    ASSERT_EQ(factory->CreateImageFromBuffer(gif.data(), static_cast<UINT>(gif.size()), BufferDisposalFlagNone, &image),
              S_OK);
    Target t(2, 2, RGB(255, 255, 0));
    const RECT dest{0, 0, 2, 2};
    image->Draw(t.dc, &dest, nullptr);
    EXPECT_EQ(GetPixel(t.dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(t.dc, 1, 0), RGB(0, 255, 0));
    image->Release();
}

TEST(Imaging, ABufferHandedOverIsFreedWithTheImage) {
    // The leak checker of the test build would report the block if the image did not free it.
    const Bytes png = EncodePng(Quads(), kQuadsWidth, kQuadsHeight);
    void* block = LocalAlloc(LMEM_FIXED, png.size());
    ASSERT_NE(block, nullptr);
    std::memcpy(block, png.data(), png.size());
    Factory factory;
    IImage* image = nullptr;
    ASSERT_EQ(factory->CreateImageFromBuffer(block, static_cast<UINT>(png.size()), BufferDisposalFlagLocalFree, &image),
              S_OK);
    EXPECT_EQ(image->Release(), 0u);
}

TEST(Imaging, ThumbnailsAndPartsOfPictures) {
    std::vector<std::uint32_t> big(100 * 50, kRed);
    for (int y = 0; y < 50; ++y)
        for (int x = 50; x < 100; ++x) big[static_cast<std::size_t>(y) * 100 + x] = kBlue;
    const Bytes png = EncodePng(big, 100, 50);
    Factory factory;
    IImage* image = nullptr;
    ASSERT_EQ(factory->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()), BufferDisposalFlagNone, &image),
              S_OK);
    IImage* thumb = nullptr;
    ASSERT_EQ(image->GetThumbnail(40, 20, &thumb), S_OK);
    ImageInfo info{};
    thumb->GetImageInfo(&info);
    EXPECT_EQ(info.Width, 40u);
    EXPECT_EQ(info.Height, 20u);
    Target t(40, 20, RGB(0, 0, 0));
    const RECT dest{0, 0, 40, 20};
    thumb->Draw(t.dc, &dest, nullptr);
    EXPECT_EQ(GetPixel(t.dc, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(t.dc, 35, 5), RGB(0, 0, 255));
    thumb->Release();
    // The right half only, given in hundredths of a millimetre.
    SIZE physical{};
    image->GetPhysicalDimension(&physical);
    const RECT rightHalf{physical.cx / 2, 0, physical.cx, physical.cy};
    image->Draw(t.dc, &dest, &rightHalf);
    EXPECT_EQ(GetPixel(t.dc, 5, 5), RGB(0, 0, 255));
    EXPECT_EQ(image->GetThumbnail(0, 10, &thumb), E_INVALIDARG);
    image->Release();
}

TEST(Imaging, PngWriteRoundTrip) {
    const std::vector<std::uint32_t> pixels = {0x123456, 0xABCDEF, 0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
    const auto file = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "imaging_round_trip.png";
    ASSERT_TRUE(platform::WritePngFile(file, pixels.data(), 3, 2, 3 * 4));
    std::ifstream in(file, std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Factory factory;
    IImage* image = nullptr;
    ASSERT_EQ(factory->CreateImageFromBuffer(bytes.data(), static_cast<UINT>(bytes.size()), BufferDisposalFlagNone,
                                             &image),
              S_OK);
    Target t(3, 2, RGB(1, 2, 3));
    const RECT dest{0, 0, 3, 2};
    image->Draw(t.dc, &dest, nullptr);
    for (int i = 0; i < 6; ++i) {
        const std::uint32_t p = pixels[static_cast<std::size_t>(i)];
        EXPECT_EQ(GetPixel(t.dc, i % 3, i / 3), RGB(p >> 16, (p >> 8) & 0xFF, p & 0xFF)) << i;
    }
    image->Release();
    // Bottom-up rows (a negative stride) come out the right way up.
    ASSERT_TRUE(platform::WritePngFile(file, pixels.data() + 3, 3, 2, -3 * 4));
    // A file that cannot be written leaves nothing behind.
    const auto nowhere = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "no-such-folder" / "x.png";
    EXPECT_FALSE(platform::WritePngFile(nowhere, pixels.data(), 3, 2, 12));
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST(Imaging, ReferencesAreCountedAndNothingLeaks) {
    const std::size_t before = platform::testing::LiveImagingObjectCount();
    const std::size_t gdiBefore = platform::testing::LiveGdiObjectCount();
    {
        Factory factory;
        const Bytes png = EncodePng(Quads(), kQuadsWidth, kQuadsHeight);
        IImage* image = nullptr;
        factory->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()), BufferDisposalFlagNone, &image);
        EXPECT_EQ(platform::testing::LiveImagingObjectCount(), before + 2);
        IUnknown* unknown = nullptr;
        ASSERT_EQ(image->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
        EXPECT_EQ(image->Release(), 1u);
        void* wrong = nullptr;
        EXPECT_EQ(unknown->QueryInterface(IID_IImagingFactory, &wrong), E_NOINTERFACE);
        EXPECT_EQ(unknown->Release(), 0u);
    }
    EXPECT_EQ(platform::testing::LiveImagingObjectCount(), before);
    EXPECT_EQ(platform::testing::LiveGdiObjectCount(), gdiBefore);
}

TEST(ImagingFactory, ComesFromCoCreateInstance) {
    ASSERT_EQ(CoInitializeEx(nullptr, 0), S_OK);
    IImagingFactory* factory = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_ALL, IID_IImagingFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_NE(factory, nullptr);
    factory->Release();
    CoUninitialize();
}

}  // namespace
