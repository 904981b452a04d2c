// The view bars: one bar per view and left-button style, made once per slot from the bar and
// menu resources, shown one at a time, and the adjusting of their pop-ups when they open.
#include "frame/menu_bars.h"

#include <string>

#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "extras/saved_views.h"
#include "frame/frame_hooks.h"
#include "frame/main_window.h"
#include "platform/menus.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

constexpr const WCHAR* kMenuCreationError = u"Error: Menu Creation Error.";
constexpr const WCHAR* kNoOtherViews = u"No Other Views";
constexpr const WCHAR* kFilterOn = u"Filter(On)";
constexpr const WCHAR* kFilter = u"Filter";
constexpr int kStyleCount = 3;
constexpr int kMenuTextChars = 64;

// The bar of each view in the three left-button styles; views with one bar repeat it.
struct ViewBarDef {
    LONG viewId;
    UINT bars[kStyleCount];
    HWND MenuBarSlots::*slot;  // null: RecreateViewMenuBar leaves the view alone (it has no kept bar)
};
constexpr ViewBarDef kViewBarTable[] = {
    {kViewMonth, {IDM_MONTH_BAR, IDM_MONTH_BAR_VIEWS, IDM_MONTH_BAR_SPIN}, &MenuBarSlots::month},
    {kViewWeek, {IDM_WEEK_BAR, IDM_WEEK_BAR_VIEWS, IDM_WEEK_BAR_SPIN}, &MenuBarSlots::week},
    {kViewTimelineWeek, {IDM_WEEK_BAR, IDM_WEEK_BAR_VIEWS, IDM_WEEK_BAR_SPIN}, &MenuBarSlots::week},
    {kViewDates, {IDM_DATES_BAR, IDM_DATES_BAR_VIEWS, IDM_DATES_BAR_SPIN}, &MenuBarSlots::dates},
    {kViewYear, {IDM_YEAR_BAR, IDM_YEAR_BAR_VIEWS, IDM_YEAR_BAR_SPIN}, &MenuBarSlots::year},
    {kViewTasks, {IDM_TASKS_BAR, IDM_TASKS_BAR_VIEWS, IDM_TASKS_BAR_SPIN}, &MenuBarSlots::tasks},
    {kViewContacts, {IDM_CONTACTS_BAR, IDM_CONTACTS_BAR_VIEWS, IDM_CONTACTS_BAR_SPIN}, &MenuBarSlots::contacts},
    {kViewProjects, {IDM_PROJECTS_BAR, IDM_PROJECTS_BAR_VIEWS, IDM_PROJECTS_BAR_SPIN}, &MenuBarSlots::projects},
    {kViewNotes, {IDM_NOTES_BAR, IDM_NOTES_BAR_VIEWS, IDM_NOTES_BAR_SPIN}, &MenuBarSlots::notes},
    {kViewWallet, {IDM_WALLET_BAR, IDM_WALLET_BAR_VIEWS, IDM_WALLET_BAR_SPIN}, &MenuBarSlots::wallet},
    {kViewWalletLocked, {IDM_WALLET_LOCKED_BAR, IDM_WALLET_LOCKED_BAR_VIEWS, IDM_WALLET_LOCKED_BAR_SPIN},
     &MenuBarSlots::walletLocked},
    {kViewSpinner, {IDM_SPINNER_BAR, IDM_SPINNER_BAR, IDM_SPINNER_BAR}, &MenuBarSlots::spinner},
    {kViewDay, {IDM_DAY_BAR, IDM_DAY_BAR, IDM_DAY_BAR}, &MenuBarSlots::day},
    {kViewApptPreview, {IDM_APPT_PREVIEW_BAR, IDM_APPT_PREVIEW_BAR, IDM_APPT_PREVIEW_BAR}, &MenuBarSlots::apptPreview},
    {kViewContactPreview, {IDM_CONTACT_PREVIEW_BAR, IDM_CONTACT_PREVIEW_BAR, IDM_CONTACT_PREVIEW_BAR},
     &MenuBarSlots::contactPreview},
    {kViewTaskPreview, {IDM_TASK_PREVIEW_BAR, IDM_TASK_PREVIEW_BAR, IDM_TASK_PREVIEW_BAR}, &MenuBarSlots::taskPreview},
    {kViewWalletItem, {IDM_WALLET_ITEM_BAR, IDM_WALLET_ITEM_BAR, IDM_WALLET_ITEM_BAR}, &MenuBarSlots::walletItem},
};

