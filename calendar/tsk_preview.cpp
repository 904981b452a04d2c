// The task preview page. One painter measures (draw 0) and draws, so the scroll range that the
// measuring pass gives always fits the drawing; the drawing is cached in the previews' buffer.
#include "calendar/tsk_preview.h"
#include "calendar/tsk_preview_reload.h"

#include <algorithm>
#include <optional>
#include <string>

#include "calendar/agenda_view.h"
#include "calendar/appt_preview.h"
#include "calendar/calendar_state.h"
#include "calendar/day_list.h"
#include "calendar/item_text.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cat_filter.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/item_filters.h"
#include "core/prj_cats.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/themed_bars.h"

namespace {

constexpr int kThemePrimaryTextWord = 8;
constexpr int kThemeSecondaryTextWord = 9;
constexpr int kThemeBackgroundWord = 10;
constexpr int kThemeItemBorderWord = 11;
constexpr int kThemeNoteTextWord = 13;
constexpr LONG kListStyleGradient = 4;
constexpr LONG kSensitivityPrivate = 2;
constexpr int kPageX = 8;
constexpr int kFirstY = 2;
constexpr int kBaseY = 4;
constexpr int kIconGap = 12;
constexpr int kStripTabShift = 16;

COLORREF Word(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

int LineHeight(HDC dc) {
    SIZE size{};
    GetTextExtentPoint32W(dc, u"XXX", 3, &size);
    return size.cy;
}

void TextAt(HDC dc, int x, int y, const std::u16string& text) { ReadableTextOut(dc, x, y, text); }

// The first "%s" of the format replaced by the text.
std::u16string FillText(std::u16string format, const std::u16string& text) {
    const std::size_t at = format.find(u"%s");
    if (at != std::u16string::npos) format.replace(at, 2, text);
    return format;
}

const TskRecord* CurrentTask() {
    if (g_CurItem.oid == kNoId) return nullptr;
    const LONG at = IdIndexGet(g_CurItem.oid, g_TskIdIndex);
    if (at < 0 || at >= g_TskList.Size() || g_TskList[at].oid != g_CurItem.oid) return nullptr;
    return &g_TskList[at];
}

bool HasDate(const DateRec& date) { return date.wYear != kNoDateYear; }

// What the last drawn page showed: the task as it was then, or none for "No Selected Task.". The
// drawing is cached, so an edit or a change read from the store is seen only by comparing.
struct ShownPage {
    bool drawn = false;
    std::optional<TskRecord> task;
};
ShownPage g_ShownPage;

bool SameStrings(const StrArray& a, const StrArray& b) {
    if (a.Size() != b.Size()) return false;
    for (int i = 0; i < a.Size(); ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

// Every field the page draws from.
bool SamePage(const TskRecord& a, const TskRecord& b) {
    return a.oid == b.oid && a.subject == b.subject && a.notes == b.notes && a.complete == b.complete &&
           a.hasDue == b.hasDue && DateEqual(a.start, b.start) && DateEqual(a.due, b.due) &&
           a.importance == b.importance && a.reminderSet == b.reminderSet && a.sensitivity == b.sensitivity &&
           a.prefixLetter == b.prefixLetter && a.prefixNumber == b.prefixNumber && a.hasNotes == b.hasNotes &&
           a.recurring == b.recurring && SameStrings(a.categories, b.categories);
}

void NoteShownPage(const TskRecord* task) {
    g_ShownPage.drawn = true;
    if (task) g_ShownPage.task.emplace(*task);
    else g_ShownPage.task.reset();
    g_TskPreviewReload = 0;
}

}  // namespace

bool TskPreviewStale() {
    if (g_TskPreviewReload || !g_ShownPage.drawn) return true;
    const TskRecord* current = CurrentTask();
    if (!current || !g_ShownPage.task) return (current == nullptr) != !g_ShownPage.task;
    return !SamePage(*current, *g_ShownPage.task);
}

RECT TskPreviewPage() {
    if (ViewId == kViewTasks) {
        const RECT& pane = g_TskListState.previewPane;
        return RECT{0, 0, std::max<LONG>(pane.right - pane.left, 0), std::max<LONG>(pane.bottom - pane.top, 0)};
    }
    RECT client{};
    if (g_Agenda.wnd) GetViewClientRect(g_Agenda.wnd, client);
    return client;
}

std::u16string FormatAdvancedPriority(const TskRecord& task) {
    std::u16string text = LoadResString(IDS_ADVANCED_PRIORITY_FMT, u"Advanced Priority: %c%d");
    const std::size_t letter = text.find(u"%c");
    if (letter != std::u16string::npos) text.replace(letter, 2, 1, static_cast<char16_t>(task.prefixLetter));
    const std::size_t number = text.find(u"%d");
    if (number != std::u16string::npos) {
        const std::string digits = std::to_string(task.prefixNumber);
        text.replace(number, 2, std::u16string(digits.begin(), digits.end()));
    }
    return text;
}

int DrawTskIcons(HDC dc, int x, int y, const TskRecord& task, int draw) {
    const bool large = (IsQvgaScreen() && g_Settings.fontSize != 14) || IsVgaScreen();
    const IconSize size = large ? IconSize::Large : IconSize::Small;
    const int iconY = y + (large ? 2 : 4) + (IsVgaScreen() ? 2 : 0);
    const bool show = draw != 0;
    int width = 0;
    if (task.importance == kImportanceHigh) width += DrawCheckStateIcon(dc, x + width, iconY, true, show, size);
    if (task.importance == kImportanceLow) width += DrawCheckStateIcon(dc, x + width, iconY, false, show, size);
    if (task.reminderSet) width += DrawStatusIcon10(dc, x + width, iconY, show, size, false);
    if (task.recurring) width += DrawStatusIcon8(dc, x + width, iconY, show, size, false);
    if (task.sensitivity == kSensitivityPrivate) width += DrawStatusIcon0(dc, x + width, iconY, show, size, false);
    if (task.hasNotes && ShowNoteIcons) width += DrawStatusIcon9(dc, x + width, iconY, show, size, false);
    if (HasPrjCat(task.categories)) width += DrawStatusIcon19(dc, x + width, iconY, show, size, false);
    if (!g_Settings.showCat) return width;
    const int advance = GetIconAdvance(size, false);
    for (const std::u16string& name : task.categories) {
        if (IsPrjCat(name)) continue;
        const bool drawn = large ? DrawCatIconAlt(dc, x + width, iconY, name, show, 0)
                                 : DrawCatIcon(dc, x + width, iconY, name, show, 0);
        if (drawn) width += advance;
    }
    return width;
}

int DrawTskPreview(HDC dc, const RECT& rect, int draw) {
    const int right = rect.right;
    const int bottom = rect.bottom;
    const int spacing = IsVgaScreen() ? 12 : 2;
    const int saved = SaveDC(dc);
    SelectObject(dc, g_Main.themeFonts[kFontBold]);
    SetBkMode(dc, TRANSPARENT);
    const int lineHeight = LineHeight(dc);
    const TskRecord* found = CurrentTask();
    if (draw) NoteShownPage(found);
    if (!found) {
        if (draw) {
            SetTextColor(dc, Word(kThemePrimaryTextWord));
            TextAt(dc, kPageX, kBaseY, LoadResString(IDS_NO_SELECTED_TASK, u"No Selected Task."));
        }
        RestoreDC(dc, saved);
        return kBaseY;
    }
    const TskRecord task = *found;
    const int stripWidth = DrawTskIcons(dc, kPageX, kFirstY, task, 0);
    const int iconX = right - stripWidth - kIconGap;
    int subjectEnd = iconX;
    if (draw && GetThemeWord(kThemeListBackground) == kListStyleGradient && stripWidth > 0) {
        DrawColorLine(dc, iconX - 17, kFirstY + 3, iconX - 2, kFirstY + 18, Word(kThemeItemBorderWord));
        DrawFadeLine(dc, POINT{iconX - 2, kFirstY + 18}, POINT{right - 4, kFirstY + 18}, Word(kThemeBackgroundWord),
                     Word(kThemeItemBorderWord), FadeEnd::Left);
        subjectEnd -= kStripTabShift;
    }
    if (draw) DrawTskIcons(dc, iconX, kFirstY, task, 1);
    COLORREF subjectColour = Word(kThemePrimaryTextWord);
    if (g_Settings.catColors && task.categories.Size() > 0) subjectColour = GetTskCatColor(task);
    SetTextColor(dc, subjectColour);
    int y = kFirstY;
    const bool strike = task.complete && g_Settings.crossOut;
    DrawWrappedText(dc, task.subject, kPageX, y, subjectEnd, right - 3, bottom, draw != 0, kNoLimit, 0, strike,
                    spacing);
    SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    const int normalHeight = LineHeight(dc);
    SetTextColor(dc, Word(kThemeSecondaryTextWord));
    std::u16string date;
    if (HasDate(task.start) && task.hasDue) {
        FormatShortDate(date, task.start);
        if (draw) TextAt(dc, kPageX, y, FillText(u"Start: %s", date));
        y += normalHeight + spacing;
    }
    if (task.hasDue) {
        FormatShortDate(date, task.due);
        if (draw) TextAt(dc, kPageX, y, FillText(u"Due: %s", date));
        y += normalHeight + spacing;
    }
    if (draw) DrawDividerLine(dc, kPageX + 5, right - 5, y, GetThemeColor5());
    if (task.prefixLetter) {
        y += 5;
        SetTextColor(dc, Word(kThemePrimaryTextWord));
        if (draw) TextAt(dc, kPageX, y, FormatAdvancedPriority(task));
        y += normalHeight + spacing;
    }
    y += 5;
    if (task.hasNotes) {
        std::u16string notes;
        GetTskTextProp(task.oid, notes);
        if (!notes.empty()) {
            SetTextColor(dc, Word(kThemeNoteTextWord));
            DrawWrappedText(dc, notes, kPageX, y, right - 3, right - 3, kNoLimit, draw != 0, kNoLimit, 0, false, 2);
        }
    }
    (void)lineHeight;
    RestoreDC(dc, saved);
    return y;
}

int PaintTskPreview(HDC dc, int draw) {
    OffscreenBuffer& buffer = g_Agenda.previewBuffer;
    if (draw && buffer.valid && buffer.drawn && TskPreviewStale()) {
        // The page may have grown or shrunk: a new buffer at its height, and a scroll range to fit.
        ReleasePreviewBuffer();
        if (ViewId == kViewTaskPreview) RelayoutAgendaView();
    }
    if (draw && !buffer.valid) CreateTskPreviewBuffer(dc);
    if (draw && buffer.valid && buffer.drawn) {
        BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, GetViewScrollPos(), SRCCOPY);
        return 0;
    }
    if (draw && !buffer.valid) return 0;
    HDC target = draw ? buffer.memDC : dc;
    if (draw) DrawViewBackground(buffer, 0, 0);
    RECT page{0, 0, buffer.width, buffer.height};
    if (!buffer.valid) page = TskPreviewPage();
    const int height = DrawTskPreview(target, page, draw);
    if (draw) {
        buffer.drawn = 1;
        BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, GetViewScrollPos(), SRCCOPY);
    }
    return height;
}

int GetPreviewHeight(HDC dc) {
    const RECT page = TskPreviewPage();
    int height = 0;
    switch (ViewId) {
    case kViewApptPreview: height = DrawApptPreview(dc, 0); break;
    case kViewTaskPreview: height = DrawTskPreview(dc, page, 0); break;
    case kViewTasks:
        if (g_Settings.taskPreview) height = DrawTskPreview(dc, page, 0);
        break;
    default: break;
    }
    return std::max<int>(height, page.bottom);
}

// Raised by a task save while the preview shows that task; the preview reads the task again.
LONG g_TskPreviewReload = 0;
