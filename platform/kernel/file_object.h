// An open device file: the object behind a CreateFileW handle and behind a _wfopen stream.
// Files opened to be written from scratch write to a replacement (kernel/atomic_file.h) that
// takes the target's place when the file is closed; other opens work on the file in place.
#pragma once

#include <memory>
#include <mutex>

#include "kernel/atomic_file.h"
#include "kernel/file_common.h"
#include "kernel/handles.h"

namespace platform {

enum class WritePosition { AtPointer, AlwaysAtEnd };

struct FileOpenRequest {
    const WCHAR* path = nullptr;
    DWORD access = 0;      // GENERIC_READ and/or GENERIC_WRITE
    DWORD creation = 0;    // CREATE_NEW ... TRUNCATE_EXISTING
    DWORD attributes = 0;  // FILE_ATTRIBUTE_READONLY makes a created file read-only once closed
    WritePosition writes = WritePosition::AtPointer;  // AlwaysAtEnd: appending, in place, created if missing
};

class FileObject : public KernelObject {
public:
    // Null with the last error set on failure; existed tells whether the file was there before.
    static std::shared_ptr<FileObject> Open(const FileOpenRequest& request, bool& existed);
    ~FileObject() override;

    // Each call sets the last error when it fails.
    bool Read(void* buffer, DWORD bytes, DWORD& done);
    bool Write(const void* buffer, DWORD bytes, DWORD& done);
    bool Seek(LONGLONG distance, int origin, ULONGLONG& position);  // origin: SEEK_SET/CUR/END
    bool Size(ULONGLONG& size);
    bool TruncateAtPointer();
    bool Flush();
    bool Facts(FileFacts& facts);
    // A descriptor of its own on the same open file, for a mapping that outlives this object.
    int DuplicateForReading();
    // Commits a replacement (or discards it when a write failed, so that a partial file never
    // takes the target's place) and closes the descriptor.
    bool Close() override;

private:
    FileObject(DWORD access, UniqueFd fd, std::unique_ptr<ReplacementFile> replacement, bool readOnlyOnCommit,
               ReplaceMode replaceMode);
    int FdLocked() const;
    bool UsableLocked(DWORD neededAccess) const;

    std::mutex lock_;
    DWORD access_;
    UniqueFd fd_;
    std::unique_ptr<ReplacementFile> replacement_;
    bool readOnlyOnCommit_;
    ReplaceMode replaceMode_;
    bool writeFailed_ = false;
    bool closed_ = false;
};

}  // namespace platform
