// The command line: which view or item switches it holds, the values after the item and file
// switches, the load switches, and the start view that follows from them and the settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

// One word per switch, 1 when the switch was found; filled once before the single-instance check.
struct CmdLineFlags {
    LONG project = 0;    // "PROJECT"
    LONG spin = 0;       // "SPIN"
    LONG wallet = 0;     // "WALLET"
    LONG notes = 0;      // "NOTES"
    LONG today = 0;      // "TODAY"
    LONG week = 0;       // "WEEK"
    LONG month = 0;      // "MONTH"
    LONG tasks = 0;      // "TASKS"
    LONG contacts = 0;   // "CONTACTS"
    LONG taskOid = 0;    // "TASK:" with the task's OID
    LONG apptOid = 0;    // "APPT:" with the appointment's OID
    LONG newAppt = 0;    // "NEWAPPT"
    LONG newTsk = 0;     // "NEWTSK"
    LONG schedule = 0;   // "SCHEDULE"
    LONG wltFile = 0;    // "/WLT:" with a wallet file
    LONG txtFile = 0;    // "/TXT:" with a note file
    LONG themeFile = 0;  // "/ZQTH:" with a theme file
    LONG force = 0;      // "FORCE" beside "CONTACTS": the contact list even when contacts open the spinner
    HANDLE mutex = nullptr;       // the single-instance mutex while this instance holds it
    LONG startedForOneItem = 0;   // the program closes after the one new item's editor ends
};

extern CmdLineFlags g_CmdLine;

// The switch texts; a switch is present when its text occurs anywhere in the line, case-sensitive.
inline constexpr std::u16string_view kSwitchProject = u"PROJECT";
inline constexpr std::u16string_view kSwitchSpin = u"SPIN";
inline constexpr std::u16string_view kSwitchWallet = u"WALLET";
inline constexpr std::u16string_view kSwitchNotes = u"NOTES";
inline constexpr std::u16string_view kSwitchToday = u"TODAY";
inline constexpr std::u16string_view kSwitchWeek = u"WEEK";
inline constexpr std::u16string_view kSwitchMonth = u"MONTH";
inline constexpr std::u16string_view kSwitchTasks = u"TASKS";
inline constexpr std::u16string_view kSwitchContacts = u"CONTACTS";
inline constexpr std::u16string_view kSwitchForce = u"FORCE";
inline constexpr std::u16string_view kSwitchTaskOid = u"TASK:";
inline constexpr std::u16string_view kSwitchApptOid = u"APPT:";
inline constexpr std::u16string_view kSwitchNewAppt = u"NEWAPPT";
inline constexpr std::u16string_view kSwitchNewTsk = u"NEWTSK";
inline constexpr std::u16string_view kSwitchSchedule = u"SCHEDULE";
inline constexpr std::u16string_view kSwitchWltFile = u"/WLT:";
inline constexpr std::u16string_view kSwitchTxtFile = u"/TXT:";
inline constexpr std::u16string_view kSwitchThemeFile = u"/ZQTH:";

// Start-view codes, the scale of the switches, "STARTON30", "LASTFORSTART" and the pending view.
enum StartViewCode : LONG {
    kStartLastView = 0,
    kStartMonth = 1,
    kStartWeek = 2,
    kStartDates = 3,
    kStartTasks = 4,
    kStartContacts = 5,
    kStartNotes = 6,
    kStartWallet = 7,
    kStartYear = 8,
    kStartDay = 9,
    kStartSpinner = 10,
    kStartProjects = 11,
};

// 1 when the switch text occurs in the command line.
int HasSwitch(std::u16string_view cmdLine, std::u16string_view text);
inline int HasProjectSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchProject); }
inline int HasSpinSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchSpin); }
inline int HasWalletSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchWallet); }
inline int HasNotesSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchNotes); }
inline int HasTodaySwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchToday); }
inline int HasWeekSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchWeek); }
inline int HasMonthSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchMonth); }
inline int HasTasksSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchTasks); }
inline int HasNewApptSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchNewAppt); }
inline int HasNewTskSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchNewTsk); }
inline int HasScheduleSwitch(std::u16string_view cmdLine) { return HasSwitch(cmdLine, kSwitchSchedule); }
// Also sets the "FORCE" word when "CONTACTS" is present.
int HasContactsSwitch(std::u16string_view cmdLine);

// The item switches store the OID as the current item (kind task or appointment).
int ParseTaskOidSwitch(std::u16string_view cmdLine);
int ParseApptOidSwitch(std::u16string_view cmdLine);
// The file switches store their path and hand it to a running instance through "ACTIVEFILE".
int ParseWltFileSwitch(std::u16string_view cmdLine);
int ParseTxtFileSwitch(std::u16string_view cmdLine);
int ParseThemeFileSwitch(std::u16string_view cmdLine);
// "TSKOFF", "APTOFF", "CTSOFF" clear the load flags; "POOMLOAD" and then "DBLOAD" set "LOADPOOM".
void ParseLoadSwitches(std::u16string_view cmdLine);

// The blank-separated words of the line that hold no switch and are no switch's value (a file
// switch's path runs to the end of the line), in order.
std::vector<std::u16string> UnknownSwitches(std::u16string_view cmdLine);

// Every switch in the order the program start tests them, into g_CmdLine.
void ParseCmdLine(std::u16string_view cmdLine);

// The OID after an item switch's own colon: blanks, an optional sign and the digits that follow;
// 0 when there are none. OIDs above 0x7FFFFFFF may be written unsigned and keep their 32 bits.
LONG OidAfterSwitch(std::u16string_view cmdLine, std::u16string_view switchText);
// The path after the last colon of the line, trimmed; `stripQuotes` also removes the quotes around it.
std::u16string PathAfterLastColon(std::u16string_view cmdLine, bool stripQuotes);

// The start view the switches ask for, else the one the settings give.
LONG StartViewCodeFor(const CmdLineFlags& flags, LONG startOn30, LONG lastForStart);
LONG GetStartViewCode();
// Shows the start view once its data is loaded (message 1034).
void ApplyStartView();
// The view of a start-view code asked for while its data loaded (6, 7 and 10 show nothing).
void ShowPendingView(LONG code);
