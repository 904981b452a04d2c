// The program for the import targets: one main window for the whole run (a window per input would
// cost more than the import), the store emptied between inputs in one transaction.
#include "fuzz/fuzz_program.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "calendar/calendar_nav.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "frame/frame_hooks.h"
#include "frame/load_thread.h"
#include "frame/main_window.h"
#include "fuzz/fuzz_device.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "pim/store.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/view_calls.h"

namespace fuzz {
namespace {

using platform::pim::ItemData;
using platform::pim::ItemKind;

constexpr double kSixWeeks = 42.0;

struct Program {
    Program() {
        EnsureDevice();
        RegisterFrameHooks();
        RegisterQuorviaResources();
        g_Main.instance = GetModuleHandleW(nullptr);
        InitCommonControls();
        screen = std::make_unique<platform::testing::TestScreen>();
        store = platform::pim::Store::Get();
        InitInstance(g_Main.instance, SW_SHOW);
        platform::testing::PumpUntilIdle();
        // The load thread reads the store once; the inputs' items come in by the change notices.
        EndLoadThread();
        platform::testing::PumpUntilIdle();
    }
    ~Program() {
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) DestroyWindow(g_Frame.mainWnd);
        platform::testing::PumpUntilIdle();
        EndLoadThread();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    std::unique_ptr<platform::testing::TestScreen> screen;
    std::shared_ptr<platform::pim::Store> store;
};

Program& TheProgram() {
    static Program program;
    return program;
}

void Command(UINT id) {
    SendMessageW(g_Frame.mainWnd, WM_COMMAND, id, 0);
    platform::testing::PumpUntilIdle();
}

// The civil day of an OLE date, or nothing for no date and dates the calendar cannot show.
std::optional<DateRec> DayOf(DATE date) {
    if (platform::pim::IsNoDate(date)) return std::nullopt;
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(date, &time)) return std::nullopt;
    return DateRec(time.wYear, time.wMonth, time.wDay);
}

}  // namespace

void ResetProgramStore() {
    Program& program = TheProgram();
    platform::pim::Store& store = *program.store;
    store.InTransaction([&] {
        for (const ItemKind kind : {ItemKind::Appointment, ItemKind::Task, ItemKind::Contact})
            for (const CEOID oid : store.Oids(kind))
                if (FAILED(store.Delete(oid))) return false;
        return true;
    });
    platform::testing::PumpUntilIdle();
}

bool ImportIntoStore(std::vector<ItemData>& items) {
    platform::pim::Store& store = *TheProgram().store;
    const bool saved = store.InTransaction([&] {
        for (ItemData& item : items)
            if (FAILED(store.Save(item))) return false;
        return true;
    });
    platform::testing::PumpUntilIdle();
    return saved;
}

std::vector<DATE> ListImportedDays(const std::vector<ItemData>& items, std::size_t most) {
    platform::pim::Store& store = *TheProgram().store;
    std::vector<DATE> days;
    for (const ItemData& item : items) {
        switch (item.kind) {
        case ItemKind::Appointment: {
            const DATE start = item.Date(PIMPR_START, 0);
            days.push_back(start);
            for (const ItemData& read : store.LoadForRange(ItemKind::Appointment, start, start + kSixWeeks))
                if (read.recurrence.Set()) (void)platform::pim::SeriesOccurrences(read, start, start + kSixWeeks);
            break;
        }
        case ItemKind::Task: days.push_back(item.Date(PIMPR_DUE_DATE)); break;
        case ItemKind::Contact:
            days.push_back(item.Date(PIMPR_BIRTHDAY));
            days.push_back(item.Date(PIMPR_ANNIVERSARY));
            break;
        }
    }
    std::erase_if(days, [](DATE d) { return !DayOf(d); });
    if (days.size() > most) days.resize(most);
    return days;
}

void ShowDays(const std::vector<DATE>& days) {
    for (const DATE date : days) {
        g_SelectedDate = *DayOf(date);
        Command(IDM_VIEW_MONTH);
        RefreshAppts();
        platform::testing::PumpUntilIdle();
        views::ShowDayView(1, 1);
        platform::testing::PumpUntilIdle();
    }
    Command(IDM_VIEW_TASKS);
    Command(IDM_VIEW_CONTACTS);
}

}  // namespace fuzz
