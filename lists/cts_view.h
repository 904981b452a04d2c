// The contacts view: its list of the loaded contacts in name or company order below the letter
// tabs, and its icon grid.
#pragma once

#include "core/cts_record.h"
#include "platform/commctrl.h"

// Puts one contact into g_CtsList at its place in the current contact order.
void InsertCtsRecSorted(const CtsRecord& record);

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

// ---- The contact list's rows as the contact editor reaches them.
// Refills the shown contact list by the contacts view mode.
void ReLoadCts(LONG flag);
LONG GetCtsListSelId();
int SelectCtsListRowById(LONG oid);
void RemoveCtsListRowsById(LONG oid);
