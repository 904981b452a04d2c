// Item collections: the month query the calendar makes (Restrict on [Start] with IncludeRecurrences),
// dates in the restriction, Sort, and single occurrences found, changed and deleted.
#include <sqlite3.h>

#include <sstream>
#include <string>

#include "pim/restriction.h"
#include "pim/store.h"
#include "pim_test_support.h"
#include "platform/device.h"
#include "platform/text.h"

namespace {

using pimtest::Ole;
using pimtest::Ref;
using pimtest::Take;

class Collections : public pimtest::PimTest {
protected:
    CEOID SaveSeries(const char16_t* subject, DATE start, LONG minutes, LONG type, LONG occurrences = 0) {
        auto a = Create<IAppointment>(olAppointmentItem);
        a->put_Subject(subject);
        a->put_Start(start);
        a->put_Duration(minutes);
        a->put_ReminderSet(VARIANT_FALSE);
        IRecurrencePattern* p = nullptr;
        a->GetRecurrencePattern(&p);
        Ref<IRecurrencePattern> pattern(p);
        pattern->put_RecurrenceType(type);
        if (occurrences) {
            pattern->put_NoEndDate(VARIANT_FALSE);
            pattern->put_Occurrences(occurrences);
        }
        EXPECT_EQ(a->Save(), S_OK);
        LONG oid = 0;
        a->get_Oid(&oid);
        return static_cast<CEOID>(oid);
    }

    // What the calendar reads for one window: (OID, start) of each element.
    std::vector<std::pair<CEOID, DATE>> Query(const char16_t* restriction, bool occurrences = true) {
        auto items = Items(olFolderCalendar);
        items->put_IncludeRecurrences(occurrences ? VARIANT_TRUE : VARIANT_FALSE);
        IPOutlookItemCollection* raw = nullptr;
        EXPECT_EQ(items->Restrict(restriction, &raw), S_OK);
        Ref<IPOutlookItemCollection> found(raw);
        std::vector<std::pair<CEOID, DATE>> result;
        int count = 0;
        if (found) found->get_Count(&count);
        for (int i = 1; i <= count; ++i) {
            IDispatch* item = nullptr;
            EXPECT_EQ(found->Item(i, &item), S_OK);
            Ref<IAppointment> a(static_cast<IAppointment*>(item));
            LONG oid = 0;
            DATE start = 0;
            a->get_Oid(&oid);
            a->get_Start(&start);
            result.emplace_back(static_cast<CEOID>(oid), start);
        }
        return result;
    }
};

TEST_F(Collections, MonthWindowGivesEachOccurrenceInStartOrder) {
    const CEOID single = SaveAppt(u"Dentist", Ole(2009, 3, 10, 14), 30);
    SaveAppt(u"Outside", Ole(2009, 4, 7, 0), 30);  // the window ends before 7 April, 00:00
    const CEOID early = SaveAppt(u"Edge", Ole(2009, 2, 23, 0), 30);
    const CEOID weekly = SaveSeries(u"Standup", Ole(2009, 3, 3, 9), 15, olRecursWeekly);
    const CEOID nightly = SaveSeries(u"Night shift", Ole(2009, 4, 5, 22), 480, olRecursDaily, 3);

    const auto got = Query(u"[Start] >= \"02/23/2009\" AND [Start] < \"04/07/2009\"");
    std::vector<std::pair<CEOID, DATE>> expected = {
        {early, Ole(2009, 2, 23, 0)},     {weekly, Ole(2009, 3, 3, 9)},   {single, Ole(2009, 3, 10, 14)},
        {weekly, Ole(2009, 3, 10, 9)},    {weekly, Ole(2009, 3, 17, 9)},  {weekly, Ole(2009, 3, 24, 9)},
        {weekly, Ole(2009, 3, 31, 9)},    {nightly, Ole(2009, 4, 5, 22)}, {nightly, Ole(2009, 4, 6, 22)},
    };
    std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) { return a.second < b.second; });
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].first, expected[i].first) << i;
        EXPECT_NEAR(got[i].second, expected[i].second, 1e-6) << i;
    }
    // Without occurrences a series stands once, by its own start.
    const auto series = Query(u"[Start] >= \"02/23/2009\" AND [Start] < \"04/07/2009\"", false);
    EXPECT_EQ(series.size(), 4u);
}

