// Named mutexes across processes. Each name has a lock file run/mutex-<name>.lock with two byte-range
// locks, which the system drops when their process ends however it ends:
//   byte 0, "open": every process that has the name open holds a read lock. The first one takes a
//     write lock, which only succeeds when nobody has the name open, and turns it into a read lock
//     at once (the change is atomic, so a second process can never also see itself first).
//   byte 1, "owned": the process whose thread owns the mutex holds a write lock.
// Inside one process all handles of a name share one record, so the locks are taken once.
#include "kernel/named_mutex.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "kernel/sync_mutex.h"
#include "platform/device.h"
#include "platform/system.h"
#include "platform/threads.h"

namespace platform {
namespace {

constexpr off_t kOpenByte = 0;
constexpr off_t kOwnedByte = 1;

bool Lock(int fd, off_t byte, short type, bool wait) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    for (;;) {
        if (fcntl(fd, wait ? F_SETLKW : F_SETLK, &lock) == 0) return true;
        if (errno != EINTR) return false;
    }
}

// Letters, digits, '.', '_' and '-' stay; every other unit becomes %XXXX (names are case-sensitive).
std::string FileNameOf(std::u16string_view name) {
    std::string out = "mutex-";
    for (const char16_t c : name) {
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.' ||
            c == u'_' || c == u'-') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%%%04X", static_cast<unsigned>(c));
            out += hex;
        }
    }
    return out + ".lock";
}

struct NamedMutexObject : MutexObject {
    int fd = -1;
    bool ownedLockHeld = false;  // under WaitLock()

    ~NamedMutexObject() override {
        if (fd >= 0) close(fd);  // drops both locks
    }
    bool IsSignaled(DWORD threadId) override {
        if (owner == threadId) return true;
        if (owner != 0) return false;
        if (!ownedLockHeld) ownedLockHeld = Lock(fd, kOwnedByte, F_WRLCK, false);
        return ownedLockHeld;
    }
    void Released() override {
        Lock(fd, kOwnedByte, F_UNLCK, false);
        ownedLockHeld = false;
    }
    bool NeedsPolling() const override { return true; }
};

struct NamedMutexes {
    std::mutex lock;
    std::map<std::u16string, std::weak_ptr<NamedMutexObject>> byName;
};

NamedMutexes& Table() {
    static NamedMutexes table;
    return table;
}

}  // namespace

HANDLE CreateNamedMutex(BOOL initialOwner, LPCWSTR name) {
    NamedMutexes& table = Table();
    const std::lock_guard guard(table.lock);
    if (auto existing = table.byName[name].lock()) {
        const HANDLE handle = RegisterHandle(existing);
        SetLastError(ERROR_ALREADY_EXISTS);
        return handle;
    }
    const std::filesystem::path path = DeviceRoot() / "run" / FileNameOf(name);
    auto mutex = std::make_shared<NamedMutexObject>();
    mutex->fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (mutex->fd < 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    bool first = Lock(mutex->fd, kOpenByte, F_WRLCK, false);
    if (first) {
        Lock(mutex->fd, kOpenByte, F_RDLCK, false);
    } else if (!Lock(mutex->fd, kOpenByte, F_RDLCK, true)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    // The device ignores the initial owner of a name that already existed.
    if (first && initialOwner) {
        const std::lock_guard lock(WaitLock());
        if (mutex->IsSignaled(GetCurrentThreadId())) mutex->Acquire(GetCurrentThreadId());
    }
    table.byName[name] = mutex;
    const HANDLE handle = RegisterHandle(mutex);
    SetLastError(first ? ERROR_SUCCESS : ERROR_ALREADY_EXISTS);
    return handle;
}

}  // namespace platform
