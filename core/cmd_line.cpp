// The command-line switches. Matching is a plain case-sensitive substring search, as the shell and
// the launch keys write the switches in many ways ("/SCHEDULE", "SCHEDULE", inside a path).
#include "core/cmd_line.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/active_file.h"
#include "core/app_settings.h"
#include "core/frame_state.h"
#include "platform/text.h"

CmdLineFlags g_CmdLine;

namespace {

struct SwitchWord {
    std::u16string_view text;
    LONG CmdLineFlags::*word;
};

// The plain switches in the order the program start tests them ("CONTACTS" and the switches with
// values are handled by their own parsers between them).
constexpr SwitchWord kLeadingSwitches[] = {
    {kSwitchSchedule, &CmdLineFlags::schedule}, {kSwitchTasks, &CmdLineFlags::tasks},
    {kSwitchProject, &CmdLineFlags::project},   {kSwitchSpin, &CmdLineFlags::spin},
    {kSwitchWallet, &CmdLineFlags::wallet},     {kSwitchNotes, &CmdLineFlags::notes},
    {kSwitchMonth, &CmdLineFlags::month},       {kSwitchWeek, &CmdLineFlags::week},
    {kSwitchToday, &CmdLineFlags::today},
};

// The switches that name a view by themselves, first match wins.
struct StartRule {
    LONG CmdLineFlags::*word;
    LONG code;
};
constexpr StartRule kStartRules[] = {
    {&CmdLineFlags::tasks, kStartTasks},   {&CmdLineFlags::project, kStartProjects},
    {&CmdLineFlags::wallet, kStartWallet}, {&CmdLineFlags::notes, kStartNotes},
    {&CmdLineFlags::spin, kStartSpinner},  {&CmdLineFlags::month, kStartMonth},
    {&CmdLineFlags::week, kStartWeek},     {&CmdLineFlags::today, kStartDay},
    {&CmdLineFlags::contacts, kStartContacts}, {&CmdLineFlags::taskOid, kStartTasks},
};
// Without "APPT:", these follow.
constexpr StartRule kStartRulesWithoutAppt[] = {
    {&CmdLineFlags::newTsk, kStartTasks},
    {&CmdLineFlags::newAppt, kStartMonth},
    {&CmdLineFlags::wltFile, kStartWallet},
    {&CmdLineFlags::txtFile, kStartNotes},
};

constexpr std::u16string_view kSwitchTskOff = u"TSKOFF";
constexpr std::u16string_view kSwitchAptOff = u"APTOFF";
constexpr std::u16string_view kSwitchCtsOff = u"CTSOFF";
constexpr std::u16string_view kSwitchPoomLoad = u"POOMLOAD";
constexpr std::u16string_view kSwitchDbLoad = u"DBLOAD";

constexpr std::int64_t kLowestOid = INT32_MIN;
constexpr std::int64_t kHighestOid = UINT32_MAX;

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && iswspace(text.back())) text.remove_suffix(1);
    return text;
}

int ParseOidSwitch(std::u16string_view cmdLine, std::u16string_view switchText, LONG kind) {
    if (!HasSwitch(cmdLine, switchText)) return 0;
    g_CurItem.oid = OidAfterSwitch(cmdLine, switchText);
    g_CurItem.kind = kind;
    return 1;
}

int ParseFileSwitch(std::u16string_view cmdLine, std::u16string_view switchText, bool stripQuotes,
                    std::u16string& path) {
    if (!HasSwitch(cmdLine, switchText)) return 0;
    path = PathAfterLastColon(cmdLine, stripQuotes);
    SaveActiveFile(path);
    return 1;
}

}  // namespace

int HasSwitch(std::u16string_view cmdLine, std::u16string_view text) {
    return cmdLine.find(text) != std::u16string_view::npos ? 1 : 0;
}

int HasContactsSwitch(std::u16string_view cmdLine) {
    if (!HasSwitch(cmdLine, kSwitchContacts)) return 0;
    g_CmdLine.force = HasSwitch(cmdLine, kSwitchForce);
    return 1;
}

LONG OidAfterSwitch(std::u16string_view cmdLine, std::u16string_view switchText) {
    const std::size_t at = cmdLine.find(switchText);
    if (at == std::u16string_view::npos) return 0;
    std::u16string_view rest = cmdLine.substr(at + switchText.size());
    while (!rest.empty() && iswspace(rest.front())) rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == u'-' || rest.front() == u'+')) {
        negative = rest.front() == u'-';
        rest.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (const WCHAR ch : rest) {
        if (ch < u'0' || ch > u'9') break;
        value = value * 10 + (ch - u'0');
        if (value > kHighestOid) return 0;  // no OID is that long
    }
    if (negative) value = -value;
    if (value < kLowestOid) return 0;
    return static_cast<LONG>(static_cast<std::uint32_t>(value));
}

std::u16string PathAfterLastColon(std::u16string_view cmdLine, bool stripQuotes) {
    const std::size_t colon = cmdLine.rfind(u':');
    if (colon == std::u16string_view::npos) return {};
    std::u16string_view path = Trim(cmdLine.substr(colon + 1));
    if (stripQuotes) {
        if (!path.empty() && path.front() == u'"') path.remove_prefix(1);
        if (!path.empty() && path.back() == u'"') path.remove_suffix(1);
        path = Trim(path);
    }
    return std::u16string(path);
}

