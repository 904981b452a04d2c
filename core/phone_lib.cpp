// Binding "phone.dll": one module handle for the run, the entry points looked up when called.
#include "core/phone_lib.h"

#include "platform/modules.h"

namespace {

HMODULE g_PhoneLib = nullptr;

constexpr const WCHAR* kPhoneLibName = u"phone.dll";
constexpr LONG kMakeCallPlaced = 0;

template <class Entry>
Entry LookUp(const WCHAR* name) {
    if (!g_PhoneLib) return nullptr;
    return reinterpret_cast<Entry>(GetProcAddressW(g_PhoneLib, name));
}

}  // namespace

bool LoadPhoneLib() {
    if (!g_PhoneLib) g_PhoneLib = LoadLibraryW(kPhoneLibName);
    return g_PhoneLib != nullptr;
}

void FreePhoneLib() {
    if (!g_PhoneLib) return;
    FreeLibrary(g_PhoneLib);
    g_PhoneLib = nullptr;
}

bool PhoneLibraryLoaded() { return g_PhoneLib != nullptr; }

HRESULT OpenCallLog(HANDLE* log) {
    const auto open = LookUp<PFN_PhoneOpenCallLog>(u"PhoneOpenCallLog");
    return open ? open(log) : E_FAIL;
}

HRESULT CloseCallLog(HANDLE log) {
    const auto close = LookUp<PFN_PhoneCloseCallLog>(u"PhoneCloseCallLog");
    return close ? close(log) : E_FAIL;
}

HRESULT GetCallLogEntry(HANDLE log, CALLLOGENTRY* entry) {
    const auto read = LookUp<PFN_PhoneGetCallLogEntry>(u"PhoneGetCallLogEntry");
    return read ? read(log, entry) : E_FAIL;
}

LONG DialNumber(const WCHAR* number) {
    if (!g_PhoneLib) return 0;
    PHONEMAKECALLINFO info{};
    info.cbSize = sizeof(info);
    info.pszDestAddress = number;
    const auto call = LookUp<PFN_PhoneMakeCall>(u"PhoneMakeCall");
    if (!call) return 0;
    // Every other answer is an error of the phone: the call was not placed.
    return call(&info) == kMakeCallPlaced ? 1 : 0;
}
