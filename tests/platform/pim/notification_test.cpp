// Change notifications: exactly one message per save or delete to the window logged on, local for
// this process's changes and remote for devicectl's, only for folders that ask; the database
// notification for a database opened with a request.
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <mutex>

#include "pim_test_support.h"
#include "platform/files.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

using namespace std::chrono_literals;
using pimtest::Ole;
using pimtest::Ref;

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Seen&) const = default;
};

std::mutex seenLock;
std::vector<Seen> seen;
std::vector<CENOTIFICATION> databaseNotices;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DBNOTIFICATION) {
        auto* n = reinterpret_cast<CENOTIFICATION*>(lParam);
        const std::lock_guard guard(seenLock);
        databaseNotices.push_back(*n);
        CeFreeNotification(nullptr, n);
        return 0;
    }
    if (message >= PIM_ITEM_CREATED_LOCAL && message <= PIM_ITEM_CHANGED_REMOTE) {
        const std::lock_guard guard(seenLock);
        seen.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class Notifications : public pimtest::PimTest {
protected:
    void SetUp() override {
        PimTest::SetUp();
        seen.clear();
        databaseNotices.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = u"QvPimNotified";
        RegisterClassW(&wc);
        window = CreateWindowExW(0, u"QvPimNotified", u"Notified", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        app->Logoff();
        ASSERT_EQ(app->Logon(reinterpret_cast<LONG_PTR>(window)), S_OK);
    }
    void TearDown() override {
        app->Logoff();
        DestroyWindow(window);
        UnregisterClassW(u"QvPimNotified", nullptr);
        PimTest::TearDown();
    }

    // Sets a folder's notification property as the program does; gives the folder's identifier.
    CEOID Subscribe(int folderNumber, DWORD flags) {
        IFolder* f = nullptr;
        EXPECT_EQ(app->GetDefaultFolder(folderNumber, &f), S_OK);
        Ref<IFolder> folder(f);
        IItem* item = nullptr;
        folder->QueryInterface(IID_IItem, reinterpret_cast<void**>(&item));
        Ref<IItem> props(item);
        CEPROPVAL v{};
        v.propid = PIMPR_FOLDERNOTIFICATIONS;
        v.val.ulVal = flags;
        EXPECT_EQ(props->SetProps(0, 1, &v), S_OK);
        CEOID oid = 0;
        props->get_Oid(&oid);
        return oid;
    }

    std::vector<Seen> Take() {
        platform::testing::PumpMessages();
        const std::lock_guard guard(seenLock);
        auto out = seen;
        seen.clear();
        return out;
    }

    int Devicectl(const std::string& arguments) {
        const auto tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
        const std::string command = "QUORVIA_DEVICE='" + device.Root().string() + "' ASAN_OPTIONS=detect_leaks=0 '" +
                                    tool.string() + "' " + arguments + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    HWND window = nullptr;
};

TEST_F(Notifications, OneLocalMessagePerSaveAndDeleteForSubscribedFolders) {
    const CEOID calendar = Subscribe(olFolderCalendar, PIMFOLDERNOTIFICATION_ALL);
    Subscribe(olFolderContacts, 0);
    const CEOID oid = SaveAppt(u"Noticed", Ole(2009, 3, 2, 9), 30);
    auto a = Get<IAppointment>(oid);
    a->put_Subject(u"Changed");
    ASSERT_EQ(a->Save(), S_OK);
    ASSERT_EQ(a->Delete(), S_OK);
    auto c = Create<IContact>(olContactItem);
    c->put_LastName(u"Unwatched");
    ASSERT_EQ(c->Save(), S_OK);
    const LPARAM folder = static_cast<LPARAM>(calendar);
    EXPECT_EQ(Take(), (std::vector<Seen>{{PIM_ITEM_CREATED_LOCAL, oid, folder},
                                         {PIM_ITEM_CHANGED_LOCAL, oid, folder},
                                         {PIM_ITEM_DELETED_LOCAL, oid, folder}}));
}

TEST_F(Notifications, CompletingARecurringTaskTellsTheChangeThenTheNewTask) {
    const CEOID tasks = Subscribe(olFolderTasks, PIMFOLDERNOTIFICATION_ALL);
    auto t = Create<ITask>(olTaskItem);
    t->put_DueDate(Ole(2009, 3, 2, 1));
    IRecurrencePattern* p = nullptr;
    t->GetRecurrencePattern(&p);
    Ref<IRecurrencePattern> pattern(p);
    pattern->put_RecurrenceType(olRecursDaily);
    ASSERT_EQ(t->Save(), S_OK);
    LONG oid = 0;
    t->get_Oid(&oid);
    Take();
    t->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(t->Save(), S_OK);
    const auto got = Take();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], (Seen{PIM_ITEM_CHANGED_LOCAL, static_cast<WPARAM>(static_cast<CEOID>(oid)), static_cast<LPARAM>(tasks)}));
    EXPECT_EQ(got[1].message, static_cast<UINT>(PIM_ITEM_CREATED_LOCAL));
    EXPECT_NE(got[1].wParam, static_cast<WPARAM>(static_cast<CEOID>(oid)));
}

TEST_F(Notifications, ChangesOfAnotherProcessArriveAsRemoteMessages) {
    const CEOID calendar = Subscribe(olFolderCalendar, PIMFOLDERNOTIFICATION_REMOTE);
    SaveAppt(u"Mine", Ole(2009, 3, 2, 9), 30);  // local changes are not asked for
    EXPECT_TRUE(Take().empty());

    ASSERT_EQ(Devicectl("pim add appointment --subject Theirs --start '2009-03-03 10:00'"), 0);
    std::vector<Seen> got;
    platform::testing::PumpUntil(
        [&] {
            for (const Seen& s : Take()) got.push_back(s);
            return !got.empty();
        },
        10s);
    const LPARAM folder = static_cast<LPARAM>(calendar);
    ASSERT_EQ(got, (std::vector<Seen>{{PIM_ITEM_CREATED_REMOTE, 0x40000001, folder}}));

    ASSERT_EQ(Devicectl("pim delete 40000001"), 0);
    got.clear();
    platform::testing::PumpUntil(
        [&] {
            for (const Seen& s : Take()) got.push_back(s);
            return !got.empty();
        },
        10s);
    EXPECT_EQ(got, (std::vector<Seen>{{PIM_ITEM_DELETED_REMOTE, 0x40000001, folder}}));
    Subscribe(olFolderCalendar, 0);
    ASSERT_EQ(Devicectl("pim add appointment --subject Unasked --start '2009-03-04 10:00'"), 0);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(Take().empty());
}

TEST_F(Notifications, DatabaseRequestGetsItsNotification) {
    const CEOID tasks = Subscribe(olFolderTasks, 0);
    CEGUID guid{};
    ASSERT_TRUE(CeMountDBVolEx(&guid, u"pim.vol", nullptr, OPEN_EXISTING));
    CENOTIFYREQUEST request{sizeof(CENOTIFYREQUEST), window, CEDB_EXNOTIFICATION, nullptr, 7};
    const HANDLE db = CeOpenDatabaseInSession(nullptr, &guid, nullptr, u"Tasks Database", nullptr, 0, &request);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    CloseHandle(db);
    auto t = Create<ITask>(olTaskItem);
    t->put_Subject(u"Watched");
    ASSERT_EQ(t->Save(), S_OK);
    LONG oid = 0;
    t->get_Oid(&oid);
    platform::testing::PumpMessages();
    ASSERT_EQ(databaseNotices.size(), 1u);
    EXPECT_EQ(databaseNotices[0].uType, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(databaseNotices[0].oid, static_cast<CEOID>(oid));
    EXPECT_EQ(databaseNotices[0].oidParent, tasks);
    EXPECT_EQ(databaseNotices[0].dwParam, 7u);
    EXPECT_TRUE(Take().empty()) << "the folder asked for nothing";
    EXPECT_TRUE(CeUnmountDBVol(&guid));
}

}  // namespace
