// What the subclassed lists paint behind their rows: the theme's background picture lined up with
// the picture behind the main window, or its background colour, and the notices of an empty
// contact or search list and of a search waiting for its text.
#include <string>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/list_subclass.h"
#include "ui/list_view_calls.h"
#include "ui/main_state.h"
#include "ui/theme_colors.h"
#include "ui/theme_pictures.h"
#include "ui/view_windows.h"

ListNotices g_ListNotices;

namespace {

constexpr int kNoticeGap = 5;

bool IsViewWindow(HWND window) {
    const ViewWindows& v = g_ViewWnds;
    for (HWND view : {v.agendaView, v.notesList, v.contactsList, v.contactGrid, v.taskList, v.walletTree, v.scheduleList})
        if (view && view == window) return true;
    return false;
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

HBITMAP LoadedPicture() { return HasBackPicture() ? GetBackPicture() : nullptr; }

void CopyPicture(HDC dc, HBITMAP picture, int sourceX, int sourceY) {
    BITMAP info{};
    GetObjectW(picture, sizeof(info), &info);
    const MemoryDC source(dc);
    const SelectScope select(source.Get(), picture);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), sourceX, sourceY, SRCCOPY);
}

SIZE TextSize(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// Text in the notice font and the primary text colour, over whatever is behind it.
class NoticeText {
public:
    explicit NoticeText(HDC dc) : dc_(dc), font_(dc, g_Main.themeFonts[kFontNormal]) {
        oldMode_ = SetBkMode(dc, TRANSPARENT);
        oldColour_ = SetTextColor(dc, ThemeColor(kThemeTextColor));
    }
    ~NoticeText() {
        SetTextColor(dc_, oldColour_);
        SetBkMode(dc_, oldMode_);
    }
    NoticeText(const NoticeText&) = delete;
    NoticeText& operator=(const NoticeText&) = delete;

    // Centred across the rectangle with its top at y; the text's height.
    int CentredAt(const RECT& rect, int y, const std::u16string& text) const {
        const SIZE size = TextSize(dc_, text);
        const int x = rect.left + (rect.right - rect.left) / 2 - size.cx / 2;
        ReadableTextOut(dc_, x, y, text);
        return size.cy;
    }
    int Height(const std::u16string& text) const { return TextSize(dc_, text).cy; }

private:
    HDC dc_;
    SelectScope font_;
    int oldMode_ = 0;
    COLORREF oldColour_ = 0;
};

int AlphabetBarHeight() {
    if (!g_CtsAbcToolbar) return GetBarHeight();
    RECT r{};
    GetWindowRect(g_CtsAbcToolbar, &r);
    return r.bottom - r.top;
}

// Where a list's notices go: the view rectangle, but never below the list's own client area. The
// view rule sets the bottom to the screen's view bottom for any window, which on a portrait QVGA
// screen lies below a dialog's list, so the notices would be drawn where nobody sees them.
RECT NoticeRect(HWND list) {
    RECT r{};
    GetViewClientRect(list, r);
    RECT client{};
    GetClientRect(list, &client);
    if (r.bottom > client.bottom) r.bottom = client.bottom;
    return r;
}

UINT ShowAllNotice(bool searchList) {
    const bool spaceKey = (IsQvgaScreen() && IsLandscapeScreen()) || g_Frame.kbdModelCode == kKbdPalmTreo ||
                          IsSquare320Screen();
    if (spaceKey) return IDS_PRESS_SPACE_FOR_ALL;
    if (!searchList && g_Settings.abcTb) return IDS_PRESS_HASH_FOR_ALL;
    return IDS_PRESS_ZERO_FOR_ALL;
}

}  // namespace

void DrawViewBkgnd(HDC dc) {
    RECT r{};
    GetViewClientRect(g_Frame.mainWnd, r);
    if (const HBITMAP picture = LoadedPicture()) {
        CopyPicture(dc, picture, 0, 0);
        return;
    }
    FillColour(dc, r, ThemeColor(kThemeBackground));
}

void EraseListBkgnd(HDC dc, HWND list) {
    const HBITMAP picture = IsViewWindow(list) ? LoadedPicture() : nullptr;
    if (picture) {
        CopyPicture(dc, picture, GetThemeWord(kThemeViewMarginSide), GetThemeWord(kThemeViewMarginTop));
    } else {
        RECT r{};
        GetViewClientRect(list, r);
        FillColour(dc, r, ThemeColor(kThemeBackground));
    }
    const bool searchList = GetDlgCtrlID(list) == kIdSearchResultList;
    if (g_ListNotices.emptyList && (searchList || (list && list == g_ViewWnds.contactsList)))
        DrawSearchEmpty(dc, list, searchList);
    if (g_ListNotices.searchPrompt) DrawSearchPrompt(dc, list);
}

void DrawSearchEmpty(HDC dc, HWND list, bool searchList) {
    RECT r = NoticeRect(list);
    if (!searchList && g_Settings.abcTb) r.bottom -= AlphabetBarHeight();
    const NoticeText notice(dc);
    const std::u16string first = LoadResString(ShowAllNotice(searchList));
    notice.CentredAt(r, r.bottom - (kNoticeGap + notice.Height(first)), first);
    if (!searchList) return;
    const std::u16string noMatch = LoadResString(IDS_NO_MATCH);
    notice.CentredAt(r, r.top + (r.bottom - r.top) / 2 - notice.Height(noMatch) / 2, noMatch);
}

void DrawSearchPrompt(HDC dc, HWND list) {
    const RECT r = NoticeRect(list);
    const NoticeText notice(dc);
    const std::u16string enter = LoadResString(IDS_ENTER_SEARCH_TEXT);
    const std::u16string go = LoadResString(IDS_PRESS_GO_TO_SEARCH);
    const int h = notice.Height(enter) + kNoticeGap;
    notice.CentredAt(r, r.bottom - 2 * h, enter);
    notice.CentredAt(r, r.bottom - h, go);
}

void RedrawIfSelOffView(HWND list, UINT key) {
    if (!list || LvSelMark(list) < 0) return;
    const int selection = LvSelMark(list);
    int row = -1;
    const bool up = key == VK_UP;
    if (list == g_ViewWnds.scheduleList) {
        row = up ? SelectPrevListRow(list, QueryOnly::kYes, RowRules::kSchedule)
                 : SelectNextListRow(list, QueryOnly::kYes, RowRules::kSchedule);
    } else if (list == g_ViewWnds.notesList) {
        row = up ? selection - 1 : selection + 1;
        if (row >= LvCount(list)) row = -1;
    } else {
        row = up ? SelectPrevListRow(list, QueryOnly::kYes, RowRules::kItemLists)
                 : SelectNextListRow(list, QueryOnly::kYes, RowRules::kItemLists);
    }
    if (row < 0) return;
    RECT bounds{}, view{};
    LvRowRect(list, row, bounds);
    GetClientRect(list, &view);
    if (bounds.top >= view.top && bounds.bottom <= view.bottom) return;
    InvalidateRect(list, nullptr, TRUE);
}

void ListArrowRedraw(HWND list, UINT key) {
    if (key != VK_UP && key != VK_DOWN) return;
    if (!LoadedPicture() || !list) return;
    const ViewWindows& v = g_ViewWnds;
    if (list == v.notesList || list == v.contactsList || list == v.taskList || list == v.scheduleList)
        RedrawIfSelOffView(list, key);
}
