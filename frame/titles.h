// The main window's title: the month and year in the month view, else the program title, which on
// a QVGA screen held in landscape carries the view's name, the clock and a filter mark.
#pragma once

#include "ui/frame_calls.h"

#include <string>

// Appends " [time]" while "CLOCKTITLE" is on and the screen is in landscape.
void AppendClockToTitle(std::u16string& title);
