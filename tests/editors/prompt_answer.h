// Answers the program's text prompt the next time it waits for input: the text typed and Done,
// or Cancel.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"

inline void AnswerPrompt(const std::u16string& text) {
    platform::testing::ActInsideDialog([text](HWND prompt) {
        SetDlgItemTextW(prompt, IDC_PROMPT_EDIT, text.c_str());
        SendMessageW(prompt, WM_COMMAND, IDM_DLG_DONE, 0);
    });
}

inline void CancelPrompt() {
    platform::testing::ActInsideDialog([](HWND prompt) { SendMessageW(prompt, WM_COMMAND, IDM_DLG_CANCEL, 0); });
}
