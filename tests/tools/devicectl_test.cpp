// devicectl run as its own process on a test device: imports of small .ics and .vcf files, the
// listing, single items added, changed and deleted, rejected files that leave the store as it was,
// and registry values.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "pim/ole_date.h"
#include "pim/store.h"
#include "platform/files.h"
#include "platform/poom.h"
#include "platform/registry.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"

namespace {

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Devicectl : public ::testing::Test {
protected:
    Result Run(const std::vector<std::string>& args) {
        const std::filesystem::path tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
        const auto out = device.Root() / "out.txt";
        const auto err = device.Root() / "err.txt";
        // Calendars of other zones are read on a device in Berlin.
        std::string command = "QUORVIA_DEVICE=" + Quote(device.Root().string()) +
                              " TZ=Europe/Berlin ASAN_OPTIONS=detect_leaks=0 " + Quote(tool.string());
        for (const auto& a : args) command += " " + Quote(a);
        command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
        Result r;
        const int status = std::system(command.c_str());
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadAll(out);
        r.err = ReadAll(err);
        return r;
    }
    static std::string Fixture(const char* name) { return std::string(QV_FIXTURES_DIR) + "/pim/" + name; }
    // A fresh store for the next case (OIDs start again).
    void ForgetStore() {
        for (const char* file : {"pim.vol", "pim.vol-wal", "pim.vol-shm"}) {
            std::error_code ignored;
            std::filesystem::remove(device.Root() / file, ignored);
        }
    }

    platform::testing::TestDevice device;
};

TEST_F(Devicectl, ImportsACalendarAndListsOccurrencesOfAMonth) {
    const Result imported = Run({"pim", "import", Fixture("calendar.ics")});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "imported 6 items\n");

    const Result march = Run({"pim", "list", "appointments", "--from", "2009-03-01", "--to", "2009-03-31"});
    ASSERT_EQ(march.code, 0) << march.err;
    EXPECT_EQ(march.out,
              "40000000\t2009-03-02 09:00\t15\tStandup\tWork\n"
              "40000000\t2009-03-09 09:00\t15\tStandup\tWork\n"
              "40000002\t2009-03-10 00:00\t2880\tHoliday\tHome, Family\n"
              "40000000\t2009-03-11 09:00\t15\tStandup\tWork\n"
              "40000000\t2009-03-16 09:00\t15\tStandup\tWork\n"
              "40000001\t2009-03-31 22:30\t120\tQuarter review, all teams\t\n");
    // The last Tuesday of each month until the end of June, over the month ends.
    const Result later = Run({"pim", "list", "appointments", "--from", "2009-04-01", "--to", "2009-12-31"});
    EXPECT_EQ(later.out,
              "40000001\t2009-04-28 22:30\t120\tQuarter review, all teams\t\n"
              "40000001\t2009-05-26 22:30\t120\tQuarter review, all teams\t\n"
              "40000001\t2009-06-30 22:30\t120\tQuarter review, all teams\t\n");
    const Result tasks = Run({"pim", "list", "tasks"});
    EXPECT_EQ(tasks.out,
              "C0000000\t2009-03-01 00:00\t\tPay rent\t\n"
              "C0000001\t2009-03-15 12:00\t\tFile taxes\t\n"
              "C0000002\t2009-03-20 00:00\t\tStart only\t\n");

    // What the object model sees of the imported items.
    CoInitializeEx(nullptr, 0);
    IPOutlookApp* app = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(&app)),
              S_OK);
    ASSERT_EQ(app->Logon(0), S_OK);
    IDispatch* item = nullptr;
    ASSERT_EQ(app->GetItemFromOid(0x40000001, &item), S_OK);
    auto* review = static_cast<IAppointment*>(item);
    BSTR body = nullptr;
    review->get_Body(&body);
    EXPECT_EQ(std::u16string(body), u"Bring the figures\nand the charts");
    SysFreeString(body);
    LONG minutes = 0;
    review->get_ReminderMinutesBeforeStart(&minutes);
    EXPECT_EQ(minutes, 30);
    review->Release();
    ASSERT_EQ(app->GetItemFromOid(static_cast<LONG>(0xC0000000u), &item), S_OK);
    auto* rent = static_cast<ITask*>(item);
    LONG importance = 0;
    rent->get_Importance(&importance);
    EXPECT_EQ(importance, olImportanceHigh);
    VARIANT_BOOL recurring = 0;
    rent->get_IsRecurring(&recurring);
    EXPECT_EQ(recurring, VARIANT_TRUE);
    rent->Release();
    app->Logoff();
    app->Release();
    CoUninitialize();
    EXPECT_EQ(platform::testing::LivePimObjects(), 0);
}

TEST_F(Devicectl, ImportsCardsWithTheirFieldsAndPicture) {
    const Result imported = Run({"pim", "import", Fixture("contacts.vcf")});
    ASSERT_EQ(imported.code, 0) << imported.err;
    const Result list = Run({"pim", "list", "contacts"});
    EXPECT_EQ(list.out,
              "80000000\t\t\tLovelace, Ada\tFriends, Work\n"
              "80000001\t\t\tBabbage, Charles\t\n"
              "80000002\t\t\tAcme\t\n"
              "80000003\t\t\tRen\xC3\xA9, Jos\xC3\xA9\t\n");

    CoInitializeEx(nullptr, 0);
    IPOutlookApp* app = nullptr;
    CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp, reinterpret_cast<void**>(&app));
    app->Logon(0);
    IDispatch* item = nullptr;
    ASSERT_EQ(app->GetItemFromOid(static_cast<LONG>(0x80000000u), &item), S_OK);
    auto* ada = static_cast<IContact*>(item);
    const struct {
        HRESULT (IContact::*get)(BSTR*);
        const char16_t* expected;
    } kFields[] = {
        {&IContact::get_FirstName, u"Ada"},
        {&IContact::get_CompanyName, u"Analytical Engines"},
        {&IContact::get_Department, u"Research"},
        {&IContact::get_JobTitle, u"Programmer"},
        {&IContact::get_MobileTelephoneNumber, u"+44 20 7946 0001"},
        {&IContact::get_BusinessTelephoneNumber, u"+44 20 7946 0002"},
        {&IContact::get_Business2TelephoneNumber, u"+44 20 7946 0003"},
        {&IContact::get_Email1Address, u"ada@example.org"},
        {&IContact::get_Email2Address, u"ada.l@example.org"},
        {&IContact::get_WebPage, u"http://example.org/ada"},
        {&IContact::get_Body, u"Met at the, society"},
    };
    for (const auto& f : kFields) {
        BSTR b = nullptr;
        (ada->*f.get)(&b);
        EXPECT_EQ(std::u16string(b ? b : u""), f.expected);
        SysFreeString(b);
    }
    IItem* props = nullptr;
    ada->QueryInterface(IID_IItem, reinterpret_cast<void**>(&props));
    IStream* picture = nullptr;
    ASSERT_EQ(props->OpenProperty(PIMPR_PICTURE, GENERIC_READ, &picture), S_OK);
    STATSTG stat{};
    picture->Stat(&stat, STATFLAG_NONAME);
    EXPECT_EQ(stat.cbSize.QuadPart, 24u) << "the folded base64 joined and decoded";
    picture->Release();
    props->Release();
    ada->Release();
    ASSERT_EQ(app->GetItemFromOid(static_cast<LONG>(0x80000001u), &item), S_OK);
    auto* charles = static_cast<IContact*>(item);
    DATE anniversary = 0;
    charles->get_Anniversary(&anniversary);
    SYSTEMTIME st{};
    app->VariantTimeToSystemTime(anniversary, &st);
    EXPECT_EQ(st.wYear, 1814);
    EXPECT_EQ(st.wMonth, 7);
    charles->Release();
    ASSERT_EQ(app->GetItemFromOid(static_cast<LONG>(0x80000003u), &item), S_OK);
    auto* quoted = static_cast<IContact*>(item);
    BSTR note = nullptr;
    quoted->get_Body(&note);
    EXPECT_EQ(std::u16string(note), u"Line one\r\nline two") << "quoted-printable, its soft break joined";
    SysFreeString(note);
    quoted->Release();
    app->Logoff();
    app->Release();
    CoUninitialize();
}

