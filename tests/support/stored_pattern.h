// What the store holds of an item's recurrence, read through the object model.
#pragma once

#include "core/poom_session.h"
#include "platform/poom.h"

namespace testsupport {

struct StoredPattern {
    bool recurring = false;
    LONG type = -1;
    LONG interval = 0;
    LONG mask = 0;
    LONG occurrences = 0;
    bool noEnd = true;
};

// An appointment's or a task's; all zero but `recurring` when it has no pattern.
template <class Item>
StoredPattern StoredPatternOf(Item* item) {
    StoredPattern out;
    if (!item) return out;
    VARIANT_BOOL recurring = VARIANT_FALSE;
    item->get_IsRecurring(&recurring);
    out.recurring = recurring != VARIANT_FALSE;
    PoomPtr<IRecurrencePattern> pattern;
    item->GetRecurrencePattern(pattern.Out());
    if (!pattern) return out;
    pattern->get_RecurrenceType(&out.type);
    pattern->get_Interval(&out.interval);
    pattern->get_DayOfWeekMask(&out.mask);
    pattern->get_Occurrences(&out.occurrences);
    VARIANT_BOOL noEnd = VARIANT_FALSE;
    pattern->get_NoEndDate(&noEnd);
    out.noEnd = noEnd != VARIANT_FALSE;
    return out;
}

}  // namespace testsupport
