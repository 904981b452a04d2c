// The appointment form's controls as values: the date and time pickers, the status rows and their
// POOM busy values, the category rows and texts, shared by loading, saving and the templates.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "platform/types.h"

// The picker's value; false when it holds no date (out is then all zero).
bool GetPickerValue(HWND dialog, int id, DateRec& out);
// A null value leaves the picker without a date.
void SetPickerValue(HWND dialog, int id, const DateRec* value);
// The date of one picker with the time of day of another; false when either holds no value (the
// result is then all zero).
bool GetPickerDateTime(HWND dialog, int dateId, int timeId, DateRec& out);
// Date pickers open the date chooser on Enter, time pickers take keypad digits.
void SubclassFormPickers(HWND dialog);

// Status rows Busy, Out of Office, Free, Tentative against POOM's busy values.
LONG StatusRowToBusy(LONG row);
// -1 for a value without a row.
LONG BusyToStatusRow(LONG busy);
// The non-project categories of the category list, in list order.
void FillFormCatList(HWND dialog);
// The row of a non-project category named so (case ignored) selected; -1 when none.
int SelectFormCat(HWND dialog, const std::u16string& name);
// The names of the selected rows, each followed by ",".
std::u16string SelectedFormCats(HWND dialog);
// The non-project category name shown at a row of the list, empty outside it.
std::u16string FormCatAtRow(int row);

std::u16string GetFormText(HWND dialog, int id, int maxChars);
// A list's reminder row from minutes: 0 for none, 1..11 listed, else the custom row.
void ShowReminderMinutes(HWND dialog, LONG minutes);
// The title by the attendee list: "Appointment" or "Meeting".
void SetApptFormTitle(HWND dialog);
