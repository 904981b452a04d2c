// The selected date and the week view's first day, set at main-window creation.
#include "calendar/calendar_state.h"

DateRec SelectedDate;
DateRec WeekViewStart;
