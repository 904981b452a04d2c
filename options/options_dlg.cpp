// The options dialog: a page selector with its up-down control over the field list, one page of
// rows at a time; OK checks and applies every page that was shown and saves the settings, Cancel
// writes nothing. The theme commands of its menu act on the live theme at once.
#include "options/options_dlg.h"

#include <iterator>

#include "calendar/agenda_view.h"
#include "calendar/day_list.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "editors/cat_picker.h"
#include "editors/field_list.h"
#include "editors/field_zones.h"
#include "extras/about_box.h"
#include "extras/theme.h"
#include "extras/update_check.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "options/options_state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/menus.h"
#include "platform/system.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/color_picker.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/draw_prims.h"
#include "ui/file_picker.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/icon_picker.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/offscreen.h"
#include "ui/subclass.h"
#include "ui/theme_colors.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

namespace {

constexpr UINT kPageTitles[kOptionPageCount] = {
    IDS_PAGE_GENERAL, IDS_PAGE_DISPLAY, IDS_PAGE_VIEWS,    IDS_PAGE_CATEGORY, IDS_PAGE_SCHEDULE,
    IDS_PAGE_TASKS,   IDS_PAGE_CONTACTS, IDS_PAGE_NOTES,   IDS_PAGE_WALLET,   IDS_PAGE_PROJECTS,
};

// The pages applied after the two validated ones, in this order.
constexpr int kApplyOrder[] = {kPageGeneral, kPageDisplay, kPageCategory, kPageTasks,
                               kPageContacts, kPageNotes, kPageWallet, kPageProjects};
using ApplyStep = void (*)();
constexpr ApplyStep kApplySteps[kOptionPageCount] = {
    ApplyGeneralOptions, ApplyDisplayOptions, ApplyViewOptions, ApplyCategoryOptions, ApplyScheduleOptions,
    ApplyTaskOptions,    ApplyContactOptions, ApplyNoteOptions, ApplyWalletOptions,   ApplyProjectOptions,
};

struct StartPageDef {
    LONG view;
    int page;
};
constexpr StartPageDef kStartPages[] = {
    {kViewTasks, kPageTasks},      {kViewContacts, kPageContacts},   {kViewNotes, kPageNotes},
    {kViewProjects, kPageProjects}, {kViewWallet, kPageWallet},      {kViewWalletLocked, kPageWallet},
    {kViewWalletItem, kPageWallet}, {kViewMonth, kPageSchedule},     {kViewWeek, kPageSchedule},
    {kViewTimelineWeek, kPageSchedule}, {kViewDates, kPageSchedule}, {kViewYear, kPageSchedule},
    {kViewDay, kPageSchedule},     {kViewApptPreview, kPageSchedule},
};

struct DlgLayout {
    int headerHeight, selectorX, selectorY, selectorHeight, selectorBorders, selectorInset, spinWidth;
    UINT picture;
    int pictureX, pictureY, pictureSize;
};
constexpr DlgLayout kLayout{46, 38, 8, 27, 2, 86, 34, IDB_OPTIONS, 10, 11, 22};
constexpr DlgLayout kLayoutVga{90, 62, 20, 42, 4, 190, 90, IDB_OPTIONS_VGA, 7, 14, 48};
constexpr COLORREF kPictureMask = RGB(255, 0, 255);
constexpr LONG kMidnight = 24;

const DlgLayout& Layout() { return IsVgaScreen() ? kLayoutVga : kLayout; }

HWND Selector(HWND dialog) { return GetDlgItem(dialog, IDC_OPTIONS_PAGES); }
HWND FieldList(HWND dialog) { return GetDlgItem(dialog, IDC_OPTIONS_LIST); }

void FixBarEnd() {
    if (g_Settings.barEnd == 0) g_Settings.barEnd = kMidnight;
}

void Refuse(HWND dialog, UINT textId, UINT flags, int page) {
    MessageBoxW(dialog, LoadResString(textId).c_str(), u"", flags);
    SelectOptionsPage(dialog, page);
}

// The selected row of the Category Setup page, or -1.
int SelectedRowOfKind(HWND dialog, int page, LONG kind) {
    if (g_Options.page != page) return -1;
    const int row = FieldListSelRow(FieldList(dialog));
    return row >= 0 && FieldListRows()[row].kind == kind ? row : -1;
}

void StoreAndFocus(HWND dialog, int index, const ValSnap& row) { StoreFieldRow(FieldList(dialog), index, row); }

void PickFieldRowIcon(HWND dialog) {
    const int index = SelectedRowOfKind(dialog, kPageCategory, kFieldIconColor);
    if (index < 0) return;
    ValSnap row = FieldListRows()[index];
    if (!PickIconDlg(dialog, row.secondValue)) return;
    row.secondValue = PickedIcon;
    StoreAndFocus(dialog, index, row);
    g_Options.optionsChanged = 1;
}

void PickFieldRowColor(HWND dialog) {
    const int index = SelectedRowOfKind(dialog, kPageCategory, kFieldIconColor);
    if (index < 0) return;
    ValSnap row = FieldListRows()[index];
    if (!PickColorDlg(dialog, CatPickerStartColour(static_cast<COLORREF>(row.numberValue)), kCatColorPalette)) return;
    row.numberValue = static_cast<LONG>(PickedColor);
    StoreAndFocus(dialog, index, row);
    g_Options.optionsChanged = 1;
}

void SetRowImage(HWND dialog, bool clear) {
    const HWND list = FieldList(dialog);
    const int index = FieldListSelRow(list);
    if (index < 0 || FieldListRows()[index].kind != kFieldPath) return;
    ValSnap row = FieldListRows()[index];
    if (clear) {
        row.textValue.clear();
    } else {
        g_FilePicker.chosenPath = row.textValue;
        if (!ShowFilePickerDlg(dialog, kPickImageFile) || g_FilePicker.chosenPath.empty()) return;
        row.textValue = g_FilePicker.chosenPath;
    }
    StoreAndFocus(dialog, index, row);
}

// After a theme command: the Display rows show the live theme and the page is on screen.
void ShowLiveTheme(HWND dialog) {
    RecaptureOptionRows(kPageDisplay);
    SaveThemeAsDefault();
    FreeBackBuffers();
    SelectOptionsPage(dialog, kPageDisplay);
    InvalidateRect(FieldList(dialog), nullptr, TRUE);
}

void OnThemeCommand(HWND dialog, UINT command) {
    switch (command) {
    case IDM_OPT_DISPLAY_DEFAULTS:
        ThemeSetDefaults(g_Theme);
        ShowLiveTheme(dialog);
        ShowResMessage(dialog, IDS_DISPLAY_DEFAULTS_DONE, MB_ICONEXCLAMATION);
        return;
    case IDM_OPT_STD_THEME:
        if (ThemeDlg(dialog)) ShowLiveTheme(dialog);
        return;
    case IDM_OPT_LOAD_THEME:
        OpenThemeFileCmd(dialog);
        DeleteThemePictures();
        ShowLiveTheme(dialog);
        return;
    case IDM_OPT_SAVE_THEME:
        if (g_Options.filled[kPageDisplay] != 0) ApplyDisplayOptions();
        SaveThemeAsCmd(dialog);
        SelectOptionsPage(dialog, kPageDisplay);
        return;
    }
}

INT_PTR EndOptions(HWND dialog, INT_PTR result) {
    FixBarEnd();
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR OnOptionsCommand(HWND dialog, UINT id, UINT code) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: return ApplyOptions(dialog) ? EndOptions(dialog, kDlgAccept) : TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL: return EndOptions(dialog, kDlgCancel);
    case IDC_OPTIONS_PAGES:
        if (code == LBN_SELCHANGE) OnOptionsPageSel(dialog);
        return TRUE;
    case IDM_OPT_CHECK_UPDATE:
        // A page that refuses its values keeps the dialog open, edits and all, as Done does.
        if (!ApplyOptions(dialog)) return TRUE;
        g_Options.updateRequested = 1;
        return EndOptions(dialog, kDlgAccept);
    case IDM_SET_ICON: PickFieldRowIcon(dialog); return TRUE;
    case IDM_SET_COLOR: PickFieldRowColor(dialog); return TRUE;
    case IDM_SET_IMAGE: SetRowImage(dialog, false); return TRUE;
    case IDM_CLEAR_IMAGE: SetRowImage(dialog, true); return TRUE;
    case IDM_OPT_ABOUT: ShowAboutDlg(dialog); return TRUE;
    case IDM_OPT_DISPLAY_DEFAULTS:
    case IDM_OPT_STD_THEME:
    case IDM_OPT_LOAD_THEME:
    case IDM_OPT_SAVE_THEME: OnThemeCommand(dialog, id); return TRUE;
    }
    return FALSE;
}

