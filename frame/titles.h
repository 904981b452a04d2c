// The main window's title: the month and year in the month view, else the program title, which on
// a QVGA screen held in landscape carries the view's name, the clock and a filter mark.
#pragma once

#include <string>

void SetViewTitle();
void SetMonthTitle();
// Appends " [time]" while "CLOCKTITLE" is on and the screen is in landscape.
void AppendClockToTitle(std::u16string& title);
// Views 1, 3, 4, 5, 6 and 11 get SetViewTitle, view 0 SetMonthTitle, any other view keeps its title.
void RefreshTitle();
