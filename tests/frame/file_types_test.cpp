// The file types under HKEY_CLASSES_ROOT: what each registration writes, and the text type left
// alone while its setting is off.
#include <gtest/gtest.h>

#include <string>

#include "core/app_settings.h"
#include "core/file_types.h"
#include "core/reg_key.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace {

constexpr DWORD kTextBytes = 1024;

std::u16string DefaultValue(const std::u16string& path) {
    RegKey key;
    std::u16string text = u"<missing>";
    if (key.Open(HKEY_CLASSES_ROOT, path) == ERROR_SUCCESS) key.ReadText(nullptr, kTextBytes, text);
    return text;
}

std::u16string ProgramPath() {
    WCHAR path[260] = {};
    GetModuleFileNameW(nullptr, path, 260);
    return path;
}

TEST(FileTypes, EachTypeWritesItsClassIconAndOpenCommand) {
    platform::testing::TestDevice device;
    g_Settings = AppSettings();
    g_Settings.textExt = 1;
    RegisterWltFileType();
    RegisterTxtAssoc();
    RegisterThemeFileType();
    const std::u16string program = ProgramPath();
    struct Case {
        std::u16string key;
        std::u16string value;
    };
    const Case cases[] = {
        {u".zqw", u"zqwallet"},
        {u"zqwallet", u"ZQWalletFile"},
        {u"zqwallet\\DefaultIcon", program + u",-106"},
        {u"zqwallet\\Shell\\Open\\Command", u"\"" + program + u"\" /WLT: %1"},
        {u".txt", u"textfile"},
        {u"textfile", u"Text File"},
        {u"textfile\\DefaultIcon", program + u",-107"},
        {u"textfile\\Shell\\Open\\Command", u"\"" + program + u"\" /TXT:\"%1\""},
        {u".zqth", u"zqtheme"},
        {u"zqtheme\\DefaultIcon", program + u",-108"},
        {u"zqtheme\\Shell\\Open\\Command", u"\"" + program + u"\" /ZQTH: %1"},
        {u".pwi", u"<missing>"},  // only the options register the ink type
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultValue(c.key), c.value) << std::string(c.key.begin(), c.key.end());
    g_Settings = AppSettings();
}

TEST(FileTypes, TextTypeIsLeftAloneWhileItsSettingIsOff) {
    platform::testing::TestDevice device;
    g_Settings = AppSettings();
    ASSERT_EQ(g_Settings.textExt, 0);
    RegisterTxtAssoc();
    RegisterPwiAssoc();
    EXPECT_EQ(DefaultValue(u".txt"), u"<missing>");
    EXPECT_EQ(DefaultValue(u"textfile"), u"<missing>");
    EXPECT_EQ(DefaultValue(u".pwi"), u"<missing>");
}

}  // namespace
