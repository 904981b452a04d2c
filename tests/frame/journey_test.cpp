// Journeys over a store filled as another program fills it: a year of appointments, tasks and
// five hundred contacts imported with devicectl, then the program's own views driven on two screen
// sizes, each view drawing the items the store lists for its days with their times and subjects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/go_to_date.h"
#include "core/cmd_line.h"
#include "core/date_rec.h"
#include "core/view_id.h"
#include "editors/appt_form.h"
#include "editors/appt_form_fields.h"
#include "editors/recur_choices.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_draw.h"
#include "platform/text.h"
#include "program_fixture.h"
#include "tests/support/devicectl_run.h"
#include "tests/support/menu_keys.h"
#include "resources/resource.h"
#include "ui/date_pickers.h"
#include "ui/dialog_conventions.h"
#include "tests/support/stored_pattern.h"

namespace {

namespace pt = platform::testing;

// One line of `devicectl pim list`: when (empty for none), minutes, subject or name.
struct Listed {
    std::string when;
    long minutes = 0;
    std::u16string subject;
};

std::vector<std::string> Split(const std::string& line, char sep) {
    std::vector<std::string> parts;
    std::stringstream s(line);
    std::string part;
    while (std::getline(s, part, sep)) parts.push_back(part);
    return parts;
}

// "2009-03-25 22:00" as the views write a start: "10:00p".
std::u16string ShortTime(const std::string& when) {
    const int hour = std::stoi(when.substr(11, 2));
    const int minute = std::stoi(when.substr(14, 2));
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d%c", h12, minute, hour < 12 ? 'a' : 'p');
    return platform::FromUtf8(text);
}

// Whether a drawn line shows the subject: whole, or cut with "..." where the room ends.
bool ShowsSubject(const std::u16string& drawn, const std::u16string& subject) {
    if (drawn == subject) return true;
    constexpr std::u16string_view kDots = u"...";
    if (drawn.size() <= kDots.size() || !drawn.ends_with(kDots)) return false;
    std::u16string head = drawn.substr(0, drawn.size() - kDots.size());
    while (!head.empty() && head.back() == u' ') head.pop_back();
    return head.size() >= 4 && subject.starts_with(head);
}

// The end of a listed item as "YYYY-MM-DD HH:MM".
std::string EndOf(const Listed& item) {
    std::tm tm{};
    tm.tm_year = std::stoi(item.when.substr(0, 4)) - 1900;
    tm.tm_mon = std::stoi(item.when.substr(5, 2)) - 1;
    tm.tm_mday = std::stoi(item.when.substr(8, 2));
    tm.tm_hour = std::stoi(item.when.substr(11, 2));
    tm.tm_min = std::stoi(item.when.substr(14, 2)) + static_cast<int>(item.minutes);
    const std::time_t t = timegm(&tm);
    std::tm end{};
    gmtime_r(&t, &end);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", end.tm_year + 1900, end.tm_mon + 1, end.tm_mday,
                  end.tm_hour, end.tm_min);
    return text;
}

// A drawn time showing the start "10:00p": as it is, opening a range, or on the hour as "10p".
bool TimeShows(const std::u16string& drawn, const std::u16string& time) {
    if (drawn.starts_with(time)) return true;
    const auto colon = time.find(u':');
    return time.substr(colon, 3) == u":00" && drawn.starts_with(time.substr(0, colon) + time.back());
}

// Whether a row shows the subject with the time before it on the same line or under it.
bool ShowsWithTime(const std::vector<pt::DrawnText>& texts, const std::u16string& subject, const std::u16string& time) {
    for (const auto& t : texts) {
        if (!ShowsSubject(t.text, subject)) continue;
        for (const auto& other : texts) {
            const bool sameRow = other.rect.top == t.rect.top && other.rect.right <= t.rect.left;
            const bool below = other.rect.left == t.rect.left && other.rect.top > t.rect.top &&
                               other.rect.top - t.rect.bottom < 6;
            if ((sameRow || below) && other.text.starts_with(time)) return true;
        }
    }
    return false;
}

// A day of a month moved on into the next months as needed.
void Normalize(int& year, int& month, int& day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    const std::time_t t = timegm(&tm);
    std::tm out{};
    gmtime_r(&t, &out);
    year = out.tm_year + 1900;
    month = out.tm_mon + 1;
    day = out.tm_mday;
}

// "6:30a", "6:30a-7:00a", "10p >", "All Day" is not one; "3/25" neither.
bool LooksLikeTime(const std::u16string& text) {
    return !text.empty() && text[0] >= u'0' && text[0] <= u'9' && text.find_first_of(u"ap:") != std::u16string::npos;
}

