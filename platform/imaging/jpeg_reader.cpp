// JPEG pictures through libjpeg from memory. libjpeg reports errors by calling its error routine,
// which jumps back here instead of ending the process.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "imaging/picture.h"

namespace platform::imaging {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr) {}

// Everything with a destructor lives outside the function that calls setjmp.
bool Decode(jpeg_decompress_struct& info, const std::uint8_t* data, std::size_t size, Picture& p,
            std::vector<JSAMPLE>& row) {
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    info.out_color_space = JCS_RGB;
    if (!SizeAllowed(info.image_width, info.image_height)) return false;
    jpeg_start_decompress(&info);
    p.width = static_cast<int>(info.output_width);
    p.height = static_cast<int>(info.output_height);
    p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
    row.resize(static_cast<std::size_t>(p.width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
        for (int x = 0; x < p.width; ++x)
            p.pixels[static_cast<std::size_t>(y) * p.width + x] =
                0xFF000000u | (static_cast<std::uint32_t>(row[3 * x]) << 16) | (row[3 * x + 1] << 8) | row[3 * x + 2];
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool DecodeGuarded(const std::uint8_t* data, std::size_t size, Picture& p, std::vector<JSAMPLE>& row) {
    jpeg_decompress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnError;
    error.manager.output_message = OnMessage;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    const bool ok = Decode(info, data, size, p, row);
    jpeg_destroy_decompress(&info);
    return ok;
}

}  // namespace

std::optional<Picture> ReadJpeg(const std::uint8_t* data, std::size_t size) {
    Picture p;
    p.format = ImageFormatJPEG;
    std::vector<JSAMPLE> row;
    if (!DecodeGuarded(data, size, p, row)) return std::nullopt;
    return p;
}

}  // namespace platform::imaging
