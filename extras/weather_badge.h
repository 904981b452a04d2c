// The weather badge that the calendar views draw beside today's date.
#pragma once

#include "platform/types.h"

// "WEATHER": the badge is shown.
bool WeatherBadgeOn();
// The weather icon and temperature at a point, or "No Wx" without an observation.
void DrawWeatherBadge(HDC dc, int x, int y);