// "2009-03-25" day of a listed item's start, and whether it covers the given day.
bool Covers(const Listed& item, int year, int month, int day) {
    if (item.when.empty()) return false;
    auto minutesOf = [](int y, int m, int d, int h, int mi) {
        std::tm tm{};
        tm.tm_year = y - 1900;
        tm.tm_mon = m - 1;
        tm.tm_mday = d;
        tm.tm_hour = h;
        tm.tm_min = mi;
        return static_cast<long>(timegm(&tm) / 60);
    };
    const long start = minutesOf(std::stoi(item.when.substr(0, 4)), std::stoi(item.when.substr(5, 2)),
                                 std::stoi(item.when.substr(8, 2)), std::stoi(item.when.substr(11, 2)),
                                 std::stoi(item.when.substr(14, 2)));
    const long dayStart = minutesOf(year, month, day, 0, 0);
    const long end = std::max(start + item.minutes, start + 1);
    return start < dayStart + 24 * 60 && end > dayStart;
}

std::string DayText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

class Journey : public frametest::ProgramTest {
protected:
    Journey() { FreezeFixtureDay(); }

    // "pim list" and the words of args.
    static std::vector<std::string> ListArgs(const std::string& args) {
        std::vector<std::string> words{"pim", "list"};
        for (const std::string& word : Split(args, ' ')) words.push_back(word);
        return words;
    }
    std::vector<Listed> List(const std::string& args) {
        std::vector<Listed> items;
        for (const std::string& line : Split(Devicectl(ListArgs(args)), '\n')) {
            const auto f = Split(line, '\t');
            if (f.size() < 4) continue;
            items.push_back({f[1], f[2].empty() ? 0 : std::stol(f[2]), platform::FromUtf8(f[3])});
        }
        return items;
    }

    static constexpr int kCards = 500;
    // Five hundred cards, some with birthdays and anniversaries, and names beyond ASCII.
    static std::string CardName(int i) {
        char name[32];
        std::snprintf(name, sizeof name, "%s%03d", i % 50 == 7 ? "Øster" : "Person", i);
        return name;
    }
    // The March day of a card's birthday or anniversary, 0 for none in March.
    static int BirthdayInMarch(int i) { return i % 100 == 0 ? 28 : 0; }
    static int AnniversaryInMarch(int i) { return i % 250 == 0 ? 30 : 0; }
    std::string WriteCards() {
        const auto path = device_.Root() / "people.vcf";
        std::ofstream out(path);
        for (int i = 0; i < kCards; ++i) {
            const std::string last = CardName(i);
            out << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" << last << ";Zoë;;;\r\nFN:Zoë " << last << "\r\n";
            if (BirthdayInMarch(i)) out << "BDAY:1970-03-" << BirthdayInMarch(i) << "\r\n";
            else if (i % 10 == 5) out << "BDAY:1980-04-" << 10 + i % 18 << "\r\n";
            if (AnniversaryInMarch(i)) out << "X-ANNIVERSARY:19900330\r\n";
            out << "TEL;TYPE=CELL:+1 555 01" << i % 100 << "\r\nEND:VCARD\r\n";
        }
        return path.string();
    }

    void Import() {
        // The late morning run is kept with its series, not as an item of its own.
        EXPECT_EQ(Devicectl({"pim", "import", std::string(QV_FIXTURES_DIR) + "/journey/year.ics"}), "imported 20 items\n");
        EXPECT_EQ(Devicectl({"pim", "import", WriteCards()}), "imported 500 items\n");
        // A task another program adds on its own.
        Devicectl({"pim", "add", "task", "--subject", "Call the plumber", "--due", "2009-03-25", "--importance", "2"});
    }

    // The day and month typed into "Go to date" (day column first on opening), in this year.
    static void GoToDate(int month, int day) {
        pt::ActInsideDialog([&](HWND dialog) {
            auto type = [&](int n) {
                for (const char c : std::to_string(n)) SendDlgItemMessageW(dialog, IDC_PICKER_FOCUS, WM_CHAR, c, 0);
            };
            type(day);
            // The month column is left of the day with the month first, two columns round with the day first.
            for (int i = 0; i < (g_Settings.dateFormat == 1 ? 1 : 2); ++i) GoToDateKey(dialog, VK_LEFT);
            type(month);
            SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
        });
        Command(IDM_GO_TO_DATE);
    }

