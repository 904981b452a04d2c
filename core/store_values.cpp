// Store numbers read into range.
#include "core/store_values.h"

#include <algorithm>

#include "platform/poom.h"

LONG ApptMinutesInRange(LONG minutes) { return std::clamp<LONG>(minutes, 0, kLongestApptMinutes); }

LONG BusyStatusInRange(LONG status) { return status >= olFree && status <= olOutOfOffice ? status : olBusy; }

LONG SensitivityInRange(LONG sensitivity) {
    return sensitivity >= olNormal && sensitivity <= olConfidential ? sensitivity : olNormal;
}

LONG ImportanceInRange(LONG importance) {
    return importance >= olImportanceLow && importance <= olImportanceHigh ? importance : olImportanceNormal;
}
