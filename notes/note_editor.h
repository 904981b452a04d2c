// The text note editor: one full-screen edit that changes the open note file (note mode) or a long
// text value of the options (field mode), and the caret routines the program's text fields use.
#pragma once

#include <string>

#include "platform/types.h"
#include "ui/edit_caret.h"

inline constexpr LONG kNoFindPos = -1;

// The editor's state for the run; the caret and mark are in g_NoteCaret.
struct NoteEditorState {
    LONG noteMode = 0;
    std::u16string fieldText;
    std::u16string searchText;     // kept for the run
    LONG findPos = kNoFindPos;     // start of the last match
    std::u16string insertedFile;
};
extern NoteEditorState g_NoteEdit;

// Edits the open note file; the dialog's result.
INT_PTR ShowNoteEditDlg();
// Edits text; true on OK, the edited text then in `text`.
bool EditTextFieldDlg(HWND parent, std::u16string& text, LONG caretAtEnd);
INT_PTR CALLBACK NoteEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The note's file title: the part after the last backslash, "<None>" for no path.
std::u16string GetNoteTitle(const std::u16string& path);
// The time with the 24-hour setting, a blank and the short date, of now.
std::u16string BuildDateTimeStamp();
// Searches the edit's text for the search text from after the last match; false when none.
bool FindNoteTextNext(HWND dialog);