    // The texts the view draws between the title bar and the menu bar.
    static std::vector<pt::DrawnText> ViewTexts(const pt::DrawRecord& record) {
        RECT client{};
        GetClientRect(g_Frame.mainWnd, &client);
        POINT topLeft{client.left, client.top};
        POINT bottomRight{client.right, client.bottom};
        ClientToScreen(g_Frame.mainWnd, &topLeft);
        ClientToScreen(g_Frame.mainWnd, &bottomRight);
        return record.ScreenTextsIn(RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    }
    static std::string Dump(const std::vector<pt::DrawnText>& texts) {
        std::string out;
        for (const auto& t : texts)
            out += std::to_string(t.rect.left) + "," + std::to_string(t.rect.top) + " [" + platform::ToUtf8(t.text) + "]\n";
        return out;
    }
};

// What one view must draw: the items of a span of days, each with its start where it starts that day.
struct ViewCase {
    const char* name;
    int year, month, day;  // the day selected before the switch; 0: stay where the last case left off
    UINT command;          // 0: the keys
    const char* keys;      // 'd' down, 'e' Enter
    LONG view;             // the view that shows after it
    int days;              // how many days from the selected one the view draws items of
    int wholeFrom;         // every item of those days shows on screens at least this high (0: may be cut)
    bool items = true;     // false: the view marks days without writing items
    LONG agendaFmt = -1;   // the agenda's format for this case, else as set
};

constexpr ViewCase kViews[] = {
    {"day by the start switch", 0, 0, 0, 0, "", kViewDay, 1, 320},
    {"month", 2009, 3, 25, IDM_VIEW_MONTH, "", kViewMonth, 1, 640},
    {"day from month", 0, 0, 0, 0, "e", kViewDay, 1, 320},
    {"week", 2009, 3, 25, IDM_VIEW_WEEK, "", kViewWeek, 7, 0},
    {"day from week", 0, 0, 0, 0, "e", kViewDay, 1, 320},
    {"week over the month end", 2009, 3, 31, IDM_VIEW_WEEK, "", kViewWeek, 7, 640},
    {"week over the year end", 2009, 12, 29, IDM_VIEW_WEEK, "", kViewWeek, 7, 320},
    {"day at the year end", 2009, 12, 31, IDM_VIEW_MONTH, "e", kViewDay, 1, 320},
    {"day of the clock change", 2009, 3, 29, IDM_VIEW_MONTH, "e", kViewDay, 1, 320},
    {"timeline week", 2009, 3, 25, IDM_VIEW_TIMELINE, "", kViewTimelineWeek, 1, 640},
    {"dates", 2009, 3, 25, IDM_VIEW_DATES, "", kViewDates, 7, 0},
    {"agenda", 2009, 3, 25, IDM_VIEW_DATES, "", kViewDates, 7, 0, true, 2},
    {"year", 2009, 3, 25, IDM_VIEW_YEAR, "", kViewYear, 1, 0, false},
};

// The long dates a view writes ("Thu March 26, 2009") name the weekday of that date.
void ExpectRightWeekdays(const std::vector<pt::DrawnText>& texts, const std::string& where) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                                          "August", "September", "October", "November", "December"};
    for (const auto& t : texts) {
        const std::string text = platform::ToUtf8(t.text);
        char weekday[8] = {}, month[16] = {};
        int day = 0, year = 0;
        if (std::sscanf(text.c_str(), "%3s %15s %d, %d", weekday, month, &day, &year) != 4) continue;
        const auto m = std::find_if(std::begin(kMonths), std::end(kMonths), [&](const char* n) { return month == std::string(n); });
        if (m == std::end(kMonths)) continue;
        EXPECT_EQ(weekday, std::string(kDays[WeekdayOf(year, static_cast<int>(m - kMonths) + 1, day)]))
            << where << ": " << text;
    }
}