// Every slot that DestroyViewMenuBars empties.
constexpr HWND MenuBarSlots::*kAllSlots[] = {
    &MenuBarSlots::month,    &MenuBarSlots::dates,       &MenuBarSlots::day,      &MenuBarSlots::taskPreview,
    &MenuBarSlots::apptPreview, &MenuBarSlots::contactPreview, &MenuBarSlots::contacts, &MenuBarSlots::tasks,
    &MenuBarSlots::week,     &MenuBarSlots::year,        &MenuBarSlots::spinner,  &MenuBarSlots::notes,
    &MenuBarSlots::wallet,   &MenuBarSlots::walletLocked, &MenuBarSlots::walletItem, &MenuBarSlots::projects,
};

const ViewBarDef* FindViewBar(LONG viewId) {
    for (const ViewBarDef& def : kViewBarTable)
        if (def.viewId == viewId) return &def;
    return nullptr;
}

LONG ClampStyle(LONG style) { return style >= kLeftNextView && style <= kLeftSpinner ? style : kLeftNextView; }

// The current item's commands and their texts per item kind.
struct ItemTexts {
    LONG kind;
    const WCHAR* remove;
    const WCHAR* beam;
    const WCHAR* edit;
    const WCHAR* copy;
    const WCHAR* convert;  // null: the conversion is disabled
};
constexpr ItemTexts kItemTextTable[] = {
    {kItemContact, u"Delete Contact", u"Beam Contact", u"Edit Contact", u"Copy Contact", nullptr},
    // The trailing blank is the text as the menus have always shown it.
    {kItemAppt, u"Delete Appt.", u"Beam Appt.", u"Edit Appt.", u"Copy Appt.", u"Appt. To Task "},
    {kItemTask, u"Delete Task", u"Beam Task", u"Edit Task", u"Copy Task", u"Task To Appt."},
};

constexpr UINT kItemCommands[] = {IDM_DELETE_ITEM, IDM_EDIT_ITEM, IDM_BEAM_ITEM, IDM_COPY_ITEM, IDM_CONVERT_ITEM};

void SetItemText(HMENU menu, UINT command, const WCHAR* text) {
    std::u16string buffer(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = buffer.data();
    info.cch = static_cast<UINT>(buffer.size());
    SetMenuItemInfoW(menu, command, FALSE, &info);
}

std::u16string ItemText(HMENU menu, UINT command) {
    WCHAR text[kMenuTextChars] = {};
    GetMenuStringW(menu, command, text, kMenuTextChars, MF_BYCOMMAND);
    return text;
}

bool IsSeparatorAt(HMENU menu, int position) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && (state & MF_SEPARATOR) && !(state & MF_POPUP);
}

// Removes the separator at the position; another kind of entry there stays.
void RemoveSeparatorAt(HMENU menu, int position) {
    if (IsSeparatorAt(menu, position)) RemoveMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

// Pruning by fixed positions may leave two separators together or one at an end.
void TidySeparators(HMENU menu) {
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
        const bool last = i == GetMenuItemCount(menu) - 1;
        if (IsSeparatorAt(menu, i) && (i == 0 || last || IsSeparatorAt(menu, i - 1)))
            RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    }
}

bool RemoveCommand(HMENU menu, UINT command) { return RemoveMenu(menu, command, MF_BYCOMMAND) != FALSE; }

void ReplaceWithNoOtherViews(HMENU menu, UINT command) {
    SetItemText(menu, command, kNoOtherViews);
    EnableMenuItem(menu, command, MF_BYCOMMAND | MF_GRAYED);
}

