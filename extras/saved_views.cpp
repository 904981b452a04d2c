// Saved views: the record and "savedviews.dat", saving the current view under a name, applying one,
// and the dialog that picks or deletes one.
#include "extras/saved_views.h"

#include "calendar/agenda_switch.h"
#include "calendar/calendar_nav.h"
#include "calendar/month_view.h"
#include "calendar/timeline_week.h"
#include "core/app_settings.h"
#include "core/cat_file.h"
#include "core/cts_order.h"
#include "core/file_handle.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/program_folder.h"
#include "core/res_string.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "extras/extra_commands.h"
#include "extras/spinner_items.h"
#include "lists/cts_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/kernel.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/frame_calls.h"
#include "ui/text_prompt.h"

SavedViewList g_SavedViews;

namespace {

using Setting = LONG AppSettings::*;

// The 13 schedule words; APPTONELINE has no setting of its own here and is only carried.
constexpr Setting kScheduleSettings[kScheduleWords] = {
    &AppSettings::scheduleFilterOn, &AppSettings::scheduleTasks, &AppSettings::datedOnly,
    &AppSettings::overdueToday,     &AppSettings::activeTasks,   &AppSettings::dateItems,
    nullptr,                        &AppSettings::dayViewBars,   &AppSettings::skipEmpty,
    &AppSettings::splitMonth,       &AppSettings::botSplit,      &AppSettings::nextMonthPrev,
    &AppSettings::calendarBars,
};
constexpr Setting kWeekTaskSettings[kWeekTaskWords] = {
    &AppSettings::dayBarWeek,  &AppSettings::fiveDayWeek, &AppSettings::horzWeek,     &AppSettings::startWeekMon,
    &AppSettings::taskFilterOn, &AppSettings::taskSort,   &AppSettings::taskPreview,  &AppSettings::taskTwoLine,
    &AppSettings::hideComplete, &AppSettings::hideEmptyCat,
};
constexpr Setting kContactSettings[kContactWords] = {
    &AppSettings::contactFilterOn, &AppSettings::contactSort, &AppSettings::photo,
    &AppSettings::dispCompany,     &AppSettings::firstLast,
};
// The first word of each group is the view's own filter switch, which the global filter overrides.
constexpr int kFilterWord = 0;
constexpr int kFirstTaskWord = 4;
// SPLITMONTH, the first of the month view's own schedule words; the three before it belong to the
// day and agenda views.
constexpr int kFirstMonthWord = 9;

enum class Group { Schedule, WeekTask, Contact };

// Which words of which group a view keeps: [first, last).
struct ViewWords {
    LONG view;
    Group group;
    int first;
    int last;
};
constexpr ViewWords kViewWords[] = {
    {kViewMonth, Group::Schedule, 0, 6},
    {kViewMonth, Group::Schedule, kFirstMonthWord, kScheduleWords},
    {kViewWeek, Group::Schedule, 0, 6},
    {kViewWeek, Group::WeekTask, 0, kFirstTaskWord},
    {kViewTimelineWeek, Group::Schedule, 0, 6},
    {kViewTimelineWeek, Group::WeekTask, 0, kFirstTaskWord},
    {kViewDates, Group::Schedule, 0, kFirstMonthWord},
    {kViewDay, Group::Schedule, 0, kFirstMonthWord},
    {kViewTasks, Group::WeekTask, kFirstTaskWord, kWeekTaskWords},
    {kViewContacts, Group::Contact, 0, kContactWords},
};

struct GroupRef {
    LONG* words;
    const Setting* settings;
};
GroupRef GroupOf(SavedView& view, Group group) {
    switch (group) {
    case Group::Schedule: return {view.schedule.data(), kScheduleSettings};
    case Group::WeekTask: return {view.weekTask.data(), kWeekTaskSettings};
    case Group::Contact: return {view.contact.data(), kContactSettings};
    }
    return {nullptr, nullptr};
}

bool GlobalFilterSet(LONG globalFilter) { return globalFilter != 0 && globalFilter != -1; }

// Copies the view's words between the record and the settings; the view's own filter switch only
// without the global filter. Returns the filter value that decides about the categories.
LONG MoveWords(SavedView& view, bool toRecord) {
    const bool global = GlobalFilterSet(view.globalFilter);
    LONG deciding = global ? view.globalFilterOn : 0;
    for (const ViewWords& words : kViewWords) {
        if (words.view != view.viewCode) continue;
        const GroupRef ref = GroupOf(view, words.group);
        for (int i = words.first; i < words.last; ++i) {
            const Setting setting = ref.settings[i];
            if (setting == nullptr) continue;
            const bool filter = i == (words.group == Group::WeekTask ? kFirstTaskWord : kFilterWord);
            if (filter && global) continue;
            if (toRecord) ref.words[i] = g_Settings.*setting;
            else g_Settings.*setting = ref.words[i];
            if (filter) deciding = ref.words[i];
        }
    }
    if (view.viewCode == kViewMonth) {
        if (toRecord) view.calText = g_Settings.calText;
        else g_Settings.calText = view.calText;
    }
    return deciding;
}

bool HidesPrivate(LONG view) { return view != kViewContacts && view >= kViewMonth && view <= kViewDay && view != kViewYear; }

void RecordShownDate(SavedView& view) {
    view.shownDate = {g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay};
}

bool AskYes(HWND parent, UINT id) { return ShowResMessage(parent, id, MB_YESNO | MB_ICONQUESTION) == IDYES; }

bool ShownDateIsToday(const SavedView& view) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return view.shownDate[0] == now.wYear && view.shownDate[1] == now.wMonth && view.shownDate[2] == now.wDay;
}