TEST_F(Journey, EveryViewDrawsTheItemsTheStoreListsForItsDays) {
    Import();
    const std::vector<Listed> appts = List("appointments --from 2009-03-01 --to 2010-01-31");
    ASSERT_GT(appts.size(), 30u);
    std::vector<std::u16string> known;
    for (const Listed& a : appts) known.push_back(a.subject);

    WriteSetting(u"VIEW_YEAR", 1);
    struct Screen {
        int width;
        int height;
    };
    for (const Screen screen : {Screen{240, 320}, Screen{480, 640}}) {
        UseScreen(screen.width, screen.height);
        pt::DrawRecord record;
        // Started on today's Day view by its switch.
        ParseCmdLine(u"TODAY");
        ASSERT_NE(Open(), nullptr);
        const LONG agendaFmt = g_Settings.agendaFmt;
        for (const ViewCase& v : kViews) {
            const std::string where = std::to_string(screen.width) + "x" + std::to_string(screen.height) + " " + v.name;
            g_Settings.agendaFmt = v.agendaFmt >= 0 ? v.agendaFmt : agendaFmt;
            int year = v.year, month = v.month, day = v.day;
            if (year == 0) {
                year = g_SelectedDate.wYear;
                month = g_SelectedDate.wMonth;
                day = g_SelectedDate.wDay;
            } else {
                Command(IDM_VIEW_MONTH);
                GoToDate(month, day);
                ASSERT_EQ(g_SelectedDate.wMonth, month) << where;
                ASSERT_EQ(g_SelectedDate.wDay, day) << where;
            }
            // Only what the view draws now counts (the program's first screen as it started).
            if (v.command || *v.keys) record.Clear();
            if (v.command) Command(v.command);
            for (const char* k = v.keys; *k; ++k) {
                pt::Key(*k == 'e' ? VK_RETURN : VK_DOWN);
                pt::PumpUntilIdle();
            }
            EXPECT_EQ(ViewId, v.view) << where;
            const auto texts = ViewTexts(record);
            ExpectRightWeekdays(texts, where);
            if (!v.items) {
                EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [&](const pt::DrawnText& t) {
                    return std::any_of(known.begin(), known.end(),
                                       [&](const std::u16string& s) { return ShowsSubject(t.text, s); });
                })) << where;
                continue;
            }
            // Each drawn subject is an item of those days, with its start beside or under it.
            std::multiset<std::u16string> expected;
            std::map<std::u16string, std::vector<std::u16string>> starts;
            for (int i = 0; i < v.days; ++i) {
                int y = year, m = month, d = day + i;
                Normalize(y, m, d);
                for (const Listed& a : appts) {
                    if (!Covers(a, y, m, d)) continue;
                    expected.insert(a.subject);
                    if (a.minutes >= 24 * 60) continue;
                    // The start where it starts; a night's item shows its end on the next day.
                    if (a.when.starts_with(DayText(y, m, d))) starts[a.subject].push_back(ShortTime(a.when));
                    else starts[a.subject].push_back(ShortTime(EndOf(a)));
                }
                // Birthdays and anniversaries of those days, by the card's name and the years.
                for (int c = 0; c < kCards && m == 3; ++c) {
                    const int years = BirthdayInMarch(c) == d ? y - 1970 : AnniversaryInMarch(c) == d ? y - 1990 : 0;
                    if (years > 0)
                        expected.insert(platform::FromUtf8("Zoë " + CardName(c) + " (" + std::to_string(years) + " yrs)"));
                }
            }
            std::multiset<std::u16string> drawn;
            for (const auto& t : texts) {
                const auto subject = std::find_if(known.begin(), known.end(),
                                                  [&](const std::u16string& s) { return ShowsSubject(t.text, s); });
                if (subject == known.end()) {
                    if (t.text.ends_with(u" yrs)")) {
                        drawn.insert(t.text);
                        EXPECT_GE(expected.count(t.text), 1u) << where << ": " << platform::ToUtf8(t.text);
                    }
                    continue;
                }
                drawn.insert(*subject);
                EXPECT_GE(expected.count(*subject), 1u) << where << ": " << platform::ToUtf8(t.text) << "\n" << Dump(texts);
                if (!starts.count(*subject)) continue;
                // Its time: on the same row before it, or on the line below it.
                bool timed = false;
                for (const auto& other : texts) {
                    if (!LooksLikeTime(other.text)) continue;
                    const bool sameRow = other.rect.top == t.rect.top && other.rect.right <= t.rect.left;
                    const bool below = other.rect.left == t.rect.left && other.rect.top >= t.rect.bottom &&
                                       other.rect.top - t.rect.bottom < 6;
                    if (!sameRow && !below) continue;
                    for (const auto& start : starts[*subject]) timed |= TimeShows(other.text, start);
                }
                EXPECT_TRUE(timed) << where << ": no start drawn for " << platform::ToUtf8(*subject) << "\n" << Dump(texts);
            }
            if (v.wholeFrom && screen.height >= v.wholeFrom) EXPECT_EQ(drawn, expected) << where << "\n" << Dump(texts);
            else EXPECT_FALSE(drawn.empty()) << where << "\n" << Dump(texts);
        }
        g_Settings.agendaFmt = agendaFmt;
        CloseProgram();
    }
}

