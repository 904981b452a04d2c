// The birthdays and anniversaries of the loaded contacts, kept in one list sorted by month and day
// (the year ignored), with the search the Day, Dates and schedule lists start their scans from.
#pragma once

#include <string>

#include "core/cts_record.h"

// Entries of equal month and day keep the order in which they were added.
extern AnnivArray g_AnnivList;

bool AnnivIsOn(const AnnivEntry& entry, int month, int day);
// A start index for a linear scan: at or before the first entry on or after (month, day);
// 0 for an empty list.
int AnnivLowerBound(const AnnivArray& list, int month, int day);
int AnnivFindByDate(const AnnivArray& list, const DateRec& date);
// A copy of the entry, or an empty entry (kind 1, contact -1) for an index outside the list.
AnnivEntry GetAnnivEntryAt(const AnnivArray& list, int index);
// Inserts after every entry of the same month and day.
void AnnivArrAddSorted(AnnivArray& list, AnnivEntry entry);
// Puts the entries from `from` on, appended in the order they came, where AnnivArrAddSorted would
// have put them one by one: one sort and one merge instead of an insert each.
void AnnivArrSortAppended(AnnivArray& list, int from);
// The row text: the name with the age in the shown year.
std::u16string FormatAnnivAgeText(const AnnivEntry& entry, int shownYear);

// ---- Birthday and anniversary rows of the schedule list ----
#include "platform/types.h"

// The row of the Day and Dates lists in the window's width: the kind icon and label in the time
// column, then the name with the age, on QVGA screens after the contact's photo. The row height.
int DrawAnnivRow(HDC dc, HWND window, int x, int y, const AnnivEntry& entry, int shownYear, LONG alternate, int draw,
                 int noBox, bool selected);

// One-line layout: kind icon and label in the time column, then the name with the age and, except on
// 176-pixel screens, the contact's picture. noBox is 1 when the selection look is already drawn.
void DrawAnnivRowB(HDC dc, const RECT& row, const AnnivEntry& entry, int shownYear, LONG alternate, int draw,
                   int noBox, bool selected);
// Two-line layout with the contact's picture: the name with the age, then the kind icon and label.
void DrawAnnivRowC(HDC dc, const RECT& row, const AnnivEntry& entry, int shownYear, LONG alternate, int noBox);
// The picture side of the two-line row.
int GetSchedAnnivRowHeight();