INT_PTR OnOptionsPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    DrawOptionsHeader(dialog, dc);
    EndPaint(dialog, &paint);
    return TRUE;
}

void StepPage(HWND dialog, int delta) {
    const int page = (g_Options.page + delta + kOptionPageCount) % kOptionPageCount;
    SendMessageW(Selector(dialog), LB_SETCURSEL, static_cast<WPARAM>(page), 0);
    ShowOptionsPage(dialog, page);
    SetFocus(Selector(dialog));
}

LRESULT CALLBACK OptionsFocusEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        SetFocus(FieldList(GetParent(window)));
        return 0;
    }
    return CallPrevWndProc(window, message, wParam, lParam);
}

LRESULT CALLBACK PageStepperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && (wParam == VK_LEFT || wParam == VK_RIGHT) && g_PlatformWords.version52OrLater != 0) {
        StepPage(GetParent(window), wParam == VK_LEFT ? -1 : 1);
        return 0;
    }
    return CallPrevWndProc(window, message, wParam, lParam);
}

// After a change that moves or resizes the views (margins, fonts, panes): the current view's
// window takes its place again before the main window is repainted.
void PlaceCurrentView() {
    const bool drawnAgenda = g_Settings.agendaFmt == kAgendaDrawn;
    switch (ViewId) {
    case kViewTasks: LayoutTskList(true); break;
    case kViewContacts:
        if (g_Settings.ctsIcon != 0) PlaceViewWnd(g_ViewWnds.contactGrid, kPlacePlain);
        else PlaceViewWnd(g_ViewWnds.contactsList, kPlaceList);
        PlaceCtsListBelowTabs();
        break;
    case kViewNotes: PlaceViewWnd(g_ViewWnds.notesList, kPlaceList); break;
    case kViewWallet: PlaceViewWnd(g_ViewWnds.walletTree, kPlaceTree); break;
    case kViewProjects: PlaceViewWnd(g_ViewWnds.projectTree, kPlaceTree); break;
    case kViewDates:
    case kViewDay: {
        const HWND window = drawnAgenda ? g_ViewWnds.agendaView : g_ViewWnds.scheduleList;
        PlaceViewWnd(window, drawnAgenda ? kPlacePlain : kPlaceList);
        if (ViewId == kViewDay) PlaceUnderWeekdayBar(window);
        break;
    }
    case kViewApptPreview:
    case kViewContactPreview:
    case kViewTaskPreview:
    case kViewWalletItem: PlaceViewWnd(g_ViewWnds.agendaView, kPlacePlain); break;
    default: break;
    }
    RedrawNow(nullptr);
}

}  // namespace

