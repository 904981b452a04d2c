// One contact in memory as the contact list and grid show it, and one birthday or anniversary
// taken from a contact for the calendar views.
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "core/record_array.h"
#include "platform/types.h"

struct CtsRecord {
    LONG defaultField = -1;  // contact field 0 to 12 shown as the default line, -1 none
    LONG oid = -1;
    std::u16string fileAs;   // the name contacts are listed and compared by
    std::u16string firstName;
    std::u16string lastName;
    std::u16string defaultText;  // filled when first needed
    std::u16string company;
    LONG hasNotes = 0;
    StrArray categories;
    LONG detailsPending = 0;  // 1 until default field, default text and has-notes are read
};

using CtsArray = RecordArray<CtsRecord>;

// The loaded contacts, in name order or, after a load in company mode, in company order.
extern CtsArray g_CtsList;

bool CtsNameEquals(const CtsRecord& record, std::u16string_view name);

inline constexpr LONG kAnnivBirthday = 1;
inline constexpr LONG kAnnivAnniversary = 2;

struct AnnivEntry {
    std::u16string name;
    std::u16string text;  // empty for entries made from contacts
    DateRec date;         // the event's own date; its year gives the age
    LONG kind = kAnnivBirthday;
    LONG reserved = 0;
    LONG contactOid = -1;
};

using AnnivArray = RecordArray<AnnivEntry>;
