// Adapting a pop-up of the shown bar just before it opens: the views menu pruned to the views that
// are switched on, texts that carry a state (filter, sort key, masking, the contact action), and
// the commands that need a selection enabled or greyed.
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cts_fields.h"
#include "core/cts_loading.h"
#include "core/cts_record.h"
#include "core/frame_state.h"
#include "core/view_id.h"
#include "frame/main_window.h"
#include "frame/menu_bars.h"
#include "frame/view_switch.h"
#include "lists/list_commands.h"
#include "notes/note_commands.h"
#include "platform/menus.h"
#include "resources/resource.h"
#include "wallet/wlt_commands.h"
#include "wallet/wlt_settings.h"

namespace {

constexpr UINT kNoAction = 40094;
constexpr int kNoteFileImage = 4;
constexpr int kForce = 1;

// Which bar is shown: the view whose slot holds it.
enum class Bar { None, Tasks, Contacts, TaskPreview, ApptPreview, Day, Dates, ContactPreview, Month, Week, Year,
                 Spinner, Notes, Wallet, WalletLocked, WalletItem, Projects };
struct BarSlot {
    HWND MenuBarSlots::*slot;
    Bar bar;
};
constexpr BarSlot kBarSlots[] = {
    {&MenuBarSlots::tasks, Bar::Tasks},           {&MenuBarSlots::contacts, Bar::Contacts},
    {&MenuBarSlots::taskPreview, Bar::TaskPreview}, {&MenuBarSlots::apptPreview, Bar::ApptPreview},
    {&MenuBarSlots::day, Bar::Day},               {&MenuBarSlots::dates, Bar::Dates},
    {&MenuBarSlots::contactPreview, Bar::ContactPreview}, {&MenuBarSlots::month, Bar::Month},
    {&MenuBarSlots::week, Bar::Week},             {&MenuBarSlots::year, Bar::Year},
    {&MenuBarSlots::spinner, Bar::Spinner},       {&MenuBarSlots::notes, Bar::Notes},
    {&MenuBarSlots::wallet, Bar::Wallet},         {&MenuBarSlots::walletLocked, Bar::WalletLocked},
    {&MenuBarSlots::walletItem, Bar::WalletItem}, {&MenuBarSlots::projects, Bar::Projects},
};

Bar ShownBar() {
    if (!g_MenuBars.shown) return Bar::None;
    for (const BarSlot& s : kBarSlots)
        if (g_MenuBars.*(s.slot) == g_MenuBars.shown) return s.bar;
    return Bar::None;
}

bool PrunesViews(Bar bar) {
    switch (bar) {
    case Bar::Tasks:
    case Bar::Contacts:
    case Bar::Dates:
    case Bar::Month:
    case Bar::Week:
    case Bar::Year:
    case Bar::Notes:
    case Bar::Wallet:
    case Bar::WalletLocked:
    case Bar::Projects: return true;
    default: return false;
    }
}

void Enable(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void GreyAddToProjectWhenOff(HMENU menu) {
    if (!g_ViewShown[ShownView::Projects]) Enable(menu, IDM_ADD_TO_PROJECT, false);
}

// The sort entry's text by the sort setting; other values leave it.
template <std::size_t N>
void SetSortText(HMENU menu, LONG value, const WCHAR* const (&texts)[N]) {
    if (value >= 0 && value < static_cast<LONG>(N)) SetMenuEntryText(menu, IDM_SORT, texts[value]);
}
constexpr const WCHAR* kContactSortTexts[] = {u"Sort(Name)", u"Sort(Company)", u"Sort(Category)", u"Sort(Viewed)"};
constexpr const WCHAR* kTaskSortTexts[] = {u"Sort(Subject)",   u"Sort(Priority)", u"Sort(Category)",
                                           u"Sort(Sensitivity)", u"Sort(Completed)", u"Sort(Due Date)",
                                           u"Sort(Advanced)"};

// The contact action by the kind of the default field.
enum class FieldKind { Phone, Mail, Web };
FieldKind KindOfField(LONG field) {
    switch (field) {
    case 4:
    case 8:
    case 12: return FieldKind::Mail;
    case 5: return FieldKind::Web;
    default: return FieldKind::Phone;
    }
}

const CtsRecord* CurrentContact() {
    const LONG position = IdIndexGet(g_CurItem.oid, g_CtsIdIndex);
    if (position < 0 || position >= g_CtsList.Size()) return nullptr;
    return &g_CtsList[position];
}

int PrepareContactPreview(HMENU menu) {
    const CtsRecord* contact = CurrentContact();
    if (!contact) return 0;
    Enable(menu, IDM_CALL_CONTACT, contact->defaultField != kCtsFieldNone &&
                                       KindOfField(contact->defaultField) == FieldKind::Phone);
    return 1;
}

constexpr UINT kContactItemCommands[] = {IDM_CALL_CONTACT,     IDM_EDIT_ITEM,         IDM_COPY_ITEM,
                                         IDM_DELETE_ITEM,      IDM_APPT_FOR_CONTACT,  IDM_TASK_FOR_CONTACT,
                                         IDM_ADD_NEW_CATEGORY, IDM_CALL_HISTORY,      IDM_LINKS};
constexpr UINT kTaskItemCommands[] = {IDM_TOGGLE_COMPLETED, IDM_EDIT_ITEM,    IDM_COPY_ITEM,     IDM_DELETE_ITEM,
                                      IDM_TASK_TO_APPT,     IDM_ADD_TO_PROJECT, IDM_LINKS};

void SetContactAction(HMENU menu) {
    const CtsRecord* contact = CurrentContact();
    if (!contact) return;
    if (contact->defaultText.empty()) return Enable(menu, IDM_CALL_CONTACT, false);
    switch (KindOfField(contact->defaultField)) {
    case FieldKind::Phone:
        SetMenuEntryText(menu, IDM_CALL_CONTACT, u"Call Contact");
        Enable(menu, IDM_CALL_CONTACT, !g_Main.phoneLibMissing);
        break;
    case FieldKind::Mail:
        SetMenuEntryText(menu, IDM_CALL_CONTACT, u"Email Contact");
        Enable(menu, IDM_CALL_CONTACT, true);
        break;
    case FieldKind::Web:
        SetMenuEntryText(menu, IDM_CALL_CONTACT, u"View Webpage");
        Enable(menu, IDM_CALL_CONTACT, true);
        break;
    }
}

void PrepareContacts(HMENU menu) {
    if (g_Main.phoneLibMissing) RemoveMenu(menu, IDM_CALL_HISTORY, MF_BYCOMMAND);
    const bool usable = CtsSelRowIsItem();
    for (const UINT command : kContactItemCommands) Enable(menu, command, usable);
    if (usable)
        Enable(menu, IDM_ADD_TO_PROJECT, true);
    else
        GreyAddToProjectWhenOff(menu);
    SetFilterEntryText(menu);
    SetSortText(menu, g_Settings.contactSort, kContactSortTexts);
    if (g_Settings.ctsIcon) CheckCtsSelected(0);
    SetContactAction(menu);
}

void PrepareTasks(HMENU menu) {
    GreyAddToProjectWhenOff(menu);
    const bool usable = TskSelRowIsItem();
    for (const UINT command : kTaskItemCommands) Enable(menu, command, usable);
    SetSortText(menu, g_Settings.taskSort, kTaskSortTexts);
    SetFilterEntryText(menu);
}

void PrepareNotes(HMENU menu) {
    const int image = NotesSelRowImage();
    if (image < 0) return;
    for (const UINT command : {IDM_EDIT_ITEM, IDM_RENAME, IDM_DELETE_ITEM}) Enable(menu, command, image == kNoteFileImage);
}

void PrepareWalletItem(HMENU menu) {
    Enable(menu, IDM_MAKE_CALL, WltItemHasPhone());
    Enable(menu, IDM_VISIT_WEBSITE, WltItemHasWebsite());
    Enable(menu, IDM_SEND_EMAIL, WltItemHasEmail());
    // With "Never Mask Fields" on there is no mask to show or hide.
    if (g_Wlt.locked == 0 && g_WltSettings.noMask == 0) {
        Enable(menu, IDM_UNMASK, true);
        SetMenuEntryText(menu, IDM_UNMASK, g_Wlt.maskOn ? u"Hide Mask" : u"Show Mask");
    } else {
        Enable(menu, IDM_UNMASK, false);
    }
}

void PrepareApptPreview(HMENU menu) {
    const bool meeting = IsCurApptMeeting() != 0;
    Enable(menu, kNoAction, meeting);
    Enable(menu, IDM_CANCEL_MEETING, meeting);
    GreyAddToProjectWhenOff(menu);
}

int PrepareBar(HWND window, HMENU menu, Bar bar) {
    switch (bar) {
    case Bar::Spinner: BuildViewMenu(0, menu, kForce); break;
    case Bar::Day:
    case Bar::Dates: SetContextMenuTexts(0, menu); break;
    case Bar::TaskPreview: GreyAddToProjectWhenOff(menu); break;
    case Bar::ApptPreview: PrepareApptPreview(menu); break;
    case Bar::Notes: PrepareNotes(menu); break;
    case Bar::Wallet: SetFilterEntryText(menu); break;
    case Bar::WalletLocked: Enable(menu, IDM_UNLOCK, !g_Wlt.path.empty()); break;
    case Bar::WalletItem: PrepareWalletItem(menu); break;
    case Bar::Month:
    case Bar::Year: SetFilterEntryText(menu); break;
    case Bar::Week:
        SetFilterEntryText(menu);
        SetMenuEntryText(menu, IDM_MOVE_TO_TOP, ViewId == kViewTimelineWeek ? u"Move To First" : u"Move To Top");
        break;
    case Bar::Projects: break;
    case Bar::ContactPreview: return PrepareContactPreview(menu);
    case Bar::Contacts: PrepareContacts(menu); break;
    case Bar::Tasks: PrepareTasks(menu); break;
    case Bar::None: break;
    }
    (void)window;
    return 1;
}

}  // namespace

int SetupViewMenu(HWND window, HMENU menu) {
    const Bar bar = ShownBar();
    if (PrunesViews(bar)) BuildViewMenu(0, menu, 0);
    return PrepareBar(window, menu, bar);
}
