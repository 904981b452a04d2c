// The notes view's commands on the current folder as the main window's menus reach them: a new
// note or folder, and opening, renaming, deleting and mailing the selected note.
#pragma once

#include <string>

#include "platform/types.h"

// text: 1 a text note, 0 an ink note; askTemplate: 1 lets an ink note start from a template.
void NewNoteFile(int text, int askTemplate);
void OpenSelNoteFile();
void DeleteNoteFile();
void RenameNoteFile();
void NewNotesFolder();
void MailNoteFile();
// The image index of the notes list's selected row, -1 when no row is selected; 4 is a note file.
int NotesSelRowImage();

// The parameters the mail program gets for a note.
std::u16string MailNoteParameters(const std::u16string& path);
