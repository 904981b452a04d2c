// "Insert Contact" in the editors' text fields: a contact's text picked and put at the caret.
#pragma once

#include <string>

#include "platform/types.h"

// 1 when the contact chooser and the contact text dialog left a text in `text`.
int PickInsertText(HWND window, std::u16string& text);
void InsertPickedText(HWND dialog);
