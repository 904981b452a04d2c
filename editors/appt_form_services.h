// What the list-style appointment editor takes of the appointment form's parts: the new-item values,
// templates, attendees, the custom reminder times and the views after an edit.
#pragma once

#include "platform/types.h"

// Puts the values of a new appointment into ApptEditorState.
void InitNewApptEditorState(HWND dialog);
// Overwrites ApptEditorState from the chosen appointment template while from-template is set.
void FillApptEditorFromTemplate(HWND dialog);
// 0 when the editor is to be left without saving the appointment.
int SaveApptEditorAsTemplate(HWND dialog);
void AttendeesDlg(HWND owner);
// The list-style custom reminder dialog 7309 over the custom reminder.
INT_PTR ReminderTimesDlg(HWND owner);
// The agenda and the Day and Dates lists after an appointment was edited.
void AfterApptEdited();
