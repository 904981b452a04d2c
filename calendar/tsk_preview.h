// The task preview: the current task as a page of text (subject with its status icons, start and
// due dates, priority prefix and notes), drawn once into the previews' buffer and then only copied.
#pragma once

#include "core/tsk_record.h"
#include "platform/types.h"

// The content height (the y below the last line); with draw 0 nothing is drawn.
int DrawTskPreview(HDC dc, const RECT& rect, int draw);
// 0 when it only copied the cached drawing.
int PaintTskPreview(HDC dc, int draw);
// The content height of the preview on screen, at least the bottom of the page it is laid out in.
int GetPreviewHeight(HDC dc);
// The page the task preview is laid out in: the tasks view's preview pane there, else the agenda
// view window's client area.
RECT TskPreviewPage();
// True when the drawn page no longer shows the current task as it is now: another task became
// current, the task was read again with other values, or a save asked for it to be read again.
bool TskPreviewStale();
// The task's status icons from left to right; their total width.
int DrawTskIcons(HDC dc, int x, int y, const TskRecord& task, int draw);
// The "Advanced Priority: %c%d" line of a task with a priority prefix letter.
std::u16string FormatAdvancedPriority(const TskRecord& task);
