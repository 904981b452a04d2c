// The task list's rows: each drawn off screen and copied in one block, the task line that the
// calendar views share, its icon strip, the row heights, the captions of two grouping modes and the
// tap on the selected row's check box.
#include <array>

#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/custom_icon.h"
#include "core/date_text.h"
#include "core/prj_cats.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "lists/list_colors.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/item_paint.h"
#include "ui/outline_list.h"
#include "ui/text_wrap.h"
#include "ui/theme_pictures.h"
#include "ui/themed_bars.h"

namespace {

constexpr COLORREF kOverdueRed = 0x0000E6;
constexpr int kWhiteWord = 0xFFFFFF;
constexpr int kFirstColourWord = 0;
constexpr int kNoteTextWord = 6;
constexpr int kTextX = 12;
constexpr int kTextY = 3;
constexpr int kHeaderX = 10;
constexpr int kHeaderY = 3;
constexpr int kHeaderYTwoLines = 12;
constexpr int kHeaderYThinBar = 5;
constexpr LONG kThinBarStyle = 3;
constexpr int kCheckStrip = 24;
constexpr int kCheckStripVga = 48;
constexpr LONG kSmallCheckFont = 14;

int Vga(int normal, int vga) { return IsVgaScreen() ? vga : normal; }

HFONT MakeFont(LONG height, bool bold) {
    LOGFONTW font{};
    InitLogFont(font, height, bold, false);
    return CreateFontIndirectW(&font);
}

SIZE TextSize(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TextAt(HDC dc, int x, int y, std::u16string_view text) { ReadableTextOut(dc, x, y, text); }

bool RowIsSelected(const DRAWITEMSTRUCT& item) { return (item.itemState & ODS_SELECTED) != 0; }

void DrawRowMessage(HDC dc, UINT id) {
    OwnedFont bold(MakeFont(g_Settings.fontSize, true));
    SelectScope font(dc, bold.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ListColor(kListText));
    TextAt(dc, kTextX, kTextY, LoadResString(id));
}

int CategoryIndexOf(std::u16string_view name) {
    for (int i = 0; i < g_CatList.Size(); ++i) {
        if (_wcsicmp(g_CatList[i].name.c_str(), std::u16string(name).c_str()) == 0) return i;
    }
    return kNoCategory;
}

void DrawHeaderRow(HDC dc, HWND list, const RECT& rect, const ListRow& row, int index, bool selected) {
    ThemedBarArgs args;
    args.x = kHeaderX;
    args.y = kHeaderY;
    if (g_Settings.taskTwoLine != 0) {
        const bool thin = GetThemeWord(kThemeTitleBarStyle) == kThinBarStyle;
        args.y = thin ? kHeaderYThinBar : kHeaderYTwoLines;
        args.compact = thin;
    }
    args.leftText = row.text;
    args.rightEdge = rect.right - rect.left;
    args.selected = selected;
    if (g_Settings.taskSort == kTskSortCategory) args.categoryIndex = CategoryIndexOf(row.text);
    DrawThemedBar(dc, list, args);
    if (g_Settings.cList == 0 || OutlineIsGroupEnd(index, g_TskRows)) return;
    DrawListGroupGlyphs(dc, args.rightEdge, rect.top, row.collapsed == 0, selected);
}

void DrawItemRow(HDC dc, const RECT& rect, const ListRow& row, int listRow, bool selected) {
    const int index = TskIndexFromOid(row.id);
    // Between a change and the next fill the task may be gone: the row stays empty.
    if (index < 0) return;
    bool alternate = (listRow & 1) != 0;
    bool noBox = false;
    if (selected) {
        if (GetThemeWord(kFirstColourWord) != kWhiteWord) alternate = true;
        const LONG style = GetThemeWord(kThemeListBackground);
        const bool separators = style == kBackDashedSep || style == kBackSolidSep;
        RECT inset{rect.left + 2, rect.top + 1, rect.right - 2, rect.bottom - 1};
        if (separators) inset.bottom -= 1;
        if (style == kBackCutCorner) {
            DrawCutCornerPanel(dc, ThemeColor(kThemeSelFrameColor), ThemeColor(kThemeSelColor), inset,
                               SelectionShapeStyle());
        } else {
            DrawSelectionFrame(dc, inset, false, true);
        }
        noBox = !separators;
    }
    DrawTskRow(dc, rect, g_TskList[index], alternate, noBox, false, g_Settings.taskTwoLine != 0);
}

struct RowHeight {
    LONG fontSize;  // 0: any other size
    int oneLine;
    int twoLines;
};

// QVGA and 320x320 screens.
constexpr std::array<RowHeight, 4> kQvgaRowHeights = {{
    {14, 20, 31},
    {15, 26, 37},
    {16, 26, 37},
    {22, 26, 46},
}};
constexpr int kQvgaOtherOneLine = 24;
constexpr int kQvgaOtherLandscape = 23;
constexpr int kQvgaOtherTwoLines = 46;
constexpr LONG kVgaBigFontAbove = 24;
constexpr RowHeight kVgaRows = {0, 52, 67};
constexpr RowHeight kVgaBigFontRows = {0, 59, 76};
constexpr RowHeight kOtherRows = {0, 20, 40};

int TaskListRowHeight() {
    const bool two = g_Settings.taskTwoLine != 0;
    if (IsQvgaScreen() || IsSquare320Screen()) {
        for (const RowHeight& entry : kQvgaRowHeights) {
            if (entry.fontSize == g_Settings.fontSize) return two ? entry.twoLines : entry.oneLine;
        }
        if (two) return kQvgaOtherTwoLines;
        return IsLandscapeScreen() && g_Settings.taskPreview == 0 ? kQvgaOtherLandscape : kQvgaOtherOneLine;
    }
    if (IsVgaScreen()) {
        const RowHeight& rows = g_Settings.fontSize > kVgaBigFontAbove ? kVgaBigFontRows : kVgaRows;
        return two ? rows.twoLines : rows.oneLine;
    }
    return two ? kOtherRows.twoLines : kOtherRows.oneLine;
}

bool BigIcons(bool smallIcons) {
    return IsVgaScreen() || (IsQvgaScreen() && g_Settings.fontSize != kSmallCheckFont && !smallIcons);
}

// The height of the status icons a task row draws.
int StatusIconHeight() {
    const HIMAGELIST list = BigIcons(false) ? g_ImageLists.statusLarge : g_ImageLists.statusSmall;
    int width = 0;
    int height = 0;
    if (!list || !ImageList_GetIconSize(list, &width, &height)) return 0;
    return height;
}

int CheckGlyphSize() {
    if (IsVgaScreen()) return 32;
    if (IsQvgaScreen() && g_Settings.fontSize != kSmallCheckFont) return 13;
    return 11;
}

bool IsOverdue(const TskRecord& task) {
    if (task.hasDue == 0) return false;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return TskDueBeforeDay(task, now.wYear, now.wMonth, now.wDay);
}

}  // namespace

void PaintTskView(const DRAWITEMSTRUCT& item) {
    ListRow row;
    const int index = OutlineGetRowEntry(static_cast<int>(item.itemID), row, g_TskRows);
    if (index < 0) return;
    const RECT& target = item.rcItem;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    if (width <= 0 || height <= 0) return;
    MemoryDC memory(item.hDC);
    OwnedBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
    const HDC dc = memory.Get();
    {
        SelectScope selectBitmap(dc, bitmap.Get());
        const RECT rect{0, 0, width, height};
        FillRowBackground(dc, target, width, height);
        const bool selected = RowIsSelected(item);
        switch (row.kind) {
        case kRowNothing: DrawRowMessage(dc, GetViewCatFilter() ? IDS_NO_TASKS_FILTER_ON : IDS_NO_TASKS_TO_DISPLAY); break;
        case kRowPrivateHidden: DrawRowMessage(dc, IDS_PRIVATE_ITEMS_HIDDEN); break;
        case kRowHeader: DrawHeaderRow(dc, item.hwndItem, rect, row, index, selected); break;
        case kRowItem: DrawItemRow(dc, rect, row, static_cast<int>(item.itemID), selected); break;
        default: break;
        }
        BitBlt(item.hDC, target.left, target.top, width, height, dc, 0, 0, SRCCOPY);
    }
}

int DrawTskIcons(HDC dc, int x, int y, const TskRecord& task, bool draw, bool smallIcons, bool outside) {
    const bool big = BigIcons(smallIcons);
    const int start = x;
    const auto status = [&](bool when, int icon, int dy = 0) {
        if (when) x += DrawStatusIcon(dc, x, y + dy, icon, draw, big, false);
    };
    if (outside || g_Settings.taskSort != kTskSortPriority) {
        status(task.importance == kImportanceHigh, kIconHighImportance);
        status(task.importance == kImportanceLow, kIconLowImportance);
    }
    const LONG custom = LookupCustomIcon(task.oid);
    if (custom >= 0) {
        const IconSize size = big ? IconSize::Large : IconSize::Small;
        if (draw) DrawCustomIconBySize(dc, x, y, static_cast<int>(custom), size, true);
        x += GetCustomIconWidth(size) + 2;
    }
    status(task.reminderSet != 0, kIconAlarm);
    status(task.recurring != 0, kIconRecurring);
    status(task.sensitivity > 0, kIconPrivate);
    status(ItemHasLinks(task.oid), kIconLinks, 4);
    status(task.hasNotes != 0, kIconNotes);
    status(HasPrjCat(task.categories), kIconProject);
    if (g_Settings.showCat != 0 && (outside || g_Settings.taskSort != kTskSortCategory)) {
        const int gap = Vga(2, 7);
        for (const std::u16string& name : task.categories) {
            const int before = x;
            if (!DrawCatIcon(dc, x, y, name, draw, 0)) continue;
            x = before + GetCustomIconWidth(big ? IconSize::Large : IconSize::Small) + gap;
        }
    }
    return x - start;
}

int DrawTskRow(HDC dc, const RECT& rect, const TskRecord& task, bool alternate, bool noBox, bool outside,
               bool twoLines) {
    const int height = rect.bottom - rect.top;
    const int left = rect.left + Vga(8, 13);
    const int centre = rect.top + (twoLines ? height / 4 : height / 2);
    const bool bold = g_Settings.tskBold != 0 && !outside;
    OwnedFont normalFont(MakeFont(g_Settings.fontSize, false));
    OwnedFont boldFont(MakeFont(g_Settings.fontSize, true));
    SelectScope selectFont(dc, bold ? boldFont.Get() : normalFont.Get());
    if (!noBox) DrawThemedItemBox(dc, RECT{rect.left, rect.top + 3, rect.right, rect.bottom - 3}, !alternate, 0, 0, false, !outside);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const int glyph = CheckGlyphSize();
    int glyphY = centre - glyph / 2;
    if (IsVgaScreen() && twoLines && g_Settings.fontSize <= 24) ++glyphY;
    DrawCheckGlyph(dc, left, glyphY, task.complete != 0, g_Settings.fontSize == kSmallCheckFont, false);

    int right = rect.right - 6;
    if (task.hasDue != 0) {
        std::u16string date;
        FormatMonthDay(date, task.due);
        SelectScope dateFont(dc, normalFont.Get());
        const SIZE size = TextSize(dc, date);
        const int x = rect.right - 8 - size.cx;
        SetTextColor(dc, ListColor(kListSecondaryText));
        TextAt(dc, x, centre - size.cy / 2, date);
        right = x - 8;
    }
    const int iconsWidth = DrawTskIcons(dc, left, centre, task, false, false, outside);
    if (iconsWidth > 0) DrawTskIcons(dc, right - iconsWidth, centre - StatusIconHeight() / 2, task, true, false, outside);
    right = right - iconsWidth - 4;
    const int subjectX = left + Vga(22, 46);
    COLORREF colour = ListColor(kListText);
    bool subjectBold = bold;
    if (g_Settings.redOverdue != 0 && IsOverdue(task)) {
        colour = kOverdueRed;
        subjectBold = true;
    } else if (g_Settings.catColors != 0 && !task.categories.IsEmpty()) {
        colour = GetTskCatColor(task);
    }
    SelectScope subjectFont(dc, subjectBold ? boldFont.Get() : normalFont.Get());
    SetTextColor(dc, colour);
    const bool strike = g_Settings.crossOut != 0 && task.complete != 0;
    if (!twoLines) {
        const std::u16string shown = FitTextWithEllipsis(dc, task.subject, right - subjectX);
        const SIZE size = TextSize(dc, shown);
        const int y = centre - size.cy / 2;
        TextAt(dc, subjectX, y, shown);
        if (strike && !shown.empty()) {
            DrawColorLine(dc, subjectX - 1, centre, subjectX + size.cx + 1, centre, colour);
        }
    } else {
        const int lineHeight = TextSize(dc, u"W").cy;
        int y = centre - lineHeight / 2;
        const int firstTop = y;
        DrawWrappedText(dc, task.subject, subjectX, y, right - subjectX, rect.right - subjectX, rect.bottom, true, 2, 0,
                        strike, 0);
        const bool oneLine = y - firstTop <= lineHeight;
        if (oneLine && g_Settings.apptNotes != 0) {
            std::u16string notes;
            GetTskTextProp(task.oid, notes);
            if (!notes.empty()) {
                SelectScope notesFont(dc, normalFont.Get());
                SetTextColor(dc, ThemeColor(kNoteTextWord));
                TextAt(dc, subjectX, firstTop + lineHeight, FitTextWithEllipsis(dc, notes, rect.right - subjectX));
            }
        }
    }
    SetBkMode(dc, previousMode);
    return height;
}

int DrawTskRow(HDC dc, const RECT& rect, const TskRecord& task, LONG alternate) {
    DrawTskRow(dc, rect, task, alternate != 0, false, true, false);
    return TskRowHeight();
}

int TskRowHeight() { return g_Settings.fontSize + 6 + (IsVgaScreen() ? 10 : 0); }

void GetTskListMetrics(MEASUREITEMSTRUCT& measure) { measure.itemHeight = static_cast<UINT>(TaskListRowHeight()); }

void TskListTapTest(int x, int y) {
    HWND list = g_TskListState.list;
    if (!list || OutlineSelCanToggle(list, g_TskRows, OutlineMode::kItemLists)) return;
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (selected < 0) return;
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&bounds))) return;
    bounds.right = bounds.left + Vga(kCheckStrip, kCheckStripVga);
    const POINT point{x, y};
    if (!PtInRect(&bounds, point)) return;
    // A header row has no task: the check box is only on item rows.
    if (!CheckTskSelected(FALSE)) return;
    ToggleTskComplete(-1);
    FocusCurrentView();
}

std::u16string GetSensitivityCaption(LONG value) {
    constexpr std::array<UINT, 4> kCaptions = {IDS_SENSITIVITY_NORMAL, IDS_SENSITIVITY_PERSONAL,
                                               IDS_SENSITIVITY_PRIVATE, IDS_SENSITIVITY_CONFIDENTIAL};
    if (value < 0 || value >= static_cast<LONG>(kCaptions.size())) return {};
    return LoadResString(kCaptions[static_cast<std::size_t>(value)]);
}

std::u16string GetAdvPriorityCaption(WCHAR letter) {
    if (letter == 0) return LoadResString(IDS_NO_ADVANCED);
    return std::u16string(1, letter);
}

COLORREF GetTskCatColor(const TskRecord& task) {
    if (!task.categories.IsEmpty()) {
        const int index = CategoryIndexOf(task.categories[0]);
        if (index != kNoCategory) return g_CatList[index].colour;
    }
    return ListColor(kListText);
}
