// The letter type-ahead state of the contacts view.
#include "lists/cts_type_ahead.h"

CtsTypeAheadState g_CtsTypeAhead;

void ClearCtsTypeAhead() {
    g_CtsTypeAhead.letter = 0;
    g_CtsTypeAhead.text.clear();
}

std::u16string CtsTypeAheadText() {
    if (!g_CtsTypeAhead.text.empty()) return g_CtsTypeAhead.text;
    return g_CtsTypeAhead.letter ? std::u16string(1, g_CtsTypeAhead.letter) : std::u16string();
}
