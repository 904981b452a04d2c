// The whole program's main window over a PIM store filled first, as a user finds it: items are put
// into the store through the object model before the program starts, then the window is opened and
// driven by commands, taps and keys.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calendar/agenda_view.h"
#include "calendar/sched_list.h"
#include "core/cur_item.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/poom_session.h"
#include "core/program_folder.h"
#include "frame/main_window.h"
#include "frame_fixture.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/letter_tabs.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/poom.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "tests/core/loading_fixture.h"
#include "tests/support/devicectl_run.h"
#include "ui/view_windows.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"

namespace frametest {

class ProgramTest : public FrameTest {
protected:
    ProgramTest() {
        // What earlier tests of the binary loaded is not this program's: its load reads the store anew.
        loadtest::ResetLoadedData();
        g_CurItem = CurItem();
        InitCommonControls();
        std::filesystem::create_directories(device_.HostPath(ProgramFolderFile(u"")));
    }
    ~ProgramTest() override {
        CloseProgram();
        if (clockFrozen_) platform::testing::ThawClock();
    }

    // The device's clock stands at Thursday 10 December 2026, 9:00, until the test ends.
    void FreezeTestDay() { FreezeClockAt(2026, 12, 10, 4, 9); }
    // Wednesday 25 March 2009, 8:00: the month the imported fixtures fill.
    void FreezeFixtureDay() { FreezeClockAt(2009, 3, 25, 3, 8); }

    // The default wallet file with one open item, "Router", written before the program starts; the
    // program reads it anew.
    static void WriteRouterWallet() {
        g_Wlt = WltState();
        g_WltSettings = WltSettings();
        CreateDirectoryW(u"\\My Documents", nullptr);
        g_Wlt.path = kDefaultWltPath;
        g_Wlt.locked = 0;
        g_Wlt.secured = 0;  // no password to ask for
        FillWalletTemplates();
        WltItem router = g_Wlt.templates[8];
        router.name = u"Router";
        router.itemId = g_Wlt.nextItemId++;
        g_Wlt.items.Append(router);
        EXPECT_TRUE(WriteWalletFile());
        g_Wlt = WltState();
    }

    // devicectl run as its own process on the test's device, as another program runs it; what it
    // printed. It must succeed.
    std::string Devicectl(const std::vector<std::string>& args) {
        const testsupport::DevicectlRun run = testsupport::RunDevicectl(device_.Root(), args);
        EXPECT_EQ(run.status, 0) << run.out;
        return run.out;
    }

    // Ends the program as its window closes, leaving nothing for the next start in this test.
    void CloseProgram() {
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) DestroyWindow(g_Frame.mainWnd);
        platform::testing::PumpUntilIdle();
        FinishLoadThread();
        // The closed window's quit message, which would stop every later pump.
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        platform::testing::ClearDialogs();
        platform::testing::ClearMessageBoxes();
        platform::testing::CloseItemCardApps();
        // The views' windows went with the main window; the next program makes its own.
        g_ViewWnds = {};
        g_TskListState = {};
        g_SchedList = {};
        g_Agenda = {};
        g_PrjTree = {};
        g_CtsListWnd = nullptr;
        g_CtsAbcToolbar = nullptr;
        g_CtsGrid = {};
        g_Wlt = {};
        // The selection the last program made is no item of the next one's.
        g_CurItem = CurItem();
        loadtest::ResetLoadedData();
        ResetFrameGlobals();
        g_Main.instance = GetModuleHandleW(nullptr);
    }

    void UseScreen(int width, int height) {
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
        // The shell lays its bars and work area out for the new screen.
        sizedScreen_.reset();
        sizedScreen_.emplace();
    }

    HWND Open() {
        EXPECT_EQ(InitInstance(g_Main.instance, SW_SHOW), 1);
        platform::testing::PumpUntilIdle();
        FinishLoadThread();
        platform::testing::PumpUntilIdle();
        return g_Frame.mainWnd;
    }

    // A stylus tap on the middle of a list row, as the user taps it on the screen.
    static void TapListRow(HWND list, int row) {
        RECT r{};
        r.left = LVIR_BOUNDS;
        ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)));
        POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list, &middle);
        platform::testing::Tap(middle.x, middle.y);
        platform::testing::PumpUntilIdle();
    }

    std::optional<platform::testing::TestScreen> sizedScreen_;

    static void Command(UINT id) {
        SendMessageW(g_Frame.mainWnd, WM_COMMAND, id, 0);
        platform::testing::PumpUntilIdle();
    }

    // Store items, made before the program starts (a session of its own, ended again).
    struct Store {
        Store() { StartPoomSession(nullptr); }
        ~Store() { EndPoomSession(); }
        Store(const Store&) = delete;
        Store& operator=(const Store&) = delete;

        static DATE Ole(const DateRec& date) {
            SYSTEMTIME time = date;
            DATE out = 0;
            GetPoomApp()->SystemTimeToVariantTime(&time, &out);
            return out;
        }
        template <class T>
        static PoomPtr<T> Create(int type, REFIID iid) {
            PoomPtr<IDispatch> item;
            EXPECT_EQ(GetPoomApp()->CreateItem(type, item.Out()), S_OK);
            return QueryPoom<T>(item.Get(), iid);
        }
        // Weekly on the start's weekday when occurrences is above 0.
        LONG Appt(const char16_t* subject, const DateRec& start, LONG minutes, LONG occurrences = 0) {
            PoomPtr<IAppointment> appt = Create<IAppointment>(olAppointmentItem, IID_IAppointment);
            appt->put_Subject(subject);
            appt->put_Start(Ole(start));
            appt->put_Duration(minutes);
            appt->put_ReminderSet(VARIANT_FALSE);
            if (occurrences > 0) {
                PoomPtr<IRecurrencePattern> pattern;
                EXPECT_EQ(appt->GetRecurrencePattern(pattern.Out()), S_OK);
                pattern->put_RecurrenceType(olRecursWeekly);
                pattern->put_DayOfWeekMask(1 << start.wDayOfWeek);
                pattern->put_Occurrences(occurrences);
            }
            EXPECT_EQ(appt->Save(), S_OK);
            LONG oid = -1;
            appt->get_Oid(&oid);
            return oid;
        }
        LONG Task(const char16_t* subject, const DateRec& due) {
            PoomPtr<ITask> task = Create<ITask>(olTaskItem, IID_ITask);
            task->put_Subject(subject);
            task->put_DueDate(Ole(due));
            task->put_ReminderSet(VARIANT_FALSE);
            EXPECT_EQ(task->Save(), S_OK);
            LONG oid = -1;
            task->get_Oid(&oid);
            return oid;
        }
    };

private:
    void FreezeClockAt(WORD year, WORD month, WORD day, WORD dayOfWeek, WORD hour) {
        SYSTEMTIME now{};
        now.wYear = year;
        now.wMonth = month;
        now.wDay = day;
        now.wDayOfWeek = dayOfWeek;
        now.wHour = hour;
        platform::testing::FreezeClock(now);
        clockFrozen_ = true;
    }
    bool clockFrozen_ = false;
};

}  // namespace frametest