// The task list, the contact list and an appointment's preview, each row as the store lists it.
TEST_F(Journey, ListsAndThePreviewDrawWhatTheStoreHolds) {
    Import();
    const std::vector<Listed> tasks = List("tasks");
    ASSERT_EQ(tasks.size(), 6u);
    std::vector<std::u16string> names;
    for (const Listed& c : List("contacts")) names.push_back(c.subject);
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kCards));
    std::sort(names.begin(), names.end());

    struct ListCase {
        const char* name;
        int month, day;  // the day gone to first in the month view, 0: the Day view shown at the start
        UINT command;    // 0: Enter on the Day view's first row
        LONG view;
        const char16_t* subject;  // the previewed item and its time line
        const char16_t* time;
    };
    const ListCase kLists[] = {
        {"preview", 0, 0, 0, kViewApptPreview, u"Morning run", u"6:30a-7:00a"},
        {"preview of a break to the month end", 3, 31, 0, kViewApptPreview, u"Spring break", u"All Day - Ends: 3/31/2009"},
        {"tasks", 0, 0, IDM_VIEW_TASKS, kViewTasks, nullptr, nullptr},
        {"contacts", 0, 0, IDM_VIEW_CONTACTS, kViewContacts, nullptr, nullptr},
    };
    struct Screen {
        int width;
        int height;
    };
    for (const Screen screen : {Screen{240, 320}, Screen{480, 640}}) {
        UseScreen(screen.width, screen.height);
        pt::DrawRecord record;
        ParseCmdLine(u"TODAY");
        ASSERT_NE(Open(), nullptr);
        for (const ListCase& l : kLists) {
            const std::string where = std::to_string(screen.width) + "x" + std::to_string(screen.height) + " " + l.name;
            if (l.month) {
                Command(IDM_VIEW_MONTH);
                GoToDate(l.month, l.day);
                Command(IDM_VIEW_MONTH);
                pt::Key(VK_RETURN);
                pt::PumpUntilIdle();
                ASSERT_EQ(ViewId, kViewDay) << where;
            }
            record.Clear();
            if (l.command) Command(l.command);
            else {
                pt::Key(VK_RETURN);
                pt::PumpUntilIdle();
            }
            ASSERT_EQ(ViewId, l.view) << where;
            const auto texts = ViewTexts(record);
            auto rowOf = [&](const std::u16string& text) -> const pt::DrawnText* {
                for (const auto& t : texts)
                    if (ShowsSubject(t.text, text)) return &t;
                return nullptr;
            };
            if (l.view == kViewApptPreview) {
                // The Day view's first item, with its time line under it.
                const auto* subject = rowOf(l.subject);
                ASSERT_NE(subject, nullptr) << where << "\n" << Dump(texts);
                EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const pt::DrawnText& t) {
                    return t.text == l.time && t.rect.top > subject->rect.top;
                })) << where << "\n" << Dump(texts);
            } else if (l.view == kViewTasks) {
                // Each task once, with its due date on its row; all of them on the larger screen.
                int shown = 0;
                for (const Listed& task : tasks) {
                    const auto* row = rowOf(task.subject);
                    if (!row) continue;
                    ++shown;
                    std::u16string due;
                    for (const auto& t : texts)
                        if (t.rect.top == row->rect.top && t.rect.left > row->rect.left) due = t.text;
                    const std::u16string want =
                        task.when.empty() ? u""
                                          : platform::FromUtf8(std::to_string(std::stoi(task.when.substr(5, 2))) + "/" +
                                                               std::to_string(std::stoi(task.when.substr(8, 2))));
                    EXPECT_EQ(due, want) << where << ": " << platform::ToUtf8(task.subject);
                }
                EXPECT_GE(shown, 5) << where << "\n" << Dump(texts);
                // The last one, low in priority, comes up as the selection goes down the list.
                record.Clear();
                for (int i = 0; i < 8; ++i) pt::Key(VK_DOWN);
                pt::PumpUntilIdle();
                const auto scrolled = ViewTexts(record);
                EXPECT_TRUE(std::any_of(scrolled.begin(), scrolled.end(), [&](const pt::DrawnText& t) {
                    return t.text == u"Sort the photos" &&
                           std::any_of(scrolled.begin(), scrolled.end(), [&](const pt::DrawnText& due) {
                               return due.text == u"3/30" && due.rect.top == t.rect.top;
                           });
                })) << where << "\n" << Dump(scrolled);
            } else {
                // The first names in order, each with its mobile number under it.
                std::vector<std::u16string> drawn;
                for (const auto& t : texts)
                    if (std::find(names.begin(), names.end(), t.text) != names.end()) drawn.push_back(t.text);
                ASSERT_GE(drawn.size(), 6u) << where << "\n" << Dump(texts);
                EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), names.begin())) << where << "\n" << Dump(texts);
                for (std::size_t i = 0; i + 1 < drawn.size(); ++i)
                    EXPECT_TRUE(record.ScreenShows(platform::FromUtf8("+1 555 01" + std::to_string(i % 100))))
                        << where << " " << i;
            }
            Command(IDM_VIEW_MONTH);
        }
        CloseProgram();
    }
}