TEST_F(Devicectl, MalformedFilesAreRejectedWithTheirLineAndChangeNothing) {
    ASSERT_EQ(Run({"pim", "import", Fixture("contacts.vcf")}).code, 0);
    const std::string before = Run({"pim", "list", "contacts"}).out;
    const struct {
        const char* file;
        const char* where;
    } kBad[] = {{"bad_rule.ics", "bad_rule.ics:10: "}};
    for (const auto& bad : kBad) {
        const Result r = Run({"pim", "import", "--strict", Fixture(bad.file)});
        EXPECT_EQ(r.code, 1) << bad.file;
        EXPECT_NE(r.err.find(bad.where), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run({"pim", "list", "contacts"}).out, before);
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "") << "the good event before the bad one is not kept";
}

// A line that is no NAME:VALUE at all is left out with its line named and the rest comes in; --strict
// refuses the file as before.
TEST_F(Devicectl, ALineWithoutAColonIsLeftOutUnlessStrict) {
    const struct {
        const char* name;
        const char* text;
        const char* kind;
        const char* kept;
    } kFiles[] = {
        {"odd.ics",
         "BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20090325T100000\nSUMMARY:Kept\nnotes without colon\nEND:VEVENT\n"
         "END:VCALENDAR\n",
         "appointments", "Kept"},
        {"odd.vcf", "BEGIN:VCARD\nVERSION:3.0\nFN:Kept Card\nN:Card;Kept;;;\nwrapped address line\nEND:VCARD\n",
         "contacts", "Card"},
    };
    for (const auto& f : kFiles) {
        const std::filesystem::path file = device.Root() / f.name;
        std::ofstream(file) << f.text;
        const Result strict = Run({"pim", "import", "--strict", file.string()});
        EXPECT_EQ(strict.code, 1) << f.name;
        EXPECT_NE(strict.err.find(std::string(f.name) + ":5: "), std::string::npos) << strict.err;
        EXPECT_EQ(Run({"pim", "list", f.kind}).out, "") << f.name;

        const Result r = Run({"pim", "import", file.string()});
        EXPECT_EQ(r.code, 0) << f.name << r.err;
        EXPECT_EQ(r.out, "imported 1 items\n") << f.name;
        EXPECT_NE(r.err.find(std::string(f.name) + ":5: expected NAME:VALUE"), std::string::npos) << r.err;
        EXPECT_NE(Run({"pim", "list", f.kind}).out.find(f.kept), std::string::npos) << f.name;
    }
}

// Numbers past what the store can keep overflowed (a duration) or wrapped (COUNT=4294967299 gave 3
// occurrences, INTERVAL=4294967298 every 2 days); they are refused with their line.
TEST_F(Devicectl, NumbersOutOfRangeAreRefusedWithTheirLine) {
    const char* kBad[] = {
        "DURATION:PT99999999999999999999H",
        "DURATION:P3000000000W",
        "RRULE:FREQ=DAILY;COUNT=4294967299",
        "RRULE:FREQ=DAILY;INTERVAL=4294967298",
        "RRULE:FREQ=DAILY;COUNT=0",
    };
    for (const char* line : kBad) {
        SCOPED_TRACE(line);
        const std::filesystem::path file = device.Root() / "numbers.ics";
        std::ofstream(file) << "BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:Big\nDTSTART:20261201T090000\n" << line
                            << "\nEND:VEVENT\nEND:VCALENDAR\n";
        const Result strict = Run({"pim", "import", "--strict", file.string()});
        EXPECT_EQ(strict.code, 1);
        EXPECT_NE(strict.err.find("numbers.ics:5: "), std::string::npos) << strict.err;
        const Result lenient = Run({"pim", "import", file.string()});
        EXPECT_NE(lenient.err.find("numbers.ics:5: "), std::string::npos) << lenient.err;
        if (std::string(line).rfind("RRULE", 0) == 0) {
            EXPECT_EQ(lenient.code, 3) << "a rule the store cannot keep leaves the event out";
            EXPECT_EQ(lenient.out, "imported 0 items\nskipped 1 item the store cannot keep (named above)\n");
        } else {
            EXPECT_EQ(lenient.code, 0) << "a bad duration is left out, the event kept";
            EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "40000000\t2026-12-01 09:00\t0\tBig\t\n");
            ForgetStore();
        }
    }
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "");
}

// A moved occurrence (RECURRENCE-ID) was added as its own item while the series kept the original:
// the meeting showed twice.
TEST_F(Devicectl, AMovedOccurrenceLeavesItsSeries) {
    const std::filesystem::path file = device.Root() / "moved.ics";
    std::ofstream(file) << "BEGIN:VCALENDAR\n"
                           "BEGIN:VEVENT\nUID:standup\nSUMMARY:Standup\nDTSTART:20261207T090000\n"
                           "DTEND:20261207T091500\nRRULE:FREQ=DAILY;COUNT=3\nEND:VEVENT\n"
                           "BEGIN:VEVENT\nRECURRENCE-ID:20261208T090000\nUID:standup\nSUMMARY:Standup (late)\n"
                           "DTSTART:20261208T110000\nDTEND:20261208T111500\nEND:VEVENT\n"
                           "END:VCALENDAR\n";
    ASSERT_EQ(Run({"pim", "import", file.string()}).code, 0);
    const std::string listed = Run({"pim", "list", "appointments", "--from", "2026-12-07", "--to", "2026-12-09"}).out;
    EXPECT_EQ(listed.find("2026-12-08 09:00"), std::string::npos) << listed;
    EXPECT_NE(listed.find("2026-12-08 11:00\t15\tStandup (late)"), std::string::npos) << listed;
    EXPECT_NE(listed.find("2026-12-07 09:00\t15\tStandup"), std::string::npos) << listed;
    EXPECT_NE(listed.find("2026-12-09 09:00\t15\tStandup"), std::string::npos) << listed;
}

