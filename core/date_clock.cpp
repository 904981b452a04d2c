// The date record's readings of the device clock: now and today.
#include "core/date_rec.h"
#include "platform/time.h"

void DateNow(DateRec& date) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    DateAssignByVal(date, now);
}

bool IsToday(int day, int month, int year) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wDay == day && now.wMonth == month && now.wYear == year;
}
