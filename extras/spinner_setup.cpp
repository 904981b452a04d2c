// The "Setup Vestral Spinner" dialog: edits a copy of the launcher entries (add a view, a contact, a
// file or program, a web address or a saved view; move; remove); OK spreads the copy over the wheel
// and writes it. Also the "Select View" dialog it asks for a view.
#include <algorithm>
#include <string>

#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "extras/extra_commands.h"
#include "extras/picker_list.h"
#include "extras/saved_views.h"
#include "extras/spinner.h"
#include "extras/spinner_items.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "projects/choose_item.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/file_picker.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/offscreen.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"

namespace {

constexpr LONG kPickerProgramsAndFiles = 5;
constexpr LONG kChooseContact = 3;
constexpr LONG kDisplayFirstLast = 1;
constexpr char16_t kWebPrefix[] = u"http://";
constexpr char16_t kWebScheme[] = u"http:";
constexpr std::size_t kWebSchemeCut = 7;

// The views "Select View" offers: the switchable ones first, then those always there.
constexpr LONG kSwitchableViews[] = {0, 1, 2, 3, 4, 6, 5, 8, 9, 7};
constexpr LONG kAlwaysViews[] = {21, 22, 25, 26};

// Row pictures of the setup and "Select View" lists.
struct ViewImage {
    LONG view;
    int image;
};
constexpr ViewImage kViewImages[] = {
    {0, 0}, {22, 1}, {1, 2}, {4, 3}, {3, 4}, {21, 5}, {5, 6}, {6, 7}, {8, 8}, {9, 9}, {7, 10}, {2, 15}, {25, 16}, {26, 17},
};
constexpr int kWebRowImage = 11;
constexpr int kFileRowImage = 12;
constexpr int kContactRowImage = 13;
constexpr int kSavedViewRowImage = 14;
constexpr int kRowImages = 18;

int ViewRowImage(LONG view) {
    for (const ViewImage& entry : kViewImages) {
        if (entry.view == view) return entry.image;
    }
    return -1;
}

int EntryRowImage(const SpinEntry& entry) {
    switch (entry.kind) {
    case kSpinView: return ViewRowImage(entry.view);
    case kSpinWebAddress: return kWebRowImage;
    case kSpinFile: return kFileRowImage;
    case kSpinContact: return kContactRowImage;
    case kSpinSavedView: return kSavedViewRowImage;
    default: return -1;
    }
}

SpinEntryArray g_Working;
LONG g_ChosenSpinView = -1;

HWND SetupList(HWND dialog) { return GetDlgItem(dialog, IDC_SPINNER_SETUP_LIST); }

void FillSetupList(HWND dialog, int select) {
    HWND list = SetupList(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < g_Working.Size(); ++i) AddPickerRow(list, g_Working[i].name, i, EntryRowImage(g_Working[i]));
    if (!g_Working.IsEmpty()) SelectPickerRow(list, select);
}

bool RoomForOneMore(HWND dialog) {
    if (g_Working.Size() < kSpinnerSlots) return true;
    ShowResMessage(dialog, IDS_SPINNER_EIGHT_ITEMS, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void AppendEntry(HWND dialog, SpinEntry entry) {
    entry.name = entry.name.substr(0, kSpinTextMax);
    entry.target = entry.target.substr(0, kSpinTextMax);
    entry.position = g_Working.Size();
    g_Working.Append(entry);
    FillSetupList(dialog, g_Working.Size() - 1);
}

bool WorkingHasView(LONG view) {
    for (const SpinEntry& entry : g_Working) {
        if (entry.kind == kSpinView && entry.view == view) return true;
    }
    return false;
}

void SetRowImages(HWND list) {
    const bool vga = IsVgaScreen() != FALSE;
    SetPickerImages(list, vga ? IDB_SPIN_ROWS_VGA : IDB_SPIN_ROWS, vga ? 32 : 16, kRowImages, 0);
}

INT_PTR OnRowMeasure(WPARAM control, LPARAM lParam) {
    if (control != IDC_SPINNER_SETUP_LIST) return FALSE;
    MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
}

INT_PTR OnRowDraw(HWND dialog, WPARAM control, LPARAM lParam) {
    if (control != IDC_SPINNER_SETUP_LIST) return FALSE;
    DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), SetupList(dialog), 0);
    return TRUE;
}

INT_PTR CALLBACK SelectViewDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        if (!InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        SetTitleText(dialog, LoadResString(IDS_SELECT_VIEW).c_str());
        InitPickerList(dialog, IDC_SPINNER_SETUP_LIST);
        HWND list = SetupList(dialog);
        SetRowImages(list);
        for (const LONG view : kSwitchableViews) {
            if (GetViewShownFlag(view) != 0 && !WorkingHasView(view))
                AddPickerRow(list, GetSpinnerViewName(view), view, ViewRowImage(view));
        }
        for (const LONG view : kAlwaysViews) {
            if (!WorkingHasView(view)) AddPickerRow(list, GetSpinnerViewName(view), view, ViewRowImage(view));
        }
        SelectPickerRow(list, 0);
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kDlgAccept:
        case IDOK: {
            const int row = SelectedPickerRow(SetupList(dialog));
            if (row >= 0) g_ChosenSpinView = static_cast<LONG>(PickerRowData(SetupList(dialog), row));
            EndDialog(dialog, kDlgAccept);
            return TRUE;
        }
        case kDlgCancel:
        case IDCANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
        default: return FALSE;
        }
    case WM_MEASUREITEM: return OnRowMeasure(wParam, lParam);
    case WM_DRAWITEM: return OnRowDraw(dialog, wParam, lParam);
    case WM_DESTROY: FreePickerImages(SetupList(dialog)); return FALSE;
    default: return FALSE;
    }
}

