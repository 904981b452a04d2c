// The program's display and behaviour settings as one record of 32-bit words and the notes folder,
// with the table of their registry value names and built-in defaults in the order the save writes
// them, and the ten switches that put the main views into the view cycle.
#pragma once

#include <iterator>
#include <string>

#include "platform/types.h"

// How one value of the settings key is stored and written.
enum class SettingKind {
    Number,    // REG_DWORD, read and written as it stands
    FirstRun,  // "FIRSTTIME": always written as 1; its presence clears the first-run flag
    FilterOn,  // a filter-on flag: stored only while "PERSISTFILTER" is nonzero
    Text,      // "NOTEDIR": REG_SZ from the notes folder text
};

struct AppSettings {
    AppSettings();  // every value of kSettingTable at its default

    LONG firstRun, initLocText, initUserText, initRegion, globalFilter, persistFilter;
    LONG globalFilterOn, taskFilterOn, contactFilterOn, notesFilterOn, walletFilterOn, scheduleFilterOn;
    LONG firstLast, loadPoom, startContactSpin, parseText, clockTitle, fontSize, shadowText, wordWrap;
    LONG hidePrivate, cList, startColl, viewMenu3, confirmDel, calendarBars, statusColors, dateItems;
    LONG apptNotes, showCat, catColors, agendaFmt, hours24, leftColorBar, dayToolbar, startEnd;
    LONG mondayStart, isoWeek, bigQvgaLsCalIcons, calText, grayOutPrev, dateFormat, defRem, apptLength;
    LONG autoCaps, listEdit, skipEmpty, splitMonth, botSplit, nextMonthPrev, dayViewBars, gotoCurrent;
    LONG compressDlg, startOn30, fiveDayWeek, horzWeek, dayBarWeek, backWeekColors, startWeekMon;
    LONG barStart, barEnd, useBarWork, barWorkStart, barWorkEnd;
    LONG taskSort, taskSort2, taskSort3, taskSortAsc1, taskSortAsc2, taskSortAsc3;
    LONG contactSortMirror;  // "CONTACTSORT" is saved from the mirror; the load fills both words
    LONG taskPreview, followTask, taskTwoLine, taskDateAction, redOverdue, crossOut, tskBold;
    LONG hideComplete, hideEmptyCat, scheduleTasks, datedOnly, overdueToday, activeTasks, regional;
    LONG cacheLast, abcTb, abcTbDown, ctsIcon, photo, dispCompany, searchCompany, lastNamesOnly;
    LONG smartNumSearch, timeoutSearch, textExt, pwiExt, searchContacts, searchTasks, searchAppts;
    std::u16string noteDir;

    // Variables beside the registry values.
    LONG contactSort = 0;        // the contacts view mode itself
    LONG smallFontHeight = 12;   // follows "FONTSIZE" and the screen class
    std::u16string curNoteDir;   // the folder the notes view works in
    LONG calendarShortcut = 0, taskShortcut = 0, contactShortcut = 0;
    LONG lastForStart = -1;      // remembered start view ("LASTFORSTART")
    LONG ce5OrLater = 1;         // the system is version 5 or later; set at start-up
};

struct SettingDef {
    const WCHAR* name;
    LONG AppSettings::*field;  // null for the text value
    LONG defaultValue;
    SettingKind kind;
};

inline constexpr const WCHAR* kDefaultNoteDir = u"\\My Documents";

