// The contact grid window: its procedure, the painting through the back buffer, the keys, taps
// and the scroll bar. The layout itself is in cts_grid_layout.cpp.
#include <string>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_order.h"
#include "core/cts_record.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "lists/cts_grid.h"
#include "lists/cts_match.h"
#include "lists/cts_picture.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/list_colors.h"
#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/popup_menus.h"
#include "ui/text_wrap.h"
#include "ui/view_calls.h"
#include "ui/view_windows.h"

namespace {

constexpr int kPictureTopGap = 2;
constexpr int kSelectionGrow = 2;
constexpr int kEmptyTextX = 12;
constexpr int kEmptyTextY = 3;
constexpr int kHintAboveBottom = 5;
constexpr int kHeaderBandTop = 4;
constexpr int kHeaderTextIndent = 5;
constexpr int kFilterFontLimit = 15;
constexpr int kCollapseTapWidth = 38;
constexpr int kStringChars = 256;

std::u16string ResString(UINT id) {
    WCHAR text[kStringChars] = {};
    LoadStringW(GetModuleHandleW(nullptr), id, text, kStringChars);
    return text;
}

int NameFontHeight() {
    if (IsVgaScreen()) return 22;
    return IsSquare320Screen() ? 12 : 11;
}

HFONT MakeFont(int height, LONG weight) {
    LOGFONTW font{};
    font.lfHeight = -height;
    font.lfWeight = weight;
    const std::u16string face = u"Tahoma";
    face.copy(font.lfFaceName, face.size());
    return CreateFontIndirectW(&font);
}

int TextWidth(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawTextAt(HDC dc, int x, int y, const std::u16string& text, COLORREF colour) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    ReadableTextOut(dc, x, y, text);
}

const CtsRecord* ContactByOid(LONG oid) {
    const LONG position = IdIndexGet(oid, g_CtsIdIndex);
    return position >= 0 && position < g_CtsList.Size() ? &g_CtsList[position] : nullptr;
}

void DrawCtsCell(HDC dc, const RECT& cell, LONG oid, bool selected) {
    const int size = GetCtsPictureSize();
    const int x = cell.left + (cell.right - cell.left - size) / 2;
    const int y = cell.top + kPictureTopGap;
    if (selected) {
        OwnedBrush brush(CreateSolidBrush(ListColor(kListSelection)));
        const RECT frame{x - kSelectionGrow, y - kSelectionGrow, x + size + kSelectionGrow, y + size + kSelectionGrow};
        FillRect(dc, &frame, brush.Get());
    }
    const CtsRecord* contact = ContactByOid(oid);
    DrawCtsPicture(dc, x, y, oid, contact && CtsIsCompanyOnly(*contact), size, true, false);
    if (!contact) return;
    OwnedFont font(MakeFont(NameFontHeight(), FW_NORMAL));
    SelectScope selectFont(dc, font.Get());
    const std::u16string name = WrapCtsText(dc, GetCtsDisplayName(*contact, g_Settings.firstLast), size - 2);
    const bool tight = g_Settings.abcTb != 0 && (IsSquareScreen() || IsLandscapeScreen());
    const int nameY = y + size + (tight ? 1 : 2);
    const int nameX = x + (size - TextWidth(dc, name)) / 2;
    DrawTextAt(dc, nameX, nameY, name, ListColor(selected ? kListSelectionText : kListText));
}

// A group header: a band 4 pixels below y with the group name, and the collapse box of a
// non-empty group when the lists fold.
void DrawCtsRow(HDC dc, const CtsGridGeometry& geo, int index, int y, bool selected) {
    const ListRow& row = g_CtsRows[index];
    const int width = geo.cellWidth * geo.columns;
    const int barHeight = geo.headerHeight - 2 * kHeaderBandTop;
    const RECT band{0, y + kHeaderBandTop, width, y + kHeaderBandTop + barHeight};
    OwnedBrush brush(CreateSolidBrush(ListColor(selected ? kListSelection : kListHeaderBand)));
    FillRect(dc, &band, brush.Get());
    OwnedFont font(MakeFont(NameFontHeight() + 1, FW_BOLD));
    SelectScope selectFont(dc, font.Get());
    DrawTextAt(dc, kHeaderTextIndent, band.top + 1, row.text, ListColor(kListText));
    const bool empty = index + 1 >= g_CtsRows.Size() || g_CtsRows[index + 1].kind == kRowHeader;
    if (!geo.collapsible || empty) return;
    const int box = barHeight / 2;
    const int left = width - kCollapseTapWidth / 2 - box / 2;
    const int top = band.top + (barHeight - box) / 2;
    OwnedPen pen(CreatePen(PS_SOLID, 1, ListColor(kListText)));
    SelectScope selectPen(dc, pen.Get());
    SelectScope selectBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, left + box, top + box);
    MoveToEx(dc, left + 2, top + box / 2, nullptr);
    LineTo(dc, left + box - 2, top + box / 2);
    if (row.collapsed) {
        MoveToEx(dc, left + box / 2, top + 2, nullptr);
        LineTo(dc, left + box / 2, top + box - 2);
    }
}

