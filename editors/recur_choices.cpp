// The "Occurs" choices: one table gives each choice's label texts and the POOM pattern it stands
// for; the labels are filled from the reference date, the pattern calls are made in the order
// the stored items were always written with.
#include "editors/recur_choices.h"

#include <array>

#include "core/date_text.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "editors/custom_recur.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

constexpr int kLabelChars = 100;
constexpr int kLabelStringChars = 256;

// How a row's label takes its inserts.
enum class LabelFill {
    None,
    Weekday,     // %1 weekday, full in every set
    WeeksOn,     // %1 interval, %2 weekday
    MonthDay,    // %1 day
    MonthsDay,   // %1 day, %2 interval
    Nth,         // %1 week ordinal, %2 weekday
    NthMonths,   // %1 week ordinal, %2 weekday, %3 interval
    Yearly,      // %1 month, %2 day
    YearNth,     // %1 week ordinal, %2 weekday (full), %3 month
};

// The POOM calls of a row after the type, by their order.
enum class PatternShape { Clear, DailyWeekly, Monthly, MonthNth, Yearly, YearNth };

enum class MaskFrom { None, Weekday, WorkWeek, CustomDays };

constexpr LONG kCustomInterval = -1;  // every N of the custom state
constexpr LONG kNoInterval = 0;
constexpr LONG kWorkWeekMask = 62;    // Monday to Friday

struct RecurChoiceRow {
    UINT formId;
    UINT longId;
    UINT shortId;
    LabelFill fill;
    const WCHAR* interval;  // the interval insert of the label
    PatternShape shape;
    LONG type;
    LONG patternInterval;
    MaskFrom mask;
};

