// The date and time picker: a date or a time shown as fields of a format ("M/d/yyyy", "h:mm tt"),
// one of which the keys change, and, with DTS_SHOWNONE, a check box that says whether it holds a
// value at all ("no date").
#pragma once

#include <string>
#include <vector>

#include "commctrl/control_common.h"

namespace platform::commctrl {

enum class DateField { Literal, Day, DayName, Month, MonthName, Year, Hour12, Hour24, Minute, Second, AmPm };

struct FormatPart {
    DateField field = DateField::Literal;
    int width = 0;  // letters in the pattern: d 1, dd 2, MMM 3, yyyy 4...
    std::u16string literal;
};

struct DatePicker : ControlLife {
    SYSTEMTIME time{};
    bool hasValue = true;  // false: "no date", the check box clear
    std::u16string customFormat;
    std::vector<FormatPart> parts;
    int field = -1;  // index into parts of the field the keys change
    int typed = 0;   // digits typed into the field so far
    int typedValue = 0;  // the value they make
    SYSTEMTIME minTime{};
    SYSTEMTIME maxTime{};
    DWORD rangeFlags = 0;
    bool hasFocus = false;
    HFONT font = nullptr;
};

// The format and its fields (date_picker_format.cpp).
std::vector<FormatPart> ParseFormat(std::u16string_view format);
std::u16string DefaultFormat(DWORD style);
// The time without seconds, for a time picker too narrow to show them whole.
std::u16string ShortTimeFormat();
std::u16string FieldText(const FormatPart& part, const SYSTEMTIME& time);
std::u16string DisplayText(const DatePicker& dp);
bool IsEditableField(const FormatPart& part);
// Steps one field by +1 or -1, wrapping within its range; the day is kept inside the month.
void StepField(SYSTEMTIME& time, DateField field, int delta);
// Puts a typed value into a field when it is possible there; false otherwise.
bool SetFieldValue(SYSTEMTIME& time, DateField field, int value);
bool ValidTime(const SYSTEMTIME& time);
WORD DayOfWeek(int year, int month, int day);
int DaysInMonth(int year, int month);
int CompareTimes(const SYSTEMTIME& a, const SYSTEMTIME& b);

// Painting (date_picker_paint.cpp).
void PaintPicker(DatePicker& dp, HDC dc, const RECT& area);
// Where the check box and each field lie in the client.
RECT CheckBoxRect(const DatePicker& dp);
std::vector<RECT> FieldRects(const DatePicker& dp);

}  // namespace platform::commctrl
