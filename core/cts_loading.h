// The contact list of the PIM store in memory: loading every contact through POOM or straight from
// the PIM volume (falling back to POOM), the details read when a contact is first shown, the
// birthdays and anniversaries, the OID index and the three search lists, and following single
// changes by OID.
#pragma once

#include <string>

#include "core/cts_record.h"
#include "core/id_index.h"
#include "platform/poom.h"
#include "platform/types.h"

// OID -> position in g_CtsList.
extern IdIndex g_CtsIdIndex;
// 1 when g_CtsList was loaded in company order.
extern LONG g_CtsSortedByCompany;

void LoadCtsList(LONG reset);
void LoadCtsPOOM();
void LoadCtsDb(LONG reset);
void CopyCtsNames(IContact* contact, CtsRecord& record);
void AddCtsDateItems(IPOutlookApp* app, IContact* contact, const std::u16string& displayName);
// The default field, its text and the has-notes flag; a contact that cannot be had is marked as
// read all the same, so that it is not asked for again on every paint.
void LoadCtsExtra(CtsRecord& record);
void ReloadCtsByOid(LONG oid);
// keepIndex leaves the OID index and the search lists to the caller, who rebuilds them.
void RemoveCtsFromLists(LONG oid, LONG keepIndex);
void AddCtsToSearchLists(LONG position, LONG oid, const std::u16string& first, const std::u16string& last,
                         const std::u16string& company);
// Empties the search lists and the OID index and enters every contact of the array again.
void RebuildCtsSearchLists();
// The same, when the contact options change what a search looks through.
void ClearItemIndexes();