constexpr RecurChoiceRow kRecurChoices[kRecurChoiceCount] = {
    {IDS_OCCURS_ONCE, IDS_OCCURS_ONCE, IDS_OCCURS_ONCE, LabelFill::None, nullptr, PatternShape::Clear, 0, kNoInterval, MaskFrom::None},
    {IDS_OCCURS_EVERY_DAY, IDS_OCCURS_EVERY_DAY, IDS_OCCURS_EVERY_DAY, LabelFill::None, nullptr, PatternShape::DailyWeekly, olRecursDaily, 1, MaskFrom::None},
    {IDS_OCCURS_EVERY_WEEK_DAY, IDS_OCCURS_EVERY_WEEK_DAY, IDS_OCCURS_EVERY_WEEK_DAY, LabelFill::None, nullptr, PatternShape::DailyWeekly, olRecursWeekly, 1, MaskFrom::WorkWeek},
    {IDS_OCCURS_EVERY_X_DAYS, IDS_OCCURS_EVERY_X_DAYS, IDS_OCCURS_EVERY_X_DAYS_SHORT, LabelFill::None, nullptr, PatternShape::DailyWeekly, olRecursDaily, kCustomInterval, MaskFrom::None},
    {IDS_OCCURS_EVERY_WEEKDAY_NAME, IDS_OCCURS_EVERY_WEEKDAY_NAME, IDS_OCCURS_EVERY_WEEKDAY_NAME, LabelFill::Weekday, nullptr, PatternShape::DailyWeekly, olRecursWeekly, 1, MaskFrom::Weekday},
    {IDS_OCCURS_WEEKS_ON, IDS_OCCURS_WEEKS_ON, IDS_OCCURS_WEEKS_ON_SHORT, LabelFill::WeeksOn, u"2", PatternShape::DailyWeekly, olRecursWeekly, 2, MaskFrom::Weekday},
    {IDS_OCCURS_WEEKS_ON, IDS_OCCURS_WEEKS_ON, IDS_OCCURS_WEEKS_ON_SHORT, LabelFill::WeeksOn, u"3", PatternShape::DailyWeekly, olRecursWeekly, 3, MaskFrom::Weekday},
    {IDS_OCCURS_WEEKS_ON, IDS_OCCURS_WEEKS_ON, IDS_OCCURS_WEEKS_ON_SHORT, LabelFill::WeeksOn, u"4", PatternShape::DailyWeekly, olRecursWeekly, 4, MaskFrom::Weekday},
    {IDS_OCCURS_CUSTOM_WEEK, IDS_OCCURS_CUSTOM_WEEK, IDS_OCCURS_CUSTOM_WEEK_SHORT, LabelFill::None, nullptr, PatternShape::DailyWeekly, olRecursWeekly, kCustomInterval, MaskFrom::CustomDays},
    {IDS_OCCURS_MONTH_DAY, IDS_OCCURS_MONTH_DAY, IDS_OCCURS_MONTH_DAY_SHORT, LabelFill::MonthDay, nullptr, PatternShape::Monthly, olRecursMonthly, 1, MaskFrom::None},
    {IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY_SHORT, LabelFill::MonthsDay, u"2", PatternShape::Monthly, olRecursMonthly, 2, MaskFrom::None},
    {IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY_SHORT, LabelFill::MonthsDay, u"3", PatternShape::Monthly, olRecursMonthly, 3, MaskFrom::None},
    {IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY_SHORT, LabelFill::MonthsDay, u"4", PatternShape::Monthly, olRecursMonthly, 4, MaskFrom::None},
    {IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY, IDS_OCCURS_MONTHS_DAY_SHORT, LabelFill::MonthsDay, u"6", PatternShape::Monthly, olRecursMonthly, 6, MaskFrom::None},
    {IDS_OCCURS_NTH, IDS_OCCURS_NTH, IDS_OCCURS_NTH_SHORT, LabelFill::Nth, nullptr, PatternShape::MonthNth, olRecursMonthNth, kNoInterval, MaskFrom::Weekday},
    {IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS_SHORT, LabelFill::NthMonths, u"2", PatternShape::MonthNth, olRecursMonthNth, 2, MaskFrom::Weekday},
    {IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS_SHORT, LabelFill::NthMonths, u"3", PatternShape::MonthNth, olRecursMonthNth, 3, MaskFrom::Weekday},
    {IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS_SHORT, LabelFill::NthMonths, u"4", PatternShape::MonthNth, olRecursMonthNth, 4, MaskFrom::Weekday},
    {IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS, IDS_OCCURS_NTH_MONTHS_SHORT, LabelFill::NthMonths, u"6", PatternShape::MonthNth, olRecursMonthNth, 6, MaskFrom::Weekday},
    {IDS_OCCURS_YEARLY, IDS_OCCURS_YEARLY, IDS_OCCURS_YEARLY, LabelFill::Yearly, nullptr, PatternShape::Yearly, olRecursYearly, kNoInterval, MaskFrom::None},
    {IDS_OCCURS_YEAR_NTH, IDS_OCCURS_YEAR_NTH, IDS_OCCURS_YEAR_NTH, LabelFill::YearNth, nullptr, PatternShape::YearNth, olRecursYearNth, kNoInterval, MaskFrom::Weekday},
};

constexpr const WCHAR* kWeekOrdinals[] = {u"1st", u"2nd", u"3rd", u"4th", u"5th"};

std::u16string WeekdayName(const DateRec& date, bool shortName) {
    std::u16string name;
    FormatWeekdayName(name, date.wDayOfWeek + 1, shortName);
    return name;
}

std::u16string MonthName(const DateRec& date, bool shortName) {
    std::u16string name;
    FormatMonthName(name, date.wMonth, shortName);
    return name;
}

std::u16string Format(UINT id, const std::u16string& a1 = {}, const std::u16string& a2 = {},
                      const std::u16string& a3 = {}) {
    const std::u16string format = LoadResStr(id, kLabelStringChars);
    WCHAR buffer[kLabelChars] = {};
    FormatTextToBuf(buffer, kLabelChars, format.c_str(), a1.c_str(), a2.c_str(), a3.c_str());
    return buffer;
}

LONG WeekdayMask(const DateRec& date) { return 1L << date.wDayOfWeek; }

LONG CustomDaysMask() {
    LONG mask = 0;
    for (int day = 0; day < kDaysInWeek; ++day) {
        if (g_CustomRecur.weekdays[day] != 0) mask |= 1L << day;
    }
    return mask;
}

