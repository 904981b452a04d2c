// The contacts list window: creation, placing beside the letter tabs, row heights, the contact
// rows' painting and the current contact.
#include "lists/cts_list.h"

#include <array>
#include <string>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_order.h"
#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "lists/cts_grid.h"
#include "lists/cts_match.h"
#include "lists/cts_picture.h"
#include "lists/cts_row_parts.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/letter_tabs.h"
#include "lists/list_colors.h"
#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/text_wrap.h"
#include "ui/view_windows.h"

HWND g_CtsListWnd = nullptr;

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER;
constexpr int kNameIndent = 5;
constexpr int kGapAfterName = 5;
constexpr int kDefaultTextRight = 6;
constexpr int kDefaultTextRoom = 18;
constexpr int kPictureLeft = 6;
constexpr int kPictureTop = 3;
constexpr int kTextAfterPicture = 10;
constexpr int kCatIconRoom = 22;
constexpr int kSmallScreenCatRoom = 30;
constexpr int kFieldIconGap = 3;
constexpr int kFieldIconWideGap = 6;
constexpr int kFieldIconGapVga = 5;
constexpr int kStripRight = 4;
constexpr int kCornerMark = 12;
constexpr int kStringChars = 256;

bool Portrait() { return !IsSquareScreen() && !IsLandscapeScreen(); }
bool PhotoOn() { return g_Settings.photo != 0; }
bool TabsOn() { return g_Settings.abcTb != 0; }

struct RowHeights {
    BOOL (*test)();
    int plain;
    int plainBigFont;
    LONG bigFontFrom;  // "FONTSIZE" at which the plain row grows
    int photoPortrait;
    int photoOther;
    int photoTabsPortrait;
    int photoTabsOther;
};

BOOL AnyScreen() { return TRUE; }

// Rows by screen class, the first that applies.
constexpr std::array<RowHeights, 4> kRowHeights = {{
    {IsQvgaScreen, 23, 26, 20, 44, 46, 42, 42},
    {IsSquare320Screen, 25, 25, 0, 49, 49, 45, 45},
    {IsVgaScreen, 52, 59, 25, 76, 75, 70, 67},
    {AnyScreen, 20, 20, 0, 45, 45, 45, 45},
}};

struct PictureSizes {
    BOOL (*test)();
    int plain;
    int tabsPortrait;
    int tabsOther;
};

constexpr std::array<PictureSizes, 4> kPictureSizes = {{
    {IsQvgaScreen, 38, 36, 36},
    {IsSquare320Screen, 42, 39, 39},
    {IsVgaScreen, 68, 63, 61},
    {AnyScreen, 38, 38, 38},
}};

template <class Table>
const typename Table::value_type& ForScreen(const Table& table) {
    for (const auto& entry : table) {
        if (entry.test()) return entry;
    }
    return table.back();
}

std::u16string ResString(UINT id) {
    WCHAR text[kStringChars] = {};
    LoadStringW(GetModuleHandleW(nullptr), id, text, kStringChars);
    return text;
}

const CtsRecord* ContactByOid(LONG oid) {
    const LONG position = IdIndexGet(oid, g_CtsIdIndex);
    return position >= 0 && position < g_CtsList.Size() ? &g_CtsList[position] : nullptr;
}

int TabsHeight() {
    if (!g_CtsAbcToolbar) return 0;
    RECT r{};
    GetWindowRect(g_CtsAbcToolbar, &r);
    return r.bottom - r.top;
}

int CapitalHeight(HDC dc) {
    SIZE size{};
    GetTextExtentPoint32W(dc, u"W", 1, &size);
    return size.cy;
}

int TextWidth(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawText(HDC dc, int x, int y, const std::u16string& text, COLORREF colour) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    ReadableTextOut(dc, x, y, text);
}

// The list font the other lists draw with, at the settings' height.
HFONT ListFont(LONG height) {
    LOGFONTW font{};
    InitLogFont(font, height, false, false);
    return CreateFontIndirectW(&font);
}

COLORREF NameColour(const CtsRecord& contact) {
    if (g_Settings.catColors != 0 && !contact.categories.IsEmpty()) return GetCtsCatColor(contact);
    return ListColor(kListText);
}

// The default field text right-aligned before `right`, its icon before it; returns the left edge of
// what was drawn (right - 8 without a text).
int DrawDefaultField(HDC dc, const CtsRecord& contact, int x, int right, int y, int iconGap, int wideIconGap) {
    constexpr int kNoTextLimit = 8;
    const std::u16string text = TrimSpaces(contact.defaultText);
    if (text.empty()) return right - kNoTextLimit;
    const std::u16string shown = FitTextWithEllipsis(dc, text, right - x - kDefaultTextRoom);
    const int left = right - kDefaultTextRight - TextWidth(dc, shown);
    DrawText(dc, left, y, shown, ListColor(kListSecondaryText));
    return DrawCtsFieldIcon(dc, contact, left, y + CapitalHeight(dc) / 2, iconGap, wideIconGap);
}