// The chosen view, or -1.
LONG SelectSpinnerView(HWND parent) {
    g_ChosenSpinView = -1;
    if (RunProgramDialog(IDD_SPINNER_SETUP, parent, SelectViewDlgProc) != kDlgAccept) return -1;
    if (g_ChosenSpinView >= 0 && WorkingHasView(g_ChosenSpinView)) {
        ShowResMessage(parent, IDS_VIEW_ALREADY_IN_SPINNER, MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    return g_ChosenSpinView;
}

void AddView(HWND dialog) {
    const LONG view = SelectSpinnerView(dialog);
    if (view < 0) return;
    SpinEntry entry;
    entry.kind = kSpinView;
    entry.name = GetSpinnerViewName(view);
    entry.icon = SpinnerViewIcon(view);
    entry.view = view;
    AppendEntry(dialog, entry);
}

void AddContact(HWND dialog) {
    // The picker gives the contact's OID itself (-1 when nothing was chosen).
    const LONG oid = ChooseItemDlg(dialog, kChooseContact);
    if (oid == kNoOid) return;
    const LONG slot = FindOidSlot(oid);
    if (slot < 0 || slot >= g_CtsList.Size()) return;
    SpinEntry entry;
    entry.kind = kSpinContact;
    entry.name = GetCtsDisplayName(g_CtsList[slot], kDisplayFirstLast);
    entry.item = oid;
    AppendEntry(dialog, entry);
}

void AddFile(HWND dialog) {
    if (!ShowFilePickerDlg(dialog, kPickerProgramsAndFiles)) return;
    const std::u16string path = g_FilePicker.chosenPath;
    if (path.empty()) return;
    SpinEntry entry;
    entry.kind = kSpinFile;
    entry.target = path;
    const std::size_t slash = path.rfind(u'\\');
    entry.name = slash == std::u16string::npos ? path : path.substr(slash + 1);
    AppendEntry(dialog, entry);
}

void AddWebAddress(HWND dialog) {
    g_PromptText = kWebPrefix;
    if (PromptTextById(dialog, IDS_WEBSITE, IDS_ENTER_HYPERLINK) != kDlgAccept || g_PromptText.empty()) return;
    SpinEntry entry;
    entry.kind = kSpinWebAddress;
    entry.icon = kSpinWebIcon;
    entry.target = g_PromptText;
    const bool http = g_PromptText.starts_with(kWebScheme);
    entry.name = http ? g_PromptText.substr(std::min(kWebSchemeCut, g_PromptText.size())) : g_PromptText;
    AppendEntry(dialog, entry);
}

void AddSavedView(HWND dialog) {
    const int index = SavedViewsDlg(dialog);
    if (index < 0 || index >= g_SavedViews.views.Size()) return;
    const SavedView& view = g_SavedViews.views[index];
    SpinEntry entry;
    entry.kind = kSpinSavedView;
    entry.name = view.name;
    entry.view = view.viewCode;
    entry.icon = SpinnerSavedViewIcon(view.viewCode);
    entry.item = index;
    AppendEntry(dialog, entry);
}

void MoveSelected(HWND dialog, int step) {
    const int row = SelectedPickerRow(SetupList(dialog));
    const int other = row + step;
    if (row < 0 || other < 0 || other >= g_Working.Size()) return;
    SpinEntry moved = g_Working[row];
    g_Working[row] = g_Working[other];
    g_Working[other] = moved;
    FillSetupList(dialog, other);
}

void RemoveSelected(HWND dialog) {
    const int row = SelectedPickerRow(SetupList(dialog));
    if (row < 0 || row >= g_Working.Size()) return;
    g_Working.RemoveAt(row);
    FillSetupList(dialog, 0);
}

using AddCommand = void (*)(HWND);
struct SetupAdd {
    UINT command;
    AddCommand add;
};
constexpr SetupAdd kSetupAdds[] = {
    {IDM_SPIN_ADD_VIEW, AddView},         {IDM_SPIN_ADD_CONTACT, AddContact},
    {IDM_SPIN_ADD_FILE, AddFile},         {IDM_SPIN_ADD_WEB, AddWebAddress},
    {IDM_SPIN_ADD_SAVED_VIEW, AddSavedView},
};

INT_PTR OnSetupCommand(HWND dialog, UINT command) {
    for (const SetupAdd& entry : kSetupAdds) {
        if (entry.command != command) continue;
        if (RoomForOneMore(dialog)) entry.add(dialog);
        return TRUE;
    }
    switch (command) {
    case IDM_SPIN_MOVE_UP: MoveSelected(dialog, -1); return TRUE;
    case IDM_SPIN_MOVE_DOWN: MoveSelected(dialog, 1); return TRUE;
    case IDM_SPIN_REMOVE: RemoveSelected(dialog); return TRUE;
    case kDlgAccept:
    case IDOK:
        if (g_Working.IsEmpty()) {
            ShowResMessage(dialog, IDS_SPINNER_ONE_ITEM, MB_OK | MB_ICONEXCLAMATION);
        } else {
            EndDialog(dialog, kDlgAccept);
        }
        return TRUE;
    case kDlgCancel:
    case IDCANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
    default: return FALSE;
    }
}

INT_PTR InitSetup(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SPIN_SETUP_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    SetTitleText(dialog, LoadResString(IDS_SETUP_SPINNER).c_str());
    InitPickerList(dialog, IDC_SPINNER_SETUP_LIST);
    SetRowImages(SetupList(dialog));
    FillSetupList(dialog, 0);
    return FALSE;
}

INT_PTR OnSetupDestroy(HWND dialog) {
    FreePickerImages(SetupList(dialog));
    SetTitleText(GetParent(dialog), nullptr);
    return FALSE;
}

INT_PTR CALLBACK SpinnerSetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return InitSetup(dialog);
    case WM_COMMAND: return OnSetupCommand(dialog, LOWORD(wParam));
    case WM_SIZE: FitPickerList(dialog, IDC_SPINNER_SETUP_LIST); return TRUE;
    case WM_MEASUREITEM: return OnRowMeasure(wParam, lParam);
    case WM_DRAWITEM: return OnRowDraw(dialog, wParam, lParam);
    case WM_DESTROY: return OnSetupDestroy(dialog);
    default: return FALSE;
    }
}

}  // namespace

void ShowSpinnerSetupDlg() {
    if (!g_Spinner.loaded) LoadSpinnerOrDefaults();
    g_Working = g_Spinner.entries;
    if (RunProgramDialog(IDD_SPINNER_SETUP, g_Frame.mainWnd, SpinnerSetupDlgProc) != kDlgAccept) return;
    FreeSpinnerPictures();
    g_Spinner.entries = g_Working;
    for (SpinEntry& entry : g_Spinner.entries) entry.pictureSlot = -1;
    AssignSpinnerPositions(g_Spinner.entries);
    SaveSpinnerItems();
    RedrawNow(nullptr);
}

void SetupSpinnerDlg() { ShowSpinnerSetupDlg(); }