LONG RowMask(const RecurChoiceRow& row, const DateRec& date) {
    switch (row.mask) {
    case MaskFrom::Weekday: return WeekdayMask(date);
    case MaskFrom::WorkWeek: return kWorkWeekMask;
    case MaskFrom::CustomDays: return CustomDaysMask();
    case MaskFrom::None: break;
    }
    return 0;
}

// The form dialog takes any number for every N; an interval below 1 names no series at all, so
// it is saved as 1.
LONG RowInterval(const RecurChoiceRow& row) {
    if (row.patternInterval != kCustomInterval) return row.patternInterval;
    return g_CustomRecur.everyN < 1 ? 1 : g_CustomRecur.everyN;
}

void SetPatternShape(IRecurrencePattern* p, const RecurChoiceRow& row, const DateRec& date, DATE start) {
    p->put_RecurrenceType(row.type);
    const LONG interval = RowInterval(row);
    switch (row.shape) {
    case PatternShape::DailyWeekly:
        p->put_StartTime(start);
        if (row.mask != MaskFrom::None) p->put_DayOfWeekMask(RowMask(row, date));
        p->put_Interval(interval);
        break;
    case PatternShape::Monthly:
        p->put_Interval(interval);
        p->put_DayOfMonth(date.wDay);
        p->put_StartTime(start);
        break;
    case PatternShape::MonthNth:
        if (interval != kNoInterval) p->put_Interval(interval);
        p->put_Instance(RecurInstance(date));
        p->put_DayOfWeekMask(RowMask(row, date));
        p->put_StartTime(start);
        break;
    case PatternShape::Yearly:
        p->put_StartTime(start);
        p->put_DayOfMonth(date.wDay);
        p->put_MonthOfYear(date.wMonth);
        break;
    case PatternShape::YearNth:
        p->put_StartTime(start);
        p->put_DayOfWeekMask(RowMask(row, date));
        p->put_Instance(RecurInstance(date));
        p->put_MonthOfYear(date.wMonth);
        break;
    case PatternShape::Clear: break;
    }
}

// The end by year, month and day only: an end on the start day is accepted.
bool EndIsBeforeDay(const DateRec& end, const DateRec& date) {
    if (end.wYear != date.wYear) return end.wYear < date.wYear;
    if (end.wMonth != date.wMonth) return end.wMonth < date.wMonth;
    return end.wDay < date.wDay;
}

bool SetPatternEnd(IRecurrencePattern* p, const DateRec& date, HWND owner) {
    const CustomRecurState& state = g_CustomRecur;
    if (state.endDateSet == 0) {
        if (state.endsAfter != 0) {
            p->put_NoEndDate(VARIANT_FALSE);
            p->put_Occurrences(state.occurrences);
        } else {
            p->put_NoEndDate(VARIANT_TRUE);
        }
        return true;
    }
    if (EndIsBeforeDay(state.endDate, date)) {
        ShowMessage(owner, LoadResStr(IDS_CUSTOM_RECUR_END_BEFORE_START).c_str(), MB_ICONINFORMATION);
        return false;
    }
    p->put_NoEndDate(VARIANT_FALSE);
    SYSTEMTIME end = state.endDate;
    end.wMilliseconds = 0;
    DATE value = 0;
    SystemTimeToVariantTime(&end, &value);
    p->put_PatternEndDate(value);
    return true;
}

template <class Item>
bool ApplyChoice(Item* item, IRecurrencePattern* pattern, LONG choice, const DateRec& date, DATE start, HWND owner) {
    if (choice == kRecurUnnamed) {
        // A pattern no choice names stays as it is; only an end set in the custom dialog goes to it.
        if (!pattern || g_CustomRecur.endEdited == 0) return true;
        return SetPatternEnd(pattern, date, owner);
    }
    if (choice < 0 || choice >= kRecurChoiceCount) return true;
    const RecurChoiceRow& row = kRecurChoices[choice];
    if (row.shape == PatternShape::Clear) {
        if (item) item->ClearRecurrencePattern();
        return true;
    }
    if (!pattern) return true;
    SetPatternShape(pattern, row, date, start);
    return SetPatternEnd(pattern, date, owner);
}

}  // namespace

