// The month and year lists of the month picker: twelve month names and the years it offers.
#pragma once

#include "platform/types.h"

inline constexpr int kIdMonthList = 3259;
inline constexpr int kIdYearList = 1028;
inline constexpr LONG kFirstListedYear = 2006;
inline constexpr int kListedYears = 8;

// Fills both lists and selects the month (1-12) and the year; a value outside the lists selects nothing.
void FillMonthYearLists(HWND dialog, LONG month, LONG year);
// The selected month (1-12) and year; a list without a selection leaves its value as it was.
void ReadMonthYearLists(HWND dialog, LONG& month, LONG& year);
