// The "Call History" dialog (7288): the calls of the current contact in the device's call log, one
// owner-drawn row each (number, start and duration), under a band with the contact's picture, name,
// number of calls and the talk time of each direction.
#include <string>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "lists/call_log.h"
#include "lists/cts_list.h"
#include "lists/cts_match.h"
#include "lists/cts_picture.h"
#include "lists/cts_row_parts.h"
#include "lists/list_colors.h"
#include "lists/list_commands.h"
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
#include "ui/image_lists.h"
#include "ui/text_wrap.h"
#include "ui/themed_bars.h"
#include "ui/view_focus.h"

namespace {

constexpr int kBand = 50;
constexpr int kBandVga = 80;
constexpr int kRowHeight = 44;
constexpr int kRowHeightVga = 78;
constexpr int kColumnLess = 6;
constexpr int kTextLeft = 48;
constexpr int kTextTop = 3;
constexpr int kNoCallsTop = 12;
constexpr int kCountRightGap = 10;
constexpr int kNameGap = 6;
constexpr LPARAM kNoCallRow = -1;
constexpr UINT kEnterKey = 13;
constexpr int kKindIconLeft = 6;
constexpr int kKindIconTop = 5;
constexpr int kNameGlyph = 8;
constexpr int kNameGlyphQvga = 16;
constexpr int kNameGlyphVga = 22;
constexpr int kNameGlyphGap = 3;
constexpr int kSummaryIcon = 16;
constexpr int kSummaryGap = 3;
constexpr int kTotalsGap = 8;

// The call icon list's pictures, and those of the summary list the band draws.
enum CallIcon : int {
    kCallOutConnected = 0,
    kCallInConnected = 1,
    kCallOutNotConnected = 2,
    kCallMissed = 3,
};
enum SummaryIcon : int {
    kSummaryOutgoing = 0,
    kSummaryIncoming = 1,
    kSummaryCount = 2,
};

int Band() { return IsVgaScreen() ? kBandVga : kBand; }
HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_CALL_LIST); }

// The settings font size, a step smaller where the call rows would not hold it.
LONG CallFontSize() {
    constexpr LONG kQvgaPortraitFrom = 18;
    constexpr LONG kQvgaPortraitSize = 16;
    constexpr LONG kSmallScreenSize = 14;
    if (IsSmallScreen176()) return kSmallScreenSize;
    if (IsQvgaScreen() && IsPortraitScreen() && g_Settings.fontSize == kQvgaPortraitFrom) return kQvgaPortraitSize;
    return g_Settings.fontSize;
}

HFONT MakeFont(bool bold, LONG size = CallFontSize()) {
    LOGFONTW font{};
    InitLogFont(font, size, bold, false);
    return CreateFontIndirectW(&font);
}

SIZE TextSize(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void TextAt(HDC dc, int x, int y, const std::u16string& text) { ReadableTextOut(dc, x, y, text); }

const CtsRecord* CurrentContact() {
    const LONG position = IdIndexGet(g_CurItem.oid, g_CtsIdIndex);
    return position >= 0 && position < g_CtsList.Size() ? &g_CtsList[position] : nullptr;
}

void PlaceList(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    MoveWindow(ListOf(dialog), 0, Band(), client.right, client.bottom - Band(), TRUE);
}

void FillCallList(HWND list) {
    LoadCallLog();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const auto add = [list](int index, LPARAM data) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = index;
        item.lParam = data;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    };
    for (int i = 0; i < g_CallList.Size(); ++i) add(i, i);
    if (g_CallList.IsEmpty()) add(0, kNoCallRow);
    if (!g_CallList.IsEmpty()) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list, LVM_SETSELECTIONMARK, 0, 0);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

