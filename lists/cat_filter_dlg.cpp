// The "Filter On" dialog (119): the filter switch of the view on screen and one marked row per
// category; OK writes both, saves them and refills the view.
#include <string>

#include "core/app_settings.h"
#include "core/cat_file.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "lists/cts_view.h"
#include "lists/list_colors.h"
#include "lists/list_commands.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/view_calls.h"
#include "ui/view_focus.h"

void ApplyCatFilter(bool filterOn, const RecordArray<DWORD>& marks) {
    const bool changed = filterOn != GetViewCatFilter();
    if (changed) SetViewCatFilter(filterOn);
    if (changed || filterOn) {
        FreeBackBuffers();
        if (ViewId == kViewDates || ViewId == kViewDay) ResetSelection();
    }
    const bool shared = SharedFilter();
    const LONG kind = GetCatFilterKind();
    for (int i = 0; i < marks.Size() && i < g_CatList.Size(); ++i) CatSetKindValue(g_CatList[i], shared, kind, marks[i]);
}

namespace {

constexpr int kMarkSize = 13;
constexpr int kMarkWidth = 18;
constexpr int kColumnLess = 2;
constexpr UINT kEnterKey = 13;
constexpr COLORREF kMarkKey = 0xFF00FF;

// The heading above the list and the check box in it, by screen class.
struct FilterLayout {
    int heading;
    int checkX;
    int checkY;
    int checkHeight;
};
constexpr FilterLayout kFilterLayout = {36, 26, 6, 23};
constexpr FilterLayout kFilterLayoutVga = {66, 50, 10, 40};
constexpr int kCheckWidthLess = 108;

struct ScopeCaption {
    LONG view;
    UINT caption;
};
constexpr ScopeCaption kScopeCaptions[] = {
    {kViewTasks, IDS_FILTER_SCOPE_TASKS},
    {kViewContacts, IDS_FILTER_SCOPE_CONTACTS},
    {kViewNotes, IDS_FILTER_SCOPE_NOTES},
    {kViewWallet, IDS_FILTER_SCOPE_WALLET},
};

struct FilterDlgState {
    HBRUSH brush = nullptr;
    HIMAGELIST marks = nullptr;
};
FilterDlgState g_FilterDlg;

const FilterLayout& Layout() { return IsVgaScreen() ? kFilterLayoutVga : kFilterLayout; }
HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_FILTER_LIST); }

UINT ScopeCaptionId() {
    if (g_Settings.globalFilter != 0) return IDS_FILTER_SCOPE_GLOBAL;
    for (const ScopeCaption& scope : kScopeCaptions) {
        if (scope.view == ViewId) return scope.caption;
    }
    return IDS_FILTER_SCOPE_SCHEDULE;
}