TEST_F(Collections, RestrictionDatesFollowTheProfileShortDate) {
    platform::DeviceProfile profile;
    profile.shortDate = u"dd.MM.yyyy";
    device.SetProfile(profile);
    const struct {
        const char16_t* text;
        DATE expected;
    } kCases[] = {
        {u"03.04.2009", Ole(2009, 4, 3)},        // the profile's order, day first
        {u"04/23/2009", Ole(2009, 4, 23)},       // month first when the profile's order cannot be
        {u"03.04.2009 2:30 PM", Ole(2009, 4, 3, 14, 30)},
        {u"03.04.09", Ole(2009, 4, 3)},
    };
    for (const auto& c : kCases) {
        const auto date = platform::pim::ParseRestrictionDate(c.text);
        ASSERT_TRUE(date) << platform::ToUtf8(c.text);
        EXPECT_NEAR(*date, c.expected, 1e-9);
    }
    EXPECT_FALSE(platform::pim::ParseRestrictionDate(u"31.31.2009"));
    EXPECT_FALSE(platform::pim::ParseRestrictionDate(u"soon"));
}

TEST_F(Collections, SortByNameIgnoresCase) {
    for (const char16_t* company : {u"beta", u"Alpha", u"gamma"}) {
        auto c = Create<IContact>(olContactItem);
        c->put_CompanyName(company);
        c->Save();
    }
    auto items = Items(olFolderContacts);
    ASSERT_EQ(items->Sort(u"[CompanyName]", VARIANT_FALSE), S_OK);
    std::vector<std::u16string> names;
    for (int i = 1; i <= 3; ++i) {
        IDispatch* item = nullptr;
        items->Item(i, &item);
        Ref<IContact> c(static_cast<IContact*>(item));
        BSTR b = nullptr;
        c->get_CompanyName(&b);
        names.push_back(Take(b));
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Alpha", u"beta", u"gamma"}));
    EXPECT_EQ(items->Sort(u"[Nothing]", VARIANT_FALSE), E_INVALIDARG);
}

TEST_F(Collections, GetOccurrenceByDayAndChangingOrDeletingOne) {
    const CEOID oid = SaveSeries(u"Late", Ole(2009, 12, 30, 22), 240, olRecursDaily);
    auto series = Get<IAppointment>(oid);
    IRecurrencePattern* raw = nullptr;
    ASSERT_EQ(series->GetRecurrencePattern(&raw), S_OK);
    Ref<IRecurrencePattern> pattern(raw);

    IAppointment* occ = nullptr;
    EXPECT_EQ(pattern->GetOccurrence(Ole(2009, 12, 29), &occ), E_FAIL) << "before the series";
    EXPECT_EQ(occ, nullptr);
    // The day after an occurrence that ran past midnight has its own occurrence only.
    ASSERT_EQ(pattern->GetOccurrence(Ole(2010, 1, 1), &occ), S_OK);
    {
        Ref<IAppointment> o(occ);
        DATE start = 0;
        o->get_Start(&start);
        EXPECT_DOUBLE_EQ(start, Ole(2010, 1, 1, 22));
        LONG id = 0;
        o->get_Oid(&id);
        EXPECT_EQ(static_cast<CEOID>(id), oid) << "occurrences report their series";
        o->put_Subject(u"Moved");
        o->put_Start(Ole(2010, 1, 2, 6));
        ASSERT_EQ(o->Save(), S_OK);
    }
    ASSERT_EQ(pattern->GetOccurrence(Ole(2009, 12, 31), &occ), S_OK);
    {
        Ref<IAppointment> o(occ);
        ASSERT_EQ(o->Delete(), S_OK);
    }
    EXPECT_EQ(pattern->GetOccurrence(Ole(2009, 12, 31), &occ), E_FAIL) << "deleted";

    const auto got = Query(u"[Start] >= \"12/30/2009\" AND [Start] < \"01/03/2010\"");
    ASSERT_EQ(got.size(), 3u);
    EXPECT_DOUBLE_EQ(got[0].second, Ole(2009, 12, 30, 22));
    EXPECT_DOUBLE_EQ(got[1].second, Ole(2010, 1, 2, 6));
    EXPECT_DOUBLE_EQ(got[2].second, Ole(2010, 1, 2, 22));
    IDispatch* item = nullptr;
    auto items = Items(olFolderCalendar);
    items->put_IncludeRecurrences(VARIANT_TRUE);
    IPOutlookItemCollection* r = nullptr;
    items->Restrict(u"[Start] >= \"01/02/2010\" AND [Start] < \"01/02/2010 12:00\"", &r);
    Ref<IPOutlookItemCollection> morning(r);
    ASSERT_EQ(morning->Item(1, &item), S_OK);
    Ref<IAppointment> moved(static_cast<IAppointment*>(item));
    BSTR b = nullptr;
    moved->get_Subject(&b);
    EXPECT_EQ(Take(b), u"Moved");
}

TEST_F(Collections, RestrictionsCombineConditions) {
    SaveAppt(u"Lunch", Ole(2009, 3, 2, 12), 60);
    SaveAppt(u"lunch", Ole(2009, 3, 3, 12), 60);
    SaveAppt(u"Dinner", Ole(2009, 3, 3, 19), 60);
    const struct {
        const char16_t* text;
        std::size_t count;
    } kCases[] = {
        {u"[Subject] = \"LUNCH\"", 2},
        {u"[Subject] <> \"Lunch\" AND [Start] >= \"03/03/2009\"", 1},
        {u"([Subject] = \"Dinner\" OR [Start] < \"03/03/2009\") AND [Duration] = 60", 2},
        {u"[Start] >= \"03/03/2009 18:00\"", 1},
    };
    for (const auto& c : kCases) EXPECT_EQ(Query(c.text, false).size(), c.count) << platform::ToUtf8(c.text);
}

}  // namespace

