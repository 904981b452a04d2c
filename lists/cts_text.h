// The "Contact Text" dialog: which text of the chosen contact an editor inserts.
#pragma once

#include <string>

#include "platform/types.h"

// The text the dialog left; empty when nothing was chosen.
extern std::u16string g_CtsPickedText;

INT_PTR CtsTextDlg(HWND parent);
