// The appointment preview: subject, time or all-day line, location, attendees and notes of the
// current appointment's occurrence on the selected date, drawn once into the preview buffer.
#include "calendar/appt_preview.h"

#include <algorithm>
#include <string>

#include "calendar/agenda_text.h"
#include "calendar/agenda_view.h"
#include "calendar/day_list.h"
#include "calendar/item_text.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/theme_words.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "core/screen_class.h"
#include "ui/draw_prims.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/themed_bars.h"

namespace {

constexpr int kThemePrimaryText = 8;
constexpr int kThemeNoteText = 13;
constexpr int kThemeBackground = 10;
constexpr int kThemeItemBorder = 11;
constexpr LONG kListStyleGradient = 4;
// The subject's first line ends this far left of the icons, further with the tab behind them.
constexpr int kIconGapLeft = 6;
constexpr int kIconTabLeft = 20;
constexpr int kLeft = 8;
constexpr int kRightInset = 3;
constexpr int kMessageHeight = 22;
constexpr int kDividerGap = 5;
constexpr int kDividerInset = 5;
constexpr const WCHAR* kNoSelection = u"No Selected Appointment.";
constexpr const WCHAR* kNotFound = u"Error Finding Appointment.";
constexpr int kFirstDay = 0;
constexpr int kLastDay = 2;

COLORREF ThemeColour(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

}  // namespace

PreviewTimeLine FormatPreviewTimeLine(const ApptRecord& appt) {
    PreviewTimeLine line;
    const bool hours24 = g_Settings.hours24 != 0;
    if (appt.allDay) {
        line.busyIcon = true;
        if (!ApptSpansDays(appt)) {
            line.before = u"All Day";
            return line;
        }
        DateRec end = appt.start;
        DateAddMinutes(end, appt.duration);
        // The end moment is midnight after the last day; stepping back crosses a month start.
        DateSubDays(end, 1);
        std::u16string endText;
        FormatShortDate(endText, end);
        line.before = platform::FormatW(u"%s - Ends: %s", u"All Day", endText.c_str());
        return line;
    }
    if (!ApptSpansDays(appt)) {
        FormatApptTimeRange(appt, line.before, hours24);
        return line;
    }
    line.glyph = std::max(ApptDayPos(appt, g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay), 0);
    if (line.glyph == kFirstDay) FormatApptStart(appt, line.before, hours24, false);
    if (line.glyph == kLastDay) FormatApptEnd(appt, line.after, hours24, false);
    return line;
}

void DrawPreviewTimeLine(HDC dc, int y, const ApptRecord& appt) {
    const PreviewTimeLine line = FormatPreviewTimeLine(appt);
    int x = kLeft;
    if (line.busyIcon) {
        const bool large = (IsQvgaScreen() && g_Settings.fontSize != 14) || IsVgaScreen();
        x += DrawFourStateIcon(dc, x, y + 4, appt.busyStatus, true, large ? IconSize::Large : IconSize::Small);
    }
    if (!line.before.empty()) {
        DrawAgendaText(dc, x, y, line.before);
        x += AgendaTextWidth(dc, line.before) + 4;
    }
    if (line.glyph < 0) return;
    x += DrawStateGlyph(dc, x, y, line.glyph, false, appt.busyStatus) + 4;
    if (!line.after.empty()) DrawAgendaText(dc, x, y, line.after);
}

namespace {

// Attendee names joined by ", ".
std::u16string JoinAttendees(const StrArray& names) {
    std::u16string joined;
    for (int i = 0; i < names.Size(); ++i) joined += (i > 0 ? u", " : u"") + names[i];
    return joined;
}

void CopyBuffer(HDC dc, const OffscreenBuffer& buffer) {
    BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, GetViewScrollPos(), SRCCOPY);
}

}  // namespace

