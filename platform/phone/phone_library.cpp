// The phone library: its call log read from the device file, newest call first, and calls placed
// into the record that tests read back.
#include "phone/phone_library.h"

#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "kernel/device_path.h"
#include "platform/memory.h"
#include "platform/phone.h"
#include "platform/testing_phone.h"
#include "platform/text.h"

namespace platform::phone {
namespace {

struct CallLog {
    std::vector<std::string> lines;
    std::size_t next = 0;
};

std::mutex g_dialledLock;
std::vector<std::u16string> g_dialled;
// The phone's error for every call while a test asks for one (the network refused, the radio is off).
LONG g_dialError = 0;

std::vector<std::string> ReadLines(const WCHAR* devicePath, bool& exists) {
    std::ifstream file(ResolveDevicePath(devicePath));
    exists = file.good();
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::u16string Utf16(const std::string& text) {
    std::u16string out(text.size(), u'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                      static_cast<int>(out.size()));
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

// A copy the caller frees with LocalFree; null for an empty field.
LPWSTR LocalText(const std::string& field) {
    if (field.empty()) return nullptr;
    const std::u16string text = Utf16(field);
    auto* copy = static_cast<LPWSTR>(LocalAlloc(LMEM_ZEROINIT, (text.size() + 1) * sizeof(WCHAR)));
    if (copy) text.copy(copy, text.size());
    return copy;
}

FILETIME FileTimeOf(const std::string& field) {
    const unsigned long long value = std::strtoull(field.c_str(), nullptr, 10);
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    fields.resize(9);
    return fields;
}

HRESULT PhoneOpenCallLog(HANDLE* log) {
    if (!log) return E_INVALIDARG;
    bool exists = false;
    auto opened = std::make_unique<CallLog>();
    opened->lines = ReadLines(kPhoneCallLogFile, exists);
    *log = reinterpret_cast<HANDLE>(opened.release());
    return S_OK;
}

HRESULT PhoneGetCallLogEntry(HANDLE handle, CALLLOGENTRY* entry) {
    auto* log = reinterpret_cast<CallLog*>(handle);
    if (!log || !entry || entry->cbSize != sizeof(CALLLOGENTRY)) return E_INVALIDARG;
    while (log->next < log->lines.size() && log->lines[log->next].empty()) ++log->next;
    if (log->next >= log->lines.size()) return S_FALSE;
    const std::vector<std::string> f = Fields(log->lines[log->next++]);
    entry->ftStartTime = FileTimeOf(f[0]);
    entry->ftEndTime = FileTimeOf(f[1]);
    entry->iom = static_cast<IOM>(std::atoi(f[2].c_str()));
    entry->flags = static_cast<DWORD>(std::strtoul(f[3].c_str(), nullptr, 10));
    entry->cidt = static_cast<CALLERIDTYPE>(std::atoi(f[4].c_str()));
    entry->pszNumber = LocalText(f[5]);
    entry->pszName = LocalText(f[6]);
    entry->pszNameType = LocalText(f[7]);
    entry->pszNote = LocalText(f[8]);
    return S_OK;
}

HRESULT PhoneCloseCallLog(HANDLE handle) {
    if (!handle) return E_INVALIDARG;
    delete reinterpret_cast<CallLog*>(handle);
    return S_OK;
}

LONG PhoneMakeCall(PHONEMAKECALLINFO* info) {
    if (!info || info->cbSize != sizeof(PHONEMAKECALLINFO) || !info->pszDestAddress) return -1;
    const std::lock_guard<std::mutex> hold(g_dialledLock);
    if (g_dialError != 0) return g_dialError;
    g_dialled.emplace_back(info->pszDestAddress);
    return 0;
}

struct Export {
    const char16_t* name;
    FARPROC address;
};

const Export kExports[] = {
    {u"PhoneOpenCallLog", reinterpret_cast<FARPROC>(&PhoneOpenCallLog)},
    {u"PhoneGetCallLogEntry", reinterpret_cast<FARPROC>(&PhoneGetCallLogEntry)},
    {u"PhoneCloseCallLog", reinterpret_cast<FARPROC>(&PhoneCloseCallLog)},
    {u"PhoneMakeCall", reinterpret_cast<FARPROC>(&PhoneMakeCall)},
};

}  // namespace

bool LibraryPresent() {
    bool exists = false;
    ReadLines(kPhoneLibraryFile, exists);
    return exists;
}

FARPROC FindExport(std::u16string_view name) {
    bool exists = false;
    const std::vector<std::string> listed = ReadLines(kPhoneLibraryFile, exists);
    if (!exists) return nullptr;
    bool any = false;
    bool named = false;
    for (const std::string& line : listed) {
        if (line.empty()) continue;
        any = true;
        if (Utf16(line) == name) named = true;
    }
    if (any && !named) return nullptr;
    for (const Export& entry : kExports) {
        if (name == entry.name) return entry.address;
    }
    return nullptr;
}

}  // namespace platform::phone

namespace platform::testing {

std::vector<std::u16string> DialledNumbers() {
    const std::lock_guard<std::mutex> hold(phone::g_dialledLock);
    return phone::g_dialled;
}

void FailDialling(LONG error) {
    const std::lock_guard<std::mutex> hold(phone::g_dialledLock);
    phone::g_dialError = error;
}

void ClearDialledNumbers() {
    const std::lock_guard<std::mutex> hold(phone::g_dialledLock);
    phone::g_dialled.clear();
}

}  // namespace platform::testing

namespace platform::testing {

namespace {

std::string Utf8(const std::u16string& text) {
    std::string out(text.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                      static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

void InstallPhoneLibrary(const TestDevice& device, const std::vector<TestCall>& calls,
                         const std::vector<std::string>& exports) {
    std::string library;
    for (const std::string& name : exports) library += name + "\n";
    device.WriteFile(kPhoneLibraryFile, library);
    std::string log;
    for (const TestCall& call : calls) {
        log += std::to_string(Ticks(call.start)) + "\t" + std::to_string(Ticks(call.end)) + "\t" +
               std::to_string(static_cast<int>(call.iom)) + "\t" + std::to_string(call.flags) + "\t" +
               std::to_string(static_cast<int>(CALLERIDTYPE_AVAILABLE)) + "\t" + Utf8(call.number) + "\t" +
               Utf8(call.name) + "\t" + Utf8(call.nameType) + "\t" + Utf8(call.note) + "\n";
    }
    device.WriteFile(kPhoneCallLogFile, log);
}

}  // namespace platform::testing