std::u16string FormatNumDate(int number) {
    const int lastTwo = number % 100;
    const int last = number % 10;
    const WCHAR* suffix = u"th";
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1) suffix = u"st";
        else if (last == 2) suffix = u"nd";
        else if (last == 3) suffix = u"rd";
    }
    return platform::FormatW(u"%d%s", number, suffix);
}

int RecurInstance(const DateRec& date) { return (date.wDay - 1) / kDaysInWeek + 1; }

std::u16string RecurChoiceLabel(LONG choice, const DateRec& date, RecurLabels labels) {
    if (choice < 0 || choice >= kRecurChoiceCount) return std::u16string();
    const RecurChoiceRow& row = kRecurChoices[choice];
    const bool form = labels == RecurLabels::Form;
    const bool shortList = labels == RecurLabels::ListShort;
    const UINT id = form ? row.formId : shortList ? row.shortId : row.longId;
    const std::u16string dayNumber = platform::FormatW(u"%d", date.wDay);
    const std::u16string day = shortList ? FormatNumDate(date.wDay) : dayNumber;
    const std::u16string weekday = WeekdayName(date, shortList);
    const std::u16string ordinal = kWeekOrdinals[RecurInstance(date) - 1];
    const std::u16string interval = row.interval ? row.interval : u"";
    switch (row.fill) {
    case LabelFill::None: return Format(id);
    case LabelFill::Weekday: return Format(id, WeekdayName(date, false));
    case LabelFill::WeeksOn: return Format(id, interval, weekday);
    case LabelFill::MonthDay: return Format(id, day);
    case LabelFill::MonthsDay: return Format(id, day, interval);
    case LabelFill::Nth: return Format(id, ordinal, weekday);
    case LabelFill::NthMonths: return Format(id, ordinal, weekday, interval);
    case LabelFill::Yearly: return Format(id, MonthName(date, false), form ? dayNumber : FormatNumDate(date.wDay));
    case LabelFill::YearNth: return Format(id, ordinal, WeekdayName(date, false), MonthName(date, shortList));
    }
    return std::u16string();
}

RecurLabels ListLabelsForScreen() {
    return IsQvgaScreen() && IsLandscapeScreen() ? RecurLabels::ListLong : RecurLabels::ListShort;
}

void FillRecurCombo(HWND list, const DateRec& date) {
    if (!list) return;
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (LONG choice = 0; choice < kRecurChoiceCount; ++choice) {
        const std::u16string label = RecurChoiceLabel(choice, date, RecurLabels::Form);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
}

void FillRecurComboFromDlg(HWND dialog, int pickerId) {
    SYSTEMTIME picked{};
    if (DateTime_GetSystemtime(GetDlgItem(dialog, pickerId), &picked) == GDT_NONE) GetSystemTime(&picked);
    const HWND list = GetDlgItem(dialog, kOccursListId);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    DateRec date;
    DateAssignByVal(date, picked);
    FillRecurCombo(list, date);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FillRecurChoices2(HWND, ValSnap& row, const DateRec& date) {
    const RecurLabels labels = ListLabelsForScreen();
    row.choices.RemoveAll();
    for (LONG choice = 0; choice < kRecurChoiceCount; ++choice) row.choices.Append(RecurChoiceLabel(choice, date, labels));
}

void ShowOccursRowUnnamed(ValSnap& row) {
    if (row.live && *static_cast<const LONG*>(row.live) == kRecurUnnamed) row.indexValue = kRecurUnnamed;
}

bool ApplyRecurChoice(IAppointment* appt, IRecurrencePattern* pattern, LONG choice, const DateRec& date,
                      DATE patternStart, HWND owner) {
    return ApplyChoice(appt, pattern, choice, date, patternStart, owner);
}

bool ApplyRecurChoice(ITask* task, IRecurrencePattern* pattern, LONG choice, const DateRec& date, DATE patternStart,
                      HWND owner) {
    return ApplyChoice(task, pattern, choice, date, patternStart, owner);
}
