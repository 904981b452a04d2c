// The month and year lists of the month picker: twelve month names and the years around the one
// it starts from.
#pragma once

#include "platform/types.h"

inline constexpr int kIdMonthList = 3259;
inline constexpr int kIdYearList = 1028;
// The year list offers the seed's year and this many years before and after it.
inline constexpr LONG kYearsAroundSeed = 10;
inline constexpr int kListedYears = 2 * kYearsAroundSeed + 1;
// The years any list offers at all.
inline constexpr LONG kEarliestListedYear = 1900;
inline constexpr LONG kLatestListedYear = 2999;

// Fills both lists and selects the month (1-12) and the year; a month outside 1-12 selects none.
void FillMonthYearLists(HWND dialog, LONG month, LONG year);
// The selected month (1-12) and year; a list without a selection leaves its value as it was.
void ReadMonthYearLists(HWND dialog, LONG& month, LONG& year);
