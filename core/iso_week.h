// ISO 8601 week numbers for the week labels of the calendar views: weeks begin on Monday and
// week 1 is the week that holds the year's first Thursday.
#pragma once

int IsoWeekNumber(int year, int month, int day);