// The month grid tapped on a Tuesday and then the Monday before it: the list under the grid follows
// each tap with the day's items, the other days keep their bars, and Options > Done leaves the
// views as they were.
TEST_F(Journey, MonthTapsListTheDayAndOptionsLeaveTheViews) {
    Import();
    WriteSetting(u"STARTON30", kStartMonth);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ViewId, kViewMonth);
    // The grid's day numbers, where a finger taps them.
    std::map<std::u16string, RECT> cells;
    for (const auto& t : record.ScreenTexts())
        if (t.rect.top > 40 && t.rect.top < 200 && !cells.count(t.text)) cells[t.text] = t.rect;
    ASSERT_TRUE(cells.count(u"30") && cells.count(u"31"));
    // Each day's cell under its number, as pixels.
    auto cellPixels = [&](const RECT& number) {
        std::vector<COLORREF> pixels;
        for (int y = number.top; y < number.top + 30; ++y)
            for (int x = number.left; x < number.left + 30; ++x) pixels.push_back(pt::ReadScreenPixel(x, y));
        return pixels;
    };
    auto colours = [](const std::vector<COLORREF>& pixels) { return std::set<COLORREF>(pixels.begin(), pixels.end()).size(); };
    std::map<std::u16string, std::vector<COLORREF>> before;
    for (const auto& [day, rect] : cells) before[day] = cellPixels(rect);
    // A day with bars shows more than a day without items (Tuesday the 17th).
    EXPECT_GT(colours(before[u"16"]), colours(before[u"17"]));
    EXPECT_GT(colours(before[u"23"]), colours(before[u"17"]));

    struct TapCase {
        const char16_t* day;
        const char16_t* heading;
        std::vector<std::pair<std::u16string, std::u16string>> timed;  // subject and start
    };
    const TapCase kTaps[] = {
        {u"31", u"3/31", {{u"Book club", u"7:30p"}, {u"Quarter close", u"11:00p"}}},
        {u"30", u"3/30", {{u"Standup", u"9:00a"}}},
    };
    for (const TapCase& tap : kTaps) {
        const RECT& r = cells[tap.day];
        pt::Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        pt::PumpUntilIdle();
        EXPECT_EQ(ViewId, kViewMonth);
        EXPECT_EQ(g_SelectedDate.wDay, std::stoi(platform::ToUtf8(tap.day)));
        const auto texts = ViewTexts(record);
        EXPECT_TRUE(record.ScreenShows(tap.heading)) << Dump(texts);
        for (const auto& [subject, start] : tap.timed)
            EXPECT_TRUE(ShowsWithTime(texts, subject, start)) << platform::ToUtf8(subject) << "\n" << Dump(texts);
    }
    // The Monday also lists its anniversaries and the break that starts then.
    EXPECT_TRUE(record.ScreenShows(u"Zoë Person000 (19 yrs)"));
    EXPECT_TRUE(record.ScreenShows(u"Spring break"));
    for (const auto& [day, rect] : cells) {
        if (day == u"25" || day == u"30") continue;
        EXPECT_EQ(cellPixels(rect), before[day]) << "the bars of " << platform::ToUtf8(day);
    }

    // Options > Done on the month view, then on the week view.
    auto optionsDone = [] {
        pt::ActInsideDialog([](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0); });
        SendMessageW(g_Frame.mainWnd, WM_COMMAND, IDM_OPTIONS, 0);
        pt::PumpUntilIdle();
    };
    optionsDone();
    EXPECT_EQ(pt::NavBarTitle(), u"March 2009");
    Command(IDM_VIEW_WEEK);
    ASSERT_EQ(ViewId, kViewWeek);
    auto textsOf = [](const std::vector<pt::DrawnText>& drawn) {
        std::vector<std::u16string> out;
        for (const auto& t : drawn) out.push_back(t.text);
        return out;
    };
    const auto weekBefore = ViewTexts(record);
    EXPECT_TRUE(ShowsWithTime(weekBefore, u"Standup", u"9:00a")) << Dump(weekBefore);
    EXPECT_TRUE(ShowsWithTime(weekBefore, u"Book club", u"7:30p")) << Dump(weekBefore);
    optionsDone();
    EXPECT_EQ(ViewId, kViewWeek);
    EXPECT_EQ(pt::NavBarTitle(), u"Vestral Agenda");
    const auto week = ViewTexts(record);
    EXPECT_EQ(textsOf(week), textsOf(weekBefore)) << Dump(week);
    EXPECT_TRUE(pt::DialogsShown().size() == 2u);
}

