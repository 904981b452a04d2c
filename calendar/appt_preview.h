// The appointment preview: one appointment in full, read afresh from the PIM store.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "platform/types.h"

// The content height; 0 when the cached drawing was only copied.
int DrawApptPreview(HDC dc, int draw);
// The time line on the selected date: the range, the start or end with the span mark of a
// multi-day appointment, or "All Day" with the last day of an all-day span.
std::u16string FormatPreviewTimeLine(const ApptRecord& appt);
