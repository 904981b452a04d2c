// The calendar views' shared state words.
#include "calendar/calendar_state.h"

DateRec WeekViewStart;
DateRec HitItemDate;
LONG HitItemDraggable = 0;
LONG DayPaneScroll = 0;
RECT SelDayPaneRect{};
RECT TimelinePaneRect{};
LONG ShowNoteIcons = 1;
