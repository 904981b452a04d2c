// The appointment form: the program's own modal editor of one appointment in one of three layouts,
// its entry points, loading an item into it, saving it, and filling it from or saving it as a
// template. Everything its sub-dialogs share lives in program-wide state, one form being open at a time.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "editors/item_commands.h"
#include "platform/types.h"

// Controls of the three templates (the same ids in each).
inline constexpr int kApptSubjectId = 1002;
inline constexpr int kApptLocationId = 1009;
inline constexpr int kApptStartDateId = 1012;
inline constexpr int kApptStartTimeId = 1015;
inline constexpr int kApptEndDateId = 1017;
inline constexpr int kApptEndTimeId = 1018;
inline constexpr int kApptAllDayId = 1019;
inline constexpr int kApptPrivateId = 1020;
inline constexpr int kApptNotesId = 1023;
inline constexpr int kApptStatusId = 1025;
inline constexpr int kApptNewCatId = 1039;
inline constexpr int kApptOccursLabelId = 1138;
inline constexpr int kApptOccursSpinId = 1130;
inline constexpr int kApptOccursPictureId = 603;  // IDC_APPT_RECUR_PICTURE
// Texts are read through buffers of these many characters, terminator included.
inline constexpr int kApptTextChars = 4096;
inline constexpr int kApptNotesChars = 10000;

// The field pictures of the template in the screen's size (the templates name the small ones).
void SetApptFieldPictures(HWND dialog);

// The chosen template is g_TemplateChoice of the template dialog.
struct ApptEditFlags {
    LONG occurrenceOnly = 0;
    LONG isRecurring = 0;
    LONG firstAllDayDone = 0;
    LONG attendeesChanged = 0;
    LONG fromTemplate = 0;
    LONG iconPicked = 0;
    LONG pickedIcon = -1;
    LONG landscapeAtOpen = 0;
    DateRec savedStart;  // the start date picker's value when it gained the focus
};
extern ApptEditFlags g_ApptEditFlags;

// The end follows the start by this many hours and minutes while keep is set; shared with the
// list-style editor.
struct KeptDuration {
    LONG keep = 1;
    LONG hours = 1;
    LONG minutes = 0;
};
extern KeptDuration g_KeptDuration;

// The project categories of the item being edited, each followed by ",", written first on save.
extern std::u16string g_EditorPrjCats;

// The entry points (commands 20003, 20006 and 40079) are declared with the other commands; the
// result of the form they ran last (20071 saved, 20072 cancelled, -1 not shown) is kept here.
extern INT_PTR g_ApptFormResult;
void AfterApptEdited();
// True when no appointment is selected: the form's item is new.
bool SelItemNotKind2();
// 124, or on a landscape QVGA-class screen 7278 / 7249 by "COMPRESSDLG".
UINT ApptFormTemplateId();
INT_PTR CALLBACK ApptEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Loading and the pickers' rules while the form is open.
void InitApptEditDlg(HWND dialog);
void OnAllDayToggle(HWND dialog);
bool ReadApptDates(HWND dialog);
// The rule of both appointment editors: a timed item ends after its start, an all-day item on its
// start day or later.
bool ApptDatesInOrder(const DateRec& start, const DateRec& end, bool allDay);
void OnApptPickerChange(HWND dialog);
void OnStartDateKillFocus(HWND dialog);
void OnStartOrEndDateKillFocus(HWND dialog);
void OnEndTimeKillFocus(HWND dialog);
// Records the duration from the times of day when the start is not after the end.
void KeepApptDuration(const DateRec& start, const DateRec& end);
// A new item's start and end: the date by view, the start hour rule, the end APPTLENGTH later.
void DefaultApptTimes(DateRec& start, DateRec& end);

// Done: nonzero when the item was written.
int SaveApptDlg(HWND dialog);

// Templates: fill the form from the chosen one; save the form as one (0: leave the form).
void FillApptDlgFromTemplate(HWND dialog);
int SaveApptAsTemplate(HWND dialog);
