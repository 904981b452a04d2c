#include "ui/pick_result.h"

std::u16string g_ChosenText;
LONG g_PickIndex = 0;
