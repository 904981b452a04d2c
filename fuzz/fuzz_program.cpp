#include "fuzz/fuzz_program.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_nav.h"
#include "calendar/sched_list.h"
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "frame/frame_hooks.h"
#include "frame/load_thread.h"
#include "frame/main_window.h"
#include "fuzz/fuzz_device.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "pim/store.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

namespace fuzz {
namespace {

using platform::pim::ItemData;
using platform::pim::ItemKind;

// What one input brings in and shows: the first items of every seed, few enough that an input
// costs a few paints of each view.
constexpr std::size_t kItemsImported = 8;
constexpr std::size_t kDaysShown = 2;
// The range listed from an item's day: the six weeks a month view can show.
constexpr std::int64_t kListedDays = 42;
// The days the store can hold (1601-01-01 to 4500-12-31), which the views are taken to.
const std::int64_t kFirstDay = platform::pim::DaysFromCivil(1601, 1, 1);
const std::int64_t kLastDay = platform::pim::DaysFromCivil(4500, 12, 31);
// OLE dates count from 30 December 1899.
const std::int64_t kOleEpoch = platform::pim::DaysFromCivil(1899, 12, 30);

void Command(UINT id) {
    SendMessageW(g_Frame.mainWnd, WM_COMMAND, id, 0);
    platform::testing::PumpUntilIdle();
}

// The program as WinMain runs it: started over an empty store, the load thread let to finish, and
// everything it made undone again by its close.
class Program {
public:
    Program() {
        EnsureDevice();
        // A fixed today: the month view marks it, and the clock's timers never fire between inputs.
        platform::testing::FreezeClock(SYSTEMTIME{2026, 3, 2, 10, 9, 0, 0, 0});
        RegisterFrameHooks();
        RegisterQuorviaResources();
        g_Main.instance = GetModuleHandleW(nullptr);
        InitCommonControls();
        screen_.emplace();
        store_ = platform::pim::Store::Get();
        if (!store_ || !InitInstance(g_Main.instance, SW_SHOW)) std::abort();
        platform::testing::PumpUntilIdle();
        EndLoadThread();
        platform::testing::PumpUntilIdle();
    }
    // The main window closed as the program's own close does, its load thread ended and its quit
    // message taken, then the screen stopped; the device outlives it.
    ~Program() {
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) DestroyWindow(g_Frame.mainWnd);
        platform::testing::PumpUntilIdle();
        g_Frame.mainWnd = nullptr;
        EndLoadThread();
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
        platform::testing::CloseItemCardApps();
        store_.reset();
        screen_.reset();
        platform::testing::ThawClock();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::pim::Store& Store() { return *store_; }

private:
    std::optional<platform::testing::TestScreen> screen_;
    std::shared_ptr<platform::pim::Store> store_;
};

// The thread the program runs on for the whole run, each input's work handed to it in turn. The
// program's windows and message queue belong to that thread, so they stay whole until the thread
// closes the program and ends, which its owner waits for.
class ProgramThread {
public:
    ProgramThread() : thread_([this] { Run(); }) {}
    ~ProgramThread() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    ProgramThread(const ProgramThread&) = delete;
    ProgramThread& operator=(const ProgramThread&) = delete;

