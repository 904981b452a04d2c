// Stand-ins for the notes until they are built: nothing is handed over.
#include "notes/active_file.h"
#include "notes/notes_view.h"

void SaveActiveFile(const std::u16string&) {}

void LoadActiveFile(std::u16string& path) { path.clear(); }

void ShowNotesView() {}
void MeasureNotesListRow(MEASUREITEMSTRUCT&) {}

// The notes commands of the main window's menus.
#include "notes/note_commands.h"
void NewNoteFile(int, int) {}
void OpenSelNoteFile() {}
void DeleteNoteFile() {}
void RenameNoteFile() {}
void NewNotesFolder() {}
void MailNoteFile() {}
int NotesSelRowImage() { return -1; }
