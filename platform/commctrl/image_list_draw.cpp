// Image lists with pictures: adding bitmaps and icons (with a mask bitmap or a mask colour), drawing
// an image onto a device context, and making icons from images.
#include <algorithm>

#include "commctrl/image_list.h"
#include "commctrl/paint_support.h"
#include "gdi/draw_record.h"
#include "gdi/objects.h"
#include "platform/gdi.h"

namespace platform::commctrl {
namespace {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, std::abs(info.bmHeight)};
}

// The pixels of a bitmap, read through a copy into a buffer of known layout.
bool ReadPixels(HBITMAP bitmap, int width, int height, std::vector<ImagePixel>& out) {
    PixelBuffer buffer(width, height);
    const HDC source = CreateCompatibleDC(nullptr);
    if (!buffer.Ok() || !source) {
        if (source) DeleteDC(source);
        return false;
    }
    const HGDIOBJ previous = SelectObject(source, bitmap);
    const bool copied = BitBlt(buffer.Dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    if (!copied) return false;
    out.resize(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out[static_cast<std::size_t>(y * width + x)] = buffer.At(x, y) & 0xFFFFFF;
    return true;
}

int BitmapResourceId(HBITMAP bitmap) {
    const auto object = gdi::LookupObjectAs<gdi::BitmapObject>(bitmap);
    return object ? object->surface().resourceId : 0;
}

int AddPictures(ImageList& list, HBITMAP image, HBITMAP mask, const COLORREF* maskColour, int index) {
    const SIZE size = BitmapSize(image);
    if (size.cx < list.cx || size.cy <= 0) return -1;
    std::vector<ImagePixel> pixels;
    if (!ReadPixels(image, size.cx, size.cy, pixels)) return -1;
    std::vector<std::uint8_t> opaque(pixels.size(), 1);
    if (maskColour) {
        const ImagePixel key = ((*maskColour & 0xFF) << 16) | (*maskColour & 0xFF00) | ((*maskColour >> 16) & 0xFF);
        for (std::size_t i = 0; i < pixels.size(); ++i) opaque[i] = pixels[i] != key;
    } else if (mask && (list.flags & ILC_MASK)) {
        std::vector<ImagePixel> maskPixels;
        if (ReadPixels(mask, size.cx, size.cy, maskPixels))
            for (std::size_t i = 0; i < pixels.size(); ++i) opaque[i] = (maskPixels[i] & 0xFFFFFF) == 0;  // white hides
    }
    const int resourceId = BitmapResourceId(image);
    if (index < 0) {
        const std::size_t before = list.images.size();
        const int first = AppendImages(list, pixels, opaque, size.cx, size.cy);
        for (std::size_t i = before; i < list.images.size(); ++i) list.images[i].resourceId = resourceId;
        return first;
    }
    ImageList one = list;
    one.images.clear();
    if (AppendImages(one, pixels, opaque, size.cx, size.cy) < 0 || one.images.empty()) return -1;
    list.images[static_cast<std::size_t>(index)] = std::move(one.images.front());
    list.images[static_cast<std::size_t>(index)].resourceId = resourceId;
    return index;
}

ImagePixel Blend(ImagePixel under, ImagePixel over, int percentOver) {
    ImagePixel out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((over >> shift) & 0xFF), b = static_cast<int>((under >> shift) & 0xFF);
        out |= static_cast<ImagePixel>((a * percentOver + b * (100 - percentOver)) / 100) << shift;
    }
    return out;
}

bool DrawImage(const ImageList& list, int index, HDC dc, int x, int y, COLORREF background, UINT style) {
    if (!dc || index < 0 || static_cast<std::size_t>(index) >= list.images.size()) return false;
    const Image& image = list.images[static_cast<std::size_t>(index)];
    PixelBuffer buffer(list.cx, list.cy);
    if (!buffer.Ok()) return false;
    BitBlt(buffer.Dc(), 0, 0, list.cx, list.cy, dc, x, y, SRCCOPY);  // what lies there now
    const bool masked = (list.flags & ILC_MASK) && background == CLR_NONE;
    const ImagePixel fill = ((background & 0xFF) << 16) | (background & 0xFF00) | ((background >> 16) & 0xFF);
    const ImagePixel highlight = ((kHighlightColour & 0xFF) << 16) | (kHighlightColour & 0xFF00) | ((kHighlightColour >> 16) & 0xFF);
    const int blend = (style & ILD_BLEND50) ? 50 : (style & ILD_BLEND25) ? 25 : 0;
    for (int row = 0; row < list.cy; ++row)
        for (int col = 0; col < list.cx; ++col) {
            const auto i = static_cast<std::size_t>(row * list.cx + col);
            ImagePixel& out = buffer.At(col, row);
            if (style & ILD_MASK) {
                out = image.opaque[i] ? 0x000000 : 0xFFFFFF;
                continue;
            }
            if (!image.opaque[i]) {
                if (!masked) out = fill;
                continue;
            }
            out = blend ? Blend(image.pixels[i], highlight, blend) : image.pixels[i];
        }
    const BOOL drawn = BitBlt(dc, x, y, list.cx, list.cy, buffer.Dc(), 0, 0, SRCCOPY);
    if (drawn && gdi::DrawRecordOn()) {
        testing::DrawnPicture picture;
        picture.resourceId = image.resourceId;
        picture.index = index;
        gdi::RecordPictureOnDc(dc, {x, y, x + list.cx, y + list.cy}, picture);
    }
    return drawn;
}

}  // namespace
}  // namespace platform::commctrl

