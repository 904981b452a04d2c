// The list-style task editor (template 7300): the task as one field list of rows bound to
// TskEditorState, its load from and save to POOM, and its start-up and templates.
#pragma once

#include <string>

#include "core/date_rec.h"
#include "core/poom_session.h"
#include "core/val_snap.h"
#include "platform/poom.h"
#include "platform/types.h"

struct TskEditorState {
    LONG occurs = 0;
    LONG completed = 0;
    LONG priority = 1;     // POOM's importance: 0 low, 1 normal, 2 high
    LONG abcLetter = 0;    // 0 none, 1..26 A..Z
    LONG number = 0;       // 0..99
    LONG sensitivity = 0;  // POOM's sensitivity, 0..3
    std::u16string subject;  // without the priority prefix
    std::u16string notes;
    DateRec reminderTime;  // year 4501: none
    DateRec reminderDate;  // year 4501: no reminder
    DateRec dueDate;
    DateRec startDate;
    std::u16string categories;  // non-project names, each followed by ","
    LONG icon = -1;
};

extern TskEditorState g_TskEditor;
ValSnapArray& TskEditRows();

INT_PTR CALLBACK TskListEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void BuildTskEditRows(HWND dialog);
// Every changed row written into its variable.
void CommitTskSnaps();
int SaveTskListEditor(HWND dialog);

void LoadCurTskForEdit(HWND dialog);
void LoadTskForEdit(HWND dialog, ITask* task);
int SaveTskEditor(HWND dialog);
int SaveTskEditor2(HWND dialog);
int SaveTskPOOM(HWND dialog, PoomPtr<ITask> task, LONG& oid);

void ResetTskEditorState(HWND dialog);
void FillTskEditorFromTemplate(HWND dialog);
void ApplyTskTemplateCmd(HWND dialog);
void InitTskListEditor(HWND dialog);

// The LISTEDIT entry points; preset is the task argument (due date on the selected day).
void NewTskListDlg(int preset);
void EditTskListDlg();
void NewTskListFromTemplateDlg(int preset);
