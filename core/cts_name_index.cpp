// Name index lookups by first letter, sorted insertion, and finding a contact named in a text.
#include "core/cts_name_index.h"

#include "core/log_file.h"
#include "core/text_util.h"
#include "platform/text.h"

CtsNameIndexes g_CtsNameIndexes;

namespace {

// Below this many entries the insertion scan starts at the top.
constexpr int kMinEntriesToNarrow = 20;

enum LetterOrder { kLetterBefore = 0, kLetterEqual = 1, kLetterAfter = 2 };

bool StartsWithLetter(const NameIdxEntry& entry, WCHAR letter) { return FirstCharCompare(entry, letter) == kLetterEqual; }

// The first contact in the index run of the letter whose names occur in the text, or -1.
LONG FindInIndex(std::u16string_view text, WCHAR letter, const NameIndex& index, const CtsArray& contacts) {
    const int first = FindNameIdxByLetter(letter, index);
    if (first < 0) return -1;
    for (int i = first; i < index.Size() && StartsWithLetter(index[i], letter); ++i) {
        const LONG position = index[i].position;
        if (position < 0 || position >= contacts.Size()) continue;
        if (CtsTextHasNames(contacts[position], text, false)) return position;
    }
    return -1;
}

}  // namespace

bool FirstCharGreater(const NameIdxEntry& entry, WCHAR letter) {
    return !entry.name.empty() && ToUpperAscii(letter) > ToUpperAscii(entry.name[0]);
}

int FirstCharCompare(const NameIdxEntry& entry, WCHAR letter) {
    if (entry.name.empty()) return kLetterBefore;
    const WCHAR own = ToUpperAscii(entry.name[0]);
    const WCHAR asked = ToUpperAscii(letter);
    if (asked < own) return kLetterBefore;
    return asked == own ? kLetterEqual : kLetterAfter;
}

bool FirstCharEqNoCase(const NameIdxEntry& entry, WCHAR letter) {
    return !entry.name.empty() && ToUpperAscii(letter) == ToUpperAscii(entry.name[0]);
}

int FindNameIdxByLetter(WCHAR letter, const NameIndex& index) {
    if (index.IsEmpty()) return -1;
    if (index.Size() == 1) return FirstCharCompare(index[0], letter) != kLetterBefore ? 0 : -1;
    int low = 0;
    int high = index.Size() - 1;
    int hit = -1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = FirstCharCompare(index[middle], letter);
        if (order == kLetterBefore) {
            high = middle - 1;
        } else if (order == kLetterAfter) {
            low = middle + 1;
        } else {
            hit = middle;
            break;
        }
    }
    if (hit < 0) return -1;
    while (hit > 0 && StartsWithLetter(index[hit - 1], letter)) --hit;
    return hit;
}

int GetSomewhereCloser(WCHAR letter, const NameIndex& index) {
    const int n = index.Size();
    if (n < kMinEntriesToNarrow) return 0;
    int start = 0;
    const int half = n / 2;
    if (FirstCharGreater(index[half], letter)) {
        start = half;
        const int threeQuarters = (half + n) / 2;
        if (FirstCharGreater(index[threeQuarters], letter)) start = threeQuarters;
    } else if (FirstCharGreater(index[half / 2], letter)) {
        start = half / 2;
    }
    return start > n ? 0 : start;
}

void AddToNameIndex(const std::u16string& name, LONG position, NameIndex& index) {
    if (name.empty()) return;
    int start = FindNameIdxByLetter(name[0], index);
    if (start < 0) start = GetSomewhereCloser(name[0], index);
    if (start < 0) {
        WriteSingleLog(u"iStart of -1 after GetSomewhereCloser ");
        return;
    }
    for (int i = start; i < index.Size(); ++i) {
        if (platform::CompareNoCase(index[i].name, name) > 0) {
            index.InsertAt(i, NameIdxEntry{position, name});
            return;
        }
    }
    index.Append(NameIdxEntry{position, name});
}

bool NamePrefixEquals(const NameIdxEntry& entry, std::u16string_view text) {
    if (entry.name.size() < text.size()) return false;
    return platform::EqualNoCase(std::u16string_view(entry.name).substr(0, text.size()), text);
}

void RenumberIdsAfter(LONG removedPosition, NameIndex& index) {
    for (NameIdxEntry& entry : index) {
        if (entry.position > removedPosition) --entry.position;
    }
}

bool CtsTextHasNames(const CtsRecord& record, std::u16string_view text, bool needBoth) {
    const bool hasFirst = !record.firstName.empty();
    const bool hasLast = !record.lastName.empty();
    if (!hasFirst && !hasLast) return false;
    if (needBoth && (!hasFirst || !hasLast)) return false;
    if (hasFirst && text.find(record.firstName) == std::u16string_view::npos) return false;
    return !hasLast || text.find(record.lastName) != std::u16string_view::npos;
}

LONG FindCtsIdByName(std::u16string_view text, const CtsArray& contacts, const CtsNameIndexes& indexes) {
    if (contacts.IsEmpty()) return -1;
    const std::u16string trimmed = TrimSpaces(text);
    if (trimmed.empty()) return -1;
    const WCHAR letter = trimmed[0];
    LONG position = FindInIndex(trimmed, letter, indexes.lastNames, contacts);
    if (position < 0) position = FindInIndex(trimmed, letter, indexes.firstNames, contacts);
    return position < 0 ? -1 : contacts[position].oid;
}

LONG FindCtsIdByName(std::u16string_view text) { return FindCtsIdByName(text, g_CtsList, g_CtsNameIndexes); }

std::u16string GetCtsDisplayName(const CtsRecord& record, LONG mode) {
    std::u16string name;
    if (mode == kNameLastFirst) {
        if (!record.lastName.empty()) name = record.lastName + u", ";
        name += record.firstName;
    } else if (mode == kNameFirstLast) {
        if (!record.firstName.empty()) name = record.firstName + u" ";
        name += record.lastName;
    }
    return name.empty() ? record.fileAs : name;
}
