// The contacts view: its list below the letter tabs and its icon grid.
#pragma once

#include "platform/commctrl.h"

// Resizes and moves the contacts list below its letter tabs.
void PlaceCtsListBelowTabs();
// Releases the contact icon grid's off-screen buffer.
void ReleaseContactGridBuffer();
void PaintCtsView(const DRAWITEMSTRUCT& item);
void MeasureCtsRow(MEASUREITEMSTRUCT& measure);
// True when the contacts list took the key.
bool OnCtsKey(UINT key, UINT flags);
// The sort state stays undecided until the contacts are loaded.
void ResetContactSortState();
// The selected contact becomes the current item, without a message when there is none.
void FetchSelContactQuiet();
// Calls, messages or mails the current contact, as its default field says.
void RunCtsDefaultAction();
