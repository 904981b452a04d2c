// Loading and saving the settings record. The load takes a stored value only when it exists and
// migrates the values of earlier releases; the save writes the whole set in the order of
// kSettingTable and ends at the first failed write, so the values after it keep what was stored.
#include "frame/settings_store.h"

#include <algorithm>
#include <iterator>

#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/os_version.h"
#include "core/reg_key.h"
#include "core/screen_class.h"
#include "core/shell_buttons.h"
#include "core/theme.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "extras/weather_settings.h"
#include "frame/frame_hooks.h"
#include "options/options_display.h"
#include "projects/prj_options.h"
#include "wallet/wlt_settings.h"

namespace {

// The screens with font rules of their own.
enum class FontScreen { Qvga, Vga, Square320, Other };

struct FontDefaults {
    FontScreen screen;
    LONG fontSize;
    LONG smallFontHeight;
};
constexpr FontDefaults kFontDefaults[] = {
    {FontScreen::Qvga, 15, 13},
    {FontScreen::Square320, 18, 15},
    {FontScreen::Vga, 24, 22},
    {FontScreen::Other, 14, 12},
};

// The small font height that goes with a font size on a screen; sizes not listed keep the height.
struct SmallFontRule {
    FontScreen screen;
    LONG fontSize;
    LONG smallFontHeight;
};
constexpr SmallFontRule kSmallFontRules[] = {
    {FontScreen::Qvga, 12, 12},      {FontScreen::Qvga, 14, 13},      {FontScreen::Qvga, 15, 13},
    {FontScreen::Qvga, 16, 13},      {FontScreen::Qvga, 18, 14},      {FontScreen::Vga, 22, 22},
    {FontScreen::Vga, 24, 24},       {FontScreen::Vga, 26, 24},       {FontScreen::Vga, 28, 24},
    {FontScreen::Square320, 14, 15}, {FontScreen::Square320, 16, 15}, {FontScreen::Square320, 18, 15},
    {FontScreen::Square320, 20, 15}, {FontScreen::Square320, 22, 16},
};
constexpr LONG kOtherScreenSmallFont = 12;

// Theme words that settings of earlier releases still fill.
struct LegacyThemeColor {
    const WCHAR* name;
    int word;
};
constexpr LegacyThemeColor kLegacyThemeColors[] = {
    {u"COLORWEEKEND", kThemeWeekendColor},
    {u"COLORTP", kThemeTitlePrimary},
    {u"COLORTS", kThemeTitleSecondary},
    {u"COLORHIGH", kThemeAltBackground},
};

constexpr const WCHAR* kKeepInfoValue = u"ZQKEEPINFO";
constexpr const WCHAR* kLastForStartValue = u"LASTFORSTART";
constexpr const WCHAR* kApptOneLineValue = u"APPTONELINE";
constexpr const WCHAR* kStartOnValue = u"STARTON";
constexpr const WCHAR* kBackHighValue = u"BACKHIGH";
constexpr const WCHAR* kGradientValue = u"GRADIENT";
constexpr const WCHAR* kHorzGradValue = u"HORZGRAD";
constexpr const WCHAR* kThinBarsValue = u"THINBARS";
constexpr const WCHAR* kTabBarsValue = u"TABBARS";

constexpr LONG kAgendaOneLine = 0;
constexpr LONG kAgendaVarHeight = 2;
constexpr LONG kStartOnWrapped = 10;  // an old "STARTON" of 9 meant the last view

// The view on screen and the start view that brings it back.
struct LastViewRule {
    LONG viewId;
    LONG startCode;
};
constexpr LastViewRule kLastViewRules[] = {
    {kViewMonth, kStartMonth},       {kViewWeek, kStartWeek},     {kViewDates, kStartDates},
    {kViewYear, kStartYear},         {kViewTasks, kStartTasks},   {kViewContacts, kStartContacts},
    {kViewNotes, kStartNotes},       {kViewWallet, kStartWallet}, {kViewWalletLocked, kStartWallet},
};
// Only the view gone back to may be the timeline week, which starts like the month view.
constexpr LONG kStartTimelineWeek = 12;

FontScreen CurrentFontScreen() {
    if (IsQvgaScreen()) return FontScreen::Qvga;
    if (IsSquare320Screen()) return FontScreen::Square320;
    if (IsVgaScreen()) return FontScreen::Vga;
    return FontScreen::Other;
}

// The small font height that goes with a font size on the current screen; `current` when the
// screen has no rule for that size.
LONG SmallFontHeightFor(LONG fontSize, LONG current) {
    const FontScreen screen = CurrentFontScreen();
    if (screen == FontScreen::Other) return kOtherScreenSmallFont;
    for (const SmallFontRule& rule : kSmallFontRules) {
        if (rule.screen == screen && rule.fontSize == fontSize) return rule.smallFontHeight;
    }
    return current;
}

// The default size of another screen class that this screen's Font Size choices do not offer: it
// was stored by a start on that screen and never chosen, so this screen's own default stands.
bool IsAnotherScreensDefaultFont(LONG fontSize) {
    const FontSizeTable& offered = CurrentFontSizeTable();
    for (int i = 0; i < offered.count; ++i) {
        if (offered.applied[i].fontSize == fontSize) return false;
    }
    const FontScreen screen = CurrentFontScreen();
    for (const FontDefaults& defaults : kFontDefaults) {
        if (defaults.screen != screen && defaults.fontSize == fontSize) return true;
    }
    return false;
}

// This screen's default font size, or 0 on a screen without one.
LONG ScreenDefaultFontSize() {
    const FontScreen screen = CurrentFontScreen();
    for (const FontDefaults& defaults : kFontDefaults) {
        if (defaults.screen == screen) return defaults.fontSize;
    }
    return 0;
}

bool LastViewCode(LONG viewId, LONG& code) {
    for (const LastViewRule& rule : kLastViewRules) {
        if (rule.viewId == viewId) {
            code = rule.startCode;
            return true;
        }
    }
    return false;
}

void FillShortcutStates(AppSettings& s) {
    s.calendarShortcut = IsShellCalendarKey();
    s.taskShortcut = IsShellTasksKey();
    s.contactShortcut = IsShellContactsKey();
}

void ClearKeepInfo() {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS) key.WriteNumber(kKeepInfoValue, 0);
}

