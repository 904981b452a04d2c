// Stand-ins for the data core's parts that are not built yet.
#include "core/appt_occurrence.h"

// One occurrence of a recurring appointment: none is found.
IAppointment* GetOccurrenceOnDate(LONG, const DateRec&) { return nullptr; }