namespace {

using pimtest::Ole;
using pimtest::Ref;

// The patterns the editors write (type, then the puts of their choice), read back as occurrences.
class PatternPuts : public pimtest::PimTest {};

struct Puts {
    const char* name;
    LONG type;
    LONG interval, mask, dayOfMonth, instance, monthOfYear;  // 0: not put
    std::vector<DATE> expected;                               // the first occurrences
};

TEST_F(PatternPuts, EditorChoicesGiveTheirOccurrences) {
    const DATE start = Ole(2011, 3, 22, 10);  // Tuesday 22 March, the 4th Tuesday
    const Puts kCases[] = {
        {"every week day", olRecursWeekly, 1, 62, 0, 0, 0,
         {Ole(2011, 3, 22, 10), Ole(2011, 3, 23, 10), Ole(2011, 3, 24, 10), Ole(2011, 3, 25, 10), Ole(2011, 3, 28, 10)}},
        {"every 2 weeks on Tuesday", olRecursWeekly, 2, olTuesday, 0, 0, 0,
         {Ole(2011, 3, 22, 10), Ole(2011, 4, 5, 10), Ole(2011, 4, 19, 10)}},
        {"day 22 of every 3 months", olRecursMonthly, 3, 0, 22, 0, 0,
         {Ole(2011, 3, 22, 10), Ole(2011, 6, 22, 10), Ole(2011, 9, 22, 10)}},
        {"4th Tuesday of the month, no interval put", olRecursMonthNth, 0, olTuesday, 0, 4, 0,
         {Ole(2011, 3, 22, 10), Ole(2011, 4, 26, 10), Ole(2011, 5, 24, 10)}},
        {"every March 22", olRecursYearly, 0, 0, 22, 0, 3, {Ole(2011, 3, 22, 10), Ole(2012, 3, 22, 10)}},
        {"4th Tuesday of March", olRecursYearNth, 0, olTuesday, 0, 4, 3,
         {Ole(2011, 3, 22, 10), Ole(2012, 3, 27, 10), Ole(2013, 3, 26, 10)}},
    };
    for (const Puts& c : kCases) {
        auto a = Create<IAppointment>(olAppointmentItem);
        a->put_Start(start);
        a->put_Duration(30);
        a->put_ReminderSet(VARIANT_FALSE);
        IRecurrencePattern* p = nullptr;
        ASSERT_EQ(a->GetRecurrencePattern(&p), S_OK);
        Ref<IRecurrencePattern> pattern(p);
        LONG type = 0;
        pattern->get_RecurrenceType(&type);
        EXPECT_EQ(type, -1) << "a pattern not yet set";
        ASSERT_EQ(pattern->put_RecurrenceType(c.type), S_OK);
        EXPECT_EQ(pattern->put_StartTime(start), S_OK);
        if (c.interval) {
            EXPECT_EQ(pattern->put_Interval(c.interval), S_OK);
        }
        if (c.mask) {
            EXPECT_EQ(pattern->put_DayOfWeekMask(c.mask), S_OK);
        }
        if (c.dayOfMonth) {
            EXPECT_EQ(pattern->put_DayOfMonth(c.dayOfMonth), S_OK);
        }
        if (c.instance) {
            EXPECT_EQ(pattern->put_Instance(c.instance), S_OK);
        }
        if (c.monthOfYear) {
            EXPECT_EQ(pattern->put_MonthOfYear(c.monthOfYear), S_OK);
        }
        EXPECT_EQ(pattern->put_NoEndDate(VARIANT_FALSE), S_OK);
        EXPECT_EQ(pattern->put_Occurrences(static_cast<LONG>(c.expected.size())), S_OK);
        ASSERT_EQ(a->Save(), S_OK) << c.name;
        LONG oid = 0;
        a->get_Oid(&oid);

        auto stored = Get<IAppointment>(static_cast<CEOID>(oid));
        IRecurrencePattern* sp = nullptr;
        stored->GetRecurrencePattern(&sp);
        Ref<IRecurrencePattern> storedPattern(sp);
        storedPattern->get_RecurrenceType(&type);
        EXPECT_EQ(type, c.type) << c.name;
        std::vector<DATE> got;
        for (DATE day = Ole(2011, 3, 1); day < Ole(2014, 1, 1); day += 1) {
            IAppointment* o = nullptr;
            if (FAILED(storedPattern->GetOccurrence(day, &o))) continue;
            Ref<IAppointment> occurrence(o);
            DATE s = 0;
            occurrence->get_Start(&s);
            got.push_back(s);
        }
        EXPECT_EQ(got, c.expected) << c.name;
        stored->Delete();
    }
}

TEST_F(PatternPuts, OutOfRangeValuesAreRefusedAndPatternCanBeCleared) {
    auto a = Create<IAppointment>(olAppointmentItem);
    IRecurrencePattern* p = nullptr;
    a->GetRecurrencePattern(&p);
    Ref<IRecurrencePattern> pattern(p);
    EXPECT_EQ(pattern->put_Interval(2), E_FAIL) << "no type yet";
    EXPECT_EQ(pattern->put_RecurrenceType(4), E_INVALIDARG);
    ASSERT_EQ(pattern->put_RecurrenceType(olRecursMonthly), S_OK);
    const struct {
        HRESULT (IRecurrencePattern::*put)(LONG);
        LONG value;
    } kBad[] = {{&IRecurrencePattern::put_Interval, 0},    {&IRecurrencePattern::put_DayOfMonth, 32},
                {&IRecurrencePattern::put_Instance, 6},    {&IRecurrencePattern::put_MonthOfYear, 13},
                {&IRecurrencePattern::put_DayOfWeekMask, 128}, {&IRecurrencePattern::put_Occurrences, 0}};
    for (const auto& b : kBad) EXPECT_EQ((pattern.get()->*b.put)(b.value), E_INVALIDARG) << b.value;
    ASSERT_EQ(a->ClearRecurrencePattern(), S_OK);
    VARIANT_BOOL recurring = VARIANT_TRUE;
    a->get_IsRecurring(&recurring);
    EXPECT_EQ(recurring, VARIANT_FALSE);
}

// A weekly pattern saved without any weekday (the custom week with no day ticked) would have no
// occurrence at all and the appointment would vanish from every view; it keeps its start's weekday.
TEST_F(PatternPuts, WeeklyPatternWithoutDaysKeepsItsStartDay) {
    auto a = Create<IAppointment>(olAppointmentItem);
    a->put_Start(Ole(2011, 3, 22, 10));
    a->put_ReminderSet(VARIANT_FALSE);
    IRecurrencePattern* p = nullptr;
    a->GetRecurrencePattern(&p);
    Ref<IRecurrencePattern> pattern(p);
    pattern->put_RecurrenceType(olRecursWeekly);
    pattern->put_DayOfWeekMask(0);
    ASSERT_EQ(a->Save(), S_OK);
    IAppointment* o = nullptr;
    ASSERT_EQ(pattern->GetOccurrence(Ole(2011, 3, 29), &o), S_OK);
    o->Release();
}

TEST_F(PatternPuts, DateConversionsOfTheApplication) {
    SYSTEMTIME st{};
    ASSERT_EQ(app->VariantTimeToSystemTime(POOM_NO_DATE, &st), S_OK);
    EXPECT_EQ(st.wYear, 4501);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDay, 1);
    ASSERT_EQ(app->VariantTimeToSystemTime(Ole(2009, 3, 1, 13, 45) + 30.0 / 86400, &st), S_OK);
    EXPECT_EQ(st.wDayOfWeek, 0) << "a Sunday";
    EXPECT_EQ(st.wHour, 13);
    EXPECT_EQ(st.wSecond, 30);
    DATE back = 0;
    ASSERT_EQ(app->SystemTimeToVariantTime(&st, &back), S_OK);
    EXPECT_NEAR(back, Ole(2009, 3, 1, 13, 45) + 30.0 / 86400, 1e-9);
    SYSTEMTIME bad{2009, 2, 0, 30, 0, 0, 0, 0};
    EXPECT_EQ(app->SystemTimeToVariantTime(&bad, &back), E_INVALIDARG);
    EXPECT_EQ(app->VariantTimeToSystemTime(1e9, &st), E_INVALIDARG);
}

}  // namespace

