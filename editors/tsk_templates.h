// Task templates from the task editors: "Save As Template" turns what is on screen into a task
// template, with the same reminder checks as a save.
#pragma once

#include "core/tsk_record.h"
#include "platform/types.h"

// 0 when the editor is to be left without saving the task (the caller ends it with Cancel), else 1.
int SaveTskDlgAsTemplate(HWND dialog);
int SaveTskEditorAsTemplate(HWND dialog);
// 1, or 0 after a reminder message.
int ReadTskDlgToRecord(HWND dialog, TskRecord& record);
int ReadTskEditorToRecord(HWND dialog, TskRecord& record);
