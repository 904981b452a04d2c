// The shared state of the loaded PIM data that the loaders, the change handling and the views all
// read: the load flags, the custom-icon index, the own-change mark and the system's major version.
#pragma once

#include "core/id_index.h"
#include "platform/types.h"

// Set to 1 when a full load has finished; the user-interface thread reads a list only after that.
struct LoadState {
    LONG tasksLoaded = 0;
    LONG contactsLoaded = 0;
    // The load thread's part, which the main window reads: everything is loaded (set just before
    // message 1030), and the thread itself (null when it could not be made).
    LONG allLoaded = 0;
    HANDLE thread = nullptr;
    // The load ended without all its data (no thread could be made, or a step failed): what is
    // missing stays missing, and views open with what there is instead of waiting for it.
    LONG failed = 0;
};

extern LoadState g_LoadState;

// Raised just before the program itself saves an item through POOM, so that the change notification
// that follows is absorbed instead of handled twice.
struct ChangeMarks {
    LONG ownChange = 0;
    LONG pendingOwnDeletes = 0;
    // A recurring task completed here: its next occurrence arrives as a new task.
    LONG recurCompleteMark = 0;
    LONG completedTskOid = kNoId;
    // The conversions: the new item arrives as created, then the old one is deleted.
    LONG tskToApptMark = 0;
    LONG convertedTskOid = kNoId;
    LONG apptToTskMark = 0;
    LONG convertedApptOid = kNoId;
    // An appointment or task made for a contact, to be linked to it when it arrives.
    LONG apptForCtsMark = 0;
    LONG tskForCtsMark = 0;
    LONG forCtsOid = kNoId;
};

extern ChangeMarks g_ChangeMarks;

// OID -> custom item icon number.
extern IdIndex g_CustomIconIndex;

// The major version of the system the program runs on (3, 4, 5...).
int GetOsMajorVersion();
inline constexpr int kOsMajor4 = 4;
inline constexpr int kOsMajor5 = 5;

// Empties the index and enters (oid, position) for every record of the array that has an OID.
template <class Array>
void RebuildIdSlotMap(IdIndex& index, const Array& records);
void RebuildIdSlotMapFromPairs(IdIndex& index);

template <class Array>
void RebuildIdSlotMap(IdIndex& index, const Array& records) {
    index.RemoveAll();
    for (int i = 0; i < records.Size(); ++i)
        if (records[i].oid != kNoId) index.Append(IdPair{i, records[i].oid});
    RebuildIdSlotMapFromPairs(index);
}