namespace {

// Everything a store read gives of an item, as one comparable text.
std::string Describe(const platform::pim::ItemData& item) {
    std::ostringstream s;
    s << item.oid << " kind " << static_cast<int>(item.kind);
    for (const auto& [id, value] : item.props) {
        s << " [" << id << "]";
        if (const auto* i = std::get_if<std::int64_t>(&value)) s << *i;
        else if (const auto* d = std::get_if<double>(&value)) s << *d;
        else if (const auto* t = std::get_if<std::u16string>(&value)) s << platform::ToUtf8(*t);
        else if (const auto* b = std::get_if<std::vector<BYTE>>(&value)) s << b->size() << " bytes";
    }
    for (const auto& c : item.categories) s << " cat " << platform::ToUtf8(c);
    const auto& r = item.recurrence;
    s << " pattern " << r.type << "/" << r.interval << "/" << r.dayOfWeekMask << "/" << r.occurrences << "/"
      << r.patternStart << "/" << r.patternEnd << "/" << r.noEndDate;
    for (const auto& e : item.exceptions)
        s << " ex " << e.originalDay << (e.deleted ? " deleted " : " ") << e.start << "/" << e.duration << "/"
          << platform::ToUtf8(e.subject.value_or(u"-"));
    for (const auto& x : item.recipients) s << " to " << platform::ToUtf8(x.name) << " <" << platform::ToUtf8(x.address) << ">";
    return s.str();
}

}  // namespace

