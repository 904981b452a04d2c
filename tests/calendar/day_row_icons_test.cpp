// The status icons at the right end of a Day list row's first line: a subject that just fits one
// line without icons wraps once the row has an icon to make room for.
#include <gtest/gtest.h>

#include <string>

#include "agenda_fixture.h"

namespace {

using agendatest::AgendaTest;

class DayRowIcons : public AgendaTest {};

TEST_F(DayRowIcons, FirstLineStopsBeforeTheIcons) {
    LoadMonth();
    ShowDayView(1, 1);
    ASSERT_NE(g_Agenda.wnd, nullptr);
    HDC dc = GetDC(g_Agenda.wnd);
    const DateRec day(2009, 3, 10);
    ApptRecord appt;
    appt.start = DateRec(2009, 3, 10, 9, 0);
    appt.duration = 30;
    const auto height = [&](const std::u16string& subject, LONG reminder) {
        appt.subject = subject;
        appt.reminderSet = reminder;
        return DrawApptRow(dc, kDayListX, 0, appt, day, 0, 0, 1);
    };
    const int oneLine = height(u"Go", 0);
    std::u16string subject = u"Go";  // grown by narrow words to the longest that fits one line
    while (height(subject + u" i", 0) == oneLine) subject += u" i";
    EXPECT_EQ(height(subject, 0), oneLine);
    EXPECT_GT(height(subject, 1), oneLine) << "with the reminder icon the subject wraps";
    EXPECT_EQ(height(u"Go", 1), oneLine) << "a short subject keeps one line beside the icon";
    ReleaseDC(g_Agenda.wnd, dc);
}

}  // namespace
