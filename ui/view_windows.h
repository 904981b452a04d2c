// The child windows of the views inside the main window, null until a view makes its window.
#pragma once

#include "platform/types.h"

// Control identifiers of the owner-drawn lists and trees.
inline constexpr int kIdContactsList = 2350;
inline constexpr int kIdTasksList = 2352;
inline constexpr int kIdNotesList = 2353;
inline constexpr int kIdWalletTree = 2354;
inline constexpr int kIdScheduleList = 2355;
inline constexpr int kIdProjectTree = 2356;

struct ViewWindows {
    HWND scheduleList = nullptr;
    HWND taskList = nullptr;
    HWND contactsList = nullptr;
    HWND contactGrid = nullptr;
    HWND notesList = nullptr;
    HWND walletTree = nullptr;
    HWND projectTree = nullptr;
    HWND agendaView = nullptr;
    HWND weekdayBar = nullptr;
};

extern ViewWindows g_ViewWnds;

// The contacts view's letter tabs, null until the view makes them.
extern HWND g_CtsAbcToolbar;
