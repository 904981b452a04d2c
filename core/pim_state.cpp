// The shared load state, change marks and custom-icon index, and the system version.
#include "core/pim_state.h"

#include <algorithm>

#include "platform/system.h"

LoadState g_LoadState;
ChangeMarks g_ChangeMarks;
IdIndex g_CustomIconIndex;

int GetOsMajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return kOsMajor5;
    return static_cast<int>(info.dwMajorVersion);
}

// A stable sort keeps equal OIDs in array order; one sort beats inserting each pair in place.
void RebuildIdSlotMapFromPairs(IdIndex& index) {
    std::stable_sort(index.begin(), index.end(), [](const IdPair& a, const IdPair& b) { return a.key < b.key; });
}
