// The order of the loaded contacts: the name or company order of the contacts view's modes, the
// sorted insertion of one record, and the checked operations on the contact array.
#pragma once

#include "core/cts_record.h"
#include "platform/types.h"

// The contacts view modes ("CONTACTSORT").
enum CtsViewMode : LONG {
    kCtsModeName = 0,
    kCtsModeCompany = 1,
    kCtsModeCategory = 2,
    kCtsModeRecent = 3,
};

// Switch the view mode and reload the contacts when the array is in the other order.
void SortCtsByCompany();
void SortCtsByName();
// Company order, ignoring case; contacts of equal companies keep their order.
void SortCtsRecs(CtsArray& contacts);
void SortCtsRecs();
// Inserts the record before the first of the positions first to last whose file-as name sorts
// after it, ignoring case; after them all when none does. Returns the index, -1 for a bad range.
int InsertCtsRecByName(CtsArray& contacts, const CtsRecord& record, int first, int last);

// The array operations; an index outside the array (0 to count for inserting) gives -1.
int CtsRecArrInsertAt(CtsArray& contacts, int index, const CtsRecord& record);
int CtsRecArrSetAt(CtsArray& contacts, int index, const CtsRecord& record);
int CtsRecArrRemoveAt(CtsArray& contacts, int index);
int CtsRecArrSetSize(CtsArray& contacts, int size);

// Puts one contact into g_CtsList at its place in the current contact order.
void InsertCtsRecSorted(const CtsRecord& record);
