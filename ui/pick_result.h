// What the last pick dialog chose: the project tree reads it after asking the editors' pickers.
#pragma once

#include <string>

#include "platform/types.h"

// The row picked by the last pick dialog (empty when none), and the index in list-pick mode.
extern std::u16string g_ChosenText;
extern LONG g_PickIndex;
