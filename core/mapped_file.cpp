// Read-only mappings of whole files through the platform's file-mapping calls.
#include "core/mapped_file.h"

#include "platform/files.h"

namespace {

void MarkClosed(MappedFile& mf) {
    mf.file = INVALID_HANDLE_VALUE;
    mf.mapping = nullptr;
    mf.viewStart = nullptr;
    mf.viewEnd = nullptr;
}

}  // namespace

MappedFile::~MappedFile() { MappedFileClose(*this); }

BOOL MappedFileClose(MappedFile& mf) {
    if (mf.viewStart) UnmapViewOfFile(mf.viewStart);
    if (mf.mapping) CloseHandle(mf.mapping);
    const BOOL closed = mf.IsOpen() ? CloseHandle(mf.file) : FALSE;
    MarkClosed(mf);
    return closed;
}

// A record is closed from its construction on, so closing what it holds is the safe way to mark it
// closed: an Init on an open record cannot leak its handles.
bool MappedFileInit(MappedFile& mf, LPCWSTR path) { return MappedFileOpen(mf, path); }

bool MappedFileOpen(MappedFile& mf, LPCWSTR path) {
    MappedFileClose(mf);
    const HANDLE file = CreateFileForMappingW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE || file == nullptr) return false;
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) {
        CloseHandle(file);
        return false;
    }
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (!view) {
        CloseHandle(mapping);
        CloseHandle(file);
        return false;
    }
    mf.file = file;
    mf.mapping = mapping;
    mf.viewStart = static_cast<const BYTE*>(view);
    mf.viewEnd = mf.viewStart + GetFileSize(file, nullptr);
    return true;
}
