// The built-in phone library: present only with its device file, its exports by name (or only those
// the file lists), the call log read newest first with texts the caller frees, and placed calls.
#include <gtest/gtest.h>

#include "platform/memory.h"
#include "platform/modules.h"
#include "platform/phone.h"
#include "platform/testing_phone.h"

namespace {

using platform::testing::TestCall;

FILETIME Ticks(unsigned long long value) {
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

TEST(PhoneLibrary, PresentOnlyWithItsFileAndExportsWhatItLists) {
    platform::testing::TestDevice device;
    EXPECT_EQ(LoadLibraryW(u"phone.dll"), nullptr);

    platform::testing::InstallPhoneLibrary(device, {}, {"PhoneOpenCallLog", "PhoneCloseCallLog"});
    const HMODULE module = LoadLibraryW(u"\\Windows\\PHONE.DLL");
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddressW(module, u"PhoneOpenCallLog"), nullptr);
    EXPECT_EQ(GetProcAddressW(module, u"PhoneGetCallLogEntry"), nullptr);
    EXPECT_EQ(GetProcAddressW(module, u"NoSuchEntry"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FALSE(FreeLibrary(module));
    EXPECT_EQ(GetProcAddressW(module, u"PhoneOpenCallLog"), nullptr);  // no longer loaded
    EXPECT_EQ(LoadLibraryW(u"other.dll"), nullptr);
}

TEST(PhoneLibrary, ReadsTheLogAndPlacesCalls) {
    platform::testing::TestDevice device;
    TestCall first;
    first.start = Ticks(0x1234567890ULL);
    first.end = Ticks(0x1234567899ULL);
    first.iom = IOM_OUTGOING;
    first.flags = CALLLOG_OUTGOING | CALLLOG_CONNECTED;
    first.number = u"555-0100";
    first.name = u"Åsa Berg";
    first.nameType = u"w";
    TestCall second;
    second.number = u"555-0199";
    platform::testing::InstallPhoneLibrary(device, {first, second});
    const HMODULE module = LoadLibraryW(u"phone");
    ASSERT_NE(module, nullptr);
    const auto open = reinterpret_cast<PFN_PhoneOpenCallLog>(GetProcAddressW(module, u"PhoneOpenCallLog"));
    const auto read = reinterpret_cast<PFN_PhoneGetCallLogEntry>(GetProcAddressW(module, u"PhoneGetCallLogEntry"));
    const auto close = reinterpret_cast<PFN_PhoneCloseCallLog>(GetProcAddressW(module, u"PhoneCloseCallLog"));
    const auto call = reinterpret_cast<PFN_PhoneMakeCall>(GetProcAddressW(module, u"PhoneMakeCall"));
    ASSERT_TRUE(open && read && close && call);

    HANDLE log = nullptr;
    ASSERT_EQ(open(&log), S_OK);
    CALLLOGENTRY entry{};
    EXPECT_EQ(read(log, &entry), E_INVALIDARG);  // no size
    entry.cbSize = sizeof(entry);
    ASSERT_EQ(read(log, &entry), S_OK);
    EXPECT_EQ(entry.ftStartTime.dwLowDateTime, 0x34567890u);
    EXPECT_EQ(entry.ftStartTime.dwHighDateTime, 0x12u);
    EXPECT_EQ(entry.iom, IOM_OUTGOING);
    EXPECT_EQ(entry.flags, CALLLOG_OUTGOING | CALLLOG_CONNECTED);
    EXPECT_EQ(std::u16string(entry.pszName), u"Åsa Berg");
    EXPECT_EQ(std::u16string(entry.pszNameType), u"w");
    EXPECT_EQ(entry.pszNote, nullptr);
    for (LPWSTR text : {entry.pszNumber, entry.pszName, entry.pszNameType}) LocalFree(text);
    entry = CALLLOGENTRY{};
    entry.cbSize = sizeof(entry);
    ASSERT_EQ(read(log, &entry), S_OK);
    EXPECT_EQ(entry.pszName, nullptr);
    LocalFree(entry.pszNumber);
    EXPECT_EQ(read(log, &entry), S_FALSE);
    EXPECT_EQ(close(log), S_OK);

    platform::testing::ClearDialledNumbers();
    PHONEMAKECALLINFO info{};
    info.cbSize = sizeof(info);
    info.pszDestAddress = u"555-0123";
    EXPECT_EQ(call(&info), 0);
    info.pszDestAddress = nullptr;
    EXPECT_EQ(call(&info), -1);
    EXPECT_EQ(platform::testing::DialledNumbers(), std::vector<std::u16string>{u"555-0123"});
    FreeLibrary(module);
}

}  // namespace
