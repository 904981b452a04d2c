// The theme's background pictures: the views' (string word 44) and the launcher's (word 49), and
// forgetting the decoded pictures when the theme changes.
#pragma once

#include "platform/types.h"

// The background picture of the theme (word 44): whether a path is set, and the picture, loaded on
// first use (null without a path).
bool HasBackPicture();
HBITMAP GetBackPicture();
// A list row's background, drawn at (0, 0) of an off-screen row: the part of the theme's picture that
// lies under the row (lined up with the picture behind the views, past their margins), else the
// theme's background colour.
void FillRowBackground(HDC dc, const RECT& row, int width, int height);

// The launcher's centre picture (word 48) is drawn from its file at each paint, so only its path is asked.
bool HasSpinPicture1();
bool HasSpinPicture2();
HBITMAP GetSpinPicture2();
// The pictures are decoded again from the theme's files at their next use.
void FreeBackPictures();
