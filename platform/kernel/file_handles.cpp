// The handle calls of device files: CreateFileW and what works on its handle.
#include <cstdio>

#include "kernel/file_object.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

using platform::FileObject;

std::shared_ptr<FileObject> FileOf(HANDLE handle) {
    auto file = platform::LookupHandleAs<FileObject>(handle);
    if (!file) SetLastError(ERROR_INVALID_HANDLE);
    return file;
}

constexpr int kSeekOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};  // by FILE_BEGIN, FILE_CURRENT, FILE_END

}  // namespace

HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD /*share*/, LPSECURITY_ATTRIBUTES /*security*/, DWORD creation,
                   DWORD flagsAndAttributes, HANDLE /*templateFile*/) {
    platform::FileOpenRequest request;
    request.path = path;
    request.access = access;
    request.creation = creation;
    request.attributes = flagsAndAttributes;
    bool existed = false;
    auto file = FileObject::Open(request, existed);
    if (!file) return INVALID_HANDLE_VALUE;
    const HANDLE handle = platform::RegisterHandle(std::move(file));
    const bool reportExisting = existed && (creation == CREATE_ALWAYS || creation == OPEN_ALWAYS);
    SetLastError(reportExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
    if (bytesRead) *bytesRead = 0;
    const auto object = FileOf(file);
    if (!object) return FALSE;
    if (overlapped) return platform::Fail(ERROR_NOT_SUPPORTED);
    DWORD done = 0;
    const bool ok = object->Read(buffer, bytesToRead, done);
    if (bytesRead) *bytesRead = done;
    return ok ? TRUE : FALSE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    if (bytesWritten) *bytesWritten = 0;
    const auto object = FileOf(file);
    if (!object) return FALSE;
    if (overlapped) return platform::Fail(ERROR_NOT_SUPPORTED);
    DWORD done = 0;
    const bool ok = object->Write(buffer, bytesToWrite, done);
    if (bytesWritten) *bytesWritten = done;
    return ok ? TRUE : FALSE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method) {
    const auto object = FileOf(file);
    if (!object) return INVALID_SET_FILE_POINTER;
    if (method > FILE_END) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    // With a high word the two form one signed 64-bit distance; without, the low word is signed.
    const LONGLONG move = distanceHigh
                              ? static_cast<LONGLONG>((static_cast<ULONGLONG>(static_cast<DWORD>(*distanceHigh)) << 32) |
                                                      static_cast<DWORD>(distance))
                              : static_cast<LONGLONG>(distance);
    ULONGLONG before = 0;
    ULONGLONG position = 0;
    if (!object->Seek(0, SEEK_CUR, before)) return INVALID_SET_FILE_POINTER;
    if (!object->Seek(move, kSeekOrigins[method], position)) return INVALID_SET_FILE_POINTER;
    if (!distanceHigh && position > 0xFFFFFFFFull) {
        // A place beyond 32 bits cannot be told without the high word: refused, the pointer stays.
        object->Seek(static_cast<LONGLONG>(before), SEEK_SET, position);
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh) *distanceHigh = static_cast<LONG>(position >> 32);
    // A low word of 0xFFFFFFFF is a valid result; callers tell it from failure by the last error.
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(position & 0xFFFFFFFFu);
}

DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh) {
    const auto object = FileOf(file);
    ULONGLONG size = 0;
    if (!object || !object->Size(size)) return INVALID_FILE_SIZE;
    if (sizeHigh) *sizeHigh = static_cast<DWORD>(size >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

BOOL SetEndOfFile(HANDLE file) {
    const auto object = FileOf(file);
    return object && object->TruncateAtPointer() ? TRUE : FALSE;
}

BOOL FlushFileBuffers(HANDLE file) {
    const auto object = FileOf(file);
    return object && object->Flush() ? TRUE : FALSE;
}

BOOL GetFileTime(HANDLE file, LPFILETIME creation, LPFILETIME lastAccess, LPFILETIME lastWrite) {
    const auto object = FileOf(file);
    platform::FileFacts facts;
    if (!object || !object->Facts(facts)) return FALSE;
    if (creation) *creation = facts.creation;
    if (lastAccess) *lastAccess = facts.lastAccess;
    if (lastWrite) *lastWrite = facts.lastWrite;
    return TRUE;
}