int ParseTaskOidSwitch(std::u16string_view cmdLine) { return ParseOidSwitch(cmdLine, kSwitchTaskOid, kItemTask); }

int ParseApptOidSwitch(std::u16string_view cmdLine) { return ParseOidSwitch(cmdLine, kSwitchApptOid, kItemAppt); }

int ParseWltFileSwitch(std::u16string_view cmdLine) {
    return ParseFileSwitch(cmdLine, kSwitchWltFile, false, g_Frame.walletFilePath);
}

int ParseTxtFileSwitch(std::u16string_view cmdLine) {
    return ParseFileSwitch(cmdLine, kSwitchTxtFile, true, g_Frame.noteFilePath);
}

int ParseThemeFileSwitch(std::u16string_view cmdLine) {
    return ParseFileSwitch(cmdLine, kSwitchThemeFile, false, g_Frame.themeFilePath);
}

void ParseLoadSwitches(std::u16string_view cmdLine) {
    if (HasSwitch(cmdLine, kSwitchTskOff)) g_Frame.loadTasks = 0;
    if (HasSwitch(cmdLine, kSwitchAptOff)) g_Frame.loadAppts = 0;
    if (HasSwitch(cmdLine, kSwitchCtsOff)) g_Frame.loadContacts = 0;
    if (HasSwitch(cmdLine, kSwitchPoomLoad)) g_Settings.loadPoom = 1;
    if (HasSwitch(cmdLine, kSwitchDbLoad)) g_Settings.loadPoom = 0;
}

std::vector<std::u16string> UnknownSwitches(std::u16string_view cmdLine) {
    static constexpr std::u16string_view kKnown[] = {
        kSwitchProject, kSwitchSpin,     kSwitchWallet,  kSwitchNotes,   kSwitchToday,   kSwitchWeek,
        kSwitchMonth,   kSwitchTasks,    kSwitchContacts, kSwitchForce,  kSwitchTaskOid, kSwitchApptOid,
        kSwitchNewAppt, kSwitchNewTsk,   kSwitchSchedule, kSwitchTskOff, kSwitchAptOff,  kSwitchCtsOff,
        kSwitchPoomLoad, kSwitchDbLoad,  kSwitchWltFile, kSwitchTxtFile, kSwitchThemeFile,
    };
    static constexpr std::u16string_view kFileSwitches[] = {kSwitchWltFile, kSwitchTxtFile, kSwitchThemeFile};
    std::vector<std::u16string> unknown;
    bool oidFollows = false;
    std::size_t at = 0;
    while (at < cmdLine.size()) {
        if (iswspace(cmdLine[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < cmdLine.size() && !iswspace(cmdLine[end])) ++end;
        const std::u16string_view word = cmdLine.substr(at, end - at);
        at = end;
        // "TASK: 42": the OID may follow the switch's colon after blanks.
        if (std::exchange(oidFollows, false) && word.find_first_not_of(u"+-0123456789") == std::u16string_view::npos)
            continue;
        // A file switch's path runs to the end of the line, blanks and all.
        for (const std::u16string_view fileSwitch : kFileSwitches)
            if (word.find(fileSwitch) != std::u16string_view::npos) return unknown;
        if (std::ranges::none_of(kKnown, [&](std::u16string_view known) { return word.find(known) != word.npos; }))
            unknown.emplace_back(word);
        oidFollows = word.ends_with(kSwitchTaskOid) || word.ends_with(kSwitchApptOid);
    }
    return unknown;
}

void ParseCmdLine(std::u16string_view cmdLine) {
    for (const SwitchWord& sw : kLeadingSwitches) g_CmdLine.*sw.word = HasSwitch(cmdLine, sw.text);
    g_CmdLine.contacts = HasContactsSwitch(cmdLine);
    g_CmdLine.taskOid = ParseTaskOidSwitch(cmdLine);
    g_CmdLine.apptOid = ParseApptOidSwitch(cmdLine);
    g_CmdLine.newTsk = HasNewTskSwitch(cmdLine);
    g_CmdLine.newAppt = HasNewApptSwitch(cmdLine);
    g_CmdLine.wltFile = ParseWltFileSwitch(cmdLine);
    g_CmdLine.txtFile = ParseTxtFileSwitch(cmdLine);
    g_CmdLine.themeFile = ParseThemeFileSwitch(cmdLine);
    ParseLoadSwitches(cmdLine);
}

LONG StartViewCodeFor(const CmdLineFlags& flags, LONG startOn30, LONG lastForStart) {
    for (const StartRule& rule : kStartRules) {
        if (flags.*rule.word) return rule.code;
    }
    if (!flags.apptOid) {
        for (const StartRule& rule : kStartRulesWithoutAppt) {
            if (flags.*rule.word) return rule.code;
        }
        if (!flags.schedule) return startOn30 != kStartLastView ? startOn30 : lastForStart;
    }
    // An appointment or the schedule opens in a calendar view.
    if (startOn30 == kStartWeek || startOn30 == kStartDates || startOn30 == kStartDay) return startOn30;
    return kStartMonth;
}

LONG GetStartViewCode() { return StartViewCodeFor(g_CmdLine, g_Settings.startOn30, g_Settings.lastForStart); }