bool CategoriesShown() { return g_Settings.showCat != 0 && g_Settings.contactSort != kCtsModeCategory; }

// Glyphs and category icons after the name, none past catLimit (nor any category without "SHOWCAT").
void DrawGlyphsAfterName(HDC dc, int x, int centreY, int limit, int catLimit, const CtsRecord& contact) {
    constexpr int kNoCategories = -1;
    DrawCtsGlyphsAfterName(dc, x, centreY, limit, CategoriesShown() ? catLimit : kNoCategories, contact);
}

void DrawOneLineRow(HDC dc, const RECT& row, const CtsRecord& contact) {
    OwnedFont font(ListFont(g_Settings.fontSize));
    SelectScope selectFont(dc, font.Get());
    const std::u16string name = GetCtsDisplayName(contact, g_Settings.firstLast);
    const int capital = CapitalHeight(dc);
    const int y = row.top + (row.bottom - row.top - capital) / 2;
    const int centreY = row.top + (row.bottom - row.top) / 2;
    const int nameX = row.left + kNameIndent;
    const int x = nameX + TextWidth(dc, name) + kGapAfterName;
    OwnedFont small(ListFont(g_Settings.smallFontHeight));
    {
        SelectScope selectSmall(dc, small.Get());
        const int textY = row.top + (row.bottom - row.top - CapitalHeight(dc)) / 2;
        const int limit = DrawDefaultField(dc, contact, x, row.right, textY, kFieldIconGap, kFieldIconWideGap);
        DrawGlyphsAfterName(dc, x, centreY, limit, limit - kCatIconRoom, contact);
    }
    DrawText(dc, nameX, y, name, NameColour(contact));
}

// The small mark in the selection colours beside the glyph strip of the gradient style.
void DrawCornerMark(HDC dc, int right, int top, int height) {
    const RECT mark{right - kCornerMark, top, right, top + height};
    DrawGradientLines(dc, mark, ListColor(kListSelection), ListColor(kListSelectionText));
}

void DrawTwoLineRow(HDC dc, const RECT& row, const CtsRecord& contact, bool plain) {
    const int size = GetCtsRowHeight();
    const bool companyOnly = CtsIsCompanyOnly(contact);
    DrawCtsPicture(dc, row.left + kPictureLeft, row.top + kPictureTop, contact.oid, companyOnly, size, true, false);
    const int x = row.left + kPictureLeft + size + kTextAfterPicture;
    int top = 3;
    if (IsQvgaScreen() && TabsOn()) top = 1;
    else if (!IsQvgaScreen() && g_Settings.fontSize >= 16) top = 2;
    OwnedFont font(ListFont(g_Settings.fontSize));
    SelectScope selectFont(dc, font.Get());
    const int capital = CapitalHeight(dc);
    const int centreY = row.top + top + capital / 2;
    const std::u16string fullName = GetCtsDisplayName(contact, g_Settings.firstLast);
    if (IsScreen240Plus()) {
        int nameRight = DrawCtsGlyphStrip(dc, row.right - kStripRight, centreY, contact, CategoriesShown());
        if (GetThemeWord(kThemeListBackground) == kBackCutCorner) {
            if (!plain) DrawCornerMark(dc, nameRight, row.top + top, capital);
            nameRight -= kCornerMark;
        }
        DrawText(dc, x, row.top + top, FitTextWithEllipsis(dc, fullName, nameRight - x - 4), NameColour(contact));
    } else {
        const std::u16string name = FitTextWithEllipsis(dc, fullName, row.right - x - 4);
        const int after = x + TextWidth(dc, name) + kGapAfterName;
        DrawText(dc, x, row.top + top, name, NameColour(contact));
        DrawGlyphsAfterName(dc, after, centreY, row.right, row.right - kSmallScreenCatRoom, contact);
    }
    const int secondY = row.top + top + capital + 2;
    OwnedFont small(ListFont(g_Settings.smallFontHeight));
    SelectScope selectSmall(dc, small.Get());
    const int iconGap = IsVgaScreen() ? kFieldIconGapVga : kFieldIconGap;
    const int limit = DrawDefaultField(dc, contact, x, row.right, secondY, iconGap, iconGap);
    const bool showCompany = g_Settings.dispCompany != 0 && !companyOnly && g_Settings.contactSort != kCtsModeCompany &&
                             !contact.company.empty();
    if (showCompany) DrawText(dc, x, secondY, FitTextWithEllipsis(dc, contact.company, limit - x - 4), ListColor(kListSecondaryText));
}

LONG RowIdAt(int index) {
    if (index < 0 || index >= g_CtsRows.Size()) return -1;
    const ListRow& row = g_CtsRows[index];
    return row.kind == kRowItem ? row.id : -1;
}

}  // namespace

