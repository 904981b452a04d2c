// Image lists without drawing: creation, counts, sizes, duplicates, removal and the handle table.
#include "commctrl/image_list.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace platform::commctrl {
namespace {

struct ImageListTable {
    std::mutex lock;
    std::map<HIMAGELIST, std::unique_ptr<ImageList>> lists;
};

ImageListTable& Table() {
    static ImageListTable table;
    return table;
}

}  // namespace

ImageList* FindImageList(HIMAGELIST handle) {
    ImageListTable& t = Table();
    const std::lock_guard guard(t.lock);
    const auto it = t.lists.find(handle);
    return it == t.lists.end() ? nullptr : it->second.get();
}

HIMAGELIST AddImageList(std::unique_ptr<ImageList> list) {
    ImageListTable& t = Table();
    const std::lock_guard guard(t.lock);
    const auto handle = reinterpret_cast<HIMAGELIST>(list.get());
    t.lists.emplace(handle, std::move(list));
    return handle;
}

std::size_t LiveImageListCount() {
    ImageListTable& t = Table();
    const std::lock_guard guard(t.lock);
    return t.lists.size();
}

int AppendImages(ImageList& list, const std::vector<ImagePixel>& pixels, const std::vector<std::uint8_t>& opaque,
                 int width, int height) {
    if (list.cx <= 0 || list.cy <= 0 || width < list.cx || height <= 0) return -1;
    const int count = width / list.cx;
    const int first = static_cast<int>(list.images.size());
    for (int n = 0; n < count; ++n) {
        Image image;
        image.pixels.assign(static_cast<std::size_t>(list.cx * list.cy), 0);
        image.opaque.assign(static_cast<std::size_t>(list.cx * list.cy), 0);
        for (int y = 0; y < std::min(list.cy, height); ++y)
            for (int x = 0; x < list.cx; ++x) {
                const auto from = static_cast<std::size_t>(y * width + n * list.cx + x);
                const auto to = static_cast<std::size_t>(y * list.cx + x);
                image.pixels[to] = pixels[from];
                image.opaque[to] = opaque[from];
            }
        list.images.push_back(std::move(image));
    }
    return first;
}

}  // namespace platform::commctrl

using namespace platform::commctrl;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (cx <= 0 || cy <= 0 || initial < 0) return nullptr;
    auto list = std::make_unique<ImageList>();
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    list->grow = std::max(grow, 1);
    list->images.reserve(static_cast<std::size_t>(initial));
    return AddImageList(std::move(list));
}

BOOL ImageList_Destroy(HIMAGELIST handle) {
    ImageListTable& t = Table();
    std::unique_ptr<ImageList> gone;
    const std::lock_guard guard(t.lock);
    const auto it = t.lists.find(handle);
    if (it == t.lists.end()) return FALSE;
    gone = std::move(it->second);
    t.lists.erase(it);
    return TRUE;
}

HIMAGELIST ImageList_Duplicate(HIMAGELIST handle) {
    const ImageList* list = FindImageList(handle);
    if (!list) return nullptr;
    return AddImageList(std::make_unique<ImageList>(*list));
}

int ImageList_GetImageCount(HIMAGELIST handle) {
    const ImageList* list = FindImageList(handle);
    return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST handle, UINT count) {
    ImageList* list = FindImageList(handle);
    if (!list) return FALSE;
    Image blank;
    blank.pixels.assign(static_cast<std::size_t>(list->cx * list->cy), 0);
    blank.opaque.assign(static_cast<std::size_t>(list->cx * list->cy), 1);
    list->images.resize(count, blank);
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST handle, int index) {
    ImageList* list = FindImageList(handle);
    if (!list) return FALSE;
    if (index == -1) {
        list->images.clear();
        return TRUE;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= list->images.size()) return FALSE;
    list->images.erase(list->images.begin() + index);
    return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* cx, int* cy) {
    const ImageList* list = FindImageList(handle);
    if (!list || !cx || !cy) return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

BOOL ImageList_SetIconSize(HIMAGELIST handle, int cx, int cy) {
    ImageList* list = FindImageList(handle);
    if (!list || cx <= 0 || cy <= 0) return FALSE;
    list->cx = cx;
    list->cy = cy;
    list->images.clear();  // the pictures no longer fit
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF colour) {
    ImageList* list = FindImageList(handle);
    if (!list) return CLR_NONE;
    const COLORREF previous = list->background;
    list->background = colour;
    return previous;
}

COLORREF ImageList_GetBkColor(HIMAGELIST handle) {
    const ImageList* list = FindImageList(handle);
    return list ? list->background : CLR_NONE;
}
