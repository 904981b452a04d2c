// Window titles: the month and year in the month view, the program title elsewhere, and on a QVGA
// screen in landscape the view's name, the clock and the typed letters of the contacts view.
#include <gtest/gtest.h>

#include "calendar/year_view.h"
#include "lists/list_commands.h"
#include "view_fixture.h"

namespace {

using frametest::ViewTest;

struct TitleCase {
    int width;
    int height;
    LONG view;
    LONG clock;
    LONG hours24;
    const char16_t* expected;
};

TEST_F(ViewTest, ViewTitlesByScreenViewAndClock) {
    constexpr TitleCase cases[] = {
        {480, 640, kViewTasks, 1, 1, u"Vestral Agenda"},
        {240, 320, kViewTasks, 1, 1, u"Vestral Agenda"},
        {320, 240, kViewTasks, 1, 1, u"Vestral - Tasks [14:05]"},
        {320, 240, kViewTasks, 1, 0, u"Vestral - Tasks [2:05 PM]"},
        {320, 240, kViewTasks, 0, 1, u"Vestral - Tasks"},
        {320, 240, kViewTimelineWeek, 1, 1, u"Vestral - Week [14:05]"},
        {320, 240, kViewProjects, 1, 1, u"Vestral - Projects [14:05]"},
        {320, 240, kViewYear, 0, 1, u"Vestral - 2010"},
        {320, 240, kViewTaskPreview, 1, 1, u"Vestral - Task"},
        {320, 240, kViewSpinner, 1, 1, u"Vestral Agenda - Select"},
        {320, 240, kViewNotes, 1, 1, u"Vestral"},
    };
    // The year view names the year its cursor is in, which may differ from the selected date's.
    g_YearView.year = 2010;
    for (const TitleCase& c : cases) {
        UseScreen(c.width, c.height);
        ViewId = c.view;
        g_Settings.clockTitle = c.clock;
        g_Settings.hours24 = c.hours24;
        SetViewTitle();
        EXPECT_EQ(Title(), c.expected) << c.width << "x" << c.height << " view " << c.view;
    }
}

TEST_F(ViewTest, ContactsTitleShowsTypedLettersInPlaceOfTheClock) {
    UseScreen(320, 240);
    g_Settings.hours24 = 1;
    ViewId = kViewContacts;
    SetViewTitle();
    EXPECT_EQ(Title(), u"Vestral - Contacts [14:05]");
    g_CtsTypeAhead.letter = u'm';
    SetViewTitle();
    EXPECT_EQ(Title(), u"Vestral - Contacts(m)");
    g_CtsTypeAhead.text = u"mar";
    SetViewTitle();
    EXPECT_EQ(Title(), u"Vestral - Contacts(mar)");
    ClearCtsTypeAhead();
}

TEST_F(ViewTest, MonthTitleCarriesTheClockOnlyInLandscape) {
    g_Settings.hours24 = 1;
    SetMonthTitle();
    EXPECT_EQ(Title(), u"March 2009");
    UseScreen(320, 240);
    SetMonthTitle();
    EXPECT_EQ(Title(), u"March 2009 [14:05]");
    g_Settings.clockTitle = 0;
    SetMonthTitle();
    EXPECT_EQ(Title(), u"March 2009");
}

TEST_F(ViewTest, RefreshTitleLeavesOtherViewsAlone) {
    UseScreen(320, 240);
    ViewId = kViewMonth;
    RefreshTitle();
    EXPECT_EQ(Title(), u"March 2009 [2:05 PM]");
    ViewId = kViewNotes;
    RefreshTitle();
    EXPECT_EQ(Title(), u"March 2009 [2:05 PM]");
    ViewId = kViewDay;
    RefreshTitle();
    EXPECT_EQ(Title(), u"Vestral - Day [2:05 PM]");
}

}  // namespace
