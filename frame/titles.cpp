// The title texts of the main window for each view.
#include "frame/titles.h"

#include "calendar/year_view.h"
#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/date_rec.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "frame/frame_hooks.h"
#include "frame/main_window.h"
#include "lists/list_commands.h"
#include "platform/text.h"
#include "ui/view_focus.h"

namespace {

constexpr const WCHAR* kShortProgramTitle = u"Vestral";
constexpr const WCHAR* kFilterMark = u"[F]";
constexpr const WCHAR* kContactsSuffix = u" - Contacts";
constexpr const WCHAR* kYearSuffixFormat = u" - %d";

// What a landscape QVGA title carries after the program title, by view.
struct TitleSuffix {
    LONG view;
    const WCHAR* suffix;
    bool clock;
    bool filterMark;
};
constexpr TitleSuffix kTitleSuffixes[] = {
    {kViewTaskPreview, u" - Task", false, false},   {kViewContactPreview, u" - Contact", false, false},
    {kViewWeek, u" - Week", true, true},            {kViewTimelineWeek, u" - Week", true, true},
    {kViewDay, u" - Day", true, true},              {kViewDates, u" - Dates", true, true},
    {kViewTasks, u" - Tasks", true, true},          {kViewProjects, u" - Projects", true, false},
    {kViewYear, kYearSuffixFormat, true, false},    {kViewSpinner, u" - Select", false, false},
};

bool IsQvgaLandscape() { return IsQvgaScreen() && IsLandscapeScreen(); }

void AppendFilterMark(std::u16string& title) {
    if (GetViewCatFilter()) title += kFilterMark;
}

void AppendContactsSuffix(std::u16string& title) {
    title += kContactsSuffix;
    // The letters typed, else the one letter chosen; the clock only when there are none.
    const std::u16string typed = CtsTypeAheadText();
    if (!typed.empty())
        title += u"(" + typed + u")";
    else
        AppendClockToTitle(title);
    AppendFilterMark(title);
}

void AppendViewSuffix(std::u16string& title) {
    if (ViewId == kViewContacts) return AppendContactsSuffix(title);
    for (const TitleSuffix& s : kTitleSuffixes) {
        if (s.view != ViewId) continue;
        // The year view's own year: its cursor can move past the selected date's.
        title += s.view == kViewYear ? platform::FormatW(s.suffix, static_cast<int>(g_YearView.year))
                                     : std::u16string(s.suffix);
        if (s.clock) AppendClockToTitle(title);
        if (s.filterMark) AppendFilterMark(title);
        return;
    }
}

}  // namespace

void AppendClockToTitle(std::u16string& title) {
    if (!g_Settings.clockTitle || !IsLandscapeScreen()) return;
    DateRec now;
    DateNow(now);
    std::u16string time;
    FormatTime(time, now, g_Settings.hours24 != 0, true, false);
    title += u" [" + time + u"]";
}

void frame::SetViewTitle() {
    std::u16string title = kProgramTitle;
    if (IsQvgaLandscape()) {
        if (ViewId != kViewSpinner) title = kShortProgramTitle;
        AppendViewSuffix(title);
    }
    SetTitleText(g_Frame.mainWnd, title.c_str());
}

void frame::SetMonthTitle() {
    std::u16string title =
        platform::FormatW(u"%s %d", GetMonthName(g_SelectedDate.wMonth).c_str(), static_cast<int>(g_SelectedDate.wYear));
    AppendClockToTitle(title);
    AppendFilterMark(title);
    SetTitleText(g_Frame.mainWnd, title.c_str());
}

void frame::RetitleAfterRotation() {
    if (ViewId == kViewMonth) return SetMonthTitle();
    // The views whose title carries a landscape suffix lose it again in portrait, and the other way.
    bool suffixed = ViewId == kViewContacts;
    for (const TitleSuffix& s : kTitleSuffixes) suffixed = suffixed || s.view == ViewId;
    if (suffixed) SetViewTitle();
}

void frame::RefreshTitle() {
    switch (ViewId) {
    case kViewMonth: SetMonthTitle(); break;
    case kViewWeek:
    case kViewDates:
    case kViewYear:
    case kViewTasks:
    case kViewContacts:
    case kViewDay: SetViewTitle(); break;
    default: break;
    }
}
