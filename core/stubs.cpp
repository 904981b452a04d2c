// Stand-ins for the items made for a contact until they are built.
#include "core/change_notify.h"

void CreateTskForCts() {}
void CreateApptForCts() {}

// ---- One occurrence of a recurring appointment, until it is built: none is found.
#include "core/appt_occurrence.h"
IAppointment* GetOccurrenceOnDate(LONG, const DateRec&) { return nullptr; }
