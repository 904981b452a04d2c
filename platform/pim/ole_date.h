// Calendar arithmetic of the PIM store: OLE dates (days since 30 December 1899, the fraction the
// time of day), civil dates and the FILETIME form the database volume gives (taken as local time).
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace platform::pim {

inline constexpr double kNoDate = 949998.0;  // 1 January 4501
inline constexpr int kMinutesPerDay = 1440;

struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Days since 1 January 1970 of a civil date (proleptic Gregorian), and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

DATE ToOleDate(const CivilTime& t);
CivilTime FromOleDate(DATE date);  // rounded to the nearest second
bool IsNoDate(DATE date);

// Whole days and minutes of an OLE date, rounded to the minute so that float error never moves a day.
std::int64_t OleDay(DATE date);
std::int64_t OleMinutes(DATE date);
DATE OleFromMinutes(std::int64_t minutes);
inline DATE OleFromDay(std::int64_t day) { return static_cast<double>(day); }

int DayOfWeek(std::int64_t oleDay);  // 0 Sunday .. 6 Saturday
int DaysInMonth(int year, int month);

FILETIME FileTimeFromOle(DATE date);
DATE OleFromFileTime(const FILETIME& time);

bool SystemTimeToOle(const SYSTEMTIME& time, DATE& out);
bool OleToSystemTime(DATE date, SYSTEMTIME& out);

// The local wall time now, from the device clock (frozen in tests when the test clock is).
DATE OleNow();

}  // namespace platform::pim
