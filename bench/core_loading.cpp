// The program's loaders on a full device, the most the store holds of each kind: 20,000 contacts and
// 20,000 tasks loaded through the object model and from the database volume, the categories with
// every item's category pairs, and the month cache built for one month of 20,000 appointments
// (1,000 of them series, nine in ten ending after a count), then served again from it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/sqlite_floor.h"
#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/month_cache.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "platform/testing.h"

namespace {

constexpr int kAppointments = 20000;
constexpr int kRecurring = 1000;
constexpr int kContacts = 20000;
constexpr int kTasks = 20000;
constexpr int kDaysSpread = 730;  // two years from 1 January 2008

std::u16string Letter(char16_t base, int i) { return std::u16string(1, static_cast<char16_t>(base + i % 26)); }

template <class T>
PoomPtr<T> Create(int type, REFIID iid) {
    PoomPtr<IDispatch> item;
    GetPoomApp()->CreateItem(type, item.Out());
    return QueryPoom<T>(item.Get(), iid);
}

// Filled once through the object model; the program's session and volume stay open for the run.
struct Device {
    Device() {
        StartPoomSession(nullptr);
        IPOutlookApp* app = GetPoomApp();
        SYSTEMTIME firstDay = DateRec(2008, 1, 1);
        DATE first = 0;
        app->SystemTimeToVariantTime(&firstDay, &first);
        for (int i = 0; i < kAppointments; ++i) {
            PoomPtr<IAppointment> a = Create<IAppointment>(olAppointmentItem, IID_IAppointment);
            a->put_Subject((u"Appointment " + Letter(u'A', i)).c_str());
            a->put_Start(first + (i % kDaysSpread) + (8 + i % 10) / 24.0);
            a->put_Duration(i % 50 == 0 ? 3 * 24 * 60 : 30 + i % 90);
            a->put_ReminderSet(VARIANT_FALSE);
            a->put_Categories(i % 3 ? u"Work" : u"Home");
            if (i < kRecurring) {
                PoomPtr<IRecurrencePattern> p;
                a->GetRecurrencePattern(p.Out());
                p->put_RecurrenceType(i % 2 ? olRecursWeekly : olRecursMonthly);
                // Most series end after a count, as the bars' generator and imported calendars make them.
                if (i % 10 != 0) p->put_Occurrences(i % 2 ? 52 : 24);
            }
            a->Save();
        }
        for (int i = 0; i < kContacts; ++i) {
            PoomPtr<IContact> c = Create<IContact>(olContactItem, IID_IContact);
            c->put_FirstName((u"First" + Letter(u'a', i)).c_str());
            c->put_LastName((u"Last" + Letter(u'a', i / 26)).c_str());
            c->put_CompanyName(i % 4 ? u"Company" : u"");
            c->put_MobileTelephoneNumber(u"555-0100");
            if (i % 10 == 0) c->put_Birthday(first + i % 365);
            c->Save();
        }
        for (int i = 0; i < kTasks; ++i) {
            PoomPtr<ITask> t = Create<ITask>(olTaskItem, IID_ITask);
            t->put_Subject((Letter(u'A', i) + u"1: Task " + Letter(u'a', i / 26)).c_str());
            t->put_DueDate(first + i % kDaysSpread);
            t->put_Importance(i % 3);
            t->put_Categories(u"Errands");
            t->Save();
        }
        MountPimVol(g_PimVol);
        g_SelectedDate = DateRec(2009, 3, 15);
        g_Settings.cacheLast = 0;
        g_Settings.searchCompany = 1;
    }

    platform::testing::TestDevice device;
};

Device& TheDevice() {
    static Device* device = new Device();  // kept to the end of the run
    return *device;
}

void BM_TasksThroughObjectModel(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) LoadTskPOOM();
    state.counters["tasks"] = g_TskList.Size();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kKindRowsSql, olTaskItem);
}
BENCHMARK(BM_TasksThroughObjectModel)->Unit(benchmark::kMillisecond);

void BM_TasksFromVolume(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) LoadTskDb(0);
    state.counters["tasks"] = g_TskList.Size();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kKindRowsSql, olTaskItem);
}
BENCHMARK(BM_TasksFromVolume)->Unit(benchmark::kMillisecond);

void BM_ContactsThroughObjectModel(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) LoadCtsPOOM();
    state.counters["contacts"] = g_CtsList.Size();
    state.counters["dates"] = g_AnnivList.Size();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kKindRowsSql, olContactItem);
}
BENCHMARK(BM_ContactsThroughObjectModel)->Unit(benchmark::kMillisecond);

void BM_ContactsFromVolume(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) LoadCtsDb(0);
    state.counters["contacts"] = g_CtsList.Size();
    state.counters["dates"] = g_AnnivList.Size();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kKindRowsSql, olContactItem);
}
BENCHMARK(BM_ContactsFromVolume)->Unit(benchmark::kMillisecond);

// The category list and every item's category pairs, as the start reads them.
void BM_CategoriesFromVolume(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) {
        LoadCategories();
        ReloadCategoryAssoc();
    }
    state.counters["pairs"] = g_CatAssocLists.appts.Size() + g_CatAssocLists.contacts.Size() + g_CatAssocLists.tasks.Size();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kCategoryRowsSql, 0);
}
BENCHMARK(BM_CategoriesFromVolume)->Unit(benchmark::kMillisecond);

// A reset and the shown month read again, as after every calendar change.
void BM_MonthCacheBuild(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) LoadApptsForMonth(1, 0);
    state.counters["appointments"] = g_ApptCache.curAppts->Size();
    state.counters["spans"] = g_ApptCache.curSpans->Size();
    // The month window the cache reads: from a few days before the month to a few days after.
    DateRec from, to;
    MonthWindow(2009, 3, from, to);
    SYSTEMTIME a = from, b = to;
    DATE first = 0, last = 0;
    GetPoomApp()->SystemTimeToVariantTime(&a, &first);
    GetPoomApp()->SystemTimeToVariantTime(&b, &last);
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kRangeRowsSql, olAppointmentItem, {first, last});
}
BENCHMARK(BM_MonthCacheBuild)->Unit(benchmark::kMillisecond);

// Navigating back to a month already visited.
void BM_MonthCacheServed(benchmark::State& state) {
    TheDevice();
    LoadApptsForMonth(1, 0);
    for (auto _ : state) {
        g_SelectedDate = DateRec(2009, 4, 15);
        LoadApptsForMonth(0, 0);
        g_SelectedDate = DateRec(2009, 3, 15);
        LoadApptsForMonth(0, 0);
    }
}
BENCHMARK(BM_MonthCacheServed)->Unit(benchmark::kMicrosecond);

}  // namespace
