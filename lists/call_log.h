// The calls of the device's call log that belong to the current contact, as the call history shows
// them, with the total talk time of each direction.
#pragma once

#include <string>

#include "core/record_array.h"
#include "platform/types.h"

struct CallLogEntry {
    FILETIME start{};
    FILETIME end{};
    LONG incoming = 0;   // 1 when the call was not outgoing
    LONG connected = 0;  // 1 when it was not missed and got through
    LONG notEnded = 0;   // 1 when it was dropped rather than ended
    LONG roaming = 0;    // -1 while roaming
    LONG nameKind = -1;  // 0 "h", 1 "w", 2 "m", -1 other or none
    std::u16string name;
    std::u16string number;
    std::u16string note;
};

using CallLogArray = RecordArray<CallLogEntry>;

extern CallLogArray g_CallList;

// Rebuilds g_CallList from the call log for the contact of the global selection: the calls whose
// caller name is the contact's file-as name, ignoring case, in the log's order. Nothing without a
// phone library.
void LoadCallLog();
// The summed length of the calls of one direction as "hh:mm:ss", hours not limited to 24.
std::u16string CallTotalText(const CallLogArray& calls, bool incoming);
