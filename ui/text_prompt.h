// The text prompt: one dialog that asks the user for a line of text. The caller sets the shared
// text before the call and reads it after an accepted answer.
#pragma once

#include <string>

#include "platform/types.h"
#include "ui/dialog_conventions.h"

inline constexpr INT_PTR kPromptAccepted = kDlgAccept;
inline constexpr INT_PTR kPromptCancelled = kDlgCancel;

// Input modes of the edit.
enum PromptMode : LONG {
    kPromptPlain = 0,
    kPromptPassword = 17,
    kPromptDigits = 18,     // digits only, letter keys give the digits they carry
    kPromptKeypad = 19,     // letter keys give the digits they carry
    kPromptAutoCaps = 20,
};

// The vertical offset subtracted from the controls' screen tops; larger on VGA screens.
inline constexpr LONG kPromptOffsetDefault = 18;
inline constexpr LONG kPromptOffsetVga = 50;

struct PromptState {
    std::u16string caption;
    std::u16string prompt;
    LONG mode = kPromptPlain;
    LONG passwordDefault = 0;  // the entry points without a mode use kPromptPassword
    LONG layoutTaken = 0;      // the tops below hold the template's placing
    LONG staticTop = 0;
    LONG editTop = 0;
    LONG vertOffset = kPromptOffsetDefault;
    HBRUSH bkBrush = nullptr;
};
extern PromptState g_Prompt;

// The initial text before the prompt opens; the typed text after kPromptAccepted.
extern std::u16string g_PromptText;

// Caption and prompt from the string table.
INT_PTR PromptTextById(HWND parent, UINT captionId, UINT promptId);
INT_PTR PromptText(HWND parent, const std::u16string& caption, const std::u16string& prompt);
INT_PTR PromptTextOpt(HWND parent, const std::u16string& caption, const std::u16string& prompt, LONG mode);

INT_PTR CALLBACK PromptTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
