// The task and contact lists as the main window's commands and menus reach them: the selected
// task or contact, the contacts view's modes and dialogs, and the contacts type-ahead state.
#pragma once

#include <string>

#include "core/tsk_record.h"
#include "platform/types.h"

// The selected task (contact) becomes the current item; with showMessage set and none selected the
// user is told. True when one is selected.
bool CheckTskSelected(int showMessage);
bool CheckCtsSelected(int showMessage);
// Refills the contacts view for a contacts-view command (32814-32822, 32830-32835).
void ReFillCtsView(UINT command);
void ShowCatFilterDlg();
// 0 the contacts sort, 1 the task sort.
void SortDlg(int tasks);
void ShowCallHistoryDlg(HWND window);
void DeleteCompletedTsks(HWND taskList);
void CopyCurrentCts();
// Whether the selected row of the task outline list, or of the contacts list (the icon grid with
// "CTSICON"), is an item row and not a group header.
bool TskSelRowIsItem();
bool CtsSelRowIsItem();
bool TskPassCatFilter(const TskRecord& task, int filter);
// Dials through the phone library; 0 when it is missing or the call fails.
int DialNumber(const std::u16string& number);

// What has been typed in the contacts view to jump by name.
struct CtsTypeAhead {
    WCHAR firstLetter = 0;  // 0 none
    LONG several = 0;       // more than one letter typed
    std::u16string letters;
};
extern CtsTypeAhead g_CtsTypeAhead;
