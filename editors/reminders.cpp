// The reminder choices of the appointment editors and the custom reminder span.
#include "editors/reminders.h"

#include "core/app_settings.h"
#include "core/screen_class.h"
#include "editors/number_rows.h"
#include "editors/res_text.h"
#include "platform/controls.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"

CustomReminderState g_CustomReminder;

namespace {

constexpr int kReminderLabelChars = 64;
constexpr int kRowLabelChars = 128;
constexpr LONG kMinutesPerHour = 60;
constexpr LONG kHoursPerDay = 24;
constexpr LONG kMinutesPerDay = kMinutesPerHour * kHoursPerDay;

struct ReminderChoice {
    LONG minutes;
    UINT labelId;  // the "off" row's labels are chosen by screen and editor
};

constexpr ReminderChoice kReminderChoices[kReminderChoiceCount] = {
    {kReminderOff, 0},
    {1, IDS_REMIND_1_MINUTE},
    {5, IDS_REMIND_5_MINUTES},
    {10, IDS_REMIND_10_MINUTES},
    {15, IDS_REMIND_15_MINUTES},
    {30, IDS_REMIND_30_MINUTES},
    {60, IDS_REMIND_1_HOUR},
    {120, IDS_REMIND_2_HOURS},
    {300, IDS_REMIND_5_HOURS},
    {1440, IDS_REMIND_1_DAY},
    {2880, IDS_REMIND_2_DAYS},
    {10080, IDS_REMIND_1_WEEK},
};

// The list-style dialog's rows: heading, check box and three numbers.
enum ReminderRowKind : LONG { kRowCheck = 0, kRowChoice = 1, kRowCaption = 5 };

struct ReminderRow {
    UINT labelId;
    LONG kind;
    LONG CustomReminderState::*field;
};

constexpr ReminderRow kReminderRows[] = {
    {IDS_CUSTOM_REMINDER, kRowCaption, nullptr},
    {IDS_USE_CUSTOM_REMINDER, kRowCheck, &CustomReminderState::useCustom},
    {IDS_REMIND_DAYS, kRowChoice, &CustomReminderState::days},
    {IDS_REMIND_HOURS, kRowChoice, &CustomReminderState::hours},
    {IDS_REMIND_MINUTES, kRowChoice, &CustomReminderState::minutes},
};

ValSnapArray g_ReminderSnaps;

constexpr NumberRowRange kReminderRanges[] = {
    {&g_CustomReminder.days, 0, 60, 0},
    {&g_CustomReminder.hours, 0, 23, 0},
    {&g_CustomReminder.minutes, 0, 59, 0},
};

}  // namespace

LONG ReminderChoiceMinutes(int choice) {
    if (choice < 0 || choice >= kReminderChoiceCount) return kReminderOff;
    return kReminderChoices[choice].minutes;
}

int ReminderChoiceOf(LONG minutes) {
    for (int choice = 0; choice < kReminderChoiceCount; ++choice) {
        if (kReminderChoices[choice].minutes == minutes) return choice;
    }
    return -1;
}

LONG CustomReminderMinutes(const CustomReminderState& state) {
    return state.minutes + (state.hours + kHoursPerDay * state.days) * kMinutesPerHour;
}

void SetCustomReminderFromMinutes(CustomReminderState& state, LONG minutes) {
    state.useCustom = 1;
    state.days = minutes / kMinutesPerDay;
    state.hours = minutes % kMinutesPerDay / kMinutesPerHour;
    state.minutes = minutes % kMinutesPerHour;
}

std::u16string ReminderChoiceLabel(int choice, ReminderLabels labels, bool landscape) {
    if (choice < 0 || choice >= kReminderChoiceCount) return std::u16string();
    UINT id = kReminderChoices[choice].labelId;
    if (choice == 0) {
        id = landscape ? IDS_REMIND_NO_REMINDER : labels == ReminderLabels::Form ? IDS_REMIND_NO_REM : IDS_REMIND_NONE;
    }
    return LoadResStr(id, kReminderLabelChars);
}

std::u16string CustomReminderLabel(const CustomReminderState& state, bool landscape) {
    const std::u16string format = LoadResStr(landscape ? IDS_REMINDER_SPAN_FMT : IDS_REMINDER_SPAN_SHORT_FMT);
    return platform::FormatW(format.c_str(), static_cast<int>(state.days), static_cast<int>(state.hours),
                             static_cast<int>(state.minutes));
}

