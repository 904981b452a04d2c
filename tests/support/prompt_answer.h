// Answers the program's text prompt from a test: the prompt that opens next gets the text typed and
// ends with the soft key `result` sends. The program's resources must be registered.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"

namespace testsupport {

inline void AnswerPrompt(INT_PTR result, const std::u16string& text) {
    platform::testing::ActInsideDialog([result, text](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_PROMPT_EDIT, text.c_str());
        SendMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(result), 0);
    });
}

}  // namespace testsupport
