// Change notifications. After every committed save or delete, each window logged on gets exactly one
// message about the item: this process's window the local message (when its folder asks for local
// changes), windows of other processes the remote message (when theirs ask for remote changes), with
// the item's OID and the folder's identifier. Requests made through CeOpenDatabaseInSession get
// WM_DBNOTIFICATION with a CENOTIFICATION from their heap.
//
// Every process that logs on publishes run/<pid>.pim ("window flagsCalendar flagsContacts flagsTasks"),
// rewritten whole when its logon or a folder setting changes and removed at logoff; a writer reads
// the others' files to know whom to tell. Files of processes that have ended are removed.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <mutex>
#include <sstream>

#include "pim/notifications.h"
#include "pim/objects.h"
#include "pim/volume_records.h"
#include "platform/device.h"
#include "platform/memory.h"
#include "platform/user.h"
#include "user/remote_windows.h"

namespace platform::pim {
namespace {

constexpr const char* kSuffix = ".pim";

struct Subscription {
    LONG_PTR window = 0;
    DWORD flags[3] = {0, 0, 0};  // calendar, contacts, tasks
};

int Slot(ItemKind kind) { return kind == ItemKind::Appointment ? 0 : kind == ItemKind::Contact ? 1 : 2; }

constexpr UINT kLocalMessages[] = {PIM_ITEM_CREATED_LOCAL, PIM_ITEM_CHANGED_LOCAL, PIM_ITEM_DELETED_LOCAL};
constexpr UINT kRemoteMessages[] = {PIM_ITEM_CREATED_REMOTE, PIM_ITEM_CHANGED_REMOTE, PIM_ITEM_DELETED_REMOTE};
constexpr UINT kDatabaseTypes[] = {DB_CEOID_CREATED, DB_CEOID_CHANGED, DB_CEOID_RECORD_DELETED};

int ChangeIndex(Change change) { return change == Change::Created ? 0 : change == Change::Changed ? 1 : 2; }

std::filesystem::path RunFolder() { return DeviceRoot() / "run"; }

bool ProcessAlive(long pid) { return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }

std::mutex publishLock;

void Publish(const Subscription& s) {
    const std::lock_guard guard(publishLock);
    const std::filesystem::path path = RunFolder() / (std::to_string(getpid()) + kSuffix);
    std::error_code ec;
    if (s.window == 0) {
        std::filesystem::remove(path, ec);
        return;
    }
    std::filesystem::create_directories(RunFolder(), ec);
    const std::filesystem::path temp = path.string() + ".new";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << static_cast<unsigned long long>(s.window) << ' ' << s.flags[0] << ' ' << s.flags[1] << ' ' << s.flags[2]
            << '\n';
    }
    std::filesystem::rename(temp, path, ec);
}

std::vector<std::pair<long, Subscription>> OtherSubscriptions() {
    std::vector<std::pair<long, Subscription>> found;
    const long self = getpid();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(RunFolder(), ec)) {
        const std::filesystem::path path = entry.path();
        if (path.extension() != kSuffix) continue;
        const long pid = std::strtol(path.stem().c_str(), nullptr, 10);
        if (pid == self) continue;
        if (!ProcessAlive(pid)) {
            std::filesystem::remove(path, ec);
            continue;
        }
        std::ifstream in(path);
        unsigned long long window = 0;
        Subscription s;
        if (in >> window >> s.flags[0] >> s.flags[1] >> s.flags[2]) {
            s.window = static_cast<LONG_PTR>(window);
            found.emplace_back(pid, s);
        }
    }
    return found;
}

void PostDatabaseNotifications(ItemKind kind, CEOID oid, Change change) {
    for (const CENOTIFYREQUEST& request : VolumeWatchers(kind)) {
        const HANDLE heap = request.hHeap ? request.hHeap : GetProcessHeap();
        auto* n = static_cast<CENOTIFICATION*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(CENOTIFICATION)));
        if (!n) continue;
        n->dwSize = sizeof(CENOTIFICATION);
        n->dwParam = request.dwParam;
        n->uType = kDatabaseTypes[ChangeIndex(change)];
        n->oid = oid;
        n->oidParent = FolderOid(kind);
        if (!PostMessageW(request.hwnd, WM_DBNOTIFICATION, oid, reinterpret_cast<LPARAM>(n))) {
            HeapFree(heap, 0, n);
            if (!IsWindow(request.hwnd)) ForgetVolumeWatcher(request.hwnd);
        }
    }
}

void OnChange(ItemKind kind, CEOID oid, Change change) {
    const int index = ChangeIndex(change);
    const LPARAM folder = static_cast<LPARAM>(FolderOid(kind));
    const LONG_PTR window = LogonWindow();
    if (window && (FolderNotifications(kind) & PIMFOLDERNOTIFICATION_LOCAL))
        PostMessageW(reinterpret_cast<HWND>(window), kLocalMessages[index], oid, folder);
    for (const auto& [pid, s] : OtherSubscriptions()) {
        if (!(s.flags[Slot(kind)] & PIMFOLDERNOTIFICATION_REMOTE)) continue;
        const HWND proxy = RemoteWindowHandle(static_cast<DWORD>(pid), static_cast<std::uint64_t>(s.window));
        if (proxy) PostMessageW(proxy, kRemoteMessages[index], oid, folder);
    }
    PostDatabaseNotifications(kind, oid, change);
}

}  // namespace

void StartNotifications() {
    static std::once_flag once;
    std::call_once(once, [] { Store::SetChangeListener(OnChange); });
}

void PublishSubscription() {
    Subscription s;
    s.window = LogonWindow();
    for (const ItemKind kind : {ItemKind::Appointment, ItemKind::Contact, ItemKind::Task})
        s.flags[Slot(kind)] = FolderNotifications(kind);
    Publish(s);
}

}  // namespace platform::pim
