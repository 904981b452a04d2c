// Image lists: equally sized pictures kept as 32-bit pixels with a transparency mask, found by index.
// A handle is looked up among the live lists, so a stale or made-up handle fails instead of crashing.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/commctrl.h"

namespace platform::commctrl {

using ImagePixel = std::uint32_t;  // 0x00RRGGBB

struct Image {
    std::vector<ImagePixel> pixels;  // cx * cy, rows top-down
    std::vector<std::uint8_t> opaque;  // 1 where the picture shows, 0 where the mask hides it
    int resourceId = 0;              // the BITMAP resource it was cut from, for the draw record
};

struct ImageList {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    int grow = 0;
    COLORREF background = CLR_NONE;
    std::vector<Image> images;
};

// The live list of a handle, or nullptr.
ImageList* FindImageList(HIMAGELIST handle);
HIMAGELIST AddImageList(std::unique_ptr<ImageList> list);
// Appends images cut from a picture `width` x `height` pixels wide (as many as fit across); the
// index of the first, or -1.
int AppendImages(ImageList& list, const std::vector<ImagePixel>& pixels, const std::vector<std::uint8_t>& opaque,
                 int width, int height);
// The number of live image lists (for tests that check nothing leaks).
std::size_t LiveImageListCount();

}  // namespace platform::commctrl
