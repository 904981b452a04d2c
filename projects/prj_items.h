// The tasks, contacts and appointments as the project tree shows them: finding the loaded records
// by OID, their node labels and images, and the category changes the tree makes to loaded records.
#pragma once

#include <string>
#include <string_view>

#include "core/cts_record.h"
#include "core/date_rec.h"
#include "core/tsk_record.h"
#include "platform/types.h"

struct PrjAppt {
    std::u16string subject;
    DateRec start;
    std::u16string categories;
};

// The loaded record of that OID, or null.
TskRecord* FindTskRecord(LONG oid);
CtsRecord* FindCtsRecord(LONG oid);
// The appointment as the store holds it; false when it is gone.
bool ReadPrjAppt(LONG oid, PrjAppt& appt);

std::u16string JoinCategories(const StrArray& categories);
// The loaded record's categories without those of the top-level project.
void ForgetTskPrjInMemory(LONG oid, std::u16string_view project);
void ForgetCtsPrjInMemory(LONG oid, std::u16string_view project);

std::u16string TskNodeLabel(const TskRecord& task);
int TskNodeImage(const TskRecord& task);
// The subject; with "PRJ_DATE" on followed by "(month/day)" of the start.
std::u16string ApptNodeLabel(std::u16string_view subject, const DateRec& start);
