// What the Display page computes beside its rows: the font-size choices of the screen class and
// the selection frame colour that follows the selection colour.
#pragma once

#include "platform/types.h"

struct FontSizeChoice {
    LONG fontSize;   // "FONTSIZE"; 0 for no choice
    LONG smallFont;  // the derived small-font size
};

struct FontSizeTable {
    const WCHAR* choices[5];
    int count;
    FontSizeChoice applied[5];
    // The three named screen classes show other sizes at choice 1 and set the small font too.
    bool otherSizesToOne;
};

const FontSizeTable& CurrentFontSizeTable();
// The choice that shows a font size; a size not in the table gives 1, or `previous` on other screens.
LONG FontSizeIndexOf(const FontSizeTable& table, LONG fontSize, LONG previous);
void ApplyFontSizeChoice(const FontSizeTable& table, LONG choice);
// Theme word 1 from theme word 0.
COLORREF SelectionFrameColor(COLORREF selection);
