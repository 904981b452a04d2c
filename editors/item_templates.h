// Appointment and task templates: stored items whose fields fill a new item, kept sorted by
// subject in two lists and written to "appttmp.dat" and "tasktmp.dat" in the program folder.
#pragma once

#include "core/appt_record.h"
#include "core/tsk_record.h"
#include "platform/types.h"

inline constexpr const WCHAR* kApptTemplateFile = u"appttmp.dat";
inline constexpr const WCHAR* kTskTemplateFile = u"tasktmp.dat";

enum TemplateKind : LONG { kTemplateKindTask = 0, kTemplateKindAppt = 1 };

extern RecordArray<ApptRecord> g_ApptTemplateList;
extern TskArray g_TskTemplateList;
// Set when the template dialog opens; the chosen row (-1 none) after it closed.
extern LONG g_TemplateKind;
extern LONG g_TemplateChoice;

void LoadTemplates();
// A missing file leaves the list as it was.
void LoadApptTemplates();
void LoadTskTemplates();
// Writes the whole list; a file that cannot be created is skipped silently.
void SaveApptTemplates();
void SaveTskTemplates();
// Before the first template whose subject sorts after the new one (ignoring case); an equal
// subject goes after the existing one. Returns the position. The caller writes the file.
int InsertApptTemplate(ApptRecord record);
int InsertTskTemplate(TskRecord record);
// An appointment template's times on a day: the start at the template's time of day, the end after
// the template's length, so an end past midnight falls on the next day.
void ApptTemplateTimesOn(const ApptRecord& record, const DateRec& day, DateRec& start, DateRec& end);
// The number of templates of a kind, and removing one (the file of that kind is written again).
int TemplateCount(LONG kind);
bool RemoveTemplateAt(LONG kind, int index);