// Calendars as other programs write them: times in other zones (IANA names, a Windows name with and
// without its VTIMEZONE, a zone only the file defines, UTC series), UNTIL with a time or in UTC, RDATE
// lists, EXDATE and RECURRENCE-ID in other zones, a THISANDFUTURE change and a changed occurrence that
// carries its own rule. Each was listed other than its author meant.
TEST_F(Devicectl, CalendarsOfOtherProgramsListAsTheirAuthorsMeant) {
    const struct {
        const char* file;
        const char* from;
        const char* to;
        const char* summary;
        const char* listed;
    } kCases[] = {
        {"zones.ics", "2019-01-01", "2019-12-31", "imported 6 items\n",
         // New York's clocks change two weeks before Berlin's: the standup stays at 09:00 there.
         "40000001\t2019-03-04 15:00\t30\tNew York standup\t\n"
         "40000001\t2019-03-11 14:00\t30\tNew York standup\t\n"
         "40000001\t2019-03-18 14:00\t30\tNew York standup\t\n"
         "40000001\t2019-03-25 14:00\t30\tNew York standup\t\n"
         "40000001\t2019-04-01 15:00\t30\tNew York standup\t\n"
         "40000001\t2019-04-08 15:00\t30\tNew York standup\t\n"
         "40000000\t2019-08-01 15:00\t60\tLondon call\t\n"
         "40000003\t2019-08-01 15:00\t60\tEastern without its zone\t\n"
         "40000004\t2019-08-01 15:00\t30\tIndia review\t\n"
         "40000002\t2019-10-21 10:00\t60\tOutlook weekly\t\n"
         "40000005\t2019-10-21 14:00\t60\tWeekly in UTC\t\n"
         "40000002\t2019-10-28 10:00\t60\tOutlook weekly\t\n"
         "40000005\t2019-10-28 13:00\t60\tWeekly in UTC\t\n"},
        // A time in the skipped hour takes the offset before it, one in the doubled hour its first
        // moment; Sydney's clocks go back while Berlin's go forward; the zone's rule goes on past its
        // last listed change.
        {"zone_edges.ics", "2019-01-01", "2045-12-31", "imported 4 items\n",
         "40000000\t2019-03-10 08:30\t0\tIn the skipped hour\t\n"
         "40000002\t2019-03-24 23:00\t0\tSydney weekly\t\n"
         "40000002\t2019-04-01 00:00\t0\tSydney weekly\t\n"
         "40000002\t2019-04-08 01:00\t0\tSydney weekly\t\n"
         "40000001\t2019-11-03 06:30\t0\tIn the doubled hour\t\n"
         "40000003\t2045-07-03 15:00\t0\tFar ahead\t\n"},
        {"until.ics", "2019-01-01", "2020-12-31", "imported 4 items\n",
         "40000001\t2019-10-22 16:15\t45\tWeekly Berlin\t\n"
         "40000001\t2019-10-29 16:15\t45\tWeekly Berlin\t\n"
         "40000000\t2020-04-26 14:00\t60\tDaily floating\t\n"
         "40000000\t2020-04-27 14:00\t60\tDaily floating\t\n"
         "40000000\t2020-04-28 14:00\t60\tDaily floating\t\n"
         "40000002\t2020-05-01 20:00\t60\tEvenings\t\n"
         "40000002\t2020-05-02 20:00\t60\tEvenings\t\n"
         "40000002\t2020-05-03 20:00\t60\tEvenings\t\n"
         "40000003\t2020-06-01 10:00\t60\tEnds before it starts\t\n"},
        {"rdates.ics", "2021-01-01", "2021-12-31",
         "imported 5 items (3 of them dates of a series given by RDATE, each an appointment of its own)\n",
         "40000000\t2021-03-01 10:00\t60\tCourse\t\n"
         "40000000\t2021-03-08 10:00\t60\tCourse\t\n"
         "40000001\t2021-03-10 10:00\t60\tCourse\t\n"
         "40000000\t2021-03-15 10:00\t60\tCourse\t\n"
         "40000002\t2021-04-01 00:00\t1440\tMarket days\t\n"
         "40000003\t2021-04-05 00:00\t1440\tMarket days\t\n"
         "40000004\t2021-04-10 00:00\t1440\tMarket days\t\n"},
        {"exceptions.ics", "2021-01-01", "2021-12-31", "imported 4 items\n",
         "40000000\t2021-01-04 15:00\t30\tTeam sync\t\n"
         "40000000\t2021-01-18 17:00\t30\tTeam sync (moved)\t\n"
         "40000000\t2021-01-25 15:00\t30\tTeam sync\t\n"
         "40000001\t2021-03-01 08:00\t15\tStandup\t\n"
         "40000001\t2021-03-02 08:00\t15\tStandup\t\n"
         "40000002\t2021-03-03 09:30\t15\tStandup (later)\t\n"
         "40000002\t2021-03-04 09:30\t15\tStandup (later)\t\n"
         "40000002\t2021-03-05 09:30\t15\tStandup (later)\t\n"
         "40000003\t2021-04-05 10:00\t60\tReview\t\n"
         "40000003\t2021-04-13 10:00\t60\tReview (Tuesday)\t\n"
         "40000003\t2021-04-19 10:00\t60\tReview\t\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.file);
        const Result imported = Run({"pim", "import", Fixture(c.file)});
        ASSERT_EQ(imported.code, 0) << imported.err;
        EXPECT_EQ(imported.out, c.summary);
        EXPECT_EQ(Run({"pim", "list", "appointments", "--from", c.from, "--to", c.to}).out, c.listed);
        // Nothing beyond what the authors wrote (an endless series would go on).
        EXPECT_EQ(Run({"pim", "list", "appointments", "--from", "2022-01-01", "--to", "2040-12-31"}).out, "");
        ForgetStore();
    }
}

// An RRULE whose UNTIL lies before the start made an appointment that never appeared: the start is
// the one occurrence, and the line is named.
// A zone named by a folder of the system's zone data ("Europe/") is read as no zone, not as a file.
TEST_F(Devicectl, AZoneNamingAFolderOfTheZoneDataIsAnUnknownZone) {
    const Result r = Run({"pim", "import", Fixture("zone_folder.ics")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "imported 1 items\n");
    EXPECT_NE(r.err.find(":5: unknown time zone Europe/"), std::string::npos) << r.err;
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "40000000\t2009-03-27 18:00\t60\tFolder zone\t\n");
}

TEST_F(Devicectl, AnUntilBeforeTheStartKeepsTheStartAndSaysSo) {
    const Result r = Run({"pim", "import", Fixture("until.ics")});
    EXPECT_NE(r.err.find("until.ics:30: UNTIL 20200501T000000Z lies before the start"), std::string::npos) << r.err;
    EXPECT_EQ(Run({"pim", "list", "appointments", "--from", "2020-06-01", "--to", "2020-06-30"}).out,
              "40000003\t2020-06-01 10:00\t60\tEnds before it starts\t\n");
}

// One element the importer could not take refused the whole file; an absolute alarm was one of them.
TEST_F(Devicectl, WhatCannotBeKeptIsLeftOutAndNamedAndTheRestImported) {
    const Result strict = Run({"pim", "import", "--strict", Fixture("damaged.ics")});
    EXPECT_EQ(strict.code, 1);
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "") << "--strict imports nothing";

    const Result r = Run({"pim", "import", Fixture("damaged.ics")});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.out, "imported 3 items\nskipped 2 items the store cannot keep (named above)\n");
    for (const char* named : {"damaged.ics:19: bad COUNT -1", "damaged.ics:28: alarm after the start left out",
                              "damaged.ics:35: END:VEVENTT inside VEVENT; VEVENT left out"})
        EXPECT_NE(r.err.find(named), std::string::npos) << named << "\n" << r.err;
    EXPECT_EQ(Run({"pim", "list", "appointments", "--from", "2024-10-01", "--to", "2024-10-31"}).out,
              "40000000\t2024-10-03 16:00\t60\tAbsolute alarm\t\n"
              "40000001\t2024-10-05 09:00\t30\tAlarm after the start\t\n"
              "40000002\t2024-10-07 09:00\t60\tAfter the damage\t\n");
    const auto store = platform::pim::Store::Get();
    const auto absolute = store->Load(0x40000000);
    ASSERT_TRUE(absolute);
    EXPECT_EQ(absolute->Int(PIMPR_REMINDER_SET), 1);
    EXPECT_EQ(absolute->Int(PIMPR_REMINDER_MINUTES_BEFORE_START), 60) << "13:00 UTC is an hour before 16:00 in Berlin";
    const auto late = store->Load(0x40000001);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->Int(PIMPR_REMINDER_SET), 0);
}

