// The PIM store under a full device's load: the most it holds of each kind, 20,000 appointments
// (1,000 of them series, nine in ten ending after a count), 20,000 contacts and 20,000 tasks. Measures the calendar's month query with occurrences, loading all
// contacts and all tasks through the object model and through the database volume, and one save.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bench/sqlite_floor.h"
#include "platform/device.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/poom.h"
#include "platform/testing.h"
#include "platform/time.h"

namespace {

constexpr int kAppointments = 20000;
constexpr int kRecurring = 1000;
constexpr int kContacts = 20000;
constexpr int kTasks = 20000;
constexpr int kDaysSpread = 730;  // two years of appointments

DATE Day(int y, int m, int d) {
    SYSTEMTIME st{static_cast<WORD>(y), static_cast<WORD>(m), 0, static_cast<WORD>(d), 0, 0, 0, 0};
    DATE date = 0;
    SystemTimeToVariantTime(&st, &date);
    return date;
}

std::u16string Letter(char16_t base, int i) { return std::u16string(1, static_cast<char16_t>(base + i % 26)); }

template <class T>
T* Create(IPOutlookApp* app, int type) {
    IDispatch* item = nullptr;
    app->CreateItem(type, &item);
    return static_cast<T*>(item);
}

// Filled once through the object model, item by item, as another program would.
struct Device {
    Device() {
        CoInitializeEx(nullptr, 0);
        CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                         reinterpret_cast<void**>(&app));
        app->Logon(0);
        const DATE first = Day(2008, 1, 1);
        for (int i = 0; i < kAppointments; ++i) {
            auto* a = Create<IAppointment>(app, olAppointmentItem);
            a->put_Subject((u"Appointment " + Letter(u'A', i)).c_str());
            a->put_Start(first + (i % kDaysSpread) + (8 + i % 10) / 24.0);
            a->put_Duration(30 + i % 90);
            a->put_ReminderSet(VARIANT_FALSE);
            a->put_Categories(i % 3 ? u"Work" : u"Home");
            if (i < kRecurring) {
                IRecurrencePattern* p = nullptr;
                a->GetRecurrencePattern(&p);
                p->put_RecurrenceType(i % 2 ? olRecursWeekly : olRecursMonthly);
                // Most series end after a count, as imported calendars make them.
                if (i % 10 != 0) p->put_Occurrences(i % 2 ? 52 : 24);
                p->Release();
            }
            a->Save();
            a->Release();
        }
        for (int i = 0; i < kContacts; ++i) {
            auto* c = Create<IContact>(app, olContactItem);
            c->put_FirstName((u"First" + Letter(u'a', i)).c_str());
            c->put_LastName((u"Last" + Letter(u'a', i / 26)).c_str());
            c->put_CompanyName(u"Company");
            c->put_MobileTelephoneNumber(u"555-0100");
            c->Save();
            c->Release();
        }
        for (int i = 0; i < kTasks; ++i) {
            auto* t = Create<ITask>(app, olTaskItem);
            t->put_Subject((u"Task " + Letter(u'a', i)).c_str());
            t->put_DueDate(first + i % kDaysSpread);
            t->put_Categories(u"Errands");
            t->Save();
            t->Release();
        }
        CeMountDBVolEx(&volume, u"pim.vol", nullptr, OPEN_EXISTING);
    }

    platform::testing::TestDevice device;
    IPOutlookApp* app = nullptr;
    CEGUID volume{};
};

Device& TheDevice() {
    static Device* device = new Device();  // kept to the end of the run
    return *device;
}

IPOutlookItemCollection* FolderItems(int folder) {
    IFolder* f = nullptr;
    TheDevice().app->GetDefaultFolder(folder, &f);
    IPOutlookItemCollection* items = nullptr;
    f->get_Items(&items);
    f->Release();
    return items;
}