// Lists read as a set give each item exactly as a single read does, and a date range takes every
// item that can have an occurrence in it (a series ended by count may come too; it gives none).
TEST_F(Collections, SetReadsGiveWhatSingleReadsGive) {
    const CEOID weekly = SaveSeries(u"Weekly", Ole(2009, 1, 5, 9), 30, olRecursWeekly);
    const CEOID ended = SaveSeries(u"Ended", Ole(2008, 1, 1, 9), 30, olRecursDaily, 3);
    const CEOID later = SaveSeries(u"Later", Ole(2009, 6, 1, 8), 30, olRecursDaily);
    {
        // An occurrence of a later series moved into March, one of the weekly series deleted.
        auto series = Get<IAppointment>(later);
        IRecurrencePattern* raw = nullptr;
        ASSERT_EQ(series->GetRecurrencePattern(&raw), S_OK);
        Ref<IRecurrencePattern> pattern(raw);
        IAppointment* occ = nullptr;
        ASSERT_EQ(pattern->GetOccurrence(Ole(2009, 6, 2), &occ), S_OK);
        Ref<IAppointment> o(occ);
        o->put_Subject(u"Moved early");
        o->put_Start(Ole(2009, 3, 10, 7));
        ASSERT_EQ(o->Save(), S_OK);
        auto w = Get<IAppointment>(weekly);
        ASSERT_EQ(w->GetRecurrencePattern(&raw), S_OK);
        Ref<IRecurrencePattern> wp(raw);
        ASSERT_EQ(wp->GetOccurrence(Ole(2009, 3, 16), &occ), S_OK);
        Ref<IAppointment> gone(occ);
        ASSERT_EQ(gone->Delete(), S_OK);
    }
    std::vector<CEOID> singles;
    for (const DATE start : {Ole(2009, 3, 1), Ole(2009, 3, 31, 23, 59), Ole(2009, 4, 1), Ole(2009, 2, 28, 23, 59)}) {
        auto a = Create<IAppointment>(olAppointmentItem);
        a->put_Subject(u"Single");
        a->put_Start(start);
        a->put_Categories(u"Work, Home");
        IRecipients* rr = nullptr;
        ASSERT_EQ(a->get_Recipients(&rr), S_OK);
        Ref<IRecipients> recipients(rr);
        IRecipient* one = nullptr;
        ASSERT_EQ(recipients->Add(u"Ada", &one), S_OK);
        Ref<IRecipient> held(one);
        ASSERT_EQ(a->Save(), S_OK);
        LONG oid = 0;
        a->get_Oid(&oid);
        singles.push_back(static_cast<CEOID>(oid));
    }
    auto task = Create<ITask>(olTaskItem);
    task->put_Subject(u"Task");
    task->put_DueDate(Ole(2009, 3, 5));
    ASSERT_EQ(task->Save(), S_OK);

    const auto store = platform::pim::Store::Get();
    ASSERT_TRUE(store);
    for (const auto kind : {platform::pim::ItemKind::Appointment, platform::pim::ItemKind::Task}) {
        const auto all = store->LoadAll(kind);
        EXPECT_EQ(all.size(), kind == platform::pim::ItemKind::Task ? 1u : 7u);
        for (const auto& item : all) {
            const auto single = store->Load(item.oid);
            ASSERT_TRUE(single);
            EXPECT_EQ(Describe(item), Describe(*single));
        }
    }
    std::vector<CEOID> inMarch;
    for (const auto& item : store->LoadForRange(platform::pim::ItemKind::Appointment, Ole(2009, 3, 1), Ole(2009, 4, 1))) {
        if (item.oid != ended) inMarch.push_back(item.oid);
        EXPECT_EQ(Describe(item), Describe(*store->Load(item.oid)));
    }
    EXPECT_EQ(inMarch, (std::vector<CEOID>{weekly, later, singles[0], singles[1]}));
}