struct ViewEntry {
    ShownView view;
    UINT command;
};
// In the order they are removed, with the separator checks after the third and the fifth.
constexpr ViewEntry kOuterViewEntries[] = {
    {ShownView::Wallet, IDM_VIEW_WALLET}, {ShownView::Projects, IDM_VIEW_PROJECTS}, {ShownView::Notes, IDM_VIEW_NOTES},
};
constexpr ViewEntry kListViewEntries[] = {
    {ShownView::Contacts, IDM_VIEW_CONTACTS}, {ShownView::Tasks, IDM_VIEW_TASKS},
};
constexpr ViewEntry kScheduleEntries[] = {
    {ShownView::Dates, IDM_VIEW_DATES}, {ShownView::TimelineWeek, IDM_VIEW_TIMELINE}, {ShownView::Year, IDM_VIEW_YEAR},
};
constexpr int kOuterSeparatorAt = 6;
constexpr int kListSeparatorAt = 3;
constexpr int kOuterRemovalsBeforeSeparator = 2;
constexpr int kListRemovalsBeforeSeparator = 4;
constexpr int kAllOtherViewsRemoved = 8;

// The entry of a view that is switched off: "No Other Views" when every other entry went, else
// removed. A kept bar's pop-up opens again with its earlier removals done (fewer are counted
// then): an entry already turned into "No Other Views" stays.
void DropOffViewEntry(HMENU menu, UINT command, int removed) {
    if (removed == kAllOtherViewsRemoved)
        ReplaceWithNoOtherViews(menu, command);
    else if (ItemText(menu, command).rfind(u"N", 0) != 0)
        RemoveCommand(menu, command);
}

template <std::size_t N>
int RemoveSwitchedOff(HMENU menu, const ViewEntry (&entries)[N]) {
    int removed = 0;
    for (const ViewEntry& e : entries)
        if (!g_ViewShown[e.view] && RemoveCommand(menu, e.command)) ++removed;
    return removed;
}

bool IsCalendarView(LONG viewId) {
    return viewId == kViewMonth || viewId == kViewWeek || viewId == kViewTimelineWeek || viewId == kViewDates ||
           viewId == kViewYear;
}

int CalendarViewsOn() {
    int on = 0;
    for (const ShownView v : {ShownView::Month, ShownView::Week, ShownView::TimelineWeek, ShownView::Dates, ShownView::Year})
        on += g_ViewShown[v] ? 1 : 0;
    return on;
}

}  // namespace

UINT ViewMenuBarId(LONG viewId, LONG style, int useDefault) {
    const LONG s = ClampStyle(style);
    const ViewBarDef* def = useDefault || viewId == kViewMonth ? nullptr : FindViewBar(viewId);
    // A view outside the table (the cover screen) shows the default bar.
    if (!def) def = FindViewBar(kViewMonth);
    return def->bars[s];
}

LONG frame::CreateViewMenuBar(HWND* slot, int useDefault, HWND parent, int show) {
    const UINT barId = ViewMenuBarId(ViewId, g_Settings.viewMenu3, useDefault);
    if (!*slot) {
        SHMENUBARINFO info{};
        info.cbSize = SHMENUBARINFO_DEVICE_SIZE;
        info.hwndParent = parent ? parent : g_Frame.mainWnd;
        info.nToolBarId = barId;
        info.hInstRes = g_Main.instance;
        if (!SHCreateMenuBar(&info)) {
            MessageBoxW(g_Frame.mainWnd, kMenuCreationError, kProgramTitle, MB_ICONEXCLAMATION);
            info.hwndMB = nullptr;
        }
        *slot = info.hwndMB;
        if (*slot) {
            // The Back key comes to the program as WM_HOTKEY instead of closing anything.
            const WORD flags = SHMBOF_NODEFAULT | SHMBOF_NOTIFY;
            SendMessageW(*slot, SHCMBM_OVERRIDEKEY, VK_ESCAPE, MAKELPARAM(flags, flags));
        }
    }
    if (show && *slot) SwitchShownWindow(*slot);
    return 0;
}

LONG RecreateViewMenuBar() {
    const ViewBarDef* def = FindViewBar(ViewId);
    if (!def || !def->slot) return 0;
    return CreateViewMenuBar(&(g_MenuBars.*(def->slot)), 0, g_Frame.mainWnd, kShowBar);
}

void frame::RebuildViewMenuBars() {
    DestroyViewMenuBars();
    if (g_MenuBars.shown && !IsWindow(g_MenuBars.shown)) g_MenuBars.shown = nullptr;
    RecreateViewMenuBar();
}

