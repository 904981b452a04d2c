// The "Select Theme" dialog (template 7316, list 3270): one row per built-in theme; OK or Enter
// puts the chosen theme in place of the current one.
#include "extras/theme_dlg.h"

#include <string>

#include "core/res_string.h"
#include "core/screen_class.h"
#include "extras/picker_list.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"
#include "ui/main_state.h"
#include "ui/view_focus.h"

namespace {

constexpr int kColumnWidth = 100;
constexpr int kThemeRowImage = 36;
constexpr int kStripImages = 38;
constexpr int kStripGrow = 5;
constexpr std::size_t kTitleChars = 32;
constexpr int kDefaultTheme = 0;

HWND ThemeList(HWND dialog) { return GetDlgItem(dialog, IDC_THEME_LIST); }

void InsertRow(HWND list, int row, const std::u16string& text) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = copy.data();
    item.iImage = kThemeRowImage;
    item.lParam = 0;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}


void FillThemeList(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < g_Themes.Size(); ++i) InsertRow(list, i, g_Themes[i].String(kThemeName));
    if (g_Themes.Size() > 0) LvSelectRow(list, 0);
    SetFocus(list);
}

void InitThemeDlg(HWND dialog) {
    std::u16string title = LoadResString(IDS_SELECT_THEME);
    if (title.size() > kTitleChars) title.resize(kTitleChars);
    SetTitleText(dialog, title.c_str());
    AddBuiltinThemes();
    const HWND list = ThemeList(dialog);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kColumnWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FitDlgList(dialog, IDC_THEME_LIST, 0);
    SubclassItemList(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    // The rows are written in the theme's list font, sized for the screen class, not in the
    // dialog's font.
    if (const HFONT font = g_Main.themeFonts[kFontList]) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const bool vga = IsVgaScreen() != FALSE;
    SetPickerImages(list, vga ? IDB_FIELD_STRIP_VGA : IDB_FIELD_STRIP, vga ? 32 : 12, kStripImages, kStripGrow);
    FillThemeList(list);
}

// "Default" resets the numbers and keeps the current name; another theme replaces everything.
bool ApplyThemeSel(HWND dialog) {
    const int row =
        static_cast<int>(SendMessageW(ThemeList(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0 || row >= g_Themes.Size()) return false;
    if (row == kDefaultTheme) {
        ThemeSetDefaults(g_Theme);
    } else {
        ThemeRec chosen;
        ThemeRecCopy(chosen, g_Themes[row]);
        ThemeRecCopy(g_Theme, chosen);
    }
    return true;
}

INT_PTR OnThemeCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        if (ApplyThemeSel(dialog)) EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    case IDM_DLG_CANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
    }
    return FALSE;
}

INT_PTR AcceptByEnter(HWND dialog) {
    ApplyThemeSel(dialog);
    EndDialog(dialog, kDlgAccept);
    return TRUE;
}

INT_PTR OnThemeNotify(HWND dialog, const NMHDR& header) {
    if (header.idFrom == IDC_THEME_LIST && header.code == static_cast<UINT>(NM_RETURN)) return AcceptByEnter(dialog);
    return FALSE;
}

INT_PTR OnThemePaint(HWND dialog) {
    PAINTSTRUCT paint{};
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    return TRUE;
}

INT_PTR OnThemeDestroy(HWND dialog) {
    FreePickerImages(ThemeList(dialog));
    SetTitleText(GetParent(dialog), nullptr);
    return FALSE;
}

}  // namespace

bool ThemeDlg(HWND owner) { return RunProgramDialog(IDD_SELECT_THEME, owner, ThemeDlgProc) == kDlgAccept; }

INT_PTR CALLBACK ThemeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        InitThemeDlg(dialog);
        return TRUE;
    case WM_COMMAND: return OnThemeCommand(dialog, LOWORD(wParam));
    case WM_NOTIFY: return OnThemeNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_KEYDOWN: return wParam == VK_RETURN ? AcceptByEnter(dialog) : FALSE;
    case WM_MEASUREITEM:
        if (wParam == IDC_THEME_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_THEME_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), ThemeList(dialog), 0);
        return TRUE;
    case WM_SIZE: FitDlgList(dialog, IDC_THEME_LIST, 1); return FALSE;
    case WM_PAINT: return OnThemePaint(dialog);
    case WM_DESTROY: return OnThemeDestroy(dialog);
    }
    return FALSE;
}
