// What the main window owns that the views read and use: its theme fonts, its back buffers, the
// timers' identifiers and the program's caption. The frame makes the window and fills this in.
#pragma once

#include <array>

#include "platform/cedb.h"
#include "platform/types.h"
#include "ui/offscreen.h"

// Caption of the program's message boxes; the window title at creation is string 103, the same words.
inline constexpr const WCHAR* kProgramTitle = u"Vestral Agenda";
inline constexpr int kTitleChars = 128;

inline constexpr UINT_PTR kClockTimerId = 1049;
inline constexpr UINT_PTR kWalletLockTimerId = 1048;
inline constexpr UINT kClockPeriodMs = 60000;
// While the clock is in the title or the spinner is up, the clock ticks every second.
inline constexpr UINT kFastClockPeriodMs = 1000;

// The five theme fonts, in this order.
enum ThemeFont : int {
    kFontNormal = 0,
    kFontBold = 1,
    kFontList = 2,
    kFontSmall = 3,
    kFontTiny = 4,
    kThemeFontCount = 5,
};

struct MainWindowState {
    HINSTANCE instance = nullptr;
    LONG loadPending = 1;          // the first paint starts the load thread
    LONG backArmed = 0;            // a first Back in a main view waits for the second
    LONG contactsSpinner = 0;      // the spinner opens on the contacts
    LONG phoneLibMissing = 0;
    LONG keyboardTestMode = 0;     // the about box logs the keys of the contacts list
    LONG todayDay = 0;             // the minute timer's markers of the last check
    LONG todayMinute = 0;
    std::array<HFONT, kThemeFontCount> themeFonts{};
    OffscreenBuffer mainBuffer;    // the main window's own buffer
    std::array<OffscreenBuffer, 2> backBuffers{};  // the calendar views paint through these
    CENOTIFYREQUEST pimVolNotifyRequest{};
};

extern MainWindowState g_Main;

// (Re)makes the five theme fonts from "FONTSIZE" and the screen class.
void CreateThemeFonts();
void DeleteThemeFonts();
// The height of one theme font, by the same rules CreateThemeFonts uses.
LONG ThemeFontHeight(ThemeFont font);
