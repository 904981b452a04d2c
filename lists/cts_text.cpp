// The "Contact Text" picker: the contact's name in three forms, its name with the company and one
// labelled line per telephone, e-mail and web field; the chosen row's full text goes to the caller.
#include "lists/cts_text.h"

#include <array>

#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cur_item.h"
#include "core/main_messages.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "lists/cts_match.h"
#include "lists/list_colors.h"
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
#include "ui/view_focus.h"

CtsTextChoice g_CtsTextChoice;
std::u16string& g_CtsPickedText = g_CtsTextChoice.chosen;

namespace {

constexpr int kListTop = 34;
constexpr int kSeparatorY = 32;
constexpr int kHeadingX = 10;
constexpr int kHeadingY = 5;
constexpr int kColumnLess = 6;
constexpr int kRowActivated = -4;  // the list's activation notification
constexpr UINT kEnterKey = 13;

// Label lengths: the whole label, and the name and company parts when it is cut.
struct LabelLimits {
    std::size_t label;
    std::size_t nameOver;
    std::size_t nameKeep;
    std::size_t companyOver;
    std::size_t companyKeep;
};
constexpr LabelLimits kWideLabel = {36, 20, 17, 16, 13};
constexpr LabelLimits kPortraitLabel = {28, 16, 13, 12, 9};

struct FieldLine {
    HRESULT (IContact::*read)(BSTR*);
    const WCHAR* format;
};
constexpr std::array<FieldLine, 6> kFieldLines = {{
    {&IContact::get_BusinessTelephoneNumber, u"%s B: %s"},
    {&IContact::get_HomeTelephoneNumber, u"%s H: %s"},
    {&IContact::get_MobileTelephoneNumber, u"%s M: %s"},
    {&IContact::get_Email1Address, u"%s Email: %s"},
    {&IContact::get_PagerNumber, u"%s P: %s"},
    {&IContact::get_WebPage, u"%s Web: %s"},
}};

std::u16string Cut(const std::u16string& text, std::size_t over, std::size_t keep) {
    return text.size() > over ? text.substr(0, keep) + u"..." : text;
}

std::u16string Format(const WCHAR* format, const std::u16string& a, const std::u16string& b) {
    return platform::FormatW(format, a.c_str(), b.c_str());
}

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_CONTACT_TEXT_LIST); }

int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void PlaceList(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    MoveWindow(ListOf(dialog), 0, kListTop, client.right, client.bottom - kListTop, TRUE);
}

void AddListRow(HWND list, const std::u16string& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<WCHAR*>(text.c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void InitCtsTextDlg(HWND dialog) {
    g_CtsTextChoice.fullTexts.RemoveAll();
    HWND list = ListOf(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(dialog, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL) - kColumnLess;
    if (SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) < 0) {
        MessageBoxW(dialog, u"Contact Text - Column Add Problem", nullptr, MB_ICONEXCLAMATION);
    }
    PlaceList(dialog);
    FormatCtsDetails(dialog, list, g_CtsTextChoice.oid);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    SetFocus(list);
}

void PaintCtsTextDlg(HWND dialog) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(dialog, &ps);
    RECT client{};
    GetClientRect(dialog, &client);
    const RECT band{0, 0, client.right, kListTop};
    OwnedBrush background(CreateSolidBrush(ListColor(kListBackground)));
    FillRect(dc, &band, background.Get());
    std::u16string title;
    GetItemTitleByOid(g_CtsTextChoice.oid, kItemContact, title);
    LOGFONTW logFont{};
    InitLogFont(logFont, g_Settings.fontSize + 1, true, false);
    OwnedFont font(CreateFontIndirectW(&logFont));
    {
        SelectScope selectFont(dc, font.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ListColor(kListText));
        const std::u16string heading = platform::FormatW(u"Select Text for '%s'", title.c_str());
        ExtTextOutW(dc, kHeadingX, kHeadingY, 0, nullptr, heading.c_str(), static_cast<UINT>(heading.size()), nullptr);
    }
    DrawSeparatorLine(dc, 0, client.right, kSeparatorY);
    EndPaint(dialog, &ps);
}

// Ends the dialog with the selected row's text; stays open when no row is selected.
void ChooseAndEnd(HWND dialog, INT_PTR code) {
    if (!GetCtsTextChoice(ListOf(dialog))) return;
    PopOpenDlg(dialog);
    EndDialog(dialog, code);
}

INT_PTR OnCtsTextCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDM_DLG_DONE: ChooseAndEnd(dialog, kDlgAccept); return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL:
        PopOpenDlg(dialog);
        EndDialog(dialog, kDlgCancel);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR OnCtsTextNotify(HWND dialog, LPARAM lParam) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom != IDC_CONTACT_TEXT_LIST) return FALSE;
    if (static_cast<int>(header.code) == kRowActivated || header.code == NM_DBLCLK) {
        ChooseAndEnd(dialog, IDC_CONTACT_TEXT_LIST);
    } else if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == kEnterKey) {
        ChooseAndEnd(dialog, kEnterKey);
    }
    return TRUE;
}

