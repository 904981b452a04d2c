// The row painter of the schedule list: one fixed row height, the time column, and each row drawn
// by its kind into its own bitmap and copied to the list at once.
#pragma once

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "platform/commctrl.h"
#include "platform/types.h"

void MeasureSchedRow(MEASUREITEMSTRUCT& measure);
void DrawSchedItem(const DRAWITEMSTRUCT& item);
int SchedRowHeight();
int SchedTimeColWidth();
// The colour bar at the left of an appointment row; the text indent it takes.
int DrawCatColorBar(HDC dc, int x, int top, int bottom, const ApptRecord& appt, bool wide);
// The height of the row font's text line.
int DrawSchedApptOneLine(HDC dc, int left, int top, int right, int bottom, const ApptRecord& appt,
                         const DateRec& rowDate, LONG alternate, int draw, int selectionDrawn);
int DrawSchedApptTwoLine(HDC dc, int left, int top, int right, int bottom, const ApptRecord& appt,
                         const DateRec& rowDate, LONG alternate, int draw, int selectionDrawn);
// The selected look of a row: the theme's frame, or with list style 4 a gradient panel in the
// selection colours.
void DrawRowSelection(HDC dc, const RECT& frame, const RECT& panel);