// A series that ends after a count is read only for the ranges it reaches; one of its occurrences
// moved past its end is still found there. A store made before the series kept their last day gets
// it when it is next opened for writing.
TEST_F(Collections, ASeriesEndedByCountIsReadOnlyWhereItReaches) {
    const CEOID threeDays = SaveSeries(u"Three days", Ole(2009, 3, 2, 9), 30, olRecursDaily, 3);
    const CEOID fourWeeks = SaveSeries(u"Four weeks", Ole(2009, 3, 2, 10), 30, olRecursWeekly, 4);
    {
        auto series = Get<IAppointment>(fourWeeks);
        IRecurrencePattern* raw = nullptr;
        ASSERT_EQ(series->GetRecurrencePattern(&raw), S_OK);
        Ref<IRecurrencePattern> pattern(raw);
        IAppointment* occ = nullptr;
        ASSERT_EQ(pattern->GetOccurrence(Ole(2009, 3, 9), &occ), S_OK);
        Ref<IAppointment> moved(occ);
        moved->put_Start(Ole(2009, 5, 20, 10));
        ASSERT_EQ(moved->Save(), S_OK);
    }
    using Oids = std::vector<CEOID>;
    const auto read = [](DATE from, DATE to) {
        Oids oids;
        const auto store = platform::pim::Store::Get();
        for (const auto& item : store->LoadForRange(platform::pim::ItemKind::Appointment, from, to))
            oids.push_back(item.oid);
        return oids;
    };
    const auto check = [&](const char* when) {
        EXPECT_EQ(read(Ole(2009, 3, 1), Ole(2009, 4, 1)), (Oids{threeDays, fourWeeks})) << when;
        EXPECT_EQ(read(Ole(2009, 4, 1), Ole(2009, 5, 1)), Oids{}) << when;
        EXPECT_EQ(read(Ole(2009, 5, 1), Ole(2009, 6, 1)), Oids{fourWeeks}) << when;
        EXPECT_EQ(Query(u"[Start] >= \"05/01/2009\" AND [Start] < \"06/01/2009\""),
                  (std::vector<std::pair<CEOID, DATE>>{{fourWeeks, Ole(2009, 5, 20, 10)}}))
            << when;
    };
    check("saved");

    // The same store as the first version left it: no last days, until the next writer opens it.
    app->Logoff();
    app.reset();
    sqlite3* older = nullptr;
    ASSERT_EQ(sqlite3_open((platform::DeviceRoot() / "pim.vol").string().c_str(), &older), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(older, "ALTER TABLE recurrences DROP COLUMN last_day; PRAGMA user_version = 1", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(older);
    IPOutlookApp2* raw = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp2,
                               reinterpret_cast<void**>(&raw)),
              S_OK);
    app.reset(raw);
    ASSERT_EQ(app->Logon(0), S_OK);
    check("opened again");
    ASSERT_EQ(sqlite3_open((platform::DeviceRoot() / "pim.vol").string().c_str(), &older), SQLITE_OK);
    sqlite3_stmt* lastDays = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(older, "SELECT oid, last_day FROM recurrences ORDER BY oid", -1, &lastDays, nullptr),
              SQLITE_OK);
    std::vector<std::pair<CEOID, DATE>> kept;
    while (sqlite3_step(lastDays) == SQLITE_ROW)
        kept.emplace_back(static_cast<CEOID>(sqlite3_column_int64(lastDays, 0)), sqlite3_column_double(lastDays, 1));
    sqlite3_finalize(lastDays);
    sqlite3_close(older);
    EXPECT_EQ(kept, (std::vector<std::pair<CEOID, DATE>>{{threeDays, Ole(2009, 3, 4)}, {fourWeeks, Ole(2009, 3, 23)}}));
}

