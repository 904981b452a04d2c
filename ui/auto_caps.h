// Automatic capitals in the program's text fields by the "AUTOCAPS" setting, and the insertion of a
// contact's text at the caret.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

// "AUTOCAPS": a capital at every word start, at every sentence start, or none (any other value).
inline constexpr LONG kAutoCapsEveryWord = 0;
inline constexpr LONG kAutoCapsFirstWord = 1;

// Sent to the parent dialog when Enter or the Action key reaches an AutoCapsEditProc2 field.
inline constexpr UINT kMsgFieldEnter = 0x0400 + 43;

// Position -1 in IsAtSentenceStart stands for the last character.
int IsAtWordStart(std::u16string_view text, LONG position);
int IsAtSentenceStart(std::u16string_view text, LONG position);
int CaretAtWordStart(HWND edit);
int CaretAtSentenceStart(HWND edit);

// The character to pass on for a typed one: the case inverted at a capital position.
WPARAM AutoCapsChar(HWND edit, WPARAM ch);

LRESULT CALLBACK AutoCapsEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AutoCapsEditProc2(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void InsertTextAtCaret(HWND edit, std::u16string_view text);
