// The note editor's caret and mark as the program's text fields read and move them.
#pragma once

#include <string>

#include "platform/types.h"

// What the note editor keeps about its caret and its mark.
struct NoteEditorCaret {
    LONG caretAtEnd = 0;  // 0: the caret goes to the start of the text on focus
    LONG markMode = 0;
    LONG markPos = 0;     // a character index
};
extern NoteEditorCaret g_NoteCaret;

// The character index at the edit control's caret.
LONG EditCharAtCaret(HWND edit);
void EditCaretToEnd(HWND edit);
void EditCaretToStart(HWND edit);

// ---- The text editor in field mode, as the field list opens it on a long-text row ----
// True when it ended with OK; the edited text is then in `text`.
bool EditTextFieldDlg(HWND parent, std::u16string& text, LONG caretAtEnd);