// What the load must know about values read earlier in the table.
struct LoadMarks {
    bool agendaFmtRead = false;
    bool startOn30Read = false;
};

void ReadNoteDir(const RegKey& key, AppSettings& s) {
    std::u16string dir;
    if (key.ReadText(u"NOTEDIR", kNoteDirMaxBytes, dir)) {
        s.noteDir = dir;
        s.curNoteDir = dir;
    } else {
        s.curNoteDir = kDefaultNoteDir;
    }
}

// Reads one row of the table, with the rules that depend on the row.
void ReadSetting(const RegKey& key, const SettingDef& def, AppSettings& s, LoadMarks& marks) {
    switch (def.kind) {
    case SettingKind::FirstRun:
        if (key.HasValue(def.name)) s.firstRun = 0;
        return;
    case SettingKind::Text: ReadNoteDir(key, s); return;
    case SettingKind::FilterOn:
        if (s.persistFilter == 0) return;
        break;
    case SettingKind::Number: break;
    }
    const LONG before = s.*def.field;
    const bool read = key.ReadNumber(def.name, s.*def.field);
    if (def.field == &AppSettings::fontSize && read) {
        if (IsAnotherScreensDefaultFont(s.fontSize))
            s.fontSize = before;
        else
            s.smallFontHeight = SmallFontHeightFor(s.fontSize, s.smallFontHeight);
    }
    if (def.field == &AppSettings::agendaFmt) marks.agendaFmtRead = read;
    if (def.field == &AppSettings::startOn30) marks.startOn30Read = read;
    if (def.field == &AppSettings::useBarWork && !read) {
        // Work hours of a release without the switch are brought inside the bar hours.
        s.barWorkStart = std::max(s.barWorkStart, s.barStart);
        s.barWorkEnd = std::min(s.barWorkEnd, s.barEnd);
    }
    if (def.field == &AppSettings::contactSortMirror) s.contactSort = s.contactSortMirror;
}