void SwitchShownWindow(HWND bar) {
    if (bar == g_MenuBars.shown) return;
    if (g_MenuBars.shown) ShowWindow(g_MenuBars.shown, SW_HIDE);
    g_MenuBars.shown = bar;
    ShowWindow(bar, SW_SHOW);
}

void DestroyViewMenuBars() {
    for (const auto slot : kAllSlots) {
        HWND& bar = g_MenuBars.*slot;
        if (bar) DestroyWindow(bar);
        bar = nullptr;
    }
}

void SetContextMenuTexts(int, HMENU menu) {
    SyncSchedSel();
    if (g_CurItem.oid != kNoOid) {
        for (const UINT command : {IDM_DELETE_ITEM, IDM_BEAM_ITEM, IDM_COPY_ITEM, IDM_CONVERT_ITEM})
            EnableMenuItem(menu, command, MF_BYCOMMAND | MF_ENABLED);
        for (const ItemTexts& t : kItemTextTable) {
            if (t.kind != g_CurItem.kind) continue;
            EnableMenuItem(menu, IDM_EDIT_ITEM, MF_BYCOMMAND | MF_ENABLED);
            SetItemText(menu, IDM_DELETE_ITEM, t.remove);
            SetItemText(menu, IDM_BEAM_ITEM, t.beam);
            SetItemText(menu, IDM_EDIT_ITEM, t.edit);
            SetItemText(menu, IDM_COPY_ITEM, t.copy);
            if (t.convert) {
                SetItemText(menu, IDM_CONVERT_ITEM, t.convert);
                EnableMenuItem(menu, IDM_CONVERT_ITEM, MF_BYCOMMAND | MF_ENABLED);
            } else {
                EnableMenuItem(menu, IDM_CONVERT_ITEM, MF_BYCOMMAND | MF_GRAYED);
            }
        }
    } else {
        for (const UINT command : kItemCommands) EnableMenuItem(menu, command, MF_BYCOMMAND | MF_GRAYED);
    }
    SetItemText(menu, IDM_FILTER, GetViewCatFilter() ? kFilterOn : kFilter);
}

void BuildViewMenu(int, HMENU menu, int force) {
    EnableMenuItem(menu, IDM_SAVED_VIEWS, MF_BYCOMMAND | (SavedViewsLoadedAndEmpty() ? MF_GRAYED : MF_ENABLED));
    if (g_Settings.viewMenu3 != kLeftViewMenu && !force) return;
    int removed = RemoveSwitchedOff(menu, kOuterViewEntries);
    if (removed > kOuterRemovalsBeforeSeparator) RemoveSeparatorAt(menu, kOuterSeparatorAt);
    removed += RemoveSwitchedOff(menu, kListViewEntries);
    if (removed > kListRemovalsBeforeSeparator) RemoveSeparatorAt(menu, kListSeparatorAt);
    removed += RemoveSwitchedOff(menu, kScheduleEntries);
    if (g_ViewShown[ShownView::Year] && IsSquareScreen()) {
        WCHAR sixMonth[kMenuTextChars] = {};
        LoadStringW(g_Main.instance, IDS_SIX_MONTH, sixMonth, kMenuTextChars);
        if (sixMonth[0]) SetItemText(menu, IDM_VIEW_YEAR, sixMonth);
    }
    if (!g_ViewShown[ShownView::Week]) DropOffViewEntry(menu, IDM_VIEW_WEEK, removed);
    if (!g_ViewShown[ShownView::Month]) DropOffViewEntry(menu, IDM_VIEW_MONTH, removed);
    if (GetSubMenu(menu, 0)) {
        const int on = CalendarViewsOn();
        if (on == 0 || (on == 1 && IsCalendarView(ViewId))) DeleteMenu(menu, 0, MF_BYPOSITION);
    }
    TidySeparators(menu);
}

void SetMenuEntryText(HMENU menu, UINT command, const WCHAR* text) { SetItemText(menu, command, text); }

void SetFilterEntryText(HMENU menu) { SetItemText(menu, IDM_FILTER, GetViewCatFilter() ? kFilterOn : kFilter); }