    // Runs the work on the program's thread and returns when it is done.
    void Do(const std::function<void(Program&)>& work) {
        std::unique_lock<std::mutex> lock(mutex_);
        work_ = &work;
        wake_.notify_all();
        done_.wait(lock, [this] { return work_ == nullptr; });
    }

private:
    void Run() {
        Program program;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || work_ != nullptr; });
            if (work_) {
                (*work_)(program);
                work_ = nullptr;
                done_.notify_all();
            } else {
                return;
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(Program&)>* work_ = nullptr;
    bool stopping_ = false;
    std::thread thread_;  // last: starts once the rest is made
};

// Held by the calling thread: an ending process destroys its thread's own objects before any
// static one, so the program closes while everything it uses is still there.
ProgramThread& TheProgram() {
    thread_local ProgramThread program;
    return program;
}

// The days in the month view, then in the Day view in its two-line list and drawn: each view
// switched to once, then taken from day to day as the date moves.
void ShowDays(const std::vector<DateRec>& days) {
    if (days.empty()) return;
    g_SelectedDate = days.front();
    Command(IDM_VIEW_MONTH);
    for (std::size_t i = 1; i < days.size(); ++i) {
        g_SelectedDate = days[i];
        RefreshAppts();
        RefreshCurView();
        platform::testing::PumpUntilIdle();
    }
    for (const LONG format : {kAgendaTwoLines, kAgendaDrawn}) {
        g_Settings.agendaFmt = format;
        for (const DateRec& day : days) {
            g_SelectedDate = day;
            ShowSelDayView();
            platform::testing::PumpUntilIdle();
        }
    }
    g_Settings.agendaFmt = AppSettings().agendaFmt;
}

// The day of an OLE date inside the store's years, or nothing for no date.
std::optional<std::int64_t> CivilDay(DATE date) {
    if (platform::pim::IsNoDate(date) || !(date > -1e7 && date < 1e7)) return std::nullopt;
    return std::clamp(platform::pim::OleDay(date) + kOleEpoch, kFirstDay, kLastDay);
}

DateRec DayRec(std::int64_t civilDay) {
    int year = 0, month = 0, day = 0;
    platform::pim::CivilFromDays(civilDay, year, month, day);
    return DateRec(year, month, day);
}

// The store emptied in one transaction, as a fresh device has it; the program takes the deletions in.
void EmptyStore(platform::pim::Store& store) {
    store.InTransaction([&] {
        for (const ItemKind kind : {ItemKind::Appointment, ItemKind::Task, ItemKind::Contact})
            for (const CEOID oid : store.Oids(kind))
                if (FAILED(store.Delete(oid))) return false;
        return true;
    });
    platform::testing::PumpUntilIdle();
}

// The days to show: each appointment's first occurrence in the weeks from its start (read as a
// listing reads the range, every series in it expanded), each task's due day, each contact's
// birthday and anniversary.
std::vector<std::int64_t> ListedDays(platform::pim::Store& store, const std::vector<ItemData>& items) {
    std::vector<std::int64_t> days;
    for (const ItemData& item : items) {
        switch (item.kind) {
        case ItemKind::Appointment: {
            const auto first = CivilDay(item.Date(PIMPR_START, 0));
            if (!first) break;
            const DATE from = static_cast<double>(*first - kOleEpoch);
            const DATE to = from + static_cast<double>(kListedDays);
            std::optional<std::int64_t> shown;
            for (const ItemData& read : store.LoadForRange(ItemKind::Appointment, from, to)) {
                if (!read.recurrence.Set()) continue;
                for (const auto& occurrence : platform::pim::SeriesOccurrences(read, from, to))
                    if (read.oid == item.oid && !shown) shown = CivilDay(occurrence.start);
            }
            days.push_back(shown.value_or(*first));
            break;
        }
        case ItemKind::Task:
            if (const auto due = CivilDay(item.Date(PIMPR_DUE_DATE))) days.push_back(*due);
            break;
        case ItemKind::Contact:
            for (const CEPROPID id : {PIMPR_BIRTHDAY, PIMPR_ANNIVERSARY})
                if (const auto day = CivilDay(item.Date(id))) days.push_back(*day);
            break;
        }
    }
    return days;
}

void ImportAndShowOn(platform::pim::Store& store, std::vector<ItemData>& items) {
    EmptyStore(store);
    if (items.size() > kItemsImported) items.resize(kItemsImported);
    // The store keeps every category name it was given for the device's life: names from every
    // input would pile up run over run and be shown by the next inputs' views.
    for (ItemData& item : items) item.categories.clear();
    const bool saved = store.InTransaction([&] {
        for (ItemData& item : items)
            if (FAILED(store.Save(item))) return false;
        return true;
    });
    platform::testing::PumpUntilIdle();
    std::vector<DateRec> days;
    if (saved)
        for (const std::int64_t day : ListedDays(store, items))
            if (days.size() < kDaysShown) days.push_back(DayRec(day));
    // The months read for the last input are dropped and the first day's month read, as after an
    // edit of a series.
    if (!days.empty()) g_SelectedDate = days.front();
    LoadApptsForMonth(1, 1);
    ShowDays(days);
}

}  // namespace

void ImportAndShow(std::vector<ItemData>& items) {
    TheProgram().Do([&items](Program& program) { ImportAndShowOn(program.Store(), items); });
}

}  // namespace fuzz