void InitCallHistoryDlg(HWND dialog) {
    SetTitleText(dialog, LoadResString(IDS_CALL_HISTORY).c_str());
    HWND list = ListOf(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(dialog, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL) - kColumnLess;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    PlaceList(dialog);
    FillCallList(list);
}

std::u16string CallSecondLine(const CallLogEntry& call) {
    std::u16string date;
    std::u16string time;
    std::u16string duration;
    FormatFileTimeDate(date, call.start);
    FormatTimeFT(time, call.start, g_Settings.hours24 != 0);
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    FormatDurationFT(duration, call.start, call.end, hours, minutes, seconds);
    return date + u" " + time + u"(" + duration + u")";
}

// The call-kind icon of a call: by direction, and whether it got through.
int CallKindIcon(const CallLogEntry& call) {
    if (call.connected != 0) return call.incoming != 0 ? kCallInConnected : kCallOutConnected;
    return call.incoming != 0 ? kCallMissed : kCallOutNotConnected;
}

int NameGlyphWidth() {
    if (IsVgaScreen()) return kNameGlyphVga;
    if (IsQvgaScreen() || IsSquare320Screen()) return kNameGlyphQvga;
    return kNameGlyph;
}

// Below the first line: a little more room with the bigger fonts of the small screens.
int SecondLineGap() {
    if (IsQvgaScreen() && g_Settings.fontSize == 20) return 3;
    if (IsQvgaScreen() && g_Settings.fontSize == 22) return 2;
    return 5;
}

void DrawCallRow(HDC dc, const RECT& rect, LPARAM data, bool selected) {
    OwnedFont normal(MakeFont(false));
    OwnedFont bold(MakeFont(true));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ListColor(kListText));
    if (data == kNoCallRow || data < 0 || data >= g_CallList.Size()) {
        SelectScope font(dc, normal.Get());
        const std::u16string text = LoadResString(IDS_NO_CALLS_FOUND);
        TextAt(dc, (rect.right - TextSize(dc, text).cx) / 2, kNoCallsTop, text);
        return;
    }
    if (selected) DrawSelectionFrame(dc, RECT{rect.left + 2, rect.top + 1, rect.right - 2, rect.bottom - 1}, false, true);
    // The same background as the contact rows, by the selection style.
    DrawCtsRowBackground(dc, rect, !selected, !selected);
    const CallLogEntry& call = g_CallList[static_cast<int>(data)];
    if (g_ImageLists.callHistory) {
        ImageList_Draw(g_ImageLists.callHistory, CallKindIcon(call), dc, kKindIconLeft, kKindIconTop, ILD_NORMAL);
    }
    int numberX = kTextLeft;
    int firstHeight = 0;
    {
        SelectScope font(dc, bold.Get());
        firstHeight = TextSize(dc, u"W").cy;
        if (call.nameKind >= 0) {
            const int glyphY = kTextTop + (firstHeight - NameGlyphWidth()) / 2;
            DrawFieldKindIcon(dc, kTextLeft, glyphY, static_cast<int>(call.nameKind), true);
            numberX += NameGlyphWidth() + kNameGlyphGap;
        }
        TextAt(dc, numberX, kTextTop, call.number);
    }
    SelectScope font(dc, normal.Get());
    SetTextColor(dc, ListColor(kListSecondaryText));
    // In landscape the rows are wide and low: the details stand under the number, not under the glyph.
    const int secondX = IsLandscapeScreen() ? numberX : kTextLeft;
    TextAt(dc, secondX, kTextTop + firstHeight + SecondLineGap(), CallSecondLine(call));
}

LRESULT OnCallDrawItem(LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return TRUE;
    MemoryDC memory(item.hDC);
    OwnedBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
    SelectScope select(memory.Get(), bitmap.Get());
    const RECT rect{0, 0, width, height};
    OwnedBrush background(CreateSolidBrush(ListColor(kListBackground)));
    FillRect(memory.Get(), &rect, background.Get());
    DrawCallRow(memory.Get(), rect, static_cast<LPARAM>(item.itemData), (item.itemState & ODS_SELECTED) != 0);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    return TRUE;
}

void DrawSummaryIcon(HDC dc, int icon, int x, int y) {
    if (g_ImageLists.callSummary) ImageList_Draw(g_ImageLists.callSummary, icon, dc, x, y, ILD_NORMAL);
}

