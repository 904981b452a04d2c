// The item editors as the main window's commands open them: new, edit, delete and copy of the
// current appointment, task or contact, templates and the schedule clean-up.
#pragma once

#include "platform/types.h"

inline constexpr const WCHAR* kItemNotDeletedText = u"The item could not be deleted; it is kept as it was.";

// fromNewTask: 0 from "New" and the command line, 1 from "New Task".
void NewTskFormDlg(int fromNewTask);
void NewApptDlg();
void EditTskFormDlg();
void EditSelApptDlg();
void EditContactCmd();
void NewContactCmd();
// They read the delete origin of the frame's state.
void DeleteTskCmd();
void DeleteCtsCmd();
void DeleteCurrentAppt();
void CopyTskCmd();
void CopyCurrentAppt();
void ApptCleanupDlg();
void NewApptFromTemplateDlg();
// inOtherView: 0 in the tasks view, else 1.
void NewTskFromTemplateDlg(int inOtherView);
