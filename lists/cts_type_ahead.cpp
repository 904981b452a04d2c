// The letter type-ahead and keypad search state of the contacts view.
#include "lists/cts_type_ahead.h"

CtsTypeAheadState g_CtsTypeAhead;
KeypadKeys g_KeypadKeys;

void ClearCtsTypeAhead() { g_CtsTypeAhead = CtsTypeAheadState(); }

void ClearKeypadKeys() {
    for (WCHAR& key : g_KeypadKeys.keys) key = static_cast<WCHAR>(-1);
    g_KeypadKeys.last = -1;
}

std::u16string CtsTypeAheadText() {
    if (!g_CtsTypeAhead.text.empty()) return g_CtsTypeAhead.text;
    return g_CtsTypeAhead.letter ? std::u16string(1, g_CtsTypeAhead.letter) : std::u16string();
}
