// The task and contact lists as the main window's commands and menus reach them: the contacts
// view's modes and dialogs and whether the selected rows are item rows.
#pragma once

#include <string>

#include "core/phone_lib.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/task_view.h"
#include "platform/types.h"

// Refills the contacts view for a contacts-view command (32814-32822, 32830-32835).
void ReFillCtsView(UINT command);
// Runs the filter dialog of the view on screen and applies it after OK.
void ShowCatFilterDlg();
// What the filter dialog's OK applies: the new state of the check box and one mark per category
// in table order (rows beyond the table are ignored).
void ApplyCatFilter(bool filterOn, const RecordArray<DWORD>& marks);
void ShowCallHistoryDlg(HWND window);
// After asking over the list, deletes every completed task from the PIM store and reloads the
// tasks; the number deleted.
int DeleteCompletedTsks(HWND taskList);
void CopyCurrentCts();
// Whether the selected row of the task outline list, or of the contacts list (the icon grid with
// "CTSICON"), is an item row and not a group header.
bool TskSelRowIsItem();
bool CtsSelRowIsItem();