INT_PTR CALLBACK CtsTextDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        SetTitleText(dialog, LoadResString(IDS_CONTACT_TEXT).c_str());
        InitCtsTextDlg(dialog);
        PushOpenDlg(dialog);
        return FALSE;
    case WM_PAINT: PaintCtsTextDlg(dialog); return TRUE;
    case WM_SIZE: PlaceList(dialog); return TRUE;
    case WM_COMMAND: return OnCtsTextCommand(dialog, wParam);
    case WM_NOTIFY: return OnCtsTextNotify(dialog, lParam);
    case kMsgEndDialog:
        PopOpenDlg(dialog);
        EndDialog(dialog, kDlgCancel);
        return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

}  // namespace

CtsTextLines BuildCtsTextLines(const CtsRecord& record, IContact* contact, bool portrait) {
    CtsTextLines lines;
    const auto add = [&lines](const std::u16string& shown, const std::u16string& full) {
        lines.shown.Append(shown);
        lines.full.Append(full);
    };
    const std::u16string firstLast = GetCtsDisplayName(record, kNameFirstLast);
    add(firstLast, firstLast);
    add(u"[" + firstLast + u"]", u"[" + firstLast + u"]");
    const bool companyOnly = CtsIsCompanyOnly(record);
    const bool withCompany = !companyOnly && !record.company.empty();
    const std::u16string name = GetCtsDisplayName(record, g_Settings.firstLast);
    if (!companyOnly) add(GetCtsDisplayName(record, kNameLastFirst), GetCtsDisplayName(record, kNameLastFirst));
    if (withCompany) add(Format(u"%s at %s", name, record.company), Format(u"%s at %s", name, record.company));
    const std::u16string label = withCompany ? Format(u"%s(%s)", name, record.company) : name;
    std::u16string shownLabel = label;
    const LabelLimits& limits = portrait ? kPortraitLabel : kWideLabel;
    if (label.size() > limits.label) {
        const std::u16string cutName = Cut(name, limits.nameOver, limits.nameKeep);
        shownLabel = withCompany ? Format(u"%s(%s)", cutName, Cut(record.company, limits.companyOver, limits.companyKeep))
                                 : cutName;
    }
    if (!contact) return lines;
    for (const FieldLine& field : kFieldLines) {
        BSTR text = nullptr;
        if (FAILED((contact->*field.read)(&text))) continue;
        const std::u16string value = TakeBstr(text);
        if (value.empty()) continue;
        add(Format(field.format, shownLabel, value), Format(field.format, label, value));
    }
    return lines;
}

void FormatCtsDetails(HWND, HWND list, LONG oid) {
    const LONG position = IdIndexGet(oid, g_CtsIdIndex);
    if (position < 0 || position >= g_CtsList.Size()) return;
    const CtsRecord record = g_CtsList[position];
    PoomPtr<IContact> contact;
    if (IPOutlookApp* app = GetPoomApp()) contact = GetPoomItem<IContact>(app, oid, IID_IContact);
    const CtsTextLines lines = BuildCtsTextLines(record, contact.Get(), IsPortraitScreen() != FALSE);
    for (int i = 0; i < lines.shown.Size(); ++i) {
        AddListRow(list, lines.shown[i]);
        g_CtsTextChoice.fullTexts.Append(lines.full[i]);
    }
}

int GetCtsTextChoice(HWND list) {
    const int row = SelectedRow(list);
    if (row < 0 || row >= g_CtsTextChoice.fullTexts.Size()) return 0;
    g_CtsTextChoice.chosen = g_CtsTextChoice.fullTexts[row];
    return 1;
}

INT_PTR CtsTextDlg(HWND owner) {
    if (g_CtsTextChoice.oid == -1 && g_CurItem.kind == kItemContact) g_CtsTextChoice.oid = g_CurItem.oid;
    g_CtsTextChoice.chosen.clear();
    if (g_CtsTextChoice.oid == -1) return kDlgCancel;
    const INT_PTR result = RunProgramDialog(IDD_CONTACT_TEXT, owner, CtsTextDlgProc);
    g_CtsTextChoice.fullTexts.RemoveAll();
    // The next caller names its own contact.
    g_CtsTextChoice.oid = -1;
    FocusCurrentView();
    return result;
}
