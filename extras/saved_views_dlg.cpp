// The "Select Saved View" dialog: picks a saved view, or deletes one together with the launcher
// entries that carry its name.
#include <string>

#include "core/res_string.h"
#include "core/screen_class.h"
#include "extras/picker_list.h"
#include "extras/saved_views.h"
#include "extras/spinner_items.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/list_subclass.h"
#include "ui/view_focus.h"

namespace {

int g_ChosenView = -1;

// Row pictures by view code, from the options' field strip.
struct ViewImage {
    LONG view;
    int image;
};
constexpr ViewImage kViewImages[] = {{0, 15}, {5, 7}, {6, 13}, {3, 20}, {11, 20}, {1, 18}, {2, 23}};
constexpr int kStripImages = 38;
constexpr int kStripGrow = 5;

int SavedViewImage(LONG view) {
    for (const ViewImage& entry : kViewImages) {
        if (entry.view == view) return entry.image;
    }
    return -1;
}

HWND ViewList(HWND dialog) { return GetDlgItem(dialog, IDC_SAVED_VIEWS_LIST); }

void FillSavedViews(HWND dialog) {
    HWND list = ViewList(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    if (g_SavedViews.views.IsEmpty()) AddPickerRow(list, LoadResString(IDS_NO_SAVED_VIEWS), -1);
    for (int i = 0; i < g_SavedViews.views.Size(); ++i) {
        const SavedView& view = g_SavedViews.views[i];
        AddPickerRow(list, view.name, i, SavedViewImage(view.viewCode));
    }
    SelectPickerRow(list, 0);
}

INT_PTR InitSavedViews(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SAVED_VIEWS_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    SetTitleText(dialog, LoadResString(IDS_SELECT_SAVED_VIEW).c_str());
    PushOpenDlg(dialog);
    InitPickerList(dialog, IDC_SAVED_VIEWS_LIST);
    SubclassItemList(ViewList(dialog), CheckStrip::kNo);
    // The strip's cells are 32 pixels on VGA; a smaller cell would cut the pictures apart.
    const bool vga = IsVgaScreen() != FALSE;
    SetPickerImages(ViewList(dialog), vga ? IDB_FIELD_STRIP_VGA : IDB_FIELD_STRIP, vga ? 32 : 12, kStripImages,
                    kStripGrow);
    FillSavedViews(dialog);
    // The list takes the keys: opened from a menu the focus would stay behind the dialog, out of
    // reach of Back.
    SetFocus(ViewList(dialog));
    return FALSE;
}

void DeleteSelectedView(HWND dialog) {
    const int row = SelectedPickerRow(ViewList(dialog));
    if (row < 0 || row >= g_SavedViews.views.Size()) return;
    if (ShowResMessage(dialog, IDS_CONFIRM_DELETE_SAVED_VIEW, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const std::u16string name = g_SavedViews.views[row].name;
    g_SavedViews.views.RemoveAt(row);
    SaveSavedViews();
    FillSavedViews(dialog);
    DropSpinnerSavedView(name);
}

void Finish(HWND dialog, INT_PTR result) {
    if (result == kDlgAccept) {
        const int row = SelectedPickerRow(ViewList(dialog));
        g_ChosenView = !g_SavedViews.views.IsEmpty() && row >= 0 ? row : -1;
    }
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
}

INT_PTR OnSavedViewsCommand(HWND dialog, UINT command) {
    switch (command) {
    case kDlgAccept:
    case IDOK: Finish(dialog, kDlgAccept); return TRUE;
    case kDlgCancel:
    case IDCANCEL: Finish(dialog, kDlgCancel); return TRUE;
    case IDM_DELETE_SAVED_VIEW: DeleteSelectedView(dialog); return TRUE;
    default: return FALSE;
    }
}

INT_PTR OnRowMeasure(WPARAM control, LPARAM lParam) {
    if (control != IDC_SAVED_VIEWS_LIST) return FALSE;
    MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
}

INT_PTR OnRowDraw(HWND dialog, WPARAM control, LPARAM lParam) {
    if (control != IDC_SAVED_VIEWS_LIST) return FALSE;
    DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), ViewList(dialog), 0);
    return TRUE;
}

INT_PTR OnSavedViewsDestroy(HWND dialog) {
    FreePickerImages(ViewList(dialog));
    SetTitleText(GetParent(dialog), nullptr);
    return FALSE;
}

INT_PTR CALLBACK SavedViewsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return InitSavedViews(dialog);
    case WM_COMMAND: return OnSavedViewsCommand(dialog, LOWORD(wParam));
    // Enter and double-taps on the list, from its item-list subclass.
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) return FALSE;
        Finish(dialog, kDlgAccept);
        return TRUE;
    case kMsgEndDialog: Finish(dialog, kDlgCancel); return TRUE;
    case WM_SIZE: FitPickerList(dialog, IDC_SAVED_VIEWS_LIST); return TRUE;
    case WM_MEASUREITEM: return OnRowMeasure(wParam, lParam);
    case WM_DRAWITEM: return OnRowDraw(dialog, wParam, lParam);
    case WM_DESTROY: return OnSavedViewsDestroy(dialog);
    default: return FALSE;
    }
}

}  // namespace

int SavedViewsDlg(HWND parent) {
    g_ChosenView = -1;
    if (!g_SavedViews.loaded) LoadSavedViews();
    if (RunProgramDialog(IDD_CHOOSE_ITEM, parent, SavedViewsDlgProc) != kDlgAccept) return -1;
    return g_ChosenView;
}
