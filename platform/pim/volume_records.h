// The four databases of the PIM volume as records: "CategoryMainDB", "CategoryAssocDB",
// "Tasks Database" and "Contacts Database", with the property identifiers, record identifiers and
// sort orders each keeps.
#pragma once

#include <string>
#include <vector>

#include "pim/store.h"

namespace platform::pim {

inline constexpr char16_t kPimVolumeName[] = u"pim.vol";
inline constexpr DWORD kVolumeMark = 0x50494D56u;  // marks a mounted volume's CEGUID

struct SortKey {
    CEPROPID prop;
    DWORD flags;
};
using SortKeys = std::vector<SortKey>;

enum class VolumeTable { CategoryMain, CategoryAssoc, Tasks, Contacts };

struct VolumeDatabase {
    const char16_t* name;
    CEOID oid;
    VolumeTable table;
    std::vector<SortKeys> orders;  // the sort orders it keeps
};

// A record's values in identifier order.
struct VolumeRecord {
    CEOID oid = 0;
    std::vector<std::pair<CEPROPID, PropValue>> values;

    const PropValue* Find(CEPROPID id) const;
    void Set(CEPROPID id, PropValue value);
};

const VolumeDatabase* FindVolumeDatabase(const std::u16string& name);
const VolumeDatabase* FindVolumeDatabase(CEOID oid);
std::vector<VolumeRecord> ReadVolumeRecords(Store& store, const VolumeDatabase& db);
void SortVolumeRecords(std::vector<VolumeRecord>& records, const SortKeys& order);

// The record identifier of a task or contact (what property 0x10000066 holds).
DWORD RecordIdOf(CEOID oid);
// The streams the tasks database gives for a task's pattern and notes: a 32-bit count, then the data.
std::vector<BYTE> RecurrenceStream(const RecurrenceData& r);
std::vector<BYTE> BodyStream(const std::u16string& body);

// Asks for WM_DBNOTIFICATION to the request's window on every change of the database's records.
void WatchVolumeDatabase(const VolumeDatabase& db, const CENOTIFYREQUEST& request);

}  // namespace platform::pim

namespace platform::pim {
// The requests made for the database of that kind (tasks or contacts).
std::vector<CENOTIFYREQUEST> VolumeWatchers(ItemKind kind);
// Drops the requests of a window that is gone.
void ForgetVolumeWatcher(HWND window);
}  // namespace platform::pim
