// The timeline week (the menus' bar week): the shown week's days as side-by-side columns with a
// time bar each, marks at their foot and the selected day's box in a detail pane below.
#pragma once

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "platform/types.h"

// The pending view request of this view while the data loads; the next code after the frame's
// start-view codes, which have none for it.
inline constexpr LONG kPendingTimelineWeek = 12;

void SetTimelineMetrics();
void ShowTimelineWeek(bool recomputeStart);
void PaintTimelineWeek(HDC dc);
bool HitTimelineDay(int x, int y, int& year, int& month, int& day);
bool HitTimelineSelDay(int x, int y);
bool HitTimelinePane(int x, int y);
bool DrawWorkHoursBand(HDC dc, const RECT& rect, bool horizontal);
bool DrawTimelineDayBlocks(HDC dc, int x, int y, int height, int width, int year, int month, int day,
                           bool horizontal);
void DrawTimelineDayIcons(HDC dc, int x, int y, const DateRec& date);

// The week grid area of the view for the current screen and pane.
RECT TimelineGridRect();
// Where a single-day timed appointment lies along a bar of length `length` between the first and
// last shown hours; false when it lies outside them.
bool TimelineBlockSpan(const ApptRecord& appt, int firstHour, int lastHour, int length, int& offset, int& blockLength);
