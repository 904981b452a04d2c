// The settings key: defaults on an empty key, the save order and its stop at a failed write,
// migrations of earlier releases, the font rule per screen, bounded text reads, the view switches
// and the remembered start view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/view_id.h"
#include "frame/settings_store.h"
#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/testing_registry.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() : device_(Profile(240, 320)) { Reset(); }
    ~SettingsStore() override {
        platform::testing::ResetRegistryFaults();
        Reset();
    }

    static platform::DeviceProfile Profile(int width, int height) {
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        return profile;
    }

    static void Reset() {
        g_Settings = AppSettings();
        g_ViewShown = ViewShownFlags();
        g_Frame = {};
        ViewId = kViewMonth;
    }

    static HKEY OpenKey() {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }

    static void Store(const WCHAR* name, LONG value) {
        HKEY key = OpenKey();
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
        RegCloseKey(key);
    }

    static void StoreBytes(const WCHAR* name, DWORD type, const void* data, DWORD size) {
        HKEY key = OpenKey();
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    // The stored number, or `absent` when there is none.
    static LONG Stored(const WCHAR* name, LONG absent = -999) {
        HKEY key = OpenKey();
        LONG value = 0;
        DWORD size = sizeof(value);
        const LONG status = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? value : absent;
    }

    platform::testing::TestDevice device_;
};

TEST_F(SettingsStore, EmptyKeyKeepsEveryDefault) {
    LoadSettings();
    EXPECT_EQ(g_Settings.agendaFmt, 1);
    EXPECT_EQ(g_Settings.startOn30, 10);
    EXPECT_EQ(g_Settings.barWorkStart, 8);
    EXPECT_EQ(g_Settings.barWorkEnd, 17);
    EXPECT_EQ(g_Settings.firstRun, 1);
    EXPECT_EQ(g_Settings.lastForStart, -1);
    EXPECT_EQ(g_Settings.photo, 1);  // the device reports version 5.2
    EXPECT_EQ(g_Settings.noteDir, u"\\My Documents");
    EXPECT_EQ(Stored(u"ZQKEEPINFO"), 0);
}

TEST_F(SettingsStore, SaveWritesTheWholeSetAndLoadReadsItBack) {
    g_Settings.agendaFmt = 2;
    g_Settings.fontSize = 16;
    g_Settings.contactSortMirror = 3;
    g_Settings.searchAppts = 0;
    g_Settings.initLocText = 0;
    g_Settings.noteDir = u"\\My Documents\\Notes";
    SaveSettings();
    EXPECT_EQ(Stored(u"FIRSTTIME"), 1);
    EXPECT_EQ(Stored(u"TASKFILTERON"), -999);  // filters are kept only while "PERSISTFILTER" is on

    Reset();
    LoadSettings();
    EXPECT_EQ(g_Settings.firstRun, 0);
    EXPECT_EQ(g_Settings.agendaFmt, 2);
    EXPECT_EQ(g_Settings.fontSize, 16);
    EXPECT_EQ(g_Settings.smallFontHeight, 13);
    EXPECT_EQ(g_Settings.contactSort, 3);
    EXPECT_EQ(g_Settings.contactSortMirror, 3);
    EXPECT_EQ(g_Settings.searchAppts, 0);
    EXPECT_EQ(g_Settings.initLocText, 0);
    EXPECT_EQ(g_Settings.noteDir, u"\\My Documents\\Notes");
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents\\Notes");
}

TEST_F(SettingsStore, SaveStopsAtTheFirstFailedWrite) {
    SaveSettings();  // every value stored with its default
    g_Settings.initUserText = 0;
    g_Settings.initRegion = 0;
    g_Settings.searchAppts = 0;
    platform::testing::FailRegistryWriteAfter(3);  // "FIRSTTIME", "INITLOCTEXT", "INITUSERTEXT"
    SaveSettings();
    EXPECT_EQ(Stored(u"INITUSERTEXT"), 0);
    EXPECT_EQ(Stored(u"INITREGION"), 1);
    EXPECT_EQ(Stored(u"SEARCHAPPTS"), 1);

    SaveSettings();  // the next save writes the whole set again
    EXPECT_EQ(Stored(u"INITREGION"), 0);
    EXPECT_EQ(Stored(u"SEARCHAPPTS"), 0);
}