std::u16string EmptyListText() {
    if (GetViewCatFilter()) return ResString(IDS_NO_CONTACTS_FILTER_ON);
    if (g_Settings.contactSort == kCtsModeRecent) return ResString(IDS_NO_RECENT_CONTACTS);
    return ResString(IDS_NO_CONTACTS_TO_DISPLAY);
}

UINT ShowAllHint() {
    const bool spaceKey = (IsQvgaScreen() && IsLandscapeScreen()) || IsSquare320Screen() ||
                          g_Frame.kbdModelCode == kKbdPalmTreo;
    if (spaceKey) return IDS_PRESS_SPACE_FOR_ALL;
    return g_Settings.abcTb != 0 ? IDS_PRESS_HASH_FOR_ALL : IDS_PRESS_ZERO_FOR_ALL;
}

void DrawEmptyRow(HDC dc, const ListRow& row, const CtsGridGeometry& geo) {
    const bool filtered = row.kind == kRowNothing && GetViewCatFilter();
    OwnedFont font(MakeFont(filtered && g_Settings.fontSize > kFilterFontLimit ? kFilterFontLimit : g_Settings.fontSize,
                            filtered ? FW_BOLD : FW_NORMAL));
    SelectScope selectFont(dc, font.Get());
    if (row.kind == kRowNothing) {
        DrawTextAt(dc, kEmptyTextX, kEmptyTextY, EmptyListText(), ListColor(kListText));
        return;
    }
    WCHAR text[kStringChars] = {};
    const std::u16string typed = CtsTypeAheadText();
    // Bounded: the type-ahead text can be longer than the line.
    StringCchPrintfW(text, kStringChars, ResString(IDS_NO_CONTACTS_IN_FMT).c_str(), typed.c_str());
    DrawTextAt(dc, kEmptyTextX, kEmptyTextY, text, ListColor(kListText));
    const std::u16string hint = ResString(ShowAllHint());
    SIZE size{};
    GetTextExtentPoint32W(dc, hint.c_str(), static_cast<int>(hint.size()), &size);
    const int width = geo.cellWidth * geo.columns;
    DrawTextAt(dc, (width - size.cx) / 2, geo.clientHeight - kHintAboveBottom - size.cy, hint, ListColor(kListText));
}

int DrawCtsGrid(HDC dc, const CtsGridGeometry& geo) {
    for (const ListRow& row : g_CtsRows) {
        if (row.kind == kRowNothing || row.kind == kRowNoLetterMatch) DrawEmptyRow(dc, row, geo);
    }
    return WalkCtsGrid(
        g_CtsRows, geo, g_CtsGrid.topRow,
        [&](int index, const RECT& cell) { DrawCtsCell(dc, cell, g_CtsRows[index].id, index == g_CtsGrid.selection); },
        [&](int index, int y) { DrawCtsRow(dc, geo, index, y, index == g_CtsGrid.selection); }, true);
}