// The values of the settings key in the order in which they are written.
inline constexpr SettingDef kSettingTable[] = {
    {u"FIRSTTIME", &AppSettings::firstRun, 1, SettingKind::FirstRun},
    {u"INITLOCTEXT", &AppSettings::initLocText, 1, SettingKind::Number},
    {u"INITUSERTEXT", &AppSettings::initUserText, 1, SettingKind::Number},
    {u"INITREGION", &AppSettings::initRegion, 1, SettingKind::Number},
    {u"GLOBALFILTER", &AppSettings::globalFilter, 1, SettingKind::Number},
    {u"PERSISTFILTER", &AppSettings::persistFilter, 0, SettingKind::Number},
    {u"GLOBALFILTERON", &AppSettings::globalFilterOn, 0, SettingKind::FilterOn},
    {u"TASKFILTERON", &AppSettings::taskFilterOn, 0, SettingKind::FilterOn},
    {u"CONTACTFILTERON", &AppSettings::contactFilterOn, 0, SettingKind::FilterOn},
    {u"NOTESFILTERON", &AppSettings::notesFilterOn, 0, SettingKind::FilterOn},
    {u"WALLETFILTERON", &AppSettings::walletFilterOn, 0, SettingKind::FilterOn},
    {u"SCHEDULEFILTERON", &AppSettings::scheduleFilterOn, 0, SettingKind::FilterOn},
    {u"FIRSTLAST", &AppSettings::firstLast, 0, SettingKind::Number},
    {u"LOADPOOM", &AppSettings::loadPoom, 0, SettingKind::Number},
    {u"STARTCONTACTSPIN", &AppSettings::startContactSpin, 0, SettingKind::Number},
    {u"PARSETEXT", &AppSettings::parseText, 1, SettingKind::Number},
    {u"CLOCKTITLE", &AppSettings::clockTitle, 1, SettingKind::Number},
    {u"FONTSIZE", &AppSettings::fontSize, 14, SettingKind::Number},
    {u"SHADOWTEXT", &AppSettings::shadowText, 0, SettingKind::Number},
    {u"WORDWRAP", &AppSettings::wordWrap, 0, SettingKind::Number},
    {u"HIDEPRIVATE", &AppSettings::hidePrivate, 0, SettingKind::Number},
    {u"CLIST", &AppSettings::cList, 1, SettingKind::Number},
    {u"STARTCOLL", &AppSettings::startColl, 0, SettingKind::Number},
    {u"VIEWMENU3", &AppSettings::viewMenu3, 2, SettingKind::Number},
    {u"CONFIRMDEL", &AppSettings::confirmDel, 1, SettingKind::Number},
    {u"CALENDARBARS", &AppSettings::calendarBars, 1, SettingKind::Number},
    {u"STATUSCOLORS", &AppSettings::statusColors, 1, SettingKind::Number},
    {u"DATEITEMS", &AppSettings::dateItems, 1, SettingKind::Number},
    {u"APPTNOTES", &AppSettings::apptNotes, 1, SettingKind::Number},
    {u"SHOWCAT", &AppSettings::showCat, 1, SettingKind::Number},
    {u"CATCOLORS", &AppSettings::catColors, 0, SettingKind::Number},
    {u"AGENDAFMT", &AppSettings::agendaFmt, 1, SettingKind::Number},
    {u"24HOURS", &AppSettings::hours24, 0, SettingKind::Number},
    {u"LEFTCOLORBAR", &AppSettings::leftColorBar, 1, SettingKind::Number},
    {u"DAYTOOLBAR", &AppSettings::dayToolbar, 0, SettingKind::Number},
    {u"STARTEND", &AppSettings::startEnd, 1, SettingKind::Number},
    {u"MONDAYSTART", &AppSettings::mondayStart, 0, SettingKind::Number},
    {u"ISOWEEK", &AppSettings::isoWeek, 0, SettingKind::Number},
    {u"BIGQVGALSCALICONS", &AppSettings::bigQvgaLsCalIcons, 1, SettingKind::Number},
    {u"CALTEXT", &AppSettings::calText, 0, SettingKind::Number},
    {u"GRAYOUTPREV", &AppSettings::grayOutPrev, 0, SettingKind::Number},
    {u"DATEFORMAT", &AppSettings::dateFormat, 1, SettingKind::Number},
    {u"DEFREM", &AppSettings::defRem, 0, SettingKind::Number},
    {u"APPTLENGTH", &AppSettings::apptLength, 60, SettingKind::Number},
    {u"AUTOCAPS", &AppSettings::autoCaps, 1, SettingKind::Number},
    {u"LISTEDIT", &AppSettings::listEdit, 1, SettingKind::Number},
    {u"SKIPEMPTY", &AppSettings::skipEmpty, 1, SettingKind::Number},
    {u"SPLITMONTH", &AppSettings::splitMonth, 1, SettingKind::Number},
    {u"BOTSPLIT", &AppSettings::botSplit, 1, SettingKind::Number},
    {u"NEXTMONTHPREV", &AppSettings::nextMonthPrev, 0, SettingKind::Number},
    {u"DAYVIEWBARS", &AppSettings::dayViewBars, 1, SettingKind::Number},
    {u"GOTOCURRENT", &AppSettings::gotoCurrent, 0, SettingKind::Number},
    {u"COMPRESSDLG", &AppSettings::compressDlg, 1, SettingKind::Number},
    {u"STARTON30", &AppSettings::startOn30, 10, SettingKind::Number},
    {u"FIVEDAYWEEK", &AppSettings::fiveDayWeek, 0, SettingKind::Number},
    {u"HORZWEEK", &AppSettings::horzWeek, 0, SettingKind::Number},
    {u"DAYBARWEEK", &AppSettings::dayBarWeek, 1, SettingKind::Number},
    {u"BACKWEEKCOLORS", &AppSettings::backWeekColors, 0, SettingKind::Number},
    {u"STARTWEEKMON", &AppSettings::startWeekMon, 0, SettingKind::Number},
    {u"BARSTART", &AppSettings::barStart, 0, SettingKind::Number},
    {u"BAREND", &AppSettings::barEnd, 24, SettingKind::Number},
    {u"USEBARWORK", &AppSettings::useBarWork, 1, SettingKind::Number},
    {u"BARWORKSTART", &AppSettings::barWorkStart, 8, SettingKind::Number},
    {u"BARWORKEND", &AppSettings::barWorkEnd, 17, SettingKind::Number},
    {u"TASKSORT", &AppSettings::taskSort, 1, SettingKind::Number},
    {u"TASKSORT2", &AppSettings::taskSort2, 0, SettingKind::Number},
    {u"TASKSORT3", &AppSettings::taskSort3, 4, SettingKind::Number},
    {u"TASKSORTASC1", &AppSettings::taskSortAsc1, 0, SettingKind::Number},
    {u"TASKSORTASC2", &AppSettings::taskSortAsc2, 1, SettingKind::Number},
    {u"TASKSORTASC3", &AppSettings::taskSortAsc3, 1, SettingKind::Number},
    {u"CONTACTSORT", &AppSettings::contactSortMirror, 0, SettingKind::Number},
    {u"TASKPREVIEW", &AppSettings::taskPreview, 0, SettingKind::Number},
    {u"FOLLOWTASK", &AppSettings::followTask, 1, SettingKind::Number},
    {u"TASKTWOLINE", &AppSettings::taskTwoLine, 0, SettingKind::Number},
    {u"TASKDATEACTION", &AppSettings::taskDateAction, 1, SettingKind::Number},
    {u"REDOVERDUE", &AppSettings::redOverdue, 1, SettingKind::Number},
    {u"CROSSOUT", &AppSettings::crossOut, 1, SettingKind::Number},
    {u"TSKBOLD", &AppSettings::tskBold, 0, SettingKind::Number},
    {u"HIDECOMPLETE", &AppSettings::hideComplete, 0, SettingKind::Number},
    {u"HIDEEMPTYCAT", &AppSettings::hideEmptyCat, 1, SettingKind::Number},
    {u"SCHEDULETASKS", &AppSettings::scheduleTasks, 0, SettingKind::Number},
    {u"DATEDONLY", &AppSettings::datedOnly, 1, SettingKind::Number},
    {u"OVERDUETODAY", &AppSettings::overdueToday, 1, SettingKind::Number},
    {u"ACTIVETASKS", &AppSettings::activeTasks, 0, SettingKind::Number},
    {u"REGIONAL", &AppSettings::regional, 0, SettingKind::Number},
    {u"CACHELAST", &AppSettings::cacheLast, 1, SettingKind::Number},
    {u"ABCTB", &AppSettings::abcTb, 0, SettingKind::Number},
    {u"ABCTBDown", &AppSettings::abcTbDown, 0, SettingKind::Number},
    {u"CTSICON", &AppSettings::ctsIcon, 0, SettingKind::Number},
    {u"PHOTO", &AppSettings::photo, 0, SettingKind::Number},
    {u"DISPCOMPANY", &AppSettings::dispCompany, 1, SettingKind::Number},
    {u"SEARCHCOMPANY", &AppSettings::searchCompany, 0, SettingKind::Number},
    {u"LASTNAMESONLY", &AppSettings::lastNamesOnly, 0, SettingKind::Number},
    {u"SMARTNUMSEARCH", &AppSettings::smartNumSearch, 1, SettingKind::Number},
    {u"TIMEOUTSEARCH", &AppSettings::timeoutSearch, 1, SettingKind::Number},
    {u"NOTEDIR", nullptr, 0, SettingKind::Text},
    {u"TEXTEXT", &AppSettings::textExt, 0, SettingKind::Number},
    {u"PWIEXT", &AppSettings::pwiExt, 0, SettingKind::Number},
    {u"SEARCHCONTACTS", &AppSettings::searchContacts, 1, SettingKind::Number},
    {u"SEARCHTASKS", &AppSettings::searchTasks, 1, SettingKind::Number},
    {u"SEARCHAPPTS", &AppSettings::searchAppts, 1, SettingKind::Number},
};

