// The launcher's entries and "quickspin.dat": default entries, the upkeep scans and running the
// entry at the front of the wheel.
#include "extras/spinner_items.h"

#include <algorithm>
#include <array>

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/timeline_week.h"
#include "calendar/year_view.h"
#include "core/cur_item.h"
#include "core/file_handle.h"
#include "core/program_folder.h"
#include "core/screen_class.h"
#include "editors/item_commands.h"
#include "extras/saved_views.h"
#include "extras/search.h"
#include "extras/spinner.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "notes/notes_view.h"
#include "platform/files.h"
#include "platform/text.h"
#include "projects/prj_view.h"
#include "ui/frame_calls.h"
#include "ui/shell_actions.h"
#include "wallet/wlt_view.h"

SpinnerItems g_Spinner;

namespace {

constexpr LONG kSpinEntryVersion = 1;

void ShowTimelineFresh() { ShowTimelineWeek(true); }
void NewTaskEditor() { NewTskFormDlg(0); }

std::u16string TimelineName() {
    return IsVgaScreen() || IsSquare320Screen() ? u"Timeline Week" : u"Bar Week";
}
std::u16string YearName() { return IsSquareScreen() ? u"Six Month" : u"Year"; }
std::u16string WalletName() {
    const bool secure = IsVgaScreen() || IsSquare320Screen() || (IsQvgaScreen() && IsLandscapeScreen());
    return secure ? u"Secure Wallet" : u"Wallet";
}

// The views an entry of kind 0 can carry, in the order of the icon strip.
struct SpinView {
    LONG view;
    const char16_t* name;  // null: by screen class
    std::u16string (*screenName)();
    LONG icon;
    void (*run)();
};
constexpr SpinView kSpinViews[] = {
    {0, u"Calendar", nullptr, 0, ShowMonthView},
    {22, u"Today", nullptr, 2, SelectToday},
    {1, u"Week", nullptr, 4, ShowWeekView},
    {4, nullptr, YearName, 6, ShowYearView},
    {3, u"Dates", nullptr, 8, ShowDatesView},
    {21, u"Search", nullptr, 10, SearchDlg},
    {5, u"Tasks", nullptr, 12, ShowTasksView},
    {6, u"Contacts", nullptr, 14, ShowContactsView},
    {8, u"Notes", nullptr, 16, ShowNotesView},
    {9, nullptr, WalletName, 18, ShowWalletView},
    {7, u"Projects", nullptr, 20, ShowProjectsView},
    {2, nullptr, TimelineName, 24, ShowTimelineFresh},
    {25, u"New Appt.", nullptr, 42, NewApptDlg},
    {26, u"New Task", nullptr, 44, NewTaskEditor},
};

const SpinView* FindSpinView(LONG view) {
    for (const SpinView& entry : kSpinViews) {
        if (entry.view == view) return &entry;
    }
    return nullptr;
}

struct SavedViewIcon {
    LONG view;
    LONG icon;
};
constexpr SavedViewIcon kSavedViewIcons[] = {{0, 28}, {11, 30}, {1, 32}, {3, 34}, {2, 40}, {5, 36}, {6, 38}};

struct DefaultEntry {
    LONG position;
    LONG view;
};
constexpr DefaultEntry kDefaultEntries[] = {{0, 0}, {1, 6}, {2, 5}, {3, 8}, {4, 9}, {5, 21}, {6, 1}, {7, 22}};

// The views the options can switch off, in the order their entries are dropped.
constexpr LONG kSwitchableViews[] = {0, 1, 2, 3, 4, 6, 5, 8, 9, 7};

// Wheel positions for n entries in list order.
constexpr std::array<std::array<LONG, kSpinnerSlots>, kSpinnerSlots> kSpread = {{
    {0},
    {0, 4},
    {0, 3, 6},
    {0, 2, 4, 6},
    {0, 1, 2, 4, 6},
    {0, 1, 2, 4, 6, 7},
    {0, 1, 2, 3, 4, 6, 7},
    {0, 1, 2, 3, 4, 5, 6, 7},
}};

FileHandle OpenSpinnerFile(const WCHAR* mode) { return FileHandle(_wfopen(ProgramFolderFile(kSpinnerFile).c_str(), mode)); }

void ResetPictureSlots() {
    FreeSpinnerPictures();
    for (SpinEntry& entry : g_Spinner.entries) entry.pictureSlot = -1;
}

}  // namespace

void SpinEntryAssign(SpinEntry& target, const SpinEntry& source) { target = source; }

bool SpinEntrySerialize(SpinEntry& entry, RecordFile& file, bool store) {
    LONG* const numbers[] = {&entry.kind, &entry.icon, &entry.view, &entry.item, &entry.position, &entry.spare};
    if (store) {
        WriteNumLine(file, kSpinEntryVersion);
        WriteStrLine(file, std::u16string_view(entry.name).substr(0, kSpinTextMax));
        WriteStrLine(file, std::u16string_view(entry.target).substr(0, kSpinTextMax));
        for (LONG* number : numbers) WriteNumLine(file, *number);
        return true;
    }
    ReadNumLine(file);
    entry.name = ReadStrLine(file).substr(0, kSpinTextMax);
    entry.target = ReadStrLine(file).substr(0, kSpinTextMax);
    for (LONG* number : numbers) *number = ReadNumLine(file);
    entry.pictureSlot = -1;
    return !file.endOfFile;
}