void PaintBand(HWND dialog) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(dialog, &ps);
    RECT client{};
    GetClientRect(dialog, &client);
    const RECT band{0, 0, client.right, Band()};
    OwnedBrush background(CreateSolidBrush(ListColor(kListBackground)));
    FillRect(dc, &band, background.Get());
    if (const CtsRecord* contact = CurrentContact()) {
        const int pictureX = IsLandscapeScreen() ? 6 : 2;
        const int size = GetCtsRowHeight();
        DrawCtsPicture(dc, pictureX, 4, contact->oid, CtsIsCompanyOnly(*contact), size, true, false);
        OwnedFont bold(MakeFont(true));
        // The totals with their icons need the small font to fit beside the picture.
        OwnedFont normal(MakeFont(false, g_Settings.smallFontHeight));
        SetBkMode(dc, TRANSPARENT);
        const std::u16string count = platform::FormatW(u"%d", g_CallList.Size());
        SelectScope font(dc, bold.Get());
        const int countTextX = client.right - kCountRightGap - TextSize(dc, count).cx;
        const int countX = countTextX - kSummaryGap - kSummaryIcon;
        DrawSummaryIcon(dc, kSummaryCount, countX, 4 + (TextSize(dc, u"W").cy - kSummaryIcon) / 2);
        SetTextColor(dc, ListColor(kListText));
        TextAt(dc, countTextX, 4, count);
        const int nameX = pictureX + (IsVgaScreen() ? 80 : 44);
        const COLORREF nameColour = g_Settings.catColors != 0 && !contact->categories.IsEmpty()
                                        ? GetCtsCatColor(*contact)
                                        : ListColor(kListText);
        SetTextColor(dc, nameColour);
        TextAt(dc, nameX, 4,
               FitTextWithEllipsis(dc, GetCtsDisplayName(*contact, g_Settings.firstLast), countX - kNameGap - nameX));
        const int totalsY = 4 + TextSize(dc, u"W").cy + 2;
        SelectScope small(dc, normal.Get());
        SetTextColor(dc, ListColor(kListSecondaryText));
        const int lineHeight = TextSize(dc, u"W").cy;
        const auto total = [&](int x, int icon, const std::u16string& text) {
            DrawSummaryIcon(dc, icon, x, totalsY + (lineHeight - kSummaryIcon) / 2);
            x += kSummaryIcon + kSummaryGap;
            TextAt(dc, x, totalsY, text);
            return x + TextSize(dc, text).cx;
        };
        const int afterIn = total(nameX, kSummaryIncoming, u"In: " + CallTotalText(g_CallList, true));
        total(afterIn + kTotalsGap, kSummaryOutgoing, u"Out: " + CallTotalText(g_CallList, false));
    }
    DrawSeparatorLine(dc, 0, client.right, Band() - 2);
    EndPaint(dialog, &ps);
}

INT_PTR CALLBACK CallHistoryDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_DONE_BAR, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        InitCallHistoryDlg(dialog);
        return FALSE;
    case WM_SIZE: PlaceList(dialog); return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = IsVgaScreen() ? kRowHeightVga : kRowHeight;
        return TRUE;
    case WM_DRAWITEM: return OnCallDrawItem(lParam);
    case WM_PAINT: PaintBand(dialog); return TRUE;
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        // The Enter key stays in the dialog.
        return header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == kEnterKey;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDM_DLG_DONE:
        case IDM_DLG_CANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        default: return FALSE;
        }
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

}  // namespace

void ShowCallHistoryDlg(HWND parent) {
    if (g_CurItem.oid == -1) {
        MessageBoxW(parent, LoadResString(IDS_NO_ITEM_SELECTED).c_str(), nullptr, MB_ICONEXCLAMATION);
        return;
    }
    RunProgramDialog(IDD_CALL_HISTORY, parent, CallHistoryDlgProc);
    FocusCurrentView();
}
