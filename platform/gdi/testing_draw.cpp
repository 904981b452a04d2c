// The test API's draw record over the drawing area's notes.
#include "platform/testing_draw.h"

#include <algorithm>

#include "gdi/draw_record.h"

namespace platform::testing {
namespace {

bool Within(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

DrawRecord::DrawRecord() { gdi::StartDrawRecord(); }
DrawRecord::~DrawRecord() { gdi::StopDrawRecord(); }

void DrawRecord::Clear() { gdi::ClearDrawRecord(); }

std::vector<DrawnText> DrawRecord::ScreenTexts() const { return gdi::ScreenTextNotes(); }
std::vector<DrawnPicture> DrawRecord::ScreenPictures() const { return gdi::ScreenPictureNotes(); }

std::vector<DrawnText> DrawRecord::ScreenTextsIn(const RECT& area) const {
    std::vector<DrawnText> texts = ScreenTexts();
    std::erase_if(texts, [&](const DrawnText& t) { return !Within(t.rect, area); });
    return texts;
}

std::vector<DrawnPicture> DrawRecord::ScreenPicturesIn(const RECT& area) const {
    std::vector<DrawnPicture> pictures = ScreenPictures();
    std::erase_if(pictures, [&](const DrawnPicture& p) { return !Within(p.rect, area); });
    return pictures;
}

bool DrawRecord::ScreenShows(std::u16string_view text) const { return !ScreenTextsContaining(text).empty(); }

std::vector<DrawnText> DrawRecord::ScreenTextsContaining(std::u16string_view text) const {
    std::vector<DrawnText> texts = ScreenTexts();
    std::erase_if(texts, [&](const DrawnText& t) { return t.text.find(text) == std::u16string::npos; });
    return texts;
}

bool DrawRecord::ScreenShowsPicture(int resourceId) const {
    const std::vector<DrawnPicture> pictures = ScreenPictures();
    return std::any_of(pictures.begin(), pictures.end(), [&](const DrawnPicture& p) { return p.resourceId == resourceId; });
}

std::vector<DrawnText> DrawRecord::TextsDrawn() const { return gdi::LoggedTexts(); }
std::vector<DrawnPicture> DrawRecord::PicturesDrawn() const { return gdi::LoggedPictures(); }

}  // namespace platform::testing