void PaintCtsIcons(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    OffscreenBuffer& buffer = g_CtsGrid.buffer;
    if (!buffer.valid) CreateOffscreen(buffer, dc, client.right, client.bottom);
    if (buffer.valid && !buffer.drawn) {
        OwnedBrush back(CreateSolidBrush(ListColor(kListBackground)));
        const RECT all{0, 0, buffer.width, buffer.height};
        FillRect(buffer.memDC, &all, back.Get());
        DrawCtsGrid(buffer.memDC, CurrentCtsGridGeometry());
        buffer.drawn = 1;
    }
    if (buffer.valid) BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void Repaint() {
    ReleaseCtsListBuffer();
    if (g_CtsGrid.window) {
        SetScrollPos(g_CtsGrid.window, SB_VERT, g_CtsGrid.scrollPos, TRUE);
        InvalidateRect(g_CtsGrid.window, nullptr, FALSE);
    }
}

void OpenSelectedContact(LONG oid) {
    g_CurItem = CurItem{};
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemContact;
    views::ShowCtsPreview(1);
}

void CtsGridOnEnter() {
    const int selection = g_CtsGrid.selection;
    if (selection < 0 || selection >= g_CtsRows.Size()) return;
    const ListRow& row = g_CtsRows[selection];
    if (row.kind == kRowHeader) {
        if (g_Settings.cList == 0) return;
        ToggleCtsGroup(g_CtsRows, selection);
        RedrawCtsIcons(false);
        Repaint();
    } else if (row.kind == kRowItem) {
        OpenSelectedContact(row.id);
    }
}

LRESULT CtsGridOnKey(HWND window, WPARAM key, LPARAM flags) {
    if (OnCtsKey(static_cast<UINT>(key), static_cast<UINT>(flags))) return 0;
    struct KeyMove {
        WPARAM key;
        GridKey move;
    };
    static constexpr KeyMove kMoves[] = {
        {VK_LEFT, GridKey::Left}, {VK_UP, GridKey::Up}, {VK_RIGHT, GridKey::Right}, {VK_DOWN, GridKey::Down}};
    if (key == VK_RETURN) {
        CtsGridOnEnter();
        return 0;
    }
    for (const KeyMove& entry : kMoves) {
        if (entry.key != key) continue;
        if (CtsGridMoveSel(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid, entry.move)) Repaint();
        return 0;
    }
    return DefWindowProcW(window, WM_KEYDOWN, key, flags);
}

void CtsGridVScroll(HWND window, WPARAM wParam) {
    const CtsGridGeometry geo = CurrentCtsGridGeometry();
    bool moved = false;
    switch (LOWORD(wParam)) {
    case SB_LINEDOWN:
    case SB_PAGEDOWN: moved = CtsGridLineDown(g_CtsRows, geo, g_CtsGrid); break;
    case SB_LINEUP:
    case SB_PAGEUP: moved = CtsGridLineUp(g_CtsRows, geo, g_CtsGrid); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        int minPos = 0;
        int maxPos = 0;
        GetScrollRange(window, SB_VERT, &minPos, &maxPos);
        moved = CtsGridThumbTrack(g_CtsRows, geo, g_CtsGrid, static_cast<short>(HIWORD(wParam)), maxPos);
        break;
    }
    default: break;
    }
    if (moved) Repaint();
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void CtsGridOnTap(HWND window, LPARAM lParam) {
    const CtsGridGeometry geo = CurrentCtsGridGeometry();
    const POINT point = PointOf(lParam);
    RECT cell{};
    const int hit = CtsGridHitTest(g_CtsRows, geo, g_CtsGrid, point, &cell);
    if (hit < 0) return;
    if (g_CtsRows[hit].kind == kRowItem) {
        g_CtsGrid.selection = hit;
        Repaint();
        UpdateWindow(window);
        SHRGINFO gesture{};
        gesture.cbSize = sizeof(gesture);
        gesture.hwndClient = window;
        gesture.ptDown = point;
        gesture.dwFlags = SHRG_RETURNCMD;
        if (SHRecognizeGesture(&gesture) == GN_CONTEXTMENU) {
            g_CurItem = CurItem{};
            g_CurItem.oid = g_CtsRows[hit].id;
            g_CurItem.kind = kItemContact;
            POINT screen = point;
            ClientToScreen(window, &screen);
            ShowSoftKeyPopup(screen.x, screen.y);
        }
        return;
    }
    if (geo.collapsible && point.x >= cell.right - kCollapseTapWidth) {
        g_CtsGrid.selection = hit;
        CtsGridOnEnter();
    }
}

LRESULT CtsGridOnDblTap(HWND window, WPARAM wParam, LPARAM lParam) {
    const int hit = CtsGridHitTest(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid, PointOf(lParam), nullptr);
    if (hit < 0 || g_CtsRows[hit].kind != kRowItem) return DefWindowProcW(window, WM_LBUTTONDBLCLK, wParam, lParam);
    g_CtsGrid.selection = hit;
    Repaint();
    OpenSelectedContact(g_CtsRows[hit].id);
    return 1;
}

}  // namespace