int DrawApptPreview(HDC dc, int draw) {
    RECT rc{};
    GetViewClientRect(g_Agenda.wnd, rc);
    const int right = rc.right;
    OffscreenBuffer& buffer = g_Agenda.previewBuffer;
    if (draw) {
        if (!buffer.valid && !CreateOffscreen(buffer, dc, right, std::max<int>(DrawApptPreview(dc, 0), rc.bottom))) {
            return 0;
        }
        if (buffer.drawn) {
            CopyBuffer(dc, buffer);
            return 0;
        }
        DrawViewBackground(buffer, 0, 0);
    }
    HDC target = draw ? buffer.memDC : dc;
    HGDIOBJ oldFont = SelectObject(target, g_Main.themeFonts[kFontBold]);
    SetBkMode(target, TRANSPARENT);
    int y = 2;
    ApptRecord appt;
    if (!LoadApptByOid(g_CurItem.oid, appt, g_SelectedDate)) {
        if (draw) {
            SetTextColor(target, ThemeColour(kThemePrimaryText));
            DrawAgendaText(target, kLeft, y, g_CurItem.oid == kNoId ? kNoSelection : kNotFound);
            buffer.drawn = 1;
            CopyBuffer(dc, buffer);
        }
        SelectObject(target, oldFont);
        return kMessageHeight;
    }
    const int width = right - kRightInset - kLeft;
    // The status icons sit at the right end of the subject's first line, which stops short of them.
    bool iconsDone = false;
    const int iconsWidth = DrawItemIcons(target, 0, y, right, appt, false, false, false, false, iconsDone);
    const int iconsLeft = right - iconsWidth;
    int firstWidth = width;
    if (iconsWidth > 0) {
        firstWidth = iconsLeft - kIconGapLeft - kLeft;
        const bool tab = GetThemeWord(kThemeListBackground) == kListStyleGradient;
        if (draw && tab) {
            DrawColorLine(target, iconsLeft - 21, y + 3, iconsLeft - 8, y + 16, ThemeColour(kThemeItemBorder));
            DrawFadeLine(target, POINT{iconsLeft - 8, y + 16}, POINT{right - 4, y + 16}, ThemeColour(kThemeBackground),
                         ThemeColour(kThemeItemBorder), FadeEnd::Left);
            firstWidth = iconsLeft - kIconTabLeft - kLeft;
        }
        if (draw) {
            iconsDone = false;
            DrawItemIcons(target, iconsLeft - kIconGapLeft, y, right, appt, true, false, false, false, iconsDone);
        }
    }
    if (draw) {
        const bool catColour = g_Settings.catColors && appt.categories.Size() > 0;
        SetTextColor(target, catColour ? appt.colour : ThemeColour(kThemePrimaryText));
    }
    y += WrapAgendaText(target, kLeft, y + 2, std::max(firstWidth, 1), kLeft, width, appt.subject, draw);
    SelectObject(target, g_Main.themeFonts[kFontNormal]);
    if (draw) {
        SetTextColor(target, GetViewColor(appt.busyStatus));
        DrawPreviewTimeLine(target, y, appt);
    }
    y += AgendaLineHeight(target) + 2;
    const std::u16string location = TrimTrailing(appt.location);
    if (draw) SetTextColor(target, ThemeColour(kThemePrimaryText));
    if (!location.empty()) y += WrapAgendaText(target, kLeft, y, width, kLeft, width, location, draw) + 3;
    if (draw) {
        DrawDividerLine(target, rc.left + GetThemeWord(kThemeViewMarginSide) + kDividerInset, right - kDividerInset, y,
                        ThemeColour(kThemeTitleSecondary));
    }
    StrArray names;
    if (appt.meeting && GetApptAttendees(appt.oid, names) && names.Size() > 0) {
        y += kDividerGap;
        y += WrapAgendaText(target, kLeft, y, width, kLeft, width, u"Attendees: " + JoinAttendees(names), draw);
    }
    y += kDividerGap;
    const std::u16string notes = TrimTrailing(appt.notes);
    if (!notes.empty()) {
        if (draw) SetTextColor(target, ThemeColour(kThemeNoteText));
        y += WrapAgendaText(target, kLeft, y, width, kLeft, width, notes, draw);
    }
    SelectObject(target, oldFont);
    if (draw) {
        buffer.drawn = 1;
        CopyBuffer(dc, buffer);
    }
    return y;
}
