// Tests of property values read from the PIM database volume, and their conversion to dates.
#include "core/date_rec.h"
#include "platform/time.h"

namespace {

// Streams of this many bytes or fewer count as holding nothing.
constexpr DWORD kEmptyStreamBytes = 4;

bool PropMissing(const CEPROPVAL* prop) { return prop == nullptr || (prop->wFlags & CEDB_PROPNOTFOUND) != 0; }

}  // namespace

bool CePropHasData(WORD type, const CEPROPVAL* prop) {
    if (PropMissing(prop)) return false;
    switch (type) {
    case CEVT_BLOB: return prop->val.blob.dwCount > 0;
    case CEVT_STREAM: return prop->val.blob.dwCount > kEmptyStreamBytes;
    default: return false;
    }
}

int CePropToSystemTime(WORD type, const CEPROPVAL* prop, DateRec& out, bool alreadyLocal) {
    if (PropMissing(prop) || type != CEVT_FILETIME) return 0;
    FILETIME time = prop->val.filetime;
    if (!alreadyLocal) {
        FILETIME local{};
        FileTimeToLocalFileTime(&time, &local);
        time = local;
    }
    SYSTEMTIME converted{};
    FileTimeToSystemTime(&time, &converted);
    // As the platform gives it: weekday and milliseconds are not recomputed.
    static_cast<SYSTEMTIME&>(out) = converted;
    return 1;
}