TEST_F(SettingsStore, FilterFlagsFollowPersistFilter) {
    Store(u"TASKFILTERON", 1);
    LoadSettings();
    EXPECT_EQ(g_Settings.taskFilterOn, 0);

    Reset();
    Store(u"PERSISTFILTER", 1);
    LoadSettings();
    EXPECT_EQ(g_Settings.taskFilterOn, 1);
    g_Settings.taskFilterOn = 0;
    SaveSettings();
    EXPECT_EQ(Stored(u"TASKFILTERON"), 0);
}

TEST_F(SettingsStore, ValuesOfEarlierReleasesAreTakenOver) {
    struct Case {
        std::vector<std::pair<const WCHAR*, LONG>> stored;
        LONG agendaFmt;
        LONG startOn30;
    };
    const Case cases[] = {
        {{{u"APPTONELINE", 1}}, 0, 10},
        {{{u"APPTONELINE", 0}}, 2, 10},
        {{{u"APPTONELINE", 1}, {u"AGENDAFMT", 1}}, 1, 10},
        {{{u"STARTON", 9}}, 1, 0},
        {{{u"STARTON", 3}}, 1, 4},
        {{{u"STARTON", 3}, {u"STARTON30", 2}}, 1, 2},
    };
    for (const Case& c : cases) {
        platform::testing::TestDevice device;
        Reset();
        for (const auto& [name, value] : c.stored) Store(name, value);
        LoadSettings();
        EXPECT_EQ(g_Settings.agendaFmt, c.agendaFmt);
        EXPECT_EQ(g_Settings.startOn30, c.startOn30);
    }
}

TEST_F(SettingsStore, WorkHoursOfEarlierReleasesStayInsideTheBar) {
    struct Case {
        std::vector<std::pair<const WCHAR*, LONG>> stored;
        LONG workStart;
        LONG workEnd;
    };
    const Case cases[] = {
        {{{u"BARSTART", 10}, {u"BAREND", 15}}, 10, 15},
        {{{u"BARSTART", 10}, {u"BAREND", 15}, {u"BARWORKSTART", 9}}, 9, 15},
        {{{u"BARSTART", 10}, {u"BAREND", 15}, {u"USEBARWORK", 0}}, 8, 17},
        {{{u"BARSTART", 6}, {u"BAREND", 20}}, 8, 17},
    };
    for (const Case& c : cases) {
        platform::testing::TestDevice device;
        Reset();
        for (const auto& [name, value] : c.stored) Store(name, value);
        LoadSettings();
        EXPECT_EQ(g_Settings.barWorkStart, c.workStart);
        EXPECT_EQ(g_Settings.barWorkEnd, c.workEnd);
    }
}

TEST_F(SettingsStore, FontDefaultsAndSmallFontByScreen) {
    struct Case {
        int width;
        int height;
        LONG storedFont;  // 0: none stored
        LONG fontSize;
        LONG smallFont;
    };
    constexpr Case cases[] = {
        {240, 320, 0, 15, 13},  {240, 320, 16, 16, 13}, {240, 320, 17, 17, 13}, {240, 320, 18, 18, 14},
        {320, 240, 12, 12, 12}, {480, 640, 0, 24, 22},  {480, 640, 26, 26, 24}, {480, 800, 23, 23, 22},
        {320, 320, 0, 18, 15},  {320, 320, 22, 22, 16}, {176, 220, 0, 14, 12},  {176, 220, 18, 18, 12},
        // Another screen's default that this screen does not offer was never chosen: this screen's
        // default stands. A size offered here, or no screen's default, was chosen and stays.
        {480, 640, 15, 24, 22}, {240, 320, 24, 15, 13}, {320, 320, 15, 18, 15}, {480, 640, 12, 12, 22},
        {240, 320, 18, 18, 14},
    };
    for (const Case& c : cases) {
        platform::testing::TestDevice device(Profile(c.width, c.height));
        Reset();
        if (c.storedFont != 0) Store(u"FONTSIZE", c.storedFont);
        SetPlatformDefaults();
        LoadSettings();
        EXPECT_EQ(g_Settings.fontSize, c.fontSize) << c.width << "x" << c.height << " font " << c.storedFont;
        EXPECT_EQ(g_Settings.smallFontHeight, c.smallFont) << c.width << "x" << c.height << " font " << c.storedFont;
    }
}

