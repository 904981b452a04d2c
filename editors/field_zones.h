// Where the parts of a field-list row lie: the row picture, the value zone, the check box, a choice
// row's arrows and a category row's swatch. The painter and the tap handling share them.
#pragma once

#include "core/val_snap.h"
#include "platform/types.h"

// The colour palette the category rows offer.
inline constexpr LONG kCatColorPalette = 2;

struct RowZones {
    RECT row{};
    int pictureSize = 0;
    int iconRight = 0;    // right end of the row picture
    int valueLeft = 0;    // the value zone runs from here to the right end
    int checkLeft = 0;    // a tap at or right of this toggles a check box
    int arrowsLeft = 0;   // a choice row's arrows zone
    int arrowsRight = 0;
    int swatchLeft = 0;   // kind 13: the colour swatch zone, and the style zone left of it
    int styleLeft = 0;
    int textWidth = 0;    // a choice row's current choice text
};

RowZones GetRowZones(HWND list, int index, const ValSnap& row);
// The same for a row rectangle on a device context that has the list's font selected.
RowZones GetRowZonesIn(HDC dc, const RECT& rect, const ValSnap& row);
