// The table of kernel handles shared by every platform area: files, mappings, find searches,
// events, threads and mutexes are objects derived from KernelObject and reached by their handle.
// Handle values are never reused, so a stale handle is refused instead of naming a new object.
#pragma once

#include <memory>

#include "platform/types.h"

namespace platform {

struct KernelObject {
    virtual ~KernelObject() = default;
    // Called once by CloseHandle before the handle is dropped; false makes CloseHandle fail.
    virtual bool Close() { return true; }
};

HANDLE RegisterHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);
// Drops the handle; the object lives on while others hold it. False for an unknown handle.
bool ReleaseHandle(HANDLE handle);
std::size_t LiveHandleCount();

template <class T>
std::shared_ptr<T> LookupHandleAs(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(LookupHandle(handle));
}

}  // namespace platform