// A moved occurrence became an item of its own: deleting the series left "Team sync (moved)" behind.
TEST_F(Devicectl, AMovedOccurrenceIsKeptWithItsSeriesAndGoesWithIt) {
    ASSERT_EQ(Run({"pim", "import", Fixture("exceptions.ics")}).code, 0);
    const auto store = platform::pim::Store::Get();
    const auto series = store->Load(0x40000000);
    ASSERT_TRUE(series);
    const auto moved = std::find_if(series->exceptions.begin(), series->exceptions.end(),
                                    [](const platform::pim::ExceptionData& e) { return !e.deleted; });
    ASSERT_NE(moved, series->exceptions.end());
    EXPECT_EQ(moved->subject, std::u16string(u"Team sync (moved)"));
    EXPECT_EQ(store->Oids(platform::pim::ItemKind::Appointment).size(), 4u) << "no item of its own";
    ASSERT_EQ(Run({"pim", "delete", "40000000"}).code, 0);
    const std::string left = Run({"pim", "list", "appointments", "--from", "2021-01-01", "--to", "2021-01-31"}).out;
    EXPECT_EQ(left, "");
}

// A birthday without a year (vCard 4.0's "--0412") refused the whole file.
TEST_F(Devicectl, ABirthdayWithoutAYearIsLeftOutAndSaidSo) {
    const std::filesystem::path file = device.Root() / "noyear.vcf";
    std::ofstream(file) << "BEGIN:VCARD\nVERSION:4.0\nN:Lovelace;Ada;;;\nFN:Ada Lovelace\nBDAY:--1210\n"
                           "TEL;TYPE=cell:555-0100\nEND:VCARD\n";
    const Result r = Run({"pim", "import", file.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "imported 1 items\n");
    EXPECT_NE(r.err.find("noyear.vcf:5: BDAY --1210 has no year; left out"), std::string::npos) << r.err;
    EXPECT_NE(Run({"pim", "list", "contacts"}).out.find("Ada"), std::string::npos);
    // A field left out is no card left out: --strict takes the file as before.
    const Result strict = Run({"pim", "import", "--strict", file.string()});
    EXPECT_EQ(strict.code, 0) << strict.err;
    EXPECT_EQ(strict.out, "imported 1 items\n");
}

// Contacts files as phones, webmail and desktop address books write them were refused whole: lines
// ending in CR CR LF, cards without a name, pictures given as links, dates with a time and an offset.
// A card the store cannot keep is skipped with its line and the others are imported.
TEST_F(Devicectl, CardsAsOtherProgramsWriteThemAreImported) {
    const struct {
        const char* file;
        const char* imported;
        const char* filedAs;  // each contact's file-as name, in the order listed
        std::vector<const char*> said;
    } kFiles[] = {
        {"phone_crcrlf.vcf", "imported 2 items\n", "Hopper, Grace|Turing, Alan|", {}},
        {"nameless_cards.vcf", "imported 6 items\n",
         "jo.nobody@example.com|desk@example.net|late@example.com|Plumbing Ltd|Only Formatted|Named, Person|", {}},
        {"photo_uri.vcf", "imported 3 items\n", "Public, John|Stevenson, John|Data, Dora|",
         {":5: PHOTO is a link, not a picture; left out", ":11: PHOTO is a link, not a picture; left out"}},
        {"dates_with_time.vcf", "imported 2 items\n", "Perreault, Simon|Howes, Tim|", {}},
        {"skipped_cards.vcf", "imported 4 items\nskipped 3 items the store cannot keep (named above)\n",
         "Kept, First|Kept, Second|Kept, Third|Far, Future|",
         {":8: END:VCRAD inside VCARD; the card from line 5 is skipped",
          ":16: missing END:VCARD; the card from line 13 is skipped", ":19: bad date yesterday; BDAY left out",
          ":24: card without a name, organisation, e-mail or phone; the card from line 21 is skipped",
          ":28: bad date 9999-12-31; BDAY left out"}},
    };
    for (const auto& f : kFiles) {
        SCOPED_TRACE(f.file);
        for (const char* file : {"pim.vol", "pim.vol-wal", "pim.vol-shm"}) std::filesystem::remove(device.Root() / file);
        const Result r = Run({"pim", "import", Fixture(f.file)});
        EXPECT_EQ(r.out, f.imported) << r.err;
        for (const char* said : f.said) EXPECT_NE(r.err.find(f.file + std::string(said)), std::string::npos) << r.err;
        if (f.said.empty()) {
            EXPECT_EQ(r.err, "");
        }
        std::istringstream listed(Run({"pim", "list", "contacts"}).out);
        std::string filedAs;
        for (std::string line; std::getline(listed, line);) {
            std::vector<std::string> columns;
            std::istringstream row(line);
            for (std::string column; std::getline(row, column, '\t');) columns.push_back(column);
            filedAs += (columns.size() > 3 ? columns[3] : line) + "|";
        }
        EXPECT_EQ(filedAs, f.filedAs);
    }
}

// The birthday and anniversary of a date-time with an offset are the dates written, and the fields
// beside a skipped picture are kept.
TEST_F(Devicectl, CardDatesWithATimeKeepTheirDay) {
    ASSERT_EQ(Run({"pim", "import", Fixture("dates_with_time.vcf")}).out, "imported 2 items\n");
    ASSERT_EQ(Run({"pim", "import", Fixture("phone_crcrlf.vcf")}).out, "imported 2 items\n");
    const auto store = platform::pim::Store::GetForReading();
    ASSERT_TRUE(store);
    const auto contacts = store->LoadAll(platform::pim::ItemKind::Contact);
    ASSERT_EQ(contacts.size(), 4u);
    const struct {
        std::size_t contact;
        CEPROPID field;
        int year, month, day;
    } kDates[] = {
        {0, PIMPR_BIRTHDAY, 1953, 10, 15},
        {0, PIMPR_ANNIVERSARY, 2009, 8, 8},
        {1, PIMPR_BIRTHDAY, 1987, 9, 27},
        {2, PIMPR_BIRTHDAY, 1906, 12, 9},
    };
    for (const auto& d : kDates) {
        const auto t = platform::pim::FromOleDate(contacts[d.contact].Date(d.field));
        EXPECT_EQ(std::vector<int>({t.year, t.month, t.day}), std::vector<int>({d.year, d.month, d.day}))
            << d.contact << " " << d.field;
    }
    EXPECT_EQ(contacts[2].Text(PIMPR_EMAIL1_ADDRESS), u"grace@example.org");
    EXPECT_EQ(contacts[2].Text(PIMPR_MOBILE_TELEPHONE_NUMBER), u"+1 202 555 0101");
    const auto picture = store->Load(contacts[2].oid);
    ASSERT_TRUE(picture && picture->Bytes(PIMPR_PICTURE));
    EXPECT_EQ(picture->Bytes(PIMPR_PICTURE)->size(), 24u);
    EXPECT_EQ(contacts[3].Text(PIMPR_BODY_TEXT), u"Bletchley\nPark");
}

TEST_F(Devicectl, AddsChangesAndDeletesSingleItems) {
    const Result added = Run({"pim", "add", "appointment", "--subject", "Dentist", "--start", "2009-03-10 14:00",
                              "--duration", "45", "--categories", "Health"});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "40000000\n");
    ASSERT_EQ(Run({"pim", "set", "40000000", "--subject", "Dentist (moved)", "--start", "2009-03-11 08:30"}).code, 0);
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "40000000\t2009-03-11 08:30\t45\tDentist (moved)\tHealth\n");
    const Result task = Run({"pim", "add", "task", "--subject", "Call", "--start", "2009-03-05", "--due", "2009-03-04"});
    EXPECT_EQ(task.code, 1) << "a start after the due date is refused";
    ASSERT_EQ(Run({"pim", "add", "contact", "--first", "Grace", "--last", "Hopper"}).out, "80000000\n");
    EXPECT_EQ(Run({"pim", "delete", "40000000"}).code, 0);
    EXPECT_EQ(Run({"pim", "delete", "40000000"}).code, 1);
    EXPECT_EQ(Run({"pim", "delete", "zz"}).code, 1);
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "");
    EXPECT_EQ(Run({"pim", "add", "contact", "--subject", "x"}).code, 2) << "contacts have no subject";
    EXPECT_EQ(Run({"pim", "frobnicate"}).code, 2);
}

