// The screen's pixels, kept here until the drawing area keeps the screen, and saved as PNG.
#include "display/screen_pixels.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <mutex>

#include "platform/device.h"

namespace platform {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Screen {
    std::mutex lock;
    ScreenCopy pixels;
};

Screen& TheScreen() {
    static Screen screen;
    return screen;
}

// With the lock held: the screen at the profile's size.
ScreenCopy& Current() {
    ScreenCopy& s = TheScreen().pixels;
    const DeviceProfile& p = Profile();
    if (s.width != p.screenWidth || s.height != p.screenHeight) {
        s.width = p.screenWidth;
        s.height = p.screenHeight;
        s.pixels.assign(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height), kWhite);
    }
    return s;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

ScreenCopy CopyScreenPixels() {
    const std::lock_guard guard(TheScreen().lock);
    return Current();
}

void TurnScreenPixels(const DeviceProfile& turned) {
    const std::lock_guard guard(TheScreen().lock);
    SetProfile(turned);
    Current();
}

COLORREF ScreenPixelAt(int x, int y) {
    const std::lock_guard guard(TheScreen().lock);
    const ScreenCopy& s = Current();
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return static_cast<COLORREF>(-1);
    const std::uint32_t p = s.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(s.width) + static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool SaveScreenPng(const std::filesystem::path& file) {
    const ScreenCopy s = CopyScreenPixels();
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
    if (!out) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(s.width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(s.width), static_cast<png_uint_32>(s.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t p = s.pixels[static_cast<std::size_t>(y * s.width + x)];
            row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(p >> 16);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(p >> 8);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(out.get()) == 0;
}

}  // namespace platform
