// The main window's class name and its private messages: the load thread's hand-over, the PIM
// store's notifications and the switches that a second start forwards.
#pragma once

#include "platform/types.h"

// Names the main window's class and the single-instance mutex alike.
inline constexpr const WCHAR* kMainWndClass = u"Quorvia";

inline constexpr UINT kMsgPimDbNotify = 1021;
inline constexpr UINT kMsgAllLoaded = 1030;
inline constexpr UINT kMsgEndDialog = 1033;
inline constexpr UINT kMsgStartViewLoaded = 1034;
// Shows the failures held while a view painted (ShowMessageOutsidePaint); WM_APP + 16.
inline constexpr UINT kMsgShowHeldMessages = 0x8000 + 16;

// A second start's switch, sent to the running window.
inline constexpr UINT kMsgCmdTasks = 1036;
inline constexpr UINT kMsgCmdContacts = 1037;
inline constexpr UINT kMsgCmdTaskOid = 1038;
inline constexpr UINT kMsgCmdSchedule = 1039;
inline constexpr UINT kMsgCmdNotes = 1040;
inline constexpr UINT kMsgCmdWallet = 1041;
inline constexpr UINT kMsgCmdSpinner = 1042;
inline constexpr UINT kMsgCmdNone = 1044;
inline constexpr UINT kMsgCmdThemeFile = 1045;
inline constexpr UINT kMsgCmdApptOid = 1046;
inline constexpr UINT kMsgCmdNewAppt = 1047;
inline constexpr UINT kMsgCmdNewTsk = 1048;
inline constexpr UINT kMsgCmdProject = 1049;
inline constexpr UINT kMsgCmdToday = 1050;
inline constexpr UINT kMsgCmdWeek = 1051;
inline constexpr UINT kMsgCmdMonth = 1052;
inline constexpr UINT kMsgCmdWltFile = 1053;
inline constexpr UINT kMsgCmdTxtFile = 1054;

// wParam of kMsgCmdSpinner: open the spinner on the contacts.
inline constexpr WPARAM kSpinnerOnContacts = 1;
