// GIF pictures through giflib from memory: the first frame on the logical screen, its transparent
// colour (from the graphics control block) left fully transparent.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "imaging/picture.h"

namespace platform::imaging {
namespace {

struct MemoryReader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int wanted) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(wanted), reader->size - reader->position);
    std::memcpy(out, reader->data + reader->position, n);
    reader->position += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Records up to the first image descriptor, its graphics control block taken on the way; false
// when the file ends or breaks first.
bool SkipToFirstImage(GifFileType* gif, GraphicsControlBlock& control) {
    bool controlSeen = false;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return false;
        if (type == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) != GIF_ERROR;
        if (type == TERMINATE_RECORD_TYPE) return false;
        if (type != EXTENSION_RECORD_TYPE) continue;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4 && !controlSeen)
            controlSeen = DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK;
        while (block)
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
    }
}

// The raster of the current frame, its rows in picture order also when stored interlaced.
bool ReadFrameRaster(GifFileType* gif, std::vector<GifPixelType>& raster) {
    const GifImageDesc& d = gif->Image;
    raster.assign(static_cast<std::size_t>(d.Width) * d.Height, 0);
    if (raster.empty()) return true;
    if (!d.Interlace) return DGifGetLine(gif, raster.data(), static_cast<int>(raster.size())) != GIF_ERROR;
    constexpr int kOffsets[] = {0, 4, 2, 1};
    constexpr int kJumps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kOffsets[pass]; y < d.Height; y += kJumps[pass])
            if (DGifGetLine(gif, raster.data() + static_cast<std::size_t>(y) * d.Width, d.Width) == GIF_ERROR)
                return false;
    return true;
}

}  // namespace

// Only the first frame is read: a frame's size is checked before its raster is allocated, so a
// few bytes claiming a huge frame (or many frames) cannot take the memory of the device.
std::optional<Picture> ReadGif(const std::uint8_t* data, std::size_t size) {
    MemoryReader reader{data, size};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &error));
    if (!gif || !SizeAllowed(gif->SWidth, gif->SHeight)) return std::nullopt;
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    if (!SkipToFirstImage(gif.get(), control)) return std::nullopt;
    const GifImageDesc d = gif->Image;
    // An empty frame leaves the whole screen as the background.
    const bool emptyFrame = d.Width == 0 || d.Height == 0;
    if (d.Width < 0 || d.Height < 0 || (!emptyFrame && !SizeAllowed(d.Width, d.Height))) return std::nullopt;
    std::vector<GifPixelType> raster;
    if (!ReadFrameRaster(gif.get(), raster)) return std::nullopt;
    const ColorMapObject* colours = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!colours) return std::nullopt;

    Picture p;
    p.width = gif->SWidth;
    p.height = gif->SHeight;
    p.format = ImageFormatGIF;
    p.hasAlpha = control.TransparentColor != NO_TRANSPARENT_COLOR;
    // Where the frame does not cover the screen it is transparent.
    p.pixels.assign(static_cast<std::size_t>(p.width) * p.height, p.hasAlpha ? 0u : 0xFF000000u);
    for (int y = 0; y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
            const int px = d.Left + x, py = d.Top + y;
            if (px < 0 || py < 0 || px >= p.width || py >= p.height) continue;
            const int index = raster[static_cast<std::size_t>(y) * d.Width + x];
            if (index == control.TransparentColor || index >= colours->ColorCount) continue;
            const GifColorType c = colours->Colors[index];
            p.pixels[static_cast<std::size_t>(py) * p.width + px] =
                0xFF000000u | (static_cast<std::uint32_t>(c.Red) << 16) | (c.Green << 8) | c.Blue;
        }
    return p;
}

}  // namespace platform::imaging
