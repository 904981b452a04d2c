// The live variables that the list-style appointment editor's date and time rows edit.
#pragma once

#include "core/date_rec.h"

struct ApptListFields {
    DateRec startDate;
    DateRec startTime;
    DateRec endDate;
    DateRec endTime;
};

ApptListFields& ApptListEditFields();
