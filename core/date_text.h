// Every date and time the program shows, as text: times of day in 12- or 24-hour form,
// appointment start, end and range, English month and weekday names, long dates, the four numeric
// date formats of "DATEFORMAT", week labels, the date of a time-window query, and call times.
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "platform/types.h"

// Names; the empty text outside 1 to 12 (months) and 1 to 7 (days, 1 Sunday).
std::u16string GetMonthName(int month);
std::u16string GetShortMonthName(int month);
void FormatMonthName(std::u16string& out, int month, bool shortName);
void FormatWeekdayName(std::u16string& out, int day, bool shortName);
// 1 to 12 for a full English month name in any letter case; 0 otherwise.
int ParseMonthName(std::u16string_view text);

// Times of day; the hour is never zero-padded.
void FormatTime(std::u16string& out, const DateRec& date, bool hours24, bool suffix, bool compact);
void FormatApptStart(const ApptRecord& appt, std::u16string& out, bool hours24, bool shortForm);
void FormatApptEnd(const ApptRecord& appt, std::u16string& out, bool hours24, bool shortForm);
void FormatApptTimeRange(const ApptRecord& appt, std::u16string& out, bool hours24);
void FormatTimeFT(std::u16string& out, const FILETIME& time, bool hours24);

// Numeric dates by "DATEFORMAT" 0 to 3; the empty text for other values.
void FormatShortDate(std::u16string& out, const DateRec& date);
void FormatFileTimeDate(std::u16string& out, const FILETIME& time);
void FormatMonthDay(std::u16string& out, const DateRec& date);

// "%s %s %d, %d": weekday (full only on a landscape QVGA screen), month, day, year.
void FormatLongDate(std::u16string& out, const DateRec& date, bool shortMonth, bool noYear);
// The date handed to the PIM store's time-window query.
void FormatDateText(std::u16string& out, const DateRec& date);
// The two texts of a calendar title line; a text the rules do not set keeps its value.
void FormatWeekLabel(const DateRec& date, std::u16string& first, std::u16string& second, bool agenda);

// The length of a call: whole hours (past 24 when it crosses days), minutes and seconds.
void FormatDurationFT(std::u16string& out, const FILETIME& start, const FILETIME& end, int& hours, int& minutes,
                      int& seconds);
