// The list-style appointment editor (template 7307): the appointment as one field list of rows bound
// to ApptEditorState, its load from and save to POOM, and its entry points.
#pragma once

#include "core/date_rec.h"
#include "core/poom_session.h"
#include "core/val_snap.h"
#include "platform/poom.h"
#include "platform/types.h"

struct ApptRecord;

ValSnapArray& ApptEditRows();

void NewApptInListEditor();
void EditApptInListEditor();
void NewApptFromTemplateInListEditor();
INT_PTR CALLBACK ApptListEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitApptListEditor(HWND dialog);
void BuildApptEditRows(HWND dialog);
void ApplyTemplateInApptList(HWND dialog);
void ApptListCustomReminder(HWND dialog);
// Every changed row written into its variable.
void CommitApptSnaps();
// The duration the end follows when the start moves, from a start and an end on one day.
void KeepEditorDuration(const DateRec& start, const DateRec& end);
// A template record of the editor's values (the changed rows written back first).
void BuildApptRecFromEditor(ApptRecord& record);

void EditApptByOid(HWND dialog);
void LoadApptForEdit(HWND dialog, IAppointment* appt, LONG oid);
// The start and end fields merged with their times; true for an all-day item or a start before the end.
bool ApptEditorDatesValid();
int SaveApptListEditor(HWND dialog);
int SaveApptEditorPOOM(HWND dialog, PoomPtr<IAppointment> appt, LONG& oid);
