// Putting PIM items into projects and taking them out: the items' category texts read, changed and
// saved through POOM, then the in-memory records and the tree nodes brought along.
#pragma once

#include <string>

#include "core/prj_cats.h"
#include "platform/commctrl.h"
#include "platform/types.h"

// 1 while the next new item an editor saves belongs in the project selected in the tree.
extern LONG NewItemInPrj;

// The item's category for that top-level project becomes the path; with addNode the item's node is
// inserted under the path's folder and returned. 0 when nothing changed or the item is gone.
HTREEITEM SetTskPrjCat(LONG oid, const PrjPath& path, bool addNode);
HTREEITEM SetCtsPrjCat(LONG oid, const PrjPath& path, bool addNode);
HTREEITEM SetApptPrjCat(LONG oid, const PrjPath& path, bool addNode);

// A plain category, added when the item's list does not already hold it.
void AddCatToTsk(LONG oid, const std::u16string& category);
void AddCatToCts(LONG oid, const std::u16string& category);
void AddCatToAppt(LONG oid, const std::u16string& category);

// Every category of that top-level project goes, sub-projects included; false when the item's save
// failed, which leaves it in the project.
bool RemoveCatFromTsk(LONG oid, const std::u16string& project);
bool RemoveCatFromCts(LONG oid, const std::u16string& project);
bool RemoveCatFromAppt(LONG oid, const std::u16string& project);

// Nodes of the Outlook groups for one contact or appointment.
void AddPrjCtsNode(LONG oid);
void AddPrjApptNode(LONG oid);