void AskDates(SavedView& view, HWND parent) {
    switch (view.viewCode) {
    case kViewMonth:
    case kViewWeek:
    case kViewTimelineWeek:
        view.datesSaved = AskYes(parent, IDS_SAVE_VIEW_DATES) ? 1 : 0;
        RecordShownDate(view);
        if (view.viewCode != kViewMonth) view.weekDate = g_SelectedDate;
        break;
    case kViewDay:
        view.daySourceView = g_Frame.prevViewId;
        RecordShownDate(view);
        view.datesSaved = AskYes(parent, IDS_SAVE_VIEW_DATES) ? 1 : 0;
        if (view.datesSaved == 0 && ShownDateIsToday(view) && AskYes(parent, IDS_ASSOCIATE_VIEW_TODAY)) {
            view.withToday = 1;
        }
        break;
    case kViewDates: RecordShownDate(view); break;
    default: break;
    }
}

void ShowSavedDate(const SavedView& view) {
    if (view.datesSaved != 0 && view.shownDate[0] > 0) {
        g_SelectedDate = DateRec(view.shownDate[0], view.shownDate[1], view.shownDate[2]);
        LoadApptsForMonth(1, 0);
    } else if (view.viewCode == kViewDay && view.withToday != 0) {
        ReadTodayDate();
        SelectToday();
    }
}

void ShowAppliedView(const SavedView& view) {
    switch (view.viewCode) {
    case kViewMonth:
        // The grid drawn before may be of another month or drawn with other switches.
        DropMonthGridCache();
        ShowMonthView();
        break;
    case kViewWeek: ShowWeekView(); break;
    case kViewTimelineWeek: ShowTimelineWeek(view.datesSaved == 0); break;
    case kViewDates:
        FreeBackBuffers();
        ShowDatesView();
        break;
    case kViewDay:
        FreeBackBuffers();
        ShowDayView();
        break;
    case kViewTasks: ShowTasksView(); break;
    case kViewContacts: ShowContactsView(); break;
    default: break;
    }
}

FileHandle OpenViewsFile(const WCHAR* mode) { return FileHandle(_wfopen(ProgramFolderFile(kSavedViewsFile).c_str(), mode)); }

void Numbers(RecordFile& file, bool store, std::initializer_list<LONG*> numbers) {
    for (LONG* number : numbers) {
        if (store) WriteNumLine(file, *number);
        else *number = ReadNumLine(file);
    }
}
template <std::size_t N>
void NumberArray(RecordFile& file, bool store, std::array<LONG, N>& numbers) {
    for (LONG& number : numbers) Numbers(file, store, {&number});
}
void Text(RecordFile& file, bool store, std::u16string& text) {
    if (store) WriteStrLine(file, text);
    else text = ReadStrLine(file);
}

// Counted lists inside the record; a damaged count stops at the end of the file.
template <class E, class Serialize>
void CountedList(RecordFile& file, bool store, RecordArray<E>& list, Serialize serialize) {
    if (store) {
        WriteNumLine(file, list.Size());
        for (E& element : list) serialize(element, file, true);
        return;
    }
    list.RemoveAll();
    const LONG count = ReadNumLine(file);
    for (LONG i = 0; i < count && !file.endOfFile; ++i) {
        E element;
        if (!serialize(element, file, false)) break;
        list.Append(std::move(element));
    }
}

}  // namespace

