// The frame's global state beside the settings: the view to go back to, the keyboard model, what the
// load thread is to load and the file paths that start-up switches name.
#pragma once

#include <string>

#include "core/cur_item.h"
#include "core/kbd_model.h"
#include "platform/types.h"

inline constexpr LONG kNoOid = -1;

// Which view asked for a task or contact delete.
enum DeleteOrigin : LONG {
    kDeleteFromTasks = 0,
    kDeleteFromDay = 1,
    kDeleteFromDates = 2,
    kDeleteFromContacts = 3,
};
inline constexpr LONG kNoView = -1;

struct FrameState {
    HWND mainWnd = nullptr;
    LONG prevViewId = kNoView;  // the view a detail view returns to
    HWND returnBar = nullptr;   // the bar of the view a detail view returns to, none when not stored
    LONG deleteOrigin = 0;      // which view asked the task and contact deletes (DeleteOrigin)
    LONG kbdModelCode = kKbdModelUnknown;
    // Which kinds the load thread loads; the load switches clear them.
    LONG loadAppts = 1;
    LONG loadTasks = 1;
    LONG loadContacts = 1;
    // Paths named by the file switches.
    std::u16string walletFilePath;
    std::u16string noteFilePath;
    std::u16string themeFilePath;
};

extern FrameState g_Frame;

// The pending view command while its data loads: a start-view code, or one of these.
inline constexpr LONG kNoPendingCmd = -1;
inline constexpr LONG kPendingClose = -2;
extern LONG PendingViewCmd;
