#include "frame/held_changes.h"

#include <vector>

#include "core/pim_state.h"

namespace {

struct HeldChange {
    PimChangeHandler handler = nullptr;
    WPARAM oid = 0;
    LPARAM folderId = 0;
};

// Touched only on the main window's thread.
std::vector<HeldChange> g_HeldChanges;

}  // namespace

bool HoldChangeWhileLoading(PimChangeHandler handler, WPARAM oid, LPARAM folderId) {
    if (!g_LoadState.thread || g_LoadState.allLoaded) return false;
    g_HeldChanges.push_back({handler, oid, folderId});
    return true;
}

void ReplayHeldChanges() {
    // A handler may itself end up here again (a view reloading); take the list first.
    std::vector<HeldChange> held;
    held.swap(g_HeldChanges);
    for (const HeldChange& change : held) change.handler(change.oid, change.folderId);
}
