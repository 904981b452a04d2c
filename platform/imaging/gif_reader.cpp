// GIF pictures through giflib from memory: the first frame on the logical screen, its transparent
// colour (from the graphics control block) left fully transparent.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

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

}  // namespace

std::optional<Picture> ReadGif(const std::uint8_t* data, std::size_t size) {
    MemoryReader reader{data, size};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &error));
    // The screen size is known before the frames are read into memory.
    if (!gif || !SizeAllowed(gif->SWidth, gif->SHeight)) return std::nullopt;
    if (DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) return std::nullopt;
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* colours = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    if (!colours) return std::nullopt;
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif.get(), 0, &control);

    Picture p;
    p.width = gif->SWidth;
    p.height = gif->SHeight;
    p.format = ImageFormatGIF;
    p.hasAlpha = control.TransparentColor != NO_TRANSPARENT_COLOR;
    // Where the frame does not cover the screen it is transparent.
    p.pixels.assign(static_cast<std::size_t>(p.width) * p.height, p.hasAlpha ? 0u : 0xFF000000u);
    const GifImageDesc& d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
            const int px = d.Left + x, py = d.Top + y;
            if (px < 0 || py < 0 || px >= p.width || py >= p.height) continue;
            const int index = frame.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
            if (index == control.TransparentColor || index >= colours->ColorCount) continue;
            const GifColorType c = colours->Colors[index];
            p.pixels[static_cast<std::size_t>(py) * p.width + px] =
                0xFF000000u | (static_cast<std::uint32_t>(c.Red) << 16) | (c.Green << 8) | c.Blue;
        }
    return p;
}

}  // namespace platform::imaging