// A weekly appointment made in the appointment form shows in the month's day list and in the Day
// view, on its first day and a week on, and the store lists each meeting.
TEST_F(Journey, NewRecurringAppointmentFromTheFormShowsInMonthAndDay) {
    Import();
    WriteSetting(u"STARTON30", kStartMonth);
    WriteSetting(u"LISTEDIT", 0);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ViewId, kViewMonth);
    GoToDate(3, 26);
    bool inForm = false;
    pt::ActInsideDialog([&](HWND dialog) {
        inForm = GetDlgItem(dialog, kApptSubjectId) != nullptr;
        if (!inForm) return;
        SetDlgItemTextW(dialog, kApptSubjectId, u"Choir practice");
        const DateRec start(2009, 3, 26, 19, 30);
        const DateRec end(2009, 3, 26, 21, 0);
        SetPickerValue(dialog, kApptStartTimeId, &start);
        SetPickerValue(dialog, kApptEndTimeId, &end);
        SendDlgItemMessageW(dialog, kOccursListId, LB_SETCURSEL, 4, 0);  // every Thursday
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kOccursListId, LBN_SELCHANGE), 0);
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    Command(IDM_NEW_ITEM);
    ASSERT_TRUE(inForm) << "the appointment form opened";

    int meetings = 0;
    for (const Listed& a : List("appointments --from 2009-03-26 --to 2009-04-09")) {
        if (a.subject != u"Choir practice") continue;
        EXPECT_EQ(a.when.substr(10), " 19:30");
        EXPECT_EQ(a.minutes, 90);
        ++meetings;
    }
    EXPECT_EQ(meetings, 3) << "the 26th, a week on and two weeks on";

    for (const int day : {26, 2}) {
        const int month = day == 26 ? 3 : 4;
        const std::string where = std::to_string(month) + "/" + std::to_string(day);
        Command(IDM_VIEW_MONTH);
        GoToDate(month, day);
        record.Clear();
        Command(IDM_VIEW_MONTH);
        const auto list = ViewTexts(record);
        EXPECT_TRUE(ShowsWithTime(list, u"Choir practice", u"7:30p")) << where << "\n" << Dump(list);
        record.Clear();
        pt::Key(VK_RETURN);
        pt::PumpUntilIdle();
        ASSERT_EQ(ViewId, kViewDay) << where;
        const auto dayTexts = ViewTexts(record);
        EXPECT_TRUE(ShowsWithTime(dayTexts, u"Choir practice", u"7:30p-9:00p")) << where << "\n" << Dump(dayTexts);
    }
}


// The list-style editors opened from the views and closed with Done, nothing changed: a series whose
// pattern no Occurs choice names (every 5 weeks) keeps its pattern, and a task whose subject another
// program wrote with a lower-case priority prefix keeps its letter.
class ListEditorJourney : public Journey {
protected:
    void ImportSeries() {
        const auto path = device_.Root() / "series.ics";
        std::ofstream out(path);
        out << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Quorvia tests//Editors//EN\r\n"
               "BEGIN:VEVENT\r\nUID:garden@editors\r\nSUMMARY:Garden club\r\nDTSTART:20090325T190000\r\n"
               "DURATION:PT1H\r\nRRULE:FREQ=WEEKLY;INTERVAL=5;COUNT=6\r\nEND:VEVENT\r\n"
               "BEGIN:VTODO\r\nUID:water@editors\r\nSUMMARY:Water plants\r\nDUE;VALUE=DATE:20090325\r\n"
               "RRULE:FREQ=WEEKLY;INTERVAL=5;COUNT=6\r\nEND:VTODO\r\n"
               "BEGIN:VTODO\r\nUID:fish@editors\r\nSUMMARY:b2: Feed the fish\r\nDUE;VALUE=DATE:20090327\r\nEND:VTODO\r\n"
               "END:VCALENDAR\r\n";
        out.close();
        EXPECT_EQ(Devicectl({"pim", "import", path.string()}), "imported 3 items\n");
    }
    // Taps the drawn row of the subject in the view.
    static void TapSubject(const pt::DrawRecord& record, const std::u16string& subject) {
        for (const auto& t : ViewTexts(record)) {
            if (!ShowsSubject(t.text, subject)) continue;
            pt::Tap((t.rect.left + t.rect.right) / 2, (t.rect.top + t.rect.bottom) / 2);
            pt::PumpUntilIdle();
            return;
        }
        ADD_FAILURE() << "no row shows " << platform::ToUtf8(subject) << "\n" << Dump(ViewTexts(record));
    }
    static PoomPtr<ITask> StoredTask(const std::u16string& subject) {
        PoomPtr<IPOutlookItemCollection> items;
        PoomPtr<IFolder> folder;
        if (FAILED(GetPoomApp()->GetDefaultFolder(olFolderTasks, folder.Out())) || !folder) return {};
        if (FAILED(folder->get_Items(items.Out())) || !items) return {};
        int count = 0;
        items->get_Count(&count);
        for (int i = 1; i <= count; ++i) {
            PoomPtr<IDispatch> item;
            if (FAILED(items->Item(i, item.Out())) || !item) continue;
            PoomPtr<ITask> task = QueryPoom<ITask>(item.Get(), IID_ITask);
            BSTR text = nullptr;
            if (task && SUCCEEDED(task->get_Subject(&text)) && TakeBstr(text) == subject) return task;
        }
        return {};
    }
    // The occurrences the store holds for the series of the subject from March to the year's end.
    int Occurrences(const std::u16string& subject) {
        int count = 0;
        for (const Listed& a : List("appointments --from 2009-03-01 --to 2009-12-31")) count += a.subject == subject;
        return count;
    }
};

