// Lighter and darker shades of a colour.
#pragma once

#include "platform/types.h"

// Each of red, green and blue less `amount`, none below 0.
COLORREF DarkenColor(COLORREF colour, int amount);
