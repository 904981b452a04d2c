// The "Select Sort" dialog: the four contacts view modes, or the three task sort levels edited as
// snapshots of the settings so that Cancel leaves them untouched.
#pragma once

#include "core/val_snap.h"
#include "platform/types.h"

enum class SortDlgMode { Contacts = 0, Tasks = 1 };

struct SortDlgState {
    SortDlgMode mode = SortDlgMode::Contacts;
    ValSnapArray taskSortFields;  // the seven rows of the tasks mode
    LONG working2 = 0;            // the choice index of the second and third levels
    LONG working3 = 0;
};

extern SortDlgState g_SortDlg;

// Runs the dialog over the main window and applies the choice after OK; the dialog's result.
INT_PTR SortDlg(SortDlgMode mode);
// The main window's form: 1 tasks, 0 contacts.
void SortDlg(int tasks);
// Applies the dialog's choice: the selected row in contacts mode (none: nothing changes), the
// changed snapshots in tasks mode.
void ApplySortDlg(HWND dialog);
void BuildTskSortFields();
// Commits the changed task sort snapshots; reloads the tasks when any changed. True when any did.
bool ApplyTskSort();
// The stored value of a second or third level for a choice index, and back: Category (2) is never
// stored for those levels.
LONG SortLevelStoredValue(LONG index);
LONG SortLevelIndex(LONG stored);
