// The draw record: what the windows drew, for tests that assert what a user sees. While a record
// lives, every text and every picture drawn on any surface is noted with its rectangle; blits carry
// the notes of an off-screen buffer to where the buffer is shown, and an opaque fill forgets what it
// covers, so the screen's notes say what the screen shows now. Only what is drawn while a record
// lives is noted: make the record before the windows paint, or have them paint again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform::testing {

struct DrawnText {
    std::u16string text;  // one line as drawn (after ellipsis and prefix handling)
    RECT rect{};          // the box of the drawn line: screen coordinates for the screen's notes
    COLORREF color = 0;   // the text colour
    COLORREF background = 0;  // the DC's background colour when the text was drawn
};

struct DrawnPicture {
    int resourceId = 0;      // the BITMAP, ICON or "PNG" resource it came from; 0 when not from one
    std::u16string file;     // the device or host file a picture was decoded from, else empty
    int index = -1;          // the image's index when drawn from an image list, else -1
    RECT rect{};
};

// Records while it lives; only one record at a time (a second one shares the first's notes).
class DrawRecord {
public:
    DrawRecord();
    ~DrawRecord();
    DrawRecord(const DrawRecord&) = delete;
    DrawRecord& operator=(const DrawRecord&) = delete;

    // Forgets every note taken so far, on the screen and in the log (not in off-screen buffers,
    // which may be shown later).
    void Clear();

    // What the device screen shows now, top to bottom, then left to right.
    std::vector<DrawnText> ScreenTexts() const;
    std::vector<DrawnPicture> ScreenPictures() const;
    // Those of the above that lie wholly inside a rectangle (screen coordinates).
    std::vector<DrawnText> ScreenTextsIn(const RECT& area) const;
    std::vector<DrawnPicture> ScreenPicturesIn(const RECT& area) const;
    // True when a text on the screen contains the given text.
    bool ScreenShows(std::u16string_view text) const;
    // Every screen text that contains the given text, in screen order.
    std::vector<DrawnText> ScreenTextsContaining(std::u16string_view text) const;
    bool ScreenShowsPicture(int resourceId) const;

    // Every text and picture drawn on any surface since the record began or was cleared, in the
    // order drawn, with rectangles in the coordinates of the surface it was drawn on.
    std::vector<DrawnText> TextsDrawn() const;
    std::vector<DrawnPicture> PicturesDrawn() const;
};

}  // namespace platform::testing