HWND CreateCtsList(HWND mainWindow) {
    if (g_CtsListWnd) return g_CtsListWnd;
    RECT view{};
    GetViewRect(view);
    g_CtsListWnd = CreateWindowExW(0, WC_LISTVIEWW, u"", kListStyle, view.left, view.top, view.right - view.left,
                                   view.bottom - view.top, mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdContactsList)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!g_CtsListWnd) {
        MessageBoxW(mainWindow, u"Error: Contact List Creation Error.", nullptr, MB_ICONEXCLAMATION);
        return nullptr;
    }
    SendMessageW(g_CtsListWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = (view.right - view.left) - 2 * GetThemeWord(kThemeViewMarginSide) - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(g_CtsListWnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    g_ViewWnds.contactsList = g_CtsListWnd;
    SubclassOutlineList(g_CtsListWnd);
    ClearCtsTypeAhead();
    ClearKeypadKeys();
    CreateCtsAbcToolbar(mainWindow);
    return g_CtsListWnd;
}

void MoveCtsListWnd() {
    if (!TabsOn() || !g_CtsAbcToolbar) return;
    RECT client{};
    GetClientRect(GetParent(g_CtsAbcToolbar), &client);
    const int height = TabsHeight();
    // Tabs at the bottom sit on the client area's bottom edge, whatever the screen's height.
    const int y = g_Settings.abcTbDown != 0 ? client.bottom - height : 0;
    MoveWindow(g_CtsAbcToolbar, 0, y, client.right, height, TRUE);
}

void SizeCtsListWnd(HWND list) {
    if (!TabsOn() || !list) return;
    RECT client{};
    GetClientRect(GetParent(list), &client);
    const int tabs = TabsHeight();
    const int width = GetSystemMetrics(SM_CXSCREEN);
    if (g_Settings.abcTbDown != 0) {
        MoveWindow(list, 0, client.top, width, client.bottom - client.top - tabs, TRUE);
    } else {
        const int top = client.top + tabs + 1;
        MoveWindow(list, 0, top, width, client.bottom - top, TRUE);
    }
}

void PlaceCtsListBelowTabs() {
    MoveCtsListWnd();
    SizeCtsListWnd(g_CtsListWnd);
}

int CtsListRowHeight() {
    const RowHeights& rows = ForScreen(kRowHeights);
    if (!PhotoOn()) return rows.bigFontFrom != 0 && g_Settings.fontSize >= rows.bigFontFrom ? rows.plainBigFont : rows.plain;
    if (TabsOn()) return Portrait() ? rows.photoTabsPortrait : rows.photoTabsOther;
    return Portrait() ? rows.photoPortrait : rows.photoOther;
}

void MeasureCtsRow(MEASUREITEMSTRUCT& measure) { measure.itemHeight = static_cast<UINT>(CtsListRowHeight()); }

int GetCtsRowHeight() {
    const PictureSizes& sizes = ForScreen(kPictureSizes);
    if (!TabsOn()) return sizes.plain;
    return Portrait() ? sizes.tabsPortrait : sizes.tabsOther;
}

void DrawCtsListRow(HDC dc, const RECT& row, LONG oid, bool selected, bool plain) {
    DrawCtsRowBackground(dc, row, selected, plain);
    const CtsRecord* found = ContactByOid(oid);
    if (!found) return;
    const CtsRecord contact = *found;
    if (PhotoOn()) {
        DrawTwoLineRow(dc, row, contact, plain);
    } else {
        DrawOneLineRow(dc, row, contact);
    }
}

LONG GetCtsListSelOid() {
    if (!g_CtsListWnd) return -1;
    const int index = static_cast<int>(SendMessageW(g_CtsListWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return RowIdAt(index);
}

bool SelCtsRowIsHeader() {
    const int selection = g_CtsGrid.selection;
    return g_Settings.cList != 0 && selection >= 0 && selection < g_CtsRows.Size() &&
           g_CtsRows[selection].kind == kRowHeader;
}

LONG GetSelCtsRowId() {
    const int selection = g_CtsGrid.selection;
    return selection >= 0 && selection < g_CtsRows.Size() ? g_CtsRows[selection].id : -1;
}

bool CheckCtsSelected(bool ask) {
    const LONG oid = g_Settings.ctsIcon != 0 ? RowIdAt(g_CtsGrid.selection) : GetCtsListSelOid();
    if (oid != -1) {
        g_CurItem.oid = oid;
        g_CurItem.kind = kItemContact;
        return true;
    }
    g_CurItem.kind = kItemNone;
    if (ask) MessageBoxW(g_Frame.mainWnd, ResString(IDS_NO_CONTACT_SELECTED).c_str(), nullptr, MB_ICONEXCLAMATION);
    return false;
}

void FetchSelContactQuiet() { CheckCtsSelected(false); }