void FillReminderCombo(HWND dialog) {
    const HWND list = GetDlgItem(dialog, kReminderListId);
    const bool landscape = IsLandscapeScreen() != FALSE;
    for (int choice = 0; choice < kReminderChoiceCount; ++choice) {
        const std::u16string label = ReminderChoiceLabel(choice, ReminderLabels::Form, landscape);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    const int selected = ReminderChoiceOf(g_Settings.defRem);
    if (selected >= 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FillReminderRowChoices(ValSnap& row) {
    row.choices.RemoveAll();
    const bool landscape = IsLandscapeScreen() != FALSE;
    for (int choice = 0; choice < kReminderChoiceCount; ++choice) {
        AddStrToList(row, ReminderChoiceLabel(choice, ReminderLabels::ListRow, landscape));
    }
}

void AddStrToList(ValSnap& row, const std::u16string& text) { row.choices.Append(text); }

void UpdateReminderListAfterCustom(HWND dialog, LONG wasCustom) {
    const HWND list = GetDlgItem(dialog, kReminderListId);
    if (g_CustomReminder.useCustom != 0) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        const std::u16string label = CustomReminderLabel(g_CustomReminder, IsLandscapeScreen() != FALSE);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        EnableWindow(list, FALSE);
        SetFocus(GetDlgItem(dialog, kPrivateBoxId));
    } else if (wasCustom != 0) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        FillReminderCombo(dialog);
        EnableWindow(list, TRUE);
        SetFocus(list);
    } else {
        SetFocus(list);
    }
}

ValSnapArray& ReminderSnaps() { return g_ReminderSnaps; }

std::span<const NumberRowRange> ReminderNumberRanges() { return kReminderRanges; }

void BuildReminderSnaps() {
    g_ReminderSnaps.RemoveAll();
    for (const ReminderRow& entry : kReminderRows) {
        ValSnap row;
        void* live = entry.field ? &(g_CustomReminder.*entry.field) : nullptr;
        for (const NumberRowRange& range : kReminderRanges) {
            if (range.live == live) FillNumberRowChoices(row, range);
        }
        ValSnapSet(row, LoadResStr(entry.labelId, kRowLabelChars), entry.kind, live, nullptr);
        g_ReminderSnaps.Append(std::move(row));
    }
}

void ZeroUnusedCustomReminder() {
    if (g_CustomReminder.useCustom != 0) return;
    g_CustomReminder.days = 0;
    g_CustomReminder.hours = 0;
    g_CustomReminder.minutes = 0;
}

void InitReminderSnaps() {
    ZeroUnusedCustomReminder();
    BuildReminderSnaps();
}

void PutApptReminder(IAppointment* appt, int listChoice) {
    if (!appt) return;
    if (g_CustomReminder.useCustom != 0) {
        const LONG minutes = CustomReminderMinutes(g_CustomReminder);
        appt->put_ReminderSet(minutes != 0 ? VARIANT_TRUE : VARIANT_FALSE);
        if (minutes != 0) appt->put_ReminderMinutesBeforeStart(minutes);
        return;
    }
    if (listChoice < 0 || listChoice >= kReminderChoiceCount) return;
    if (listChoice == 0) {
        appt->put_ReminderSet(VARIANT_FALSE);
        return;
    }
    appt->put_ReminderSet(VARIANT_TRUE);
    appt->put_ReminderMinutesBeforeStart(ReminderChoiceMinutes(listChoice));
}

int GetApptReminderChoice(IAppointment* appt) {
    g_CustomReminder.useCustom = 0;
    if (!appt) return 0;
    VARIANT_BOOL set = VARIANT_FALSE;
    LONG minutes = 0;
    appt->get_ReminderSet(&set);
    appt->get_ReminderMinutesBeforeStart(&minutes);
    if (set == VARIANT_FALSE || minutes == 0) return 0;
    const int choice = ReminderChoiceOf(minutes);
    if (choice >= 0) return choice;
    SetCustomReminderFromMinutes(g_CustomReminder, minutes);
    return -1;
}
