// Painting the schedule list's rows: the "no items" row, date headers with their fold glyphs and
// day bars, day-bar rows, birthdays and anniversaries, tasks, and appointments in the one-line and
// two-line formats with the selection look and the colour bar at their left. Nothing is kept
// between paints: each row is read afresh by its OID.
#include "calendar/sched_rows.h"

#include <algorithm>
#include <string>

#include "calendar/day_bars.h"
#include "calendar/day_list.h"
#include "calendar/item_text.h"
#include "calendar/sched_list.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_filter.h"
#include "core/date_text.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/owner_draw.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/item_paint.h"
#include "ui/main_state.h"
#include "ui/outline_list.h"
#include "ui/text_wrap.h"
#include "ui/theme_pictures.h"
#include "ui/themed_bars.h"

namespace {

constexpr int kThemeSelFillWord = 0;
constexpr int kThemeSelFrameWord = 1;
constexpr int kThemeDefaultBarWord = 6;
constexpr int kThemePrimaryTextWord = 8;
constexpr int kThemeItemBorderWord = 11;
constexpr int kThemeLocationTextWord = 12;
constexpr int kThemeNoteTextWord = 13;
constexpr int kThemeDropButtonsWord = 37;
constexpr int kThemeSelDashedWord = 39;
constexpr LONG kListStyleGradient = 4;
constexpr LONG kTitleBarsThin = 3;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kColourBarDarken = 50;
constexpr int kDropButtonWidth = 16;
constexpr int kArrowGlyphWidth = 8;

COLORREF Word(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

bool IsOneLine() { return g_Settings.agendaFmt == kAgendaOneLine; }

// One row height per screen class (tested in this order), by the format and FONTSIZE.
struct RowHeightRule {
    BOOL (*isClass)();
    int oneLine, oneLineBig, oneLineAbove;
    int twoLines, twoLinesBig, twoLinesAbove;
};
constexpr RowHeightRule kRowHeights[] = {
    {IsQvgaScreen, 26, 26, 0, 37, 46, 16},
    {IsSquare320Screen, 26, 26, 0, 41, 49, 18},
    {IsVgaScreen, 52, 59, 24, 67, 76, 24},
};
constexpr int kOtherOneLine = 20;
constexpr int kOtherTwoLines = 40;

// The time column width with STARTEND on, by screen class; 56 (42 elsewhere) with it off.
constexpr int kTimeColOffQvga = 56;
constexpr int kTimeColOffOther = 42;
constexpr int kTimeColVga = 130;
constexpr int kTimeColOther = 68;

// Day bars of a header row in the two-line format and of a day-bar row.
struct BarPlace {
    int y, height, barHeight;
};
constexpr BarPlace kHeaderBars{20, 14, 15};  // y counted up from the row's bottom
constexpr BarPlace kHeaderBarsSmall{14, 8, 12};
constexpr BarPlace kRowBars{3, 14, 15};
constexpr int kBarsX = 5;
constexpr int kBarsWidthCut = 8;

int LineHeight(HDC dc) {
    SIZE size{};
    GetTextExtentPoint32W(dc, u"XXX", 3, &size);
    return size.cy;
}

void TextAt(HDC dc, int x, int y, const std::u16string& text) { ReadableTextOut(dc, x, y, text); }

int TextWidth(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The normal-weight row font of the time column.
HFONT MakeRowFont() {
    LOGFONTW font{};
    InitLogFont(font, std::min(g_Settings.fontSize, g_Settings.smallFontHeight), false, false);
    return CreateFontIndirectW(&font);
}

void DrawDayBars(HDC dc, const DateRec& day, int y, int width, const BarPlace& place) {
    DrawApptBars(dc, 1, kBarsX, y, width - kBarsWidthCut, place.height, 0, 0, day.wYear, day.wMonth, day.wDay, 0, 1,
                 place.barHeight, 1, 0);
}

bool SmallHeaderBars() {
    return (IsQvgaScreen() && g_Settings.fontSize < 17) || (IsSquare320Screen() && g_Settings.fontSize <= 18);
}

// The fold glyphs of a Dates header that has rows under it.
void DrawFoldGlyphs(HDC dc, int entryIndex, const ListRow& entry, int row, int width, int textY, bool selected) {
    if (ViewId != kViewDates || !g_Settings.cList) return;
    const ListRowArray& rows = g_SchedRows;
    if (entryIndex < 0 || entryIndex + 1 >= rows.Size() || OutlineIsGroupEnd(entryIndex, rows)) return;
    const LONG next = rows[entryIndex + 1].kind;
    if (next == kSchedHeader || next == kSchedHeaderBars) return;
    (void)row;
    DrawDropButton(dc, width - kDropButtonWidth, textY, entry.collapsed == 0, GetThemeWord(kThemeDropButtonsWord));
    if (selected) DrawArrowGlyph(dc, width - kArrowGlyphWidth - kDropButtonWidth, textY + 1);
}

void DrawHeaderRow(HDC dc, HWND list, int entryIndex, const ListRow& entry, int row, int width, int height,
                   bool selected) {
    ThemedBarArgs bar;
    bar.x = 10;
    bar.y = 4;
    if (entry.kind == kSchedHeader && !IsOneLine()) bar.y = GetThemeWord(kThemeTitleBarStyle) == kTitleBarsThin ? 5 : 12;
    bar.leftText = entry.text;
    bar.rightText = entry.secondText;
    bar.compact = entry.kind == kSchedHeader && !IsOneLine() && GetThemeWord(kThemeTitleBarStyle) == kTitleBarsThin;
    bar.rightEdge = width;
    bar.selected = selected;
    DrawThemedBar(dc, list, bar);
    DrawFoldGlyphs(dc, entryIndex, entry, row, width, bar.y, selected);
    if (entry.kind != kSchedHeaderBars) return;
    const BarPlace& place = SmallHeaderBars() ? kHeaderBarsSmall : kHeaderBars;
    DrawDayBars(dc, entry.date, height - place.y, width, BarPlace{0, place.height, place.barHeight});
}

void DrawNothingRow(HDC dc) {
    const SelectScope font(dc, g_Main.themeFonts[kFontBold]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Word(kThemePrimaryTextWord));
    const bool filtered = GetViewCatFilter();
    TextAt(dc, 12, 3,
           filtered ? LoadResString(IDS_NO_ITEMS_FILTER_ON, u"No Items to Display. Filter On.")
                    : LoadResString(IDS_NO_ITEMS_FILTER_OFF, u"No Items to Display."));
}

// The selection step of an item row; the selection-drawn flag the row painter gets.
int SelectItemRow(HDC dc, LONG kind, bool selected, int width, int height, LONG& alternate) {
    if (!selected) return 0;
    if (Word(kThemeSelFillWord) != kWhite) alternate = 1;
    const bool inset = ThemeNeedsBarInset(g_Theme);
    RECT frame{};
    switch (kind) {
    case kSchedAnniv: frame = RECT{0, 0, width, height - 2}; break;
    case kSchedTask: frame = RECT{0, inset ? 1 : 0, width, height - 2}; break;
    default: frame = RECT{2, 1, width - 2, inset ? height - 2 : height - 1}; break;
    }
    DrawRowSelection(dc, frame, RECT{2, 1, width - 2, height - 1});
    if (kind == kSchedAnniv) return IsOneLine() || !inset ? 1 : 0;
    return inset ? 0 : 1;
}

}  // namespace

int SchedRowHeight() {
    const LONG size = g_Settings.fontSize;
    for (const RowHeightRule& rule : kRowHeights) {
        if (!rule.isClass()) continue;
        if (IsOneLine()) return size > rule.oneLineAbove && rule.oneLineAbove > 0 ? rule.oneLineBig : rule.oneLine;
        return size > rule.twoLinesAbove ? rule.twoLinesBig : rule.twoLines;
    }
    return IsOneLine() ? kOtherOneLine : kOtherTwoLines;
}

void MeasureSchedRow(MEASUREITEMSTRUCT& measure) { measure.itemHeight = static_cast<UINT>(SchedRowHeight()); }

int SchedTimeColWidth() {
    const LONG size = g_Settings.fontSize;
    const bool on = g_Settings.startEnd != 0;
    if (IsQvgaScreen()) return on ? (size == 18 ? 91 : 86) : kTimeColOffQvga;
    if (IsSquare320Screen()) return on ? (size >= 20 ? 96 : 90) : kTimeColOffQvga;
    if (IsVgaScreen()) return on ? kTimeColVga : kTimeColOffQvga;
    return on ? kTimeColOther : kTimeColOffOther;
}

void DrawRowSelection(HDC dc, const RECT& frame, const RECT& panel) {
    if (GetThemeWord(kThemeListBackground) != kListStyleGradient) {
        DrawSelectionFrame(dc, frame, false, false);
        return;
    }
    DrawGradientLines(dc, panel, Word(kThemeSelFrameWord), Word(kThemeSelFillWord));
    const LineStyle line = GetThemeWord(kThemeSelDashedWord) ? LineStyle::Dashed : LineStyle::Solid;
    DrawFrameRect(dc, panel, Word(kThemeSelFrameWord), ThemeBarFlagOn(g_Theme) ? Corners::Open : Corners::Closed,
                  line, 0);
}

int DrawCatColorBar(HDC dc, int x, int top, int bottom, const ApptRecord& appt, bool wide) {
    if (!g_Settings.leftColorBar) return 0;
    COLORREF colour = Word(kThemeDefaultBarWord);
    if (g_Settings.statusColors) colour = GetViewColor(appt.busyStatus);
    if (g_Settings.catColors && appt.categories.Size() > 0) colour = appt.colour;
    if (colour == kWhite) colour = Word(kThemeDefaultBarWord);
    const int left = wide ? x + 2 : x;
    const RECT bar{left, top + 2, left + (wide ? 6 : 5), bottom - 2};
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &bar, brush.Get());
    DrawFrameRect(dc, RECT{bar.left, bar.top, bar.right - 1, bar.bottom - 1}, DarkenColor(colour, kColourBarDarken),
                  Corners::Closed, LineStyle::Solid, 0);
    return wide ? 15 : 8;
}

namespace {

// The time part of a multi-day appointment on the row's day: the start on the first day, the
// day-position glyph, the end on the last day. x advances past what was written.
void DrawSpanTime(HDC dc, int& x, int textY, int glyphY, const ApptRecord& appt, const DateRec& day) {
    const int pos = ApptDayPos(appt, day.wYear, day.wMonth, day.wDay);
    const bool hours24 = g_Settings.hours24 != 0;
    std::u16string text;
    if (pos == 0 && g_Settings.startEnd) {
        FormatApptStart(appt, text, hours24, true);
        TextAt(dc, x, textY, text);
        x += TextWidth(dc, text) + 4;
    } else if (!g_Settings.startEnd && pos != 1) {
        x += 8;
    }
    const int glyph = DrawStateGlyph(dc, x, glyphY, std::max(pos, 0), false, appt.busyStatus);
    if (pos == 2 && g_Settings.startEnd) {
        FormatApptEnd(appt, text, hours24, true);
        TextAt(dc, x + glyph + 4, textY, text);
    }
}

void DrawPlainTime(HDC dc, int x, int y, const ApptRecord& appt) {
    std::u16string text;
    if (g_Settings.startEnd) FormatApptTimeRange(appt, text, g_Settings.hours24 != 0);
    else FormatApptStart(appt, text, g_Settings.hours24 != 0, true);
    TextAt(dc, x, y, text);
}

int ApptIconsWidth(HDC dc, int x, int y, int limit, const ApptRecord& appt, bool draw) {
    bool done = false;
    return DrawItemIcons(dc, x, y, limit, appt, draw, false, false, false, done);
}

}  // namespace

int DrawSchedApptOneLine(HDC dc, int left, int top, int right, int bottom, const ApptRecord& appt,
                         const DateRec& rowDate, LONG alternate, int draw, int selectionDrawn) {
    const int saved = SaveDC(dc);
    OwnedFont rowFont(MakeRowFont());
    SelectObject(dc, rowFont.Get());
    const int h = LineHeight(dc);
    if (!draw) {
        RestoreDC(dc, saved);
        return h;
    }
    const int inset = g_Settings.fontSize == 14 ? 2 : 4;
    if (!selectionDrawn) DrawThemedItemBox(dc, RECT{left, top + 3, right, bottom - 3}, alternate != 0, 0, 0, false, true);
    const int indent = DrawCatColorBar(dc, left + 5, top + inset, bottom - inset, appt, false);
    int x = left + 5 + indent;
    const int subjectX = SchedTimeColWidth() + indent;
    SetBkMode(dc, TRANSPARENT);
    const int mid = (top + bottom) / 2;
    const int textY = mid - h / 2;
    const bool bigIcons = IsVgaScreen() || IsSquare320Screen() || (IsQvgaScreen() && g_Settings.fontSize != 12);
    SetTextColor(dc, GetApptTextColor(appt, selectionDrawn));
    if (appt.allDay) {
        x += DrawFourStateIcon(dc, x, bigIcons ? mid - 5 : mid - 3, appt.busyStatus, true,
                               bigIcons ? IconSize::Large : IconSize::Small);
        if (g_Settings.startEnd) TextAt(dc, x, textY, LoadResString(IDS_ALL_DAY, u"All Day"));
    } else if (ApptSpansDays(appt)) {
        DrawSpanTime(dc, x, textY, mid - 7, appt, rowDate);
    } else {
        DrawPlainTime(dc, x, textY, appt);
    }
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    const int h2 = LineHeight(dc);
    int iconY = mid - GetIconAdvance(bigIcons ? IconSize::Large : IconSize::Small, false) / 2;
    if (IsSmallScreen176()) iconY -= 4;
    const int w = ApptIconsWidth(dc, 0, iconY, right, appt, false);
    ApptIconsWidth(dc, right - w - 5, iconY, right, appt, true);
    SetTextColor(dc, GetApptBarColor(appt));
    TextAt(dc, subjectX, mid - h2 / 2, FitTextWithEllipsis(dc, appt.subject, right - w - 5 - subjectX));
    RestoreDC(dc, saved);
    return h;
}

int DrawSchedApptTwoLine(HDC dc, int left, int top, int right, int bottom, const ApptRecord& appt,
                         const DateRec& rowDate, LONG alternate, int draw, int selectionDrawn) {
    const int saved = SaveDC(dc);
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    const int lineHeight = LineHeight(dc);
    OwnedFont rowFont(MakeRowFont());
    SelectObject(dc, rowFont.Get());
    const int rowTextHeight = LineHeight(dc);
    if (!draw) {
        RestoreDC(dc, saved);
        return rowTextHeight;
    }
    const LONG size = g_Settings.fontSize;
    const int inset = size == 14 ? 2 : 3;
    const int t = top + inset;
    if (!selectionDrawn) DrawThemedItemBox(dc, RECT{left, top + 3, right, bottom - 3}, alternate != 0, 0, 0, false, true);
    const int indent = DrawCatColorBar(dc, left + 5, t, bottom - inset, appt, true);
    int x = left + 5 + indent;
    const int locationX = indent + SchedTimeColWidth();
    int d = 1;
    if (size == 20 || (size == 22 && IsQvgaScreen())) d = 3;
    else if (size == 22) d = 2;
    else if (size == 14) d = 0;
    const int y2 = t + d + lineHeight;
    const bool bigIcons = (IsQvgaScreen() && size != 14) || IsVgaScreen();
    const int drop = bigIcons && size < 20 ? 2 : 4;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetApptTextColor(appt, selectionDrawn));
    if (appt.allDay) {
        x += DrawFourStateIcon(dc, x, y2 + drop, appt.busyStatus, true, bigIcons ? IconSize::Large : IconSize::Small);
        if (g_Settings.startEnd) TextAt(dc, x, y2, LoadResString(IDS_ALL_DAY, u"All Day"));
    } else if (ApptSpansDays(appt)) {
        DrawSpanTime(dc, x, y2, y2, appt, rowDate);
    } else {
        DrawPlainTime(dc, x, y2, appt);
    }
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    int locationY = IsQvgaScreen() && size >= 20 ? y2 - 3 : y2 - 1;
    if (size == 14) ++locationY;
    const int subjectY = locationY - lineHeight;
    const std::u16string& second = !appt.location.empty() ? appt.location : appt.notes;
    if (!second.empty()) {
        SetTextColor(dc, Word(appt.location.empty() ? kThemeNoteTextWord : kThemeLocationTextWord));
        // One line: the notes' line breaks read as blanks.
        TextAt(dc, locationX, locationY, FitTextWithEllipsis(dc, BreaksToBlanks(second), right - 5 - locationX));
    }
    const int w = ApptIconsWidth(dc, x, subjectY, right, appt, false);
    ApptIconsWidth(dc, right - w - 5, IsQvgaScreen() && size == 20 ? subjectY + 1 : subjectY, right, appt, true);
    SetTextColor(dc, GetApptBarColor(appt));
    // Cut to the room right of the colour bar: the subject starts after the indent, so a width counted
    // from left + 5 would run it under the icons.
    const int subjectX = left + 5 + indent;
    TextAt(dc, subjectX, subjectY, FitTextWithEllipsis(dc, appt.subject, (right - w - 5) - subjectX));
    RestoreDC(dc, saved);
    return rowTextHeight;
}

void DrawSchedItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_LISTVIEW) return;
    LVITEMW query{};
    query.mask = LVIF_PARAM;
    query.iItem = static_cast<int>(item.itemID);
    SendMessageW(item.hwndItem, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    const LONG kind = static_cast<LONG>(query.lParam);
    ListRow entry;
    const int entryIndex = OutlineGetRowEntry(static_cast<int>(item.itemID), entry, g_SchedRows);
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    MemoryDC memory(item.hDC);
    OwnedBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
    if (!memory.Get() || !bitmap) return;
    {
        const SelectScope target(memory.Get(), bitmap.Get());
        HDC dc = memory.Get();
        FillRowBackground(dc, item.rcItem, width, height);
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        LONG alternate = item.itemID % 2 == 1 ? 1 : 0;
        switch (kind) {
        case kSchedNothing: DrawNothingRow(dc); break;
        case kSchedHeader:
        case kSchedHeaderBars:
            DrawHeaderRow(dc, item.hwndItem, entryIndex, entry, static_cast<int>(item.itemID), width, height, selected);
            break;
        case kSchedBars: DrawDayBars(dc, entry.date, kRowBars.y, width, kRowBars); break;
        case kSchedAnniv: {
            const int at = FindRecordByTwoKeys(entry.id, entry.extra);
            if (at < 0) break;
            const int drawn = SelectItemRow(dc, kind, selected, width, height, alternate);
            const RECT row{0, 0, width, height};
            const AnnivEntry anniv = GetAnnivEntryAt(g_AnnivList, at);
            if (IsOneLine()) DrawAnnivRowB(dc, row, anniv, g_SelectedDate.wYear, alternate, 1, drawn, selected);
            else DrawAnnivRowC(dc, row, anniv, g_SelectedDate.wYear, alternate, drawn);
            break;
        }
        case kSchedTask: {
            const LONG at = IdIndexGet(entry.id, g_TskIdIndex);
            if (at < 0 || at >= g_TskList.Size()) break;
            const TskRecord task = g_TskList[at];
            const int drawn = SelectItemRow(dc, kind, selected, width, height, alternate);
            DrawTskRow(dc, RECT{0, 0, width, height}, task, alternate != 0, drawn != 0, false,
                       g_Settings.agendaFmt == kAgendaTwoLines);
            break;
        }
        case kSchedAppt: {
            ApptRecord appt;
            if (!LoadApptByOid(entry.id, appt, entry.date)) break;
            const int drawn = SelectItemRow(dc, kind, selected, width, height, alternate);
            if (IsOneLine()) DrawSchedApptOneLine(dc, 0, 0, width, height, appt, entry.date, alternate, 1, drawn);
            else DrawSchedApptTwoLine(dc, 0, 0, width, height, appt, entry.date, alternate, 1, drawn);
            break;
        }
        default: break;
        }
        BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
    }
}
