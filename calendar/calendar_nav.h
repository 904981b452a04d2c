// Date navigation of the calendar views by key: today, the next and the previous day.
#pragma once

#include "platform/types.h"

// 1 when the key jumped to today.
int TodayKeyCmd(UINT key);
void DateNextDay();
void DatePrevDay();