std::u16string GetSpinnerViewName(LONG view) {
    const SpinView* entry = FindSpinView(view);
    if (entry == nullptr) return {};
    return entry->name != nullptr ? std::u16string(entry->name) : entry->screenName();
}

LONG SpinnerViewIcon(LONG view) {
    const SpinView* entry = FindSpinView(view);
    return entry != nullptr ? entry->icon : -1;
}

LONG SpinnerSavedViewIcon(LONG view) {
    for (const SavedViewIcon& entry : kSavedViewIcons) {
        if (entry.view == view) return entry.icon;
    }
    return -1;
}

void BuildDefaultSpinnerItems() {
    g_Spinner.entries.RemoveAll();
    for (const DefaultEntry& preset : kDefaultEntries) {
        SpinEntry entry;
        entry.name = GetSpinnerViewName(preset.view);
        entry.kind = kSpinView;
        entry.view = preset.view;
        entry.icon = SpinnerViewIcon(preset.view);
        entry.position = preset.position;
        g_Spinner.entries.Append(entry);
    }
}

bool LoadSpinnerItems() {
    const FileHandle handle = OpenSpinnerFile(u"r");
    if (!handle) {
        LoadSavedViews();
        return false;
    }
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    g_Spinner.entries.RemoveAll();
    const LONG count = ReadNumLine(file);
    // A damaged count can neither make the wheel hold more than it has places for nor keep us reading.
    for (LONG i = 0; i < count && i < kSpinnerSlots && !file.endOfFile; ++i) {
        SpinEntry entry;
        if (!SpinEntrySerialize(entry, file, false)) break;
        g_Spinner.entries.Append(entry);
    }
    return true;
}

void SaveSpinnerItems() {
    const FileHandle handle = OpenSpinnerFile(u"w");
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, g_Spinner.entries.Size());
    for (SpinEntry& entry : g_Spinner.entries) SpinEntrySerialize(entry, file, true);
}

void LoadSpinnerOrDefaults() {
    FreeSpinnerPictures();
    if (!LoadSpinnerItems()) BuildDefaultSpinnerItems();
    g_Spinner.loaded = true;
}

void RunSpinnerItem() {
    const int index = FindSpinnerItemAtPos(0);
    if (index < 0) return;
    const SpinEntry entry = g_Spinner.entries[index];
    switch (entry.kind) {
    case kSpinView:
        if (const SpinView* view = FindSpinView(entry.view)) view->run();
        break;
    case kSpinSavedView: ApplySavedViewByName(entry.name); break;
    case kSpinFile: OpenFileWithShell(entry.target); break;
    case kSpinContact:
        g_CurItem.oid = entry.item;
        g_CurItem.kind = kItemContact;
        ShowCtsPreview(1);
        break;
    case kSpinWebAddress: OpenUrlInBrowser(entry.target); break;
    default: break;
    }
}

void DropSpinnerSavedView(const std::u16string& name) {
    bool removed = false;
    for (int i = g_Spinner.entries.Size() - 1; i >= 0; --i) {
        const SpinEntry& entry = g_Spinner.entries[i];
        if (entry.kind != kSpinSavedView || !platform::EqualNoCase(entry.name, name)) continue;
        g_Spinner.entries.RemoveAt(i);
        AssignSpinnerPositions(g_Spinner.entries);
        removed = true;
    }
    if (removed) SaveSpinnerItems();
}

void DropDisabledViewsFromSpinner() {
    bool removed = false;
    for (const LONG view : kSwitchableViews) {
        if (!SpinnerHasView(view) || GetViewShownFlag(view) != 0) continue;
        // The view may be on the wheel more than once: every entry of it goes.
        for (int i = FindSpinnerViewItem(view); i >= 0; i = FindSpinnerViewItem(view)) g_Spinner.entries.RemoveAt(i);
        removed = true;
    }
    if (!removed) return;
    ResetPictureSlots();
    SaveSpinnerItems();
}

int FindSpinnerItemAtPos(LONG position) {
    for (int i = 0; i < g_Spinner.entries.Size(); ++i) {
        if (g_Spinner.entries[i].position == position) return i;
    }
    return -1;
}

int FindSpinnerViewItem(LONG view) {
    for (int i = 0; i < g_Spinner.entries.Size(); ++i) {
        const SpinEntry& entry = g_Spinner.entries[i];
        if (entry.kind == kSpinView && entry.view == view) return i;
    }
    return -1;
}

int FindSpinnerContactItem() {
    for (int i = 0; i < g_Spinner.entries.Size(); ++i) {
        if (g_Spinner.entries[i].kind == kSpinContact) return i;
    }
    return -1;
}

bool SpinnerHasView(LONG view) {
    for (const SpinEntry& entry : g_Spinner.entries) {
        if (entry.view == view) return true;
    }
    return false;
}

void AssignSpinnerPositions(SpinEntryArray& entries) {
    const int count = entries.Size();
    if (count == 0) return;
    const auto& row = kSpread[static_cast<std::size_t>(std::min(count, kSpinnerSlots) - 1)];
    for (int i = 0; i < count; ++i) entries[i].position = i < kSpinnerSlots ? row[static_cast<std::size_t>(i)] : -1;
}
