// The builders of the ten options pages: each appends, in the page's order, one value snapshot per
// setting it shows, with the row's picture, choices, screen-class labels and locks.
#include <initializer_list>
#include <iterator>
#include <string>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/prj_cats.h"
#include "core/screen_class.h"
#include "core/theme_record.h"
#include "editors/field_list.h"
#include "options/options_state.h"
#include "projects/prj_options.h"
#include "ui/file_picker.h"
#include "wallet/wlt_settings.h"

OptionsState g_Options;

namespace {

constexpr LONG kNoIcon = -1;
constexpr LONG kShortLabelFont = 16;

enum RowFlags : int { kPlain = 0, kDependents = 1, kLocked = 2 };

// Appends one row; a fresh snapshot for each, so no choice list or offset carries over.
ValSnap& AddRow(int page, const WCHAR* label, LONG kind, void* live, LONG icon,
                std::initializer_list<const WCHAR*> choices = {}, int flags = kPlain) {
    ValSnap row;
    ValSnapSet(row, label, kind, live, nullptr);
    row.secondValue = icon;
    for (const WCHAR* choice : choices) row.choices.Append(choice);
    row.rowFlag = (flags & kDependents) ? 1 : 0;
    row.locked = (flags & kLocked) ? 1 : 0;
    ValSnapArray& table = g_Options.pages[static_cast<std::size_t>(page)];
    table.Append(row);
    return table[table.Size() - 1];
}

void AddHeader(int page, const WCHAR* label) { AddRow(page, label, kFieldHeader, nullptr, kNoIcon); }

// A numeric choice row "first" to "last": the index is the value less the first.
void AddRangeRow(int page, const WCHAR* label, LONG* live, LONG icon, LONG first, LONG last) {
    ValSnap& row = AddRow(page, label, kFieldChoice, live, icon);
    ValSnapSetRange(row, first, last);
    ValSnapCapture(row);
}

const WCHAR* Pick(bool longForm, const WCHAR* longLabel, const WCHAR* shortLabel) { return longForm ? longLabel : shortLabel; }

bool Qvga() { return IsQvgaScreen() != 0; }
bool Vga() { return IsVgaScreen() != 0; }
bool Landscape() { return IsLandscapeScreen() != 0; }
bool Plus240() { return IsScreen240Plus() != 0; }
bool Ce5() { return g_Settings.ce5OrLater != 0; }
LONG FontSize() { return g_Settings.fontSize; }

// The position of a value in a list, or -1.
template <std::size_t N>
int PositionOf(const LONG (&values)[N], LONG value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

// Without the Year entry (screens below 240) the entries after it sit one place higher than their
// start-view codes; the row keeps list positions and the apply step turns them back into codes.
LONG StartOnIndexOf(LONG code) {
    if (Plus240() || code < kStartOnYear) return code;
    return code == kStartOnYear ? 0 : code - 1;
}

LONG StartOnCodeOf(LONG index) {
    if (Plus240() || index < kStartOnYear) return index;
    return index + 1;
}

void BuildGeneralOptions() {
    constexpr int p = kPageGeneral;
    AppSettings& s = g_Settings;
    AddHeader(p, u"General");
    AddRow(p, u"Hide Private", kFieldCheck, &s.hidePrivate, 4);
    AddRow(p, u"Category Icons", kFieldCheck, &s.showCat, 5);
    AddRow(p, u"Category Colors", kFieldCheck, &s.catColors, 5);
    AddRow(p, u"Collapsible Lists", kFieldCheck, &s.cList, 26, {}, kDependents);
    AddRow(p, u"  Start Collapsed", kFieldCheck, &s.startColl, 30, {}, s.cList == 0 ? kLocked : kPlain);
    AddRow(p, u"Confirm All Deletes", kFieldCheck, &s.confirmDel, 9);
    AddRow(p, Pick(Qvga(), u"Auto-Capitalize", u"Auto-Caps"), kFieldChoice, &s.autoCaps, 11,
           {u"Every Word", u"First Word", u"None"});
    if (!IsSquareScreen()) AddRow(p, u"Clock on Title", kFieldCheck, &s.clockTitle, 20);
    AddRow(p, u"Parse Text for Links", kFieldCheck, &s.parseText, 11);
    g_Options.startOnIndex = StartOnIndexOf(s.startOn30);
    ValSnap& start = AddRow(p, u"Start On View", kFieldChoice, &g_Options.startOnIndex, 10,
                            {u"Last View", u"Month", u"Week", u"Dates", u"Tasks", u"Contacts", u"Notes", u"Wallet"});
    if (Plus240()) start.choices.Append(IsSquareScreen() ? u"Six Month" : u"Year");
    start.choices.Append(u"Today");
    start.choices.Append(u"View Spinner");
    const bool bigFont = !Qvga() && FontSize() > kShortLabelFont;
    AddRow(p, Pick(Landscape() || Vga(), u"Left View Button", u"View Btn."), kFieldChoice, &s.viewMenu3, 22,
           {u"Next View", u"View Menu", bigFont ? u"View Spin" : u"View Spinner"});
    AddRow(p, u"System Shortcuts", kFieldHeader, nullptr, kNoIcon);
    AddRow(p, u"Calendar Shortcut", kFieldCheck, &s.calendarShortcut, 10);
    AddRow(p, u"Task Shortcut", kFieldCheck, &s.taskShortcut, 10);
    AddRow(p, u"Contact Shortcut", kFieldCheck, &s.contactShortcut, 10);
    AddRow(p, Pick(!bigFont, u"Contact Shortcut to Spin", u"Contact to Spin"), kFieldCheck, &s.startContactSpin, 10);
    AddHeader(p, u"Filters");
    AddRow(p, u"Start Saved Filters", kFieldCheck, &s.persistFilter, 6);
    AddRow(p, u"Global Filter", kFieldCheck, &s.globalFilter, 6);
}

void BuildViewOptions() {
    constexpr int p = kPageViews;
    ViewShownFlags& v = g_ViewShown;
    AddHeader(p, u"Select Views");
    AddRow(p, u"Month", kFieldCheck, &v[ShownView::Month], 15);
    AddRow(p, u"Week", kFieldCheck, &v[ShownView::Week], 18);
    AddRow(p, u"Timeline Week", kFieldCheck, &v[ShownView::TimelineWeek], 23);
    AddRow(p, u"Dates", kFieldCheck, &v[ShownView::Dates], 20);
    if (Plus240()) AddRow(p, IsSquareScreen() ? u"Six Month" : u"Year", kFieldCheck, &v[ShownView::Year], 21);
    AddRow(p, u"Tasks", kFieldCheck, &v[ShownView::Tasks], 7);
    AddRow(p, u"Contacts", kFieldCheck, &v[ShownView::Contacts], 13);
    AddRow(p, u"Notes", kFieldCheck, &v[ShownView::Notes], 16);
    AddRow(p, u"Projects", kFieldCheck, &v[ShownView::Projects], 27);
    AddRow(p, u"Wallet", kFieldCheck, &v[ShownView::Wallet], 17);
}

void BuildCategoryOptions() {
    constexpr int p = kPageCategory;
    g_Options.optionsChanged = 0;
    AddHeader(p, u"Category");
    for (int i = 0; i < g_CatList.Size(); ++i) {
        const CatRecord& cat = g_CatList[i];
        if (IsPrjCat(cat.name)) continue;
        ValSnap& row = AddRow(p, cat.name.c_str(), kFieldIconColor, nullptr, cat.icon);
        row.numberValue = static_cast<LONG>(cat.colour);
    }
}

void BuildTaskOptions() {
    constexpr int p = kPageTasks;
    AppSettings& s = g_Settings;
    const bool shortSched = !Qvga() && FontSize() >= kShortLabelFont;
    const int schedLock = s.scheduleTasks != 0 ? kLocked : kPlain;
    AddHeader(p, u"Tasks");
    AddRow(p, u"Preview Pane", kFieldCheck, &s.taskPreview, 7);
    AddRow(p, u"Two Line List", kFieldCheck, &s.taskTwoLine, 7);
    AddRow(p, u"Color Overdue Red", kFieldCheck, &s.redOverdue, 7);
    AddRow(p, u"Cross Out Completed", kFieldCheck, &s.crossOut, 7);
    AddRow(p, u"Bold Task List Font", kFieldCheck, &s.tskBold, 7);
    AddRow(p, u"Hide Completed", kFieldCheck, &s.hideComplete, 7);
    AddRow(p, Pick(Plus240(), u"Follow Edited Task in List", u"Follow Task"), kFieldCheck, &s.followTask, 7);
    AddRow(p, u"Hide Empty Category", kFieldCheck, &s.hideEmptyCat, 7);
    AddHeader(p, u"Tasks on Agenda");
    AddRow(p, u"Schedule - No Tasks", kFieldCheck, &s.scheduleTasks, 15, {}, kDependents);
    AddRow(p, Pick(!shortSched, u"Schedule - Dated Tasks Only", u"Schedule - Dated Only"), kFieldCheck, &s.datedOnly, 15, {},
           schedLock);
    AddRow(p, Pick(!shortSched, u"Schedule - Overdue Today", u"Sched.-Overdue Today"), kFieldCheck, &s.overdueToday, 15, {},
           schedLock);
    AddRow(p, Pick(!shortSched, u"Schedule - Day's Active Tasks", u"Sched.-Day's Active"), kFieldCheck, &s.activeTasks, 15,
           {}, schedLock);
}

void BuildNoteOptions() {
    constexpr int p = kPageNotes;
    AppSettings& s = g_Settings;
    AddHeader(p, u"Notes");
    AddRow(p, u"Word Wrap", kFieldCheck, &s.wordWrap, 16);
    AddRow(p, u"Assign .txt files to ZQ", kFieldCheck, &s.textExt, 16);
    AddRow(p, u"Assign .pwi files to ZQ", kFieldCheck, &s.pwiExt, 16);
    ValSnap& dir = AddRow(p, u"Default Dir:", kFieldPath, &s.noteDir, 16);
    dir.rowOption = kPickFolder;
}

void BuildWalletOptions() {
    constexpr int p = kPageWallet;
    WltSettings& w = g_WltSettings;
    constexpr LONG kWalletIcon = 17;
    AddHeader(p, u"Vestral Wallet");
    AddRow(p, u"Never Mask Fields", kFieldCheck, &w.noMask, kWalletIcon);
    AddRow(p, u"Lock on Inactivity", kFieldCheck, &w.timeoutOn, kWalletIcon);
    AddRangeRow(p, u"Timeout After (min)", &w.timeoutMinutes, kWalletIcon, 2, kMaxWltTimeoutMinutes);
    AddHeader(p, u"Password Generation");
    AddRow(p, u"Only Lowercase", kFieldCheck, &w.genLowerOnly, kWalletIcon);
    AddRow(p, u"No Letters", kFieldCheck, &w.genDigitsOnly, kWalletIcon);
    AddRow(p, u"Use Numbers", kFieldCheck, &w.genDigits, kWalletIcon);
    AddRangeRow(p, u"Password Length", &w.genLength, kWalletIcon, 3, 16);
}

void FillSchedOptsPage() {
    constexpr int p = kPageSchedule;
    AppSettings& s = g_Settings;
    const bool l = Plus240();
    AddHeader(p, u"Schedule");
    AddRow(p, Pick(Vga() || Landscape(), u"Contact Birthdays / Anniversaries", u"Birthdays / Anniv."), kFieldCheck,
           &s.dateItems, 37);
    AddRow(p, u"Status Coloring", kFieldCheck, &s.statusColors, 28);
    AddRow(p, u"24 Hour Time", kFieldCheck, &s.hours24, 15);
    AddRow(p, u"ISO Weeks", kFieldCheck, &s.isoWeek, 15);
    AddRow(p, u"Monday Week Start", kFieldCheck, &s.mondayStart, 15);
    AddRow(p, u"Regional Appt. Fix", kFieldCheck, &s.regional, 15);
    AddRow(p, u"Cache Last Month", kFieldCheck, &s.cacheLast, 15);
    AddRow(p, u"'Go to' on Current", kFieldCheck, &s.gotoCurrent, 15);
    AddRow(p, u"Gray Out Previous", kFieldCheck, &s.grayOutPrev, 15);
    AddRow(p, Pick(l, u"Date Format", u"Dates"), kFieldChoice, &s.dateFormat, 15,
           {u"DD/MM/YYYY", u"MM/DD/YYYY", u"YY-MM-DD", u"DD.MM.YYYY"});
    // A stored value outside the lists leaves the index as it was.
    if (const int at = PositionOf(kReminderMinutes, s.defRem); at >= 0) g_Options.reminderIndex = at;
    if (const int at = PositionOf(kApptLengths, s.apptLength); at >= 0) g_Options.apptLengthIndex = at;
    AddRow(p, l ? u"Default Reminder" : (FontSize() <= kShortLabelFont ? u"Def. Reminder" : u"Def. Remind"), kFieldChoice,
           &g_Options.reminderIndex, 31,
           {Landscape() ? u"No Reminder" : u"No Rem.", u"1 Minute", u"5 Minutes", u"10 Minutes", u"15 Minutes", u"30 Minutes",
            u"1 Hour", u"2 Hours", u"5 Hours", u"1 Day", u"2 Days", u"1 Week"});
    AddRow(p, Pick(l, u"Def. Appt. Length", u"Appt. Length"), kFieldChoice, &g_Options.apptLengthIndex, 15,
           {u"15 min.", u"30 min.", u"45 min.", u"1 hour", u"90 min.", u"2 hour"});
    AddHeader(p, u"Calendar Options");
    AddRow(p, u"Text on Full Month", kFieldCheck, &s.calText, 15);
    AddRow(p, u"Big Calendar Icons", kFieldCheck, &s.bigQvgaLsCalIcons, 25);
    AddRow(p, u"Day Preview on Month", kFieldCheck, &s.splitMonth, 15, {}, kDependents);
    const int splitLock = s.splitMonth == 0 ? kLocked : kPlain;
    if ((Qvga() && Landscape()) || Vga() || IsSquare320Screen())
        AddRow(p, u"  Preview on Bottom", kFieldCheck, &s.botSplit, 30, {}, splitLock);
    if (l) AddRow(p, u"  Next Month Preview", kFieldCheck, &s.nextMonthPrev, 30, {}, splitLock);
    AddHeader(p, u"Day / Dates Options");
    AddRow(p, Pick(l, u"Agenda Format", u"Agenda"), kFieldChoice, &s.agendaFmt, 15, {u"One Line", u"Two Lines", u"Var. Height"});
    AddRow(p, u"Left Color Bar", kFieldCheck, &s.leftColorBar, 15);
    AddRow(p, u"Day Toolbar", kFieldCheck, &s.dayToolbar, 15);
    AddRow(p, u"Show Notes Text", kFieldCheck, &s.apptNotes, 16);
    AddRow(p, u"Text Start/End Times", kFieldCheck, &s.startEnd, 15);
    AddRow(p, u"Skip Empty Dates", kFieldCheck, &s.skipEmpty, 15);
    AddHeader(p, u"Week View / Preview");
    AddRow(p, u"Five Day Week", kFieldCheck, &s.fiveDayWeek, 18);
    AddRow(p, u"Horizontal Week View", kFieldCheck, &s.horzWeek, 18);
    AddRow(p, u"Back Week Colors", kFieldCheck, &s.backWeekColors, 18);
    AddRow(p, u"Start of Week", kFieldChoice, &s.startWeekMon, 18, {u"Selected", u"Monday", u"Sunday"});
    AddHeader(p, u"Timeline");
    AddRow(p, Pick(Qvga(), u"Timeline Bars on Calendar", u"Bars on Calendar"), kFieldCheck, &s.calendarBars, 19);
    AddRow(p, Pick(l, u"Timeline Bars on Day View", u"Bars on Day View"), kFieldCheck, &s.dayViewBars, 19);
    if (l) AddRow(p, u"Timeline Bar on Preview Title", kFieldCheck, &s.dayBarWeek, 19);
    ListHourChoices(AddRow(p, Pick(l, u"Timeline Start Time", u"Bar Start"), kFieldChoice, &s.barStart, 19));
    // The hour list ends at 23: an end of 24 is shown as midnight, 0.
    constexpr LONG kMidnight = 24;
    if (s.barEnd == kMidnight) s.barEnd = 0;
    ListHourChoices(AddRow(p, Pick(l, u"Timeline End Time", u"Bar End"), kFieldChoice, &s.barEnd, 19));
    AddRow(p, Pick(l, u"Shade Work Hours In Bar", u"Shade Work Hours"), kFieldCheck, &s.useBarWork, 19, {}, kDependents);
    const int workLock = s.useBarWork == 0 ? kLocked : kPlain;
    ListHourChoices(AddRow(p, Pick(l, u" > Bar Work Start", u"> Work Start"), kFieldChoice, &s.barWorkStart, 19, {}, workLock));
    ListHourChoices(AddRow(p, Pick(l, u" > Bar Work End", u" > Work End"), kFieldChoice, &s.barWorkEnd, 19, {}, workLock));
}

void FillCtsOptsPage() {
    constexpr int p = kPageContacts;
    AppSettings& s = g_Settings;
    const bool l = Qvga() || FontSize() < kShortLabelFont;
    AddHeader(p, u"Contacts");
    if (Ce5()) {
        AddRow(p, u"Contact Grid List", kFieldCheck, &s.ctsIcon, 13, {}, kDependents);
        AddRow(p, u"Photo List", kFieldCheck, &s.photo, 13, {}, s.ctsIcon != 0 ? kLocked : kPlain);
    }
    AddRow(p, u"Display Company", kFieldCheck, &s.dispCompany, 14);
    AddRow(p, Pick(l, u"Name Format", u"Format"), kFieldChoice, &s.firstLast, 13, {u"Last, First", u"First Last", u"File As"});
    AddHeader(p, u"Contact View Search");
    AddRow(p, u"ABC Toolbar", kFieldCheck, &s.abcTb, 13);
    AddRow(p, u"Smart Num Pad Search", kFieldCheck, &s.smartNumSearch, 13);
    AddRow(p, u"Timeout Text Search", kFieldCheck, &s.timeoutSearch, 13);
    AddRow(p, Pick(l, u"Text Search- Last Names Only", u"ABC Search - Last Only"), kFieldCheck, &s.lastNamesOnly, 13);
    AddRow(p, Pick(l, u"Text Search- Company Name", u"ABC Search - Company"), kFieldCheck, &s.searchCompany, 14);
}

void FillPrjOptsPage() {
    constexpr int p = kPageProjects;
    constexpr LONG kPrjIcon = 27;
    PrjOptions& o = g_PrjOptions;
    const bool l = Qvga() || FontSize() < kShortLabelFont;
    const int outLock = o.outFolder == 0 ? kLocked : kPlain;
    AddHeader(p, u"Projects");
    AddRow(p, u"Progress Bars", kFieldCheck, &o.progress, kPrjIcon);
    AddRow(p, Pick(l, u"Show Appointment Date", u"Show Appt. Date"), kFieldCheck, &o.date, kPrjIcon);
    AddRow(p, Pick(l, u"Month Load", u"Load"), kFieldChoice, &o.monthLoad, kPrjIcon,
           {Pick(Qvga(), u"Current Month", u"Current"), u"Prev/Cur/Next", Pick(Qvga(), u"Next 3 Months", u"Next 3"),
            u"Next 6 Months"});
    AddRow(p, u"Outlook Folders", kFieldCheck, &o.outFolder, kPrjIcon, {}, kDependents);
    AddRow(p, Pick(l, u"> Always Show All Available", u"> Show All Avail."), kFieldCheck, &o.poomBelow, kPrjIcon, {}, outLock);
    AddRow(p, Pick(l, u"> Contacts by Company", u"> Contacts by Comp."), kFieldCheck, &o.ctsCom, kPrjIcon, {}, outLock);
    AddRow(p, u"> Sort by Category", kFieldCheck, &o.showCat, kPrjIcon, {}, outLock);
}

void FillOptionsPage(int page) {
    if (page < 0 || page >= kOptionPageCount || g_Options.filled[static_cast<std::size_t>(page)] != 0) return;
    using Builder = void (*)();
    static constexpr Builder kBuilders[kOptionPageCount] = {
        BuildGeneralOptions, FillDisplayOptsPage, BuildViewOptions, BuildCategoryOptions, FillSchedOptsPage,
        BuildTaskOptions,    FillCtsOptsPage,     BuildNoteOptions, BuildWalletOptions,   FillPrjOptsPage,
    };
    kBuilders[page]();
    g_Options.filled[static_cast<std::size_t>(page)] = 1;
}

void ClearOptionTables() {
    for (ValSnapArray& table : g_Options.pages) table.RemoveAll();
    g_Options.filled.fill(0);
}

void RecaptureOptionRows(int page) {
    for (ValSnap& row : g_Options.pages[static_cast<std::size_t>(page)]) ValSnapCapture(row);
}
