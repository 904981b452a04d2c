// The notes view's commands as the main window's menus reach them.
#pragma once

void NewNoteFile(int a, int b);
void OpenSelNoteFile();
void DeleteNoteFile();
void RenameNoteFile();
void NewNotesFolder();
void MailNoteFile();
// The image index of the notes list's selected row, -1 when no row is selected; 4 is a note file.
int NotesSelRowImage();
