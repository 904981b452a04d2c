// The PIM store read straight from its database volume "pim.vol": the category table, the
// category assignments, all tasks and all contacts, turned into the program's own records with the
// meaning the object-model readers give them. Appointments always come through the object model.
#pragma once

#include <string>

#include "core/cat_record.h"
#include "core/cts_record.h"
#include "core/record_array.h"
#include "core/tsk_record.h"
#include "platform/cedb.h"
#include "platform/types.h"

// One assignment of a category to an item.
struct CatAssocPair {
    LONG oid = -1;    // the item's OID
    LONG catId = -1;  // the category's PIM identifier
};
using CatPairArray = RecordArray<CatAssocPair>;

// Item OIDs by kind, and the last OID of each range that the category assignments may name.
inline constexpr DWORD kContactOidFirst = 0x80000000u;
inline constexpr DWORD kTaskOidFirst = 0xC0000000u;
inline constexpr DWORD kApptOidFirst = 0x40000000u;
inline constexpr DWORD kAssocOidRange = 0x4E20u;

// The volume mounted for the program's life (invalid while not mounted).
extern CEGUID g_PimVol;

inline constexpr const WCHAR* kPimVolName = u"pim.vol";
inline constexpr const WCHAR* kCatMainDbName = u"CategoryMainDB";
inline constexpr const WCHAR* kCatAssocDbName = u"CategoryAssocDB";
inline constexpr const WCHAR* kTasksDbName = u"Tasks Database";
inline constexpr const WCHAR* kContactsDbName = u"Contacts Database";

// Non-zero on success; the volume stays invalid otherwise.
BOOL MountPimVol(CEGUID& volume);
BOOL UnmountPimVol(CEGUID& volume);

// Each reader returns 1, or 0 when its database cannot be opened. Readers add to the lists given;
// their callers empty them first.
int ReadCatMainDb(CEGUID& volume, CatArray& cats);
inline int LoadCatsDirect(CEGUID& volume, CatArray& cats) { return ReadCatMainDb(volume, cats); }
// A pair whose OID lies in no range (or in the appointment range without a list) is dropped.
int ReadCatAssocDb(CEGUID& volume, CatPairArray& contacts, CatPairArray& tasks, CatPairArray* appts);
int ReadTskDbDirect(CEGUID& volume, TskArray& tasks, const CatArray& cats, const CatPairArray& pairs, LONG key1,
                    LONG key2, LONG key3, bool ascending1, bool ascending2, bool ascending3);
// contactSort is "CONTACTSORT" (1: by company); dateItems "DATEITEMS" (birthdays and anniversaries
// go into the anniversary list).
int ReadCtsDbDirect(CEGUID& volume, CtsArray& contacts, AnnivArray& annivs, const CatArray& cats,
                    const CatPairArray& pairs, LONG contactSort, LONG& sortedByCompany, LONG dateItems);

// The value as an integer by its type; -1 for a type that holds none.
LONG PropValToInt(const CEPROPVAL& value);
// The value in words; the text stays as it was for no value, a missing one or a type without words.
void FormatPropVal(std::u16string& text, CEPROPID id, const CEPROPVAL* value);

int InsertTskByKeys(TskArray& tasks, TskRecord task, LONG key1, LONG key2, LONG key3, bool ascending1,
                    bool ascending2, bool ascending3);
// Inserted before the first name that sorts after it (ignoring case); equal names keep reading order.
int AddCatFromDb(CatArray& cats, CatRecord record);
// Inserted before the first pair whose OID is not smaller.
void InsertAssocPair(CatPairArray& pairs, CatAssocPair pair);
// Into the list of the kind its OID's range names; dropped when no list takes it.
void AddAssocPairByKind(CatAssocPair pair, CatPairArray& contacts, CatPairArray& tasks, CatPairArray* appts);
std::u16string GetCatNameById(LONG catId, const CatArray& cats);
void AttachTskCatsDirect(LONG oid, const CatPairArray& pairs, const CatArray& cats, TskRecord& task);
void AttachCtsCatsDirect(LONG oid, const CatPairArray& pairs, const CatArray& cats, CtsRecord& contact);

// One record of the tasks or the contacts database (values in the reading order of its reader)
// as the program's record; a contact's birthday and anniversary go into annivs with dateItems.
TskRecord TskFromVolumeRecord(const CEPROPVAL* values, WORD count, const CatArray& cats, const CatPairArray& pairs);
CtsRecord CtsFromVolumeRecord(const CEPROPVAL* values, WORD count, LONG dateItems, AnnivArray& annivs,
                              const CatArray& cats, const CatPairArray& pairs);
