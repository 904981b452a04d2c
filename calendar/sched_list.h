// The schedule list's filling for the Dates view, beside the Day view's in calendar_input.h.
#pragma once

// Rebuilds the schedule rows of the days from the selected date on.
void FillSchedAgenda();
