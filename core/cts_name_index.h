// The three sorted name indexes of the loaded contacts (last names, first names, companies) with
// their letter lookups and insertion, the recognition of a contact's name in free text, and the
// display name of a contact in the chosen name format.
#pragma once

#include <string>
#include <string_view>

#include "core/cts_record.h"
#include "core/record_array.h"
#include "platform/types.h"

struct NameIdxEntry {
    LONG position = -1;  // the contact's index in the contact array
    std::u16string name;
};

// Ascending case-insensitive name order; empty names are never entered.
using NameIndex = RecordArray<NameIdxEntry>;

struct CtsNameIndexes {
    NameIndex lastNames;
    NameIndex firstNames;
    NameIndex companies;
};

// The indexes of the loaded contacts (g_CtsList), filled by the contact loader.
extern CtsNameIndexes g_CtsNameIndexes;

// Letters compare with 'a' to 'z' folded to capitals and every other character as it is.
bool FirstCharGreater(const NameIdxEntry& entry, WCHAR letter);
// 0 empty name or letter before the name's first letter, 1 equal, 2 after.
int FirstCharCompare(const NameIdxEntry& entry, WCHAR letter);
bool FirstCharEqNoCase(const NameIdxEntry& entry, WCHAR letter);
// The first entry whose name starts with the letter, or -1. An index of one entry answers 0 for
// every letter at or after its own, so that the list still lands on its only name.
int FindNameIdxByLetter(WCHAR letter, const NameIndex& index);
// A coarse start for insertion, never -1: no entry before it starts with the letter or a later one.
int GetSomewhereCloser(WCHAR letter, const NameIndex& index);
void AddToNameIndex(const std::u16string& name, LONG position, NameIndex& index);
// The entry's name begins with the text, ignoring case; false when the name is shorter.
bool NamePrefixEquals(const NameIdxEntry& entry, std::u16string_view text);
// After the contact at removedPosition left the array.
void RenumberIdsAfter(LONG removedPosition, NameIndex& index);

// Each non-empty one of first and last name occurs in the text (case-sensitive); needBoth asks
// for both names to be there.
bool CtsTextHasNames(const CtsRecord& record, std::u16string_view text, bool needBoth);
// The OID of the first contact whose names occur in the text, looked up by the text's first letter
// in the last-name index and then in the first-name index; -1 when none.
LONG FindCtsIdByName(std::u16string_view text, const CtsArray& contacts, const CtsNameIndexes& indexes);
LONG FindCtsIdByName(std::u16string_view text);

// Name formats of "FIRSTLAST".
inline constexpr LONG kNameLastFirst = 0;
inline constexpr LONG kNameFirstLast = 1;
// The file-as name when the chosen format gives an empty text.
std::u16string GetCtsDisplayName(const CtsRecord& record, LONG mode);
