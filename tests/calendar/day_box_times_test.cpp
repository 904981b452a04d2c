// Start times of the appointments in the week view's day boxes, in the program's window: grey for an
// appointment already over with "Gray Out Previous", grey without status colouring, and the busy
// status's colour otherwise.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/theme_words.h"
#include "core/view_id.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "resources/resource.h"
#include "tests/frame/program_fixture.h"

namespace {

namespace pt = platform::testing;

constexpr COLORREF kGreyOnLight = 0x646455;
constexpr COLORREF kGreyOnDark = 0x787869;
constexpr COLORREF kLightGreyOnDark = 0xD7D7D7;

bool IsDark(COLORREF c) { return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128; }

class DayBoxTimes : public frametest::ProgramTest {
protected:
    DayBoxTimes() {
        FreezeTestDay();
        Store store;
        store.Appt(u"Breakfast", DateRec(2026, 12, 10, 7, 0), 60);  // over by 9:00
        store.Appt(u"Review", DateRec(2026, 12, 11, 15, 0), 60);   // still to come
    }

    // The colour of the text drawn just left of the subject, on its line: the start time.
    static std::optional<COLORREF> StartTimeColour(const pt::DrawRecord& record, const std::u16string& subject) {
        const std::vector<pt::DrawnText> found = record.ScreenTextsContaining(subject);
        if (found.empty()) return std::nullopt;
        const RECT at = found.front().rect;
        std::optional<COLORREF> colour;
        LONG nearest = -1;
        for (const pt::DrawnText& t : record.ScreenTexts()) {
            if (t.rect.top != at.top || t.rect.right > at.left || t.rect.right <= nearest) continue;
            nearest = t.rect.right;
            colour = t.color;
        }
        return colour;
    }
};

TEST_F(DayBoxTimes, StartTimesTurnGreyAsTheSettingsSay) {
    struct Case {
        const char* name;
        LONG grayOutPrev;
        LONG statusColors;
        bool pastGrey;
        bool futureGrey;
    } cases[] = {
        {"gray out previous, status colours", 1, 1, true, false},
        {"no status colours", 0, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSetting(u"GRAYOUTPREV", c.grayOutPrev);
        WriteSetting(u"STATUSCOLORS", c.statusColors);
        pt::DrawRecord record;
        ASSERT_NE(Open(), nullptr);
        Command(IDM_VIEW_WEEK);
        ASSERT_EQ(ViewId, kViewWeek);
        Command(IDM_GO_TO_TODAY);  // the week of today, whatever date earlier tests left selected
        const bool dark = IsDark(static_cast<COLORREF>(GetThemeWord(10)));
        const COLORREF pastGrey = dark ? kGreyOnDark : kGreyOnLight;
        const COLORREF plainGrey = dark ? kLightGreyOnDark : kGreyOnLight;
        const std::optional<COLORREF> past = StartTimeColour(record, u"Breakfast");
        const std::optional<COLORREF> future = StartTimeColour(record, u"Review");
        ASSERT_TRUE(past.has_value());
        ASSERT_TRUE(future.has_value());
        EXPECT_EQ(*past == (c.grayOutPrev ? pastGrey : plainGrey), c.pastGrey) << std::hex << *past;
        EXPECT_EQ(*future == plainGrey, c.futureGrey) << std::hex << *future;
        CloseProgram();
    }
}

}  // namespace
