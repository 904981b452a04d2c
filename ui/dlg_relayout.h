// Moving the controls of an open dialog to the places its portrait or landscape template gives
// them when the screen turns, and restoring what a move can disturb. Nothing is created.
#pragma once

#include <cstddef>

#include "platform/types.h"

// On version 5 and later: the dialog takes template `templateId`'s layout. Always 1.
int RelayoutDlgForOrientation(HWND dialog, UINT templateId);
// 1 when every control of the template was found and moved and fewer than two were unnamed.
int DlgTemplateRelayout(HMODULE module, HWND dialog, LPCWSTR templateName);
// The same walk over a template already in memory, `size` bytes long.
int RelayoutFromTemplate(HMODULE module, HWND dialog, const BYTE* base, std::size_t size);
// The position after one variable field (an ordinal, empty, or a text) starting at `at` in a
// template of `size` bytes; `size` + 1 when the field runs past the end.
std::size_t SkipDlgTemplateField(const BYTE* base, std::size_t size, std::size_t at);
// Puts back a control's text, picture or list selection after it was moved.
void ApplyDlgItemTemplate(HMODULE module, HWND dialog, HWND control, const BYTE* classField, const BYTE* titleField);
