// The small tests on one contact that the contacts view, its keypad search and its filters use:
// phone-key letters, the company-only test, categories, free-text search and the category colour.
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/cts_record.h"
#include "platform/types.h"

// The letters of the phone keys '2' to '9'; every other key has none.
std::u16string_view KeypadLetters(WCHAR key);
// Whether the letter ('a' to 'z' folded to capitals) lies on the key.
bool KeyMatchesLetter(WCHAR letter, WCHAR key);
// keys[0] to keys[last] against the name's first last+1 characters.
bool NameMatchesKeys(const WCHAR* keys, int last, std::u16string_view name);
bool CtsMatchesKeys(const CtsRecord& record, const WCHAR* keys, int last, bool withFirst, bool withCompany);
// The next letter of the key after one of its letters but the last; else the key's first letter.
// Keys without letters leave it as it is.
void CycleKeypadLetter(WCHAR key, WCHAR& letter);

bool CtsIsCompanyOnly(const CtsRecord& record);
bool CtsHasCat(const CtsRecord& record, std::u16string_view name);
// The text, lower-cased, occurs in "first last", the file-as name or the default field text.
bool CtsMatchesText(const CtsRecord& record, std::u16string_view text);
std::u16string JoinWithCommas(const StrArray& strings);
// Appends each non-empty trimmed comma-separated part of the text to the categories.
void SetCtsCatsFromText(CtsRecord& record, std::u16string_view text);
// The colour of the contact's first category, else the theme's primary text colour.
COLORREF GetCtsCatColor(const CtsRecord& record);
