// The database volume over the PIM store: the four databases the PIM volume offers, opened by name
// with one of the sort orders each keeps, read record by record into CEPROPVAL buffers.
//
// A database handle holds the records as they were when it was opened, already in its sort order;
// each read hands out the next one (CEDB_AUTOINCREMENT) or the same one again.
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

#include "kernel/handles.h"
#include "pim/fail_points.h"
#include "pim/item_fields.h"
#include "pim/ole_date.h"
#include "pim/prop_buffer.h"
#include "pim/store.h"
#include "pim/volume_records.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/system.h"
#include "platform/text.h"

namespace platform::pim {
namespace {

struct Mounts {
    std::mutex lock;
    std::map<DWORD, std::shared_ptr<Store>> volumes;
    DWORD next = 1;
};

Mounts& MountTable() {
    static Mounts mounts;
    return mounts;
}

std::shared_ptr<Store> MountedStore(const CEGUID* guid) {
    if (!guid) return nullptr;
    Mounts& m = MountTable();
    const std::lock_guard guard(m.lock);
    const auto it = m.volumes.find(guid->Data1);
    if (it == m.volumes.end() || guid->Data2 != kVolumeMark) return nullptr;
    return it->second;
}

class Database final : public KernelObject {
public:
    Database(std::vector<VolumeRecord> records, bool autoIncrement)
        : records_(std::move(records)), autoIncrement_(autoIncrement) {}

    const VolumeRecord* Next() {
        const std::lock_guard guard(lock_);
        if (position_ >= records_.size()) return nullptr;
        const VolumeRecord* record = &records_[position_];
        if (autoIncrement_) ++position_;
        return record;
    }

private:
    std::mutex lock_;
    std::vector<VolumeRecord> records_;
    std::size_t position_ = 0;
    bool autoIncrement_;
};

bool SameOrder(const SORTORDERSPECEX& asked, const SortKeys& kept) {
    if (asked.wNumProps != kept.size() || asked.wNumProps > CEDB_MAXSORTPROP) return false;
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (asked.rgPropID[i] != kept[i].prop || asked.rgdwFlags[i] != kept[i].flags) return false;
    return true;
}

std::u16string NameOf(LPCWSTR name) {
    std::u16string text;
    for (const WCHAR* p = name; p && *p; ++p) text += *p;
    return text;
}

}  // namespace
}  // namespace platform::pim

using namespace platform::pim;

BOOL CeMountDBVolEx(PCEGUID guid, LPCWSTR volume, CEVOLUMEOPTIONS*, DWORD creation) {
    if (!guid || !volume) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    CREATE_INVALIDGUID(guid);
    if (FAILED(InjectedFailure("CeMountDBVolEx"))) {
        SetLastError(ERROR_CANTOPEN);
        return FALSE;
    }
    std::u16string name = NameOf(volume);
    if (!name.empty() && name.front() == u'\\') name.erase(0, 1);
    if (!platform::EqualNoCase(name, kPimVolumeName)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    HRESULT error = S_OK;
    std::shared_ptr<Store> store = creation == OPEN_EXISTING ? Store::GetExisting(&error) : Store::Get(&error);
    if (!store) {
        SetLastError(error == HRESULT_FROM_WIN32(ERROR_BADDB) ? ERROR_BADDB
                     : error == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) ? ERROR_FILE_NOT_FOUND
                                                                         : ERROR_CANTOPEN);
        return FALSE;
    }
    Mounts& m = MountTable();
    const std::lock_guard guard(m.lock);
    const DWORD id = m.next++;
    m.volumes[id] = std::move(store);
    guid->Data1 = id;
    guid->Data2 = kVolumeMark;
    guid->Data3 = 0;
    guid->Data4 = 0;
    return TRUE;
}

BOOL CeUnmountDBVol(PCEGUID guid) {
    Mounts& m = MountTable();
    const std::lock_guard guard(m.lock);
    if (!guid || guid->Data2 != kVolumeMark || m.volumes.erase(guid->Data1) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

HANDLE CeOpenDatabaseInSession(HANDLE, PCEGUID guid, CEOID* oid, LPCWSTR name, SORTORDERSPECEX* sort, DWORD flags,
                               CENOTIFYREQUEST* request) {
    if (FAILED(InjectedFailure("CeOpenDatabaseInSession"))) {
        SetLastError(ERROR_CANTOPEN);
        return INVALID_HANDLE_VALUE;
    }
    const std::shared_ptr<Store> store = MountedStore(guid);
    if (!store) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const VolumeDatabase* db = (oid && *oid != 0) ? FindVolumeDatabase(*oid) : FindVolumeDatabase(NameOf(name));
    if (!db) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const SortKeys* order = nullptr;
    if (sort) {
        for (const SortKeys& kept : db->orders)
            if (SameOrder(*sort, kept)) order = &kept;
        if (!order) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
    }
    if (oid) *oid = db->oid;
    std::vector<VolumeRecord> records = ReadVolumeRecords(*store, *db);
    if (order) SortVolumeRecords(records, *order);
    if (request && request->hwnd) WatchVolumeDatabase(*db, *request);
    return platform::RegisterHandle(std::make_shared<Database>(std::move(records), (flags & CEDB_AUTOINCREMENT) != 0));
}

CEOID CeReadRecordPropsEx(HANDLE database, DWORD flags, LPWORD propCount, CEPROPID* propIds, LPBYTE* buffer,
                          LPDWORD bufferBytes, HANDLE heap) {
    if (FAILED(InjectedFailure("CeReadRecordPropsEx"))) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    const auto db = platform::LookupHandleAs<Database>(database);
    if (!db || !propCount || !buffer || !bufferBytes) {
        SetLastError(db ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return 0;
    }
    const VolumeRecord* record = db->Next();
    if (!record) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return 0;
    }
    // The record stays with the handle, so its values are pointed to, not copied.
    std::vector<PropOut> out;
    if (propIds) {
        out.reserve(*propCount);
        for (WORD i = 0; i < *propCount; ++i) out.push_back({propIds[i], std::nullopt, record->Find(propIds[i])});
    } else {
        out.reserve(record->values.size());
        for (const auto& [id, value] : record->values) out.push_back({id, std::nullopt, &value});
        *propCount = static_cast<WORD>(out.size());
    }
    DWORD size = *bufferBytes;
    const HRESULT hr = WritePropBuffer(out, flags, buffer, &size, heap ? heap : GetProcessHeap());
    *bufferBytes = size;
    if (FAILED(hr)) {
        SetLastError(hr == HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER) ? ERROR_INSUFFICIENT_BUFFER
                                                                          : ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    return record->oid;
}

BOOL CeFreeNotification(PCENOTIFYREQUEST request, PCENOTIFICATION notification) {
    if (!notification) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const HANDLE heap = request && request->hHeap ? request->hHeap : GetProcessHeap();
    return HeapFree(heap, 0, notification);
}