// Image 0 an empty box, image 1 the box with a check mark.
HIMAGELIST MakeMarkImages(HDC reference) {
    HIMAGELIST list = ImageList_Create(kMarkWidth, kMarkSize, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (!list) return nullptr;
    MemoryDC memory(reference);
    for (int checked = 0; checked < 2; ++checked) {
        OwnedBitmap bitmap(CreateCompatibleBitmap(reference, kMarkWidth, kMarkSize));
        {
            SelectScope select(memory.Get(), bitmap.Get());
            const RECT all{0, 0, kMarkWidth, kMarkSize};
            OwnedBrush key(CreateSolidBrush(kMarkKey));
            FillRect(memory.Get(), &all, key.Get());
            const RECT box{2, 0, 2 + kMarkSize - 1, kMarkSize - 1};
            DrawFrameRect(memory.Get(), box, ListColor(kListText), Corners::Closed, LineStyle::Solid, 1);
            if (checked) {
                const COLORREF ink = ListColor(kListText);
                DrawColorLine(memory.Get(), 4, 6, 7, 9, ink);
                DrawColorLine(memory.Get(), 4, 7, 7, 10, ink);
                DrawColorLine(memory.Get(), 7, 9, 12, 3, ink);
                DrawColorLine(memory.Get(), 7, 10, 12, 4, ink);
            }
        }
        ImageList_AddMasked(list, bitmap.Get(), kMarkKey);
    }
    return list;
}

int RowMark(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

void SetRowMark(HWND list, int row, int mark) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = mark;
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ToggleFocusedRow(HWND list) {
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (row >= 0) SetRowMark(list, row, RowMark(list, row) == 1 ? 0 : 1);
}

void PlaceControls(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const FilterLayout& layout = Layout();
    MoveWindow(ListOf(dialog), 0, layout.heading, client.right, client.bottom - layout.heading, TRUE);
    MoveWindow(GetDlgItem(dialog, IDC_FILTER_ON), layout.checkX, layout.checkY, client.right - kCheckWidthLess,
               layout.checkHeight, TRUE);
}

void FillFilterRows(HWND list) {
    const bool shared = g_Settings.globalFilter != 0;
    const LONG kind = GetCatFilterKind();
    for (int i = 0; i < g_CatList.Size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = const_cast<WCHAR*>(g_CatList[i].name.c_str());
        item.iImage = CatGetKindValue(g_CatList[i], shared, kind) != 0 ? 1 : 0;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void InitCatFilterDlg(HWND dialog) {
    const std::u16string scope = LoadResString(ScopeCaptionId());
    const std::u16string title = platform::FormatW(LoadResString(IDS_CATEGORY_FILTER_FMT).c_str(), scope.c_str());
    SetTitleText(dialog, title.c_str());
    g_FilterDlg.brush = CreateSolidBrush(ListColor(kListBackground));
    CheckDlgButton(dialog, IDC_FILTER_ON, GetViewCatFilter() ? BST_CHECKED : BST_UNCHECKED);
    HWND list = ListOf(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(dialog, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL) - kColumnLess;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const HDC dc = GetDC(dialog);
    g_FilterDlg.marks = MakeMarkImages(dc);
    ReleaseDC(dialog, dc);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_FilterDlg.marks));
    PlaceControls(dialog);
    FillFilterRows(list);
}

void PaintCatFilterDlg(HWND dialog) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(dialog, &ps);
    RECT client{};
    GetClientRect(dialog, &client);
    const int heading = Layout().heading;
    const RECT band{0, 0, client.right, heading - 1};
    if (g_FilterDlg.brush) FillRect(dc, &band, g_FilterDlg.brush);
    DrawSeparatorLine(dc, 0, client.right, heading - 2);
    EndPaint(dialog, &ps);
}

void ApplyCatFilterDlg(HWND dialog) {
    HWND list = ListOf(dialog);
    RecordArray<DWORD> marks;
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < rows; ++i) marks.Append(RowMark(list, i) == 1 ? 1u : 0u);
    ApplyCatFilter(IsDlgButtonChecked(dialog, IDC_FILTER_ON) == BST_CHECKED, marks);
}

INT_PTR OnFilterCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDM_DLG_DONE:
        ApplyCatFilterDlg(dialog);
        EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
    default: return FALSE;
    }
}

INT_PTR OnFilterNotify(LPARAM lParam) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom != IDC_FILTER_LIST) return FALSE;
    if (header.code == LVN_KEYDOWN) {
        const UINT key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
        if (key == kEnterKey || key == VK_LEFT || key == VK_RIGHT) ToggleFocusedRow(header.hwndFrom);
    } else if (header.code == NM_CLICK) {
        ToggleFocusedRow(header.hwndFrom);
    }
    return TRUE;
}

void OnFilterDestroy(HWND dialog) {
    PopOpenDlg(dialog);
    if (g_FilterDlg.brush) DeleteObject(g_FilterDlg.brush);
    if (g_FilterDlg.marks) ImageList_Destroy(g_FilterDlg.marks);
    g_FilterDlg = FilterDlgState();
}

INT_PTR CALLBACK CatFilterDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        PushOpenDlg(dialog);
        InitCatFilterDlg(dialog);
        return FALSE;
    case WM_PAINT: PaintCatFilterDlg(dialog); return TRUE;
    case WM_SIZE: PlaceControls(dialog); return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), ListColor(kListBackground));
        return reinterpret_cast<INT_PTR>(g_FilterDlg.brush);
    case WM_COMMAND: return OnFilterCommand(dialog, wParam);
    case WM_NOTIFY: return OnFilterNotify(lParam);
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: OnFilterDestroy(dialog); return FALSE;
    }
    return FALSE;
}

void RefillCurrentView() {
    switch (ViewId) {
    case kViewTasks: FillTskList(true); break;
    case kViewContacts: ReLoadCts(true); break;
    case kViewWallet: views::FillWalletTree(); break;
    default: break;
    }
}

}  // namespace

void ShowCatFilterDlg() {
    const bool wasOn = GetViewCatFilter();
    const INT_PTR result = RunProgramDialog(IDD_CAT_FILTER, g_Frame.mainWnd, CatFilterDlgProc);
    if (result == kDlgAccept) {
        RefreshTitle();
        SaveCategoriesFile();
        SaveSettings();
        if (GetViewCatFilter() || wasOn) {
            FreeBackBuffers();
            RefillCurrentView();
        }
    }
    FocusCurrentView();
}
