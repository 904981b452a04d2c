// The dates the calendar views show: the selected date and the first day of the week view.
#pragma once

#include "core/date_rec.h"

extern DateRec SelectedDate;
extern DateRec WeekViewStart;