// Input the tool refuses says what was wrong in the words of its options, and changes nothing.
TEST_F(Devicectl, RefusedInputIsExplainedAndChangesNothing) {
    ASSERT_EQ(Run({"pim", "add", "task", "--subject", "Kept", "--due", "2009-03-04"}).code, 0);
    const struct {
        std::vector<std::string> args;
        int code;
        const char* says;
    } cases[] = {
        {{"pim", "add", "appointment", "--subject", "X", "--start", "2009-03-10 10:00", "--duration", "-5"}, 1,
         "--duration must be from 0 to 2147483647"},
        // Numbers import refuses were stored by add and set, and overflowed the views that read them.
        {{"pim", "add", "appointment", "--subject", "X", "--duration", "2147483648"}, 1,
         "--duration must be from 0 to 2147483647"},
        {{"pim", "add", "appointment", "--subject", "X", "--busy", "7"}, 1, "--busy must be from 0 to 3"},
        {{"pim", "add", "appointment", "--subject", "X", "--allday", "5"}, 1, "--allday must be from 0 to 1"},
        {{"pim", "add", "appointment", "--subject", "X", "--start", "9999-12-31"}, 1,
         "--start must be a date from 1601-01-01 to 4500-12-31"},
        {{"pim", "add", "task", "--subject", "X", "--importance", "9"}, 1, "--importance must be from 0 to 2"},
        {{"pim", "add", "contact", "--first", "X", "--birthday", "1500-01-01"}, 1,
         "--birthday must be a date from 1601-01-01 to 4500-12-31"},
        {{"pim", "set", "C0000000", "--complete", "2"}, 1, "--complete must be from 0 to 1"},
        {{"pim", "set", "C0000000", "--importance", "-1"}, 1, "--importance must be from 0 to 2"},
        {{"pim", "add", "appointment", "--subject", "X", "--start", "2009-03-10 10:00", "--reminder", "-1"}, 1,
         "the reminder must be 0 or more minutes"},
        {{"pim", "add", "task", "--subject", "X", "--start", "2009-03-05", "--due", "2009-03-04"}, 1,
         "a task's --start needs a --due on the same day or later"},
        {{"pim", "set", "C0000000", "--start", "2009-03-05"}, 1, "a task's --start needs a --due"},
        {{"pim", "list", "appointments", "--from", "2009-13-01", "--to", "2009-12-31"}, 2,
         "--from needs a date YYYY-MM-DD, not 2009-13-01"},
        {{"pim", "list", "tasks", "--from", "2009-03-01", "--to", "March"}, 2, "--to needs a date YYYY-MM-DD"},
        {{"pim", "list", "tasks", "--to", "2009-02-01", "--from", "2009-03-01"}, 2, "--to 2009-02-01 is before --from"},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.code, c.code) << c.args[2];
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run({"pim", "list", "appointments"}).out, "");
    EXPECT_EQ(Run({"pim", "list", "tasks"}).out, "C0000000\t2009-03-04 00:00\t\tKept\t\n");
}