bool SavedViewSerialize(SavedView& view, RecordFile& file, bool store) {
    LONG version = kSavedViewVersion;
    Numbers(file, store, {&version, &view.viewCode, &view.daySourceView, &view.globalFilter, &view.globalFilterOn,
                          &view.hidePrivate, &view.datesSaved, &view.withToday});
    NumberArray(file, store, view.shownDate);
    LONG week[8] = {view.weekDate.wYear, view.weekDate.wMonth,  view.weekDate.wDayOfWeek, view.weekDate.wDay,
                    view.weekDate.wHour, view.weekDate.wMinute, view.weekDate.wSecond,    view.weekDate.wMilliseconds};
    for (LONG& part : week) Numbers(file, store, {&part});
    if (!store) {
        view.weekDate = DateRec{};
        view.weekDate.wYear = static_cast<WORD>(week[0]);
        view.weekDate.wMonth = static_cast<WORD>(week[1]);
        view.weekDate.wDay = static_cast<WORD>(week[3]);
        view.weekDate.wHour = static_cast<WORD>(week[4]);
        view.weekDate.wMinute = static_cast<WORD>(week[5]);
        view.weekDate.wSecond = static_cast<WORD>(week[6]);
        view.weekDate.wMilliseconds = static_cast<WORD>(week[7]);
        if (view.weekDate.wYear != 0) DateSetDow(view.weekDate);
    }
    NumberArray(file, store, view.schedule);
    NumberArray(file, store, view.weekTask);
    NumberArray(file, store, view.contact);
    Numbers(file, store, {&view.typeAheadLetter, &view.contactState});
    Text(file, store, view.typeAheadText);
    Text(file, store, view.name);
    Numbers(file, store, {&view.index});
    CountedList(file, store, view.categories, CatSerialize);
    CountedList(file, store, view.listRows, SerializeRowRec);
    Numbers(file, store, {&view.keypadSearch, &view.keypadIndex});
    NumberArray(file, store, view.keypadKeys);
    if (version >= 2) NumberArray(file, store, view.reserved);
    if (version >= 3) Numbers(file, store, {&view.calText});
    return !file.endOfFile;
}

bool SavedViewsLoadedAndEmpty() { return g_SavedViews.loaded && g_SavedViews.views.IsEmpty(); }

void LoadSavedViews() {
    const FileHandle handle = OpenViewsFile(u"r");
    if (handle) {
        RecordFile file;
        file.file = handle.get();
        file.textMode = TRUE;
        g_SavedViews.views.RemoveAll();
        const LONG count = ReadNumLine(file);
        for (LONG i = 0; i < count && !file.endOfFile; ++i) {
            SavedView view;
            if (!SavedViewSerialize(view, file, false)) break;
            g_SavedViews.views.Append(std::move(view));
        }
    }
    g_SavedViews.loaded = true;
}

void SaveSavedViews() {
    const FileHandle handle = OpenViewsFile(u"w");
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, g_SavedViews.views.Size());
    for (SavedView& view : g_SavedViews.views) SavedViewSerialize(view, file, true);
}

int InsertSavedView(const SavedView& view) {
    SavedViewArray& views = g_SavedViews.views;
    int at = views.Size();
    for (int i = 0; i < views.Size(); ++i) {
        if (_wcsicmp(views[i].name.c_str(), view.name.c_str()) > 0) {
            at = i;
            break;
        }
    }
    return views.InsertAt(at, view);
}

namespace {

constexpr WCHAR kNoKey = static_cast<WCHAR>(-1);

// The contact list's letter type-ahead and keypad key sequence, into the record.
void CaptureContactSearch(SavedView& view) {
    view.typeAheadLetter = g_CtsTypeAhead.letter;
    view.typeAheadText = g_CtsTypeAhead.text;
    view.contactState = g_CtsTypeAhead.extend;
    view.keypadIndex = g_KeypadKeys.last;
    for (std::size_t i = 0; i < view.keypadKeys.size(); ++i) {
        const WCHAR key = g_KeypadKeys.keys[i];
        view.keypadKeys[i] = key == kNoKey ? -1 : static_cast<LONG>(key);
    }
}

// Back from the record; the next key typed starts a search of its own.
void RestoreContactSearch(const SavedView& view) {
    g_CtsTypeAhead.letter = static_cast<WCHAR>(view.typeAheadLetter);
    g_CtsTypeAhead.text = view.typeAheadText;
    g_CtsTypeAhead.extend = view.contactState;
    g_CtsTypeAhead.lastTick = 0;
    const LONG last = view.keypadIndex;
    g_KeypadKeys.last = last >= 0 && last < kKeypadKeyCount ? last : -1;
    for (std::size_t i = 0; i < view.keypadKeys.size(); ++i) {
        const LONG key = view.keypadKeys[i];
        g_KeypadKeys.keys[i] = key < 0 ? kNoKey : static_cast<WCHAR>(key);
    }
}

// The loaded lists are kept in the order of their sort settings: a changed one is read again in the
// new order.
void ResortLists(LONG viewCode, LONG oldTaskSort) {
    if (viewCode == kViewTasks && g_Settings.taskSort != oldTaskSort && g_LoadState.tasksLoaded != 0) {
        LoadTskList(1);
    }
    if (viewCode == kViewContacts && g_LoadState.contactsLoaded != 0) {
        const LONG mode = g_Settings.contactSort;
        if (mode == kCtsModeCompany) {
            SortCtsByCompany();
        } else {
            SortCtsByName();
            g_Settings.contactSort = mode;
        }
    }
}

}  // namespace

