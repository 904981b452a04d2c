// The parts of a contact row that the list, and the call history's rows, draw around the texts:
// the row background by the selection style, the link, notes, project and category glyphs, and the
// default field's icon and text.
#pragma once

#include "core/cts_record.h"
#include "platform/types.h"

// The background inside the row inset by 2 left and right and 1 top and bottom.
void DrawCtsRowBackground(HDC dc, const RECT& row, bool selected, bool plain);

// The advance of one of the link, notes and project glyphs.
int CtsGlyphAdvance();
// The glyphs after a name at x, each only while it fits before limit, then the category icons while
// x stays below catLimit; centreY is the row line's middle. Returns the x after the last drawn.
int DrawCtsGlyphsAfterName(HDC dc, int x, int centreY, int limit, int catLimit, const CtsRecord& contact);
// The same glyphs (the category icons only with withCategories) as one strip ending at right;
// returns the strip's left edge (right when empty).
int DrawCtsGlyphStrip(HDC dc, int right, int centreY, const CtsRecord& contact, bool withCategories);

// The default field's icon, right-aligned before textLeft with the gap; returns the icon's left
// edge (textLeft when the contact has no default field or the field has no icon).
int DrawCtsFieldIcon(HDC dc, const CtsRecord& contact, int textLeft, int centreY, int gap, int wideGap);
