// The process's COM apartment and the one class it can make, the PIM application.
#include <mutex>

#include "pim/objects.h"
#include "platform/com.h"
#include "platform/imaging.h"

namespace {

std::mutex apartmentLock;
int apartmentUsers = 0;

}  // namespace

HRESULT CoInitializeEx(LPVOID, DWORD) {
    const std::lock_guard guard(apartmentLock);
    return apartmentUsers++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
    const std::lock_guard guard(apartmentLock);
    if (apartmentUsers > 0) --apartmentUsers;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD, REFIID iid, LPVOID* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    {
        const std::lock_guard guard(apartmentLock);
        if (apartmentUsers == 0) return CO_E_NOTINITIALIZED;
    }
    if (outer) return CLASS_E_NOAGGREGATION;
    if (clsid == CLSID_ImagingFactory) return platform::CreateImagingFactory(iid, out);
    if (!(clsid == CLSID_Application)) return REGDB_E_CLASSNOTREG;
    IPOutlookApp2* app = platform::pim::NewApplication();
    const HRESULT hr = app->QueryInterface(iid, out);
    app->Release();
    return hr;
}
