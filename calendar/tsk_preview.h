// The task preview: the current task as a page of text (subject with its status icons, start and
// due dates, priority prefix and notes), drawn once into the previews' buffer and then only copied.
#pragma once

#include "core/tsk_record.h"
#include "platform/types.h"

// The content height (the y below the last line); with draw 0 nothing is drawn.
int DrawTskPreview(HDC dc, const RECT& rect, int draw);
// 0 when it only copied the cached drawing.
int PaintTskPreview(HDC dc, int draw);
// The content height of the preview on screen, at least the agenda view window's client bottom.
int GetPreviewHeight(HDC dc);
// The task's status icons from left to right; their total width.
int DrawTskIcons(HDC dc, int x, int y, const TskRecord& task, int draw);
// The "Advanced Priority: %c%d" line of a task with a priority prefix letter.
std::u16string FormatAdvancedPriority(const TskRecord& task);
