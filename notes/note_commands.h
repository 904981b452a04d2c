// The notes view's commands on the current folder: a new note or folder, and renaming, deleting
// and mailing the selected note.
#pragma once

#include <string>

#include "platform/types.h"

enum class NoteKind : int { kText = 0, kInk = 1 };
enum class AskTemplate : int { kNo = 0, kYes = 1 };

void NewNoteFile(NoteKind kind, AskTemplate askTemplate);
void NewNotesFolder();
void RenameNoteFile();
void DeleteNoteFile();
void MailNoteFile();

// The parameters the mail program gets for a note.
std::u16string MailNoteParameters(const std::u16string& path);
