// Values: each type read back as written, the size rules of the reading calls, letter case of names,
// deleting, enumeration, and writes that fail on demand.
#include <cstring>
#include <filesystem>

#include "platform/device.h"
#include "registry_fixture.h"

namespace {

using namespace registry_test;

TEST_F(RegistryTest, EveryTypeReadsBackAsWrittenWithTheSizeRules) {
    const DWORD number = 0x12345678;
    std::vector<BYTE> big(10000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<BYTE>(i * 7);
    const std::u16string multi(u"one\0two\0", 8);  // TextBytes adds the final terminator
    const struct Case {
        const char16_t* name;
        DWORD type;
        std::vector<BYTE> data;
    } cases[] = {
        {u"Number", REG_DWORD, std::vector<BYTE>(reinterpret_cast<const BYTE*>(&number),
                                                 reinterpret_cast<const BYTE*>(&number) + 4)},
        {u"Text", REG_SZ, TextBytes(u"\"\\Program Files\\Quorvia\\Quorvia.exe\" /TASKS")},
        {u"Empty text", REG_SZ, TextBytes(u"")},
        {u"Expand", REG_EXPAND_SZ, TextBytes(u"%windir%\\x")},
        {u"Multi", REG_MULTI_SZ, TextBytes(multi)},
        {u"Binary with zeros", REG_BINARY, Bytes(std::string("\0\1\0\2", 4))},
        {u"Large", REG_BINARY, big},
        {u"Nothing", REG_NONE, {}},
        // Stored as given even when the type and the size disagree.
        {u"Odd dword", REG_DWORD, Bytes("abcdef")},
    };
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Types", key), ERROR_SUCCESS);
    for (const Case& c : cases) ASSERT_EQ(SetBytes(key.Get(), c.name, c.type, c.data), ERROR_SUCCESS);

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
        const auto size = static_cast<DWORD>(c.data.size());
        // A null buffer asks the size.
        DWORD type = 99, asked = 0;
        ASSERT_EQ(RegQueryValueExW(key.Get(), c.name, nullptr, &type, nullptr, &asked), ERROR_SUCCESS);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(asked, size);
        // An exact buffer gets the bytes.
        std::vector<BYTE> buffer(size + 4, 0xCD);
        DWORD got = size;
        ASSERT_EQ(RegQueryValueExW(key.Get(), c.name, nullptr, nullptr, buffer.data(), &got), ERROR_SUCCESS);
        EXPECT_EQ(got, size);
        EXPECT_EQ(std::vector<BYTE>(buffer.begin(), buffer.begin() + size), c.data);
        EXPECT_EQ(buffer[size], 0xCD) << "wrote past the size";
        // One byte short: nothing is written and the size needed comes back.
        if (size == 0) continue;
        std::fill(buffer.begin(), buffer.end(), 0xCD);
        DWORD shortSize = size - 1;
        type = 99;
        EXPECT_EQ(RegQueryValueExW(key.Get(), c.name, nullptr, &type, buffer.data(), &shortSize), ERROR_MORE_DATA);
        EXPECT_EQ(shortSize, size);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(buffer, std::vector<BYTE>(size + 4, 0xCD));
    }
}

TEST_F(RegistryTest, ReadingANumberIntoFourBytesFailsForLongerValues) {
    // The settings store reads every number this way and keeps its default when the call fails.
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Settings", key), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key.Get(), u"FONTSIZE", REG_SZ, TextBytes(u"18")), ERROR_SUCCESS);
    DWORD value = 14;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExW(key.Get(), u"FONTSIZE", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(value, 14u);
    EXPECT_EQ(ReadDword(key.Get(), u"ABSENT", 5), 5u);
}

TEST_F(RegistryTest, QueryArgumentRules) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Rules", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"n", 3), ERROR_SUCCESS);
    BYTE buffer[4];
    DWORD type = 0, size = 4;
    EXPECT_EQ(RegQueryValueExW(key.Get(), u"n", nullptr, nullptr, buffer, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(key.Get(), u"n", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(RegQueryValueExW(key.Get(), u"missing", nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValueExW(key.Get(), u"n", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(ReadDword(key.Get(), u"n", 0), 3u);
    EXPECT_EQ(SetDword(key.Get(), std::u16string(256, u'v').c_str(), 1), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetDword(key.Get(), std::u16string(255, u'v').c_str(), 1), ERROR_SUCCESS);
}

TEST_F(RegistryTest, ValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Settings", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"ABCTBDown", 1), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(key.Get(), u"ABCTBDOWN", 0), 1u);
    ASSERT_EQ(SetDword(key.Get(), u"abctbdown", 2), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"Größe", 3), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(key.Get(), u"GRÖSSE", 0), 0u) << "one unit folds to one unit only";
    EXPECT_EQ(ReadDword(key.Get(), u"GRÖßE", 0), 3u);

    WCHAR name[32];
    DWORD chars = 32, values = 0;
    ASSERT_EQ(RegEnumValueW(key.Get(), 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(name, chars), u"ABCTBDown");
    ASSERT_EQ(RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(ReadDword(key.Get(), u"ABCTBDown", 0), 2u);
}

TEST_F(RegistryTest, UnnamedValueIsTheNullAndTheEmptyName) {
    Key key;
    ASSERT_EQ(Create(HKEY_CLASSES_ROOT, u"zqtheme", key), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.Get(), nullptr).status, ERROR_FILE_NOT_FOUND) << "no default value of its own";
    ASSERT_EQ(SetBytes(key.Get(), u"", REG_SZ, TextBytes(u"ZQThemeFile")), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.Get(), nullptr).data, TextBytes(u"ZQThemeFile"));
    EXPECT_EQ(RegDeleteValueW(key.Get(), nullptr), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.Get(), u"").status, ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, DeleteValueRemovesOnlyThatValue) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Settings", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"SEARCH1", 1), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"SEARCH2", 2), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key.Get(), u"search1"), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.Get(), u"SEARCH1").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadDword(key.Get(), u"SEARCH2", 0), 2u);
    EXPECT_EQ(RegDeleteValueW(key.Get(), u"SEARCH1"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, ValuesEnumerateInTheOrderFirstWritten) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Order", key), ERROR_SUCCESS);
    for (const char16_t* name : {u"VIEW_MONTH", u"VIEW_WEEK", u"VIEW_BARWEEK", u"VIEW_DATES"})
        ASSERT_EQ(SetDword(key.Get(), name, 1), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"VIEW_MONTH", 0), ERROR_SUCCESS);  // rewriting keeps its place
    ASSERT_EQ(RegDeleteValueW(key.Get(), u"VIEW_WEEK"), ERROR_SUCCESS);

    std::vector<std::u16string> names;
    std::vector<DWORD> numbers;
    for (DWORD i = 0;; ++i) {
        WCHAR name[32];
        DWORD chars = 32, type = 0, number = 0, size = sizeof number;
        const LONG status =
            RegEnumValueW(key.Get(), i, name, &chars, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
        if (status == ERROR_NO_MORE_ITEMS) break;
        ASSERT_EQ(status, ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        names.emplace_back(name, chars);
        numbers.push_back(number);
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"VIEW_MONTH", u"VIEW_BARWEEK", u"VIEW_DATES"}));
    EXPECT_EQ(numbers, (std::vector<DWORD>{0, 1, 1}));

    // Small buffers: the name's characters with its terminator, the data's bytes.
    WCHAR name[32];
    DWORD chars = 10, size = 2;
    BYTE data[4];
    EXPECT_EQ(RegEnumValueW(key.Get(), 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(chars, 11u);
    chars = 32;
    EXPECT_EQ(RegEnumValueW(key.Get(), 0, name, &chars, nullptr, nullptr, data, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 4u);
}

// The program sets many values to what they already hold at every start: such a write leaves the
// store's files alone, while a new type or new data is written as before.
TEST_F(RegistryTest, AValueSetToWhatItHoldsWritesNothing) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Settings", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"STARTON30", 10), ERROR_SUCCESS);
    const std::filesystem::path wal = platform::DeviceRoot() / "registry.db-wal";
    const auto walSize = [&wal] { return std::filesystem::exists(wal) ? std::filesystem::file_size(wal) : 0; };
    const auto before = walSize();
    ASSERT_EQ(SetDword(key.Get(), u"starton30", 10), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"STARTON30", 10), ERROR_SUCCESS);
    EXPECT_EQ(walSize(), before);

    const DWORD ten = 10;
    const std::vector<BYTE> sameBytes(reinterpret_cast<const BYTE*>(&ten), reinterpret_cast<const BYTE*>(&ten) + 4);
    ASSERT_EQ(SetBytes(key.Get(), u"STARTON30", REG_BINARY, sameBytes), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(key.Get(), u"STARTON30").type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(SetDword(key.Get(), u"STARTON30", 1), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(key.Get(), u"STARTON30", 0), 1u);
    EXPECT_GT(walSize(), before);
}

TEST_F(RegistryTest, TheChosenWriteFailsAndTheWritesBeforeItAreKept) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"\\Software\\Hollyfen\\Quorvia\\Settings", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"CLIST", 1), ERROR_SUCCESS);

    platform::testing::FailRegistryWriteAfter(2);
    // Opening an existing key is no write.
    Key reopened;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"\\Software\\Hollyfen\\Quorvia\\Settings", reopened), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key.Get(), u"FIRSTTIME", 1), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key.Get(), u"INITLOCTEXT", 1), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key.Get(), u"CLIST", 0), ERROR_CANTWRITE);
    EXPECT_EQ(SetDword(key.Get(), u"STARTCOLL", 1), ERROR_SUCCESS) << "only the one write fails";

    EXPECT_EQ(ReadDword(key.Get(), u"FIRSTTIME", 0), 1u);
    EXPECT_EQ(ReadDword(key.Get(), u"INITLOCTEXT", 0), 1u);
    EXPECT_EQ(ReadDword(key.Get(), u"CLIST", 9), 1u) << "the failed write left the old value";
    EXPECT_EQ(ReadDword(key.Get(), u"STARTCOLL", 0), 1u);
}