std::u16string WrapCtsText(HDC dc, const std::u16string& text, int width) {
    const auto fits = [dc, width](const std::u16string& candidate) { return TextWidth(dc, candidate) <= width; };
    if (width < 0 || fits(text)) return text;
    const std::size_t space = text.find(u' ');
    if (space != std::u16string::npos) {
        const std::u16string initial = text.substr(0, std::min(space + 2, text.size()));
        if (fits(initial + u".")) return initial + u".";
        if (fits(initial)) return initial;
        std::u16string first = text.substr(0, space);
        while (!first.empty() && first.back() == u' ') first.pop_back();
        if (!first.empty() && first.back() == u',') first.pop_back();
        if (fits(first)) return first;
    }
    constexpr std::u16string_view kShortEllipsis = u"..";
    const std::size_t head = EllipsisHeadLength(dc, text, width, kShortEllipsis);
    return head > 0 ? text.substr(0, head) + std::u16string(kShortEllipsis) : std::u16string();
}

void RegisterCtsIconWnd() {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = CtsIconWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kCtsGridClass;
    RegisterClassW(&wc);
}

HWND CreateCtsIconWnd(HWND mainWindow) {
    if (g_CtsGrid.window) return g_CtsGrid.window;
    RegisterCtsIconWnd();
    RECT view{};
    GetViewRect(view);
    g_CtsGrid.window = CreateWindowExW(0, kCtsGridClass, kProgramTitle, WS_CHILD | WS_VSCROLL | WS_CLIPCHILDREN, view.left,
                                       view.top, view.right - view.left, view.bottom - view.top, mainWindow,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdContactGrid)),
                                       GetModuleHandleW(nullptr), nullptr);
    if (!g_CtsGrid.window) {
        MessageBoxW(mainWindow, u"Error: Contact Icon List Creation Error.", nullptr, MB_ICONEXCLAMATION);
        return nullptr;
    }
    g_ViewWnds.contactGrid = g_CtsGrid.window;
    return g_CtsGrid.window;
}

void RedrawCtsIcons(bool resetScroll) {
    const CtsGridGeometry geo = CurrentCtsGridGeometry();
    const int content = MeasureCtsGrid(g_CtsRows, geo);
    const int range = content > geo.clientHeight ? content - geo.clientHeight : 0;
    if (resetScroll) {
        g_CtsGrid.scrollPos = 0;
        g_CtsGrid.topRow = 0;
    }
    if (!g_CtsGrid.window) return;
    SetScrollRange(g_CtsGrid.window, SB_VERT, 0, range, FALSE);
    SetScrollPos(g_CtsGrid.window, SB_VERT, g_CtsGrid.scrollPos, TRUE);
}

void ReleaseCtsListBuffer() { ReleaseOffscreen(g_CtsGrid.buffer); }

void ReleaseContactGridBuffer() { ReleaseCtsListBuffer(); }

void CtsListSelById(LONG oid) {
    const CtsGridGeometry geo = CurrentCtsGridGeometry();
    for (int i = 0; i < g_CtsRows.Size(); ++i) {
        if (g_CtsRows[i].kind == kRowItem && g_CtsRows[i].hidden == 0 && g_CtsRows[i].id == oid) {
            g_CtsGrid.selection = i;
            while (!CtsGridRowVisible(g_CtsRows, geo, g_CtsGrid, i) && CtsGridLineDown(g_CtsRows, geo, g_CtsGrid)) {
            }
            Repaint();
            return;
        }
    }
}

LRESULT CALLBACK CtsIconWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintCtsIcons(window); return 0;
    case WM_KEYDOWN: return CtsGridOnKey(window, wParam, lParam);
    case WM_COMMAND: return SendMessageW(GetParent(window), message, wParam, lParam);
    case WM_VSCROLL: CtsGridVScroll(window, wParam); return 0;
    case WM_LBUTTONDOWN: CtsGridOnTap(window, lParam); return 0;
    case WM_LBUTTONDBLCLK: return CtsGridOnDblTap(window, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
