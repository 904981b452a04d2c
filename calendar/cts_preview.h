// The contact preview of the agenda view window: the selected contact's name, company, default
// field, birthday, anniversary and notes.
#pragma once

#include "platform/types.h"

// Paints (draw) or only lays out the preview of the contact that is the global selection; 0.
int DrawCtsPreview(HDC dc, bool draw);
