// The pick dialog 134: inserts a user or location text at the caret of the focused text field, and
// serves as the one-column chooser of project paths, of a field row's choices and of any strings.
#pragma once

#include <string>

#include "core/record_array.h"
#include "core/val_snap.h"
#include "platform/types.h"
#include "ui/pick_result.h"

enum class PickMode { UserTexts, LocTexts, Projects, ListPick };

// Mode 0: "Insert Text" into the focused field of the owner (a field that takes no text is refused
// with a message); returns 1. Any other mode: the project paths; true when one was chosen.
int SelectTextDlg(HWND owner, int mode);
// A field row's choices; on OK the chosen index becomes the row's.
int TextListPickDlg(HWND owner, ValSnap& row);
// Any strings with a caption; row 0 preselected. The choice in g_PickIndex and g_ChosenText.
int StrListPickDlg(HWND owner, const RecordArray<std::u16string>& strings, const std::u16string& caption);
INT_PTR CALLBACK SelectTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The text carried into the subject dialog 7303 and the edited text out of it.
extern std::u16string g_TextInOut;
// The subject dialog over g_TextInOut: fieldKind 8 offers the location texts, any other the user
// texts; "No Subject" starts as an empty line. 1 on OK.
int SubjectTextDlg(HWND owner, int fieldKind);
INT_PTR CALLBACK SubjectTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
