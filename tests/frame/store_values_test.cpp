// Numbers and dates another program wrote to the store past what the object model lets in: lengths
// past 32 bits, busy status 7, importance 9, a start or due date in the year 9999. Every view reads
// them into range and draws the items; none overflows.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "platform/poom.h"
#include "platform/testing_draw.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

class StoreValues : public frametest::ProgramTest {
protected:
    StoreValues() { FreezeTestDay(); }

    // Runs SQL on the device's store file as another program would.
    void WriteStore(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2((device_.Root() / "pim.vol").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close_v2(db);
    }
    static std::string Prop(LONG oid, CEPROPID id, const std::string& value) {
        return "INSERT OR REPLACE INTO props(oid, propid, value) VALUES(" + std::to_string(static_cast<CEOID>(oid)) +
               ", " + std::to_string(id) + ", " + value + ");";
    }
};

TEST_F(StoreValues, ViewsDrawItemsWhoseNumbersLieOutOfRange) {
    LONG endless = 0, wrapped = 0, odd = 0, far = 0, task = 0, someday = 0;
    {
        Store store;
        endless = store.Appt(u"Endless", DateRec(2026, 12, 10, 10, 0), 60);
        wrapped = store.Appt(u"Wrapped", DateRec(2026, 12, 10, 14, 0), 30);
        odd = store.Appt(u"Odd codes", DateRec(2026, 12, 10, 16, 0), 30);
        far = store.Appt(u"Far future", DateRec(2026, 12, 11, 9, 0), 30);
        task = store.Task(u"Odd task", DateRec(2026, 12, 10));
        someday = store.Task(u"Someday", DateRec(2026, 12, 10));
    }
    constexpr const char* kYear9999 = "2958465.375";  // 31 December 9999, 9:00
    WriteStore(Prop(endless, PIMPR_DURATION, "2147483647") + Prop(wrapped, PIMPR_DURATION, "2147483648") +
               Prop(odd, PIMPR_DURATION, "-50") + Prop(odd, PIMPR_BUSY_STATUS, "7") +
               Prop(odd, PIMPR_SENSITIVITY, "99") + Prop(far, PIMPR_START, kYear9999) +
               "UPDATE items SET start = " + kYear9999 + " WHERE oid = " + std::to_string(static_cast<CEOID>(far)) +
               ";" + Prop(task, PIMPR_IMPORTANCE, "9") + Prop(task, PIMPR_SENSITIVITY, "-3") +
               Prop(someday, PIMPR_DUE_DATE, kYear9999));

    pt::DrawRecord record;
    ASSERT_NE(Open(), nullptr);
    const struct {
        const char* name;
        UINT command;  // 0: Enter, from the month to its day
        const char16_t* shows;
    } kViews[] = {
        {"month", IDM_VIEW_MONTH, nullptr},       {"day", 0, u"Wrapped"},
        {"week", IDM_VIEW_WEEK, nullptr},         {"timeline", IDM_VIEW_TIMELINE, nullptr},
        {"dates", IDM_VIEW_DATES, u"Odd codes"}, {"year", IDM_VIEW_YEAR, nullptr},
        {"tasks", IDM_VIEW_TASKS, u"Odd task"},
    };
    for (const auto& v : kViews) {
        SCOPED_TRACE(v.name);
        if (v.command) {
            Command(v.command);
        } else {
            pt::Key(VK_RETURN);
            pt::PumpUntilIdle();
        }
        if (v.shows) {
            EXPECT_TRUE(record.ScreenShows(v.shows));
        }
    }
    // A due date in the year 9999 is none: the task shows without one.
    EXPECT_TRUE(record.ScreenShows(u"Someday"));
    EXPECT_FALSE(record.ScreenShows(u"12/31"));
    Command(IDM_VIEW_MONTH);
    pt::Key(VK_RETURN);
    pt::PumpUntilIdle();
    for (const char16_t* subject : {u"Endless", u"Wrapped", u"Odd codes"}) EXPECT_TRUE(record.ScreenShows(subject));
    EXPECT_FALSE(record.ScreenShows(u"Far future"));
}

}  // namespace