// The ranges hold for what the tool brings in; an item another program stored out of range still
// saves through the object model, so that the program can go on editing it.
TEST_F(Devicectl, AnItemStoredOutOfRangeStaysEditable) {
    ASSERT_EQ(Run({"pim", "add", "appointment", "--subject", "Odd", "--busy", "3"}).out, "40000000\n");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2((device.Root() / "pim.vol").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    const std::string sql = "UPDATE props SET value = 7 WHERE oid = 1073741824 AND propid = " +
                            std::to_string(PIMPR_BUSY_STATUS);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close_v2(db);
    EXPECT_EQ(Run({"pim", "set", "40000000", "--subject", "Odd (tool)"}).err, "devicectl: --busy must be from 0 to 3\n");

    CoInitializeEx(nullptr, 0);
    IPOutlookApp* app = nullptr;
    CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp, reinterpret_cast<void**>(&app));
    app->Logon(0);
    IDispatch* item = nullptr;
    ASSERT_EQ(app->GetItemFromOid(0x40000000, &item), S_OK);
    auto* appt = static_cast<IAppointment*>(item);
    appt->put_Subject(u"Odd (edited)");
    EXPECT_EQ(appt->Save(), S_OK);
    appt->Release();
    app->Logoff();
    app->Release();
    CoUninitialize();
    EXPECT_NE(Run({"pim", "list", "appointments"}).out.find("Odd (edited)"), std::string::npos);
}

// A kind holds at most 20,000 items: a save past that says which kind is full and how many it
// holds, and the other kinds still take items.
TEST_F(Devicectl, AFullKindIsNamedWithWhatItHolds) {
    // A listing makes no store: a saved and deleted task does.
    ASSERT_EQ(Run({"pim", "list", "appointments"}).code, 0);
    EXPECT_FALSE(std::filesystem::exists(device.Root() / "pim.vol"));
    ASSERT_EQ(Run({"pim", "add", "task", "--subject", "Made"}).out, "C0000000\n");
    ASSERT_EQ(Run({"pim", "delete", "C0000000"}).code, 0);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2((device.Root() / "pim.vol").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 19999)"
                           " INSERT INTO items(oid, kind, start, recurring) SELECT 1073741824 + i, 1, 40000.5, 0 FROM n;"
                           " INSERT OR REPLACE INTO oid_counters(kind, next) VALUES(1, 1073741824 + 20000)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close_v2(db);

    const Result added = Run({"pim", "add", "appointment", "--subject", "One too many"});
    EXPECT_EQ(added.code, 1);
    EXPECT_EQ(added.err, "devicectl: the item was not saved: the store is full: it holds 20000 appointments, the most "
                         "it can keep\n");
    const Result imported = Run({"pim", "import", Fixture("calendar.ics")});
    EXPECT_EQ(imported.code, 1);
    EXPECT_NE(imported.err.find("nothing imported: the store is full: it holds 20000 appointments"), std::string::npos)
        << imported.err;
    EXPECT_NE(imported.err.find("(it holds 20000 now and "), std::string::npos) << imported.err;
    EXPECT_EQ(Run({"pim", "list", "tasks"}).out, "") << "the refused import left nothing behind";
    EXPECT_EQ(Run({"pim", "add", "contact", "--first", "Ada"}).out, "80000000\n");
}

TEST_F(Devicectl, RegistryValuesAreWrittenReadAndListed) {
    EXPECT_EQ(Run({"reg", "set", "HKCU\\Software\\Test", "Count", "dword", "42"}).code, 0);
    EXPECT_EQ(Run({"reg", "set", "HKCU\\Software\\Test", "Name", "sz", "Vestral"}).code, 0);
    EXPECT_EQ(Run({"reg", "get", "HKCU\\Software\\Test", "Count"}).out, "42\n");
    EXPECT_EQ(Run({"reg", "get", "HKCU\\Software\\Test", "Name"}).out, "Vestral\n");
    EXPECT_EQ(Run({"reg", "list", "HKCU\\Software"}).out, "Test\\\n");
    EXPECT_EQ(Run({"reg", "list", "HKCU\\Software\\Test"}).out, "Count\tdword\t42\nName\tsz\tVestral\n");
    EXPECT_EQ(Run({"reg", "get", "HKCU\\Software\\Test", "Missing"}).code, 1);
    EXPECT_EQ(Run({"reg", "get", "HKXX\\Software"}).code, 2);
    // The test process reads what devicectl wrote.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Test", 0, 0, &key), ERROR_SUCCESS);
    DWORD value = 0, bytes = sizeof value, type = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"Count", nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes), ERROR_SUCCESS);
    EXPECT_EQ(value, 42u);
    RegCloseKey(key);
}

TEST_F(Devicectl, DwordsOutsideThirtyTwoBitsAreRefusedNotWrapped) {
    struct Case {
        const char* text;
        const char* stored;  // nullptr: refused
    } const kCases[] = {
        {"4294967295", "4294967295"}, {"-1", "4294967295"},  {"-2147483648", "2147483648"},
        {"0x10", "16"},               {"4294967296", nullptr}, {"-2147483649", nullptr},
        {"99999999999999999999", nullptr}, {"0x100000000", nullptr}, {"12abc", nullptr},
        {"", nullptr},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        Run({"reg", "set", "HKCU\\Software\\Test", "Count", "dword", "7"});
        const Result set = Run({"reg", "set", "HKCU\\Software\\Test", "Count", "dword", c.text});
        const std::string stored = Run({"reg", "get", "HKCU\\Software\\Test", "Count"}).out;
        if (c.stored) {
            EXPECT_EQ(set.code, 0) << set.err;
            EXPECT_EQ(stored, std::string(c.stored) + "\n");
        } else {
            EXPECT_EQ(set.code, 2);
            EXPECT_NE(set.err.find("32-bit"), std::string::npos) << set.err;
            EXPECT_EQ(stored, "7\n");
        }
    }
}

