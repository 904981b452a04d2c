// Text templates: the user's phrases for subjects and notes ("Call ", "Lunch with "...) and the
// location phrases ("Home", "Office"), kept sorted and stored in "textinfo.dat" and "loctext.dat"
// in the program folder, with their defaults on the first run.
#pragma once

#include <string>

#include "core/record_array.h"
#include "platform/types.h"

inline constexpr const WCHAR* kUserTextFile = u"textinfo.dat";
inline constexpr const WCHAR* kLocTextFile = u"loctext.dat";

using TextList = RecordArray<std::u16string>;

extern TextList g_UserTextList;
extern TextList g_LocTextList;

void LoadTextTemplates();
void LoadUserTexts();
void LoadLocTexts();
// While the first-run flag is on: switches it off, saves the settings, and when the file does not
// exist writes the defaults into the list and the file. Returns 1 when the defaults were written.
int InitUserTexts();
int InitLocTexts();
// A file that cannot be created is skipped silently.
void SaveUserTexts();
void SaveLocTexts();
// Before the first entry that sorts after the text (ignoring case); equal texts go after the
// existing one. Returns the position.
int InsertTextSorted(TextList& list, const std::u16string& text);
