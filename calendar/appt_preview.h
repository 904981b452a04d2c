// The appointment preview: one appointment in full, read afresh from the PIM store.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "platform/types.h"

// The content height; 0 when the cached drawing was only copied.
int DrawApptPreview(HDC dc, int draw);
// The time line on the selected date: the range; the start or end beside the day-position glyph of
// a multi-day appointment; or the busy-status icon and "All Day", with the last day of an all-day span.
struct PreviewTimeLine {
    bool busyIcon = false;
    std::u16string before;  // ahead of the glyph
    int glyph = -1;         // the day's position in a span (0 first, 1 middle, 2 last); -1 none
    std::u16string after;   // behind the glyph
};
PreviewTimeLine FormatPreviewTimeLine(const ApptRecord& appt);
// Draws that line at (8, y) in the DC's font and colour.
void DrawPreviewTimeLine(HDC dc, int y, const ApptRecord& appt);
