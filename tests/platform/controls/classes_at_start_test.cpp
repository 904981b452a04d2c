// The standard control classes are there before any dialog or explicit registration, as on the device.
#include <gtest/gtest.h>

#include "platform/controls.h"

namespace {

TEST(StandardClasses, ExistFromTheStart) {
    for (const LPCWSTR name : {WC_BUTTONW, WC_STATICW, WC_EDITW, WC_LISTBOXW, WC_COMBOBOXW, WC_SCROLLBARW, UPDOWN_CLASSW}) {
        WNDCLASSW info{};
        EXPECT_TRUE(GetClassInfoW(nullptr, name, &info)) << std::u16string(name).size();
    }
}

}  // namespace
