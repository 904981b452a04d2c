// Items with very long texts, as another program may store them: the Day view, the task list and the
// contact list open with them and show each cut to its row with "...".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calendar/agenda_view.h"
#include "core/view_id.h"
#include "platform/poom.h"
#include "platform/testing_draw.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;
using frametest::ProgramTest;

class LongText : public ProgramTest {};

// A text of `length` characters: words of a few letters, so that it could be cut anywhere.
std::u16string LongWords(char16_t first, std::size_t length) {
    std::u16string text;
    while (text.size() < length) {
        text += first;
        text += u"bcd ";
    }
    text.resize(length);
    return text;
}

// Whether one drawn text shows `full` cut with "..." (what fits a row never holds all of it); the
// contact list writes the last name first.
bool DrawsCut(const pt::DrawRecord& record, const std::u16string& full) {
    const auto texts = record.ScreenTexts();
    return std::any_of(texts.begin(), texts.end(), [&](const pt::DrawnText& t) {
        return t.text.ends_with(u"...") && t.text.size() <= 300 && t.text.find(full.substr(0, 9)) != std::u16string::npos;
    });
}

// Whether a drawn line is the head of `full` as wrapping gives it: a few words, not all of them.
bool DrawsWrappedHead(const pt::DrawRecord& record, const std::u16string& full) {
    const auto texts = record.ScreenTexts();
    return std::any_of(texts.begin(), texts.end(), [&](const pt::DrawnText& t) {
        return t.text.size() >= 4 && t.text.size() < 300 && full.starts_with(t.text);
    });
}

TEST_F(LongText, SixtyThousandCharacterTextsOpenTheDayTaskAndContactLists) {
    constexpr std::size_t kLength = 60000;
    const std::u16string subject = LongWords(u'A', kLength);
    const std::u16string task = LongWords(u'T', kLength);
    const std::u16string name = LongWords(u'N', kLength);
    FreezeTestDay();
    {
        Store store;
        store.Appt(subject.c_str(), DateRec(2026, 12, 10, 10), 60);
        store.Task(task.c_str(), DateRec(2026, 12, 10));
        auto contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(name.c_str());
        contact->put_LastName(u"Long");
        contact->put_Birthday(Store::Ole(DateRec(1980, 12, 10)));
        EXPECT_EQ(contact->Save(), S_OK);
    }
    pt::DrawRecord record;
    ParseCmdLine(u"TODAY");
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ViewId, kViewDay);
    EXPECT_TRUE(DrawsCut(record, subject));
    EXPECT_TRUE(DrawsCut(record, name));  // the birthday

    record.Clear();
    Command(IDM_VIEW_TASKS);
    ASSERT_EQ(ViewId, kViewTasks);
    EXPECT_TRUE(DrawsCut(record, task));

    record.Clear();
    Command(IDM_VIEW_CONTACTS);
    ASSERT_EQ(ViewId, kViewContacts);
    EXPECT_TRUE(DrawsCut(record, name));
}

// The drawn Day list and the appointment preview wrap the subject over lines, each line measured
// from its own share of the text: a long subject opens both at once.
TEST_F(LongText, SixtyThousandCharacterSubjectWrapsInTheDrawnDayListAndThePreview) {
    const std::u16string subject = LongWords(u'A', 60000);
    FreezeTestDay();
    {
        Store store;
        store.Appt(subject.c_str(), DateRec(2026, 12, 10, 10), 60);
    }
    WriteSetting(u"AGENDAFMT", kAgendaDrawn);
    WriteSetting(u"STARTON30", kStartDay);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ViewId, kViewDay);
    EXPECT_TRUE(DrawsWrappedHead(record, subject));

    // The row tapped, then opened.
    const auto rows = record.ScreenTextsContaining(subject.substr(0, 9));
    ASSERT_FALSE(rows.empty());
    pt::Tap((rows.front().rect.left + rows.front().rect.right) / 2, (rows.front().rect.top + rows.front().rect.bottom) / 2);
    pt::PumpUntilIdle();
    record.Clear();
    pt::Key(VK_RETURN);
    pt::PumpUntilIdle();
    ASSERT_EQ(ViewId, kViewApptPreview);
    EXPECT_TRUE(DrawsWrappedHead(record, subject));
}

}  // namespace