void SaveViewFromCurrent(SavedView& view, HWND parent) {
    view.index = -1;
    view.viewCode = ViewId;
    view.globalFilter = g_Settings.globalFilter;
    if (GlobalFilterSet(view.globalFilter)) view.globalFilterOn = g_Settings.globalFilterOn;
    if (HidesPrivate(view.viewCode)) view.hidePrivate = g_Settings.hidePrivate;
    const LONG deciding = MoveWords(view, true);
    if (view.viewCode == kViewContacts) {
        view.keypadSearch = g_Settings.smartNumSearch;
        CaptureContactSearch(view);
    }
    AskDates(view, parent);
    if (deciding != 0) CopyCatList(g_CatList, view.categories);
}

void SaveViewCmd() {
    g_PromptText.clear();
    if (PromptTextById(g_Frame.mainWnd, IDS_SAVED_VIEW, IDS_ENTER_VIEW_NAME) != kDlgAccept || g_PromptText.empty()) {
        return;
    }
    if (!g_SavedViews.loaded) LoadSavedViews();
    SavedView view;
    view.name = g_PromptText;
    SaveViewFromCurrent(view, g_Frame.mainWnd);
    InsertSavedView(view);
    SaveSavedViews();
}

void ApplySavedView(int index) {
    if (index < 0 || index >= g_SavedViews.views.Size()) return;
    SavedView view = g_SavedViews.views[index];
    g_Settings.globalFilter = view.globalFilter;
    if (GlobalFilterSet(view.globalFilter)) g_Settings.globalFilterOn = view.globalFilterOn;
    bool known = false;
    for (const ViewWords& words : kViewWords) known = known || words.view == view.viewCode;
    if (!known) return;
    if (HidesPrivate(view.viewCode)) g_Settings.hidePrivate = view.hidePrivate;
    const LONG oldTaskSort = g_Settings.taskSort;
    const LONG deciding = MoveWords(view, false);
    if (view.viewCode == kViewContacts) {
        // The contact list starts without a search when it is made: made first, it keeps the one
        // put back here when this view is applied from another one.
        CreateCtsList(g_Frame.mainWnd);
        g_Settings.smartNumSearch = view.keypadSearch;
        RestoreContactSearch(view);
    }
    ResortLists(view.viewCode, oldTaskSort);
    ShowSavedDate(view);
    if (deciding != 0) MergeCatArrays(view.categories, g_CatList);
    if (view.viewCode == kViewDay && view.daySourceView >= 0) g_Frame.prevViewId = view.daySourceView;
    ShowAppliedView(view);
    // Showing the day view remembers the view it was opened over; Back goes to the saved one instead.
    if (ViewId == kViewDay && view.viewCode == kViewDay && view.daySourceView >= 0) {
        g_Frame.prevViewId = view.daySourceView;
    }
}

void ApplySavedViewByName(const std::u16string& name) {
    if (!g_SavedViews.loaded) LoadSavedViews();
    for (int i = g_SavedViews.views.Size() - 1; i >= 0; --i) {
        if (platform::EqualNoCase(g_SavedViews.views[i].name, name)) return ApplySavedView(i);
    }
}

void SavedViewsCmd() {
    if (!g_SavedViews.loaded) LoadSavedViews();
    if (g_SavedViews.views.IsEmpty()) {
        ShowResMessage(g_Frame.mainWnd, IDS_NO_SAVED_VIEWS, MB_OK | MB_ICONINFORMATION);
        return;
    }
    ApplySavedView(SavedViewsDlg(g_Frame.mainWnd));
}

void ShowSavedViews() { SavedViewsCmd(); }