TEST_F(RegistryTest, EveryKindOfWriteCanBeMadeToFail) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Doomed", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.Get(), u"v", 1), ERROR_SUCCESS);

    platform::testing::FailRegistryWriteAfter(0);
    Key created;
    EXPECT_EQ(Create(HKEY_CURRENT_USER, u"New\\Deep\\Path", created), ERROR_CANTWRITE);
    EXPECT_EQ(created.Get(), nullptr);
    Key probe;
    EXPECT_EQ(Open(HKEY_CURRENT_USER, u"New", probe), ERROR_FILE_NOT_FOUND) << "no part of the path was made";

    platform::testing::FailRegistryWriteAfter(0);
    EXPECT_EQ(RegDeleteValueW(key.Get(), u"v"), ERROR_CANTWRITE);
    EXPECT_EQ(ReadDword(key.Get(), u"v", 0), 1u);

    platform::testing::FailRegistryWriteAfter(0);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Doomed"), ERROR_CANTWRITE);
    EXPECT_EQ(ReadDword(key.Get(), u"v", 0), 1u);

    platform::testing::FailRegistryWriteAfter(0);
    platform::testing::ResetRegistryFaults();
    EXPECT_EQ(SetDword(key.Get(), u"v", 2), ERROR_SUCCESS);
}

}  // namespace
