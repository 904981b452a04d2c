// Filling the notes list from one folder of the device: folders first, then the note files, each
// group in ascending name order, and the "Up" row below the root.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

// True for the listed note extensions, in any letter case: .pwi .txt .xml .log .htm .html.
bool IsNoteFileName(std::u16string_view name);
// The root of the device is "\" or the empty folder.
bool IsNotesRoot(std::u16string_view folder);
std::u16string NotesSearchPattern(std::u16string_view folder);
// The folder cut before its last backslash; empty without one.
std::u16string ParentNotesFolder(std::u16string_view folder);
// folder + "\" + name.
std::u16string NotesChildPath(std::u16string_view folder, std::u16string_view name);

// Inserts a folder or file row at its sorted place and counts it.
void InsertNotesFolderRow(HWND list, const std::u16string& name);
void InsertNotesFileRow(HWND list, const std::u16string& name);
void FillNotesList(HWND list, const std::u16string& folder);

// A row's text and image; false when there is no such row.
bool GetNotesRow(HWND list, int index, std::u16string& text, int& image);
