// The first day the week view shows; the selected date is g_SelectedDate of the month cache.
#pragma once

#include "core/date_rec.h"
#include "platform/types.h"

extern DateRec WeekViewStart;

// What the item hit tests of the day lists leave beside the global selection: the hit item's date
// and whether it may be dragged to another day.
extern DateRec HitItemDate;
extern LONG HitItemDraggable;
// List entries hidden at the top of the selected day's box (week view and the selected-day panes).
extern LONG DayPaneScroll;
// The split month view's selected-day pane and the timeline week's detail pane.
extern RECT SelDayPaneRect;
extern RECT TimelinePaneRect;
// Enables the has-notes status icon; a settings word with no registry value of its own.
extern LONG ShowNoteIcons;
