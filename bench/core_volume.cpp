// The program's volume readers on a full device: 5,000 contacts with birthdays and 2,000 tasks,
// each with categories. Measures the category tables, the contact list in name order with the
// anniversary list, and the task list put in order by the three-key sorted insert.
#include <benchmark/benchmark.h>

#include <string>

#include "core/anniv_list.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/tsk_record.h"
#include "platform/testing.h"

namespace {

constexpr int kContacts = 5000;
constexpr int kTasks = 2000;
constexpr DATE kFirstDay = 39448.0;  // 1 January 2008
constexpr int kDaysSpread = 730;

std::u16string Letter(char16_t base, int i) { return std::u16string(1, static_cast<char16_t>(base + i % 26)); }

// Filled once through the object model, as another program would fill it.
struct Device {
    Device() {
        StartPoomSession(nullptr);
        IPOutlookApp2* app = GetPoomApp();
        for (int i = 0; i < kContacts; ++i) {
            PoomPtr<IDispatch> item;
            app->CreateItem(olContactItem, item.Out());
            const PoomPtr<IContact> c = QueryPoom<IContact>(item.Get(), IID_IContact);
            c->put_FirstName((u"First" + Letter(u'a', i)).c_str());
            c->put_LastName((u"Last" + Letter(u'a', i / 26) + Letter(u'a', i)).c_str());
            c->put_CompanyName((u"Company" + Letter(u'A', i / 7)).c_str());
            c->put_Birthday(kFirstDay - 9000 - i);
            c->put_Categories(i % 2 ? u"Friends,Work" : u"Family");
            c->Save();
        }
        for (int i = 0; i < kTasks; ++i) {
            PoomPtr<IDispatch> item;
            app->CreateItem(olTaskItem, item.Out());
            const PoomPtr<ITask> t = QueryPoom<ITask>(item.Get(), IID_ITask);
            t->put_Subject((Letter(u'A', i) + u"1: Task " + Letter(u'a', i / 26)).c_str());
            t->put_DueDate(kFirstDay + i % kDaysSpread);
            t->put_Importance(i % 3);
            t->put_Categories(i % 3 ? u"Errands" : u"Work,Home");
            t->Save();
        }
        MountPimVol(volume);
        ReadCatMainDb(volume, cats);
        ReadCatAssocDb(volume, contactPairs, taskPairs, &apptPairs);
    }

    platform::testing::TestDevice device;
    CEGUID volume{};
    CatArray cats;
    CatPairArray contactPairs, taskPairs, apptPairs;
};

Device& TheDevice() {
    static Device* device = new Device();  // kept to the end of the run
    return *device;
}

void BM_CategoryTables(benchmark::State& state) {
    Device& d = TheDevice();
    for (auto _ : state) {
        CatArray cats;
        CatPairArray contacts, tasks, appts;
        ReadCatMainDb(d.volume, cats);
        ReadCatAssocDb(d.volume, contacts, tasks, &appts);
        state.counters["pairs"] = contacts.Size() + tasks.Size() + appts.Size();
    }
}
BENCHMARK(BM_CategoryTables)->Unit(benchmark::kMillisecond);

void BM_ContactsWithAnniversaries(benchmark::State& state) {
    Device& d = TheDevice();
    for (auto _ : state) {
        CtsArray contacts;
        AnnivArray annivs;
        LONG byCompany = 0;
        ReadCtsDbDirect(d.volume, contacts, annivs, d.cats, d.contactPairs, 0, byCompany, 1);
        state.counters["contacts"] = contacts.Size();
    }
}
BENCHMARK(BM_ContactsWithAnniversaries)->Unit(benchmark::kMillisecond);

void BM_TasksBySortedInsert(benchmark::State& state) {
    Device& d = TheDevice();
    for (auto _ : state) {
        TskArray tasks;
        ReadTskDbDirect(d.volume, tasks, d.cats, d.taskPairs, kTskSortDueDate, kTskSortPriority, kTskSortName, true,
                        false, true);
        state.counters["tasks"] = tasks.Size();
    }
}
BENCHMARK(BM_TasksBySortedInsert)->Unit(benchmark::kMillisecond);

}  // namespace