using namespace platform::commctrl;

int ImageList_Add(HIMAGELIST handle, HBITMAP image, HBITMAP mask) {
    ImageList* list = FindImageList(handle);
    return list && image ? AddPictures(*list, image, mask, nullptr, -1) : -1;
}

int ImageList_AddMasked(HIMAGELIST handle, HBITMAP image, COLORREF mask) {
    ImageList* list = FindImageList(handle);
    return list && image ? AddPictures(*list, image, nullptr, &mask, -1) : -1;
}

BOOL ImageList_Replace(HIMAGELIST handle, int index, HBITMAP image, HBITMAP mask) {
    ImageList* list = FindImageList(handle);
    if (!list || !image || index < 0 || static_cast<std::size_t>(index) >= list->images.size()) return FALSE;
    return AddPictures(*list, image, mask, nullptr, index) >= 0;
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int index, HICON icon) {
    ImageList* list = FindImageList(handle);
    if (!list || !icon || index < -1 || (index >= 0 && static_cast<std::size_t>(index) >= list->images.size())) return -1;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return -1;
    const UINT flags = list->flags;
    list->flags |= ILC_MASK;  // an icon always brings its mask
    const int result = AddPictures(*list, info.hbmColor ? info.hbmColor : info.hbmMask, info.hbmMask, nullptr, index);
    list->flags = flags;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return result;
}

BOOL ImageList_Draw(HIMAGELIST handle, int index, HDC dc, int x, int y, UINT style) {
    const ImageList* list = FindImageList(handle);
    return list && DrawImage(*list, index, dc, x, y, list->background, style);
}

BOOL ImageList_DrawEx(HIMAGELIST handle, int index, HDC dc, int x, int y, int, int, COLORREF background, COLORREF,
                      UINT style) {
    const ImageList* list = FindImageList(handle);
    if (!list) return FALSE;
    return DrawImage(*list, index, dc, x, y, background == CLR_DEFAULT ? list->background : background, style);
}

HICON ImageList_GetIcon(HIMAGELIST handle, int index, UINT) {
    const ImageList* list = FindImageList(handle);
    if (!list || index < 0 || static_cast<std::size_t>(index) >= list->images.size()) return nullptr;
    PixelBuffer colour(list->cx, list->cy), mask(list->cx, list->cy);
    if (!colour.Ok() || !mask.Ok()) return nullptr;
    const Image& image = list->images[static_cast<std::size_t>(index)];
    for (int y = 0; y < list->cy; ++y)
        for (int x = 0; x < list->cx; ++x) {
            const auto i = static_cast<std::size_t>(y * list->cx + x);
            colour.At(x, y) = image.opaque[i] ? image.pixels[i] : 0;
            mask.At(x, y) = image.opaque[i] ? 0x000000 : 0xFFFFFF;
        }
    ICONINFO info{TRUE, 0, 0, mask.Bitmap(), colour.Bitmap()};
    return CreateIconIndirect(&info);
}