// One month with its occurrences; the walk reads what a month view reads of each.
int QueryMonth() {
    IPOutlookItemCollection* items = FolderItems(olFolderCalendar);
    items->put_IncludeRecurrences(VARIANT_TRUE);
    IPOutlookItemCollection* month = nullptr;
    items->Restrict(u"[Start] >= \"02/23/2009\" AND [Start] < \"04/07/2009\"", &month);
    items->Release();
    int count = 0;
    month->get_Count(&count);
    for (int i = 1; i <= count; ++i) {
        IDispatch* item = nullptr;
        month->Item(i, &item);
        auto* a = static_cast<IAppointment*>(item);
        LONG oid = 0;
        DATE start = 0;
        BSTR subject = nullptr;
        a->get_Oid(&oid);
        a->get_Start(&start);
        a->get_Subject(&subject);
        SysFreeString(subject);
        a->Release();
    }
    month->Release();
    return count;
}

void BM_MonthQueryWithOccurrences(benchmark::State& state) {
    TheDevice();
    for (auto _ : state) state.counters["elements"] = QueryMonth();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kRangeRowsSql, olAppointmentItem,
                                                      {Day(2009, 2, 23), Day(2009, 4, 7)});
}
BENCHMARK(BM_MonthQueryWithOccurrences)->Unit(benchmark::kMillisecond);

// The same month right after a save, so nothing kept from the query before can serve it.
void BM_MonthQueryAfterASave(benchmark::State& state) {
    TheDevice();
    IPOutlookItemCollection* items = FolderItems(olFolderCalendar);
    IDispatch* first = nullptr;
    items->Item(1, &first);
    items->Release();
    auto* changed = static_cast<IAppointment*>(first);
    bool flip = false;
    for (auto _ : state) {
        state.PauseTiming();
        changed->put_Subject(flip ? u"Changed A" : u"Changed B");
        changed->Save();
        flip = !flip;
        state.ResumeTiming();
        state.counters["elements"] = QueryMonth();
    }
    changed->Release();
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kRangeRowsSql, olAppointmentItem,
                                                      {Day(2009, 2, 23), Day(2009, 4, 7)});
}
BENCHMARK(BM_MonthQueryAfterASave)->Unit(benchmark::kMillisecond);

void LoadThroughObjectModel(benchmark::State& state, int folder, CEPROPID textProp) {
    TheDevice();
    for (auto _ : state) {
        IPOutlookItemCollection* items = FolderItems(folder);
        int count = 0;
        items->get_Count(&count);
        for (int i = 1; i <= count; ++i) {
            IDispatch* item = nullptr;
            items->Item(i, &item);
            IItem* props = nullptr;
            item->QueryInterface(IID_IItem, reinterpret_cast<void**>(&props));
            CEPROPVAL* values = nullptr;
            ULONG bytes = 0;
            props->GetProps(&textProp, CEDB_ALLOWREALLOC, 1, &values, &bytes, GetProcessHeap());
            HeapFree(GetProcessHeap(), 0, values);
            props->Release();
            item->Release();
        }
        items->Release();
        state.counters["items"] = count;
    }
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kKindRowsSql, folder == olFolderContacts ? olContactItem
                                                                                                      : olTaskItem);
}

void BM_AllContactsObjectModel(benchmark::State& state) { LoadThroughObjectModel(state, olFolderContacts, PIMPR_FILEAS); }
BENCHMARK(BM_AllContactsObjectModel)->Unit(benchmark::kMillisecond);

void BM_AllTasksObjectModel(benchmark::State& state) { LoadThroughObjectModel(state, olFolderTasks, PIMPR_SUBJECT); }
BENCHMARK(BM_AllTasksObjectModel)->Unit(benchmark::kMillisecond);

void LoadThroughVolume(benchmark::State& state, const char16_t* name, SORTORDERSPECEX sort,
                       std::vector<CEPROPID> props) {
    Device& d = TheDevice();
    for (auto _ : state) {
        const HANDLE db = CeOpenDatabaseInSession(nullptr, &d.volume, nullptr, name, &sort, CEDB_AUTOINCREMENT, nullptr);
        LPBYTE buffer = nullptr;
        DWORD size = 0;
        int count = 0;
        for (;;) {
            WORD n = static_cast<WORD>(props.size());
            if (!CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &n, props.data(), &buffer, &size, GetProcessHeap())) break;
            HeapFree(GetProcessHeap(), 0, buffer);
            buffer = nullptr;
            ++count;
        }
        CloseHandle(db);
        state.counters["records"] = count;
    }
    state.counters["floor_ms"] = bench::SqliteFloorMs(
        bench::kKindRowsSql, name[0] == u'C' ? olContactItem : olTaskItem);
}

