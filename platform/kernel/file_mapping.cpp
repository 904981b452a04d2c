// Read-only mappings of device files. A mapping object keeps a descriptor of its own, so it and
// its views go on working after the file handle is closed; each view is one host mapping.
#include <sys/mman.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "kernel/file_object.h"
#include "platform/files.h"
#include "platform/system.h"

namespace platform {
namespace {

// Views start on multiples of the platform's allocation granularity.
constexpr ULONGLONG kAllocationGranularity = 64 * 1024;

struct MappingObject : KernelObject {
    UniqueFd fd;
    ULONGLONG size = 0;
};

struct Views {
    std::mutex lock;
    std::map<const void*, std::size_t> lengths;
};

Views& LiveViews() {
    static Views views;
    return views;
}

}  // namespace
}  // namespace platform

using platform::Fail;

HANDLE CreateFileForMappingW(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD creation,
                             DWORD flagsAndAttributes, HANDLE templateFile) {
    return CreateFileW(path, access, share, security, creation, flagsAndAttributes, templateFile);
}

HANDLE CreateFileMappingW(HANDLE file, LPSECURITY_ATTRIBUTES /*security*/, DWORD protect, DWORD sizeHigh,
                          DWORD sizeLow, LPCWSTR /*name*/) {
    if (protect != PAGE_READONLY) {
        SetLastError(protect == PAGE_READWRITE ? ERROR_NOT_SUPPORTED : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Mappings backed by memory alone (no file) are not offered.
    const auto object = platform::LookupHandleAs<platform::FileObject>(file);
    if (!object) {
        SetLastError(file == INVALID_HANDLE_VALUE ? ERROR_NOT_SUPPORTED : ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ULONGLONG fileSize = 0;
    if (!object->Size(fileSize)) return nullptr;
    const ULONGLONG asked = (static_cast<ULONGLONG>(sizeHigh) << 32) | sizeLow;
    const ULONGLONG size = asked == 0 ? fileSize : asked;
    // As documented: an empty file cannot be mapped, and a read-only mapping cannot grow its file.
    if (size == 0) {
        SetLastError(ERROR_FILE_INVALID);
        return nullptr;
    }
    if (size > fileSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto mapping = std::make_shared<platform::MappingObject>();
    mapping->fd = platform::UniqueFd(object->DuplicateForReading());
    if (!mapping->fd.Valid()) return nullptr;
    mapping->size = size;
    SetLastError(ERROR_SUCCESS);
    return platform::RegisterHandle(std::move(mapping));
}

LPVOID MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, SIZE_T bytes) {
    const auto object = platform::LookupHandleAs<platform::MappingObject>(mapping);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (access & FILE_MAP_WRITE) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    const ULONGLONG offset = (static_cast<ULONGLONG>(offsetHigh) << 32) | offsetLow;
    if (offset % platform::kAllocationGranularity != 0) {
        SetLastError(ERROR_MAPPED_ALIGNMENT);
        return nullptr;
    }
    if (offset >= object->size || bytes > object->size - offset) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::size_t length = bytes == 0 ? static_cast<std::size_t>(object->size - offset) : bytes;
    void* view = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, object->fd.Get(), static_cast<off_t>(offset));
    if (view == MAP_FAILED) {
        platform::FailFromErrno();
        return nullptr;
    }
    platform::Views& views = platform::LiveViews();
    const std::lock_guard guard(views.lock);
    views.lengths[view] = length;
    return view;
}

BOOL UnmapViewOfFile(LPCVOID view) {
    std::size_t length = 0;
    {
        platform::Views& views = platform::LiveViews();
        const std::lock_guard guard(views.lock);
        const auto it = views.lengths.find(view);
        if (it == views.lengths.end()) return Fail(ERROR_INVALID_ADDRESS);
        length = it->second;
        views.lengths.erase(it);
    }
    ::munmap(const_cast<void*>(view), length);
    return TRUE;
}
