// The list pickers of the item editors as other subsystems call them: the text-template picker
// for the focused field, and the picker over a list of strings.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "platform/types.h"

// The text-template picker over the shared picker list; nonzero when an entry was chosen (and then
// inserted into the focused field).
INT_PTR SelectTextDlg(HWND owner, int mode);
// Shows the strings with the prompt; true when one was chosen, its index then in g_StrListPickResult.
bool StrListPickDlg(HWND parent, const StrArray& strings, const std::u16string& prompt);
extern int g_StrListPickResult;