// A size left at the screen's default is not stored, so that a start on another screen takes that
// screen's default; a chosen size is stored.
TEST_F(SettingsStore, AFontSizeAtTheScreensDefaultIsNotStored) {
    platform::testing::TestDevice device(Profile(240, 320));
    Reset();
    SetPlatformDefaults();
    Store(u"FONTSIZE", 15);
    LoadSettings();
    SaveSettings();
    EXPECT_EQ(Stored(u"FONTSIZE"), -999);
    EXPECT_EQ(Stored(u"AGENDAFMT"), g_Settings.agendaFmt) << "the values after it are written";
    g_Settings.fontSize = 16;
    SaveSettings();
    EXPECT_EQ(Stored(u"FONTSIZE"), 16);
}

TEST_F(SettingsStore, PhotoDefaultFollowsTheSystemVersion) {
    platform::DeviceProfile profile = Profile(240, 320);
    profile.osMajor = 4;
    profile.osMinor = 20;
    platform::testing::TestDevice device(profile);
    Reset();
    SetPlatformDefaults();
    LoadSettings();
    EXPECT_EQ(g_Settings.photo, 0);
}

TEST_F(SettingsStore, FirstRunClearsOnAnyStoredFirstTime) {
    StoreBytes(u"FIRSTTIME", REG_SZ, u"x", 4);
    LoadSettings();
    EXPECT_EQ(g_Settings.firstRun, 0);
}

TEST_F(SettingsStore, MissingNoteDirFallsBackToTheMyDocumentsRoot) {
    g_Settings.noteDir = u"\\Storage Card\\Notes";
    LoadSettings();
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents");
    EXPECT_EQ(g_Settings.noteDir, u"\\Storage Card\\Notes");
}

TEST_F(SettingsStore, NoteDirWithoutTerminatorIsReadWithinItsBound) {
    // Four characters with no zero after them.
    StoreBytes(u"NOTEDIR", REG_SZ, u"\\abc", 8);
    LoadSettings();
    EXPECT_EQ(g_Settings.noteDir, u"\\abc");

    // Longer than the folder may be: not taken.
    Reset();
    const std::u16string tooLong(300, u'x');
    StoreBytes(u"NOTEDIR", REG_SZ, tooLong.data(), static_cast<DWORD>(tooLong.size() * 2));
    LoadSettings();
    EXPECT_EQ(g_Settings.noteDir, u"\\My Documents");
    EXPECT_EQ(g_Settings.curNoteDir, u"\\My Documents");
}

TEST_F(SettingsStore, NumbersOfAnotherSizeAreNotTaken) {
    const WORD shortValue = 7;
    StoreBytes(u"AGENDAFMT", REG_BINARY, &shortValue, sizeof(shortValue));
    LoadSettings();
    EXPECT_EQ(g_Settings.agendaFmt, 1);
}

