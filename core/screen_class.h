// The screen-class tests that every layout depends on. The class is never stored: each test reads
// the screen width and height afresh, so a turned screen is seen at the next call.
#pragma once

#include "platform/types.h"

BOOL IsSmallScreen176();
BOOL IsSquareScreen();
BOOL IsSquare320Screen();
BOOL IsVgaScreen();
BOOL IsQvgaScreen();
BOOL IsWqvgaScreen();
BOOL IsWvgaScreen();
BOOL IsScreen240Plus();
BOOL IsLandscapeScreen();
BOOL IsPortraitScreen();
