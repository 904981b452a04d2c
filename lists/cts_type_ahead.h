// The contacts view's searches by typing: the letter type-ahead (the letter the tabs and letter keys
// chose and the text typed so far) and the keypad search's key sequence, both restarting after a
// pause.
#pragma once

#include <string>

#include "platform/types.h"

struct CtsTypeAheadState {
    WCHAR letter = 0;  // 0 none
    std::u16string text;
    LONG extend = 0;      // the next letter is appended to the text
    DWORD lastTick = 0;   // the tick of the last key, 0 none
};

extern CtsTypeAheadState g_CtsTypeAhead;

inline constexpr int kKeypadKeyCount = 32;
struct KeypadKeys {
    WCHAR keys[kKeypadKeyCount] = {};  // digit values 0-9, or -1
    int last = -1;                     // the index of the last key, -1 when empty
};

extern KeypadKeys g_KeypadKeys;

// A key later than this after the previous one starts a new search.
inline constexpr DWORD kSearchPauseMs = 1750;

// Letter 0, text emptied, extend flag cleared, last-key tick 0.
void ClearCtsTypeAhead();
void ClearKeypadKeys();
// The typed text, else the single letter, else empty.
std::u16string CtsTypeAheadText();
