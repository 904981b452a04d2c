// The notes view: one folder of the device's file system in a list of folders and note files, and
// the commands that open, make, rename, delete and mail notes.
#pragma once

#include "platform/commctrl.h"

// Switches to the notes view; with the "/TXT:" switch it opens the handed-over note.
void ShowNotesView();
void MeasureNotesListRow(MEASUREITEMSTRUCT& measure);
HWND ShowNotesList(HWND parent);
bool InitNotesImageList(HWND list);
void RefreshNotesList();
void SetNotesTitle();
// The Enter key or a tap on a row: enters a folder, goes up, or opens the note.
void OpenSelNotesRow();
void OpenSelNoteFile();
// The ink editor for ".pwi" paths, the text editor for everything else.
void OpenNoteByExt();
// Drops the list and forgets the view's state, as when the main window closes.
void DestroyNotesList();
