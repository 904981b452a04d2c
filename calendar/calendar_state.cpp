// The week view's first day, set at main-window creation.
#include "calendar/calendar_state.h"

DateRec WeekViewStart;
