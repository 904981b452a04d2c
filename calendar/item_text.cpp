// Text and icons of item rows: fitting, splitting and wrapping, category and status icons, the
// header band and the appointment and task entries of the day lists.
#include "calendar/item_text.h"

#include <algorithm>

#include "calendar/calendar_state.h"
#include "calendar/day_list.h"
#include "calendar/paint_helpers.h"
#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/custom_icon.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/prj_cats.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/item_paint.h"

namespace {

constexpr COLORREF kGreyText = 0x646455;
constexpr COLORREF kGreyOnDark = 0xD7D7D7;
constexpr COLORREF kEndTimeGrey = 0x787869;
constexpr COLORREF kOverdueRed = 0x0000E6;
constexpr int kEntryTextWidth = 300;
// A subject this long or longer is not given the due date in parentheses.
constexpr std::size_t kOverdueSuffixLimit = 500;

int LargeCatAdvance() {
    if (IsSquare320Screen()) return 16 + 2;
    if (IsVgaScreen()) return 24 + 2;
    return 12 + 2;
}

int TaskRowCatAdvance() {
    if (IsSquare320Screen()) return 12 + 2;
    if (IsVgaScreen()) return 16 + 2;
    return 8 + 2;
}

int TaskCustomIconAdvance() {
    if (IsVgaScreen()) return 16 + 2;
    if (IsSquare320Screen()) return 12 + 2;
    return 8 + 2;
}

constexpr int kSmallCatAdvance = 10;
constexpr int kSmallCustomAdvance = 10;

bool ApptEnded(const ApptRecord& appt) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DateIsBefore(GetApptEnd(appt), DateRec(now));
}

}  // namespace

std::u16string FitTextToWidth(HWND window, std::u16string_view text, int maxWidth, bool bold, bool listFont,
                              bool keepFont) {
    if (maxWidth <= 0) return {};
    HDC dc = GetDC(window);
    HFONT font = nullptr;
    if (!keepFont) font = listFont ? DayBoxFont() : (bold ? BoldTextFont() : TextFont());
    std::u16string result;
    {
        const SelectScope select(dc, font);
        // A text longer than the considered head is not measured whole: that alone took seconds.
        if (text.size() <= kFitTextChars && TextExtent(dc, text).cx <= maxWidth) {
            result = BreaksToBlanks(text);
        } else {
            const std::u16string base = BreaksToBlanks(text.substr(0, std::min(text.size(), kFitTextChars)));
            if (TextExtent(dc, base).cx <= maxWidth) {
                result = base;
            } else if (const std::size_t head = EllipsisHeadLength(dc, base, maxWidth); head > 0) {
                result = base.substr(0, head) + std::u16string(kEllipsis);
            }
        }
    }
    ReleaseDC(window, dc);
    return result;
}
int DrawItemCatIcons(HDC dc, int x, int y, int limitX, const ApptRecord& appt, bool draw, bool measureOnly,
                     bool big) {
    int width = 0;
    const bool pureMeasure = measureOnly && !draw;
    for (int i = 0; i < appt.categories.Size(); ++i) {
        const std::u16string& name = appt.categories[i];
        if (IsPrjCat(name)) continue;
        if (big) {
            if (DrawCatIconAlt(dc, x, y, name, draw, 0)) {
                x += LargeCatAdvance();
                width += LargeCatAdvance();
            }
        } else if (DrawCatIconEx(dc, x, y, name, draw, 0)) {
            x += kSmallCatAdvance;
            width += kSmallCatAdvance;
        }
        if (!pureMeasure && x >= limitX) break;
    }
    return width;
}

int DrawItemIcons(HDC dc, int x, int y, int limitX, const ApptRecord& appt, bool draw, bool small,
                  bool categoriesOnly, bool force, bool& done) {
    const bool showCat = g_Settings.showCat != 0;
    if (!showCat && categoriesOnly) {
        done = true;
        return 0;
    }
    const bool vga = IsVgaScreen() != 0;
    const bool square320 = IsSquare320Screen() != 0;
    const bool big = !small && (vga || square320 || (IsQvgaScreen() && g_Settings.fontSize != 12));
    const int iconY = y + (big ? 1 : 3) + (vga && !small ? 1 : 0) + (square320 && small ? 2 : 0);
    int total = 0;
    const auto advance = [&](int width) {
        x += width;
        total += width;
    };
    if (!categoriesOnly) {
        const LONG custom = LookupCustomIcon(appt.oid);
        if (custom != -1 && x < limitX) {
            if (big) {
                if (draw) DrawItemImage(dc, ItemImageList::Large, custom, x, iconY);
                advance(GetCustomIconWidth(IconSize::Large) + 2);
            } else {
                if (draw) DrawItemImage(dc, ItemImageList::Small, custom, x, iconY);
                advance(kSmallCustomAdvance);
            }
        }
        const struct {
            bool on;
            int icon;
        } statusIcons[] = {
            {appt.reminderSet != 0, kIconAlarm},
            {appt.meeting != 0, kIconMeeting},
            {appt.recurring != 0, kIconRecurring},
            {appt.sensitivity > 0, kIconPrivate},
            {ItemHasLinks(appt.oid), kIconLinks},
            {ShowNoteIcons != 0 && appt.hasNotes != 0, kIconNotes},
            {HasPrjCat(appt.categories), kIconProject},
        };
        for (const auto& status : statusIcons) {
            if (!status.on || x >= limitX) continue;
            advance(DrawStatusIcon(dc, x, iconY, status.icon, draw, big, vga && small));
        }
    }
    if (!showCat) return total;
    if (!force && DrawItemCatIcons(dc, x, iconY, limitX, appt, false, true, big) > limitX - x) return total;
    total += DrawItemCatIcons(dc, x, iconY, limitX, appt, draw, false, big);
    done = true;
    return total;
}

