// The text prompt: one dialog that asks the user for a line of text. The caller sets the shared
// text before the call and reads it after an accepted answer.
#pragma once

#include <string>

#include "platform/types.h"

// Dialog results shared by the program's dialogs.
inline constexpr INT_PTR kPromptAccepted = 20071;
inline constexpr INT_PTR kPromptCancelled = 20072;

// The initial text before the prompt opens; the typed text after kPromptAccepted.
extern std::u16string g_PromptText;

// Caption and prompt from the string table.
INT_PTR PromptTextById(HWND parent, UINT captionId, UINT promptId);
INT_PTR PromptText(HWND parent, const std::u16string& caption, const std::u16string& prompt);

namespace testing_prompt {
// Until the dialog exists, tests give the answer it would return: the result and the typed text.
void SetNextAnswer(INT_PTR result, const std::u16string& text);
}  // namespace testing_prompt

// ---- Password mode of the text prompt: set by the caller for one call; the prompt's edit then
// shows "*" for each typed character.
extern bool g_PromptPasswordMode;
