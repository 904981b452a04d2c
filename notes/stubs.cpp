// Stand-ins for the notes until they are built: nothing is handed over.
#include "notes/active_file.h"
#include "notes/notes_view.h"

void SaveActiveFile(const std::u16string&) {}

void LoadActiveFile(std::u16string& path) { path.clear(); }

void ShowNotesView() {}
void MeasureNotesListRow(MEASUREITEMSTRUCT&) {}

// The caret routines until the note editor is built: the caret is the selection's start.
#include "notes/note_editor.h"
#include "platform/controls.h"
#include "platform/user.h"

NoteEditorCaret g_NoteCaret;

LONG EditCharAtCaret(HWND edit) {
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<LONG>(start);
}
void EditCaretToEnd(HWND edit) { SendMessageW(edit, EM_SETSEL, GetWindowTextLengthW(edit), GetWindowTextLengthW(edit)); }
void EditCaretToStart(HWND edit) { SendMessageW(edit, EM_SETSEL, 0, 0); }

// The notes commands of the main window's menus.
#include "notes/note_commands.h"
void NewNoteFile(int, int) {}
void OpenSelNoteFile() {}
void DeleteNoteFile() {}
void RenameNoteFile() {}
void NewNotesFolder() {}
void MailNoteFile() {}
int NotesSelRowImage() { return -1; }

// The notes list's Enter, until the notes list is built.
void OpenSelNotesRow() {}

// The text editor in field mode until it is built: nothing is edited.
#include "notes/note_editor.h"
bool EditTextFieldDlg(HWND, std::u16string&, LONG) { return false; }
