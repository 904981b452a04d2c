// The weekday tool bar above the Day view and its go-to-day commands: the seven weekdays of the
// shown week, Today, the previous and next week and the go-to-date dialog.
#pragma once

#include "platform/types.h"

inline constexpr int kIdSchedBar = 43001;

// Command identifiers of the bar's buttons.
enum SchedBarCommand : UINT {
    kCmdSchedBlank = 32900,
    kCmdGoToMon = 32901,
    kCmdGoToTue = 32902,
    kCmdGoToWed = 32903,
    kCmdGoToThu = 32904,
    kCmdGoToFri = 32905,
    kCmdGoToSat = 32906,
    kCmdGoToSun = 32907,
    kCmdTodaySched = 32908,
    kCmdPrevWeek = 32909,
    kCmdNextWeek = 32910,
    kCmdGoToDate = 32911,
};

void CreateSchedBar();
void SizeSchedBar();
void PlaceBelowSchedBar(HWND window);
void ShowSchedBar();

void GoToSunCmd();
void GoToMonCmd();
void GoToTueCmd();
void GoToWedCmd();
void GoToThuCmd();
void GoToFriCmd();
void GoToSatCmd();
void TodaySchedCmd();
void PrevWeekCmd();
void NextWeekCmd();
void GoToDateCmd();
void ShowSchedDate();
// Runs the bar command; 1 when the identifier is one of the bar's (32900 does nothing).
int SchedBarCommandCmd(UINT command);