int OptionsStartPage(LONG viewCode) {
    for (const StartPageDef& def : kStartPages) {
        if (def.view == viewCode) return def.page;
    }
    return kPageGeneral;
}

void ShowOptionsPage(HWND dialog, int page) {
    if (page < 0 || page >= kOptionPageCount) return;
    g_Options.page = page;
    SetFieldListTable(&g_Options.pages[static_cast<std::size_t>(page)], IDC_OPTIONS_LIST);
    FillOptionsPage(page);
    FieldListFillView(dialog, IDC_OPTIONS_LIST, -1);
}

void SelectOptionsPage(HWND dialog, int page) {
    const HWND selector = Selector(dialog);
    if (SendMessageW(selector, LB_GETCURSEL, 0, 0) == page) return;
    SendMessageW(selector, LB_SETCURSEL, static_cast<WPARAM>(page), 0);
    ShowOptionsPage(dialog, page);
    SetFocus(selector);
}

void OnOptionsPageSel(HWND dialog) {
    const int page = static_cast<int>(SendMessageW(Selector(dialog), LB_GETCURSEL, 0, 0));
    ShowOptionsPage(dialog, page);
}

void LayoutOptionsDlg(HWND dialog) {
    const DlgLayout& l = Layout();
    RECT client{};
    GetClientRect(dialog, &client);
    FitDlgListBelow(dialog, IDC_OPTIONS_LIST, g_Options.headerHeight);
    const int width = client.right - l.selectorInset;
    MoveWindow(Selector(dialog), l.selectorX, l.selectorY, width, l.selectorHeight, TRUE);
    // One page title fills the selector's line.
    SendMessageW(Selector(dialog), LB_SETITEMHEIGHT, 0, l.selectorHeight - l.selectorBorders);
    MoveWindow(GetDlgItem(dialog, IDC_OPTIONS_SPIN), l.selectorX + width - 1, l.selectorY, l.spinWidth, l.selectorHeight, TRUE);
}