void ReadLegacyValues(const RegKey& key, AppSettings& s, const LoadMarks& marks) {
    LONG value = 0;
    if (!marks.agendaFmtRead && key.ReadNumber(kApptOneLineValue, value)) {
        s.agendaFmt = value != 0 ? kAgendaOneLine : kAgendaVarHeight;
    }
    if (!marks.startOn30Read && key.ReadNumber(kStartOnValue, value)) {
        s.startOn30 = value + 1 == kStartOnWrapped ? kStartLastView : value + 1;
    }
    for (const LegacyThemeColor& color : kLegacyThemeColors) {
        if (key.ReadNumber(color.name, value)) SetThemeWord(color.word, value);
    }
    if (key.ReadNumber(kBackHighValue, value)) SetThemeWord(kThemeListBackground, value == 0 ? 1 : 0);
    if (key.ReadNumber(kGradientValue, value)) SetThemeWord(kThemeTitleGradient, value);
    if (key.ReadNumber(kHorzGradValue, value)) SetThemeWord(kThemeGradientStyle, value);
    if (key.ReadNumber(kThinBarsValue, value) && value != 0) SetThemeWord(kThemeTitleBarStyle, kTitleBarUnderline);
    if (key.ReadNumber(kTabBarsValue, value) && value != 0) SetThemeWord(kThemeTitleBarStyle, kTitleBarTabs);
    key.ReadNumber(kLastForStartValue, s.lastForStart);
}

}  // namespace

void SetPlatformDefaults() {
    const FontScreen screen = CurrentFontScreen();
    for (const FontDefaults& defaults : kFontDefaults) {
        if (defaults.screen == screen) {
            g_Settings.fontSize = defaults.fontSize;
            g_Settings.smallFontHeight = defaults.smallFontHeight;
        }
    }
    if (IsOsMajor5OrLater()) g_Settings.photo = 1;
}

void LoadSettings() {
    AppSettings& s = g_Settings;
    if (IsOsMajor5OrLater()) s.photo = 1;
    FillShortcutStates(s);
    ClearKeepInfo();
    LoadWltSettings();
    LoadPrjOptions();
    ReadWeatherSettings();

    RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS) return;
    LoadMarks marks;
    for (const SettingDef& def : kSettingTable) ReadSetting(key, def, s, marks);
    ReadLegacyValues(key, s, marks);
}

void frame::SaveSettings() {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS) return;
    const AppSettings& s = g_Settings;
    for (const SettingDef& def : kSettingTable) {
        LONG status = ERROR_SUCCESS;
        switch (def.kind) {
        case SettingKind::FirstRun: status = key.WriteNumber(def.name, 1); break;
        case SettingKind::Text: status = key.WriteText(def.name, s.noteDir); break;
        case SettingKind::FilterOn:
            if (s.persistFilter == 0) continue;
            status = key.WriteNumber(def.name, s.*def.field);
            break;
        case SettingKind::Number:
            // A font size left at the screen's default is not stored: on another screen it follows
            // that screen.
            if (def.field == &AppSettings::fontSize && s.fontSize == ScreenDefaultFontSize()) {
                RegDeleteValueW(key.Get(), def.name);
                continue;
            }
            status = key.WriteNumber(def.name, s.*def.field);
            break;
        }
        if (status != ERROR_SUCCESS) return;
    }
}

void SaveLastForStart() {
    AppSettings& s = g_Settings;
    if (s.startOn30 != kStartLastView) return;
    s.lastForStart = kStartMonth;
    LONG code = kStartMonth;
    if (LastViewCode(ViewId, code)) {
        s.lastForStart = code;
    } else if (g_Frame.prevViewId == kViewTimelineWeek) {
        s.lastForStart = kStartTimelineWeek;
    } else if (LastViewCode(g_Frame.prevViewId, code)) {
        s.lastForStart = code;
    }
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS) key.WriteNumber(kLastForStartValue, s.lastForStart);
}

LONG ReadViewShownFlags(ViewShownFlags& flags) {
    RegKey key;
    const LONG status = key.Open(HKEY_CURRENT_USER, kSettingsKey);
    if (status != ERROR_SUCCESS) return status;
    for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) key.ReadNumber(kViewShownTable[i].name, flags.flags[i]);
    return key.Close();
}

LONG frame::SaveViewShownFlags(const ViewShownFlags& flags) {
    RegKey key;
    const LONG status = key.Create(HKEY_CURRENT_USER, kSettingsKey);
    if (status != ERROR_SUCCESS) return status;
    for (const ShownView view : kViewShownSaveOrder) {
        const LONG written = key.WriteNumber(kViewShownTable[static_cast<int>(view)].name, flags[view]);
        if (written != ERROR_SUCCESS) return written;
    }
    return key.Close();
}