void DrawThemedHeader(HDC dc, const RECT& rect) {
    const SelectScope select(dc, DayBoxFont());
    const int h = TextHeight(dc, u"XXX");
    RECT band{rect.left, rect.top, rect.right + 1, rect.top + h + 4};
    DrawThemedBackground(dc, band, false, false, false, false);
}

int DrawAgendaEntry(HDC dc, int, int y, int& lineBottom, const RECT& rect, const ApptRecord& appt,
                    const DateRec& date, bool wide, bool cut, bool compact) {
    const bool vga = IsVgaScreen() != 0;
    const int g = compact ? 1 : 4;
    int x0 = rect.left + g;
    RECT clip{x0, y, rect.right - 1, std::min<LONG>(lineBottom, rect.bottom - 1)};
    if (cut) clip = lineBottom < rect.bottom ? RECT{x0, y, rect.right - 10, lineBottom}
                                             : RECT{x0, y, rect.right - 12, rect.bottom - 1};

    COLORREF k = ThemeColor(kThemePrimaryText);
    bool grey = false;
    if (g_Settings.grayOutPrev && ApptEnded(appt)) {
        k = kGreyText;
        grey = true;
    } else if (g_Settings.catColors && appt.categories.Size() > 0) {
        k = appt.colour;
    }
    // The entry lies on whatever its day is filled with (the selection colour for the selected day),
    // which a theme's text colour may not read on.
    const COLORREF behind = GetPixel(dc, x0, y + 1);
    if (behind != CLR_INVALID) k = ReadableTextColor(k, behind);
    const bool statusColours = g_Settings.statusColors != 0 && !grey;
    int o = BigPreviewText() ? 4 : 2;
    if (!vga && compact) o = 1;

    std::u16string text = appt.subject;
    if (wide && !appt.location.empty()) text += u" - " + appt.location;
    const COLORREF previousColour = GetTextColor(dc);
    int textX = x0;
    HWND mainWnd = g_Frame.mainWnd;
    if (appt.allDay) {
        textX += DrawFourStateIcon(dc, x0, y + o, appt.busyStatus, true, compact ? IconSize::Small : IconSize::Large);
        text = FitTextToWidth(mainWnd, text, kEntryTextWidth, false, true, false);
    } else if (ApptSpansDays(appt)) {
        const int p = ApptDayPos(appt, date.wYear, date.wMonth, date.wDay);
        const COLORREF timeColour = statusColours ? GetViewColor(appt.busyStatus)
                                                  : (IsDarkColor(ThemeColor(kThemeBackground)) ? kGreyOnDark : kGreyText);
        if (p == 0) {
            std::u16string start;
            FormatApptStart(appt, start, g_Settings.hours24 != 0, compact);
            SetTextColor(dc, timeColour);
            TextOutPlain(dc, x0, y, start);
            x0 += TextExtent(dc, start).cx + g;
        }
        const int w = DrawStateGlyph(dc, x0, y - (compact && !vga ? 2 : 0), p, compact, appt.busyStatus);
        if (p == 2) {
            std::u16string end;
            FormatApptEnd(appt, end, g_Settings.hours24 != 0, compact);
            SetTextColor(dc, statusColours ? GetViewColor(appt.busyStatus) : kEndTimeGrey);
            TextOutPlain(dc, x0 + w + 3, y, end);
            textX = x0 + w + 3 + TextExtent(dc, end).cx + g;
        } else if (p == 0) {
            textX = x0 + w + 3;
        } else {
            textX = x0 + g + 2 * w;
        }
        text = FitTextToWidth(mainWnd, text, kEntryTextWidth, false, true, true);
    } else {
        std::u16string start;
        FormatApptStart(appt, start, g_Settings.hours24 != 0, compact);
        const COLORREF startColour = statusColours ? GetViewColor(appt.busyStatus) : GetApptTextColor(appt, 0);
        SetTextColor(dc, behind != CLR_INVALID ? ReadableTextColor(startColour, behind) : startColour);
        TextOutClipped(dc, x0, y, clip, start);
        textX = x0 + TextExtent(dc, start).cx + g + 2;
        text = FitTextToWidth(mainWnd, text, kEntryTextWidth, false, true, true);
    }
    SetTextColor(dc, k);
    TextOutClipped(dc, textX, y, clip, text);
    const int textEnd = textX + TextExtent(dc, text).cx;

    const bool small = compact || !BigPreviewText();
    const int inset = vga ? (small ? 6 : 8) : (small ? 2 : 6);
    if (!(compact && !vga)) {
        bool done = false;
        DrawItemIcons(dc, textEnd + g, y, clip.right - inset - 1, appt, true, small, false, true, done);
    }
    const int h = TextHeight(dc, u"XXX");
    lineBottom = y + 2 * h + 1;
    SetTextColor(dc, previousColour);
    if (g_CurItem.oid == appt.oid && appt.oid != kNoOid && HitItemDate.wMonth == date.wMonth &&
        HitItemDate.wDay == date.wDay)
        DrawFrameRect(dc, clip, ThemeColor(kThemeSelFrame), Corners::Open, LineStyle::Solid, 1);
    return h;
}

