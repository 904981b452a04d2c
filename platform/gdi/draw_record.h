// The draw record's notes inside the drawing area: what each surface shows (texts and pictures
// with their rectangles in surface coordinates) and the log of everything drawn. Off unless the
// test API's DrawRecord lives; every hook first asks DrawRecordOn(), one atomic read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gdi/surface.h"
#include "platform/testing_draw.h"

namespace platform::gdi {

bool DrawRecordOn();

// A text drawn in `box` (surface coordinates), of which `visible` could be seen.
void RecordText(const Surface& surface, const RECT& box, const RECT& visible, std::u16string_view text, COLORREF color,
                COLORREF background);
// An opaque fill: the notes wholly inside the area are covered.
void RecordCover(const Surface& surface, const RECT& area);
// A block transfer: the source's notes within sourceArea are carried to destArea (scaled), cut to
// `visible`; an opaque one covers the destination first. A source that is a resource's picture
// leaves that picture's note too.
void RecordBlit(const Surface& source, const RECT& sourceArea, const Surface& dest, const RECT& destArea,
                const RECT& visible, bool opaque);
// A picture drawn by an area other than the blits (image lists, decoded pictures).
void RecordPicture(const Surface& surface, const RECT& area, const testing::DrawnPicture& picture);
void RecordPictureOnDc(HDC dc, const RECT& dcArea, const testing::DrawnPicture& picture);
// A surface's storage was made or freed: what was noted on it is gone.
void ForgetSurface(const Surface& surface);

// The screen's notes and the log, for the test API.
std::vector<testing::DrawnText> ScreenTextNotes();
std::vector<testing::DrawnPicture> ScreenPictureNotes();
std::vector<testing::DrawnText> LoggedTexts();
std::vector<testing::DrawnPicture> LoggedPictures();
void StartDrawRecord();
void StopDrawRecord();
void ClearDrawRecord();

}  // namespace platform::gdi