TEST_F(ListEditorJourney, DoneOnAnUnnamedSeriesKeepsItsPatternInBothListEditors) {
    ImportSeries();
    ASSERT_EQ(Occurrences(u"Garden club"), 6);
    WriteSetting(u"STARTON30", kStartDay);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ViewId, kViewDay);

    // The appointment: the whole series, then Done at once.
    TapSubject(record, u"Garden club");
    bool inEditor = false, showedOnce = true;
    std::function<void(HWND)> inside = [&](HWND dialog) {
        if (!dialog) {
            // The question whether to edit this occurrence only: No, the whole series.
            pt::ActInsideDialog(inside);
            pt::EndModalLoop(IDNO);
            return;
        }
        inEditor = GetDlgItem(dialog, IDC_APPT_FIELD_LIST) != nullptr;
        record.Clear();
        InvalidateRect(dialog, nullptr, TRUE);
        pt::PumpUntilIdle();
        showedOnce = record.ScreenShows(u"Once");
        pt::Key(VK_TSOFT1);  // Done
        pt::PumpUntilIdle();
    };
    ASSERT_TRUE(testsupport::ChooseFromMenu(u"Edit Appt.", inside));
    ASSERT_TRUE(inEditor);
    EXPECT_FALSE(showedOnce) << "the Occurs row named a pattern the series does not have";
    EXPECT_EQ(Occurrences(u"Garden club"), 6) << "Done without a change cut the series";

    // The task, from the task list.
    record.Clear();
    Command(IDM_VIEW_TASKS);
    TapSubject(record, u"Water plants");
    inEditor = false;
    showedOnce = true;
    ASSERT_TRUE(testsupport::ChooseFromMenu(u"Edit Task", [&](HWND dialog) {
        inEditor = GetDlgItem(dialog, IDC_TSK_FIELD_LIST) != nullptr;
        record.Clear();
        InvalidateRect(dialog, nullptr, TRUE);
        pt::PumpUntilIdle();
        showedOnce = record.ScreenShows(u"Once");
        pt::Key(VK_TSOFT1);
        pt::PumpUntilIdle();
    }));
    ASSERT_TRUE(inEditor);
    EXPECT_FALSE(showedOnce);
    const PoomPtr<ITask> task = StoredTask(u"Water plants");
    ASSERT_TRUE(task);
    const testsupport::StoredPattern stored = testsupport::StoredPatternOf(task.Get());
    ASSERT_TRUE(stored.recurring) << "Done without a change made the task a single one";
    EXPECT_EQ(stored.interval, 5);
    EXPECT_EQ(stored.occurrences, 6);
}

TEST_F(ListEditorJourney, DoneKeepsALowerCasePriorityLetter) {
    ImportSeries();
    WriteSetting(u"STARTON30", kStartDay);
    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    record.Clear();
    Command(IDM_VIEW_TASKS);
    TapSubject(record, u"Feed the fish");
    ASSERT_TRUE(testsupport::ChooseFromMenu(u"Edit Task", [](HWND) { pt::Key(VK_TSOFT1); }));
    bool found = false;
    for (const Listed& t : List("tasks")) {
        if (t.subject.find(u"Feed the fish") == std::u16string::npos) continue;
        found = true;
        EXPECT_EQ(t.subject, u"B2: Feed the fish") << "Done wrote a letter the user never chose";
    }
    EXPECT_TRUE(found);
}

}  // namespace
