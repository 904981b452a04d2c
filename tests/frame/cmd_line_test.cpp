// Command-line switches: substring matching, the values after item and file switches, the load
// switches and the start view they give with the settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "platform/text.h"

namespace {

class CmdLine : public ::testing::Test {
protected:
    void SetUp() override {
        g_CmdLine = {};
        g_Frame = {};
        g_Settings = AppSettings();
    }
    void TearDown() override { SetUp(); }
};

TEST_F(CmdLine, SwitchesMatchAnywhereCaseSensitive) {
    struct Case {
        std::u16string line;
        std::u16string_view text;
        int found;
    };
    const Case cases[] = {
        {u"/SCHEDULE", kSwitchSchedule, 1},
        {u"MYTASKSLIST", kSwitchTasks, 1},
        {u"/TXT:\"\\My Documents\\NOTES\\a.txt\"", kSwitchNotes, 1},
        {u"tasks", kSwitchTasks, 0},
        {u"", kSwitchSchedule, 0},
        {u"NEWAPPT", kSwitchApptOid, 0},  // the colon is part of the switch
        {u"TASK:5", kSwitchTasks, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasSwitch(c.line, c.text), c.found) << std::string(c.line.begin(), c.line.end());
    }
}

TEST_F(CmdLine, ContactsSetsForceOnlyWithContacts) {
    EXPECT_EQ(HasContactsSwitch(u"FORCE"), 0);
    EXPECT_EQ(g_CmdLine.force, 0);
    EXPECT_EQ(HasContactsSwitch(u"/CONTACTS FORCE"), 1);
    EXPECT_EQ(g_CmdLine.force, 1);
    EXPECT_EQ(HasContactsSwitch(u"/CONTACTS"), 1);
    EXPECT_EQ(g_CmdLine.force, 0);
}

TEST_F(CmdLine, ItemSwitchesStoreTheCurrentItem) {
    ParseCmdLine(u"TASK:1234");
    EXPECT_EQ(g_CmdLine.taskOid, 1);
    EXPECT_EQ(g_CurItem.oid, 1234);
    EXPECT_EQ(g_CurItem.kind, kItemTask);

    SetUp();
    ParseCmdLine(u"APPT: -42");
    EXPECT_EQ(g_CmdLine.apptOid, 1);
    EXPECT_EQ(g_CurItem.oid, -42);
    EXPECT_EQ(g_CurItem.kind, kItemAppt);
}

TEST_F(CmdLine, OidValues) {
    struct Case {
        std::u16string line;
        LONG oid;
    };
    const Case cases[] = {
        {u"TASK:77abc", 77},
        {u"TASK:", 0},
        {u"TASK:x12", 0},
        {u"TASK:+9", 9},
        {u"TASK:3221225473", static_cast<LONG>(0xC0000001u)},  // task OIDs written unsigned
        {u"TASK:-1073741823", static_cast<LONG>(0xC0000001u)},
        {u"TASK:99999999999", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OidAfterSwitch(c.line, kSwitchTaskOid), c.oid) << std::string(c.line.begin(), c.line.end());
    }
}

TEST_F(CmdLine, OidIsTakenAfterItsOwnColonNotTheLastOne) {
    ParseCmdLine(u"TASK:555 /WLT:\\My Documents\\Main.zqw");
    EXPECT_EQ(g_CurItem.oid, 555);
    EXPECT_EQ(g_Frame.walletFilePath, u"\\My Documents\\Main.zqw");

    SetUp();
    ParseCmdLine(u"APPT:1073741830 /ZQTH:\\a\\b.zqth");
    EXPECT_EQ(g_CurItem.oid, 1073741830);
    EXPECT_EQ(g_Frame.themeFilePath, u"\\a\\b.zqth");
}

TEST_F(CmdLine, TxtPathKeepsItsCharactersWithoutQuotes) {
    struct Case {
        std::u16string line;
        std::u16string path;
    };
    const Case cases[] = {
        {u"/TXT:\"\\My Documents\\a.txt\"", u"\\My Documents\\a.txt"},
        {u"/TXT: \"\\My Documents\\a.txt\" ", u"\\My Documents\\a.txt"},
        {u"/TXT:\\My Documents\\a.txt", u"\\My Documents\\a.txt"},
        {u"/TXT:a", u"a"},
        {u"/TXT:", u""},
        {u"/TXT:\"", u""},
    };
    for (const Case& c : cases) {
        SetUp();
        ParseCmdLine(c.line);
        EXPECT_EQ(g_CmdLine.txtFile, 1);
        EXPECT_EQ(g_Frame.noteFilePath, c.path) << std::string(c.line.begin(), c.line.end());
    }
}

TEST_F(CmdLine, WalletPathIsTrimmedNotUnquoted) {
    ParseCmdLine(u"/WLT:  \\My Documents\\Main.zqw  ");
    EXPECT_EQ(g_CmdLine.wltFile, 1);
    EXPECT_EQ(g_Frame.walletFilePath, u"\\My Documents\\Main.zqw");
}

TEST_F(CmdLine, LoadSwitches) {
    ParseCmdLine(u"TSKOFF CTSOFF POOMLOAD");
    EXPECT_EQ(g_Frame.loadTasks, 0);
    EXPECT_EQ(g_Frame.loadAppts, 1);
    EXPECT_EQ(g_Frame.loadContacts, 0);
    EXPECT_EQ(g_Settings.loadPoom, 1);

    SetUp();
    g_Settings.loadPoom = 1;
    ParseCmdLine(u"POOMLOAD DBLOAD APTOFF");
    EXPECT_EQ(g_Settings.loadPoom, 0);  // "DBLOAD" wins
    EXPECT_EQ(g_Frame.loadAppts, 0);
}

TEST_F(CmdLine, UnknownSwitchesAreTheWordsNoSwitchTakes) {
    struct Case {
        const char16_t* line;
        std::vector<std::u16string> unknown;
    } const kCases[] = {
        {u"", {}},
        {u"  TODAY  /SCHEDULE -TASKS", {}},
        {u"--verbose TODAY today", {u"--verbose", u"today"}},
        {u"TASK: 12 APPT:-5 7", {u"7"}},
        {u"TASK: x", {u"x"}},
        {u"/TXT:\"My Documents\\a b.txt\" --more", {}},
        {u"POOMLOAD CTSOFF /ZQTH:x.zqth", {}},
        {u"-h", {u"-h"}},
    };
    for (const Case& c : kCases) EXPECT_EQ(UnknownSwitches(c.line), c.unknown) << platform::ToUtf8(c.line);
}

TEST_F(CmdLine, StartViewCode) {
    struct Case {
        std::u16string line;
        LONG startOn30;
        LONG lastForStart;
        LONG code;
    };
    const Case cases[] = {
        {u"", 10, -1, kStartSpinner},
        {u"", 0, 4, kStartTasks},
        {u"", 0, -1, -1},
        {u"TASKS TASK:5", 1, -1, kStartTasks},
        {u"PROJECT WALLET", 1, -1, kStartProjects},
        {u"/CONTACTS", 1, -1, kStartContacts},
        {u"TODAY", 1, -1, kStartDay},
        {u"TASK:5", 1, -1, kStartTasks},
        {u"NEWTSK", 1, -1, kStartTasks},
        {u"NEWAPPT", 3, -1, kStartMonth},
        {u"/WLT:\\a.zqw", 1, -1, kStartWallet},
        {u"/TXT:\\a.txt", 1, -1, kStartNotes},
        {u"/ZQTH:\\a.zqth", 8, -1, kStartYear},  // a theme file does not choose a view
        {u"SCHEDULE", 4, -1, kStartMonth},
        {u"SCHEDULE", 9, -1, kStartDay},
        {u"SCHEDULE", 3, -1, kStartDates},
        {u"APPT:12 NEWTSK", 2, -1, kStartWeek},
        {u"APPT:12", 0, 4, kStartMonth},
    };
    for (const Case& c : cases) {
        SetUp();
        g_Settings.startOn30 = c.startOn30;
        g_Settings.lastForStart = c.lastForStart;
        ParseCmdLine(c.line);
        EXPECT_EQ(GetStartViewCode(), c.code) << std::string(c.line.begin(), c.line.end());
    }
}

}  // namespace