void DrawOptionsHeader(HWND dialog, HDC dc) {
    const DlgLayout& l = Layout();
    RECT client{};
    GetClientRect(dialog, &client);
    const RECT band{0, 0, client.right, g_Options.headerHeight - 1};
    const OwnedBrush brush(CreateSolidBrush(ThemeColor(kThemeBackground)));
    FillRect(dc, &band, brush.Get());
    DrawSeparatorLine(dc, 0, client.right, g_Options.headerHeight - 2);
    const OwnedBitmap picture(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(l.picture)));
    if (picture) {
        TransparentImage(dc, l.pictureX, l.pictureY, l.pictureSize, l.pictureSize, picture.Get(), 0, 0, l.pictureSize,
                         l.pictureSize, kPictureMask);
    }
}

void SetAboutMenuItem(HWND /*dialog*/, HMENU menu) {
    ModifyMenuW(menu, IDM_OPT_ABOUT, MF_BYCOMMAND | MF_STRING, IDM_OPT_ABOUT, LoadResString(IDS_ABOUT, u"About").c_str());
}

INT_PTR InitOptionsDlg(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_OPTIONS_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    g_Options.headerHeight = Layout().headerHeight;
    const std::u16string title = LoadResString(IDS_OPTIONS_TITLE, u"Vestral Agenda Options");
    SetWindowTextW(dialog, title.c_str());
    SetTitleText(dialog, title.c_str());
    ClearOptionTables();
    InitSettingsList(dialog, IDC_OPTIONS_LIST, true);
    LayoutOptionsDlg(dialog);
    const HWND selector = Selector(dialog);
    InstallSubclass(selector, OptionsFocusEditProc);
    for (const UINT id : kPageTitles) SendMessageW(selector, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadResString(id).c_str()));
    const int start = OptionsStartPage(ViewId);
    SendMessageW(selector, LB_SETCURSEL, static_cast<WPARAM>(start), 0);
    InstallSubclass(GetDlgItem(dialog, IDC_OPTIONS_SPIN), PageStepperProc);
    ShowOptionsPage(dialog, start);
    PushOpenDlg(dialog);
    SetFocus(selector);
    return FALSE;
}

bool ApplyOptions(HWND dialog) {
    // Both checks run before anything is written, so that a refusal leaves every page unwritten.
    if (g_Options.filled[kPageViews] != 0) {
        if (const UINT refusal = CheckViewOptions()) {
            Refuse(dialog, refusal, MB_OK, kPageViews);
            return false;
        }
    }
    if (g_Options.filled[kPageSchedule] != 0) {
        if (const UINT refusal = CheckScheduleOptions()) {
            Refuse(dialog, refusal, MB_ICONEXCLAMATION, kPageSchedule);
            return false;
        }
    }
    if (g_Options.filled[kPageViews] != 0) ApplyViewOptions();
    if (g_Options.filled[kPageSchedule] != 0) ApplyScheduleOptions();
    for (const int page : kApplyOrder) {
        if (g_Options.filled[static_cast<std::size_t>(page)] != 0) kApplySteps[page]();
    }
    SaveSettings();
    return true;
}

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return InitOptionsDlg(dialog);
    case WM_COMMAND: return OnOptionsCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_PAINT: return OnOptionsPaint(dialog);
    case WM_SIZE: LayoutOptionsDlg(dialog); return FALSE;
    case WM_INITMENUPOPUP: SetAboutMenuItem(dialog, reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_OPTIONS_LIST) MeasureFieldRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_OPTIONS_LIST) DrawFieldRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case kMsgEndDialog: return EndOptions(dialog, kDlgCancel);
    case WM_DESTROY:
        PopOpenDlg(dialog);
        SetTitleText(GetParent(dialog), nullptr);
        FreeFieldIconList();
        SetFieldListTable(nullptr, 0);
        return FALSE;
    }
    return FALSE;
}

void RunOptionsDlg() {
    g_Options.viewReload = 0;
    g_Options.updateRequested = 0;
    const LONG clockBefore = g_Settings.clockTitle;
    const INT_PTR result = RunProgramDialog(IDD_OPTIONS, g_Frame.mainWnd, OptionsDlgProc);
    if (result != kDlgAccept) {
        FocusCurrentView();
        return;
    }
    if (g_Settings.clockTitle != clockBefore) RefreshTitle();
    // The pages may have cleared the selection; the day view always shows one item selected.
    if (ViewId == kViewDay && g_CurItem.oid == kNoId) SelectFirstDayItem();
    FocusCurrentView();
    if (g_Options.updateRequested != 0) CheckForUpdate();
    if (g_Options.viewReload != 0) PlaceCurrentView();
}