void BM_AllContactsVolume(benchmark::State& state) {
    SORTORDERSPECEX sort{};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = 1;
    sort.rgPropID[0] = PIMPR_FILEAS;
    sort.rgdwFlags[0] = CEDB_SORT_CASEINSENSITIVE;
    LoadThroughVolume(state, u"Contacts Database", sort, {0x10000066, PIMPR_FIRST_NAME, PIMPR_LAST_NAME,
                                                          PIMPR_COMPANY_NAME, PIMPR_FILEAS});
}
BENCHMARK(BM_AllContactsVolume)->Unit(benchmark::kMillisecond);

void BM_AllTasksVolume(benchmark::State& state) {
    SORTORDERSPECEX sort{};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = 1;
    sort.rgPropID[0] = PIMPR_SUBJECT;
    sort.rgdwFlags[0] = CEDB_SORT_CASEINSENSITIVE;
    LoadThroughVolume(state, u"Tasks Database", sort,
                      {0x10000066, 0x0020001F, 0x00620040, 0x00640040, 0x00630040, 0x00600013, 0x0028000B, 0x00210013,
                       0x203F0064, 0x001E0064});
}
BENCHMARK(BM_AllTasksVolume)->Unit(benchmark::kMillisecond);

void BM_SaveOneAppointment(benchmark::State& state) {
    Device& d = TheDevice();
    IDispatch* item = nullptr;
    d.app->GetItemFromOid(0x40000100, &item);
    auto* a = static_cast<IAppointment*>(item);
    LONG minutes = 30;
    for (auto _ : state) {
        a->put_Duration(minutes = minutes == 30 ? 45 : 30);
        a->Save();
    }
    a->Release();
}
BENCHMARK(BM_SaveOneAppointment)->Unit(benchmark::kMicrosecond);

#ifdef QV_DEVICECTL_PATH
// Runs devicectl on the benchmark's device with its output thrown away; the wall time in
// milliseconds, or a negative number when it did not end with `expected`.
double RunDevicectl(const std::vector<std::string>& args, int expected) {
    std::vector<std::string> words{QV_DEVICECTL_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    std::string device = "QUORVIA_DEVICE=" + platform::DeviceRoot().string();
    char* envp[] = {device.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp) == 0) waitpid(pid, &status, 0);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) && WEXITSTATUS(status) == expected ? took.count() : -1;
}

// `devicectl pim list appointments` for a month, the tool's own start included: one the calendar
// query reads and one after the data, where only the series without an end reach. start_ms is the
// tool's start alone (its usage text), best of a few runs.
void DevicectlMonthListing(benchmark::State& state, int year) {
    TheDevice();
    const std::string y = std::to_string(year);
    const std::vector<std::string> month{"pim", "list", "appointments", "--from", y + "-02-23", "--to", y + "-04-06"};
    for (auto _ : state) {
        if (RunDevicectl(month, 0) < 0) state.SkipWithError("devicectl failed");
    }
    double start = 1e9;
    for (int run = 0; run < 5; ++run) start = std::min(start, RunDevicectl({}, 2));
    state.counters["start_ms"] = start;
    state.counters["floor_ms"] = bench::SqliteFloorMs(bench::kRangeRowsSql, olAppointmentItem,
                                                      {Day(year, 2, 23), Day(year, 4, 7)});
}

void BM_DevicectlMonthListing(benchmark::State& state) { DevicectlMonthListing(state, 2009); }
BENCHMARK(BM_DevicectlMonthListing)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DevicectlMonthListingAfterTheData(benchmark::State& state) { DevicectlMonthListing(state, 2011); }
BENCHMARK(BM_DevicectlMonthListingAfterTheData)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

}  // namespace