int DrawTskLine(HDC dc, int x, int y, int lineBottom, const RECT& rect, const DateRec& today, const TskRecord& task,
                bool dueHere, bool cut, bool compact) {
    const bool vga = IsVgaScreen() != 0;
    const bool large = vga || (IsQvgaScreen() && (IsLandscapeScreen() || IsSquareScreen()));
    const int o = compact ? 1 : (vga ? 5 : 2);
    const int glyphWidth = DrawCheckGlyph(dc, x, y + o, task.complete != 0, large, compact);
    const int tx = x + glyphWidth;

    std::u16string text = task.subject;
    COLORREF colour = ThemeColor(kThemePrimaryText);
    if (g_Settings.redOverdue && TskDueBeforeDay(task, today.wYear, today.wMonth, today.wDay)) {
        colour = kOverdueRed;
        if (!dueHere && task.subject.size() < kOverdueSuffixLimit) {
            std::u16string monthDay;
            FormatMonthDay(monthDay, task.due);
            text = task.subject + u"(" + monthDay + u")";
        }
    } else if (g_Settings.catColors && task.categories.Size() > 0) {
        colour = GetTskCatColor(task);
    }
    const RECT clip{tx, y, cut ? rect.right - 12 : rect.right - 1, std::min<LONG>(lineBottom, rect.bottom - 1)};
    const COLORREF previousColour = SetTextColor(dc, colour);
    TextOutClipped(dc, tx, y + (IsQvgaScreen() ? 1 : 0), clip, text);
    const SIZE extent = TextExtent(dc, text);
    const int h = extent.cy;
    if (g_Settings.crossOut && task.complete) {
        const int end = tx + extent.cx < clip.right ? tx + extent.cx + 1 : clip.right + 2;
        MoveToEx(dc, tx - 1, y + h / 2 + 1, nullptr);
        LineTo(dc, end, y + h / 2 + 1);
    }

    int ix = tx + extent.cx + 3;
    const int iconY = y + (vga ? 6 : 4);
    const int limit = clip.right - 2;
    const auto status = [&](bool on, int icon) {
        if (on && ix < limit) ix += DrawStatusIcon(dc, ix, iconY, icon, true, false, false);
    };
    status(task.importance == 2, kIconHighImportance);
    status(task.importance == 0, kIconLowImportance);
    const LONG custom = task.icon != -1 ? task.icon : LookupCustomIcon(task.oid);
    if (custom != -1 && ix < limit) {
        DrawItemImage(dc, ItemImageList::Small, custom, ix, iconY);
        ix += TaskCustomIconAdvance();
    }
    status(task.reminderSet != 0, kIconAlarm);
    status(task.recurring != 0, kIconRecurring);
    status(task.sensitivity > 0, kIconPrivate);
    status(ItemHasLinks(task.oid), kIconLinks);
    status(ShowNoteIcons != 0 && task.hasNotes != 0, kIconNotes);
    status(HasPrjCat(task.categories), kIconProject);
    if (g_Settings.showCat) {
        for (int i = 0; i < task.categories.Size() && ix < limit; ++i)
            if (!IsPrjCat(task.categories[i]) && DrawCatIcon(dc, ix, iconY, task.categories[i], true, 0))
                ix += TaskRowCatAdvance();
    }
    SetTextColor(dc, previousColour);
    if (g_CurItem.kind == kItemTask && g_CurItem.oid == task.oid && task.oid != kNoOid) {
        RECT frame = clip;
        frame.right -= 2 + glyphWidth;
        DrawFrameRect(dc, frame, ThemeColor(kThemeSelFrame), Corners::Open, LineStyle::Solid, 1);
    }
    return h + 1;
}