TEST_F(Devicectl, RegistryValuesLongerThanAnyFixedBufferAreReadWhole) {
    // 40,000 characters: more than twice the 16 KB the tool once read into.
    std::string longText(40000, 'a');
    for (std::size_t i = 0; i < longText.size(); i += 97) longText[i] = static_cast<char>('b' + i % 20);
    ASSERT_EQ(Run({"reg", "set", "HKCU\\Software\\Test", "Long", "sz", longText}).code, 0);
    EXPECT_EQ(Run({"reg", "get", "HKCU\\Software\\Test", "Long"}).out, longText + "\n");
    EXPECT_EQ(Run({"reg", "list", "HKCU\\Software\\Test"}).out, "Long\tsz\t" + longText + "\n");
}

TEST_F(Devicectl, ChangesReachAProgramThatHasTheStoreOpen) {
    CoInitializeEx(nullptr, 0);
    IPOutlookApp* app = nullptr;
    CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp, reinterpret_cast<void**>(&app));
    ASSERT_EQ(app->Logon(0), S_OK);
    IDispatch* item = nullptr;
    app->CreateItem(olTaskItem, &item);
    auto* task = static_cast<ITask*>(item);
    task->put_Subject(u"Mine");
    ASSERT_EQ(task->Save(), S_OK);
    task->Release();
    ASSERT_EQ(Run({"pim", "add", "task", "--subject", "Theirs"}).code, 0);
    EXPECT_EQ(Run({"pim", "list", "tasks"}).out.find("Mine") != std::string::npos, true);
    ASSERT_EQ(app->GetItemFromOid(static_cast<LONG>(0xC0000001u), &item), S_OK);
    auto* theirs = static_cast<ITask*>(item);
    BSTR b = nullptr;
    theirs->get_Subject(&b);
    EXPECT_EQ(std::u16string(b), u"Theirs");
    SysFreeString(b);
    theirs->Release();
    app->Logoff();
    app->Release();
    CoUninitialize();
}

}  // namespace

namespace {

TEST_F(Devicectl, TwoProcessesSavingAtOnceGetDistinctOids) {
    constexpr int kEach = 15;
    const auto tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
    const auto done = device.Root() / "other-done";
    const std::string loop = "for i in $(seq 1 " + std::to_string(kEach) + "); do QUORVIA_DEVICE=" +
                             Quote(device.Root().string()) + " ASAN_OPTIONS=detect_leaks=0 " + Quote(tool.string()) +
                             " pim add task --subject Theirs >/dev/null || exit 1; done; touch " + Quote(done.string());
    ASSERT_EQ(std::system(("(" + loop + ") &").c_str()), 0);

    CoInitializeEx(nullptr, 0);
    IPOutlookApp* app = nullptr;
    CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp, reinterpret_cast<void**>(&app));
    ASSERT_EQ(app->Logon(0), S_OK);
    for (int i = 0; i < kEach; ++i) {
        IDispatch* item = nullptr;
        app->CreateItem(olTaskItem, &item);
        auto* task = static_cast<ITask*>(item);
        task->put_Subject(u"Mine");
        EXPECT_EQ(task->Save(), S_OK);
        task->Release();
    }
    for (int waited = 0; waited < 600 && !std::filesystem::exists(done); ++waited) usleep(100000);
    ASSERT_TRUE(std::filesystem::exists(done)) << "the other process did not finish";
    IFolder* folder = nullptr;
    app->GetDefaultFolder(olFolderTasks, &folder);
    IPOutlookItemCollection* items = nullptr;
    folder->get_Items(&items);
    int count = 0;
    items->get_Count(&count);
    EXPECT_EQ(count, 2 * kEach);
    items->Release();
    folder->Release();
    app->Logoff();
    app->Release();
    CoUninitialize();
}

// The usage names the fields of pim add per kind and the registry roots; each one it names is taken.
TEST_F(Devicectl, UsageListsTheFieldsAndRootsItTakes) {
    const Result usage = Run({});
    EXPECT_EQ(usage.code, 2);
    const struct {
        const char* form;
        const char* value;
    } kValues[] = {{"TEXT", "Text"}, {"N", "1"}, {"DATE", "2009-03-10"}, {"A,B", "Home,Work"}};
    int kinds = 0;
    for (const char* kind : {"appointment", "task", "contact"}) {
        SCOPED_TRACE(kind);
        const std::string head = std::string("  ") + kind + ":";
        const auto at = usage.err.find(head);
        ASSERT_NE(at, std::string::npos) << usage.err;
        std::istringstream line(usage.err.substr(at + head.size(), usage.err.find('\n', at) - at - head.size()));
        std::vector<std::string> args{"pim", "add", kind};
        for (std::string option, form; line >> option >> form;) {
            const auto known = std::find_if(std::begin(kValues), std::end(kValues),
                                            [&form](const auto& v) { return form == v.form; });
            ASSERT_NE(known, std::end(kValues)) << option << " " << form;
            args.insert(args.end(), {option, known->value});
        }
        EXPECT_GT(args.size(), 7u);
        const Result added = Run(args);
        EXPECT_EQ(added.code, 0) << added.err;
        ++kinds;
    }
    EXPECT_EQ(kinds, 3);
    for (const char* root : {"HKCU", "HKEY_CURRENT_USER", "HKLM", "HKEY_LOCAL_MACHINE", "HKCR", "HKEY_CLASSES_ROOT"}) {
        EXPECT_NE(usage.err.find(std::string(" ") + root), std::string::npos) << root;
        EXPECT_EQ(Run({"reg", "set", std::string(root) + "\\Software\\Probe", "Value", "dword", "7"}).code, 0) << root;
        EXPECT_EQ(Run({"reg", "get", std::string(root) + "\\Software\\Probe", "Value"}).out, "7\n") << root;
    }
    EXPECT_NE(usage.err.find("HKCU\\Software\\Hollyfen\\Quorvia\\Settings"), std::string::npos);
}

}  // namespace

