// Reminders of appointments: the twelve fixed reminder times shared by the form, the list-style
// editor and templates, the custom span of days, hours and minutes, and their translation to and
// from POOM's minutes before the start.
#pragma once

#include <span>
#include <string>

#include "core/val_snap.h"
#include "editors/number_rows.h"
#include "platform/poom.h"
#include "platform/types.h"

inline constexpr int kReminderChoiceCount = 12;
inline constexpr int kReminderListId = 1022;
inline constexpr int kPrivateBoxId = 1020;
inline constexpr LONG kReminderOff = 0;

struct CustomReminderState {
    LONG useCustom = 0;
    LONG days = 0;
    LONG hours = 0;
    LONG minutes = 0;
};

extern CustomReminderState g_CustomReminder;

// The minutes of a choice (0 for "off" and for an index outside the table).
LONG ReminderChoiceMinutes(int choice);
// The choice of a number of minutes, 0 for none, -1 when no choice has them.
int ReminderChoiceOf(LONG minutes);
// Minutes before the start of the custom span; 0 means no reminder.
LONG CustomReminderMinutes(const CustomReminderState& state);
// An unlisted reminder as a custom span (use-custom on).
void SetCustomReminderFromMinutes(CustomReminderState& state, LONG minutes);
// The label of a choice in the form (landscape: the long "off" text) or in the list-style row.
enum class ReminderLabels { Form, ListRow };
std::u16string ReminderChoiceLabel(int choice, ReminderLabels labels, bool landscape);
// The one row the form shows for a custom span: the long text in landscape, the short one else.
std::u16string CustomReminderLabel(const CustomReminderState& state, bool landscape);

// The form's list 1022: the twelve choices, the DEFREM row selected (none when DEFREM is unlisted).
void FillReminderCombo(HWND dialog);
// The row's choices become the twelve list-row labels.
void FillReminderRowChoices(ValSnap& row);
void AddStrToList(ValSnap& row, const std::u16string& text);

// Updates list 1022 after the dialog: wasCustom is use-custom before it opened.
void UpdateReminderListAfterCustom(HWND dialog, LONG wasCustom);

// The rows of the list-style custom reminder dialog 7309, bound to g_CustomReminder.
ValSnapArray& ReminderSnaps();
void BuildReminderSnaps();
// The three number rows (days, hours, minutes) with their ranges.
std::span<const NumberRowRange> ReminderNumberRanges();
// A span not in use opens as 0 days, 0 hours, 0 minutes in either custom reminder dialog.
void ZeroUnusedCustomReminder();
// The dialog's opening step: a clear use-custom zeroes the span, then the rows are built.
void InitReminderSnaps();

// Saving: the custom span in use decides first (0 minutes: off); else choice 0 is off and 1..11 set
// their minutes; no choice (-1, an unlisted DEFREM) writes no reminder property at all.
void PutApptReminder(IAppointment* appt, int listChoice);
// Loading: the list choice of the item's reminder (0 when off or 0 minutes), use-custom cleared; an
// unlisted number of minutes turns use-custom on with its span and gives -1 (the custom row).
int GetApptReminderChoice(IAppointment* appt);
