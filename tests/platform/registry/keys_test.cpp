// Keys: creating paths, opening, closing, deleting whole subtrees, stale handles and enumeration.
#include "kernel/handles.h"
#include "registry_fixture.h"

namespace {

using namespace registry_test;

constexpr const char16_t* kSettings = u"\\Software\\Hollyfen\\Quorvia\\Settings";

TEST_F(RegistryTest, CreateMakesTheWholePathAndThenOpensIt) {
    DWORD disposition = 0;
    Key first;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, kSettings, first, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(SetDword(first.Get(), u"FONTSIZE", 15), ERROR_SUCCESS);

    // The same key by another spelling and without the leading backslash.
    Key again;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"SOFTWARE\\hollyfen\\QUORVIA\\settings", again, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(ReadDword(again.Get(), u"fontsize", 0), 15u);

    // Every key on the way exists and can be opened on its own.
    Key middle;
    ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Hollyfen", middle), ERROR_SUCCESS);
    Key below;
    ASSERT_EQ(Open(middle.Get(), u"Quorvia\\Settings", below), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(below.Get(), u"FONTSIZE", 0), 15u);

    // The roots are separate trees.
    Key other;
    EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, kSettings, other), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(other.Get(), nullptr);
}

TEST_F(RegistryTest, OpenOfAMissingKeyCreatesNothing) {
    Key key;
    EXPECT_EQ(Open(HKEY_CURRENT_USER, u"\\ControlPanel\\Keybd", key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key.Get(), nullptr);
    Key parent;
    EXPECT_EQ(Open(HKEY_CURRENT_USER, u"ControlPanel", parent), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, NullOrEmptySubkeyGivesANewHandleOnTheSameKey) {
    Key key;
    ASSERT_EQ(Create(HKEY_CLASSES_ROOT, u".txt", key), ERROR_SUCCESS);
    Key viaOpen, viaCreate, viaEmpty;
    ASSERT_EQ(RegOpenKeyExW(key.Get(), nullptr, 0, 0, viaOpen.Out()), ERROR_SUCCESS);
    ASSERT_EQ(Create(key.Get(), nullptr, viaCreate), ERROR_SUCCESS);
    ASSERT_EQ(Open(key.Get(), u"", viaEmpty), ERROR_SUCCESS);
    EXPECT_NE(viaOpen.Get(), key.Get());
    ASSERT_EQ(SetBytes(viaOpen.Get(), nullptr, REG_SZ, TextBytes(u"textfile")), ERROR_SUCCESS);
    EXPECT_EQ(ReadValue(viaCreate.Get(), u"").data, TextBytes(u"textfile"));
    EXPECT_EQ(ReadValue(viaEmpty.Get(), nullptr).data, TextBytes(u"textfile"));
}

TEST_F(RegistryTest, BadArgumentsAreRefused) {
    const std::u16string longName(256, u'k');
    const std::u16string longestName(255, u'k');
    struct Case {
        const char16_t* path;
        LONG expected;
    } const cases[] = {
        {u"a\\\\b", ERROR_INVALID_PARAMETER},
        {u"\\\\a", ERROR_INVALID_PARAMETER},
        {longName.c_str(), ERROR_INVALID_PARAMETER},
        {longestName.c_str(), ERROR_SUCCESS},
        {u"trailing\\", ERROR_SUCCESS},
    };
    for (const Case& c : cases) {
        Key key;
        EXPECT_EQ(Create(HKEY_CURRENT_USER, c.path, key), c.expected) << std::string(c.path, c.path + 8);
    }
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"a", 0, nullptr, 0, 0, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"a", 0, 0, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u""), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, HandlesAreCheckedAndClosedOnce) {
    const std::size_t handlesBefore = platform::LiveHandleCount();
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software", key), ERROR_SUCCESS);
    const HKEY h = key.Release();
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
    EXPECT_EQ(platform::LiveHandleCount(), handlesBefore);

    const HKEY bogus = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7777));
    for (const HKEY stale : {h, bogus, static_cast<HKEY>(nullptr)}) {
        DWORD size = 0;
        Key sub;
        EXPECT_EQ(RegCloseKey(stale), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueExW(stale, u"x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
        EXPECT_EQ(SetDword(stale, u"x", 1), ERROR_INVALID_HANDLE);
        EXPECT_EQ(Create(stale, u"sub", sub), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegFlushKey(stale), ERROR_INVALID_HANDLE);
    }
    // The predefined roots need no closing and survive it.
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegFlushKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(HKEY_CURRENT_USER, u"x", 1), ERROR_SUCCESS);
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeSubtree) {
    Key leaf;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Hollyfen\\Quorvia\\Settings", leaf), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(leaf.Get(), u"ZQKEEPINFO", 0), ERROR_SUCCESS);
    Key sibling;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Other", sibling), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(sibling.Get(), u"Kept", 7), ERROR_SUCCESS);

    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"software\\HOLLYFEN"), ERROR_SUCCESS);
    Key gone;
    EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Hollyfen", gone), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Hollyfen\\Quorvia\\Settings", gone), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadDword(sibling.Get(), u"Kept", 0), 7u);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Hollyfen"), ERROR_FILE_NOT_FOUND);

    // A key made again under the same name is a new key with nothing of the old one.
    Key remade;
    DWORD disposition = 0;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Hollyfen\\Quorvia\\Settings", remade, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_EQ(ReadValue(remade.Get(), u"ZQKEEPINFO").status, ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, HandleOnADeletedKeyReportsKeyDeleted) {
    Key stale;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"App\\Settings", stale), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"App"), ERROR_SUCCESS);
    // Remade at once: the old handle must not reach the new key.
    Key remade;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"App\\Settings", remade), ERROR_SUCCESS);

    DWORD size = 0;
    WCHAR name[16];
    DWORD nameChars = 16;
    Key sub;
    EXPECT_EQ(RegQueryValueExW(stale.Get(), u"x", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(SetDword(stale.Get(), u"x", 1), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteValueW(stale.Get(), u"x"), ERROR_KEY_DELETED);
    EXPECT_EQ(Create(stale.Get(), u"sub", sub), ERROR_KEY_DELETED);
    EXPECT_EQ(RegEnumValueW(stale.Get(), 0, name, &nameChars, nullptr, nullptr, nullptr, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegFlushKey(stale.Get()), ERROR_KEY_DELETED);
    EXPECT_EQ(ReadValue(remade.Get(), u"x").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(stale.Release()), ERROR_SUCCESS);
}

std::vector<std::u16string> SubKeyNames(HKEY key) {
    std::vector<std::u16string> names;
    for (DWORD i = 0;; ++i) {
        WCHAR name[256];
        DWORD chars = 256;
        const LONG status = RegEnumKeyExW(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        EXPECT_EQ(status, ERROR_SUCCESS);
        if (status != ERROR_SUCCESS) break;
        EXPECT_EQ(chars, std::u16string(name).size());
        names.emplace_back(name, chars);
    }
    return names;
}

TEST_F(RegistryTest, SubkeysEnumerateByFoldedNameInTheirFirstSpelling) {
    Key parent;
    ASSERT_EQ(Create(HKEY_CLASSES_ROOT, u"textfile", parent), ERROR_SUCCESS);
    for (const char16_t* name : {u"Shell", u"DefaultIcon", u"shell\\Open\\Command", u"Ärger", u"apfel"}) {
        Key child;
        ASSERT_EQ(Create(parent.Get(), name, child), ERROR_SUCCESS);
    }
    EXPECT_EQ(SubKeyNames(parent.Get()), (std::vector<std::u16string>{u"apfel", u"DefaultIcon", u"Shell", u"Ärger"}));

    WCHAR name[8];
    DWORD chars = 11;  // "DefaultIcon" needs 12 with its terminator
    EXPECT_EQ(RegEnumKeyExW(parent.Get(), 1, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(chars, 12u);
    chars = 8;
    EXPECT_EQ(RegEnumKeyExW(parent.Get(), 4, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumKeyExW(parent.Get(), 0, nullptr, &chars, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, QueryInfoCountsSubkeysAndValues) {
    Key key;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Info", key), ERROR_SUCCESS);
    for (const char16_t* name : {u"a", u"Longer"}) {
        Key child;
        ASSERT_EQ(Create(key.Get(), name, child), ERROR_SUCCESS);
    }
    ASSERT_EQ(SetDword(key.Get(), u"FONTSIZE", 14), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key.Get(), u"NOTEDIR", REG_SZ, TextBytes(u"\\My Documents")), ERROR_SUCCESS);

    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxValue = 0;
    ASSERT_EQ(RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr, &values,
                               &maxValueName, &maxValue, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 2u);
    EXPECT_EQ(maxSubKey, 6u);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(maxValueName, 8u);
    EXPECT_EQ(maxValue, TextBytes(u"\\My Documents").size());
}

}  // namespace
