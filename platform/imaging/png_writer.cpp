// PNG writing for screenshots: RGB rows through libpng into a temporary file that replaces the
// target only once it is complete.
#include <png.h>

#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "platform/imaging.h"

namespace platform {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool WriteRows(std::FILE* file, const std::uint32_t* firstRow, int width, int height, std::ptrdiff_t strideBytes) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    // libpng reports errors by jumping back here; nothing with a destructor is made after this.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const auto* base = reinterpret_cast<const unsigned char*>(firstRow);
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(base + y * strideBytes);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<png_byte>(src[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(src[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePngFile(const std::filesystem::path& file, const std::uint32_t* firstRow, int width, int height,
                  std::ptrdiff_t strideBytes) {
    if (!firstRow || width <= 0 || height <= 0) return false;
    std::filesystem::path temporary = file;
    temporary += ".part";
    bool written = false;
    {
        std::unique_ptr<std::FILE, FileCloser> out(std::fopen(temporary.c_str(), "wb"));
        if (!out) return false;
        written = WriteRows(out.get(), firstRow, width, height, strideBytes);
        written = std::fclose(out.release()) == 0 && written;
    }
    std::error_code ec;
    if (written) std::filesystem::rename(temporary, file, ec);
    if (!written || ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace platform
