// The contacts view's letter type-ahead: the letter the tabs and letter keys chose and the text
// typed so far.
#pragma once

#include <string>

#include "platform/types.h"

struct CtsTypeAheadState {
    WCHAR letter = 0;  // 0 none
    std::u16string text;
};

extern CtsTypeAheadState g_CtsTypeAhead;

void ClearCtsTypeAhead();
// The typed text, else the single letter, else empty.
std::u16string CtsTypeAheadText();
