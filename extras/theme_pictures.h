// The launcher's background picture from the theme, and forgetting the decoded pictures when the
// theme changes (the views' background picture is in extras/theme.h).
#pragma once

#include "platform/types.h"

bool HasSpinPicture2();
HBITMAP GetSpinPicture2();
// The pictures are decoded again from the theme's files at their next use.
void FreeBackPictures();
