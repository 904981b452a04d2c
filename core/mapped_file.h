// A read-only mapping of a whole file, as the picture loader decodes image files from it.
#pragma once

#include "platform/types.h"

// Closed while the file handle is the invalid handle value; closes itself when it goes away.
struct MappedFile {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE mapping = nullptr;
    const BYTE* viewStart = nullptr;
    const BYTE* viewEnd = nullptr;  // one past the last byte

    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool IsOpen() const { return file != INVALID_HANDLE_VALUE; }
};

// Marks the record closed, then opens the path.
bool MappedFileInit(MappedFile& mf, LPCWSTR path);
// Closes what the record held, then maps the file; on failure nothing is left open.
bool MappedFileOpen(MappedFile& mf, LPCWSTR path);
// Returns the result of closing the file handle (FALSE when the record was closed).
BOOL MappedFileClose(MappedFile& mf);
