// Message texts with numbered inserts.
#include <gtest/gtest.h>

#include "platform/kernel.h"

namespace {

std::u16string Format(const WCHAR* text, std::initializer_list<DWORD_PTR> args, DWORD flags = 0) {
    WCHAR buffer[100] = {};
    std::vector<DWORD_PTR> array(args);
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | flags, text, 0, 0,
                                   buffer, 100, reinterpret_cast<va_list*>(array.data()));
    return std::u16string(buffer, n);
}

DWORD_PTR Text(const WCHAR* s) { return reinterpret_cast<DWORD_PTR>(s); }

TEST(FormatMessage, FillsInsertsInAnyOrderWithTheirForms) {
    struct Case {
        const WCHAR* text;
        std::u16string expected;
    } const cases[] = {
        {u"Every %1 at %2", u"Every Monday at 9"},
        {u"%2 before %1", u"9 before Monday"},
        {u"%3!d! items", u"42 items"},
        {u"[%3!5d!]", u"[   42]"},
        {u"100%% sure%. ok%0 cut", u"100% sure. ok"},
        {u"a%nb", u"a\r\nb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.text, {Text(u"Monday"), Text(u"9"), 42}), c.expected) << platform::ToUtf8(c.text);
}

TEST(FormatMessage, RefusesShortBuffersAndInsertsWithoutArguments) {
    WCHAR small[4];
    DWORD_PTR args[] = {Text(u"long text")};
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, u"%1", 0, 0, small, 4,
                             reinterpret_cast<va_list*>(args)),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    WCHAR buffer[16];
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_STRING, u"%1", 0, 0, buffer, 16, nullptr), 0u);
    EXPECT_EQ(Format(u"%1 stays", {}, FORMAT_MESSAGE_IGNORE_INSERTS), u"%1 stays");
}

TEST(FormatMessage, AllocatesTheBufferWhenAsked) {
    LPWSTR text = nullptr;
    DWORD_PTR args[] = {Text(u"x")};
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                   u"<%1>", 0, 0, reinterpret_cast<LPWSTR>(&text), 0, reinterpret_cast<va_list*>(args));
    ASSERT_EQ(n, 3u);
    EXPECT_EQ(std::u16string(text), u"<x>");
    LocalFree(text);
}

}  // namespace
