// The kernel handle table.
#include "kernel/handles.h"

#include <mutex>
#include <unordered_map>

#include "platform/files.h"
#include "platform/system.h"

namespace platform {
namespace {

struct HandleTable {
    std::mutex lock;
    std::unordered_map<ULONG_PTR, std::shared_ptr<KernelObject>> objects;
    ULONG_PTR next = 0x1000;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

}  // namespace

HANDLE RegisterHandle(std::shared_ptr<KernelObject> object) {
    if (!object) return nullptr;
    HandleTable& table = Table();
    const std::lock_guard guard(table.lock);
    const ULONG_PTR value = table.next;
    table.next += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle) {
    HandleTable& table = Table();
    const std::lock_guard guard(table.lock);
    const auto it = table.objects.find(reinterpret_cast<ULONG_PTR>(handle));
    return it == table.objects.end() ? nullptr : it->second;
}

bool ReleaseHandle(HANDLE handle) {
    HandleTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.objects.erase(reinterpret_cast<ULONG_PTR>(handle)) > 0;
}

std::size_t LiveHandleCount() {
    HandleTable& table = Table();
    const std::lock_guard guard(table.lock);
    return table.objects.size();
}

}  // namespace platform

BOOL CloseHandle(HANDLE handle) {
    const std::shared_ptr<platform::KernelObject> object = platform::LookupHandle(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    platform::ReleaseHandle(handle);
    return object->Close() ? TRUE : FALSE;
}
