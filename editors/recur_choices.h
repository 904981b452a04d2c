// The 21 "Occurs" choices by which every editor keeps an item's recurrence: their labels for a
// reference date (the item's start), and the one rule that turns a choice into a POOM pattern.
#pragma once

#include <string>

#include "core/date_rec.h"
#include "core/val_snap.h"
#include "platform/poom.h"
#include "platform/types.h"

inline constexpr LONG kRecurChoiceCount = 21;
inline constexpr LONG kRecurOnce = 0;
inline constexpr LONG kRecurEveryXDays = 3;
inline constexpr LONG kRecurCustomWeek = 8;
// A stored pattern that no choice names (every 5 weeks, say): the editors show no choice and the
// save leaves the item's pattern as it is.
inline constexpr LONG kRecurUnnamed = -1;
inline constexpr int kOccursListId = 1024;
inline constexpr int kStartDatePickerId = 1012;

// Which of the three label sets: the forms' list box, or the list-style editors' long (QVGA
// landscape) and short (every other screen) choice lists.
enum class RecurLabels { Form, ListLong, ListShort };

// "1st", "2nd", "3rd", "4th", "11th", "21st"...
std::u16string FormatNumDate(int number);
// The week of the month of the date's weekday (1..5).
int RecurInstance(const DateRec& date);
// The label of one choice for the reference date; empty for an index outside 0..20.
std::u16string RecurChoiceLabel(LONG choice, const DateRec& date, RecurLabels labels);
RecurLabels ListLabelsForScreen();

// Empties the list box and adds the 21 form labels; selects nothing. A null window does nothing.
void FillRecurCombo(HWND list, const DateRec& date);
// Refills the Occurs list (1024) for the picker's date (the current time when it holds none) and
// keeps the selected index.
void FillRecurComboFromDlg(HWND dialog, int pickerId);
// The list-style editors' Occurs row: its choice texts become the 21 list labels.
void FillRecurChoices2(HWND window, ValSnap& row, const DateRec& date);
// After the row captured its value: an unnamed pattern shows no choice, not the nearest one.
void ShowOccursRowUnnamed(ValSnap& row);

// The savers' rule: kRecurUnnamed keeps the pattern and writes only an end set in the custom dialog;
// choice 0 clears the item's recurrence, any other sets the pattern's type,
// start (patternStart), interval, mask, day, instance and month as the choice says, then the end
// from g_CustomRecur. An end date before the reference date shows the message and returns false:
// the save is abandoned. The item and the pattern stay the caller's.
bool ApplyRecurChoice(IAppointment* appt, IRecurrencePattern* pattern, LONG choice, const DateRec& date,
                      DATE patternStart, HWND owner);
bool ApplyRecurChoice(ITask* task, IRecurrencePattern* pattern, LONG choice, const DateRec& date,
                      DATE patternStart, HWND owner);
