// The schedule list: the owner-drawn list that shows the Day and Dates views in the one-line and
// two-line agenda formats, filled as an outline list of day headers and the day's item rows.
#pragma once

#include "core/date_rec.h"
#include "core/tsk_record.h"
#include "platform/types.h"
#include "calendar/calendar_input.h"
#include "ui/list_rows.h"

// Row kinds of the schedule list beside those ui/list_rows.h names (kSchedTask, kSchedAppt); the
// list view item of a shown row carries its kind.
inline constexpr LONG kSchedNothing = 0;
inline constexpr LONG kSchedAnniv = kSchedContact;
inline constexpr LONG kSchedBars = kSchedFurther;
inline constexpr LONG kSchedHeader = kSchedDayHeader;
inline constexpr LONG kSchedHeaderBars = kSchedDayHeader2;

struct SchedListState {
    LONG created = 0;
};

extern SchedListState g_SchedList;

// "AGENDAFMT" values of the schedule list.
inline constexpr LONG kAgendaOneLine = 0;
inline constexpr LONG kAgendaTwoLines = 1;

void CreateSchedList(HWND parent);
void FillSchedDay();
void FillSchedAgenda();
void RefreshSchedList();
// 1 when a date header was added.
int BuildSchedDayRows(const DateRec& day, LONG skipEmpty, LONG firstHeader, LONG clearAndFill);
void AddSchedDateHeader(const DateRec& day, LONG firstHeader);
// With add 0 they only tell whether the day has such a row; with 1 they append every match.
int AddSchedAnnivRows(const DateRec& day, int add);
int AddSchedSpanRows(const DateRec& day, int add);
int AddSchedApptRows(const DateRec& day, int add);
int AddSchedTaskRows(const DateRec& day, int add);
void RelayoutDaySched();
void SchedListTap(int x, int y);
void SyncSchedSel();
void OpenSchedSel();
void OpenSchedRowItem();
// Whether the task is listed on the day: due that day, active with ACTIVETASKS, overdue on today
// with OVERDUETODAY, undated on today unless DATEDONLY.
bool SchedTaskOnDay(const TskRecord& task, const DateRec& day);
