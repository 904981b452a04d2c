// The test API of the phone library: a device with "phone.dll" and its call log, and the numbers
// dialled through it.
#pragma once

#include <string>
#include <vector>

#include "platform/phone.h"
#include "platform/testing.h"

namespace platform::testing {

struct TestCall {
    FILETIME start{};
    FILETIME end{};
    IOM iom = IOM_INCOMING;
    DWORD flags = CALLLOG_CONNECTED | CALLLOG_ENDED;
    std::u16string number;
    std::u16string name;
    std::u16string nameType;
    std::u16string note;
};

// Puts "phone.dll" on the device with the calls as its log (newest first); a non-empty exports list
// makes a library that has only those entry points.
void InstallPhoneLibrary(const TestDevice& device, const std::vector<TestCall>& calls,
                         const std::vector<std::string>& exports = {});
// The numbers PhoneMakeCall placed, in order.
std::vector<std::u16string> DialledNumbers();
void ClearDialledNumbers();
// While error is not 0, PhoneMakeCall places nothing and answers it.
void FailDialling(LONG error);

}  // namespace platform::testing
