// The call history's data: the phone library bound at run time (and its absence), the calls of the
// selected contact by caller name, the totals per direction, and dialling.
#include <gtest/gtest.h>

#include "core/cts_loading.h"
#include "core/frame_state.h"
#include "core/phone_lib.h"
#include "lists/call_log.h"
#include "platform/testing_phone.h"

namespace {

using platform::testing::TestCall;

constexpr unsigned long long kTicksPerSecond = 10000000ULL;
constexpr unsigned long long kBase = 130000000000000000ULL;

FILETIME At(unsigned long long seconds) {
    const unsigned long long ticks = kBase + seconds * kTicksPerSecond;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

TestCall Call(const char16_t* name, unsigned long long seconds, bool outgoing, const char16_t* number = u"555-0100") {
    TestCall call;
    call.start = At(0);
    call.end = At(seconds);
    call.iom = outgoing ? IOM_OUTGOING : IOM_INCOMING;
    call.flags = CALLLOG_CONNECTED | CALLLOG_ENDED | (outgoing ? CALLLOG_OUTGOING : 0);
    call.name = name;
    call.number = number;
    call.nameType = u"M";
    return call;
}

class CallLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedContacts_ = g_CtsList;
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        CtsRecord contact;
        contact.oid = 42;
        contact.fileAs = u"Berg, Anna";
        IdIndexInsert(42, g_CtsList.Append(contact), g_CtsIdIndex);
        g_CurItem.oid = 42;
        g_CurItem.kind = kItemContact;
        g_CallList.RemoveAll();
    }
    void TearDown() override {
        FreePhoneLib();
        g_CallList.RemoveAll();
        g_CtsList = savedContacts_;
        g_CtsIdIndex.RemoveAll();
        g_CurItem = CurItem{};
    }

    platform::testing::TestDevice device_;
    CtsArray savedContacts_;
};

TEST_F(CallLogTest, WithoutAPhoneNothingHappens) {
    EXPECT_FALSE(LoadPhoneLib());
    g_CallList.Append(CallLogEntry{});
    LoadCallLog();
    EXPECT_EQ(g_CallList.Size(), 1);  // left as it was
    EXPECT_EQ(DialNumber(u"555-0100"), 0);
}

TEST_F(CallLogTest, MissingEntryPointShowsNoCalls) {
    platform::testing::InstallPhoneLibrary(device_, {Call(u"Berg, Anna", 10, false)},
                                           {"PhoneOpenCallLog", "PhoneCloseCallLog", "PhoneMakeCall"});
    ASSERT_TRUE(LoadPhoneLib());
    g_CallList.Append(CallLogEntry{});
    LoadCallLog();
    EXPECT_TRUE(g_CallList.IsEmpty());
}

TEST_F(CallLogTest, CallsOfTheContactByNameInLogOrder) {
    platform::testing::InstallPhoneLibrary(device_, {Call(u"BERG, ANNA", 40 * 60 + 30, true),
                                                     Call(u"", 5, false),  // the number alone is not enough
                                                     Call(u"Someone Else", 7, false),
                                                     Call(u"berg, anna", 30 * 60 + 45, true, u"555-0199"),
                                                     Call(u"Berg, Anna", 61, false)});
    ASSERT_TRUE(LoadPhoneLib());
    LoadCallLog();
    ASSERT_EQ(g_CallList.Size(), 3);
    EXPECT_EQ(g_CallList[0].incoming, 0);
    EXPECT_EQ(g_CallList[0].connected, 1);
    EXPECT_EQ(g_CallList[0].notEnded, 0);
    EXPECT_EQ(g_CallList[0].nameKind, 2);
    EXPECT_EQ(g_CallList[1].number, u"555-0199");
    EXPECT_EQ(g_CallList[2].incoming, 1);
    EXPECT_EQ(CallTotalText(g_CallList, false), u"01:11:15");
    EXPECT_EQ(CallTotalText(g_CallList, true), u"00:01:01");

    g_CurItem.oid = 7;  // no such contact
    LoadCallLog();
    EXPECT_TRUE(g_CallList.IsEmpty());
}

TEST_F(CallLogTest, DialsThroughTheLibrary) {
    platform::testing::InstallPhoneLibrary(device_, {});
    platform::testing::ClearDialledNumbers();
    ASSERT_TRUE(LoadPhoneLib());
    EXPECT_EQ(DialNumber(u"555-0100"), 1);
    EXPECT_EQ(platform::testing::DialledNumbers(), std::vector<std::u16string>{u"555-0100"});
    FreePhoneLib();
    EXPECT_EQ(DialNumber(u"555-0101"), 0);
    EXPECT_EQ(platform::testing::DialledNumbers().size(), 1u);
}

// Without "PhoneOpenCallLog" the log was reported open and read with a null handle; a dial the phone
// refused counted as placed unless its error was -1.
TEST_F(CallLogTest, EachPhoneFailureIsAFailure) {
    platform::testing::InstallPhoneLibrary(device_, {Call(u"Berg, Anna", 10, false)},
                                           {"PhoneGetCallLogEntry", "PhoneCloseCallLog", "PhoneMakeCall"});
    ASSERT_TRUE(LoadPhoneLib());
    HANDLE log = nullptr;
    EXPECT_TRUE(FAILED(OpenCallLog(&log)));
    EXPECT_EQ(log, nullptr);
    g_CallList.Append(CallLogEntry{});
    LoadCallLog();
    EXPECT_TRUE(g_CallList.IsEmpty());
    FreePhoneLib();

    platform::testing::InstallPhoneLibrary(device_, {}, {"PhoneOpenCallLog", "PhoneGetCallLogEntry", "PhoneMakeCall"});
    ASSERT_TRUE(LoadPhoneLib());
    EXPECT_TRUE(FAILED(CloseCallLog(nullptr)));

    platform::testing::ClearDialledNumbers();
    for (const LONG error : {LONG{-1}, LONG{1}, static_cast<LONG>(0x80004005u)}) {
        platform::testing::FailDialling(error);
        EXPECT_EQ(DialNumber(u"555-0100"), 0) << error;
    }
    platform::testing::FailDialling(0);
    EXPECT_TRUE(platform::testing::DialledNumbers().empty());
    EXPECT_EQ(DialNumber(u"555-0100"), 1);
}

}  // namespace