// A collection hands out what it read while nothing was saved since; a change or delete made after
// is what the next element shows.
TEST_F(Collections, AWalkSeesChangesMadeDuringIt) {
    std::vector<CEOID> oids;
    for (const char16_t* subject : {u"One", u"Two", u"Three", u"Four"}) {
        auto t = Create<ITask>(olTaskItem);
        t->put_Subject(subject);
        ASSERT_EQ(t->Save(), S_OK);
        LONG oid = 0;
        t->get_Oid(&oid);
        oids.push_back(static_cast<CEOID>(oid));
    }
    auto items = Items(olFolderTasks);
    IDispatch* item = nullptr;
    for (int i = 1; i <= 2; ++i) {  // the second element reads the folder whole
        ASSERT_EQ(items->Item(i, &item), S_OK);
        Ref<IDispatch> held(item);
    }
    {
        auto three = Get<ITask>(oids[2]);
        three->put_Subject(u"Three, changed");
        ASSERT_EQ(three->Save(), S_OK);
        ASSERT_EQ(Get<ITask>(oids[3])->Delete(), S_OK);
    }
    ASSERT_EQ(items->Item(3, &item), S_OK);
    Ref<ITask> three(static_cast<ITask*>(item));
    BSTR b = nullptr;
    three->get_Subject(&b);
    EXPECT_EQ(Take(b), u"Three, changed");
    EXPECT_EQ(items->Item(4, &item), E_FAIL) << "deleted since the list was taken";

    // The same for a restricted list.
    auto all = Items(olFolderTasks);
    IPOutlookItemCollection* raw = nullptr;
    ASSERT_EQ(all->Restrict(u"[Subject] <> \"\"", &raw), S_OK);
    Ref<IPOutlookItemCollection> named(raw);
    int count = 0;
    named->get_Count(&count);
    ASSERT_EQ(count, 3);
    ASSERT_EQ(Get<ITask>(oids[0])->Delete(), S_OK);
    EXPECT_EQ(named->Item(1, &item), E_FAIL);
    ASSERT_EQ(named->Item(2, &item), S_OK);
    Ref<ITask> two(static_cast<ITask*>(item));
    two->get_Subject(&b);
    EXPECT_EQ(Take(b), u"Two");
}

// Objects handed out from one list are each the user's own: a change made through one, saved or
// not, is not seen through another taken from the same list, nor through the list afterwards.
TEST_F(Collections, ObjectsFromOneListChangeApart) {
    SaveAppt(u"Single", Ole(2009, 3, 10, 14), 30);
    SaveSeries(u"Standup", Ole(2009, 3, 3, 9), 15, olRecursWeekly, 2);
    auto items = Items(olFolderCalendar);
    items->put_IncludeRecurrences(VARIANT_TRUE);
    IPOutlookItemCollection* raw = nullptr;
    ASSERT_EQ(items->Restrict(u"[Start] >= \"03/01/2009\" AND [Start] < \"04/01/2009\"", &raw), S_OK);
    Ref<IPOutlookItemCollection> month(raw);
    int count = 0;
    month->get_Count(&count);
    ASSERT_EQ(count, 3);  // Standup 3 March, Single 10 March 14:00, Standup 10 March 9:00
    auto element = [&](int index) {
        IDispatch* item = nullptr;
        EXPECT_EQ(month->Item(index, &item), S_OK);
        return Ref<IAppointment>(static_cast<IAppointment*>(item));
    };
    auto text = [](const Ref<IAppointment>& a, HRESULT (IAppointment::*get)(BSTR*)) {
        BSTR b = nullptr;
        ((*a).*get)(&b);
        return Take(b);
    };
    ASSERT_EQ(text(element(3), &IAppointment::get_Subject), u"Single");

    // The single item taken twice; one changed in several ways, not saved.
    auto first = element(3);
    auto second = element(3);
    first->put_Subject(u"Changed");
    first->put_Categories(u"Work");
    first->put_Duration(90);
    IRecipients* rr = nullptr;
    ASSERT_EQ(first->get_Recipients(&rr), S_OK);
    Ref<IRecipients> recipients(rr);
    IRecipient* one = nullptr;
    ASSERT_EQ(recipients->Add(u"Ada", &one), S_OK);
    Ref<IRecipient> ada(one);
    EXPECT_EQ(text(first, &IAppointment::get_Subject), u"Changed");
    for (int pass = 0; pass < 2; ++pass) {
        const auto other = pass == 0 ? std::move(second) : element(3);
        EXPECT_EQ(text(other, &IAppointment::get_Subject), u"Single") << pass;
        EXPECT_EQ(text(other, &IAppointment::get_Categories), u"") << pass;
        LONG minutes = 0;
        other->get_Duration(&minutes);
        EXPECT_EQ(minutes, 30) << pass;
        IRecipients* orr = nullptr;
        ASSERT_EQ(other->get_Recipients(&orr), S_OK);
        Ref<IRecipients> otherRecipients(orr);
        int attendees = -1;
        otherRecipients->get_Count(&attendees);
        EXPECT_EQ(attendees, 0) << pass;
    }

    // Two occurrences of one series: the series' categories changed through one are not the
    // other's, before the save or after it; the list's next elements read the saved series.
    auto march3 = element(1);
    auto march10 = element(2);
    march3->put_Categories(u"Home");
    EXPECT_EQ(text(march10, &IAppointment::get_Categories), u"");
    EXPECT_EQ(text(element(1), &IAppointment::get_Categories), u"");
    ASSERT_EQ(march3->Save(), S_OK);
    EXPECT_EQ(text(march10, &IAppointment::get_Categories), u"");
    EXPECT_EQ(text(element(1), &IAppointment::get_Categories), u"Home");
    EXPECT_EQ(text(element(2), &IAppointment::get_Categories), u"Home");
    EXPECT_EQ(text(element(3), &IAppointment::get_Subject), u"Single") << "never saved";
}

