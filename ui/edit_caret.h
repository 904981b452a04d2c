// The caret of the program's text fields: where it is, and where it goes on focus.
#pragma once

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
