// The notes view's own state beside the shared settings: the list, its fill counters and the
// image kinds that tell a row's meaning wherever a row is read back.
#pragma once

#include "platform/types.h"

// Image indexes of the notes list; they are how a row's kind is read back.
enum NotesRowImage : int {
    kNotesImageFolder = 1,
    kNotesImageUp = 2,
    kNotesImageFile = 4,
};
inline constexpr LPARAM kNotesUpValue = -1;
inline constexpr const WCHAR* kNotesUpText = u"Up";

// The folder shown comes from g_Settings.curNoteDir, the open note path from g_Frame.noteFilePath
// and the pending open from g_CmdLine.txtFile.
struct NotesState {
    LONG listCreated = 0;
    LONG rowCount = 0;     // rows inserted during a fill
    LONG folderCount = 0;  // folder rows among them
};
extern NotesState g_Notes;
