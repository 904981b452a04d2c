// Reading a recurring item's POOM pattern back into the editors' Occurs choice and custom state.
#pragma once

#include "core/date_rec.h"
#include "platform/poom.h"
#include "platform/types.h"

// The Occurs choice of a recurring pattern whose series starts on patternStart (its weekday decides
// the single-day weekly choices); the custom daily and weekly choices set every-N and the weekday
// flags of g_CustomRecur. An interval without a choice of its own gives unchanged.
LONG OccursChoiceOfPattern(IRecurrencePattern* pattern, const DateRec& patternStart, LONG unchanged);
// The end of the series into g_CustomRecur: none (count 10), an end date, or a number of occurrences.
void ReadPatternEnd(IPOutlookApp* app, IRecurrencePattern* pattern);