// The ten main views that can be taken out of the view cycle, in the order they are read.
enum class ShownView { Month, Dates, Week, TimelineWeek, Tasks, Contacts, Notes, Projects, Wallet, Year, Count };

struct ViewShownDef {
    const WCHAR* name;
    LONG defaultValue;
};

// Indexed by ShownView.
inline constexpr ViewShownDef kViewShownTable[] = {
    {u"VIEW_MONTH", 1},    {u"VIEW_DATES", 1},    {u"VIEW_WEEK", 1},  {u"VIEW_BARWEEK", 1},
    {u"VIEW_TASKS", 1},    {u"VIEW_CONTACTS", 1}, {u"VIEW_NOTES", 1}, {u"VIEW_PROJECT", 1},
    {u"VIEW_WALLET", 1},   {u"VIEW_YEAR", 0},
};
static_assert(std::size(kViewShownTable) == static_cast<std::size_t>(ShownView::Count));

// The order in which the switches are written (the timeline week is stored after the week).
inline constexpr ShownView kViewShownSaveOrder[] = {
    ShownView::Month, ShownView::Week,     ShownView::TimelineWeek, ShownView::Dates,  ShownView::Tasks,
    ShownView::Contacts, ShownView::Notes, ShownView::Projects,     ShownView::Wallet, ShownView::Year,
};

struct ViewShownFlags {
    ViewShownFlags();  // the defaults of kViewShownTable
    LONG flags[static_cast<int>(ShownView::Count)];
    LONG& operator[](ShownView view) { return flags[static_cast<int>(view)]; }
    LONG operator[](ShownView view) const { return flags[static_cast<int>(view)]; }
};

// The settings of this run: read once at main-window creation, written back after every change.
extern AppSettings g_Settings;
extern ViewShownFlags g_ViewShown;