// Month after month, what the store holds now: a series changed or deleted by another connection
// (another program), or changed by this one, is seen by the next query.
TEST_F(Collections, RepeatedMonthQueriesSeeEachChangeOfASeries) {
    const CEOID daily = SaveSeries(u"Daily", Ole(2009, 3, 1, 9), 15, olRecursDaily);
    const CEOID weekly = SaveSeries(u"Weekly", Ole(2009, 3, 2, 10), 15, olRecursWeekly);
    auto subjects = [&](const char16_t* window) {
        auto items = Items(olFolderCalendar);
        items->put_IncludeRecurrences(VARIANT_TRUE);
        IPOutlookItemCollection* raw = nullptr;
        EXPECT_EQ(items->Restrict(window, &raw), S_OK);
        Ref<IPOutlookItemCollection> found(raw);
        std::vector<std::u16string> result;
        int count = 0;
        found->get_Count(&count);
        for (int i = 1; i <= count && i <= 3; ++i) {
            IDispatch* item = nullptr;
            EXPECT_EQ(found->Item(i, &item), S_OK);
            Ref<IAppointment> a(static_cast<IAppointment*>(item));
            BSTR b = nullptr;
            a->get_Subject(&b);
            result.push_back(Take(b));
        }
        return result;
    };
    const char16_t* march = u"[Start] >= \"03/02/2009\" AND [Start] < \"03/03/2009\"";
    const char16_t* april = u"[Start] >= \"04/06/2009\" AND [Start] < \"04/07/2009\"";
    using Subjects = std::vector<std::u16string>;
    ASSERT_EQ(subjects(march), (Subjects{u"Daily", u"Weekly"}));
    ASSERT_EQ(subjects(april), (Subjects{u"Daily", u"Weekly"}));

    // Another connection renames one series and deletes the other.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((platform::DeviceRoot() / "pim.vol").string().c_str(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 5000);
    const std::string sql = "UPDATE props SET value = 'Daily, renamed' WHERE oid = " + std::to_string(daily) +
                            " AND propid = " + std::to_string(PIMPR_SUBJECT) + "; DELETE FROM items WHERE oid = " +
                            std::to_string(weekly) + "; DELETE FROM recurrences WHERE oid = " + std::to_string(weekly);
    EXPECT_EQ(sqlite3_exec(other, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(subjects(march), (Subjects{u"Daily, renamed"}));

    // This process changes it again.
    auto series = Get<IAppointment>(daily);
    ASSERT_TRUE(series);
    series->put_Subject(u"Daily, again");
    ASSERT_EQ(series->Save(), S_OK);
    EXPECT_EQ(subjects(april), (Subjects{u"Daily, again"}));
    EXPECT_EQ(subjects(march), (Subjects{u"Daily, again"}));

    // Its own saves that add, end or remove a series (what the next query reads again alone).
    const CEOID fresh = SaveSeries(u"Fresh", Ole(2009, 3, 2, 11), 15, olRecursDaily);
    EXPECT_EQ(subjects(april), (Subjects{u"Daily, again", u"Fresh"}));
    ASSERT_EQ(series->ClearRecurrencePattern(), S_OK);
    ASSERT_EQ(series->Save(), S_OK);
    EXPECT_EQ(subjects(april), (Subjects{u"Fresh"}));
    EXPECT_EQ(subjects(march), (Subjects{u"Fresh"}));
    auto made = Get<IAppointment>(fresh);
    ASSERT_TRUE(made);
    ASSERT_EQ(made->Delete(), S_OK);
    EXPECT_EQ(subjects(april), Subjects{});
    // A single item made a series again, then another connection's change beside this one's.
    IRecurrencePattern* raw = nullptr;
    ASSERT_EQ(series->GetRecurrencePattern(&raw), S_OK);
    Ref<IRecurrencePattern>(raw)->put_RecurrenceType(olRecursDaily);
    ASSERT_EQ(series->Save(), S_OK);
    EXPECT_EQ(subjects(april), (Subjects{u"Daily, again"}));
    series->put_Subject(u"Daily, third");
    ASSERT_EQ(series->Save(), S_OK);
    ASSERT_EQ(sqlite3_open((platform::DeviceRoot() / "pim.vol").string().c_str(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 5000);
    const std::string rename = "UPDATE props SET value = 'Daily, theirs' WHERE oid = " + std::to_string(daily) +
                               " AND propid = " + std::to_string(PIMPR_SUBJECT);
    EXPECT_EQ(sqlite3_exec(other, rename.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(subjects(april), (Subjects{u"Daily, theirs"}));
}
