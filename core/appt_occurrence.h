// One occurrence of a recurring appointment, as the editors edit it alone.
#pragma once

#include "core/date_rec.h"
#include "platform/poom.h"
#include "platform/types.h"

// The occurrence of the series on the date's day, or null (the error shown).
IAppointment* GetOccurrenceOnDate(LONG oid, const DateRec& date);