namespace {

// One devicectl run on the test device as a child process, its output in a file; returned at once.
pid_t Spawn(const std::filesystem::path& root, const std::vector<std::string>& args, const std::filesystem::path& out) {
    const std::string tool = (std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl").string();
    std::vector<std::string> words{tool};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    std::string device = "QUORVIA_DEVICE=" + root.string();
    std::string asan = "ASAN_OPTIONS=detect_leaks=0";
    std::vector<char*> envp{device.data(), asan.data()};
    envp.push_back(nullptr);
    const std::string outPath = out.string();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            ::dup2(fd, 1);
            ::dup2(fd, 2);
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    return pid;
}

bool ExitedDone(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string IntegrityCheck(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 10000);
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            verdict = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
    }
    sqlite3_close_v2(db);
    return verdict;
}

std::u16string SubjectOf(platform::pim::Store& store, CEOID oid) {
    const auto item = store.Load(oid);
    if (!item) return u"(missing)";
    const auto it = item->props.find(PIMPR_SUBJECT);
    if (it == item->props.end()) return u"(none)";
    const auto* text = std::get_if<std::u16string>(&it->second);
    return text ? *text : u"(not text)";
}

// Four processes add, change and delete tasks at once: every save they reported is in the store as
// they left it, no OID was handed out twice, and the file is whole.
TEST_F(Devicectl, FourProcessesAddingChangingAndDeletingAtOnceLoseNothing) {
    constexpr int kWorkers = 4;
    constexpr int kEach = 3;
    const auto tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
    const std::string run =
        "QUORVIA_DEVICE=" + Quote(device.Root().string()) + " ASAN_OPTIONS=detect_leaks=0 " + Quote(tool.string());
    for (int w = 0; w < kWorkers; ++w) {
        const std::string log = Quote((device.Root() / ("worker" + std::to_string(w) + ".log")).string());
        const std::string name = "w" + std::to_string(w) + "-$i";
        const std::string loop =
            "for i in $(seq 1 " + std::to_string(kEach) + "); do "
            "oid=$(" + run + " pim add task --subject " + name + ") || continue; echo \"add $oid " + name + "\" >>" +
            log + "; " + run + " pim set $oid --subject " + name + "b && echo \"set $oid " + name + "b\" >>" + log +
            "; if [ $((i % 2)) = 0 ]; then " + run + " pim delete $oid && echo \"del $oid\" >>" + log +
            "; fi; done; echo end >>" + log;
        ASSERT_EQ(std::system(("(" + loop + ") >/dev/null 2>&1 &").c_str()), 0);
    }
    const auto finished = [&](int w) {
        return ReadAll(device.Root() / ("worker" + std::to_string(w) + ".log")).find("end\n") != std::string::npos;
    };
    for (int waited = 0; waited < 1200; ++waited) {
        bool all = true;
        for (int w = 0; w < kWorkers; ++w) all = all && finished(w);
        if (all) break;
        usleep(50000);
    }
    std::map<CEOID, std::u16string> expected;  // the subject last reported saved, per live item
    std::vector<CEOID> added;
    for (int w = 0; w < kWorkers; ++w) {
        ASSERT_TRUE(finished(w)) << "worker " << w << " did not finish";
        std::istringstream log(ReadAll(device.Root() / ("worker" + std::to_string(w) + ".log")));
        std::string verb, oidText, subject;
        while (log >> verb && verb != "end") {
            log >> oidText;
            const CEOID oid = static_cast<CEOID>(std::stoul(oidText, nullptr, 16));
            if (verb == "del") {
                expected.erase(oid);
                continue;
            }
            log >> subject;
            if (verb == "add") added.push_back(oid);
            expected[oid] = std::u16string(subject.begin(), subject.end());
        }
    }
    EXPECT_EQ(added.size(), static_cast<std::size_t>(kWorkers * kEach)) << "every add succeeded under load";
    std::sort(added.begin(), added.end());
    EXPECT_EQ(std::adjacent_find(added.begin(), added.end()), added.end()) << "an OID was handed out twice";
    EXPECT_EQ(IntegrityCheck(device.Root() / "pim.vol"), "ok");
    const auto store = platform::pim::Store::Get();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->Oids(platform::pim::ItemKind::Task).size(), expected.size());
    for (const auto& [oid, subject] : expected) EXPECT_EQ(SubjectOf(*store, oid), subject) << std::hex << oid;
}

// devicectl killed at random moments of adds and registry writes: what it reported done is there,
// nothing is half-written, and both stores open and check whole afterwards.
TEST_F(Devicectl, KilledAtAnyMomentKeepsWhatWasReportedDone) {
    constexpr int kKills = 20;
    std::vector<std::pair<CEOID, std::string>> savedItems;
    std::vector<int> savedValues;
    // One whole run of each first: both stores exist, and the kills below fall anywhere in a run.
    const auto began = std::chrono::steady_clock::now();
    ASSERT_EQ(Run({"pim", "add", "task", "--subject", "first"}).code, 0);
    ASSERT_EQ(Run({"reg", "set", "HKCU\\Software\\Crash", "First", "sz", "x"}).code, 0);
    const auto wholeRun = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - began);
    std::mt19937 random(20240611u);  // fixed, so the same moments repeat
    std::uniform_int_distribution<long long> delayMicros(0, wholeRun.count() * 3 / 4);
    for (int i = 0; i < kKills; ++i) {
        const auto addOut = device.Root() / ("add" + std::to_string(i) + ".out");
        const pid_t add = Spawn(device.Root(), {"pim", "add", "task", "--subject", "c" + std::to_string(i)}, addOut);
        const pid_t reg = Spawn(device.Root(),
                                {"reg", "set", "HKCU\\Software\\Crash", "V" + std::to_string(i), "sz",
                                 std::string(1000 + i, static_cast<char>('a' + i % 26))},
                                device.Root() / ("reg" + std::to_string(i) + ".out"));
        usleep(static_cast<useconds_t>(delayMicros(random)));
        ::kill(add, SIGKILL);
        ::kill(reg, SIGKILL);
        if (ExitedDone(add)) {
            const std::string oid = ReadAll(addOut);
            ASSERT_FALSE(oid.empty());
            savedItems.emplace_back(static_cast<CEOID>(std::stoul(oid, nullptr, 16)), "c" + std::to_string(i));
        }
        if (ExitedDone(reg)) savedValues.push_back(i);
    }
    EXPECT_EQ(IntegrityCheck(device.Root() / "pim.vol"), "ok");
    EXPECT_EQ(IntegrityCheck(device.Root() / "registry.db"), "ok");
    // A later process opens both as usual.
    const Result listed = Run({"pim", "list", "tasks"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    for (const auto& [oid, subject] : savedItems)
        EXPECT_NE(listed.out.find("\t" + subject + "\t"), std::string::npos) << subject << " was reported saved";
    for (const int i : savedValues) {
        const Result value = Run({"reg", "get", "HKCU\\Software\\Crash", "V" + std::to_string(i)});
        EXPECT_EQ(value.out, std::string(1000 + i, static_cast<char>('a' + i % 26)) + "\n") << "value " << i;
    }
    for (const auto& entry : std::filesystem::directory_iterator(device.Root()))
        EXPECT_EQ(entry.path().filename().string().find(".damaged-"), std::string::npos) << "nothing is damaged";
}

}  // namespace
