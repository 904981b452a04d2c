// The appointment month cache: the appointments whose start lies in a window around a month, kept
// per month once read, the two current arrays every calendar view reads, and beside them the list
// of all appointments and of all multi-day spans that search, linking and choosing use.
//
// States of one month: not cached -> cached (read from POOM once) -> emptied and read again only
// by a reload or a reset. Invariants:
//  1. keys, apptLists and spanLists have the same size; index i of each belongs to the same month;
//  2. keys are in ascending (year, month) order without duplicates;
//  3. curAppts and curSpans are null, point at one month's arrays, or at g_AllApptsArray and
//     g_MultiDaySpans; a reset deletes every month and nulls them before the shown month is read;
//  4. a month's spans hold each span of its window once, and the spans of the month before that
//     start before the window and run into the month, whichever of the two months was read first.
#pragma once

#include <memory>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "core/record_array.h"
#include "platform/poom.h"
#include "platform/types.h"

struct MonthKey {
    LONG month = 0;  // 1-12
    LONG year = 0;
};

struct ApptMonthCache {
    RecordArray<MonthKey> keys;
    RecordArray<std::shared_ptr<ApptArray>> apptLists;
    RecordArray<std::shared_ptr<SpanArray>> spanLists;
    ApptArray* curAppts = nullptr;
    SpanArray* curSpans = nullptr;
    LONG loaded = 0;  // 1 after every LoadApptsForMonth
};

extern ApptMonthCache g_ApptCache;
// Every appointment of the calendar folder and every multi-day span, filled on demand.
extern ApptArray g_AllApptsArray;
extern SpanArray g_MultiDaySpans;
// The date every calendar view shows.
extern DateRec g_SelectedDate;

// From 00:00 on day (L - 5) of the previous month, L its length, up to but not including 00:00 on
// day 7 of the next month: each window overlaps six days of both neighbour months.
inline constexpr int kMonthWindowDaysBack = 5;
inline constexpr int kMonthWindowEndDay = 7;
void MonthWindow(int year, int month, DateRec& start, DateRec& end);
// The span an appointment gives when it runs past its start day, else false. With the midnight
// rule an end exactly at 00:00:00 is taken one minute earlier, so that an appointment ending at
// midnight does not reach into the next day.
enum class MidnightRule { Keep, Shorten };
bool MakeMultiDaySpan(const DateRec& start, LONG minutes, LONG oid, MidnightRule rule, TimeSpan& span);

// The restricted collection of one month's window, or null; the caller releases it.
IPOutlookItemCollection* GetCurrentAppt(IPOutlookApp* app, int year, int month);
void ReLoadApptPOOM(int year, int month, LONG reload);
void LoadApptsForMonth(LONG reset, LONG reloadCats);
// Loads the month after the shown one when the split month shows it ("NEXTMONTHPREV").
void ReLoadNextMonthAppts();
void OpenApptMonthByOid(LONG oid);
void ReloadAllAppts();
void LoadAllApptsPOOM();
void LoadMultiDaySpans();
// Copies into the current spans those of the previous month that reach into this month and start
// before this month's window (the others come with the month's own query).
void CarryPrevMonthSpans(int year, int month);
// Inserts (month, year) after every key not later than it; returns its position.
int InsertMonthKey(int year, int month);
void ClearApptMonthCache();
