// The options dialog's state while it is open: one table of rows per page with its filled flag, the
// page on screen, the flags the apply steps leave for after the dialog, and the index variables
// that some rows edit in place of a setting.
#pragma once

#include <array>

#include "core/val_snap.h"
#include "platform/types.h"

inline constexpr int kOptionPageCount = 10;

// Pages in selector order; the number is also the start page.
enum OptionPage : int {
    kPageGeneral = 0,
    kPageDisplay = 1,
    kPageViews = 2,
    kPageCategory = 3,
    kPageSchedule = 4,
    kPageTasks = 5,
    kPageContacts = 6,
    kPageNotes = 7,
    kPageWallet = 8,
    kPageProjects = 9,
};

struct OptionsState {
    std::array<ValSnapArray, kOptionPageCount> pages;
    std::array<LONG, kOptionPageCount> filled{};
    LONG page = kPageGeneral;
    LONG optionsChanged = 0;   // the Category Setup page's icons or colours were edited
    LONG viewReload = 0;       // the current view is placed and repainted after the dialog
    LONG updateRequested = 0;  // "Check for Update" runs after the dialog
    LONG powerNote = 0;        // a hardware button was taken over during this apply
    LONG headerHeight = 0;
    // Rows that edit a list position rather than the setting itself.
    LONG reminderIndex = 0;
    LONG apptLengthIndex = 0;
    LONG fontSizeIndex = 0;
    LONG startOnIndex = 0;
};
extern OptionsState g_Options;

// The builders: each appends its page's rows to its table, which the caller has emptied.
void BuildGeneralOptions();
void FillDisplayOptsPage();
void BuildViewOptions();
void BuildCategoryOptions();
void FillSchedOptsPage();
void BuildTaskOptions();
void FillCtsOptsPage();
void BuildNoteOptions();
void BuildWalletOptions();
void FillPrjOptsPage();

// Runs the page's builder when it is not filled yet.
void FillOptionsPage(int page);
void ClearOptionTables();

// The checks of the two validated pages: 0 when they pass, else the string id of the refusal.
UINT CheckViewOptions();
UINT CheckScheduleOptions();

// The apply steps, each writing its page's changed rows with their side effects.
void ApplyGeneralOptions();
void ApplyDisplayOptions();
void ApplyViewOptions();
void ApplyCategoryOptions();
void ApplyScheduleOptions();
void ApplyTaskOptions();
void ApplyContactOptions();
void ApplyNoteOptions();
void ApplyWalletOptions();
void ApplyProjectOptions();

// The Display page's rows take the live values again (after a theme command).
void RecaptureOptionRows(int page);

// The minutes and lengths that the two index rows of the Schedule page stand for.
inline constexpr LONG kReminderMinutes[] = {0, 1, 5, 10, 15, 30, 60, 120, 300, 1440, 2880, 10080};
inline constexpr LONG kApptLengths[] = {15, 30, 45, 60, 90, 120};

// "STARTON30" codes and the positions of the "Start On View" row.
inline constexpr LONG kStartOnYear = 8;
LONG StartOnIndexOf(LONG code);
LONG StartOnCodeOf(LONG index);