TEST_F(SettingsStore, ViewShownFlagsRoundTripInTheirOwnOrder) {
    ViewShownFlags flags;
    EXPECT_EQ(ReadViewShownFlags(flags), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(flags[ShownView::Year], 0);

    flags[ShownView::Year] = 1;
    flags[ShownView::Dates] = 0;
    EXPECT_EQ(SaveViewShownFlags(flags), ERROR_SUCCESS);
    ViewShownFlags read;
    EXPECT_EQ(ReadViewShownFlags(read), ERROR_SUCCESS);
    EXPECT_EQ(read[ShownView::Year], 1);
    EXPECT_EQ(read[ShownView::Dates], 0);
    EXPECT_EQ(read[ShownView::Month], 1);

    // The save order is month, week, timeline week, dates...; it ends at the first failure.
    flags[ShownView::Month] = 0;
    flags[ShownView::TimelineWeek] = 0;
    flags[ShownView::Dates] = 1;
    platform::testing::FailRegistryWriteAfter(2);
    EXPECT_EQ(SaveViewShownFlags(flags), ERROR_CANTWRITE);
    EXPECT_EQ(Stored(u"VIEW_MONTH"), 0);
    EXPECT_EQ(Stored(u"VIEW_BARWEEK"), 1);
    EXPECT_EQ(Stored(u"VIEW_DATES"), 0);
}

TEST_F(SettingsStore, LastForStartFromTheViewOnScreen) {
    struct Case {
        LONG startOn30;
        LONG viewId;
        LONG prevViewId;
        LONG stored;  // -999: nothing written
    };
    constexpr Case cases[] = {
        {0, kViewWeek, kNoView, kStartWeek},
        {0, kViewYear, kNoView, kStartYear},
        {0, kViewWalletLocked, kNoView, kStartWallet},
        {0, kViewProjects, kViewTasks, kStartTasks},
        {0, kViewApptPreview, kViewTimelineWeek, 12},
        {0, kViewContactPreview, kNoView, kStartMonth},
        {0, kViewSpinner, kViewSpinner, kStartMonth},
        {10, kViewTasks, kNoView, -999},
    };
    for (const Case& c : cases) {
        platform::testing::TestDevice device;
        Reset();
        g_Settings.startOn30 = c.startOn30;
        ViewId = c.viewId;
        g_Frame.prevViewId = c.prevViewId;
        SaveLastForStart();
        EXPECT_EQ(Stored(u"LASTFORSTART"), c.stored) << "view " << c.viewId << " previous " << c.prevViewId;
    }
    // The remembered view is read back at the next start.
    platform::testing::TestDevice device;
    Reset();
    Store(u"LASTFORSTART", kStartNotes);
    LoadSettings();
    EXPECT_EQ(g_Settings.lastForStart, kStartNotes);
}

TEST_F(SettingsStore, HashKeyTogglesByView) {
    // Month view: '#' twice brings the split month back, each press saved at once.
    ViewId = kViewMonth;
    EXPECT_EQ(ToggleSplitMonth('#'), 1);
    EXPECT_EQ(g_Settings.splitMonth, 0);
    EXPECT_EQ(Stored(u"SPLITMONTH"), 0);
    EXPECT_EQ(ToggleSplitMonth(' '), 1);
    EXPECT_EQ(g_Settings.splitMonth, 1);
    EXPECT_EQ(Stored(u"SPLITMONTH"), 1);

    ViewId = kViewTasks;
    EXPECT_EQ(ToggleSplitMonth('#'), 1);
    EXPECT_EQ(g_Settings.taskPreview, 1);
    EXPECT_EQ(Stored(u"TASKPREVIEW"), 1);

    // Other keys and other views are left to their own handlers.
    EXPECT_EQ(ToggleSplitMonth('*'), 0);
    ViewId = kViewWeek;
    EXPECT_EQ(ToggleSplitMonth('#'), 0);
    EXPECT_EQ(g_Settings.splitMonth, 1);
}

TEST_F(SettingsStore, HashKeyOnAHiddenCompletedTaskClearsTheSelection) {
    struct Case {
        LONG agendaFmt;
        LONG hideComplete;
        LONG kind;
        LONG oidAfter;
    };
    constexpr Case cases[] = {
        {2, 1, kItemTask, kNoOid},
        {2, 0, kItemTask, 9},
        {1, 1, kItemTask, 9},
        {2, 1, kItemAppt, 9},
    };
    for (const Case& c : cases) {
        Reset();
        ViewId = kViewDay;
        g_Settings.agendaFmt = c.agendaFmt;
        g_Settings.hideComplete = c.hideComplete;
        g_CurItem.oid = 9;
        g_CurItem.kind = c.kind;
        EXPECT_EQ(ToggleSplitMonth('#'), 1);
        EXPECT_EQ(g_CurItem.oid, c.oidAfter) << c.agendaFmt << " " << c.hideComplete << " " << c.kind;
    }
}

}  // namespace
