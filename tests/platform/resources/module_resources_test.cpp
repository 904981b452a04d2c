// Registering a module's resources and finding, loading and sizing them.
#include <gtest/gtest.h>

#include "platform/resources.h"
#include "platform/system.h"
#include "res_fixture.h"
#include "resources/module_resources.h"

namespace {

using restest::Module;

constexpr WORD kCustomType = 300;

TEST(ModuleResources, FindsByOrdinalHashTextAndNameInAnyCase) {
    Module fixture(restest::FakeModule(1), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered()) << "build the fixture with the full build first";
    const HINSTANCE m = fixture.Handle();

    struct Case {
        LPCWSTR name;
        LPCWSTR type;
    };
    const Case found[] = {
        {MAKEINTRESOURCEW(300), RT_DIALOG},
        {u"#300", RT_DIALOG},
        {MAKEINTRESOURCEW(300), u"#5"},
        {u"Banner", u"CustomType"},
        {u"BANNER", u"customtype"},
        {u"banner", u"CUSTOMTYPE"},
        {u"Empty", RT_RCDATA},
    };
    for (const Case& c : found) EXPECT_NE(FindResourceW(m, c.name, c.type), nullptr);

    const HRSRC banner = FindResourceW(m, u"banner", u"customtype");
    ASSERT_NE(banner, nullptr);
    const HGLOBAL loaded = LoadResource(m, banner);
    ASSERT_NE(loaded, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    ASSERT_EQ(bytes, loaded);
    ASSERT_EQ(SizeofResource(m, banner), 13u);
    EXPECT_EQ(std::string(bytes, 13), "fixture data\n");
    EXPECT_FALSE(FreeResource(loaded));

    // A resource of no bytes is found and loads; its size is 0.
    const HRSRC empty = FindResourceW(m, u"EMPTY", RT_RCDATA);
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(LoadResource(m, empty), nullptr);
    EXPECT_EQ(SizeofResource(m, empty), 0u);
}

TEST(ModuleResources, MissingResourcesSayWhatIsMissing) {
    Module fixture(restest::FakeModule(2), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const HINSTANCE m = fixture.Handle();

    struct Case {
        HMODULE module;
        LPCWSTR name;
        LPCWSTR type;
        DWORD error;
    };
    const Case missing[] = {
        {m, MAKEINTRESOURCEW(301), RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {m, u"#301", RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {m, u"Banne", u"CustomType", ERROR_RESOURCE_NAME_NOT_FOUND},
        // "#" with no digits, or more than a word holds, is a name, not an ordinal.
        {m, u"#", RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {m, u"#65836", RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        // RT_RCDATA is there, but only with a name given as text.
        {m, MAKEINTRESOURCEW(1), RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
        {m, MAKEINTRESOURCEW(300), RT_BITMAP, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {m, u"Banner", u"OtherType", ERROR_RESOURCE_TYPE_NOT_FOUND},
        {m, nullptr, RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {restest::FakeModule(99), MAKEINTRESOURCEW(300), RT_DIALOG, ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case& c : missing) {
        SetLastError(0);
        EXPECT_EQ(FindResourceW(c.module, c.name, c.type), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST(ModuleResources, HandlesFromElsewhereAreRefusedWithoutReadingThem) {
    Module one(restest::FakeModule(3), restest::FixtureFile());
    Module two(restest::FakeModule(4), restest::FixtureFile());
    ASSERT_TRUE(one.Registered() && two.Registered());
    const HRSRC dialog = FindResourceW(one.Handle(), MAKEINTRESOURCEW(300), RT_DIALOG);
    ASSERT_NE(dialog, nullptr);

    // A handle of another module, one a byte off, and made-up values.
    const auto* offByOne = reinterpret_cast<const BYTE*>(dialog) + 1;
    for (const HRSRC bad : {dialog, reinterpret_cast<HRSRC>(const_cast<BYTE*>(offByOne)),
                            reinterpret_cast<HRSRC>(std::uintptr_t{0x1234}), HRSRC{}}) {
        const bool ownHandle = bad == dialog;
        SetLastError(0);
        EXPECT_EQ(SizeofResource(two.Handle(), bad), 0u);
        EXPECT_EQ(LoadResource(two.Handle(), bad), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        if (!ownHandle) {
            EXPECT_EQ(SizeofResource(one.Handle(), bad), 0u);
        }
    }
    // LockResource takes only what LoadResource gave.
    const HGLOBAL data = LoadResource(one.Handle(), dialog);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(LockResource(static_cast<BYTE*>(data) + 2), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
}

TEST(ModuleResources, RegisteringAgainReplacesAndUnregisteringForgets) {
    const HINSTANCE m = restest::FakeModule(5);
    std::vector<BYTE> first = restest::EmptyFile();
    restest::PutEntry(first, kCustomType, 1, {'a', 'b'});
    std::vector<BYTE> second = restest::EmptyFile();
    restest::PutEntry(second, kCustomType, 2, {'c'});
    const auto a = restest::Align(first), b = restest::Align(second);

    ASSERT_TRUE(platform::RegisterModuleResources(m, a.data(), a.size));
    EXPECT_NE(FindResourceW(m, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(kCustomType)), nullptr);
    ASSERT_TRUE(platform::RegisterModuleResources(m, b.data(), b.size));
    EXPECT_EQ(FindResourceW(m, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(kCustomType)), nullptr);
    const HRSRC c = FindResourceW(m, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(kCustomType));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(SizeofResource(m, c), 1u);

    platform::UnregisterModuleResources(m);
    SetLastError(0);
    EXPECT_EQ(FindResourceW(m, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(kCustomType)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

// Each corruption of a good two-entry file, and what it does.
TEST(ModuleResources, TruncatedOrMalformedFilesAreRefusedAndKeepTheOldResources) {
    const HINSTANCE m = restest::FakeModule(6);
    std::vector<BYTE> good = restest::EmptyFile();
    restest::PutEntry(good, kCustomType, 7, {1, 2, 3, 4, 5, 6});
    const auto goodBytes = restest::Align(good);
    ASSERT_TRUE(platform::RegisterModuleResources(m, goodBytes.data(), goodBytes.size));

    constexpr std::size_t kSecond = 32;  // the second entry's header
    struct Corruption {
        const char* what;
        std::size_t offset;  // where a DWORD is overwritten (SIZE_MAX: none)
        DWORD value;
        std::size_t keep;  // bytes kept (0: all)
        std::vector<BYTE> appended;
    };
    const Corruption cases[] = {
        {"data size past the end", kSecond, 9, 0, {}},
        {"huge data size", kSecond, 0xFFFFFFF0u, 0, {}},
        {"header size past the end", kSecond + 4, 0x1000, 0, {}},
        {"header size not a multiple of 4", kSecond + 4, 30, 0, {}},
        {"header too small for its fields", kSecond + 4, 20, 0, {}},
        // The name runs into the header's fixed tail: no terminator before it.
        {"unterminated name", kSecond + 12, 0x00410041, 0, {}},
        {"cut inside the header", SIZE_MAX, 0, kSecond + 20, {}},
        {"cut inside the data", SIZE_MAX, 0, kSecond + 32 + 3, {}},
        {"stray bytes after the last entry", SIZE_MAX, 0, 0, {9, 9, 9, 9}},
    };
    for (const Corruption& c : cases) {
        std::vector<BYTE> bad = good;
        if (c.offset != SIZE_MAX) std::memcpy(bad.data() + c.offset, &c.value, sizeof c.value);
        if (c.keep != 0) bad.resize(c.keep);
        bad.insert(bad.end(), c.appended.begin(), c.appended.end());
        const auto badBytes = restest::Align(bad);
        SetLastError(0);
        EXPECT_FALSE(platform::RegisterModuleResources(m, badBytes.data(), badBytes.size)) << c.what;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA)) << c.what;
        EXPECT_NE(FindResourceW(m, MAKEINTRESOURCEW(7), MAKEINTRESOURCEW(kCustomType)), nullptr) << c.what;
    }

    // No bytes, and bytes off their 4-byte boundary.
    EXPECT_FALSE(platform::RegisterModuleResources(m, nullptr, 32));
    EXPECT_FALSE(platform::RegisterModuleResources(m, goodBytes.data(), 0));
    std::vector<std::uint32_t> shifted(goodBytes.words.size() + 1);
    auto* odd = reinterpret_cast<BYTE*>(shifted.data()) + 2;
    std::memcpy(odd, goodBytes.bytes(), goodBytes.size);
    EXPECT_FALSE(platform::RegisterModuleResources(m, odd, goodBytes.size));
    platform::UnregisterModuleResources(m);
}

TEST(ModuleResources, PointerIntoAResourceGivesTheRestOfIt) {
    Module fixture(restest::FakeModule(7), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const HINSTANCE m = fixture.Handle();
    const HRSRC banner = FindResourceW(m, u"Banner", u"CustomType");
    const auto* start = static_cast<const BYTE*>(LoadResource(m, banner));
    const auto rest = platform::ResourceDataFrom(start + 8);
    ASSERT_TRUE(rest.has_value());
    EXPECT_EQ(rest->data(), start + 8);
    EXPECT_EQ(rest->size(), 5u);
    // A header between two resources belongs to neither, and outside memory to none.
    EXPECT_FALSE(platform::ResourceDataFrom(start - 4).has_value());
    int local = 0;
    EXPECT_FALSE(platform::ResourceDataFrom(&local).has_value());
}

}  // namespace
